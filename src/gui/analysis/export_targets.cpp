#include "analysis/export_targets.h"

#include <QAction>
#include <QMenu>

#include "analysis/picture_files.h"
#include "analysis/result_commands.h"
#include "charts/chart_export.h"

namespace dorvex::gui {

namespace {

enum Target { kClipboard, kBitmap, kVector, kJpeg };

}  // namespace

ExportTargets::ExportTargets(QMenu* menu) : QObject(menu) {
  const char* names[] = {"Schranka", "Bitmapa", "Metafile", "JPGFile"};
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i] = menu->addAction(QString());
    items_[i]->setObjectName(QString::fromLatin1(names[i]));
    items_[i]->setCheckable(true);
    connect(items_[i], &QAction::triggered, this, [this, i] { Choose(items_[i]); });
  }
  items_[kClipboard]->setChecked(true);
}

void ExportTargets::Choose(QAction* item) {
  // Unchecking the checked one falls back to another.
  if (!item->isChecked()) {
    items_[item == items_[kClipboard] ? kBitmap : kClipboard]->setChecked(true);
    return;
  }
  for (QAction* other : items_) {
    if (other != item) other->setChecked(false);
  }
}

void ExportTargets::Export(const PlatformServices& services, QChartView* chart, const QString& folder,
                           texts::Language language) const {
  if (items_[kClipboard]->isChecked()) {
    CopyChartToClipboard(chart);
    return;
  }
  using analysis::PictureFormat;
  PictureFormat target = PictureFormat::Bmp;
  if (items_[kVector]->isChecked()) target = PictureFormat::Svg;
  if (items_[kJpeg]->isChecked()) target = PictureFormat::Jpeg;
  if (const auto error = SaveChartAs(services, chart, folder, target, language)) {
    ShowModelError(services, *error, language);
  }
}

}  // namespace dorvex::gui

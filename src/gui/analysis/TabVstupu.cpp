#include "analysis/TabVstupu.h"

#include <QCloseEvent>
#include <QEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/window_placement.h"
#include "app/grid_cells.h"

namespace dorvex::gui {

namespace {

constexpr PlacementKeys kPlacement{"TabVstupu-Form4", ".Width", ".Height", 220, 330};

}  // namespace

TForm4::TForm4(settings::SettingsFile* settings, QWidget* parent) : QWidget(parent, Qt::Window), settings_(settings) {
  setObjectName(QStringLiteral("Form4"));
  StringGrid1 = MakeStringGrid("StringGrid1", 1, 2, this);
  SetGridColumnWidths(StringGrid1, {80, 110});
  StringGrid1->setMinimumHeight(0);
  StringGrid1->setMaximumHeight(QWIDGETSIZE_MAX);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  StringGrid1->viewport()->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StringGrid1, 1);
  RestorePlacement(this, settings_, kPlacement);
}

void TForm4::ShowControlListing(const std::vector<model::ControlListingRow>& rows, const QColor& background,
                                const QColor& font) {
  if (background.isValid()) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
  }
  StringGrid1->clearContents();
  StringGrid1->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    const auto& listed = rows[static_cast<std::size_t>(row)];
    SetCell(StringGrid1, row, 0, QString::fromStdString(listed.index));
    SetCell(StringGrid1, row, 1, QString::fromStdString(listed.frequency));
    if (font.isValid()) {
      StringGrid1->item(row, 0)->setForeground(font);
      StringGrid1->item(row, 1)->setForeground(font);
    }
  }
  show();
  raise();
  activateWindow();
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StringGrid1->viewport() && event->type() == QEvent::MouseButtonPress) {
    close();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TForm4::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (LostActivation(this, event)) close();
}

void TForm4::closeEvent(QCloseEvent* event) {
  SavePlacement(this, settings_, kPlacement);
  QWidget::closeEvent(event);
}

}  // namespace dorvex::gui

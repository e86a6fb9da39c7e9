#pragma once
// Where a window's chart export goes: the clipboard, a bitmap, a vector picture or a
// JPEG, as four checkable menu items that exclude each other, and the export to the
// one checked.

#include <QObject>
#include <QString>
#include <array>

#include "app/platform_services.h"
#include "texts/language.h"

class QAction;
class QMenu;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::gui {

class ExportTargets : public QObject {
  Q_OBJECT

 public:
  // Adds the items "Schranka", "Bitmapa", "Metafile" and "JPGFile" to `menu`, the
  // clipboard checked.
  explicit ExportTargets(QMenu* menu);

  const std::array<QAction*, 4>& Items() const { return items_; }
  // Copies `chart` to the clipboard or asks where to save it in `folder`, as the
  // checked item says; a write error is shown.
  void Export(const PlatformServices& services, QChartView* chart, const QString& folder,
              texts::Language language) const;

 private:
  void Choose(QAction* item);

  std::array<QAction*, 4> items_{};
};

}  // namespace dorvex::gui

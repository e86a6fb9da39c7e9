#pragma once
// What the two listing windows of a histogram share: the five-column table, the
// export to the spreadsheet and closing as soon as another window is active.

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

#include "analysis/window_placement.h"
#include "app/platform_services.h"
#include "model/histogram.h"
#include "analysis/result_report.h"

class QTableWidget;
class QToolButton;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

// How the main window wants a listing painted.
struct ListingPaint {
  bool coloured = true;     // the main window's coloured descriptions are on (Ne1 unchecked)
  QColor background;        // the main window's background; invalid keeps the default
  QColor font;              // the font colour of the main window's Label21; invalid keeps the default
  bool listsResult = true;  // the listed histogram is the result, not an input
  // The probability typed into Edit_P when the last question was a quantile for
  // it; empty otherwise (and when Edit_P is empty).
  std::optional<double> quantileProbability;
  double resultClassWidth = 0;  // dAB
};

// Name of the workbook the export writes into the graphs folder.
inline constexpr const char* kListingWorkbookName = "Histogram.xlsx";

class ListingTableWindow : public QWidget {
  Q_OBJECT

 public:
  // Fills the table with `table` (the description table of `h`), sets caption and
  // hint to its title, paints it by `paint` and shows the window with KontTisk.
  void ShowListing(const model::Histogram& h, const analysis::DescriptionGrid& table, const ListingPaint& paint);

  // KontTisk: writes the listing's cell layout as a workbook into the graphs folder
  // and opens it with the desktop's spreadsheet; warns when none opens it.
  void KontTiskClick();

  // The path the export writes.
  QString WorkbookPath() const;

  QTableWidget* StringGrid1 = nullptr;
  QToolButton* KontTisk = nullptr;
  QToolButton* ExitBtn = nullptr;

 signals:
  // The window closed (Exit, losing the activation, or its frame).
  void Closed();

 protected:
  // `settings` and the services outlive the window; `graphsFolder` receives the
  // exported workbooks.
  ListingTableWindow(const PlatformServices& services, settings::SettingsFile* settings, QString graphsFolder,
                     const PlacementKeys& keys, std::initializer_list<int> columnWidths, QWidget* parent);

  // The value compared with the queried probability for table row `row`, or empty
  // when the row is not painted.
  virtual std::optional<double> ComparedValue(const model::Histogram& h, int row, int rows) const = 0;

  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Paint(const ListingPaint& paint);

  PlatformServices services_;
  settings::SettingsFile* settings_;
  QString graphsFolder_;
  PlacementKeys keys_;
  model::Histogram listed_;
  analysis::DescriptionGrid shown_;
};

}  // namespace dorvex::gui

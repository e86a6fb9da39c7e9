#pragma once
// The listing window of a histogram: its description table in five columns, shaded
// after the main window's query, with an export to the spreadsheet. One window lists
// Pure Discrete histograms point by point, another Discrete ones interval by interval
// between their bounds; both close as soon as another window is active.

#include <QColor>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "app/platform_services.h"
#include "model/histogram.h"
#include "analysis/listing_rows.h"
#include "analysis/result_report.h"
#include "texts/language.h"

class QTableWidget;
class QToolButton;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

// Which histograms a listing window lists.
enum class ListingKind {
  Points,     // Pure Discrete: one row per point
  Intervals,  // Discrete: each interval between its bounds
};

// How the main window wants a listing painted.
struct ListingPaint {
  analysis::DescriptionShading shading;
  QColor background;  // the main window's background; invalid keeps the default
  QColor font;        // the font colour of the main window's labels; invalid keeps the default
};

class ListingWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window of `kind`, placed as `settings` says; exports go into
  // `graphsFolder`. `settings` and the services outlive the window.
  ListingWindow(ListingKind kind, const PlatformServices& services, settings::SettingsFile* settings,
                QString graphsFolder, texts::Language language, QWidget* parent = nullptr);

  // The language of the export's headings, of the error boxes and, while hidden, of
  // the title.
  void SetLanguage(texts::Language language);

  // Fills the table with `table` (the description table of `h`), sets caption and
  // hint to its title, paints it by `paint` and shows the window with its export
  // button.
  // Lines the workbook adds below the listing (the result's Pf bounds, an
  // expression's record); cleared by every new listing.
  void SetNotes(std::vector<std::string> notes) { notes_ = std::move(notes); }
  void ShowListing(const model::Histogram& h, const analysis::DescriptionGrid& table, const ListingPaint& paint);

 signals:
  // The window closed (Exit, losing the activation, or its frame).
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Writes the listing's cell layout as a workbook into the graphs folder and opens
  // it with the desktop's spreadsheet; warns when none opens it.
  void ExportToSpreadsheet();
  void Paint(const model::Histogram& h, const ListingPaint& paint);

  PlatformServices services_;
  QString graphsFolder_;
  texts::Language language_;
  int window_;  // the window number its language texts go by
  model::Histogram listed_;
  analysis::DescriptionGrid shown_;
  QTableWidget* listingGrid_ = nullptr;
  QToolButton* exportButton_ = nullptr;
  QToolButton* exitButton_ = nullptr;
  std::vector<std::string> notes_;
};

}  // namespace dorvex::gui

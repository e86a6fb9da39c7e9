#pragma once
// HistogramTableWindow: the table of histograms behind the summary and the
// combination window. Each row holds a histogram opened from a distribution file,
// its multiple, a note and (summary) a weight; the table is saved and opened as a
// table file; the computation shows its result in the graph window and closing hands
// it to the slot the window was opened for. The summary and the combination window
// are its two kinds (texts::TableWindow).

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

#include "app/platform_services.h"
#include "model/histogram.h"
#include "tables/histogram_table_file.h"
#include "tables/table_rows.h"
#include "tables/table_graph_window.h"
#include "texts/language.h"
#include "texts/table_window_texts.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

// What the main window tells the window when it opens it.
struct TableOpening {
  model::SlotId slot = model::SlotId::A;
  TableGraphLook graphLook;
};

// The folders the window's dialogs start in.
struct TableFolders {
  QString histograms;  // a row's distribution file
  QString calculated;  // the table files
};

class HistogramTableWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (may be null); the graph window is
  // shared with the other table window. All outlive the window.
  HistogramTableWindow(texts::TableWindow kind, const PlatformServices& services, settings::SettingsFile* settings,
                       TableFolders folders, TableGraphWindow* graph, texts::Language language,
                       QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);
  // Resets the table for the opening's slot and shows the window.
  void OpenFor(const TableOpening& opening);

 signals:
  // Closing with a result: the buffer for the slot and the slot's name.
  void HandedOver(const model::HandOverBuffer& buffer, const QString& name);
  // A row takes a new histogram: the main window's result no longer stands.
  void ResultCleared();
  // The window closed (after HandedOver when there was a result).
  void Closed(model::SlotId slot);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void ConnectControls();
  void ApplyTexts();
  void ReadPlacement();
  void WritePlacement();

  // The grid shows the table: its cells, which of them take typing, the count of
  // intervals and the buttons' state.
  void ShowTable();
  void ShowRowCells(int row);
  void EnableButtons(const tables::TableButtons& buttons);
  void HideCellButtons();
  // The cell button over the right end of the cell.
  void PlaceCellButton(QToolButton* button, int row, int column);
  // Takes the typed texts of the grid into the table.
  void TakeTypedCells();

  void SelectCell(int row, int column);
  void OpenRowHistogram();
  void ShowRowGraph();
  void DeleteRow();
  void SaveTable();
  void OpenTable();
  void Compute();
  // Asks a Yes/No question titled `title`; true for Yes.
  bool Ask(int title, const QString& text);
  void ShowError(int title, const QString& text);
  bool FilterKey(QObject* watched, QKeyEvent* key);

  texts::TableWindow kind_;
  PlatformServices services_;
  settings::SettingsFile* settings_;
  TableFolders folders_;
  TableGraphWindow* graph_;
  texts::Language language_;
  TableOpening opening_;
  tables::HistogramTable table_;
  int selectedRow_ = 0;  // the row of the last selected cell; 0 when none
  // The last computation's histogram, while it stands.
  std::optional<model::Histogram> result_;
  bool showing_ = false;  // the grid is being filled: its changes are not typing

  // Controls, by what they do; their objectName is the designed name.
  QWidget* buttonBar = nullptr;
  QPushButton* openTableButton = nullptr;
  QPushButton* deleteRowButton = nullptr;
  QPushButton* saveTableButton = nullptr;
  QPushButton* computeButton = nullptr;
  QPushButton* closeButton = nullptr;
  QLabel* maxIntervalsLabel = nullptr;
  QLabel* maxIntervalsValue = nullptr;
  QTableWidget* grid = nullptr;
  QToolButton* openHistogramButton = nullptr;
  QToolButton* rowGraphButton = nullptr;
};

}  // namespace dorvex::gui

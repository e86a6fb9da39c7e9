#pragma once
// TableGraphWindow: one histogram of the summary or combination window — a row of
// its table or its result — as bars, with its Min, Max and interval count and its
// probability table. It stays on top and closes as soon as it is deactivated.

#include <QColor>
#include <QString>
#include <QWidget>

#include "model/histogram.h"
#include "texts/language.h"

class QTableWidget;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class ChartToolBar;

// How the main window wants the graph drawn.
struct TableGraphLook {
  bool valueLabels = true;   // the bottom axis shows values, else interval numbers
  bool gridColours = true;   // the probability table is coloured
  bool chartToolBar = false;  // the main window's chart-tool-bar option
  QColor bars;               // the input histograms' colour
  QColor title;              // the chart title's colour
};

// What the window shows: the histogram (N, P, Min, Max, d), the title and the
// bottom axis' title in index mode.
struct TableGraph {
  model::Histogram histogram;
  QString title;
  QString indexAxisTitle;
};

class TableGraphWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (may be null); `settings` outlives it.
  TableGraphWindow(settings::SettingsFile* settings, texts::Language language, QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);
  // Draws `graph` and shows the window.
  void ShowGraph(const TableGraph& graph, const TableGraphLook& look);
  // Empties the chart and the tables.
  void Clear();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ApplyTexts();
  void Draw();
  void PlaceChartToolBar();

  settings::SettingsFile* settings_;
  texts::Language language_;
  TableGraph graph_;
  TableGraphLook look_;
  bool shown_ = false;

  QChartView* chart = nullptr;
  QTableWidget* summaryGrid = nullptr;
  QTableWidget* probabilityGrid = nullptr;
  ChartToolBar* chartToolBar = nullptr;
};

}  // namespace dorvex::gui

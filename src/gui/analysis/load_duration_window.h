#pragma once
// LoadDurationWindow: the distribution function F(x) of the result as a bar chart and
// as a table of x and F(x), with the chart's marks, labels and picture export; beside
// F the two functions that bound it and the target failure probability, on a linear
// or a logarithmic F axis. It is opened from the main window for the current result
// and recomputes everything from it at each opening; only its settings stay between
// openings.

#include <QColor>
#include <QWidget>
#include <string>

#include "app/platform_services.h"
#include "engine/bounds.h"
#include "model/histogram.h"
#include "numeric/reliability.h"
#include "texts/language.h"
#include "workbench/date_time_text.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QSpinBox;
class QTableWidget;
class QToolButton;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::settings {
class SettingsFile;
}
namespace dorvex::analysis {
struct TargetReference;
}

namespace dorvex::gui {

class ExportTargets;

class ChartToolBar;

// What the main window tells the window when it opens it.
struct LoadDurationOpening {
  model::Histogram result;
  std::string title;                         // "Histogram : " + the result's label
  bool valueLabels = true;                   // the bottom axis shows values, else bar numbers
  bool chartToolBar = false;                 // the main window's chart-tool-bar option
  bool gridColours = true;                   // the table's value rows are shaded
  workbench::DateTimeSeparators separators;  // of the chart's date line
  QColor tableText;                          // the main window's listing text; invalid: the window's own
  // The result's failure probability and its bounds: the bounding distribution
  // functions are drawn and listed when Bounded, else the reason is shown.
  double failureProbability = 0.0;
  engine::FailureBounds bounds;
  double targetIndex = numeric::kDefaultTargetIndex;  // the main window's target beta
};

class LoadDurationWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (may be null); pictures are saved into
  // `graphsFolder`. `settings` and the services outlive the window.
  LoadDurationWindow(const PlatformServices& services, settings::SettingsFile* settings, QString graphsFolder,
                     texts::Language language, QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);
  // Draws the chart and the table of the opening's result and shows the window.
  void OpenFor(const LoadDurationOpening& opening);
  // The placement, marks style and angle "Default values" gives; data marks off.
  void ResetToDefaults(int screenWidth);

 signals:
  // The user chose the bottom-axis labels here; every chart follows.
  void ValueLabelsChosen(bool valueLabels);
  void WordDocumentRequested();
  void WindowPictureRequested();
  // The window closed (its settings written).
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void ConnectControls();
  void ApplyTexts();
  void ReadSettings();
  void WriteSettings();
  void Draw();
  void FillTable();
  void DrawBoundsAndTarget(const analysis::TargetReference& target, double floor);
  void UseLogarithmicAxis(double minimum);
  void PlaceChartToolBar();
  void FitMinimumSize();
  void ExportChart();

  PlatformServices services_;
  settings::SettingsFile* settings_;
  QString graphsFolder_;
  texts::Language language_;
  LoadDurationOpening opening_;
  bool opened_ = false;
  QMetaObject::Connection legendPlacing_;  // keeps the legend in the plot's corner

  // Controls, by what they do; their objectName is the designed name.
  QChartView* chart = nullptr;
  QTableWidget* table = nullptr;
  QCheckBox* marksBox = nullptr;
  QCheckBox* logAxisBox = nullptr;
  QLabel* boundsNote = nullptr;  // why the result has no bounds
  QComboBox* marksList = nullptr;
  QComboBox* axisLabelsList = nullptr;
  QSpinBox* angleBox = nullptr;
  QToolButton* wordButton = nullptr;
  QToolButton* exportButton = nullptr;
  QToolButton* pictureButton = nullptr;
  QToolButton* closeButton = nullptr;
  QMenu* exportMenu = nullptr;
  QMenu* exportTargetMenu = nullptr;
  ExportTargets* exportTargets = nullptr;
  ChartToolBar* chartToolBar = nullptr;
};

}  // namespace dorvex::gui

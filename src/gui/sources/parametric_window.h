#pragma once
// ParametricWindow: an input histogram from one of the parametric distributions.
// The user picks the type, types its parameters, the interval count and Eps; every
// computation is shown at once (bars with the exact density over them, the interval
// table, Xmin, Xmax, median, mode and what the range leaves out). Closing hands the
// last histogram to the slot it was opened for.

#include <QColor>
#include <QFont>
#include <QWidget>
#include <string>

#include "app/platform_services.h"
#include "model/histogram.h"
#include "sources/parametric_state.h"
#include "texts/language.h"
#include "workbench/date_time_text.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class ExportTargets;

class ChartToolBar;

// The main window's fonts and colours the window takes; an invalid colour leaves the
// window's own.
struct ParametricLook {
  QFont tableFont;  // labels and tables
  QColor tableText;
  QFont editFont;  // edit fields
  QColor editText;
  QColor editBackground;
  QColor bars;
};

// What the main window tells the window when it opens it.
struct ParametricOpening {
  model::SlotId slot = model::SlotId::A;
  bool valueLabels = true;          // the bottom axis shows values, else bar numbers
  bool chartToolBar = false;        // the main window's chart-tool-bar option
  bool gridColours = true;          // the interval table is coloured
  workbench::DateTimeSeparators separators;  // of the chart's date line
  ParametricLook look;
};

class ParametricWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (may be null); pictures are saved into
  // `graphsFolder`. `settings` and the services outlive the window.
  ParametricWindow(const PlatformServices& services, settings::SettingsFile* settings, QString graphsFolder,
                   texts::Language language, QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);

  // The placement (0, 0, the default size), marks style 2 at 90 degrees, data labels
  // off, Eps "0.0000001" and 128 intervals, as "Default values" gives them.
  void ResetToDefaults(int screenWidth);

  // Resets the window for the opening's slot, shows it and computes once.
  void OpenFor(const ParametricOpening& opening);

 signals:
  // Closing with a histogram: the buffer for the slot and the slot's name.
  void HandedOver(const model::HandOverBuffer& buffer, const QString& name);
  // The window closed (after HandedOver when there was a histogram).
  void Closed(model::SlotId slot);
  // The user switched the axis labels here; the main window follows.
  void ValueLabelsChosen(bool valueLabels);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void ConnectControls();
  void ApplyTexts();
  void ReadSettings();
  void ApplyLook(const ParametricLook& look);
  void WriteSettings();

  // The display as on opening: chart hidden, range fields and the first table cells
  // emptied, the count and range fields disabled.
  void ResetDisplay();
  // The chart tool bar (Panel1) only on a window as wide as the screen, when the
  // main window's option is on.
  void PlaceChartToolBar();
  void TypeChanged();
  void Compute();
  void Show();
  void Redraw();
  void LeaveEps();
  void LeaveField(QLineEdit* field);
  void FieldEdited();
  void RestoreLastAccepted(QLineEdit* field);
  void ShowRefusal(const sources::ParamRefusal& refusal);
  void ExportChart();

  PlatformServices services_;
  settings::SettingsFile* settings_;
  QString graphsFolder_;
  texts::Language language_;

  // Controls, by what they do; their objectName is the designed name.
  QLabel* typeLabel = nullptr;
  QComboBox* typeList = nullptr;
  QLabel* countLabel = nullptr;
  QLineEdit* countField = nullptr;
  QLabel* epsLabel = nullptr;
  QLineEdit* epsField = nullptr;
  QLabel* minLabel = nullptr;
  QLineEdit* minField = nullptr;
  QLabel* maxLabel = nullptr;
  QLineEdit* maxField = nullptr;
  QGroupBox* parameterBox = nullptr;
  QLabel* parameterLabels[4] = {};
  QLineEdit* parameterFields[4] = {};
  QTableWidget* summaryGrid = nullptr;
  QTableWidget* intervalGrid = nullptr;
  QChartView* chart = nullptr;
  QComboBox* marksList = nullptr;
  QSpinBox* angleBox = nullptr;
  QCheckBox* dataLabelsBox = nullptr;
  QComboBox* axisLabelsList = nullptr;
  QCheckBox* pureDiscreteBox = nullptr;
  QPushButton* characteristicsButton = nullptr;
  QToolButton* exportButton = nullptr;
  QMenu* exportMenu = nullptr;
  ExportTargets* exportTargets = nullptr;
  QPushButton* pictureButton = nullptr;
  QPushButton* closeButton = nullptr;
  QPushButton* computeButton = nullptr;
  ChartToolBar* chartToolBar = nullptr;

  // The computation and what the window remembers between them.
  sources::ParamState state_;
  ParametricOpening opening_;
  bool dirty_ = false;
  bool computed_ = false;  // the chart shows the last successful computation
  bool resetting_ = false;
  QString savedEps_ = QStringLiteral("1E-7");
  double savedEpsValue_ = 1E-7;
  QString lastCount_ = QStringLiteral("128");
  QString lastParameters_[4];
};

}  // namespace dorvex::gui

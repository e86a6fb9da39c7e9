#pragma once
// RawDataWindow: an input histogram from measured values. The user opens a file of
// values (or types them in the editor and saves them), sees the sample's moments
// and its histogram over a range and interval count of his choice, fits every
// parametric type to it (in a worker thread, with a progress bar), picks one of the
// ranked fits, and on closing hands the histogram on display to the slot it was
// opened for.

#include <QColor>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/platform_services.h"
#include "model/histogram.h"
#include "rawdata/fitting.h"
#include "rawdata/raw_sample.h"
#include "rawdata/sample_histogram.h"
#include "texts/language.h"
#include "workbench/date_time_text.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QThread;
class QToolButton;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class ExportTargets;

class FitTableWindow;
struct FitJob;
class ValueListModel;
struct HistogramPicture;

// What the main window tells the window when it opens it.
struct RawDataOpening {
  model::SlotId slot = model::SlotId::A;
  bool valueLabels = true;                   // the bottom axis shows values, else bar numbers
  workbench::DateTimeSeparators separators;  // of the chart's date line
};

class RawDataWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (may be null); the open and save
  // dialogs start in `rawDataFolder`, pictures go to `graphsFolder`. `settings` and
  // the services outlive the window.
  RawDataWindow(const PlatformServices& services, settings::SettingsFile* settings, QString rawDataFolder,
                QString graphsFolder, texts::Language language, QWidget* parent = nullptr);
  ~RawDataWindow() override;

  void SetLanguage(texts::Language language);

  // Resets the window to empty for the opening's slot and shows it.
  void OpenFor(const RawDataOpening& opening);

  // True while a fitting run is going on in the worker thread.
  bool Fitting() const;

 signals:
  // Closing with a histogram on display: the buffer for the slot and the slot's name.
  void HandedOver(const model::HandOverBuffer& buffer, const QString& name);
  // The window closed (after HandedOver when there was a histogram).
  void Closed(model::SlotId slot);
  // A fitting run ended: ranked, stopped or with nothing that fits.
  void FittingFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void ConnectControls();
  void ApplyTexts();
  void ReadSettings();
  void WriteSettings();

  // Everything emptied, hidden and disabled as before the first file.
  void Reset();
  // Back to the loaded state: the fits cleared, the list and the table disabled.
  void ResetFitDisplay();
  void OpenData();
  // Shows the sample just loaded and builds its histogram.
  void ShowSample();
  void RebuildHistogram();
  void StartFitting();
  void FinishFitting(const std::shared_ptr<FitJob>& job);
  // While a run goes on the commands that would change its inputs are disabled.
  void SetFitting(bool on);
  void FillFitList();
  void ChooseFit(int item);
  void ChooseRankedFit(int item);
  void HideFit();
  rawdata::FitRequest Request() const;
  // The chart picture of the histogram on display (`fit`: the shown fit, for the
  // fit table's chart) or of the data histogram.
  HistogramPicture Picture(bool fit) const;
  void UpdateTableCharts();
  // The histogram on display as a slot takes it.
  model::Histogram HandOver() const;
  void ShowDisplay();
  void Redraw();
  void OpenFitTable();
  void FieldEdited();
  void LeaveField(QLineEdit* field);
  void ShowMessage(int title, const QString& text, MessageKind kind);
  void ShowCharacteristicsReport();
  void ExportChart();
  // The editor.
  void StartEditor();
  void SaveEditor();
  void UpdateLineCounter(bool currentLine);

  PlatformServices services_;
  settings::SettingsFile* settings_;
  QString rawDataFolder_;
  QString graphsFolder_;
  texts::Language language_;
  RawDataOpening opening_;

  // Controls, by what they do; their objectName is the designed name.
  QPushButton* openButton = nullptr;
  QLabel* fileLabel = nullptr;
  QLineEdit* fileField = nullptr;
  QListView* valueList = nullptr;
  ValueListModel* valueModel = nullptr;
  QTableWidget* sampleGrid = nullptr;
  QLabel* minLabel = nullptr;
  QLineEdit* minField = nullptr;
  QLabel* maxLabel = nullptr;
  QLineEdit* maxField = nullptr;
  QLabel* countLabel = nullptr;
  QLineEdit* countField = nullptr;
  QLabel* epsLabel = nullptr;
  QLineEdit* epsField = nullptr;
  QPushButton* histogramButton = nullptr;
  QPushButton* fitButton = nullptr;
  QProgressBar* progressBar = nullptr;
  QPushButton* stopButton = nullptr;  // shown while a fitting run goes on
  QChartView* smallChart = nullptr;
  QLabel* fitListLabel = nullptr;
  QComboBox* fitList = nullptr;
  QTableWidget* closenessGrid = nullptr;
  QPushButton* tableButton = nullptr;
  QGroupBox* parameterBox = nullptr;
  QChartView* chart = nullptr;
  QComboBox* marksList = nullptr;
  QSpinBox* angleBox = nullptr;
  QCheckBox* dataLabelsBox = nullptr;
  QComboBox* axisLabelsList = nullptr;
  QTableWidget* displayGrid = nullptr;
  QTableWidget* momentsGrid = nullptr;
  QTableWidget* intervalGrid = nullptr;
  QCheckBox* pureDiscreteBox = nullptr;
  QPushButton* characteristicsButton = nullptr;
  QToolButton* exportButton = nullptr;
  QMenu* exportMenu = nullptr;
  ExportTargets* exportTargets = nullptr;
  QPushButton* pictureButton = nullptr;
  QPushButton* newButton = nullptr;
  QGroupBox* editorBox = nullptr;
  QPlainTextEdit* editor = nullptr;
  QTableWidget* lineGrid = nullptr;
  QPushButton* saveButton = nullptr;
  QPushButton* cancelButton = nullptr;
  QPushButton* closeButton = nullptr;
  FitTableWindow* fitTable = nullptr;

  // The sample, its histogram, the fits and the field texts last accepted.
  QString path_;
  std::optional<rawdata::RawSample> sample_;
  rawdata::SampleHistogram histogram_;
  double lo_ = 0.0;
  double hi_ = 0.0;
  std::optional<rawdata::FitRun> fits_;
  std::optional<rawdata::ShownFit> shownFit_;
  int chosenFit_ = -1;  // item of the fit list
  QThread* worker_ = nullptr;
  std::shared_ptr<FitJob> job_;
  bool dirty_ = false;
  bool resetting_ = false;
  QString lastMin_;
  QString lastMax_;
  QString lastCount_ = QStringLiteral("128");
  QString savedEps_ = QStringLiteral("1E-7");
};

}  // namespace dorvex::gui

#pragma once
// MainWindow: the inputs A and B, the result AB and every command of the program's
// menus and tool bar. Its handlers read the controls, ask the workbench (or another
// core module) and show the answer.

#include <QList>
#include <QMainWindow>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/platform_services.h"
#include "model/distribution_file_reader.h"
#include "model/histogram.h"
#include "model/report_error.h"
#include "settings/colour_scheme.h"
#include "settings/document_folders.h"
#include "settings/main_window_settings.h"
#include "settings/settings_file.h"
#include "texts/language.h"
#include "workbench/date_time_text.h"
#include "workbench/workbench.h"

class QAction;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QTableWidget;
class QTimer;
class QToolButton;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::gui {

class AboutWindow;
class ChartToolBar;
class ColourWindow;
class DescriptionWindow;
class VerificationWindow;
class ExpressionWindow;
class ParametricWindow;
class RememberingFileDialogs;
class HistogramTableWindow;
class TableGraphWindow;
class RawDataWindow;

// What the start-up is told from outside the window.
struct StartupOptions {
  bool showSplash = true;
  // Folder of bundled example histograms; the open dialogs start there while the
  // histograms folder holds no histogram.
  QString examplesFolder;
  // A distribution file named on the command line, opened into A once the window is up.
  QString fileForA;
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the start-up: reads `settings` (kept, written at close), applies language
  // and placement and checks the screen. `services` and `settings` outlive the window.
  MainWindow(const PlatformServices& services, settings::SettingsFile* settings, settings::DocumentFolders folders,
             StartupOptions options, QWidget* parent = nullptr);
  ~MainWindow() override;

  // True when the start-up ended the program (screen too narrow); the settings file
  // has been written and the window must not be shown.
  bool EndedAtStart() const { return endedAtStart_; }

  // What the user works on: the slots, the result, the questions, the recent files.
  const workbench::Workbench& Bench() const { return bench_; }
  // The folders fixed at start.
  const settings::DocumentFolders& Folders() const { return folders_; }
  // True while the result chart is enlarged over the input panels.
  bool ResultZoomed() const { return resultZoomed_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Which questions an edit field belongs to, for its keys and its leaving.
  enum class FieldRole { Input, ValueGroup, Probability };

  // The controls of one input slot, so that A and B share their handlers.
  struct InputControls {
    QGroupBox* panel = nullptr;
    QLineEdit* nameField = nullptr;
    QComboBox* typeSelector = nullptr;
    QTableWidget* summaryGrid = nullptr;
    QLabel* minLabel = nullptr;
    QLineEdit* minField = nullptr;
    QLabel* maxLabel = nullptr;
    QLineEdit* maxField = nullptr;
    QLabel* multipleLabel = nullptr;
    QLineEdit* multipleField = nullptr;
    QChartView* chart = nullptr;
    QToolButton* openButton = nullptr;
    QToolButton* reopenButton = nullptr;
    QToolButton* describeButton = nullptr;
    QToolButton* listFileButton = nullptr;
    QAction* openItem = nullptr;
    QAction* reopenItem = nullptr;
    QAction* describeItem = nullptr;
    QAction* listFileItem = nullptr;
    QAction* traceReadItem = nullptr;  // list the file while reading it
  };

  // The windows of other modules this window opens, in main_window_listings.cpp.
  struct CompanionWindows;
  struct CompanionWindowsDeleter {
    void operator()(CompanionWindows* windows) const;
  };

  // ---- construction: main_window_layout.cpp, main_window_menu.cpp ----
  void CreateMenu();
  void CreatePopupMenus();
  void CreateToolBar();
  QGroupBox* CreateInputPanel(model::SlotId slot);
  QGroupBox* CreateResultPanel();
  void CreateStatusBar();
  void ArrangeColumn(QGroupBox* panelA, QGroupBox* panelB);
  void ConnectCommands();
  InputControls& Input(model::SlotId slot);

  // ---- start and end: main_window.cpp ----
  void ApplyLanguage();
  void FitMinimumSize();
  void SwitchLanguage(texts::Language language);
  // The width check of the screen; shows message 7 and ends the program when it fails.
  bool ScreenCheck();
  void EndProgram();
  // Makes the data folders that are missing; says once which could not be made.
  void CreateDataFolders();
  void ExitClick();
  // The exit question; true for Yes.
  bool ConfirmExit();
  void UpdateClock();
  // Shows the chart tool bar over the result chart when the option is on and the
  // window is maximised (or as wide as the screen).
  void UpdateChartToolBar();

  // ---- the slots and the result on screen: main_window.cpp ----
  void ClearSlot(model::SlotId slot);
  void ShowEmptySlot(model::SlotId slot);
  void ClearResult();
  void ShowEmptyResult();
  void ShowSlotSummary(model::SlotId slot);
  void ShowSlotRange(model::SlotId slot);
  void EnableResultCommands(bool on);
  void EnableSlotCommands(model::SlotId slot, bool on);
  void ShowRangeEditors(bool on);
  static void FillColumn(QTableWidget* grid, const std::vector<std::string>& texts);
  void OpenDistributionFile(model::SlotId slot);
  // Reads `path` into `slot` and shows it; a refused file leaves the slot as it was.
  void LoadDistributionFile(model::SlotId slot, const QString& path);
  void DrawSlot(model::SlotId slot);
  // Beep and error box; codes 49..55 also clear the result.
  void ReportError(const model::ModelError& error);
  // Beep and the error box of `text`.
  void ReportErrorText(const model::ErrorText& text);
  // A note in the status bar's hint panel, until the mouse shows another hint or
  // an answered question takes it away.
  void ShowStatusNote(const std::string& text);
  // An error with a code goes through ReportError; one without is only shown.
  void ShowModelError(const model::ModelError& error);

  // ---- the edit fields: main_window_fields.cpp ----
  void InstallFieldHandling();
  bool FieldEvent(QObject* watched, QEvent* event);
  bool ExponentKey(QKeyEvent* key);
  void QueueFieldExit(QLineEdit* field);
  void FlushFieldExits();
  void RunFieldExit(QLineEdit* field);
  void LeaveValueField();
  void LeaveProbabilityField();
  void LeaveMultipleField(model::SlotId slot);
  void LeaveRangeField(model::SlotId slot, engine::RangeEnd end);
  void LeaveResultRangeField(engine::RangeEnd end);
  void LeaveResultMultipleField();
  void ResetAnswers();

  // ---- the operation: main_window_operation.cpp ----
  workbench::RunRequest RunRequestFromControls();
  void RunClick();
  // Clears the result, runs the operation (rescaled by nAB when given) and shows
  // what came out.
  void RunAndShow(const std::optional<double>& resultMultiple);
  void ShowRun(const workbench::RunOutcome& run);
  void BuildResultListing();
  // The result's Pf, its bounds and beta under the queries; empty without a result.
  void ShowReliability();
  void PaintResultListing();

  // ---- the result chart: main_window_chart.cpp ----
  void DrawResult();
  void DrawValueQuery(int marked);
  void DrawQuantileQuery(int marked);
  void DrawResultPicture(const model::Histogram& h, const std::string& title, int marked, unsigned barColour,
                         unsigned frameColour);
  void RedrawResultAfterOption();
  void RepeatQueryOrRedraw();
  void SetLabelMode(bool indexLabels);
  void ChooseAxisLabels(int item);
  void ChooseListingHighlight(bool on);
  // Enlarges the result chart over the input panels, or restores it.
  void ToggleResultZoom();
  void UndoResultZoom();
  void ExportChartClick();
  void CopyWindowClick();

  // ---- other windows and the result commands: main_window_listings.cpp ----
  void CreateCompanionWindows();
  // The language of the listing windows and of the message boxes' buttons.
  void PassLanguageToCompanions();
  void ShowSplash();
  // Puts the splash over the middle of the window.
  void CentreSplash();
  void CloseSplash();
  void ConnectListingCommands();
  void CharacteristicsClick();
  void SaveResultClick();
  void SaveReportClick();
  void WordDocumentClick();
  void Describe(workbench::Listed listed);
  void ListInputFile(model::SlotId slot);
  void ShowReadTrace(const std::vector<model::ControlListingRow>& rows);

  // ---- the generator windows: main_window_generators.cpp ----
  void CreateGenerators();
  // The input-type selector of `slot` chose `item`: a generator window opens for it.
  void ChooseInputSource(model::SlotId slot, int item);
  void AcceptGeneratedHistogram(const model::HandOverBuffer& buffer, const QString& name);
  // An expression's result becomes the result, with its record.
  void AcceptExpressionResult(const engine::OperationResult& result, const QStringList& record);
  // The window for typing a histogram, filled from the slot.
  void OpenDescription(model::SlotId slot);
  void AcceptTypedHistogram(const model::HandOverBuffer& buffer, const QString& name, const QString& path,
                            qint64 frequencySum);
  // The summary or combination window (`item` of the selector) opens for `slot`.
  void OpenTableWindow(model::SlotId slot, int item);
  // A table window's result: taken like a generated histogram, then the multiple in
  // force becomes part of the slot's histogram.
  void AcceptTableHistogram(const model::HandOverBuffer& buffer, const QString& name);
  // The slot's new histogram on screen, the result emptied.
  void ShowAccepted(model::SlotId slot);
  void GeneratorClosed(model::SlotId slot);
  // While a generator window is open the main window takes no input.
  void EnableForGenerator(bool on);

  // ---- help and the programs outside: main_window_help.cpp ----
  void ConnectHelpCommands();
  void ShowHelp();
  // The two help formats exchange their check marks.
  void ExchangeHelpFormat();
  void ShowAbout();
  void ShowFolders();
  void OpenExamplesFolder();
  void StartViewer(const std::string& program);

  // ---- colours: main_window_colours.cpp ----
  void CreateColourWindow();
  // The user's colours on this window's controls, then on the other windows'.
  void ApplyColours();
  void PassColoursToCompanions();

  // ---- settings: main_window_settings.cpp ----
  void ReadSettings();
  void WriteSettings();
  void ChooseSeparators(int date, int time);
  // Says once what made the program fall back to default settings.
  void TellSettingsTroubles();
  // Writes the settings file; a failure is said once.
  void SaveSettingsFile();
  // The re-open grid over the panels for `slot`; nothing when the list is empty.
  void ShowReOpenList(model::SlotId slot);
  // Row `row` of the re-open grid was clicked: its file is read into the slot served.
  void ReOpenRowClick(int row);
  void DeleteReOpenEntry();
  void ClearReOpenListClick();
  void DefaultValuesClick();
  void SettingsListingClick();
  int ScreenWidth() const;

  // ---- the distribution function window: main_window_listings.cpp ----
  void LoadDurationClick();
  void LoadDurationClosed();
  // "Default values" for the other windows: placement, marks, Eps and intervals.
  void ResetCompanionPlacements(int screenWidth);

  // ---- texts: main_window_texts.cpp ----
  void SetWindowTexts();
  void RebuildSlotHints();

  // The main column: tool bar, input panels, result panel; and their stretch.
  static constexpr int kInputRow = 1;
  static constexpr int kInputStretch = 4;
  static constexpr int kResultStretch = 5;

  // ---- controls, by what they do; their objectName is the designed name ----
  // Menus and menu items.
  QMenu* fileMenu = nullptr;
  QMenu* openMenu = nullptr;
  QAction* wordDocumentItem = nullptr;
  QMenu* saveMenu = nullptr;
  QAction* saveResultItem = nullptr;
  QAction* saveReportItem = nullptr;
  QAction* exportChartItem = nullptr;
  QAction* copyWindowItem = nullptr;
  QAction* distributionFunctionItem = nullptr;
  QAction* characteristicsItem = nullptr;
  QAction* exitItem = nullptr;
  QMenu* descriptionMenu = nullptr;
  QAction* describeResultItem = nullptr;
  QMenu* setupMenu = nullptr;
  QAction* coloursItem = nullptr;
  QAction* defaultsItem = nullptr;
  QAction* clearReopenItem = nullptr;
  QAction* pictureViewerItem = nullptr;
  QAction* textViewerItem = nullptr;
  QAction* pdfViewerItem = nullptr;
  QMenu* languageMenu = nullptr;
  QAction* czechItem = nullptr;
  QAction* englishItem = nullptr;
  QMenu* helpFormatMenu = nullptr;
  QAction* htmlHelpItem = nullptr;
  QAction* winHelpItem = nullptr;
  QMenu* axisLabelsMenu = nullptr;
  QAction* indexLabelsItem = nullptr;
  QAction* valueLabelsItem = nullptr;
  QMenu* highlightMenu = nullptr;
  QAction* highlightOnItem = nullptr;
  QAction* highlightOffItem = nullptr;
  QAction* statusBarItem = nullptr;
  QAction* settingsListingItem = nullptr;
  QAction* chartToolBarItem = nullptr;
  QMenu* dateSeparatorMenu = nullptr;
  QAction* dateDotItem = nullptr;
  QAction* dateDashItem = nullptr;
  QAction* dateSlashItem = nullptr;
  QMenu* timeSeparatorMenu = nullptr;
  QAction* timeDotItem = nullptr;
  QAction* timeColonItem = nullptr;
  QMenu* helpMenu = nullptr;
  QAction* foldersItem = nullptr;
  QAction* versionItem = nullptr;
  QAction* helpItem = nullptr;
  QAction* verificationItem = nullptr;  // the engine against exact answers
  QAction* expressionItem = nullptr;    // a limit-state expression of several histograms
  // Pop-up menus of the report and chart-export buttons.
  QMenu* reportFormatMenu = nullptr;
  QAction* reportTextItem = nullptr;
  QAction* reportWordItem = nullptr;
  QMenu* exportTargetMenu = nullptr;
  QAction* clipboardTargetItem = nullptr;
  QAction* bitmapTargetItem = nullptr;
  QAction* metafileTargetItem = nullptr;
  QAction* jpegTargetItem = nullptr;
  QAction* pngTargetItem = nullptr;

  // Tool bar (the buttons of the input slots are in their InputControls).
  QWidget* toolBar = nullptr;
  QToolButton* saveResultButton = nullptr;
  QToolButton* saveReportButton = nullptr;
  QToolButton* wordDocumentButton = nullptr;
  QToolButton* exportChartButton = nullptr;
  QToolButton* copyWindowButton = nullptr;
  QToolButton* distributionFunctionButton = nullptr;
  QToolButton* characteristicsButton = nullptr;
  QToolButton* exitButton = nullptr;
  QToolButton* describeResultButton = nullptr;
  QToolButton* coloursButton = nullptr;
  QToolButton* defaultsButton = nullptr;
  QToolButton* clearReopenButton = nullptr;
  QToolButton* pictureViewerButton = nullptr;
  QToolButton* textViewerButton = nullptr;
  QToolButton* pdfViewerButton = nullptr;
  QToolButton* foldersButton = nullptr;
  QToolButton* versionButton = nullptr;
  QToolButton* helpButton = nullptr;

  // The input panels.
  InputControls inputA;
  InputControls inputB;

  // Result panel.
  QGroupBox* resultPanel = nullptr;
  QTableWidget* resultSummary = nullptr;
  QLabel* valueLabel = nullptr;
  QLineEdit* valueField = nullptr;
  QLabel* probabilityLabel = nullptr;
  QLineEdit* probabilityField = nullptr;
  QTableWidget* valueAnswerGrid = nullptr;
  QTableWidget* quantileGrid = nullptr;
  // Pf with its bounds and the reliability index, and any warning about them.
  QLabel* reliabilityLabel = nullptr;
  QLabel* targetIndexLabel = nullptr;
  QDoubleSpinBox* targetIndexBox = nullptr;  // the beta a result is compared with
  QCheckBox* dataLabelsBox = nullptr;
  QComboBox* axisLabelsSelector = nullptr;
  QComboBox* marksSelector = nullptr;
  QSpinBox* labelAngleBox = nullptr;
  QLabel* labelAngleLabel = nullptr;
  QChartView* resultChart = nullptr;
  ChartToolBar* chartToolBar = nullptr;
  ParametricWindow* parametricWindow = nullptr;
  DescriptionWindow* descriptionWindow = nullptr;
  ColourWindow* colourWindow = nullptr;
  VerificationWindow* verificationWindow = nullptr;
  ExpressionWindow* expressionWindow = nullptr;
  // The record of an expression's result (expression, inputs with digests, steps),
  // printed in its report; empty for any other result.
  std::vector<std::string> resultRecord_;
  HistogramTableWindow* summaryWindow = nullptr;
  HistogramTableWindow* combinationWindow = nullptr;
  TableGraphWindow* tableGraphWindow = nullptr;
  RawDataWindow* rawDataWindow = nullptr;
  // Operation panel.
  QWidget* operationPanel = nullptr;
  QLabel* exponentLabel = nullptr;
  QLineEdit* exponentField = nullptr;
  QLabel* resultMinLabel = nullptr;
  QLineEdit* resultMinField = nullptr;
  QLabel* resultMaxLabel = nullptr;
  QLineEdit* resultMaxField = nullptr;
  QLabel* resultMultipleLabel = nullptr;
  QLineEdit* resultMultipleField = nullptr;
  QLabel* operationLabel = nullptr;
  QComboBox* operationSelector = nullptr;
  QPushButton* runButton = nullptr;
  QProgressBar* progressBar = nullptr;
  // Floating grids.
  QTableWidget* resultListing = nullptr;
  QTableWidget* reopenGrid = nullptr;

  // Status bar: the clock, and the long part of the hint under the mouse.
  QStatusBar* statusLine = nullptr;
  QLabel* clockPanel = nullptr;
  QLabel* hintPanel = nullptr;
  QTimer* clockTimer = nullptr;

  // ---- state ----
  PlatformServices services_;
  // Every file dialog of the program goes through it (services_.files points here).
  std::unique_ptr<RememberingFileDialogs> fileDialogs_;
  AboutWindow* aboutWindow_ = nullptr;
  // The missing-help warning is shown once per language routine.
  bool helpAdviceDue_ = true;
  settings::SettingsFile* settings_;
  settings::DocumentFolders folders_;
  StartupOptions options_;
  std::unique_ptr<CompanionWindows, CompanionWindowsDeleter> companions_;
  texts::Language language_ = texts::Language::English;

  workbench::Workbench bench_;
  // The settings no control holds, kept to be written back.
  settings::MainWindowSettings stored_;
  workbench::DateTimeSeparators separators_;

  bool markerShown_ = false;
  bool resultZoomed_ = false;
  // The fields that take a number and answer when left.
  QList<QLineEdit*> numberFields_;
  // Fields whose leaving waits for the focus change to end.
  QList<QLineEdit*> pendingExits_;
  // Program colours of the charts (0x00BBGGRR).
  // The user's colours: of the controls, and of the bars and markers at their next draw.
  settings::ColourScheme colours_ = settings::DesignColours();

  bool endedAtStart_ = false;
  bool settingsWritten_ = false;
  bool settingsTroublesTold_ = false;
  // The slot the re-open grid serves.
  model::SlotId reopenSlot_ = model::SlotId::A;
};

}  // namespace dorvex::gui

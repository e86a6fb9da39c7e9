#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <cstdio>

#include "app/clock.h"
#include "app/about_window.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "app/remembering_file_dialogs.h"
#include "charts/chart_tool_bar.h"
#include "charts/draw_histogram.h"
#include "statvex/number_text.h"
#include "texts/main_window_texts.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

using model::SlotId;

// Program colours at start (0x00BBGGRR).
constexpr unsigned kFrameFileLoaded = 0x00B9B9;
constexpr unsigned kHintColour = 0xFFFF80;

constexpr double kDesignPointSize = 8.0;

// Smallest main window.
constexpr int kMinimumWidth = 713;
constexpr int kMinimumHeight = 575;
// The narrowest screen the program runs on.
constexpr int kMinimumScreenWidth = 1024;

constexpr int kExitQuestionMessage = 33;
constexpr int kProbabilityAxisMessage = 207;

QStringList ToQt(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << gui::ToQt(text);
  return list;
}

}  // namespace

MainWindow::MainWindow(const PlatformServices& services, settings::SettingsFile* settings,
                       settings::DocumentFolders folders, StartupOptions options, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      settings_(settings),
      folders_(std::move(folders)),
      options_(std::move(options)) {
  fileDialogs_ = std::make_unique<RememberingFileDialogs>(services_.files, gui::ToQt(folders_.startFolder));
  services_.files = fileDialogs_.get();
  setObjectName(QStringLiteral("Form1"));
  // Designed for small 8-point texts; a desktop with larger ones would clip them.
  QFont designFont = font();
  if (designFont.pointSizeF() > kDesignPointSize) designFont.setPointSizeF(kDesignPointSize);
  setFont(designFont);
  setCentralWidget(new QWidget(this));
  centralWidget()->setObjectName(QStringLiteral("Form1Client"));
  CreateMenu();
  CreateToolBar();
  QGroupBox* panelA = CreateInputPanel(SlotId::A);
  QGroupBox* panelB = CreateInputPanel(SlotId::B);
  CreateResultPanel();
  CreateStatusBar();
  CreatePopupMenus();
  ArrangeColumn(panelA, panelB);
  CreateCompanionWindows();
  CreateGenerators();
  chartToolBar = new ChartToolBar("Panel3", resultChart);
  resultChart->installEventFilter(this);
  ConnectCommands();
  InstallFieldHandling();

  // Start-up, in the designed order.
  if (options_.showSplash) ShowSplash();
  inputA.traceReadItem->setChecked(false);
  inputB.traceReadItem->setChecked(false);
  move(0, 0);
  ReadSettings();
  CentreSplash();
  ApplyLanguage();
  if (endedAtStart_) return;
  // Every start begins with the first operation, whatever was stored.
  operationSelector->setCurrentIndex(0);
  ClearSlot(SlotId::B);
  ClearSlot(SlotId::A);
  statusLine->setVisible(statusBarItem->isChecked());
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, FromColorRef(kHintColour));
  QToolTip::setPalette(tips);
  UpdateClock();
  clockTimer->start();
  if (!options_.fileForA.isEmpty()) LoadDistributionFile(SlotId::A, options_.fileForA);
  // Said over the window once it shows.
  QMetaObject::invokeMethod(this, &MainWindow::CreateDataFolders, Qt::QueuedConnection);
  QMetaObject::invokeMethod(this, &MainWindow::TellSettingsTroubles, Qt::QueuedConnection);
}

MainWindow::~MainWindow() = default;

MainWindow::InputControls& MainWindow::Input(SlotId slot) { return slot == SlotId::A ? inputA : inputB; }

void MainWindow::FillColumn(QTableWidget* grid, const std::vector<std::string>& texts) {
  for (int row = 0; row < static_cast<int>(texts.size()); ++row) {
    SetCell(grid, row, 1, gui::ToQt(texts[static_cast<std::size_t>(row)]));
  }
}

// ---- start and end ----

void MainWindow::ApplyLanguage() {
  language_ = czechItem->isChecked() ? texts::Language::Czech : texts::Language::English;
  helpAdviceDue_ = true;
  PassLanguageToCompanions();
  ShowReliability();
  UndoResultZoom();
  SetWindowTexts();
  BuildResultListing();
  // The axes of a drawn result are titled in the new language.
  RepeatQueryOrRedraw();
  FitMinimumSize();
  ScreenCheck();
}

void MainWindow::FitMinimumSize() {
  // Controls whose texts must never be cut keep at least their natural width.
  for (QWidget* control : std::initializer_list<QWidget*>{dataLabelsBox, axisLabelsSelector, marksSelector,
                                                          labelAngleLabel, operationLabel}) {
    control->setMinimumWidth(control->sizeHint().width());
  }
  // The result chart is high enough for its value axis' title in this language.
  resultChart->setMinimumHeight(HeightForValueAxisTitle(resultChart, Message(kProbabilityAxisMessage, language_)));
  // The designed minimum, or more when this desktop's font needs it.
  setMinimumSize(0, 0);
  const QSize needed = minimumSizeHint();
  setMinimumSize(std::max(kMinimumWidth, needed.width()), std::max(kMinimumHeight, needed.height()));
}

void MainWindow::SwitchLanguage(texts::Language language) {
  const bool czech = language == texts::Language::Czech;
  const bool unchanged = language_ == language;
  czechItem->setChecked(czech);
  englishItem->setChecked(!czech);
  if (unchanged) return;
  ApplyLanguage();
}

bool MainWindow::ScreenCheck() {
  // The offscreen platform's screen is a fixed 800 x 600 that no user sees.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return true;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return true;
  // Device-independent pixels: a scaled HiDPI desktop passes like any other.
  const int width = screen->geometry().width();
  if (width >= kMinimumScreenWidth) return true;
  services_.messages->DefMessageDlg(Message(texts::kTitleWarning, language_),
                                    gui::ToQt(texts::ScreenWidthWarning(width, language_)), MessageKind::Warning,
                                    MessageButtons::Ok, kResultOk);
  EndProgram();
  return false;
}

void MainWindow::EndProgram() {
  endedAtStart_ = !isVisible();
  close();
}

void MainWindow::CreateDataFolders() {
  const std::vector<std::string> failed = settings::CreateMissingDocumentFolders(folders_);
  if (failed.empty()) return;
  services_.messages->DefMessageDlg(Message(texts::kTitleWarning, language_),
                                    gui::ToQt(texts::FoldersNotMadeText(failed, language_)), MessageKind::Warning,
                                    MessageButtons::Ok, kResultOk);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The title bar's close asks as Exit does; the program's own closing has asked already.
  if (event->spontaneous() && !settingsWritten_ && !ConfirmExit()) {
    event->ignore();
    return;
  }
  if (!settingsWritten_) {
    settingsWritten_ = true;
    WriteSettings();
    SaveSettingsFile();
  }
  CloseSplash();
  event->accept();
  // Other windows may still be open; closing the main window ends the program.
  QCoreApplication::quit();
}

void MainWindow::ExitClick() {
  reopenGrid->hide();
  if (ConfirmExit()) close();
}

bool MainWindow::ConfirmExit() {
  return services_.messages->DefMessageDlg(Message(texts::kTitleConfirmation, language_),
                                           Message(kExitQuestionMessage, language_), MessageKind::Confirmation,
                                           MessageButtons::YesNo, kResultYes) == kResultYes;
}

bool MainWindow::event(QEvent* event) {
  // The status bar shows the long part of the hint under the mouse.
  if (event->type() == QEvent::StatusTip) {
    hintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowStateChange) UpdateChartToolBar();
  return handled;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // A click on the empty tool bar hides the re-open grid.
  if (watched == toolBar && event->type() == QEvent::MouseButtonPress) reopenGrid->hide();
  // Leaving the re-open grid only hides it: the slot it serves keeps what it holds.
  if (watched == reopenGrid && event->type() == QEvent::FocusOut) reopenGrid->hide();
  if (watched == resultChart && event->type() == QEvent::Resize) UpdateChartToolBar();
  if (FieldEvent(watched, event)) return true;
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::UpdateChartToolBar() {
  if (chartToolBar == nullptr) return;
  // Only a window as wide as the screen has room for it beside the chart's title.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const bool wide = isMaximized() || (screen != nullptr && width() >= screen->availableGeometry().width());
  chartToolBar->Place(chartToolBarItem->isChecked() && wide);
}

void MainWindow::UpdateClock() {
  if (clockPanel != nullptr) clockPanel->setText(gui::ToQt(workbench::LongTimeText(ClockNow(), separators_)));
}

// ---- the slots and the result on screen ----

void MainWindow::ClearSlot(SlotId slot) {
  bench_.ClearSlot(slot);
  ShowEmptySlot(slot);
  ShowEmptyResult();
  RebuildSlotHints();
  update();
}

void MainWindow::ShowEmptySlot(SlotId slot) {
  InputControls& c = Input(slot);
  ClearHistogramChart(c.chart, {gui::ToQt(workbench::EmptySlotChartTitle(slot))});
  FillColumn(c.summaryGrid, workbench::EmptySlotSummaryTexts(slot));
  c.multipleField->setText(gui::ToQt(bench_.MultipleText(slot)));
  c.nameField->clear();
  c.minField->clear();
  c.maxField->clear();
  EnableSlotCommands(slot, false);
  ShowRangeEditors(false);
}

void MainWindow::ClearResult() {
  bench_.ClearResult();
  ShowEmptyResult();
}

void MainWindow::ShowEmptyResult() {
  ClearHistogramChart(resultChart, ToQt(workbench::EmptyResultChartTitle(language_)));
  FillColumn(resultSummary, workbench::EmptyResultSummaryTexts());
  ResetAnswers();
  valueField->clear();
  probabilityField->clear();
  resultMinField->clear();
  resultMaxField->clear();
  resultMultipleField->setText(gui::ToQt(bench_.ResultMultipleText()));
  EnableResultCommands(false);
  dataLabelsBox->setChecked(false);
  // The range editors belong to a result and go with it.
  ShowRangeEditors(false);
  markerShown_ = false;
  resultRecord_.clear();
  BuildResultListing();
  ShowReliability();
}

void MainWindow::ShowSlotSummary(SlotId slot) {
  InputControls& c = Input(slot);
  c.nameField->setText(gui::ToQt(bench_.Slot(slot).name));
  FillColumn(c.summaryGrid, workbench::SlotSummaryTexts(slot, bench_.Slot(slot).base));
  ShowSlotRange(slot);
}

void MainWindow::ShowSlotRange(SlotId slot) {
  InputControls& c = Input(slot);
  const model::Histogram& scaled = bench_.Slot(slot).scaled;
  c.minField->setText(gui::ToQt(statvex::DisplayNumber(scaled.Min)));
  c.maxField->setText(gui::ToQt(statvex::DisplayNumber(scaled.Max)));
}

void MainWindow::EnableResultCommands(bool on) {
  for (QWidget* widget :
       std::initializer_list<QWidget*>{copyWindowButton, exportChartButton, distributionFunctionButton,
                                       characteristicsButton, valueField, probabilityField, saveReportButton,
                                       saveResultButton, describeResultButton}) {
    widget->setEnabled(on);
  }
  for (QAction* action :
       std::initializer_list<QAction*>{copyWindowItem, exportChartItem, distributionFunctionItem, characteristicsItem,
                                       saveResultItem, saveReportItem, describeResultItem}) {
    action->setEnabled(on);
  }
  saveMenu->setEnabled(on);
  saveMenu->menuAction()->setEnabled(on);
}

void MainWindow::EnableSlotCommands(SlotId slot, bool on) {
  InputControls& c = Input(slot);
  c.describeButton->setEnabled(on);
  c.listFileButton->setEnabled(on);
  c.listFileItem->setEnabled(on);
  c.describeItem->setEnabled(on);
}

void MainWindow::ShowRangeEditors(bool on) {
  for (QWidget* editor : std::initializer_list<QWidget*>{resultMinField, resultMaxField, resultMultipleField,
                                                         resultMinLabel, resultMaxLabel, resultMultipleLabel}) {
    editor->setVisible(on);
  }
}

void MainWindow::ReportError(const model::ModelError& error) {
  ReportErrorText(model::ComposeReportError(error, language_));
  if (model::ClearsResult(error.code)) ClearResult();
}

void MainWindow::ReportErrorText(const model::ErrorText& text) {
  services_.sound->Beep();
  services_.messages->DefMessageDlg(gui::ToQt(text.title), gui::ToQt(text.text), MessageKind::Error,
                                    MessageButtons::Ok, kResultOk);
}

void MainWindow::ShowStatusNote(const std::string& text) { hintPanel->setText(gui::ToQt(text)); }

void MainWindow::ShowModelError(const model::ModelError& error) {
  if (error.code != 0) {
    ReportError(error);
    return;
  }
  const model::ErrorText text = model::ComposeReportError(error, language_);
  services_.messages->DefMessageDlg(gui::ToQt(text.title), gui::ToQt(text.text), MessageKind::Error,
                                    MessageButtons::Ok, kResultOk);
}

// ---- opening a file ----

void MainWindow::OpenDistributionFile(SlotId slot) {
  const bool a = slot == SlotId::A;
  InputControls& c = Input(slot);
  c.multipleField->setEnabled(true);
  reopenGrid->hide();
  UndoResultZoom();

  const texts::FileDialogTexts dialog = texts::DistributionOpenDialog(a ? 'A' : 'B');
  FileDialogRequest request;
  request.title = gui::ToQt(dialog.title);
  request.initialFolder = gui::ToQt(settings::OpenDialogFolder(folders_, ToStd(options_.examplesFolder)));
  request.defaultSuffix = gui::ToQt(dialog.defaultSuffix);
  request.filters = ToQt(dialog.filters);
  request.filterIndex = 0;
  const QString path = services_.files->GetOpenFileName(request);
  if (path.isEmpty()) return;
  LoadDistributionFile(slot, path);
}

void MainWindow::LoadDistributionFile(SlotId slot, const QString& path) {
  const bool a = slot == SlotId::A;
  InputControls& c = Input(slot);
  c.multipleField->setEnabled(true);
  const bool traceRead = c.traceReadItem->isChecked();
  const workbench::OpenOutcome opened = bench_.Open(slot, ToStd(path), traceRead, language_);
  // The trace shows what was read, also when the file is refused.
  if (traceRead) ShowReadTrace(opened.listing);
  // A refused file leaves what the user had.
  if (opened.error) return ReportErrorText(opened.refusal);
  settings::WriteLastFile(*settings_, a ? settings::LastFile::InputA : settings::LastFile::InputB, ToStd(path));
  ShowEmptySlot(slot);
  ShowEmptyResult();
  ShowSlotSummary(slot);
  DrawSlot(slot);
  EnableSlotCommands(slot, true);
}

void MainWindow::DrawSlot(SlotId slot) {
  const model::HistogramSlot& s = bench_.Slot(slot);
  HistogramPicture picture;
  picture.mode = ChartMode::Input;
  picture.probabilities = s.scaled.P.data() + 1;
  picture.count = s.scaled.N;
  picture.frame = FromColorRef(kFrameFileLoaded);
  picture.bar = FromColorRef(colours_.item[settings::kInputBars]);
  picture.title = gui::ToQt(bench_.SlotChartTitle(slot));
  picture.d = s.scaled.d;
  picture.min = s.scaled.Min;
  picture.labels = indexLabelsItem->isChecked() ? AxisLabelMode::Index : AxisLabelMode::Value;
  picture.language = language_;
  DrawHistogram(Input(slot).chart, picture);
  RebuildSlotHints();
}

}  // namespace dorvex::gui

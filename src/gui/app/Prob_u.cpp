#include "app/Prob_u.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <cstdio>

#include "app/splash_window.h"
#include "analysis/file_listing_window.h"
#include "analysis/listing_window.h"
#include "charts/chart_tool_bar.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/hints.h"
#include "charts/draw_histogram.h"
#include "model/distribution_file_reader.h"
#include "model/slot_texts.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

using model::SlotId;

// Program colours at start (0x00BBGGRR).
constexpr unsigned kSeriesColourAB = 0x00FFFF;  // bars of A and B
constexpr unsigned kFrameFileLoaded = 0x00B9B9;
constexpr unsigned kHintColour = 0xFFFF80;

constexpr double kDesignPointSize = 8.0;

// Smallest main window.
constexpr int kMinimumWidth = 713;
constexpr int kMinimumHeight = 575;

QString Message(int n) { return QString::fromStdString(texts::MessageText(n, texts::CurrentLanguage())); }
QString FromStd(const std::string& text) { return QString::fromStdString(text); }
QString NumberText(double x) { return FromStd(statvex::DisplayNumber(x)); }

}  // namespace

TForm1::TForm1(const PlatformServices& services, settings::SettingsFile* settings,
               settings::DocumentFolders folders, StartupOptions options, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      settings_(settings),
      folders_(std::move(folders)),
      options_(std::move(options)) {
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

  auto* inputs = new QHBoxLayout();
  inputs->setContentsMargins(4, 0, 4, 0);
  inputs->setSpacing(6);
  inputs->addWidget(panelA, 1);
  inputs->addWidget(panelB, 1);
  auto* column = new QVBoxLayout(centralWidget());
  column->setContentsMargins(0, 0, 0, 2);
  column->setSpacing(2);
  column->addWidget(Panel2);
  // The input charts and the result chart share the height.
  column->addLayout(inputs, kInputStretch);
  auto* result = new QHBoxLayout();
  result->setContentsMargins(4, 0, 4, 0);
  result->addWidget(GroupBox3);
  column->addLayout(result, kResultStretch);
  CreateListingWindows();
  Panel3 = new ChartToolBar("Panel3", Chart_AB);
  Chart_AB->installEventFilter(this);
  ConnectCommands();
  InstallFieldHandling();

  // Start-up, in the designed order.
  if (options_.showSplash) {
    splash_ = new SplashWindow(this);
    splash_->show();
  }
  slotA_.multiple = 1.0;
  slotB_.multiple = 1.0;
  KontVypA->setChecked(false);
  KontVypB->setChecked(false);
  move(0, 0);
  ReadSettings();
  // The splash stands over the middle of the main window.
  if (splash_ != nullptr) splash_->move(geometry().center() - splash_->rect().center());
  ApplyLanguage();
  if (endedAtStart_) return;
  // Every start begins with the first operation, whatever was stored.
  ComboBox_Operace->setCurrentIndex(0);
  ClearSlot(SlotId::B);
  ClearSlot(SlotId::A);
  DisableLaterCommands();
  StatusBar1->setVisible(PrikazRadka1->isChecked());
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, FromColorRef(kHintColour));
  QToolTip::setPalette(tips);
  UpdateClock();
  Timer1->start();
}

TForm1::~TForm1() = default;

TForm1::SlotControls TForm1::Controls(SlotId slot) {
  if (slot == SlotId::A) {
    return {GroupBox1, Edit_NameA, CBTypHistA, StringGrid3, Edit_MinA, Edit_MaxA, Edit_NasA, Chart_A,
            PopisA,    VypisHistA, histogramuA1, VypisVstHistA, KontVypA, " "};
  }
  return {GroupBox2, Edit_NameB, CBTypHistB, StringGrid4, Edit_MinB, Edit_MaxB, Edit_NasB, Chart_B,
          PopisB,    VypisHistB, histogramuB1, VypisVstHistB, KontVypB, ""};
}

model::HistogramSlot& TForm1::MutableSlot(SlotId slot) { return slot == SlotId::A ? slotA_ : slotB_; }

const model::HistogramSlot& TForm1::Slot(SlotId slot) const { return slot == SlotId::A ? slotA_ : slotB_; }

// ---- start and end ----

void TForm1::ApplyLanguage() {
  const texts::Language language = Cestina->isChecked() ? texts::Language::Czech : texts::Language::English;
  texts::SetLanguage(language);
  UndoResultZoom();
  SetWindowTexts(language);
  Form3_->SetLanguage(language);
  Form7_->SetLanguage(language);
  Form15_->SetLanguage(language);
  BuildResultListing();
  FitMinimumSize();
  ScreenCheck();
}

void TForm1::FitMinimumSize() {
  // Controls whose texts must never be cut keep at least their natural width.
  for (QWidget* control : std::initializer_list<QWidget*>{CheckBox1, CBValInd, CBMarks, Label_Angle, Label7}) {
    control->setMinimumWidth(control->sizeHint().width());
  }
  // The designed minimum, or more when this desktop's font needs it.
  setMinimumSize(0, 0);
  const QSize needed = minimumSizeHint();
  setMinimumSize(std::max(kMinimumWidth, needed.width()), std::max(kMinimumHeight, needed.height()));
}

void TForm1::SwitchLanguage(texts::Language language) {
  const bool czech = language == texts::Language::Czech;
  const bool unchanged = texts::CurrentLanguage() == language;
  Cestina->setChecked(czech);
  Anglictina->setChecked(!czech);
  if (unchanged) return;
  ApplyLanguage();
}

bool TForm1::ScreenCheck() {
  // The offscreen platform's screen is a fixed 800 x 600 that no user sees.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return true;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return true;
  // Device-independent pixels: a scaled HiDPI desktop passes like any other.
  const int width = screen->geometry().width();
  if (width >= 1024) return true;
  services_.messages->DefMessageDlg(
      Message(texts::kTitleWarning),
      QStringLiteral("\t") + FromStd(texts::InsertText(texts::MessageText(7, texts::CurrentLanguage()), std::to_string(width))),
      MessageKind::Warning, MessageButtons::Ok, kResultOk);
  EndProgram();
  return false;
}

void TForm1::EndProgram() {
  endedAtStart_ = !isVisible();
  close();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!settingsWritten_) {
    settingsWritten_ = true;
    WriteSettings();
    if (const std::error_code error = settings_->Save()) {
      std::fprintf(stderr, "Dorvex: the settings file %s was not written: %s\n", settings_->Path().c_str(),
                   error.message().c_str());
    }
  }
  if (splash_ != nullptr) splash_->close();
  event->accept();
  // Other windows may still be open; closing the main window ends the program.
  QCoreApplication::quit();
}

void TForm1::BitBtn13Click() {
  StringGrid1->hide();
  const int answer = services_.messages->DefMessageDlg(Message(texts::kTitleConfirmation), Message(33),
                                                       MessageKind::Confirmation, MessageButtons::YesNo, kResultYes);
  if (answer == kResultYes) close();
}

bool TForm1::event(QEvent* event) {
  // Panel 1 of the status bar shows the long part of the hint under the mouse.
  if (event->type() == QEvent::StatusTip) {
    StatusPanel1->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowStateChange) UpdateChartToolBar();
  return handled;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // A click on the empty tool bar hides the re-open grid.
  if (watched == Panel2 && event->type() == QEvent::MouseButtonPress) StringGrid1->hide();
  if (watched == Chart_AB && event->type() == QEvent::Resize) UpdateChartToolBar();
  if (FieldEvent(watched, event)) return true;
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::UpdateChartToolBar() {
  if (Panel3 == nullptr) return;
  // Only a window as wide as the screen has room for it beside the chart's title.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const bool wide = isMaximized() || (screen != nullptr && width() >= screen->availableGeometry().width());
  Panel3->Place(TCharCom->isChecked() && wide);
}

void TForm1::UpdateClock() {
  if (StatusPanel0 != nullptr) StatusPanel0->setText(QTime::currentTime().toString(longTimeFormat_));
}

// ---- the histogram model on this window ----

void TForm1::ClearSlot(SlotId slot) {
  const SlotControls c = Controls(slot);
  model::HistogramSlot& s = MutableSlot(slot);
  handOverTarget_ = slot;
  ClearHistogramChart(c.chart, {slot == SlotId::A ? QStringLiteral("Histogram :  (A * nA)")
                                                  : QStringLiteral("Histogram :  ( B * nB)")});
  ClearResult();
  SetCell(c.summary, 0, 1, QString());
  SetCell(c.summary, 1, 1, QString::fromLatin1(c.countPrefix) + QLatin1Char('0'));
  SetCell(c.summary, 2, 1, QString::fromLatin1(c.countPrefix) + QLatin1Char('0'));
  c.multiple->setText(QStringLiteral("1.00"));
  c.name->clear();
  c.min->clear();
  c.max->clear();
  EnableSlotCommands(slot, false);
  for (QWidget* rangeEditor : std::initializer_list<QWidget*>{EdXMin, EdXMax, EdNasob, Label19, Label23, Label13}) {
    rangeEditor->hide();
  }
  // The record goes too; only its type stays, for a next file without a Type line.
  const model::HistogramType type = s.base.Type;
  s = model::HistogramSlot{};
  s.base.Type = type;
  RebuildSlotHints();
  update();
}

void TForm1::ClearResult() {
  ClearHistogramChart(Chart_AB, {QStringLiteral(" "), Message(153)});
  const QString zero = NumberText(0.0);
  SetCell(StringGrid5, 0, 1, QString());
  SetCell(StringGrid5, 1, 1, zero);
  SetCell(StringGrid5, 2, 1, zero);
  SetCell(StringGrid5, 3, 1, QStringLiteral(" 0"));
  SetCell(StringGrid5, 4, 1, zero);
  SetCell(StringGrid5, 5, 1, QStringLiteral(" 0"));
  SetCell(StringGrid7, 0, 1, zero);
  SetCell(StringGrid7, 1, 1, zero);
  SetCell(StringGrid6, 0, 1, zero);
  Edit_P->clear();
  Edit_AB->clear();
  EdXMin->clear();
  EdXMax->clear();
  EdNasob->setText(QStringLiteral("1.00"));
  EnableResultCommands(false);
  CheckBox1->setChecked(false);
  failureProbability_ = 0.0;
  // The range editors belong to a result and go with it.
  for (QWidget* rangeEditor : std::initializer_list<QWidget*>{EdXMin, EdXMax, EdNasob, Label19, Label23, Label13}) {
    rangeEditor->hide();
  }
  result_.reset();
  lastQuery_ = Query::None;
  markerShown_ = false;
  BuildResultListing();
}

void TForm1::ShowSlotSummary(SlotId slot) {
  const SlotControls c = Controls(slot);
  model::HistogramSlot& s = MutableSlot(slot);
  const QString prefix = QString::fromLatin1(c.countPrefix);
  c.name->setText(FromStd(s.name));
  SetCell(c.summary, 1, 1, prefix + QString::number(s.base.N));
  SetCell(c.summary, 2, 1, FromStd(model::FrequencySumText(s.base.Total, c.countPrefix)));
  s.scaled = model::ApplyMultiple(s.base, s.multiple);
  c.min->setText(NumberText(s.scaled.Min));
  c.max->setText(NumberText(s.scaled.Max));
  const QString type = QString::fromLatin1(model::TypeText(s.base.Type));
  SetCell(c.summary, 0, 1, slot == SlotId::A ? type : type.trimmed());
}

void TForm1::EnableResultCommands(bool on) {
  for (QWidget* widget : std::initializer_list<QWidget*>{UlozOkno, UlozGraf, KrivkaTrvani, BChar, Edit_P, Edit_AB,
                                                         Vysledky, HistVysl, PopisAB}) {
    widget->setEnabled(on);
  }
  for (QAction* action : std::initializer_list<QAction*>{UlozOkno1, UlozGraf1, Kivkatrvnzaten1, BChar1, Histogram1,
                                                         Vysledky1, Vslhistogramu1}) {
    action->setEnabled(on);
  }
  Uloit1->setEnabled(on);
  Uloit1->menuAction()->setEnabled(on);
}

void TForm1::EnableSlotCommands(SlotId slot, bool on) {
  const SlotControls c = Controls(slot);
  c.describe->setEnabled(on);
  c.listFile->setEnabled(on);
  c.listFileItem->setEnabled(on);
  c.describeItem->setEnabled(on);
}

void TForm1::ReportError(const model::ModelError& error, int cleanup) {
  const model::ErrorText text = model::ComposeReportError(error, texts::CurrentLanguage());
  services_.sound->Beep();
  services_.messages->DefMessageDlg(FromStd(text.title), FromStd(text.text), MessageKind::Error, MessageButtons::Ok,
                                    kResultOk);
  // A failed load leaves its slot cleared, never half filled.
  if (cleanup == 1) ClearSlot(SlotId::A);
  if (cleanup == 2) {
    ClearSlot(SlotId::B);
    Chart_B->update();
  }
  if (model::ClearsResult(error.code)) ClearResult();
}

void TForm1::AddToReOpenList(const QString& path, const QString& multiple, const QString& intervals) {
  reOpenList_.Add(path.toStdString(), multiple.toStdString(), intervals.toStdString());
}

// ---- commands ----

void TForm1::VstupAClick() { OpenDistributionFile(SlotId::A); }

void TForm1::VstupBClick() { OpenDistributionFile(SlotId::B); }

void TForm1::OpenDistributionFile(SlotId slot) {
  const bool a = slot == SlotId::A;
  const SlotControls c = Controls(slot);
  c.multiple->setEnabled(true);
  StringGrid1->hide();
  UndoResultZoom();

  FileDialogRequest request;
  request.title = a ? QStringLiteral("Histogram A") : QStringLiteral("Histogram B");
  request.initialFolder = FromStd(folders_.histograms);
  if (!QDir(request.initialFolder).exists() && !options_.examplesFolder.isEmpty()) {
    request.initialFolder = options_.examplesFolder;
  }
  request.defaultSuffix = QStringLiteral("dis");
  request.filters = {QStringLiteral("Distributions Files (*.dis)"), QStringLiteral("All files (*)")};
  request.filterIndex = 0;
  const QString path = services_.files->GetOpenFileName(request);
  if (path.isEmpty()) return;
  lastDirectory_ = QFileInfo(path).absolutePath();

  model::DistributionReadOptions readOptions;
  readOptions.typeWhenMissing = MutableSlot(slot).base.Type;
  readOptions.controlListing = c.controlListing->isChecked();
  const model::DistributionReadResult read =
      model::ReadDistributionFile(QFile::encodeName(path).toStdString(), readOptions);
  // The control listing shows what was read, also when the file is refused.
  if (readOptions.controlListing) ShowControlListing(read.listing);
  if (!read.ok()) {
    // A file that could not be opened changed nothing, so there is nothing to clean.
    ReportError(*read.error, read.error->code == 1 ? 0 : (a ? 1 : 2));
    return;
  }

  settings_->WriteString(settings::kSectionInputFile, a ? "Histogram A" : "Histogram B", path.toStdString());
  AddToReOpenList(path, QStringLiteral("1.00"), QString::number(read.record.histogram.N));
  ClearSlot(slot);
  model::HistogramSlot& s = MutableSlot(slot);
  s.base = read.record.histogram;
  s.roundedFrequencySum = read.record.roundedFrequencySum;
  s.sourcePath = path.toStdString();
  s.name = model::SlotNameFromPath(path.toStdString());
  s.chartLabel = model::SlotChartLabel(slot, s.name);
  s.loaded = true;
  ShowSlotSummary(slot);
  DrawSlot(slot);
  EnableSlotCommands(slot, true);
}

void TForm1::DrawSlot(SlotId slot) {
  const SlotControls c = Controls(slot);
  const model::HistogramSlot& s = Slot(slot);
  HistogramPicture picture;
  picture.kind = ChartKind::Input;
  picture.probabilities = s.scaled.P.data() + 1;
  picture.count = s.scaled.N;
  picture.frame = FromColorRef(kFrameFileLoaded);
  picture.bar = FromColorRef(kSeriesColourAB);
  picture.title = FromStd(s.chartLabel) + c.multiple->text() + QLatin1Char(')');
  picture.d = s.scaled.d;
  picture.min = s.scaled.Min;
  picture.labels = index1->isChecked() ? AxisLabelMode::Index : AxisLabelMode::Value;
  DrawHistogram(c.chart, picture, texts::CurrentLanguage());
  RebuildSlotHints();
}

}  // namespace dorvex::gui

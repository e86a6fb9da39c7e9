// The main window's settings: what the settings file holds, put on the controls at
// start and taken from them at the end; the date and time separators; the re-open
// grid, "Default values" and the listing of the settings file.
#include <QAction>
#include <QDoubleSpinBox>
#include <QSignalBlocker>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>

#include "app/grid_cells.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "settings/reopen_list.h"
#include "settings/settings_listing.h"
#include "settings/window_placement.h"
#include "sources/parametric_window.h"
#include "texts/messages.h"
#include "texts/settings_texts.h"

namespace dorvex::gui {

namespace {

constexpr int kFileMissingMessage = 10;
constexpr int kDefaultValuesMessage = 26;
constexpr int kNotReadableMessage = 28;
constexpr int kClearListMessage = 131;
// The re-open grid: where it floats for A and B, and its row height.
constexpr int kReOpenLeftA = 29;
constexpr int kReOpenLeftB = 68;
constexpr int kReOpenTop = 32;
constexpr int kReOpenRowHeight = 15;
constexpr int kReOpenExtraHeight = 20;

// A first start opens large enough for readable charts, within the screen.
constexpr int kDefaultWidth = 1100;
constexpr int kDefaultHeight = 760;

QSize DefaultSize() {
  QSize size(kDefaultWidth, kDefaultHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size() * 0.95);
  }
  return size;
}

}  // namespace

void MainWindow::ReadSettings() {
  // A new file opens with the placements, whatever is written first during the run.
  settings_->AddSection(settings::kSectionPosition);
  const QSize defaultSize = DefaultSize();
  stored_ = settings::ReadMainWindowSettings(*settings_, defaultSize.width(), defaultSize.height());
  colours_ = settings::ReadColourScheme(*settings_);
  ApplyColours();
  move(stored_.left, stored_.top);
  resize(stored_.width, stored_.height);
  chartToolBarItem->setChecked(stored_.chartToolBar);
  inputA.traceReadItem->setChecked(stored_.traceReadA);
  inputB.traceReadItem->setChecked(stored_.traceReadB);
  statusBarItem->setChecked(stored_.statusBar);
  indexLabelsItem->setChecked(stored_.indexLabels);
  valueLabelsItem->setChecked(stored_.valueLabels);
  marksSelector->setCurrentIndex(stored_.marksItem);
  labelAngleBox->setValue(stored_.labelAngle);
  {
    const QSignalBlocker block(targetIndexBox);
    targetIndexBox->setValue(stored_.targetIndex);
  }
  czechItem->setChecked(stored_.czech);
  englishItem->setChecked(stored_.english);
  highlightOnItem->setChecked(stored_.highlightOn);
  highlightOffItem->setChecked(stored_.highlightOff);
  htmlHelpItem->setChecked(stored_.htmlHelp);
  winHelpItem->setChecked(stored_.winHelp);
  operationSelector->setCurrentIndex(stored_.operationItem);
  bench_.SetReOpenList(settings::ReadReOpenList(*settings_));
  ChooseSeparators(stored_.dateSeparator, stored_.timeSeparator);
}

void MainWindow::WriteSettings() {
  const QRect placement = normalGeometry().isValid() ? normalGeometry() : geometry();
  settings::MainWindowSettings values = stored_;
  values.targetIndex = targetIndexBox->value();
  settings::WriteColourScheme(*settings_, colours_);
  values.left = pos().x();
  values.top = pos().y();
  values.width = placement.width();
  values.height = placement.height();
  values.chartToolBar = chartToolBarItem->isChecked();
  values.traceReadA = inputA.traceReadItem->isChecked();
  values.traceReadB = inputB.traceReadItem->isChecked();
  values.statusBar = statusBarItem->isChecked();
  values.indexLabels = indexLabelsItem->isChecked();
  values.valueLabels = valueLabelsItem->isChecked();
  values.marksItem = marksSelector->currentIndex();
  values.labelAngle = labelAngleBox->value();
  values.czech = czechItem->isChecked();
  values.english = englishItem->isChecked();
  values.highlightOn = highlightOnItem->isChecked();
  values.highlightOff = highlightOffItem->isChecked();
  values.htmlHelp = htmlHelpItem->isChecked();
  values.winHelp = winHelpItem->isChecked();
  values.operationItem = operationSelector->currentIndex();
  settings::WriteMainWindowSettings(values, *settings_);
  settings::WriteReOpenList(bench_.ReOpenList(), *settings_);
}

void MainWindow::ChooseSeparators(int date, int time) {
  stored_.dateSeparator = date;
  stored_.timeSeparator = time;
  dateDotItem->setChecked(date == '.');
  dateDashItem->setChecked(date == '-');
  dateSlashItem->setChecked(date == '/');
  timeDotItem->setChecked(time == '.');
  timeColonItem->setChecked(time == ':');
  separators_ = workbench::ChooseSeparators(separators_, date, time);
  UpdateClock();
  // The result chart's date line follows.
  if (bench_.Result() != nullptr) RepeatQueryOrRedraw();
}

int MainWindow::ScreenWidth() const {
  const QScreen* shown = screen();
  return shown != nullptr ? shown->availableGeometry().width() : width();
}

void MainWindow::TellSettingsTroubles() {
  if (settingsTroublesTold_ || settings_->Troubles().empty()) return;
  settingsTroublesTold_ = true;
  services_.messages->DefMessageDlg(Message(texts::kTitleWarning, language_),
                                    ToQt(texts::SettingsTroubleText(settings_->Path(), settings_->Troubles(), language_)),
                                    MessageKind::Warning, MessageButtons::Ok, kResultOk);
}

void MainWindow::SaveSettingsFile() {
  const std::error_code error = settings_->Save();
  if (!error) return;
  services_.messages->DefMessageDlg(Message(texts::kTitleWarning, language_),
                                    ToQt(texts::SettingsNotWrittenText(settings_->Path(), error.message(), language_)),
                                    MessageKind::Warning, MessageButtons::Ok, kResultOk);
}

// ---- the re-open grid ----

void MainWindow::ShowReOpenList(model::SlotId slot) {
  const auto rows = texts::ReOpenGridRows(bench_.ReOpenList(), language_);
  if (rows.size() <= 1) return;
  reopenSlot_ = slot;
  reopenGrid->clearContents();
  reopenGrid->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < 5; ++c) SetCell(reopenGrid, r, c, ToQt(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
  }
  reopenGrid->resizeColumnsToContents();
  int gridWidth = 2 * reopenGrid->frameWidth();
  for (int c = 0; c < 5; ++c) gridWidth += reopenGrid->columnWidth(c);
  const int left = slot == model::SlotId::A ? kReOpenLeftA : kReOpenLeftB;
  const int rowHeight = std::max(kReOpenRowHeight, reopenGrid->verticalHeader()->defaultSectionSize());
  const int wanted = rowHeight * (static_cast<int>(rows.size()) - 1) + kReOpenExtraHeight;
  // A long list scrolls inside the window instead of running off it.
  const int room = centralWidget()->height() - kReOpenTop;
  const bool scrolls = wanted > room;
  reopenGrid->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  if (scrolls) gridWidth += reopenGrid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  reopenGrid->setFixedSize(std::min(gridWidth, centralWidget()->width() - left), std::min(wanted, room));
  reopenGrid->move(left, kReOpenTop);
  reopenGrid->setFocusPolicy(Qt::StrongFocus);
  reopenGrid->show();
  reopenGrid->raise();
  reopenGrid->setFocus();
}

void MainWindow::ReOpenRowClick(int row) {
  if (row < 1) return;
  reopenGrid->hide();
  const model::SlotId slot = reopenSlot_;
  const bool a = slot == model::SlotId::A;
  InputControls& c = Input(slot);
  const bool traceRead = c.traceReadItem->isChecked();
  const workbench::ReOpenOutcome outcome = bench_.ReOpen(slot, row, traceRead, language_);
  const settings::ReOpenList& list = bench_.ReOpenList();
  const std::string path = row <= static_cast<int>(list.Entries().size())
                               ? list.Entries()[static_cast<std::size_t>(row - 1)].path
                               : std::string();
  if (path.empty()) return;
  const auto askDelete = [this, &path](int message) {
    const QString text = ToQt(texts::InsertText(texts::MessageText(message, language_), path));
    if (services_.messages->DefMessageDlg(Message(texts::kTitleConfirmation, language_), text,
                                          MessageKind::Confirmation, MessageButtons::YesNo,
                                          kResultYes) == kResultYes) {
      DeleteReOpenEntry();
    }
  };
  if (outcome.unopenable) return askDelete(kFileMissingMessage);
  if (traceRead) ShowReadTrace(outcome.opened.listing);
  if (outcome.opened.error) {
    ReportErrorText(outcome.opened.refusal);
    return askDelete(kNotReadableMessage);
  }
  settings::WriteLastFile(*settings_, a ? settings::LastFile::InputA : settings::LastFile::InputB, path);
  c.multipleField->setEnabled(true);
  ShowEmptySlot(slot);
  ShowEmptyResult();
  ShowSlotSummary(slot);
  DrawSlot(slot);
  EnableSlotCommands(slot, true);
}

void MainWindow::DeleteReOpenEntry() {
  bench_.DeleteSelectedReOpenEntry();
  reopenGrid->clearContents();
}

void MainWindow::ClearReOpenListClick() {
  reopenGrid->hide();
  if (services_.messages->DefMessageDlg(Message(texts::kTitleConfirmation, language_),
                                        Message(kClearListMessage, language_), MessageKind::Confirmation,
                                        MessageButtons::YesNo, kResultYes) != kResultYes) {
    return;
  }
  bench_.ClearReOpenList();
  reopenGrid->clearContents();
  ClearSlot(model::SlotId::A);
  ClearSlot(model::SlotId::B);
}

// ---- default values ----

void MainWindow::DefaultValuesClick() {
  reopenGrid->hide();
  if (services_.messages->DefMessageDlg(Message(texts::kTitleConfirmation, language_),
                                        Message(kDefaultValuesMessage, language_), MessageKind::Confirmation,
                                        MessageButtons::YesNo, kResultYes) != kResultYes) {
    return;
  }
  // 1. status bar on, no trace of files being read
  statusBarItem->setChecked(true);
  inputA.traceReadItem->setChecked(false);
  inputB.traceReadItem->setChecked(false);
  // 2. every window at 0, 0 in its default size, neither minimised nor maximised
  const int screenWidth = ScreenWidth();
  const settings::WindowPlacement own = settings::ResetWindowPlacement(1, screenWidth);
  setWindowState(Qt::WindowNoState);
  UndoResultZoom();
  move(own.left, own.top);
  resize(own.width, own.height);
  settings::WriteDefaultWindowSettings(*settings_, screenWidth);
  ResetCompanionPlacements(screenWidth);
  // 3. data marks: style 2, angle 90, off
  marksSelector->setCurrentIndex(2);
  {
    const QSignalBlocker block(labelAngleBox);
    labelAngleBox->setValue(90);
  }
  dataLabelsBox->setChecked(false);
  // 4. English
  SwitchLanguage(texts::Language::English);
  // 5. coloured listings
  ChooseListingHighlight(true);
  // 7. the design colours, and the target reliability index
  targetIndexBox->setValue(settings::MainWindowSettings{}.targetIndex);
  colours_ = settings::WithDefaultValues(colours_);
  ApplyColours();
  // 9. "." and ":"
  ChooseSeparators('.', ':');
  // 10. the result chart drawn anew
  if (bench_.Result() != nullptr) RepeatQueryOrRedraw();
}


}  // namespace dorvex::gui

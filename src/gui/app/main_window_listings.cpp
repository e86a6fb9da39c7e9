// The windows of other modules the main window opens — the splash, the listing
// windows, the trace of a file being read, the listing of an input's file — and the
// result commands: the characteristics box, the result as a distribution file and
// as a report, and the word processor. Every use of those windows is in this file.

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QToolButton>

#include <optional>

#include "analysis/file_listing_window.h"
#include "analysis/load_duration_window.h"
#include "analysis/listing_window.h"
#include "analysis/read_trace_window.h"
#include "analysis/result_commands.h"
#include "app/clock.h"
#include "app/splash_window.h"
#include "app/main_window.h"
#include "app/about_window.h"
#include "analysis/verification_window.h"
#include "expressions/expression_window.h"
#include "settings/colour_window.h"
#include "sources/description_window.h"
#include "rawdata/raw_data_window.h"
#include "app/qt_text.h"
#include "analysis/reliability_summary.h"
#include "engine/operation_table.h"
#include "settings/main_window_settings.h"
#include "settings/settings_listing_window.h"
#include "settings/window_placement.h"
#include "sources/parametric_window.h"
#include "tables/histogram_table_window.h"
#include "tables/table_graph_window.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::gui {

struct MainWindow::CompanionWindows {
  QPointer<SplashWindow> splash;
  ListingWindow* pointListing = nullptr;     // a Pure Discrete histogram's description
  ReadTraceWindow* readTrace = nullptr;      // a file's lines while it is read
  ListingWindow* intervalListing = nullptr;  // a Discrete histogram's description
  FileListingWindow* fileListing = nullptr;  // an input's distribution file
  std::optional<workbench::Listed> listed;   // what the description listings show last
  LoadDurationWindow* loadDuration = nullptr;  // the result's distribution function
  SettingsListingWindow* settingsListing = nullptr;
};

void MainWindow::CompanionWindowsDeleter::operator()(CompanionWindows* windows) const { delete windows; }

void MainWindow::CreateCompanionWindows() {
  companions_.reset(new CompanionWindows);
  companions_->pointListing =
      new ListingWindow(ListingKind::Points, services_, settings_, ToQt(folders_.graphs), language_, this);
  companions_->readTrace = new ReadTraceWindow(settings_, this);
  companions_->intervalListing =
      new ListingWindow(ListingKind::Intervals, services_, settings_, ToQt(folders_.graphs), language_, this);
  companions_->fileListing = new FileListingWindow(settings_, language_, this);
  companions_->loadDuration = new LoadDurationWindow(services_, settings_, ToQt(folders_.graphs), language_, this);
  connect(companions_->loadDuration, &LoadDurationWindow::Closed, this, &MainWindow::LoadDurationClosed);
  connect(companions_->loadDuration, &LoadDurationWindow::ValueLabelsChosen, this,
          [this](bool valueLabels) { SetLabelMode(!valueLabels); });
  connect(companions_->loadDuration, &LoadDurationWindow::WordDocumentRequested, this,
          &MainWindow::WordDocumentClick);
  connect(companions_->loadDuration, &LoadDurationWindow::WindowPictureRequested, this,
          &MainWindow::CopyWindowClick);
  companions_->settingsListing = new SettingsListingWindow(settings_, language_, this);
}

void MainWindow::PassLanguageToCompanions() {
  services_.messages->SetLanguage(language_);
  if (parametricWindow != nullptr) parametricWindow->SetLanguage(language_);
  if (descriptionWindow != nullptr) descriptionWindow->SetLanguage(language_);
  if (aboutWindow_ != nullptr) aboutWindow_->SetLanguage(language_);
  if (colourWindow != nullptr) colourWindow->SetLanguage(language_);
  if (verificationWindow != nullptr) verificationWindow->SetLanguage(language_);
  if (expressionWindow != nullptr) expressionWindow->SetLanguage(language_);
  for (HistogramTableWindow* window : {summaryWindow, combinationWindow}) {
    if (window != nullptr) window->SetLanguage(language_);
  }
  if (tableGraphWindow != nullptr) tableGraphWindow->SetLanguage(language_);
  if (rawDataWindow != nullptr) rawDataWindow->SetLanguage(language_);
  if (companions_ == nullptr) return;
  companions_->pointListing->SetLanguage(language_);
  companions_->intervalListing->SetLanguage(language_);
  companions_->fileListing->SetLanguage(language_);
  companions_->readTrace->SetLanguage(language_);
  // A description on screen is listed anew in the new language.
  if (companions_->listed &&
      (companions_->pointListing->isVisible() || companions_->intervalListing->isVisible())) {
    Describe(*companions_->listed);
  }
  companions_->loadDuration->SetLanguage(language_);
  companions_->settingsListing->SetLanguage(language_);
}

void MainWindow::ShowSplash() {
  companions_->splash = new SplashWindow(this);
  companions_->splash->show();
}

void MainWindow::CentreSplash() {
  if (companions_->splash != nullptr) {
    companions_->splash->move(geometry().center() - companions_->splash->rect().center());
  }
}

void MainWindow::CloseSplash() {
  if (companions_ != nullptr && companions_->splash != nullptr) companions_->splash->close();
}

void MainWindow::ConnectListingCommands() {
  const auto both = [this](QToolButton* button, QAction* item, auto handler) {
    connect(button, &QToolButton::clicked, this, handler);
    connect(item, &QAction::triggered, this, handler);
  };
  both(characteristicsButton, characteristicsItem, [this] { CharacteristicsClick(); });
  both(saveResultButton, saveResultItem, [this] { SaveResultClick(); });
  both(saveReportButton, saveReportItem, [this] { SaveReportClick(); });
  both(wordDocumentButton, wordDocumentItem, [this] { WordDocumentClick(); });
  both(inputA.describeButton, inputA.describeItem, [this] { Describe(workbench::Listed::A); });
  both(inputB.describeButton, inputB.describeItem, [this] { Describe(workbench::Listed::B); });
  both(describeResultButton, describeResultItem, [this] { Describe(workbench::Listed::Result); });
  both(inputA.listFileButton, inputA.listFileItem, [this] { ListInputFile(model::SlotId::A); });
  both(inputB.listFileButton, inputB.listFileItem, [this] { ListInputFile(model::SlotId::B); });
  both(distributionFunctionButton, distributionFunctionItem, [this] { LoadDurationClick(); });
}

void MainWindow::LoadDurationClick() {
  const engine::OperationResult* result = bench_.Result();
  if (result == nullptr) return;
  reopenGrid->hide();
  FlushFieldExits();
  LoadDurationOpening opening;
  opening.result = result->histogram;
  opening.title = bench_.ResultTitle();
  opening.valueLabels = valueLabelsItem->isChecked();
  opening.chartToolBar = chartToolBarItem->isChecked();
  opening.gridColours = !highlightOffItem->isChecked();
  opening.separators = separators_;
  opening.tableText = resultListing->palette().color(QPalette::Active, QPalette::Text);
  opening.failureProbability = result->failureProbability;
  opening.bounds = result->bounds;
  opening.targetIndex = targetIndexBox->value();
  EnableForGenerator(false);
  companions_->loadDuration->OpenFor(opening);
}

void MainWindow::SettingsListingClick() {
  reopenGrid->hide();
  if (settings_->FileExists() && companions_->settingsListing->ListFile(ToQt(settings_->Path()))) return;
  constexpr int kNotWrittenYetMessage = 29;
  services_.messages->DefMessageDlg(Message(texts::kTitleInformation, language_),
                                    Message(kNotWrittenYetMessage, language_), MessageKind::Information,
                                    MessageButtons::Ok, kResultOk);
}

void MainWindow::ResetCompanionPlacements(int screenWidth) {
  const auto place = [screenWidth](QWidget* window, int number) {
    const settings::WindowPlacement placement = settings::ResetWindowPlacement(number, screenWidth);
    window->setWindowState(Qt::WindowNoState);
    window->move(placement.left, placement.top);
    window->resize(placement.width, placement.height);
  };
  place(companions_->pointListing, 3);
  place(companions_->readTrace, 4);
  place(companions_->settingsListing, 6);
  place(companions_->intervalListing, 7);
  place(companions_->fileListing, 15);
  companions_->loadDuration->ResetToDefaults(screenWidth);
  if (parametricWindow != nullptr) parametricWindow->ResetToDefaults(screenWidth);
}

void MainWindow::LoadDurationClosed() {
  // The questions put to the result go with the window.
  valueField->clear();
  probabilityField->clear();
  bench_.WithdrawQuestion(workbench::QueryKind::Value);
  bench_.WithdrawQuestion(workbench::QueryKind::Quantile);
  ResetAnswers();
  markerShown_ = false;
  DrawResult();
  if (parametricWindow != nullptr && parametricWindow->isVisible()) {
    parametricWindow->activateWindow();
    return;
  }
  EnableForGenerator(true);
  activateWindow();
  valueField->setFocus();
}

void MainWindow::CharacteristicsClick() {
  const engine::OperationResult* result = bench_.Result();
  if (result == nullptr) return;
  const int selected = engine::OperationCodeAt(operationSelector->currentIndex());
  ShowCharacteristics(services_, engine::CharacteristicsTitle(selected, language_), *result, targetIndexBox->value(),
                      language_);
}

void MainWindow::SaveResultClick() {
  const engine::OperationResult* result = bench_.Result();
  if (result == nullptr) return;
  reopenGrid->hide();
  const QString path =
      SaveResultDistributionFile(services_, ToQt(folders_.calculated), result->histogram, result->totalExtended,
                                 language_);
  if (path.isEmpty()) return;
  settings::WriteLastFile(*settings_, settings::LastFile::ResultHistogram, ToStd(path));
  bench_.RememberSavedResult(ToStd(path));
  valueField->clear();
  probabilityField->clear();
  valueField->setFocus();
}

void MainWindow::SaveReportClick() {
  if (bench_.Result() == nullptr) return;
  reopenGrid->hide();
  const workbench::ClockReading now = ClockNow();
  analysis::ResultReportInput input =
      bench_.ReportInput(workbench::ShortDateText(now, separators_), workbench::LongTimeText(now, separators_),
                         statvex::VersionText());
  input.reliabilityLines = analysis::ReliabilityReportLines(
      analysis::SummariseReliability(*bench_.Result(), targetIndexBox->value(), language_), language_);
  if (!resultRecord_.empty()) input.reliabilityLines.push_back(" ");
  input.reliabilityLines.insert(input.reliabilityLines.end(), resultRecord_.begin(), resultRecord_.end());
  const QString path = SaveResultReport(services_, ToQt(folders_.calculated), input, reportTextItem->isChecked(), language_);
  if (path.isEmpty()) return;
  settings::WriteLastFile(*settings_, settings::LastFile::ResultReport, ToStd(path));
  valueField->clear();
  probabilityField->clear();
  valueField->setFocus();
}

void MainWindow::WordDocumentClick() { OpenInWordProcessor(services_, QString(), ToQt(folders_.graphs), language_); }

void MainWindow::Describe(workbench::Listed listed) {
  const workbench::Description description = bench_.Describe(listed, language_);
  if (description.histogram == nullptr) return;
  companions_->listed = listed;
  const model::Histogram& h = *description.histogram;
  ListingPaint paint;
  paint.shading.coloured = !highlightOffItem->isChecked();
  paint.shading.listsResult = listed == workbench::Listed::Result;
  paint.shading.resultClassWidth = paint.shading.listsResult ? h.d : 0.0;
  ListingWindow* listing =
      h.Type == model::HistogramType::Discrete ? companions_->intervalListing : companions_->pointListing;
  listing->ShowListing(h, description.grid, paint);
  if (listed == workbench::Listed::Result && bench_.Result() != nullptr) {
    // The workbook of a result carries how sure its Pf is and, for an expression, its record.
    std::vector<std::string> notes = analysis::ReliabilityReportLines(
        analysis::SummariseReliability(*bench_.Result(), targetIndexBox->value(), language_), language_);
    notes.insert(notes.end(), resultRecord_.begin(), resultRecord_.end());
    listing->SetNotes(std::move(notes));
  }
}

void MainWindow::ListInputFile(model::SlotId slot) {
  const model::HistogramSlot& s = bench_.Slot(slot);
  if (s.loaded && !s.sourcePath.empty()) companions_->fileListing->ListInputFile(ToQt(s.sourcePath), ToQt(s.name));
}

void MainWindow::ShowReadTrace(const std::vector<model::ControlListingRow>& rows) {
  if (!rows.empty()) companions_->readTrace->ShowControlListing(rows);
}

}  // namespace dorvex::gui

#include "rawdata/raw_data_window.h"

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBlock>
#include <QThread>
#include <QToolButton>
#include <atomic>
#include <span>

#include "analysis/chart_texts.h"
#include "analysis/export_targets.h"
#include "analysis/result_commands.h"
#include "app/clock.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "charts/chart_export.h"
#include "charts/draw_histogram.h"
#include "charts/probability_grid.h"
#include "rawdata/fit_table_window.h"
#include "rawdata/raw_data_titles.h"
#include "rawdata/raw_data_window_view.h"
#include "rawdata/raw_data_file.h"
#include "rawdata/raw_sample.h"
#include "rawdata/value_list_model.h"
#include "rawdata/sample_histogram.h"
#include "settings/settings_file.h"
#include "sources/parametric_display.h"
#include "sources/parametric_request.h"
#include "statvex/number_text.h"
#include "texts/messages.h"
#include "texts/parametric_window_texts.h"
#include "texts/raw_data_window_texts.h"

namespace dorvex::gui {

namespace {

constexpr unsigned kFrameColour = 0x00B9B9;  // the input slots' frame
constexpr int kCharacteristicsTitle = 79;    // "C h a r a c t e r i s t i c s"

// The title lines with a line wider than the chart broken before its " ( ", so
// the chart does not cut the title short.
QStringList FitTitleToWidth(const QChartView* view, const QStringList& lines) {
  const QFontMetrics metrics(view->chart()->titleFont());
  const int room = view->width() - 40;
  QStringList fitted;
  for (const QString& line : lines) {
    const qsizetype at = line.indexOf(QStringLiteral(" ( "));
    if (metrics.horizontalAdvance(line) > room && at > 0) {
      fitted << line.left(at) << line.mid(at + 1);
    } else {
      fitted << line;
    }
  }
  return fitted;
}

QStringList Lines(const QPlainTextEdit* edit) {
  QStringList lines;
  for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) lines << block.text();
  // A last empty block is the end of the last line, not a line of its own.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

// The inputs of a run, copied so the window may go on while it runs, and its result.
struct FitJob {
  rawdata::RawSample sample;
  rawdata::SampleHistogram data;
  double eps = 1E-7;
  bool pureDiscrete = false;
  texts::Language language = texts::Language::English;
  std::atomic<bool> cancel{false};
  rawdata::FitRun run;
};

RawDataWindow::RawDataWindow(const PlatformServices& services, settings::SettingsFile* settings,
                             QString rawDataFolder, QString graphsFolder, texts::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      settings_(settings),
      rawDataFolder_(std::move(rawDataFolder)),
      graphsFolder_(std::move(graphsFolder)),
      language_(language) {
  setObjectName(QStringLiteral("TForm14"));
  CreateControls();
  fitTable = new FitTableWindow(services_, settings_, language_, this);
  ConnectControls();
  ApplyTexts();
  ReadSettings();
  Reset();
}

RawDataWindow::~RawDataWindow() {
  if (worker_ == nullptr) return;
  job_->cancel = true;
  worker_->wait();
  delete worker_;
}

bool RawDataWindow::Fitting() const { return worker_ != nullptr; }

void RawDataWindow::ConnectControls() {
  connect(openButton, &QPushButton::clicked, this, &RawDataWindow::OpenData);
  connect(histogramButton, &QPushButton::clicked, this, &RawDataWindow::RebuildHistogram);
  connect(fitButton, &QPushButton::clicked, this, &RawDataWindow::StartFitting);
  connect(stopButton, &QPushButton::clicked, this, [this] {
    if (job_) job_->cancel = true;
  });
  connect(fitList, &QComboBox::activated, this, &RawDataWindow::ChooseFit);
  connect(tableButton, &QPushButton::clicked, this, &RawDataWindow::OpenFitTable);
  connect(pureDiscreteBox, &QCheckBox::toggled, this, [this] {
    if (!resetting_ && sample_) RebuildHistogram();
  });
  for (QLineEdit* field : {minField, maxField, countField, epsField})
    connect(field, &QLineEdit::textEdited, this, &RawDataWindow::FieldEdited);
  connect(dataLabelsBox, &QCheckBox::toggled, this, &RawDataWindow::Redraw);
  connect(marksList, &QComboBox::currentIndexChanged, this, [this] {
    if (dataLabelsBox->isChecked()) Redraw();
  });
  connect(angleBox, &QSpinBox::valueChanged, this, [this] { dataLabelsBox->setChecked(false); });
  connect(angleBox, &QSpinBox::editingFinished, this, [this] { SetMarksAngle(chart, angleBox->value()); });
  connect(axisLabelsList, &QComboBox::activated, this, &RawDataWindow::Redraw);
  connect(characteristicsButton, &QPushButton::clicked, this, &RawDataWindow::ShowCharacteristicsReport);
  connect(exportButton, &QToolButton::clicked, this, &RawDataWindow::ExportChart);
  connect(pictureButton, &QPushButton::clicked, this, [this] { CopyWindowToClipboard(this); });
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  connect(newButton, &QPushButton::clicked, this, &RawDataWindow::StartEditor);
  connect(saveButton, &QPushButton::clicked, this, &RawDataWindow::SaveEditor);
  connect(cancelButton, &QPushButton::clicked, this, [this] {
    editorBox->hide();
  });
  connect(editor, &QPlainTextEdit::textChanged, this, [this] { UpdateLineCounter(false); });
  connect(displayGrid, &QTableWidget::cellClicked, this, [this] {
    ShowMessage(texts::kTitleConfirmation, Message(201, language_), MessageKind::Information);
  });
  connect(sampleGrid, &QTableWidget::cellClicked, this, [this] {
    ShowMessage(texts::kTitleConfirmation, Message(202, language_), MessageKind::Information);
  });
  connect(momentsGrid, &QTableWidget::cellClicked, this, [this] {
    const QString text = tableButton->isEnabled()
                             ? ToQt(texts::InsertText(texts::MessageText(212, language_), ToStd(fitList->currentText())))
                             : Message(211, language_);
    ShowMessage(kCharacteristicsTitle, text, MessageKind::Information);
  });
  connect(fitTable, &FitTableWindow::RowChosen, this, &RawDataWindow::ChooseRankedFit);
  connect(fitTable, &FitTableWindow::FitsRemoved, this, [this] {
    rawdata::RankByCloseness(fits_->ranking);
    FillFitList();
    ChooseFit(fitList->currentIndex());
  });
}

void RawDataWindow::SetLanguage(texts::Language language) {
  language_ = language;
  ApplyTexts();
  fitTable->SetLanguage(language);
  if (chart->isVisible()) ShowDisplay();
}

void RawDataWindow::ShowMessage(int title, const QString& text, MessageKind kind) {
  services_.messages->DefMessageDlg(Message(title, language_), text, kind, MessageButtons::Ok, kResultOk);
}

void RawDataWindow::OpenFor(const RawDataOpening& opening) {
  opening_ = opening;
  axisLabelsList->setCurrentIndex(opening.valueLabels ? 1 : 0);
  sample_.reset();
  fits_.reset();
  path_.clear();
  Reset();
  move(0, 0);
  show();
  raise();
  activateWindow();
}

void RawDataWindow::Reset() {
  resetting_ = true;
  valueModel->Show(nullptr);
  editor->clear();
  ClearHistogramChart(smallChart, {});
  ClearHistogramChart(chart, {});
  {
    const QSignalBlocker block(fitList);
    fitList->clear();
    fitList->setCurrentIndex(-1);
  }
  fitList->setEnabled(false);
  minField->clear();
  maxField->clear();
  fileField->clear();
  parameterBox->setTitle(QString());
  if (!epsField->text().isEmpty()) savedEps_ = epsField->text();
  dataLabelsBox->setChecked(false);
  pureDiscreteBox->setChecked(false);
  for (QWidget* w : std::initializer_list<QWidget*>{tableButton, exportButton, pictureButton, countField, epsField,
                                                    characteristicsButton, fitButton, histogramButton})
    w->setEnabled(false);
  for (int r = 0; r < displayGrid->rowCount(); ++r) SetCell(displayGrid, r, 1, QString());
  for (int r = 0; r < sampleGrid->rowCount(); ++r) SetCell(sampleGrid, r, 1, QString());
  for (int r = 0; r < momentsGrid->rowCount(); ++r) SetCell(momentsGrid, r, 1, QString());
  SetCell(closenessGrid, 0, 1, QString());
  SetCell(lineGrid, 1, 1, QString());
  for (QWidget* w : std::initializer_list<QWidget*>{displayGrid, momentsGrid, intervalGrid, parameterBox, editorBox})
    w->hide();
  progressBar->setValue(0);
  chosenFit_ = -1;
  dirty_ = false;
  resetting_ = false;
}

void RawDataWindow::ResetFitDisplay() {
  // The table shows the fits that go now.
  if (fitTable->isVisible()) fitTable->close();
  fits_.reset();
  shownFit_.reset();
  chosenFit_ = -1;
  {
    const QSignalBlocker block(fitList);
    fitList->clear();
  }
  fitList->setEnabled(false);
  tableButton->setEnabled(false);
  SetCell(closenessGrid, 0, 1, QString());
  parameterBox->setTitle(QString());
}

void RawDataWindow::OpenData() {
  FileDialogRequest request;
  request.initialFolder = rawDataFolder_;
  request.fileName = QString::fromLatin1(rawdata::kRawDataDefaultName);
  request.defaultSuffix = QString::fromLatin1(rawdata::kRawDataExtension);
  for (const std::string& filter : rawdata::RawDataDialogFilters()) request.filters << ToQt(filter);
  const QString path = services_.files->GetOpenFileName(request);
  if (path.isEmpty()) return;
  // Read into a sample of its own: a refused file leaves the sample on display.
  rawdata::RawSampleReading reading = rawdata::LoadRawSample(ToStd(path), language_);
  if (!reading.sample) {
    if (reading.error) ShowMessage(texts::kTitleError, ToQt(reading.error->text), MessageKind::Error);
    return;
  }
  Reset();
  path_ = path;
  sample_ = std::move(*reading.sample);
  ShowSample();
}

void RawDataWindow::ShowSample() {
  fileField->setText(QFileInfo(path_).fileName());
  const std::array<std::string, 4> cells = rawdata::SampleTableTexts(sample_->characteristics);
  for (int r = 0; r < 4; ++r) SetCell(sampleGrid, r, 1, ToQt(cells[static_cast<std::size_t>(r)]));
  valueModel->Show(&sample_->values);
  lo_ = sample_->smallest();
  hi_ = sample_->largest();
  lastMin_ = ToQt(statvex::DisplayNumber(lo_));
  lastMax_ = ToQt(statvex::DisplayNumber(hi_));
  minField->setText(lastMin_);
  maxField->setText(lastMax_);
  countField->setText(lastCount_);
  epsField->setText(savedEps_);
  for (QWidget* w : std::initializer_list<QWidget*>{countField, epsField, characteristicsButton, exportButton,
                                                    pictureButton, fitButton, histogramButton})
    w->setEnabled(true);
  RebuildHistogram();
}

void RawDataWindow::RebuildHistogram() {
  if (!sample_) return;
  ResetFitDisplay();
  const rawdata::IntervalCountReading count = rawdata::ReadIntervalCount(
      ToStd(lastCount_), sample_->characteristics.n, language_);
  const int bins = count.refusal ? 128 : count.bins;
  histogram_ = rawdata::BuildSampleHistogram(sample_->values, bins, lo_, hi_);
  ShowDisplay();
}

HistogramPicture RawDataWindow::Picture(bool fit) const {
  HistogramPicture picture;
  picture.mode = ChartMode::Result;
  picture.frame = FromColorRef(kFrameColour);
  picture.language = language_;
  picture.indexAxisTitle = QString::fromLatin1(texts::kParametricIndexAxisTitle);
  if (fit && shownFit_) {
    const sources::ParamState& state = shownFit_->state;
    picture.probabilities = state.P.data() + 1;
    picture.count = state.N;
    picture.d = state.w;
    picture.min = state.Min + state.w / 2.0;
    picture.bar = FromColorRef(texts::kFitBarColour);
    const std::vector<std::string> titles =
        rawdata::FitChartTitle(shownFit_->type, shownFit_->description, ToStd(path_), language_);
    picture.dateLine = ToQt(titles[0]);
    picture.title = ToQt(titles[1]);
  } else {
    picture.probabilities = histogram_.P.data() + 1;
    picture.count = histogram_.N;
    picture.d = histogram_.w;
    picture.min = histogram_.Xmin();
    picture.bar = FromColorRef(texts::kRawDataBarColour);
    const std::vector<std::string> titles =
        rawdata::DataChartTitle(ToStd(fitList->currentText()), ToStd(path_), ClockNow(), opening_.separators, language_);
    picture.dateLine = ToQt(titles[0]);
    picture.title = ToQt(titles[1]);
  }
  return picture;
}

void RawDataWindow::ShowDisplay() {
  const bool pure = pureDiscreteBox->isChecked();
  const bool fit = shownFit_.has_value();
  HistogramPicture picture = Picture(fit);
  picture.labels = axisLabelsList->currentIndex() == 1 ? AxisLabelMode::Value : AxisLabelMode::Index;
  picture.marks = {dataLabelsBox->isChecked(), analysis::MarkStyleOfItem(marksList->currentIndex()),
                   angleBox->value()};
  DrawHistogram(chart, picture);
  const QStringList title{picture.dateLine, picture.title};
  if (const QStringList fitted = FitTitleToWidth(chart, title); fitted != title) SetChartTitleLines(chart, fitted);

  HistogramPicture small = Picture(false);
  small.mode = ChartMode::Input;
  small.title = QString();
  DrawHistogram(smallChart, small);

  const std::span<const double> P(picture.probabilities, static_cast<std::size_t>(picture.count));
  FillProbabilityGrid(intervalGrid, P, picture.d, picture.min, !pure, language_);
  intervalGrid->resizeColumnsToContents();
  const std::array<std::string, 4> display =
      fit ? rawdata::DisplaySummaryTexts(shownFit_->state.P, shownFit_->state.N, shownFit_->state.Min,
                                         shownFit_->state.Max, pure)
          : rawdata::DisplaySummaryTexts(histogram_.P, histogram_.N, histogram_.Lo, histogram_.Hi, pure);
  for (int r = 0; r < 4; ++r) SetCell(displayGrid, r, 1, ToQt(display[static_cast<std::size_t>(r)]));
  const std::array<std::string, 4> sample = rawdata::SampleTableTexts(sample_->characteristics);
  for (int r = 0; r < 3; ++r) SetCell(momentsGrid, r, 1, ToQt(sample[static_cast<std::size_t>(r) + 1]));
  for (QWidget* w : std::initializer_list<QWidget*>{parameterBox, displayGrid, momentsGrid}) w->show();
  if (!editorBox->isVisible()) intervalGrid->show();
  UpdateTableCharts();
}

void RawDataWindow::UpdateTableCharts() {
  if (!fitTable->isVisible()) return;
  HistogramPicture data = Picture(false);
  data.mode = ChartMode::Input;
  data.title = QString();
  if (!shownFit_) {
    fitTable->ShowCharts(data, nullptr);
    return;
  }
  HistogramPicture fit = Picture(true);
  fit.mode = ChartMode::Input;
  fit.title = ToQt(ToStd(fitList->itemText(chosenFit_)));
  fit.labels = AxisLabelMode::Index;
  fitTable->ShowCharts(data, &fit);
}

rawdata::FitRequest RawDataWindow::Request() const {
  const double eps = sources::ReadParamEps(ToStd(savedEps_), sources::kDefaultParamEps, language_).eps;
  return rawdata::FitRequest{*sample_, histogram_, eps, pureDiscreteBox->isChecked()};
}

void RawDataWindow::StartFitting() {
  if (!sample_ || worker_ != nullptr) return;
  dataLabelsBox->setChecked(false);
  RebuildHistogram();
  const rawdata::FitRequest request = Request();
  auto job = std::make_shared<FitJob>();
  job->sample = *sample_;
  job->data = histogram_;
  job->eps = request.eps;
  job->pureDiscrete = request.pureDiscrete;
  job->language = language_;
  job_ = job;
  progressBar->setRange(0, rawdata::kFitSteps);
  progressBar->setValue(0);
  SetFitting(true);
  QProgressBar* bar = progressBar;
  worker_ = QThread::create([job, bar] {
    rawdata::FitControl control;
    control.progress = [bar](int done, int) {
      QMetaObject::invokeMethod(bar, [bar, done] { bar->setValue(done); }, Qt::QueuedConnection);
    };
    control.cancel = &job->cancel;
    job->run = rawdata::RunFitting(rawdata::FitRequest{job->sample, job->data, job->eps, job->pureDiscrete},
                                   job->language, control);
  });
  connect(worker_, &QThread::finished, this, [this, job] { FinishFitting(job); });
  worker_->start();
}

void RawDataWindow::SetFitting(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{openButton, newButton, fitButton, histogramButton, minField,
                                                    maxField, countField, epsField, pureDiscreteBox, fitList,
                                                    tableButton})
    w->setEnabled(!on);
  stopButton->setVisible(on);
  if (on) {
    fitList->setEnabled(false);
    tableButton->setEnabled(false);
  }
}

void RawDataWindow::FinishFitting(const std::shared_ptr<FitJob>& job) {
  worker_->deleteLater();
  worker_ = nullptr;
  job_.reset();
  SetFitting(false);
  fitList->setEnabled(false);
  tableButton->setEnabled(false);
  if (job->run.cancelled) {
    progressBar->setValue(0);
    emit FittingFinished();
    return;
  }
  if (job->run.nothingFits) {
    ShowMessage(texts::kTitleError, ToQt(*job->run.nothingFits), MessageKind::Error);
    ResetFitDisplay();
    ShowDisplay();
    emit FittingFinished();
    return;
  }
  fits_ = std::move(job->run);
  FillFitList();
  const double best = fits_->ranking[0].closeness;
  SetCell(closenessGrid, 0, 1, ToQt(rawdata::RankedClosenessText(best)));
  shownFit_.reset();
  chosenFit_ = 0;
  if (best > 0) shownFit_ = rawdata::ComputeShownFit(Request(), *fits_, 0);
  if (shownFit_) {
    ShowDisplay();
    parameterBox->setTitle(ToQt(rawdata::RankedFitCaption(shownFit_->description, language_)));
  } else {
    HideFit();
  }
  fitList->setEnabled(true);
  tableButton->setEnabled(true);
  histogramButton->setEnabled(true);
  OpenFitTable();
  emit FittingFinished();
}

void RawDataWindow::FillFitList() {
  const QSignalBlocker block(fitList);
  fitList->clear();
  const std::vector<std::string> texts = rawdata::RankedListTexts(*fits_, language_);
  const int listed = rawdata::ListedFitCount(*fits_);
  for (int i = 0; i < listed && i < static_cast<int>(texts.size()); ++i)
    fitList->addItem(ToQt(texts[static_cast<std::size_t>(i)]));
  fitList->setMaxVisibleItems(std::max(listed, 1));
  fitList->setCurrentIndex(fitList->count() > 0 ? 0 : -1);
}

void RawDataWindow::HideFit() {
  shownFit_.reset();
  parameterBox->hide();
  intervalGrid->hide();
  SetCell(displayGrid, 2, 1, QString());
  SetCell(displayGrid, 3, 1, QString());
  parameterBox->setTitle(QString());
  UpdateTableCharts();
}

void RawDataWindow::ChooseFit(int item) {
  if (!fits_ || item < 0 || item >= sources::kParamTypeCount) return;
  chosenFit_ = item;
  const double closeness = fits_->ranking[static_cast<std::size_t>(item)].closeness;
  SetCell(closenessGrid, 0, 1, ToQt(rawdata::ChosenClosenessText(closeness)));
  shownFit_.reset();
  if (closeness > 0) shownFit_ = rawdata::ComputeShownFit(Request(), *fits_, item);
  if (!shownFit_) {
    HideFit();
    return;
  }
  ShowDisplay();
  parameterBox->setTitle(ToQt(rawdata::ChosenFitCaption(shownFit_->description, language_)));
}

void RawDataWindow::ChooseRankedFit(int item) {
  if (!fits_ || fitList->count() == 0) return;
  // A row without a fit shows the best one.
  if (item < 0 || item >= fitList->count()) item = 0;
  fitList->setCurrentIndex(item);
  ChooseFit(item);
}

void RawDataWindow::Redraw() {
  if (sample_ && parameterBox->isVisible()) ShowDisplay();
}

void RawDataWindow::FieldEdited() {
  if (resetting_) return;
  dirty_ = true;
  ResetFitDisplay();
  for (QWidget* w : std::initializer_list<QWidget*>{parameterBox, intervalGrid, displayGrid}) w->hide();
}

void RawDataWindow::LeaveField(QLineEdit* field) {
  if (!dirty_ || !sample_) return;
  dirty_ = false;
  if (field == countField) {
    const rawdata::IntervalCountReading count =
        rawdata::ReadIntervalCount(ToStd(countField->text()), sample_->characteristics.n, language_);
    if (count.refusal) {
      ShowMessage(texts::kTitleError, ToQt(*count.refusal), MessageKind::Error);
      countField->setText(lastCount_);
      return;
    }
    if (count.warning) ShowMessage(texts::kTitleWarning, ToQt(*count.warning), MessageKind::Warning);
    lastCount_ = countField->text();
  } else if (field == minField || field == maxField) {
    const bool lower = field == minField;
    const rawdata::RangeReading range = rawdata::ReadRangeEnd(lower ? rawdata::RangeEnd::Lo : rawdata::RangeEnd::Hi,
                                                              ToStd(field->text()), lower ? hi_ : lo_, language_);
    if (range.refusal) {
      ShowMessage(texts::kTitleError, ToQt(*range.refusal), MessageKind::Error);
      field->setText(lower ? lastMin_ : lastMax_);
      return;
    }
    field->setText(ToQt(range.text));
    (lower ? lo_ : hi_) = range.value;
    (lower ? lastMin_ : lastMax_) = field->text();
  } else if (field == epsField) {
    const sources::EpsReading eps =
        sources::ReadParamEps(ToStd(epsField->text()), sources::ReadParamEps(ToStd(savedEps_), sources::kDefaultParamEps, language_).eps, language_);
    if (eps.refusal) {
      if (eps.refusal->shown) ShowMessage(eps.refusal->titleMessage, ToQt(eps.refusal->text), MessageKind::Error);
      epsField->setText(savedEps_);
    } else {
      savedEps_ = epsField->text();
    }
  }
  RebuildHistogram();
}

bool RawDataWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editor || watched == editor->viewport()) {
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease) UpdateLineCounter(true);
    return QWidget::eventFilter(watched, event);
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr) return QWidget::eventFilter(watched, event);
  if ((event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn) && isVisible()) {
    LeaveField(field);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    LeaveField(field);
    return true;
  }
  const QString text = key->text();
  if (text.size() != 1 || !text.at(0).isPrint()) return false;
  const sources::ParamField kind = field == countField ? sources::ParamField::Count
                                   : field == epsField ? sources::ParamField::Eps
                                                       : sources::ParamField::Parameter;
  const workbench::FieldKey action = sources::FilterParamKey(kind, text.at(0).unicode());
  if (action.action == workbench::KeyAction::Pass) return false;
  if (action.action == workbench::KeyAction::Replace) {
    field->insert(QString(QChar::fromLatin1(action.replacement)));
    FieldEdited();
    return true;
  }
  services_.sound->Beep();
  return true;
}

void RawDataWindow::ShowCharacteristicsReport() {
  if (!sample_) return;
  const model::Histogram bars = HandOver();
  const std::string title = shownFit_ ? rawdata::FitReportTitle(ToStd(fitList->itemText(chosenFit_)), language_)
                                     : rawdata::DataReportTitle(language_);
  ShowCharacteristics(services_, title, bars, language_);
}

void RawDataWindow::ExportChart() {
  if (!parameterBox->isVisible()) return;
  exportTargets->Export(services_, chart, graphsFolder_, language_);
}

void RawDataWindow::StartEditor() {
  sample_.reset();
  fits_.reset();
  path_.clear();
  Reset();
  intervalGrid->hide();
  editorBox->show();
  SetCell(lineGrid, 0, 1, ToQt(rawdata::EditorLineText(0)));
  editor->setFocus();
}

void RawDataWindow::UpdateLineCounter(bool currentLine) {
  if (currentLine) {
    SetCell(lineGrid, 1, 1, ToQt(rawdata::EditorLineText(editor->textCursor().blockNumber() + 1)));
  } else {
    SetCell(lineGrid, 0, 1, ToQt(rawdata::EditorLineText(static_cast<int>(Lines(editor).size()))));
  }
}

void RawDataWindow::SaveEditor() {
  std::vector<std::string> lines;
  for (const QString& line : Lines(editor)) lines.push_back(ToStd(line));
  // An empty editor is refused before the dialog.
  const rawdata::RawDataSaveText check = rawdata::ComposeRawDataFile(lines, language_);
  if (check.error && check.error->message == 185) {
    ShowMessage(texts::kTitleError, ToQt(check.error->text), MessageKind::Error);
    return;
  }
  FileDialogRequest request;
  request.initialFolder = rawDataFolder_;
  request.fileName = QString::fromLatin1(rawdata::kRawDataDefaultName);
  request.defaultSuffix = QString::fromLatin1(rawdata::kRawDataExtension);
  for (const std::string& filter : rawdata::RawDataDialogFilters()) request.filters << ToQt(filter);
  const QString path = AskSavePath(services_, request, language_);
  if (path.isEmpty()) return;
  if (const auto error = rawdata::WriteRawDataFile(ToStd(path), lines, language_)) {
    ShowMessage(texts::kTitleError, ToQt(error->text), MessageKind::Error);
    return;
  }
  editorBox->hide();
}

void RawDataWindow::OpenFitTable() {
  if (!fits_) return;
  fitTable->Open(*fits_, sample_->characteristics);
  UpdateTableCharts();
}

model::Histogram RawDataWindow::HandOver() const {
  const bool pure = pureDiscreteBox->isChecked();
  if (shownFit_) {
    const sources::ParamState& s = shownFit_->state;
    return rawdata::HandOverHistogram(s.P, s.N, s.Min, s.Max, s.Total, pure);
  }
  return rawdata::HandOverHistogram(histogram_.P, histogram_.N, histogram_.Lo, histogram_.Hi, histogram_.Total, pure);
}

void RawDataWindow::closeEvent(QCloseEvent* event) {
  // A running fit stops after the type in hand; its result would have no window to go to.
  if (worker_ != nullptr) {
    job_->cancel = true;
    worker_->wait();
    QCoreApplication::sendPostedEvents(this);
  }
  WriteSettings();
  if (fitTable->isVisible()) fitTable->close();
  if (sample_ && parameterBox->isVisible()) {
    model::HandOverBuffer buffer;
    buffer.histogram = HandOver();
    buffer.target = opening_.slot;
    std::optional<std::string> fitText;
    if (shownFit_) fitText = ToStd(fitList->itemText(chosenFit_));
    emit HandedOver(buffer, ToQt(rawdata::RawDataSlotName(ToStd(path_), fitText)));
  }
  parameterBox->hide();
  emit Closed(opening_.slot);
  event->accept();
}

}  // namespace dorvex::gui

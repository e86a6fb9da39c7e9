#include "sources/parametric_window.h"

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <span>

#include "analysis/export_targets.h"
#include "analysis/picture_files.h"
#include "analysis/chart_texts.h"
#include "analysis/result_commands.h"
#include "app/clock.h"
#include "app/color_ref.h"
#include "app/qt_text.h"
#include "charts/chart_export.h"
#include "charts/chart_tool_bar.h"
#include "charts/draw_histogram.h"
#include "charts/probability_grid.h"
#include "settings/settings_file.h"
#include "settings/window_placement.h"
#include "sources/distribution.h"
#include "sources/parametric_display.h"
#include "sources/parametric_histogram.h"
#include "sources/parametric_request.h"
#include "texts/main_window_texts.h"
#include "texts/messages.h"
#include "texts/parametric_window_texts.h"

namespace dorvex::gui {

namespace {

using settings::kSectionPosition;
using settings::kSectionSetting;

constexpr char kLeftKey[] = "ParamRozdel-Form12.left";
constexpr char kTopKey[] = "ParamRozdel-Form12.top";
constexpr char kWidthKey[] = "ParamRozdel-Form12.width";
constexpr char kHeightKey[] = "ParamRozdel-Form12.height";
constexpr char kEpsKey[] = "ParamRozdel-Form12.Eps";
constexpr char kCountKey[] = "ParamRozdel-Form12.PocetIntervalu";
constexpr char kColourKey[] = "ParamRozdel-Form12.Color- GRAF pozadí PR";
constexpr char kMarksKey[] = "ParamRozdel-Form12.CBMarks.ItemIndex";
constexpr char kAngleKey[] = "ParamRozdel-Form12.SpinEdAngle.Value";

constexpr int kDefaultWidth = 886;
constexpr int kDefaultHeight = 600;
constexpr unsigned kWhite = 16777215;
constexpr unsigned kBarColour = 0xF0CAA6;    // the parametric bars when the opener gives none
constexpr unsigned kFrameColour = 0x00B9B9;  // the input slots' frame
constexpr unsigned kCurveColour = 0x000080;  // dark red, apart from the bars' blue
constexpr int kSummaryRows = 6;
constexpr int kFirstParameterDefaults = 4;
constexpr int kProbabilityAxisMessage = 207;

// The types whose third parameter is typed (the others compute it or have none).
bool ThirdParameterTyped(int type) {
  return type == sources::kBetaUniversal || type == sources::kTriangular || type == sources::kLogNormal3P;
}

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

ParametricWindow::ParametricWindow(const PlatformServices& services, settings::SettingsFile* settings,
                                   QString graphsFolder, texts::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      services_(services),
      settings_(settings),
      graphsFolder_(std::move(graphsFolder)),
      language_(language) {
  setObjectName(QStringLiteral("TForm12"));
  CreateControls();
  ConnectControls();
  ApplyTexts();
  ReadSettings();
}

void ParametricWindow::CreateControls() {
  typeLabel = Named(new QLabel(this), "Label11");
  typeList = Named(new QComboBox(this), "CBTypRozdeleni");
  typeList->setMaxVisibleItems(30);
  countLabel = Named(new QLabel(this), "Label4");
  countField = Named(new QLineEdit(this), "EdPocetIntervalu");
  epsLabel = Named(new QLabel(this), "Label6");
  epsField = Named(new QLineEdit(this), "EdEps");
  minLabel = Named(new QLabel(this), "Label7");
  minField = Named(new QLineEdit(this), "EdMin");
  maxLabel = Named(new QLabel(this), "Label8");
  maxField = Named(new QLineEdit(this), "EdMax");
  for (QWidget* hidden : std::initializer_list<QWidget*>{minLabel, minField, maxLabel, maxField}) hidden->hide();

  parameterBox = Named(new QGroupBox(this), "GBParametry");
  auto* parameterLayout = new QGridLayout(parameterBox);
  constexpr const char* kLabelNames[4] = {"LabPara1", "LabPara2", "LabPara3", "LabPara4"};
  constexpr const char* kFieldNames[4] = {"EdPara1", "EdPara2", "EdPara3", "EdPara4"};
  for (int i = 0; i < 4; ++i) {
    parameterLabels[i] = Named(new QLabel(parameterBox), kLabelNames[i]);
    parameterFields[i] = Named(new QLineEdit(parameterBox), kFieldNames[i]);
    parameterLayout->addWidget(parameterLabels[i], i, 0);
    parameterLayout->addWidget(parameterFields[i], i, 1);
  }
  const char* initial[kFirstParameterDefaults] = {"1", "2", "1.5", "1"};
  for (int i = 0; i < 4; ++i) parameterFields[i]->setText(QString::fromLatin1(initial[i]));

  summaryGrid = Named(new QTableWidget(kSummaryRows, 2, this), "StringGrid1");
  summaryGrid->horizontalHeader()->hide();
  summaryGrid->verticalHeader()->hide();
  summaryGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  summaryGrid->setFixedHeight(kSummaryRows * summaryGrid->verticalHeader()->defaultSectionSize() + 4);
  intervalGrid = Named(new QTableWidget(0, 3, this), "StringGrid2");
  intervalGrid->horizontalHeader()->hide();
  intervalGrid->verticalHeader()->hide();
  intervalGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Both tables as wide as their texts: the P(x) column must not hide behind a scroll bar.
  for (QTableWidget* grid : {summaryGrid, intervalGrid}) {
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }

  chart = Named(new QChartView(this), "Chart1L");
  SetupHistogramChart(chart, Qt::black);
  chart->setMinimumSize(420, 300);
  chartToolBar = new ChartToolBar("Panel1", chart);

  marksList = Named(new QComboBox(this), "CBMarks");
  angleBox = Named(new QSpinBox(this), "SpinEdAngle");
  angleBox->setRange(0, 360);
  angleBox->setSingleStep(15);
  dataLabelsBox = Named(new QCheckBox(this), "CheckBox1");
  axisLabelsList = Named(new QComboBox(this), "CBValInd");
  pureDiscreteBox = Named(new QCheckBox(this), "ChB_TypHist");
  characteristicsButton = Named(new QPushButton(this), "BChar");
  exportButton = Named(new QToolButton(this), "UlozGraf");
  exportButton->setPopupMode(QToolButton::MenuButtonPopup);
  exportMenu = Named(new QMenu(exportButton), "PopupMenu2");
  exportTargets = new ExportTargets(exportMenu);
  exportButton->setMenu(exportMenu);
  pictureButton = Named(new QPushButton(this), "SpeedButton1");
  closeButton = Named(new QPushButton(this), "BitBtn1");
  computeButton = Named(new QPushButton(this), "VypocetParaRoz");
  computeButton->hide();

  auto* fields = new QGridLayout;
  fields->addWidget(typeLabel, 0, 0);
  fields->addWidget(typeList, 0, 1);
  fields->addWidget(countLabel, 1, 0);
  fields->addWidget(countField, 1, 1);
  fields->addWidget(epsLabel, 2, 0);
  fields->addWidget(epsField, 2, 1);
  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(parameterBox);
  left->addWidget(pureDiscreteBox);
  left->addWidget(summaryGrid);
  left->addWidget(intervalGrid, 1);

  auto* chartControls = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{dataLabelsBox, marksList, angleBox, axisLabelsList,
                                                    characteristicsButton, exportButton, pictureButton})
    chartControls->addWidget(w);
  chartControls->addStretch(1);
  chartControls->addWidget(closeButton);
  auto* right = new QVBoxLayout;
  right->addWidget(chart, 1);
  right->addLayout(chartControls);

  auto* main = new QHBoxLayout(this);
  main->addLayout(left, 0);
  main->addLayout(right, 1);

  for (QLineEdit* field : std::initializer_list<QLineEdit*>{countField, epsField, minField, maxField}) {
    field->installEventFilter(this);
  }
  for (QLineEdit* field : parameterFields) field->installEventFilter(this);
  typeList->installEventFilter(this);
}

void ParametricWindow::ConnectControls() {
  connect(typeList, &QComboBox::currentIndexChanged, this, [this] {
    if (!resetting_) TypeChanged();
  });
  connect(pureDiscreteBox, &QCheckBox::toggled, this, [this] {
    if (!resetting_) Compute();
  });
  for (QLineEdit* field : std::initializer_list<QLineEdit*>{countField, epsField, minField, maxField,
                                                            parameterFields[0], parameterFields[1],
                                                            parameterFields[2], parameterFields[3]}) {
    connect(field, &QLineEdit::textEdited, this, &ParametricWindow::FieldEdited);
  }
  connect(computeButton, &QPushButton::clicked, this, &ParametricWindow::Compute);
  connect(dataLabelsBox, &QCheckBox::toggled, this, &ParametricWindow::Redraw);
  connect(marksList, &QComboBox::currentIndexChanged, this, [this] {
    if (dataLabelsBox->isChecked()) Redraw();
  });
  connect(angleBox, &QSpinBox::valueChanged, this, [this] { dataLabelsBox->setChecked(false); });
  connect(angleBox, &QSpinBox::editingFinished, this, [this] { SetMarksAngle(chart, angleBox->value()); });
  connect(axisLabelsList, &QComboBox::activated, this, [this](int item) {
    emit ValueLabelsChosen(item == 1);
    Redraw();
  });
  connect(characteristicsButton, &QPushButton::clicked, this, [this] {
    if (!computed_) return;
    const model::Histogram bars = sources::HandOverParametric(state_, pureDiscreteBox->isChecked()).histogram;
    ShowCharacteristics(services_, sources::ParametricCharacteristicsTitle(state_.type, language_), bars, language_);
  });
  connect(exportButton, &QToolButton::clicked, this, &ParametricWindow::ExportChart);
  connect(pictureButton, &QPushButton::clicked, this, [this] { CopyWindowToClipboard(this); });
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  connect(summaryGrid, &QTableWidget::cellClicked, this, [this] {
    services_.messages->DefMessageDlg(Message(texts::kTitleConfirmation, language_), Message(201, language_),
                                      MessageKind::Information, MessageButtons::Ok, kResultOk);
  });
}

void ParametricWindow::ApplyTexts() {
  setWindowTitle(ToQt(texts::ParametricWindowTitle(language_)));
  for (QWidget* w : std::initializer_list<QWidget*>{typeLabel, countLabel, epsLabel, minLabel, maxLabel}) {
    static_cast<QLabel*>(w)->setText(ToQt(texts::ParametricControlCaption(ToStd(w->objectName()), language_)));
  }
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{dataLabelsBox, pureDiscreteBox,
                                                                   characteristicsButton, exportButton,
                                                                   pictureButton, closeButton}) {
    b->setText(ToQt(texts::ParametricControlCaption(ToStd(b->objectName()), language_)));
  }
  exportMenu->setTitle(ToQt(texts::ParametricControlCaption(ToStd(exportMenu->objectName()), language_)));
  for (QAction* item : exportTargets->Items()) {
    item->setText(ToQt(texts::ParametricControlCaption(ToStd(item->objectName()), language_)));
  }
  const QSignalBlocker blockType(typeList);
  const int type = typeList->currentIndex();
  typeList->clear();
  for (int i = 0; i < sources::kParamTypeCount; ++i) typeList->addItem(ToQt(sources::ParamListText(i, language_)));
  typeList->setCurrentIndex(type);
  for (QComboBox* list : {marksList, axisLabelsList}) {
    const QSignalBlocker block(list);
    const int item = list->currentIndex();
    list->clear();
    for (const std::string& text : texts::ParametricListItems(ToStd(list->objectName()), language_))
      list->addItem(ToQt(text));
    list->setCurrentIndex(std::max(item, 0));
  }
  const std::vector<std::string> rows = texts::ParametricSummaryRowNames(language_);
  for (int r = 0; r < kSummaryRows; ++r) summaryGrid->setItem(r, 0, new QTableWidgetItem(ToQt(rows[r])));
  summaryGrid->resizeColumnToContents(0);
  chartToolBar->SetLanguage(language_);
}

void ParametricWindow::SetLanguage(texts::Language language) {
  language_ = language;
  ApplyTexts();
  if (computed_) Show();
}

void ParametricWindow::ReadSettings() {
  if (settings_ == nullptr) {
    resize(kDefaultWidth, kDefaultHeight);
    epsField->setText(savedEps_);
    countField->setText(lastCount_);
    return;
  }
  move(settings_->ReadInteger(kSectionPosition, kLeftKey, 0), settings_->ReadInteger(kSectionPosition, kTopKey, 0));
  resize(settings_->ReadInteger(kSectionPosition, kWidthKey, kDefaultWidth),
         settings_->ReadInteger(kSectionPosition, kHeightKey, kDefaultHeight));
  savedEps_ = ToQt(settings_->ReadString(kSectionPosition, kEpsKey, "1E-7"));
  savedEpsValue_ = sources::ReadParamEps(ToStd(savedEps_), sources::kDefaultParamEps, language_).eps;
  lastCount_ = ToQt(settings_->ReadString(kSectionPosition, kCountKey, "128"));
  epsField->setText(savedEps_);
  countField->setText(lastCount_);
  const unsigned colour = static_cast<unsigned>(settings_->ReadInteger(kSectionSetting, kColourKey, kWhite));
  chart->chart()->setBackgroundBrush(FromColorRef(colour));
  // The marks controls sit on the chart's colour.
  for (QWidget* w : std::initializer_list<QWidget*>{marksList, angleBox}) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Base, FromColorRef(colour));
    palette.setColor(QPalette::Button, FromColorRef(colour));
    w->setPalette(palette);
  }
  marksList->setCurrentIndex(std::clamp(settings_->ReadInteger(kSectionSetting, kMarksKey, 2), 0,
                                        marksList->count() - 1));
  angleBox->setValue(settings_->ReadInteger(kSectionSetting, kAngleKey, 90));
}

void ParametricWindow::WriteSettings() {
  savedEps_ = epsField->text();
  if (settings_ == nullptr) return;
  settings_->WriteInteger(kSectionPosition, kLeftKey, x());
  settings_->WriteInteger(kSectionPosition, kTopKey, y());
  settings_->WriteInteger(kSectionPosition, kWidthKey, width());
  settings_->WriteInteger(kSectionPosition, kHeightKey, height());
  settings_->WriteString(kSectionPosition, kEpsKey, ToStd(savedEps_));
  settings_->WriteString(kSectionPosition, kCountKey, ToStd(countField->text()));
  settings_->WriteInteger(kSectionSetting, kColourKey,
                          static_cast<int>(ToColorRef(chart->chart()->backgroundBrush().color())));
  settings_->WriteInteger(kSectionSetting, kMarksKey, marksList->currentIndex());
  settings_->WriteInteger(kSectionSetting, kAngleKey, angleBox->value());
}

void ParametricWindow::ResetToDefaults(int screenWidth) {
  const settings::WindowPlacement placement = settings::ResetWindowPlacement(12, screenWidth);
  setWindowState(Qt::WindowNoState);
  move(placement.left, placement.top);
  resize(placement.width, placement.height);
  marksList->setCurrentIndex(2);
  {
    const QSignalBlocker block(angleBox);
    angleBox->setValue(90);
  }
  dataLabelsBox->setChecked(false);
  savedEps_ = QStringLiteral("0.0000001");
  savedEpsValue_ = 1E-7;
  epsField->setText(savedEps_);
  lastCount_ = QStringLiteral("128");
  countField->setText(lastCount_);
}

void ParametricWindow::ApplyLook(const ParametricLook& look) {
  const auto paint = [](QWidget* w, const QFont& font, QPalette::ColorRole role, const QColor& colour) {
    w->setFont(font);
    if (!colour.isValid()) return;
    QPalette palette = w->palette();
    palette.setColor(role, colour);
    w->setPalette(palette);
  };
  for (QWidget* w : std::initializer_list<QWidget*>{typeLabel, countLabel, epsLabel, minLabel, maxLabel}) {
    paint(w, look.tableFont, QPalette::WindowText, look.tableText);
  }
  for (QLabel* label : parameterLabels) paint(label, look.tableFont, QPalette::WindowText, look.tableText);
  for (QTableWidget* grid : {summaryGrid, intervalGrid}) paint(grid, look.tableFont, QPalette::Text, look.tableText);
  std::vector<QLineEdit*> edits{countField, epsField, minField, maxField};
  edits.insert(edits.end(), std::begin(parameterFields), std::end(parameterFields));
  for (QLineEdit* field : edits) {
    paint(field, look.editFont, QPalette::Text, look.editText);
    paint(field, look.editFont, QPalette::Base, look.editBackground);
  }
}

void ParametricWindow::OpenFor(const ParametricOpening& opening) {
  opening_ = opening;
  ApplyLook(opening.look);
  resetting_ = true;
  axisLabelsList->setCurrentIndex(opening.valueLabels ? 1 : 0);
  ResetDisplay();
  dirty_ = false;
  typeList->setCurrentIndex(0);
  for (int i = 0; i < 4; ++i) {
    parameterLabels[i]->setText(ToQt(sources::UnsetParamLabel(i + 1)));
    parameterLabels[i]->show();
    parameterFields[i]->show();
    parameterFields[i]->setEnabled(false);
  }
  parameterBox->setTitle(ToQt(sources::UnsetParamCaption(language_)));
  state_ = sources::ParamState{};
  state_.firstRun = true;
  for (int i = 0; i < 4; ++i) parameterFields[i]->setText(ToQt(state_.parameterTexts[i]));
  pureDiscreteBox->setChecked(false);
  dataLabelsBox->setChecked(false);
  epsField->setText(savedEps_);
  resetting_ = false;
  show();
  PlaceChartToolBar();
  raise();
  activateWindow();
  Compute();
}

void ParametricWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceChartToolBar();
}

void ParametricWindow::PlaceChartToolBar() {
  // Only a window as wide as the screen has room for the bar beside the chart's title.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const bool wide = isMaximized() || (screen != nullptr && width() >= screen->availableGeometry().width());
  chartToolBar->Place(opening_.chartToolBar && wide);
}

void ParametricWindow::ResetDisplay() {
  computed_ = false;
  chart->hide();
  minField->clear();
  maxField->clear();
  if (intervalGrid->rowCount() > 0) {
    intervalGrid->setItem(0, 0, new QTableWidgetItem());
    intervalGrid->setItem(0, 1, new QTableWidgetItem());
  }
  for (int r = 0; r < kSummaryRows; ++r) summaryGrid->setItem(r, 1, new QTableWidgetItem());
  for (QWidget* w : std::initializer_list<QWidget*>{minField, maxField, countField, characteristicsButton})
    w->setEnabled(false);
}

void ParametricWindow::TypeChanged() {
  state_.firstRun = true;
  ResetDisplay();
  parameterFields[2]->setReadOnly(!ThirdParameterTyped(typeList->currentIndex()));
  Compute();
}

void ParametricWindow::FieldEdited() {
  if (resetting_) return;
  dirty_ = true;
  computed_ = false;
  chart->hide();
}

void ParametricWindow::ShowRefusal(const sources::ParamRefusal& refusal) {
  if (!refusal.shown || refusal.text.empty()) return;
  services_.messages->DefMessageDlg(Message(refusal.titleMessage, language_), ToQt(refusal.text),
                                    refusal.titleMessage == texts::kTitleInformation ? MessageKind::Information
                                                                                     : MessageKind::Error,
                                    MessageButtons::Ok, kResultOk);
}

void ParametricWindow::RestoreLastAccepted(QLineEdit* field) {
  if (field == countField) field->setText(lastCount_);
  for (int i = 0; i < 4; ++i) {
    if (field == parameterFields[i]) field->setText(lastParameters_[i]);
  }
}

void ParametricWindow::Compute() {
  state_.type = typeList->currentIndex() < 0 ? 0 : typeList->currentIndex();
  state_.Eps = sources::ReadParamEps(ToStd(epsField->text()), savedEpsValue_, language_).eps;
  for (QLineEdit* field : parameterFields) field->setEnabled(true);
  const sources::BinsReading bins = sources::ReadParamBins(ToStd(countField->text()), language_);
  if (bins.refusal) {
    countField->setEnabled(true);
    countField->setFocus();
    ShowRefusal(*bins.refusal);
    RestoreLastAccepted(countField);
    return;
  }
  state_.N = bins.bins;
  for (int i = 0; i < 4; ++i) state_.parameterTexts[i] = ToStd(parameterFields[i]->text());
  const std::optional<sources::ParamRefusal> refusal = sources::ComputeParametricHistogram(state_, language_);
  // The run loads the type's first texts and labels also when it refuses.
  for (int i = 0; i < 4; ++i) {
    parameterFields[i]->setText(ToQt(state_.parameterTexts[i]));
    parameterLabels[i]->setText(ToQt(state_.labels[i]));
    const bool used = i < sources::ParamCount(state_.type);
    parameterLabels[i]->setVisible(used);
    parameterFields[i]->setVisible(used);
  }
  parameterBox->setTitle(ToQt(state_.caption));
  const bool epsShown = sources::EpsFieldShown(state_.type, state_.para[0], state_.para[1]);
  epsField->setVisible(epsShown);
  epsLabel->setVisible(epsShown);
  if (refusal) {
    state_.ok = true;
    if (refusal->field >= 1 && refusal->field <= 4) parameterFields[refusal->field - 1]->setFocus();
    ShowRefusal(*refusal);
    return;
  }
  Show();
  for (int i = 0; i < 4; ++i)
    parameterLabels[i]->setText(ToQt(sources::ShownParamLabel(i + 1, state_.labels[i], language_)));
  lastCount_ = countField->text();
  for (int i = 0; i < 4; ++i) lastParameters_[i] = parameterFields[i]->text();
  dirty_ = false;
}

void ParametricWindow::Show() {
  const workbench::ClockReading clock = ClockNow();
  const bool pure = pureDiscreteBox->isChecked();
  const sources::ParametricView view = sources::ViewParametric(state_, pure, clock, opening_.separators, language_);
  parameterBox->setTitle(ToQt(view.caption));
  minField->setText(ToQt(view.minText));
  maxField->setText(ToQt(view.maxText));
  for (int r = 0; r < kSummaryRows; ++r) {
    auto* item = new QTableWidgetItem(ToQt(view.summary[r]));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    summaryGrid->setItem(r, 1, item);
  }
  summaryGrid->resizeColumnToContents(1);
  FillProbabilityGrid(intervalGrid, std::span<const double>(view.bars.P.data() + 1, view.bars.N), view.bars.d,
                      view.bars.Min, !pure, language_);
  intervalGrid->resizeColumnsToContents();
  if (opening_.gridColours) {
    const std::vector<unsigned> colours = sources::IntervalGridRowColours(intervalGrid->rowCount());
    for (int r = 0; r < intervalGrid->rowCount(); ++r) {
      if (colours[static_cast<std::size_t>(r)] == 0) continue;
      for (int c = 0; c < intervalGrid->columnCount(); ++c) {
        if (intervalGrid->item(r, c) == nullptr) intervalGrid->setItem(r, c, new QTableWidgetItem());
        intervalGrid->item(r, c)->setBackground(FromColorRef(colours[static_cast<std::size_t>(r)]));
      }
    }
  }

  HistogramPicture picture;
  picture.mode = ChartMode::Result;
  picture.dateLine = ToQt(view.titleLines[0]);
  picture.title = ToQt(view.titleLines[1]);
  picture.probabilities = view.bars.P.data() + 1;
  picture.count = view.bars.N;
  picture.frame = FromColorRef(kFrameColour);
  picture.bar = opening_.look.bars.isValid() ? opening_.look.bars : FromColorRef(kBarColour);
  picture.d = view.bars.d;
  picture.min = view.bars.Min;
  picture.labels = axisLabelsList->currentIndex() == 1 ? AxisLabelMode::Value : AxisLabelMode::Index;
  picture.marks = {dataLabelsBox->isChecked(), analysis::MarkStyleOfItem(marksList->currentIndex()),
                   angleBox->value()};
  for (const auto& [bars, y] : view.curve) picture.curve << QPointF(bars, y);
  picture.curveColour = FromColorRef(kCurveColour);
  picture.language = language_;
  picture.indexAxisTitle = QString::fromLatin1(texts::kParametricIndexAxisTitle);
  picture.valueAxisTitle = Message(kProbabilityAxisMessage, language_);
  picture.legendTitle = QString::fromLatin1(texts::kParametricLegendTitle);
  DrawHistogram(chart, picture);
  chart->show();
  computed_ = true;
  for (QWidget* w : std::initializer_list<QWidget*>{minField, maxField, countField, characteristicsButton})
    w->setEnabled(true);
}

void ParametricWindow::Redraw() {
  if (computed_) Show();
}

void ParametricWindow::LeaveEps() {
  if (!dirty_) return;
  const sources::EpsReading eps = sources::ReadParamEps(ToStd(epsField->text()), savedEpsValue_, language_);
  if (eps.refusal) {
    ShowRefusal(*eps.refusal);
    epsField->setText(savedEps_);
  }
  Compute();
}

void ParametricWindow::LeaveField(QLineEdit* field) {
  if (field == epsField) {
    LeaveEps();
  } else if (field == parameterFields[2]) {
    Compute();
  } else if (dirty_ && (field == countField || field == parameterFields[0] || field == parameterFields[1] ||
                        field == parameterFields[3])) {
    Compute();
  }
}

bool ParametricWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == typeList) {
    if (event->type() == QEvent::FocusOut && isVisible() && typeList->currentIndex() < 0) {
      typeList->setCurrentIndex(0);
    }
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        focusNextChild();
        return true;
      }
    }
    return QWidget::eventFilter(watched, event);
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::FocusOut && isVisible()) {
    LeaveField(field);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    focusNextChild();
    return true;
  }
  const QString text = key->text();
  if (text.size() != 1 || !text.at(0).isPrint()) return false;
  sources::ParamField kind = sources::ParamField::Parameter;
  if (field == countField) kind = sources::ParamField::Count;
  if (field == epsField) kind = sources::ParamField::Eps;
  if (field == parameterFields[3]) kind = sources::ParamField::Positive;
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

void ParametricWindow::ExportChart() {
  if (!computed_) return;
  exportTargets->Export(services_, chart, graphsFolder_, language_);
}

void ParametricWindow::closeEvent(QCloseEvent* event) {
  WriteSettings();
  if (computed_) {
    model::HandOverBuffer buffer = sources::HandOverParametric(state_, pureDiscreteBox->isChecked());
    buffer.target = opening_.slot;
    emit HandedOver(buffer, ToQt(sources::ParametricSlotName(state_.type, language_)));
  }
  computed_ = false;
  chart->hide();
  dataLabelsBox->setChecked(false);
  emit Closed(opening_.slot);
  event->accept();
}

}  // namespace dorvex::gui

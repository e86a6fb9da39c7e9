#include "analysis/load_duration_window.h"

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <optional>
#include <vector>

#include "analysis/chart_texts.h"
#include "analysis/load_duration.h"
#include "analysis/picture_files.h"
#include "analysis/export_targets.h"
#include "analysis/reliability_summary.h"
#include "analysis/result_commands.h"
#include "app/clock.h"
#include "app/color_ref.h"
#include "app/hints.h"
#include "app/qt_text.h"
#include "app/toolbar_icons.h"
#include "charts/chart_export.h"
#include "charts/chart_tool_bar.h"
#include "charts/draw_histogram.h"
#include "settings/settings_file.h"
#include "settings/window_placement.h"
#include "texts/load_duration_texts.h"

namespace dorvex::gui {

namespace {

using settings::kSectionSetting;

constexpr int kWindowNumber = 8;
constexpr char kMarksKey[] = "KrivkaTrvani-Form8.CBMarks.ItemIndex";
constexpr char kAngleKey[] = "KrivkaTrvani-Form8.SpinEdAngle.Value";
constexpr char kLogAxisKey[] = "KrivkaTrvani-Form8.CheckLogF.Checked";
constexpr char kBackgroundKey[] = "Color- GRAF pozadí KTZ";
constexpr char kWrittenBackgroundKey[] = "KrivkaTrvani-Form8.Color- GRAF pozadí KTZ";
constexpr int kDefaultMarksItem = 2;
constexpr int kDefaultAngle = 90;
constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBarColour = 0xC0DCC0;    // the load-duration bars
constexpr unsigned kTitleColour = 0xFF0000;  // as the result chart's title
constexpr unsigned kFrameColour = 0xE6A264;  // as the result chart's frame
constexpr int kMinimumWidth = 704;
constexpr int kMinimumHeight = 400;
constexpr int kColumnWidths[5] = {34, 87, 92, 92, 92};
constexpr unsigned kLowerBoundColour = 0xB05010;  // blue, below the bars' tops
constexpr unsigned kUpperBoundColour = 0x1C30C8;  // red, above them
constexpr unsigned kTargetColour = 0x800080;      // purple, apart from both
constexpr qreal kLegendInset = 6.0;
constexpr int kLegendMarkerRoom = 36;  // the marker, its gap and the frame
constexpr int kLegendEntryGap = 12;
constexpr int kRowHeight = 17;

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

LoadDurationWindow::LoadDurationWindow(const PlatformServices& services, settings::SettingsFile* settings,
                                       QString graphsFolder, texts::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      services_(services),
      settings_(settings),
      graphsFolder_(std::move(graphsFolder)),
      language_(language) {
  setObjectName(QStringLiteral("TForm8"));
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  CreateControls();
  ConnectControls();
  ApplyTexts();
  ReadSettings();
}

void LoadDurationWindow::CreateControls() {
  chart = Named(new QChartView(this), "Chart1L");
  SetupHistogramChart(chart, FromColorRef(kTitleColour));
  chartToolBar = new ChartToolBar("Panel2", chart);

  table = Named(new QTableWidget(0, 3, this), "StringGrid2");
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(kRowHeight);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  marksBox = Named(new QCheckBox(this), "CheckBox1");
  logAxisBox = Named(new QCheckBox(this), "CheckLogF");
  boundsNote = Named(new QLabel(this), "LabBoundsNote");
  boundsNote->setWordWrap(true);
  boundsNote->hide();
  marksList = Named(new QComboBox(this), "CBMarks");
  axisLabelsList = Named(new QComboBox(this), "CBValInd");
  for (QComboBox* list : {marksList, axisLabelsList}) list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  angleBox = Named(new QSpinBox(this), "SpinEdAngle");
  angleBox->setRange(0, 360);
  angleBox->setSingleStep(15);
  angleBox->setValue(kDefaultAngle);
  // Turned with its arrows only.
  if (auto* typing = angleBox->findChild<QLineEdit*>()) typing->setReadOnly(true);

  const auto toolButton = [this](QToolButton*& button, const char* name, const char* iconOf) {
    button = Named(new QToolButton(this), name);
    button->setIcon(ToolBarIcon(QString::fromLatin1(iconOf), style()));
    button->setIconSize(QSize(kToolIconSize, kToolIconSize));
    button->setAutoRaise(true);
  };
  toolButton(wordButton, "OtevriWord", "OtevriWord");
  toolButton(exportButton, "UlozGraf", "UlozGraf");
  toolButton(pictureButton, "SpeedButton1", "UlozOkno");
  toolButton(closeButton, "ExitBtn", "BitBtn13");

  exportMenu = Named(new QMenu(this), "PopupMenu2");
  exportTargetMenu = Named(exportMenu->addMenu(QString()), "GrafDo");
  exportTargets = new ExportTargets(exportTargetMenu);
  exportButton->setContextMenuPolicy(Qt::CustomContextMenu);

  auto* tools = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{wordButton, exportButton, pictureButton}) tools->addWidget(w);
  tools->addSpacing(12);
  for (QWidget* w : std::initializer_list<QWidget*>{marksBox, marksList, angleBox, axisLabelsList, logAxisBox})
    tools->addWidget(w);
  tools->addStretch(1);
  tools->addWidget(closeButton);

  // The tools span the window, so that the table's bound columns leave the chart room.
  auto* right = new QVBoxLayout;
  right->addWidget(chart, 1);
  right->addWidget(boundsNote);
  auto* body = new QHBoxLayout;
  body->addWidget(table, 0);
  body->addLayout(right, 1);
  auto* main = new QVBoxLayout(this);
  main->addLayout(tools);
  main->addLayout(body, 1);
  angleBox->installEventFilter(this);
}

void LoadDurationWindow::ConnectControls() {
  connect(marksBox, &QCheckBox::toggled, this, [this] { Draw(); });
  connect(logAxisBox, &QCheckBox::toggled, this, [this] { Draw(); });
  connect(axisLabelsList, &QComboBox::activated, this, [this](int item) {
    emit ValueLabelsChosen(item == 1);
    opening_.valueLabels = item == 1;
    Draw();
  });
  connect(angleBox, &QSpinBox::valueChanged, this, [this] { marksBox->setChecked(false); });
  connect(exportButton, &QToolButton::clicked, this, &LoadDurationWindow::ExportChart);
  connect(exportButton, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { exportMenu->popup(exportButton->mapToGlobal(at)); });
  connect(wordButton, &QToolButton::clicked, this, &LoadDurationWindow::WordDocumentRequested);
  connect(pictureButton, &QToolButton::clicked, this, &LoadDurationWindow::WindowPictureRequested);
  connect(closeButton, &QToolButton::clicked, this, &QWidget::close);
}

void LoadDurationWindow::ApplyTexts() {
  setWindowTitle(ToQt(texts::LoadDurationWindowTitle(language_)));
  marksBox->setText(ToQt(texts::LoadDurationCaption("CheckBox1", language_)));
  logAxisBox->setText(ToQt(texts::LoadDurationCaption("CheckLogF", language_)));
  SetHint(logAxisBox, ToQt(texts::LoadDurationHint("CheckLogF", language_)));
  exportTargetMenu->setTitle(ToQt(texts::LoadDurationCaption("GrafDo", language_)));
  for (QAction* item : exportTargets->Items()) {
    item->setText(ToQt(texts::LoadDurationCaption(ToStd(item->objectName()), language_)));
  }
  for (QToolButton* button : {wordButton, exportButton, pictureButton, closeButton}) {
    SetHint(button, ToQt(texts::LoadDurationHint(ToStd(button->objectName()), language_)));
  }
  for (QComboBox* list : {marksList, axisLabelsList}) {
    const QSignalBlocker block(list);
    const int item = list->currentIndex();
    list->clear();
    for (const std::string& text : texts::LoadDurationListItems(ToStd(list->objectName()), language_))
      list->addItem(ToQt(text));
    list->setCurrentIndex(std::max(item, 0));
    // Never narrower than the longest item, or a Czech item is cut.
    list->setMinimumWidth(list->sizeHint().width());
  }
  FitMinimumSize();
}

void LoadDurationWindow::FitMinimumSize() {
  // The designed minimum, or more when the texts of a language need it.
  layout()->invalidate();
  const QSize needed = layout()->totalMinimumSize();
  setMinimumSize(std::max(kMinimumWidth, needed.width()), std::max(kMinimumHeight, needed.height()));
}

void LoadDurationWindow::SetLanguage(texts::Language language) {
  language_ = language;
  ApplyTexts();
  if (opened_ && isVisible()) {
    Draw();
    FillTable();
  }
}

void LoadDurationWindow::ReadSettings() {
  const int screenWidth = screen() != nullptr ? screen()->availableGeometry().width() : kMinimumWidth;
  unsigned background = kWhite;
  int marks = kDefaultMarksItem;
  int angle = kDefaultAngle;
  bool logarithmic = false;
  settings::WindowPlacement placement = settings::ResetWindowPlacement(kWindowNumber, screenWidth);
  if (settings_ != nullptr) {
    placement = settings::ReadWindowPlacement(*settings_, kWindowNumber, screenWidth);
    background = static_cast<unsigned>(settings_->ReadInteger(kSectionSetting, kBackgroundKey, kWhite));
    marks = settings_->ReadInteger(kSectionSetting, kMarksKey, kDefaultMarksItem);
    angle = settings_->ReadInteger(kSectionSetting, kAngleKey, kDefaultAngle);
    logarithmic = settings_->ReadBool(kSectionSetting, kLogAxisKey, false);
  }
  {
    const QSignalBlocker block(logAxisBox);
    logAxisBox->setChecked(logarithmic);
  }
  move(placement.left, placement.top);
  resize(std::max(placement.width, kMinimumWidth), std::max(placement.height, kMinimumHeight));
  chart->chart()->setBackgroundBrush(FromColorRef(background));
  marksList->setCurrentIndex(marks >= 0 && marks < marksList->count() ? marks : kDefaultMarksItem);
  const QSignalBlocker block(angleBox);
  angleBox->setValue(angle);
}

void LoadDurationWindow::WriteSettings() {
  if (settings_ == nullptr) return;
  settings::WriteWindowPlacement(*settings_, kWindowNumber, {x(), y(), width(), height()});
  settings_->WriteInteger(kSectionSetting, kWrittenBackgroundKey,
                          static_cast<int>(ToColorRef(chart->chart()->backgroundBrush().color())));
  settings_->WriteInteger(kSectionSetting, kMarksKey, marksList->currentIndex());
  settings_->WriteInteger(kSectionSetting, kAngleKey, angleBox->value());
  settings_->WriteBool(kSectionSetting, kLogAxisKey, logAxisBox->isChecked());
}

void LoadDurationWindow::ResetToDefaults(int screenWidth) {
  const settings::WindowPlacement placement = settings::ResetWindowPlacement(kWindowNumber, screenWidth);
  setWindowState(Qt::WindowNoState);
  move(placement.left, placement.top);
  resize(placement.width, placement.height);
  marksList->setCurrentIndex(kDefaultMarksItem);
  const QSignalBlocker block(angleBox);
  angleBox->setValue(kDefaultAngle);
  marksBox->setChecked(false);
}

void LoadDurationWindow::OpenFor(const LoadDurationOpening& opening) {
  opening_ = opening;
  opened_ = true;
  {
    const QSignalBlocker block(axisLabelsList);
    axisLabelsList->setCurrentIndex(opening.valueLabels ? 1 : 0);
  }
  QPalette palette = table->palette();
  if (opening.tableText.isValid()) palette.setColor(QPalette::Text, opening.tableText);
  table->setPalette(palette);
  Draw();
  FillTable();
  show();
  PlaceChartToolBar();
  raise();
  activateWindow();
}

void LoadDurationWindow::Draw() {
  if (!opened_) return;
  const model::Histogram& h = opening_.result;
  const bool logarithmic = logAxisBox->isChecked();
  const analysis::TargetReference target = analysis::LoadDurationTarget(h, opening_.targetIndex, language_);
  const double floor =
      logarithmic ? analysis::LogAxisMinimum(target.pf, opening_.failureProbability, opening_.bounds) : 0.0;
  // A bar below the bottom of a logarithmic axis stands on it, with no height.
  const std::vector<double> f = analysis::RaisedTo(analysis::DistributionFunction(h), floor);
  HistogramPicture picture;
  picture.mode = ChartMode::Result;
  picture.dateLine = ToQt(workbench::ChartDateLine(ClockNow(), opening_.separators));
  picture.title = ToQt(opening_.title);
  picture.probabilities = f.data();
  picture.count = static_cast<int>(f.size());
  picture.frame = FromColorRef(kFrameColour);
  picture.bar = FromColorRef(kBarColour);
  picture.d = h.d;
  picture.min = h.Min;
  picture.labels = opening_.valueLabels ? AxisLabelMode::Value : AxisLabelMode::Index;
  picture.marks = {marksBox->isChecked(), analysis::MarkStyleOfItem(marksList->currentIndex()), angleBox->value()};
  picture.language = language_;
  picture.indexAxisTitle = QString::fromLatin1(texts::kLoadDurationIndexAxisTitle);
  picture.valueAxisTitle = ToQt(texts::LoadDurationFunctionAxisTitle(language_));
  DrawHistogram(chart, picture);
  if (logarithmic) UseLogarithmicAxis(floor);
  DrawBoundsAndTarget(target, floor);
}

void LoadDurationWindow::UseLogarithmicAxis(double minimum) {
  QChart* shown = chart->chart();
  const QList<QAbstractAxis*> vertical = shown->axes(Qt::Vertical);
  if (vertical.isEmpty()) return;
  QAbstractAxis* linear = vertical.constFirst();
  auto* axis = new QLogValueAxis();
  axis->setBase(10.0);
  axis->setRange(minimum, 1.0);
  axis->setLabelFormat(QStringLiteral("%.0E"));
  axis->setLabelsFont(linear->labelsFont());
  axis->setTitleFont(linear->titleFont());
  axis->setTitleText(linear->titleText());
  const QList<QAbstractSeries*> series = shown->series();
  for (QAbstractSeries* s : series) s->detachAxis(linear);
  shown->removeAxis(linear);
  delete linear;
  shown->addAxis(axis, Qt::AlignLeft);
  for (QAbstractSeries* s : series) s->attachAxis(axis);
}

void LoadDurationWindow::DrawBoundsAndTarget(const analysis::TargetReference& target, double floor) {
  QChart* shown = chart->chart();
  const QList<QAbstractAxis*> bottom = shown->axes(Qt::Horizontal);
  const QList<QAbstractAxis*> left = shown->axes(Qt::Vertical);
  if (bottom.isEmpty() || left.isEmpty()) return;
  const model::Histogram& h = opening_.result;
  QList<QLineSeries*> added;
  const auto line = [&](const QString& name, unsigned colour, Qt::PenStyle style, qreal width) {
    auto* series = new QLineSeries();
    series->setName(name);
    series->setObjectName(name);
    series->setPen(QPen(FromColorRef(colour), width, style));
    shown->addSeries(series);
    series->attachAxis(bottom.constFirst());
    series->attachAxis(left.constFirst());
    added << series;
    return series;
  };
  const auto points = [](const std::vector<analysis::ChartPoint>& from) {
    QList<QPointF> to;
    to.reserve(static_cast<qsizetype>(from.size()));
    for (const analysis::ChartPoint& p : from) to << QPointF(p.x, p.y);
    return to;
  };

  const bool bounded = opening_.bounds.kind == engine::BoundsKind::Bounded &&
                       analysis::HasDistributionBounds(h, opening_.bounds.distribution);
  if (bounded) {
    const analysis::BoundSteps steps = analysis::DistributionBoundSteps(h, opening_.bounds.distribution, floor);
    line(ToQt(texts::LoadDurationBoundName(texts::BoundSide::Lower, language_)), kLowerBoundColour, Qt::SolidLine,
         1.5)
        ->append(points(steps.lower));
    line(ToQt(texts::LoadDurationBoundName(texts::BoundSide::Upper, language_)), kUpperBoundColour, Qt::SolidLine,
         1.5)
        ->append(points(steps.upper));
  }
  // Bounds on Pf without the distribution's count as none here.
  const engine::BoundsKind kind = opening_.bounds.kind;
  const engine::BoundsKind why =
      bounded || kind != engine::BoundsKind::Bounded ? kind : engine::BoundsKind::NotComputed;
  boundsNote->setText(ToQt(analysis::NoBoundsText(why, language_)));
  boundsNote->setVisible(!bounded);

  const auto* axis = qobject_cast<const QLogValueAxis*>(left.constFirst());
  const auto* linear = qobject_cast<const QValueAxis*>(left.constFirst());
  const double top = axis != nullptr ? axis->max() : (linear != nullptr ? linear->max() : 1.0);
  const double lowest = axis != nullptr ? axis->min() : 0.0;
  const auto* across = qobject_cast<const QValueAxis*>(bottom.constFirst());
  QLineSeries* level = line(ToQt(target.label), kTargetColour, Qt::DashLine, 1.0);
  if (across != nullptr) {
    level->append(across->min(), target.pf);
    level->append(across->max(), target.pf);
  }
  QLineSeries* zero = nullptr;
  if (target.zeroAt) {
    zero = line(QStringLiteral("x = 0"), kTargetColour, Qt::DashLine, 1.0);
    zero->append(*target.zeroAt, lowest);
    zero->append(*target.zeroAt, top);
  }

  // The legend names the bounds and the target; the bars and the zero line need none.
  QLegend* legend = shown->legend();
  legend->setVisible(true);
  QFont font = shown->font();
  font.setPointSizeF(7.0);
  legend->setFont(font);
  for (QLegendMarker* marker : legend->markers()) {
    auto* series = qobject_cast<QLineSeries*>(marker->series());
    marker->setVisible(added.contains(series) && series != zero);
  }
  // One entry under another in the plot's upper left corner, where F is still low:
  // a row above the plot would cut the names short in a narrow window.
  legend->setAlignment(Qt::AlignLeft);
  legend->detachFromChart();
  legend->setBackgroundVisible(true);
  legend->setBrush(QColor(255, 255, 255, 220));
  legend->setPen(QPen(QColor(160, 160, 160)));
  // A detached legend fills its rectangle column by column: one column's size.
  const QFontMetrics metrics(font);
  int widest = 0;
  int entries = 0;
  for (const QLineSeries* series : added) {
    if (series == zero) continue;
    widest = std::max(widest, metrics.horizontalAdvance(series->name()));
    ++entries;
  }
  const QSizeF size(widest + kLegendMarkerRoom,
                    entries * (metrics.lineSpacing() + kLegendEntryGap) + kLegendEntryGap);
  const auto place = [shown, legend, size] {
    legend->setGeometry(QRectF(shown->plotArea().topLeft() + QPointF(kLegendInset, kLegendInset), size));
    legend->update();
  };
  QObject::disconnect(legendPlacing_);
  legendPlacing_ = connect(shown, &QChart::plotAreaChanged, legend, place);
  place();
}

void LoadDurationWindow::FillTable() {
  const engine::DistributionBounds* bounds =
      opening_.bounds.kind == engine::BoundsKind::Bounded ? &opening_.bounds.distribution : nullptr;
  const std::vector<analysis::LoadDurationRow> rows = analysis::LoadDurationTable(opening_.result, bounds, language_);
  const std::vector<std::optional<unsigned>> colours = analysis::LoadDurationRowColours(opening_.result);
  const int columns = static_cast<int>(rows.front().size());
  table->clearContents();
  table->setColumnCount(columns);
  table->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < columns; ++c) {
      auto* item = new QTableWidgetItem(ToQt(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
      if (r > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (opening_.gridColours && colours[static_cast<std::size_t>(r)]) {
        item->setBackground(FromColorRef(*colours[static_cast<std::size_t>(r)]));
      }
      table->setItem(r, c, item);
    }
  }
  int width = 2 * table->frameWidth();
  for (int c = 0; c < columns; ++c) {
    table->resizeColumnToContents(c);
    table->setColumnWidth(c, std::max(table->columnWidth(c), kColumnWidths[c]));
    width += table->columnWidth(c);
  }
  table->setFixedWidth(width + table->verticalScrollBar()->sizeHint().width());
  FitMinimumSize();
}

void LoadDurationWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceChartToolBar();
}

void LoadDurationWindow::PlaceChartToolBar() {
  // Only a window as wide as the screen has room for the bar beside the chart's title.
  const QScreen* shown = screen();
  const bool wide = isMaximized() || (shown != nullptr && width() >= shown->availableGeometry().width());
  chartToolBar->Place(opening_.chartToolBar && wide);
}

bool LoadDurationWindow::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the spinner turns the drawn marks at once, without drawing anew.
  if (watched == angleBox && event->type() == QEvent::FocusOut) SetMarksAngle(chart, angleBox->value());
  return QWidget::eventFilter(watched, event);
}

void LoadDurationWindow::ExportChart() {
  if (!opened_) return;
  exportTargets->Export(services_, chart, graphsFolder_, language_);
}

void LoadDurationWindow::closeEvent(QCloseEvent* event) {
  WriteSettings();
  {
    const QSignalBlocker block(marksBox);
    marksBox->setChecked(false);
  }
  emit Closed();
  event->accept();
}

}  // namespace dorvex::gui

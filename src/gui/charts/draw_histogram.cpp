#include "charts/draw_histogram.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

#include "app/qt_text.h"
#include "charts/chart_marks.h"
#include "analysis/chart_texts.h"

namespace dorvex::gui {

namespace {

constexpr char kTitleLinesProperty[] = "dorvexTitleLines";
constexpr char kMarkedProperty[] = "dorvexMarkedBars";
constexpr char kLabelsProperty[] = "dorvexAxisLabels";
constexpr char kLabelStepProperty[] = "dorvexLabelStep";
// The chart component keeps this much free on either side of an axis label and
// cuts a label that does not fit its share with the free room.
constexpr int kAxisLabelPadding = 5;
constexpr int kChartMargin = 2;
// Outlines part the bars while they are wide; on hundreds of one-pixel bars they
// would hide the bar colour.
constexpr int kMostOutlinedBars = 64;
constexpr int kValueAxisTitleMessage = 208;

void SetTitleLines(QChart* chart, const QStringList& lines) {
  chart->setProperty(kTitleLinesProperty, lines);
  if (lines.size() <= 1) {
    chart->setTitle(lines.isEmpty() ? QString() : lines.constFirst());
    return;
  }
  QStringList escaped;
  for (const QString& line : lines) escaped << line.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
  chart->setTitle(escaped.join(QStringLiteral("<br>")));
}

// The chart component shows its texts as rich text, which folds runs of blanks into one.
QString KeepBlanks(QString text) { return text.replace(QLatin1Char(' '), QChar(0x00A0)); }

void RemoveBarsAndAxes(QChart* chart) {
  ChartMarks::RemoveFrom(chart);
  chart->removeAllSeries();
  const auto axes = chart->axes();
  for (QAbstractAxis* axis : axes) {
    chart->removeAxis(axis);
    delete axis;
  }
  chart->setProperty(kMarkedProperty, 0);
  chart->setProperty(kLabelsProperty, QStringList());
  chart->setProperty(kLabelStepProperty, 0);
}

// What the bottom-axis labels are made of, kept to thin them anew when the plot's
// width changes.
struct AxisLabelSource {
  bool valueLabels = true;
  double min = 0.0;
  double d = 0.0;
  int count = 0;
  QFont font;
};

QString BarLabel(const AxisLabelSource& source, int i) {
  return ToQt(analysis::BarLabelText(source.valueLabels, source.min, source.d, i));
}

// The plot's width, or before the first layout the view's without the value axis and margins.
double PlotWidth(const QChartView* view) {
  const double laidOut = view->chart()->plotArea().width();
  return laidOut > 0.0 ? laidOut : std::max(40.0, view->width() - 70.0);
}

// Width of the widest label, from a sample of at most about 64 of them.
int WidestLabel(const AxisLabelSource& source) {
  const QFontMetrics metrics(source.font);
  int widest = 1;
  const int probe = std::max(1, source.count / 64);
  for (int i = 0; i < source.count; i += probe) widest = std::max(widest, metrics.horizontalAdvance(BarLabel(source, i)));
  return widest;
}

// Puts every step-th label on the axis, the step fitting the labels into the plot's width.
void ThinAxisLabels(QChartView* view, QCategoryAxis* bottom, const AxisLabelSource& source) {
  const int widest = WidestLabel(source);
  const int step = analysis::LabelStep(source.count, widest + 2 * kAxisLabelPadding, PlotWidth(view));
  QChart* chart = view->chart();
  if (chart->property(kLabelStepProperty).toInt() == step) return;
  chart->setProperty(kLabelStepProperty, step);
  for (const QString& label : bottom->categoriesLabels()) bottom->remove(label);
  QStringList shown;
  for (int i = 0; i < source.count; i += step) {
    shown << BarLabel(source, i);
    bottom->append(shown.constLast(), i);
  }
  chart->setProperty(kLabelsProperty, shown);
}

QBarSet* MakeSet(const QString& name, const QColor& colour, const QList<qreal>& values, int count) {
  auto* set = new QBarSet(name);
  set->setColor(colour);
  set->setBorderColor(count <= kMostOutlinedBars ? colour.darker(170) : colour);
  set->append(values);
  return set;
}

QStackedBarSeries* BarSeries(const QChartView* view) {
  for (QAbstractSeries* series : view->chart()->series()) {
    if (auto* bars = qobject_cast<QStackedBarSeries*>(series)) return bars;
  }
  return nullptr;
}

// With a title the legend shows one entry, the bars under that title; else none.
void ShowLegend(QChart* chart, QStackedBarSeries* bars, const QString& title, const QFont& font) {
  QLegend* legend = chart->legend();
  legend->setVisible(!title.isEmpty());
  if (title.isEmpty()) return;
  legend->setAlignment(Qt::AlignTop);
  legend->setFont(font);
  const QList<QLegendMarker*> markers = legend->markers();
  const QList<QLegendMarker*> ours = legend->markers(bars);
  for (QLegendMarker* marker : markers) marker->setVisible(marker == ours.constLast());
  ours.constLast()->setLabel(KeepBlanks(title));
}

}  // namespace

void SetupHistogramChart(QChartView* view, const QColor& titleColour) {
  auto* chart = new QChart();
  chart->legend()->hide();
  chart->setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  chart->setBackgroundRoundness(0);
  chart->setTitleBrush(titleColour);
  QFont titleFont = chart->titleFont();
  titleFont.setPointSizeF(std::max(7.0, titleFont.pointSizeF() - 1.0));
  titleFont.setBold(true);
  chart->setTitleFont(titleFont);
  view->setChart(chart);
  view->setRenderHint(QPainter::Antialiasing, false);
}

int HeightForValueAxisTitle(const QChartView* view, const QString& title) {
  const QChart* chart = view->chart();
  QFont axisTitleFont = chart->font();
  axisTitleFont.setPointSizeF(7.0);
  axisTitleFont.setBold(true);
  const QFontMetrics axis(axisTitleFont);
  // Beside the plot: two title lines, the bottom axis' labels and title, the margins
  // and the chart's own padding (measured: about one more line and some).
  const int besidePlot = 2 * QFontMetrics(chart->titleFont()).lineSpacing() + 3 * axis.lineSpacing() +
                         2 * kChartMargin + 2 * view->frameWidth() + 6 * kAxisLabelPadding;
  return axis.horizontalAdvance(title) + besidePlot;
}

void ClearHistogramChart(QChartView* view, const QStringList& titleLines) {
  QChart* chart = view->chart();
  RemoveBarsAndAxes(chart);
  SetTitleLines(chart, titleLines);
}

void SetChartTitleLines(QChartView* view, const QStringList& lines) { SetTitleLines(view->chart(), lines); }

void DrawHistogram(QChartView* view, const HistogramPicture& picture) {
  QChart* chart = view->chart();
  RemoveBarsAndAxes(chart);
  QStringList title;
  if (picture.mode == ChartMode::Result) title << picture.dateLine;
  title << picture.title;
  SetTitleLines(chart, title);
  chart->setBackgroundPen(QPen(picture.frame, 2));
  if (picture.count <= 0 || picture.probabilities == nullptr) return;

  // The marker bars and the others stack on the same places, each bar in one of them.
  const int marked = std::clamp(picture.marked, 0, picture.count);
  QList<qreal> values;
  QList<qreal> markerValues;
  QList<qreal> restValues;
  double highest = 0.0;
  for (int i = 0; i < picture.count; ++i) {
    const double p = picture.probabilities[i];
    values << p;
    markerValues << (i < marked ? p : 0.0);
    restValues << (i < marked ? 0.0 : p);
    highest = std::max(highest, p);
  }
  for (const QPointF& point : picture.curve) highest = std::max(highest, point.y());
  auto* series = new QStackedBarSeries();
  series->setName(picture.title);
  series->setBarWidth(1.0);
  if (marked > 0) series->append(MakeSet(picture.title, picture.markedBar, markerValues, picture.count));
  series->append(MakeSet(picture.title, picture.bar, marked > 0 ? restValues : values, picture.count));
  chart->addSeries(series);
  chart->setProperty(kMarkedProperty, marked);
  if (picture.barClicked) {
    for (QBarSet* set : series->barSets()) {
      QObject::connect(set, &QBarSet::clicked, view, [callback = picture.barClicked](int) { callback(); });
    }
  }

  QFont axisFont = chart->font();
  axisFont.setPointSizeF(7.0);
  auto* bottom = new QCategoryAxis();
  bottom->setLabelsFont(axisFont);
  bottom->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  bottom->setStartValue(-0.5);
  bottom->setRange(-0.5, picture.count - 0.5);
  bottom->setGridLineVisible(false);
  if (picture.mode == ChartMode::Result) {
    QFont axisTitleFont = axisFont;
    axisTitleFont.setBold(true);
    bottom->setTitleFont(axisTitleFont);
    const QString indexTitle =
        picture.indexAxisTitle.isEmpty() ? QString::fromLatin1(analysis::kIndexAxisTitle) : picture.indexAxisTitle;
    bottom->setTitleText(KeepBlanks(
        picture.labels == AxisLabelMode::Value ? Message(kValueAxisTitleMessage, picture.language) : indexTitle));
  }
  const AxisLabelSource source{picture.labels == AxisLabelMode::Value, picture.min, picture.d, picture.count, axisFont};
  // A label on the last bar stands half beyond the plot; the right margin keeps it whole.
  chart->setMargins(QMargins(kChartMargin, kChartMargin,
                             std::max(kChartMargin, WidestLabel(source) / 2 + kAxisLabelPadding), kChartMargin));
  ThinAxisLabels(view, bottom, source);
  chart->addAxis(bottom, Qt::AlignBottom);
  series->attachAxis(bottom);
  // A narrower or wider window fits fewer or more labels; the axis goes with its chart's bars.
  QObject::connect(chart, &QChart::plotAreaChanged, bottom,
                   [view, bottom, source] { ThinAxisLabels(view, bottom, source); });

  auto* left = new QValueAxis();
  left->setLabelsFont(axisFont);
  // Room above the highest bar for its mark.
  left->setRange(0.0, highest > 0.0 ? highest * (picture.marks.visible ? 1.25 : 1.05) : 1.0);
  left->setTickCount(3);
  left->setLabelFormat(QStringLiteral("%.3g"));
  if (!picture.valueAxisTitle.isEmpty()) {
    QFont axisTitleFont = axisFont;
    axisTitleFont.setBold(true);
    left->setTitleFont(axisTitleFont);
    left->setTitleText(KeepBlanks(picture.valueAxisTitle));
  }
  chart->addAxis(left, Qt::AlignLeft);
  series->attachAxis(left);

  if (!picture.curve.isEmpty()) {
    auto* line = new QLineSeries();
    line->setName(QStringLiteral("curve"));
    line->setPen(QPen(picture.curveColour, 1.0));
    line->append(picture.curve);
    chart->addSeries(line);
    line->attachAxis(bottom);
    line->attachAxis(left);
  }

  if (std::isfinite(picture.queryAt)) {
    // The marked bars of a far tail are too low to see; the line shows where the query stands.
    auto* line = new QLineSeries();
    line->setName(QStringLiteral("query"));
    line->setPen(QPen(picture.markedBar, 1.5, Qt::DashLine));
    line->append(picture.queryAt, 0.0);
    line->append(picture.queryAt, left->max());
    chart->addSeries(line);
    line->attachAxis(bottom);
    line->attachAxis(left);
  }

  ShowLegend(chart, series, picture.legendTitle, axisFont);

  if (picture.marks.visible) {
    const analysis::MarkStyle style = picture.marks.style;
    QStringList texts;
    for (int i = 0; i < picture.count; ++i) {
      const std::string label = analysis::BarLabelText(picture.labels == AxisLabelMode::Value, picture.min, picture.d, i);
      texts << ToQt(analysis::MarkText(style, label, i, picture.probabilities[i]));
    }
    new ChartMarks(chart, series, values, texts, picture.marks.angle);
  }
}

void SetMarksAngle(QChartView* view, int angle) {
  if (ChartMarks* marks = ChartMarks::Of(view->chart())) marks->SetAngle(angle);
}

QStringList ChartTitleLines(const QChartView* view) {
  return view->chart()->property(kTitleLinesProperty).toStringList();
}

int ChartBarCount(const QChartView* view) {
  const QStackedBarSeries* series = BarSeries(view);
  if (series == nullptr || series->barSets().isEmpty()) return 0;
  return series->barSets().constLast()->count();
}

int ChartMarkedBars(const QChartView* view) { return view->chart()->property(kMarkedProperty).toInt(); }

QColor ChartBarColour(const QChartView* view, int i) {
  const QStackedBarSeries* series = BarSeries(view);
  if (series == nullptr || i < 0 || i >= ChartBarCount(view)) return {};
  const QList<QBarSet*> sets = series->barSets();
  return (i < ChartMarkedBars(view) ? sets.constFirst() : sets.constLast())->color();
}

QColor ChartFrameColour(const QChartView* view) { return view->chart()->backgroundPen().color(); }

QStringList ChartAxisLabels(const QChartView* view) {
  return view->chart()->property(kLabelsProperty).toStringList();
}

QStringList ChartMarkTexts(const QChartView* view) {
  const ChartMarks* marks = ChartMarks::Of(view->chart());
  return marks != nullptr ? marks->Texts() : QStringList();
}

QStringList ChartShownMarkTexts(const QChartView* view) {
  const ChartMarks* marks = ChartMarks::Of(view->chart());
  return marks != nullptr ? marks->ShownTexts() : QStringList();
}

QStringList ChartLegendTexts(const QChartView* view) {
  QStringList texts;
  const QLegend* legend = view->chart()->legend();
  if (!legend->isVisible()) return texts;
  for (const QLegendMarker* marker : legend->markers()) {
    if (marker->isVisible()) texts << marker->label();
  }
  return texts;
}

namespace {

QString AxisTitle(const QChartView* view, Qt::Alignment side) {
  const auto axes = view->chart()->axes(side == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
  if (axes.isEmpty()) return {};
  return axes.constFirst()->titleText().replace(QChar(0x00A0), QLatin1Char(' '));
}

}  // namespace

QString ChartBottomAxisTitle(const QChartView* view) { return AxisTitle(view, Qt::AlignBottom); }

QString ChartValueAxisTitle(const QChartView* view) { return AxisTitle(view, Qt::AlignLeft); }

int ChartMarksAngle(const QChartView* view) {
  const ChartMarks* marks = ChartMarks::Of(view->chart());
  return marks != nullptr ? marks->Angle() : 0;
}

}  // namespace dorvex::gui

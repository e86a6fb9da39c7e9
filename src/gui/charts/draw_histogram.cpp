#include "charts/draw_histogram.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QValueAxis>

#include <algorithm>

#include "statvex/number_text.h"

namespace dorvex::gui {

namespace {

constexpr char kTitleLinesProperty[] = "dorvexTitleLines";
// Free room between two bottom-axis labels, in percent of a label's width.
constexpr double kLabelSeparationPercent = 30.0;

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

void RemoveBarsAndAxes(QChart* chart) {
  chart->removeAllSeries();
  const auto axes = chart->axes();
  for (QAbstractAxis* axis : axes) {
    chart->removeAxis(axis);
    delete axis;
  }
}

QString BarLabel(const HistogramPicture& picture, int i) {
  if (picture.labels == AxisLabelMode::Index) return QString::number(i);
  // (min - d) + d * (i + 1) rather than min + i * d: the labels keep the values the
  // listings show for the same bars.
  const double x = (picture.min - picture.d) + picture.d * (i + 1);
  return QString::fromStdString(statvex::StrBottomGraf(x)).trimmed();
}

// Every how many bars a label fits, so that labels keep their separation.
int LabelStep(const QChartView* view, const QFont& font, const HistogramPicture& picture) {
  const QFontMetrics metrics(font);
  int widest = 1;
  const int probe = std::max(1, picture.count / 64);
  for (int i = 0; i < picture.count; i += probe) {
    widest = std::max(widest, metrics.horizontalAdvance(BarLabel(picture, i)));
  }
  const double room = widest * (1.0 + kLabelSeparationPercent / 100.0);
  // The plot is narrower than the view by the value axis and the margins.
  const double plotWidth = std::max(40.0, view->width() - 70.0);
  const int fitting = std::max(1, static_cast<int>(plotWidth / room));
  return std::max(1, (picture.count + fitting - 1) / fitting);
}

}  // namespace

void SetupHistogramChart(QChartView* view, const QColor& titleColour) {
  auto* chart = new QChart();
  chart->legend()->hide();
  chart->setMargins(QMargins(2, 2, 2, 2));
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

void ClearHistogramChart(QChartView* view, const QStringList& titleLines) {
  QChart* chart = view->chart();
  RemoveBarsAndAxes(chart);
  SetTitleLines(chart, titleLines);
}

void DrawHistogram(QChartView* view, const HistogramPicture& picture) {
  QChart* chart = view->chart();
  RemoveBarsAndAxes(chart);
  QStringList title;
  if (picture.mode == 3) title << QString();  // the result's date line comes with the result chart
  title << picture.title;
  SetTitleLines(chart, title);
  chart->setBackgroundPen(QPen(picture.frame, 2));
  if (picture.count <= 0 || picture.probabilities == nullptr) return;

  auto* set = new QBarSet(picture.title);
  set->setColor(picture.bar);
  // Outlines part the bars while they are wide; on hundreds of one-pixel bars
  // they would hide the bar colour.
  constexpr int kMostOutlinedBars = 64;
  set->setBorderColor(picture.count <= kMostOutlinedBars ? picture.bar.darker(170) : picture.bar);
  double highest = 0.0;
  QList<qreal> values;
  values.reserve(picture.count);
  for (int i = 0; i < picture.count; ++i) {
    values << picture.probabilities[i];
    highest = std::max(highest, picture.probabilities[i]);
  }
  set->append(values);
  auto* series = new QBarSeries();
  series->setName(picture.title);
  series->setBarWidth(1.0);
  series->append(set);
  chart->addSeries(series);

  QFont axisFont = chart->font();
  axisFont.setPointSizeF(7.0);
  auto* bottom = new QCategoryAxis();
  bottom->setLabelsFont(axisFont);
  bottom->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  bottom->setStartValue(-0.5);
  bottom->setRange(-0.5, picture.count - 0.5);
  bottom->setGridLineVisible(false);
  const int step = LabelStep(view, axisFont, picture);
  for (int i = 0; i < picture.count; i += step) bottom->append(BarLabel(picture, i), i);
  chart->addAxis(bottom, Qt::AlignBottom);
  series->attachAxis(bottom);

  auto* left = new QValueAxis();
  left->setLabelsFont(axisFont);
  left->setRange(0.0, highest > 0.0 ? highest * 1.05 : 1.0);
  left->setTickCount(3);
  left->setLabelFormat(QStringLiteral("%.3g"));
  chart->addAxis(left, Qt::AlignLeft);
  series->attachAxis(left);
}

QStringList ChartTitleLines(const QChartView* view) {
  return view->chart()->property(kTitleLinesProperty).toStringList();
}

int ChartBarCount(const QChartView* view) {
  int bars = 0;
  for (QAbstractSeries* series : view->chart()->series()) {
    if (auto* barSeries = qobject_cast<QBarSeries*>(series)) {
      for (QBarSet* set : barSeries->barSets()) bars += set->count();
    }
  }
  return bars;
}

}  // namespace dorvex::gui

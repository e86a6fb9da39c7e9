#include "charts/chart_marks.h"

#include <algorithm>

#include <QAbstractSeries>
#include <QChart>
#include <QFont>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>

#include "analysis/chart_texts.h"

namespace dorvex::gui {

namespace {

constexpr char kMarksName[] = "dorvexChartMarks";
// Free room between a bar's top and its mark, in pixels.
constexpr double kGap = 3.0;

}  // namespace

ChartMarks::ChartMarks(QChart* chart, QAbstractSeries* series, const QList<qreal>& values, const QStringList& texts,
                       int angle)
    : QObject(chart), chart_(chart), series_(series), values_(values), texts_(texts), angle_(angle) {
  setObjectName(QString::fromLatin1(kMarksName));
  QFont font = chart->font();
  font.setPointSizeF(7.0);
  for (const QString& text : texts_) {
    auto* item = new QGraphicsSimpleTextItem(text, chart);
    item->setFont(font);
    item->setZValue(10.0);
    items_ << item;
  }
  connect(chart, &QChart::plotAreaChanged, this, &ChartMarks::Place);
  Place();
}

// The texts are graphics children of the chart: they go with it, or with RemoveFrom.
ChartMarks::~ChartMarks() = default;

void ChartMarks::SetAngle(int angle) {
  angle_ = angle;
  Place();
}

QStringList ChartMarks::ShownTexts() const {
  QStringList shown;
  for (int i = 0; i < texts_.size(); ++i) {
    if (items_.at(i)->isVisible()) shown << texts_.at(i);
  }
  return shown;
}

void ChartMarks::RaiseAxisOverMarks() {
  QValueAxis* axis = nullptr;
  for (QAbstractAxis* attached : series_->attachedAxes()) {
    if (attached->orientation() == Qt::Vertical) axis = qobject_cast<QValueAxis*>(attached);
  }
  const double plotHeight = chart_->plotArea().height();
  if (axis == nullptr || !(plotHeight > 0.0)) return;
  // The marks shown stay under the plot's top, clear of the chart's title.
  double top = axis->max();
  double highest = 0.0;
  for (int i = 0; i < items_.size(); i += step_) {
    const QRectF box = items_.at(i)->boundingRect();
    const double room = kGap + analysis::TurnedWidth(box.height(), box.width(), angle_);
    top = std::max(top, analysis::AxisTopLeavingRoom(values_.at(i), room, plotHeight));
    highest = std::max(highest, values_.at(i));
  }
  top = std::min(top, std::max(axis->max(), analysis::kMostAxisRiseForMarks * highest));
  if (top > axis->max()) axis->setMax(top);
}

ChartMarks* ChartMarks::Of(const QChart* chart) {
  return chart->findChild<ChartMarks*>(QString::fromLatin1(kMarksName), Qt::FindDirectChildrenOnly);
}

void ChartMarks::RemoveFrom(QChart* chart) {
  ChartMarks* marks = Of(chart);
  if (marks == nullptr) return;
  for (QGraphicsSimpleTextItem* item : marks->items_) delete item;
  delete marks;
}

void ChartMarks::Place() {
  if (series_.isNull()) return;
  // Marks wider than their bars are thinned as the axis labels are.
  double widest = 0.0;
  for (const QGraphicsSimpleTextItem* item : items_) {
    const QRectF box = item->boundingRect();
    widest = std::max(widest, analysis::TurnedWidth(box.width(), box.height(), angle_));
  }
  const double plotWidth = chart_->plotArea().width();
  step_ = analysis::LabelStep(static_cast<int>(items_.size()), widest, plotWidth);
  RaiseAxisOverMarks();
  const double plotTop = chart_->plotArea().top();
  for (int i = 0; i < items_.size(); ++i) {
    QGraphicsSimpleTextItem* item = items_.at(i);
    const QRectF box = item->boundingRect();
    // The turned text stands on the bar's top, centred over it.
    const double rise = analysis::TurnedWidth(box.height(), box.width(), angle_) / 2;
    const QPointF top = chart_->mapToPosition(QPointF(i, values_.at(i)), series_);
    const QPointF centre = top - QPointF(0.0, kGap + rise);
    item->setTransformOriginPoint(box.center());
    item->setRotation(-angle_);
    item->setPos(centre - box.center());
    // A mark that would reach over the plot into the title is left out.
    item->setVisible(i % step_ == 0 && centre.y() - rise >= plotTop);
  }
}

}  // namespace dorvex::gui

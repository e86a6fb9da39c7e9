#pragma once
// Data marks over the bars of a chart: one text per bar, turned by an angle and
// kept above its bar when the plot area moves.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QAbstractSeries;
class QChart;
class QGraphicsSimpleTextItem;
QT_END_NAMESPACE

namespace dorvex::gui {

class ChartMarks : public QObject {
  Q_OBJECT

 public:
  // Marks for the bars of `series` in `chart`: bar i gets texts[i] above the height
  // values[i]. The marks belong to the chart and go with it.
  ChartMarks(QChart* chart, QAbstractSeries* series, const QList<qreal>& values, const QStringList& texts,
             int angle);
  ~ChartMarks() override;

  // Turns every mark to `angle` degrees (counter-clockwise).
  void SetAngle(int angle);
  int Angle() const { return angle_; }
  const QStringList& Texts() const { return texts_; }
  // The texts shown: every bar's while they fit over their bars, else every step-th;
  // none that would reach over the plot.
  QStringList ShownTexts() const;

  // The marks of `chart`, or nullptr when it has none.
  static ChartMarks* Of(const QChart* chart);
  // Removes the marks of `chart`.
  static void RemoveFrom(QChart* chart);

 private:
  void Place();
  // Lifts the top of the value axis until every mark shown fits under it.
  void RaiseAxisOverMarks();

  QChart* chart_;
  QPointer<QAbstractSeries> series_;
  QList<qreal> values_;
  QStringList texts_;
  QList<QGraphicsSimpleTextItem*> items_;
  int angle_;
  int step_ = 1;
};

}  // namespace dorvex::gui

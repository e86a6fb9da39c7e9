#pragma once
// Histograms as bar charts: the one drawing routine every chart of the program uses.

#include <QColor>
#include <QString>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::gui {

// What the bottom axis labels show: the 0-based bar number or the bar's value x.
enum class AxisLabelMode { Index, Value };

struct HistogramPicture {
  int mode = 1;                          // 1 an input or generator histogram, 3 a result
  const double* probabilities = nullptr;  // bar i shows probabilities[i]
  int count = 0;                         // number of bars
  QColor frame;                          // chart frame
  QColor bar;                            // every bar
  QString title;                         // series title and last title line
  double d = 0.0;                        // class width: bar i stands at min + i * d
  double min = 0.0;
  AxisLabelMode labels = AxisLabelMode::Value;
};

// Gives the view an empty chart in the program's look, titles in `titleColour`.
void SetupHistogramChart(QChartView* view, const QColor& titleColour);
// Removes the bars and axes and sets the title lines.
void ClearHistogramChart(QChartView* view, const QStringList& titleLines);
// Replaces the chart's bars by the picture's, with thinned bottom-axis labels.
void DrawHistogram(QChartView* view, const HistogramPicture& picture);
// The chart's title lines as set last.
QStringList ChartTitleLines(const QChartView* view);
// Number of bars in the chart (0 when empty).
int ChartBarCount(const QChartView* view);

}  // namespace dorvex::gui

#pragma once
// Histograms as bar charts: the one drawing routine every chart of the program uses.

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <cmath>
#include <functional>
#include <limits>

#include "analysis/chart_texts.h"
#include "texts/language.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::gui {

// What the bottom axis labels show: the 0-based bar number or the bar's value x.
enum class AxisLabelMode { Index, Value };

// Data marks over the bars: shown or not, the style and the angle of the text in degrees.
struct MarksOptions {
  bool visible = false;
  analysis::MarkStyle style = analysis::MarkStyle::LabelAndValue;
  int angle = 90;
};

// What a chart shows: an input or generator histogram, or a result (with its date
// line over the title and a titled bottom axis).
enum class ChartMode { Input, Result };

struct HistogramPicture {
  ChartMode mode = ChartMode::Input;
  const double* probabilities = nullptr;  // bar i shows probabilities[i]
  int count = 0;                         // number of bars
  QColor frame;                          // chart frame
  QColor bar;                            // every bar not marked
  QString title;                         // series title and last title line
  QString dateLine;                      // a result's title line above the title
  double d = 0.0;                        // class width: bar i stands at min + i * d
  double min = 0.0;
  AxisLabelMode labels = AxisLabelMode::Value;
  // The first `marked` bars form the marker series, in `markedBar`.
  int marked = 0;
  QColor markedBar;
  // A queried value, drawn as a line in `markedBar` at min + queryAt * d (in bars);
  // NaN for none.
  double queryAt = std::numeric_limits<double>::quiet_NaN();
  MarksOptions marks;
  // A thin line over the bars in bar units (bar i at x = i), e.g. a density; empty: none.
  QList<QPointF> curve;
  QColor curveColour;
  texts::Language language = texts::Language::English;  // of the bottom axis' title
  // A result's bottom-axis title in index-label mode; empty: the result charts' own.
  QString indexAxisTitle;
  // Title of the value (left) axis; empty: none.
  QString valueAxisTitle;
  // Shown as a legend of the bars when not empty; the charts have none otherwise.
  QString legendTitle;
  // Called when the user clicks a bar; may be empty.
  std::function<void()> barClicked;
};

// Gives the view an empty chart in the program's look, titles in `titleColour`.
void SetupHistogramChart(QChartView* view, const QColor& titleColour);
// Removes the bars, marks and axes and sets the title lines.
void ClearHistogramChart(QChartView* view, const QStringList& titleLines);
// Replaces the chart's bars by the picture's, with thinned bottom-axis labels; a
// result's value axis is titled in the picture's language.
void DrawHistogram(QChartView* view, const HistogramPicture& picture);
// Replaces the title lines and leaves the bars as they are.
void SetChartTitleLines(QChartView* view, const QStringList& lines);
// Turns the marks of the drawn bars to `angle` degrees, without drawing them anew.
void SetMarksAngle(QChartView* view, int angle);

// What a chart shows, for the windows' own checks and the tests.
// The chart's title lines as set last.
QStringList ChartTitleLines(const QChartView* view);
// Number of bars in the chart (0 when empty).
int ChartBarCount(const QChartView* view);
// Number of bars in the marker series.
int ChartMarkedBars(const QChartView* view);
// Colour of bar i (0-based); invalid when there is no such bar.
QColor ChartBarColour(const QChartView* view, int i);
// Colour of the chart frame.
QColor ChartFrameColour(const QChartView* view);
// The bottom-axis labels shown, left to right.
QStringList ChartAxisLabels(const QChartView* view);
// The texts of the data marks, bar by bar; empty when the marks are off.
QStringList ChartMarkTexts(const QChartView* view);
// The marks' texts shown after thinning, left to right.
QStringList ChartShownMarkTexts(const QChartView* view);
// The texts of the legend's visible entries; empty when the legend is hidden.
QStringList ChartLegendTexts(const QChartView* view);
// Angle of the data marks in degrees.
int ChartMarksAngle(const QChartView* view);

}  // namespace dorvex::gui

#pragma once
// Texts a histogram chart puts on its bars: bottom-axis labels and data marks.

#include <string>

namespace dorvex::analysis {

// Bottom-axis label of bar i (0-based): the number i, or with `valueLabels` the
// AxisLabelText text of its value, computed as (min - d) + d * (i + 1) so that the
// labels keep the values the listings show.
std::string BarLabelText(bool valueLabels, double min, double d, int i);

// A result chart's bottom-axis title while the axis shows bar numbers.
inline constexpr char kIndexAxisTitle[] = "Index    x";

// Free room between two neighbouring labels of a chart, in percent of a label's width.
inline constexpr double kLabelSeparationPercent = 30.0;

// Every how many bars a label (a bottom-axis label or a data mark) is shown, so
// that labels `labelWidth` wide keep kLabelSeparationPercent of free room between
// them on a plot `plotWidth` wide holding `count` bars side by side: the labels
// shown and one more, for the half labels at the two ends, each have a room of
// the label's width and its free part. At least 1; every bar for a plot with no
// width yet.
int LabelStep(int count, double labelWidth, double plotWidth);

// The width along the bottom axis of a text `width` long and `height` high, turned
// by `angle` degrees.
double TurnedWidth(double width, double height, int angle);

// The top of a value axis under which a bar `value` high keeps `room` pixels free
// above it on a plot `plotHeight` pixels high (for its mark): value scaled to
// plotHeight - room. 0 when the plot is not higher than the room.
double AxisTopLeavingRoom(double value, double room, double plotHeight);
// How far the value axis may be raised for marks, in multiples of the highest bar:
// the bars keep half the plot's height; a mark that does not fit then is not shown.
inline constexpr double kMostAxisRiseForMarks = 2.0;

// A probability in the marks' value format "#.### E-": the mantissa with up to three
// decimals, a blank, "E" and the exponent, whose sign shows only when negative
// ("2.5 E-1", "1 E0"); 0 gives "0".
std::string MarkValueText(double p);

// Marks styles of the result chart, by the item of the marks list.
enum class MarkStyle { Value = 0, Label = 1, LabelAndValue = 2, Position = 3, PositionAndValue = 4, PointIndex = 5 };

// The style of marks-list item `item`; with no item chosen (-1), the point index.
MarkStyle MarkStyleOfItem(int item);

// The mark of bar i (0-based) with its axis label and probability: the value, the
// label, the label and the value, the bar's position, the position and the value,
// or the point index.
std::string MarkText(MarkStyle style, const std::string& label, int i, double p);

}  // namespace dorvex::analysis

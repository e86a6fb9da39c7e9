#include "analysis/chart_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "statvex/number_text.h"

namespace dorvex::analysis {

std::string BarLabelText(bool valueLabels, double min, double d, int i) {
  if (!valueLabels) return std::to_string(i);
  const double x = (min - d) + d * (i + 1);
  std::string text = statvex::AxisLabelText(x);
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

int LabelStep(int count, double labelWidth, double plotWidth) {
  if (count <= 1 || !(plotWidth > 0.0) || !(labelWidth > 0.0)) return 1;
  const double room = labelWidth * (1.0 + kLabelSeparationPercent / 100.0);
  const int fitting = std::max(1, static_cast<int>(plotWidth / room) - 1);
  return (count + fitting - 1) / fitting;
}

double TurnedWidth(double width, double height, int angle) {
  const double radians = angle * std::numbers::pi / 180.0;
  return std::fabs(std::cos(radians)) * width + std::fabs(std::sin(radians)) * height;
}

double AxisTopLeavingRoom(double value, double room, double plotHeight) {
  if (!(plotHeight > room)) return 0.0;
  return value * plotHeight / (plotHeight - room);
}

std::string MarkValueText(double p) {
  if (p == 0.0 || !std::isfinite(p)) return p == 0.0 ? "0" : statvex::AxisLabelText(p);
  // %.3e rounds the mantissa; the exponent follows that rounding (9.9996 -> 1.000e+01).
  char text[48];
  std::snprintf(text, sizeof text, "%.3e", p);
  std::string printed(text);
  const std::size_t e = printed.find('e');
  std::string mantissa = printed.substr(0, e);
  const int exponent = std::stoi(printed.substr(e + 1));
  if (mantissa.find('.') != std::string::npos) {
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  return mantissa + " E" + std::to_string(exponent);
}

MarkStyle MarkStyleOfItem(int item) {
  if (item < 0 || item > static_cast<int>(MarkStyle::PointIndex)) return MarkStyle::PointIndex;
  return static_cast<MarkStyle>(item);
}

std::string MarkText(MarkStyle style, const std::string& label, int i, double p) {
  switch (style) {
    case MarkStyle::Value: return MarkValueText(p);
    case MarkStyle::Label: return label;
    case MarkStyle::LabelAndValue: return label + " " + MarkValueText(p);
    case MarkStyle::Position: return std::to_string(i);
    case MarkStyle::PositionAndValue: return std::to_string(i) + " " + MarkValueText(p);
    case MarkStyle::PointIndex: return std::to_string(i);
  }
  return std::string();
}

}  // namespace dorvex::analysis

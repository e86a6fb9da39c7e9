#include "workbench/slot_texts.h"

#include <cstdio>

#include "numeric/round.h"

namespace dorvex::workbench {

namespace {

constexpr long double kExponentFrom = 1000000.0L;

std::string Printed(const char* format, double x) {
  char text[48];
  std::snprintf(text, sizeof text, format, x);
  return text;
}

}  // namespace

std::string FrequencySumText(long double total, std::string_view prefix) {
  // Only a total below the exponent form is rounded: a combination's product of
  // totals is far beyond a 64-bit integer.
  if (total < kExponentFrom) {
    const std::int64_t rounded = RoundHalfEven(total);
    if (rounded < kExponentFrom) return std::string(prefix) + std::to_string(rounded);
  }
  return Printed("%.4E", static_cast<double>(total < kExponentFrom ? kExponentFrom : total));
}

std::string SlotNameFromPath(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return std::string(name.substr(0, name.find('.')));
}

namespace {

// Appending to a one-blank string rather than `" " + text` sidesteps a false
// -Wrestrict warning of g++ 12 on operator+.
std::string Blank(const std::string& text) {
  std::string out(1, ' ');
  out += text;
  return out;
}

}  // namespace

std::string IntervalCountText(int n) { return Blank(std::to_string(n)); }

std::string ProbabilitySumText(long double sum) {
  return Blank(Printed("%.5f", static_cast<double>(RoundHalfEven(sum))));
}

std::string ResultTotalText(double total) {
  if (total >= kExponentFrom) return Blank(Printed("%.5E", total));
  return Blank(std::to_string(RoundHalfEven(total)));
}

std::string SlotChartLabel(model::SlotId slot, const std::string& name) {
  return "Histogram :  " + name + (slot == model::SlotId::A ? " * nA   (nA=" : " * nB   (nB=");
}

}  // namespace dorvex::workbench

#include "statvex/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "numeric/round.h"
#include "version.h"

namespace dorvex::statvex {

namespace {

constexpr std::size_t kDisplayWidth = 12;
constexpr int kDisplayDigits = 6;
// Enough for a spreadsheet's double without showing the noise of the last bits.
constexpr int kCellDigits = 15;

std::string NonFiniteText(long double x) {
  if (std::isnan(x)) return "undefined";
  return x < 0 ? "-inf" : "inf";
}

// to_chars is locale-independent, unlike printf, which a Qt program runs under
// the user's locale (a decimal comma in Czech). Callers keep the precision at most
// 18, so the text always fits the buffer.
template <class Real>
std::string Formatted(Real x, std::chars_format format, int precision) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, format, precision);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string PaddedLeft(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// The general form of printf's "%.6G"; a negative zero shows as "0".
std::string ShortText(double x) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  if (x == 0) x = 0;
  std::string text = Formatted(x, std::chars_format::general, kDisplayDigits);
  // Only a negative number with a three-digit exponent is too wide; one digit less
  // makes it fit.
  if (text.size() > kDisplayWidth) {
    text = Formatted(x, std::chars_format::general, kDisplayDigits - 1);
  }
  return text;
}

}  // namespace

std::string DisplayNumber(double x) { return PaddedLeft(ShortText(x), kDisplayWidth); }

std::string NumberText(double x) { return ShortText(x); }

std::string MultipleText(double x) {
  std::string text = ShortText(x);
  if (!std::isfinite(x) || text.find('E') != std::string::npos) return text;
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return text + ".00";
  const std::size_t decimals = text.size() - point - 1;
  if (decimals < 2) text.append(2 - decimals, '0');
  return text;
}

std::string CountText(int width, long double x) {
  if (width < 1) return {};
  const auto w = static_cast<std::size_t>(width);
  if (!std::isfinite(x)) {
    const std::string text = NonFiniteText(x);
    return text.size() <= w ? PaddedLeft(text, w) : std::string(w, '*');
  }
  // Beyond the int64 range the value is an integer already and is not rounded.
  constexpr long double kInt64Limit = 9.2e18L;
  if (std::fabs(x) < kInt64Limit) {
    const std::int64_t rounded = RoundHalfEven(x);
    std::string text = std::to_string(rounded);
    if (text.size() <= w) return PaddedLeft(text, w);
    x = static_cast<long double>(rounded);
  }
  // A long double holds no more than 19 significant digits.
  constexpr int kMostDecimals = 18;
  for (int precision = std::min(width, kMostDecimals); precision >= 0; --precision) {
    std::string text = Formatted(x, std::chars_format::scientific, precision);
    if (text.size() <= w) return PaddedLeft(text, w);
  }
  return std::string(w, '*');
}

std::string AxisLabelText(double x) { return ShortText(x); }

std::string CellNumberText(long double x) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  if (x == 0) x = 0;
  return Formatted(x, std::chars_format::general, kCellDigits);
}

std::string VersionText() { return DORVEX_VERSION; }

}  // namespace dorvex::statvex

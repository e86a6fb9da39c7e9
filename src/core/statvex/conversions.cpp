#include "statvex/conversions.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace dorvex::statvex {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// For a text that from_chars reported out of range: true when the number lies
// below 1 in magnitude (an underflow), false when it is too large. The text is
// unsigned and already known to be digits [. digits] [e [sign] digits].
bool BelowOne(std::string_view s) {
  // Decimal position of the first significant digit: value ~ digit * 10^position.
  long long position = 0;
  bool found = false;
  std::size_t i = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    if (!found && s[i] != '0') {
      found = true;
      position = -1;
    }
    if (found) ++position;
  }
  if (i < s.size() && s[i] == '.') {
    long long zeros = 0;
    for (++i; i < s.size() && IsDigit(s[i]); ++i) {
      if (found) continue;
      if (s[i] == '0') {
        ++zeros;
      } else {
        found = true;
        position = -(zeros + 1);
      }
    }
  }
  if (!found) return true;
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    // Saturate: any exponent beyond a million decides the answer on its own.
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000LL);
    }
    if (negative) exponent = -exponent;
  }
  return position + exponent < 0;
}

template <class Real>
bool ParseReal(std::string_view text, bool commaAllowed, Real& out) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  // A digit or a separator must come first; this refuses "inf", "nan", a second
  // sign and a text that begins with the exponent.
  const char first = text.front();
  if (!IsDigit(first) && first != '.' && !(commaAllowed && first == ',')) return false;

  std::string digits(text);
  if (commaAllowed) std::replace(digits.begin(), digits.end(), ',', '.');
  const char* begin = digits.data();
  const char* end = begin + digits.size();
  Real value{};
  const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
  if (ptr != end) return false;
  if (ec == std::errc::result_out_of_range) {
    if (!BelowOne(digits)) return false;
    value = Real{0};
  } else if (ec != std::errc{}) {
    return false;
  }
  out = negative ? -value : value;
  return true;
}

template <class Integer>
bool ParseInteger(std::string_view text, Integer& out) {
  text = TrimBlanks(text);
  // from_chars takes "-" but not "+"; the text after the one sign must be digits.
  const bool plus = !text.empty() && text.front() == '+';
  if (plus) text.remove_prefix(1);
  const std::size_t firstDigit = !plus && !text.empty() && text.front() == '-' ? 1 : 0;
  if (text.size() <= firstDigit || !IsDigit(text[firstDigit])) return false;
  Integer value{};
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
  if (ec != std::errc{} || ptr != end) return false;
  out = value;
  return true;
}

}  // namespace

bool ParseLenient(std::string_view text, double& out) { return ParseReal(text, true, out); }

bool ParseLenientInt32(std::string_view text, std::int32_t& out) { return ParseInteger(text, out); }

bool ParseLenientLongDouble(std::string_view text, long double& out) { return ParseReal(text, true, out); }

bool ParseStrict(std::string_view text, double& out) { return ParseReal(text, false, out); }

bool ParseStrictLongDouble(std::string_view text, long double& out) {
  return ParseReal(text, false, out);
}

bool ParseInt32(std::string_view text, std::int32_t& out) { return ParseInteger(text, out); }

bool ParseInt64(std::string_view text, std::int64_t& out) { return ParseInteger(text, out); }

}  // namespace dorvex::statvex

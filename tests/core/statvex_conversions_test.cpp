#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "statvex/conversions.h"
#include "statvex/number_text.h"

using dorvex::statvex::ParseStrict;
using dorvex::statvex::ParseInt32;
using dorvex::statvex::ParseInt64;
using dorvex::statvex::ParseStrictLongDouble;
using dorvex::statvex::ParseLenient;
using dorvex::statvex::ParseLenientLongDouble;
using dorvex::statvex::ParseLenientInt32;

namespace {

// Marks an output the conversion must not touch on failure.
constexpr double kUntouched = 424242.0;

struct RealCase {
  const char* text;
  double expected;
};

// Expected values are the decimal numbers written in the texts.
const RealCase kAcceptedReals[] = {
    {"1.5", 1.5},
    {"1,5", 1.5},              // comma as decimal separator
    {"  -2.25E+3 ", -2250.0},  // surrounding blanks, sign, exponent
    {"+4e-2", 0.04},
    {"  1.23457E-05", 1.23457e-05},  // a 12-character display text
    {"5.", 5.0},
    {".5", 0.5},
    {",5", 0.5},
    {"000120", 120.0},
    {"-0", 0.0},
    {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    {"1e-400", 0.0},  // below the smallest double: reads as zero
};

TEST(PrevodDoub, ReadsSignsSeparatorsExponentsAndBlanks) {
  for (const auto& c : kAcceptedReals) {
    double out = kUntouched;
    EXPECT_TRUE(ParseLenient(c.text, out)) << c.text;
    EXPECT_EQ(out, c.expected) << c.text;
  }
}

const char* const kRefusedReals[] = {
    "",       "   ",   "-",    "+",     ".",   ",",     "abc",      "1.5x",
    "1.5 2",  "1 000", "inf",  "-inf",  "nan", "NaN",   "infinity", "1e309",
    "-1e309", "E5",    "e5",   "1e",    "1e+", "1.5.3", "1,5,3",    "1,5.3",
    "--1",    "+-1",   "0x10", "1e5.5", "1d5", "\t1.5", "1.5\n",
};

TEST(PrevodDoub, RefusesGarbageAndLeavesTheOutputUnchanged) {
  for (const char* text : kRefusedReals) {
    double out = kUntouched;
    EXPECT_FALSE(ParseLenient(text, out)) << '"' << text << '"';
    EXPECT_EQ(out, kUntouched) << '"' << text << '"';
  }
  double out = kUntouched;
  EXPECT_FALSE(ParseLenient(std::string_view("1\0"
                                            "5",
                                            3),
                           out))
      << "embedded NUL";
  EXPECT_EQ(out, kUntouched);
}

TEST(PrevodDoub, KeepsTheSignOfAnUnderflowToZero) {
  double out = kUntouched;
  ASSERT_TRUE(ParseLenient("-1e-400", out));
  EXPECT_EQ(out, 0.0);
  EXPECT_TRUE(std::signbit(out));
}

TEST(PrevodDoub, ReadsBackEveryShortestRoundTripText) {
  // Bit patterns spread over the whole double range (both signs, subnormals,
  // the extremes): std::to_chars's shortest text must come back bit-exact.
  std::uint64_t state = 0x9E3779B97F4A7C15ULL;
  for (int k = 0; k < 20000; ++k) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    double x;
    std::memcpy(&x, &state, sizeof x);
    if (!std::isfinite(x)) continue;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    const std::string text(buffer, end);
    double back = kUntouched;
    ASSERT_TRUE(ParseLenient(text, back)) << text;
    ASSERT_EQ(back, x) << text;
  }
}

TEST(PrevodDoub, ReadsBackEveryDisplayText) {
  // A display text keeps at least 6 significant digits, so it reads back to
  // within half a unit of the sixth digit.
  constexpr double kSixDigits = 5e-6;
  const double values[] = {0.0,   1.0,        -1.0,     0.5,           1.0 / 3.0,     -2.0 / 3.0,
                           12.5,  1234567.0,  1e-5,     1.23456789e-5, 9.87654321e12, -4.2e-300,
                           1e300, 123456.789, 999999.5, 0.1,           -0.000123456};
  for (double x : values) {
    const std::string text = dorvex::statvex::DisplayNumber(x);
    double back = kUntouched;
    ASSERT_TRUE(ParseLenient(text, back)) << '"' << text << "\" from " << x;
    EXPECT_LE(std::fabs(back - x), kSixDigits * std::fabs(x)) << '"' << text << "\" from " << x;
  }
}

TEST(PrevodLong, ReadsThe32BitRangeAndNothingElse) {
  struct Case {
    const char* text;
    bool accepted;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"12", true, 12},
      {" -7 ", true, -7},
      {"+3", true, 3},
      {"2147483647", true, std::numeric_limits<std::int32_t>::max()},
      {"-2147483648", true, std::numeric_limits<std::int32_t>::min()},
      {"2147483648", false, 0},  // one past the range
      {"99999999999", false, 0},
      {"-2147483649", false, 0},
      {"12.0", false, 0},
      {"1E3", false, 0},
      {"1,0", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"+-1", false, 0},
      {"0x1A", false, 0},
      {"ten", false, 0},
  };
  for (const auto& c : cases) {
    std::int32_t out = 99;
    EXPECT_EQ(ParseLenientInt32(c.text, out), c.accepted) << c.text;
    EXPECT_EQ(out, c.accepted ? c.expected : 99) << c.text;
  }
}

TEST(PrevodExtended, ReadsValuesBeyondTheDoubleRange) {
  long double out = 0.0L;
  ASSERT_TRUE(ParseLenientLongDouble("1E4000", out));
  EXPECT_EQ(out, 1e4000L);
  ASSERT_TRUE(ParseLenientLongDouble(" 1000000 ", out));
  EXPECT_EQ(out, 1000000.0L);
  ASSERT_TRUE(ParseLenientLongDouble("2,5", out));
  EXPECT_EQ(out, 2.5L);
  out = 7.0L;
  EXPECT_FALSE(ParseLenientLongDouble("1E5000", out));
  EXPECT_FALSE(ParseLenientLongDouble("nan", out));
  EXPECT_FALSE(ParseLenientLongDouble("12 abc", out));
  EXPECT_EQ(out, 7.0L);
}

TEST(PrevodExtended, ReadsBackEveryShortestRoundTripText) {
  const long double values[] = {1.0L / 3.0L, -2.0L / 7.0L, 9223372036854775807.0L, 1e-4000L,
                                1e4000L,     0.1L,         123456789.123456789L};
  for (long double x : values) {
    char buffer[128];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    const std::string text(buffer, end);
    long double back = 0.0L;
    ASSERT_TRUE(ParseLenientLongDouble(text, back)) << text;
    EXPECT_EQ(back, x) << text;
  }
}

TEST(StandardConversions, AcceptOnlyThePointAsDecimalSeparator) {
  double d = kUntouched;
  EXPECT_TRUE(ParseStrict("1.5", d));
  EXPECT_EQ(d, 1.5);
  d = kUntouched;
  EXPECT_FALSE(ParseStrict("1,5", d));
  EXPECT_EQ(d, kUntouched);
  long double e = 0.0L;
  EXPECT_TRUE(ParseStrictLongDouble("-2.5E2", e));
  EXPECT_EQ(e, -250.0L);
  EXPECT_FALSE(ParseStrictLongDouble("2,5", e));
  EXPECT_EQ(e, -250.0L);
  std::int32_t i = 0;
  EXPECT_TRUE(ParseInt32("1024", i));
  EXPECT_EQ(i, 1024);
}

TEST(ParseInt64, ReadsThe64BitRangeOfFrequencies) {
  std::int64_t out = 0;
  ASSERT_TRUE(ParseInt64("9223372036854775807", out));
  EXPECT_EQ(out, std::numeric_limits<std::int64_t>::max());
  ASSERT_TRUE(ParseInt64("-3", out));
  EXPECT_EQ(out, -3);
  for (const char* text : {"9223372036854775808", "7.0", "1E3", "", "12a", "- 3"}) {
    out = 5;
    EXPECT_FALSE(ParseInt64(text, out)) << text;
    EXPECT_EQ(out, 5) << text;
  }
}

}  // namespace

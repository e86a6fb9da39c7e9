#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "version.h"

using dorvex::statvex::ParseLenient;
using dorvex::statvex::AxisLabelText;
using dorvex::statvex::DisplayNumber;
using dorvex::statvex::NumberText;
using dorvex::statvex::MultipleText;
using dorvex::statvex::CountText;
using dorvex::statvex::CellNumberText;
using dorvex::statvex::VersionText;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Rounding to 6 significant digits moves a value by at most half a unit of the sixth
// digit, 5E-6 of the leading digit's magnitude; 5 digits allow ten times that.
constexpr double kSixDigits = 5e-6;
constexpr double kFiveDigits = 5e-5;

struct DisplayCase {
  double x;
  const char* expected;
};

// Expected texts are printf's "%12.6G" of each value (the C library's own rounding),
// except where noted.
const DisplayCase kDisplay[] = {
    {0.0, "           0"},
    {-0.0, "           0"},  // no "-0" on screen
    {0.5, "         0.5"},
    {1.0, "           1"},
    {-2.5, "        -2.5"},
    {1.0 / 3.0, "    0.333333"},
    {123456.7, "      123457"},
    {999999.4, "      999999"},
    {999999.5, "       1E+06"},  // rounds up to seven digits: exponent form
    {2500000.0, "     2.5E+06"},
    {0.0001, "      0.0001"},
    {0.000123456789, " 0.000123457"},
    {-0.000123456789, "-0.000123457"},
    {0.0000123456789, " 1.23457E-05"},
    {-0.0000123456789, "-1.23457E-05"},
    {1.23456789e100, "1.23457E+100"},
    // "%.6G" would be 13 characters wide; one digit less fits.
    {-1.23456789e-100, "-1.2346E-100"},
    {std::numeric_limits<double>::max(), "1.79769E+308"},
    {kNaN, "   undefined"},
    {kInf, "         inf"},
    {-kInf, "        -inf"},
};

TEST(DisplayNumber, WritesSixSignificantDigitsRightAlignedInTwelveCharacters) {
  for (const auto& c : kDisplay) {
    EXPECT_EQ(DisplayNumber(c.x), c.expected) << "x = " << c.x;
  }
}

TEST(DisplayNumber, EveryFiniteTextIsTwelveWideAndReadsBackWithinItsDigits) {
  const double mantissas[] = {1.0, 1.23456789, 5.0, 9.999995, 9.9999949};
  for (int exponent = -310; exponent <= 308; ++exponent) {
    for (const double m : mantissas) {
      for (const double sign : {1.0, -1.0}) {
        const double x = sign * m * std::pow(10.0, exponent);
        if (!std::isfinite(x) || x == 0) continue;
        const std::string text = DisplayNumber(x);
        ASSERT_EQ(text.size(), 12u) << text;
        double back = 0;
        ASSERT_TRUE(ParseLenient(text, back)) << text;
        const bool fiveDigits = sign < 0 && std::abs(exponent) >= 100;
        const double tolerance = fiveDigits ? kFiveDigits : kSixDigits;
        EXPECT_LE(std::abs(back - x), tolerance * std::abs(x)) << x << " -> " << text;
      }
    }
  }
}

TEST(NumberText, IsTheDisplayTextWithoutItsLeadingBlanks) {
  EXPECT_EQ(NumberText(0.5), "0.5");
  EXPECT_EQ(NumberText(-0.0000123456789), "-1.23457E-05");
  EXPECT_EQ(NumberText(kNaN), "undefined");
  EXPECT_EQ(AxisLabelText(2500000.0), "2.5E+06");
}

TEST(MultipleText, KeepsAtLeastTwoDecimalsOfTheMultiple) {
  const DisplayCase cases[] = {
      {1.0, "1.00"},     // the default multiple text "1.00"
      {2.5, "2.50"},     {-3.0, "-3.00"},
      {0.125, "0.125"},  // more decimals are kept, not cut to two
      {1e-7, "1E-07"},   {1234567.0, "1.23457E+06"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MultipleText(c.x), c.expected) << "x = " << c.x;
  }
}

struct CountCase {
  int width;
  long double x;
  const char* expected;
};

const CountCase kCounts[] = {
    {5, 7.0L, "    7"},
    {12, 2.5L, "           2"},  // halves go to the even neighbour
    {12, 3.5L, "           4"},
    {12, 1234.4999L, "        1234"},
    {4, 1024.0L, "1024"},
    {8, -0.4L, "       0"},
    {5, -12.0L, "  -12"},
    // The integer does not fit: exponent form with as many digits as fit.
    {5, 123456.0L, "1E+05"},
    {8, 123456789.0L, "1.23E+08"},
    {12, 1e30L, "1.000000E+30"},  // beyond the 64-bit integers
    {30, 1e30L, "      1.000000000000000000E+30"},  // a wide field shows all digits
    {4, 123456.0L, "****"},       // not even "1E+05" fits
    {0, 5.0L, ""},
    {5, static_cast<long double>(kInf), "  inf"},
    {5, static_cast<long double>(kNaN), "*****"},
};

TEST(CountText, RoundsHalfToEvenIntoExactlyTheWidth) {
  for (const auto& c : kCounts) {
    const std::string text = CountText(c.width, c.x);
    EXPECT_EQ(text, c.expected) << "width " << c.width << ", x = " << static_cast<double>(c.x);
    EXPECT_EQ(text.size(), static_cast<std::size_t>(c.width));
  }
}

TEST(CellNumberText, WritesFifteenSignificantDigitsWithoutBlanks) {
  EXPECT_EQ(CellNumberText(0.1L), "0.1");
  EXPECT_EQ(CellNumberText(1.0L / 3.0L), "0.333333333333333");
  // The long-double sum of the doubles 0.1 and 0.2 is 0.3 to 15 digits.
  EXPECT_EQ(CellNumberText(static_cast<long double>(0.1) + static_cast<long double>(0.2)), "0.3");
  EXPECT_EQ(CellNumberText(-2.5e-20L), "-2.5E-20");
  EXPECT_EQ(CellNumberText(static_cast<long double>(kNaN)), "undefined");
}

TEST(Verze, ReturnsTheBuildVersion) {
  EXPECT_FALSE(VersionText().empty());
  EXPECT_EQ(VersionText(), DORVEX_VERSION);
}

}  // namespace

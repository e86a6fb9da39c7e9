#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <bit>

#include "numeric/math_limits.h"

using namespace dorvex::numeric;

namespace {

// The library computes in extended precision and rounds once to double, so a
// result may differ from the standard library's (itself within an ulp or two) by
// a few ulps.
constexpr double kFewUlps = 4 * DBL_EPSILON;

double Relative(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

TEST(Constants, MatchTheirDefinitions) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(MaxNum), 0x7FEFFFFFFFFFFFFBull);
  EXPECT_EQ(MaxNum, 1.797693134862315E+308);
  EXPECT_LT(Relative(MinNum, 1.0 / MaxNum), kFewUlps);
  EXPECT_LT(Relative(PiOverMaxNum, std::numbers::pi / MaxNum), kFewUlps);
  EXPECT_LT(Relative(Sqrt2Pi, std::sqrt(2.0 * std::numbers::pi)), kFewUlps);
  EXPECT_LT(Relative(Log10E, std::numbers::log10e), kFewUlps);
  // MinLog and MaxLog are the natural logarithms of the smallest normal and the
  // largest double.
  EXPECT_LT(Relative(MinLog, std::log(DBL_MIN)), 1e-15);
  EXPECT_LT(Relative(MaxLog, std::log(DBL_MAX)), 1e-15);
  // MaxGam is where gamma reaches the largest double.
  EXPECT_TRUE(std::isfinite(std::tgamma(MaxGam)));
  EXPECT_FALSE(std::isfinite(std::tgamma(MaxGam + 1e-3)));
}

}  // namespace

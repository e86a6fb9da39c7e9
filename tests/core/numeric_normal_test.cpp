#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/normal.h"

using dorvex::numeric::NormalCdf;
using dorvex::numeric::NormalQuantile;

namespace {

struct KnownPoint {
  double p;
  double x;  // Phi^-1(p), from published tables of the normal quantile
};

// Quantiles of the standard normal to 16 digits (Abramowitz & Stegun 26.2 and
// the usual z-tables extended in precision).
const KnownPoint kKnown[] = {
    {0.5, 0.0},
    {0.975, 1.959963984540054},
    {0.8413447460685429, 1.0},
    {1e-3, -3.090232306167814},
    {1e-6, -4.753424308822899},
    {1e-10, -6.361340902404056},
    {7.234804392511999e-05, -3.8},
};

TEST(NormalQuantile, MatchesPublishedQuantiles) {
  for (const KnownPoint& k : kKnown) {
    SCOPED_TRACE(k.p);
    EXPECT_NEAR(NormalQuantile(k.p), k.x, 1e-13 * std::max(1.0, std::fabs(k.x)));
  }
}

// Above the median p itself holds fewer digits (1 - p is rounded), so the lower
// tail is where the inverse has to be exact.
TEST(NormalQuantile, InvertsTheDistributionFunctionFarIntoTheTails) {
  for (double x : {-37.0, -20.0, -8.5, -5.0, -1.5, -0.01, 0.3, 2.0}) {
    SCOPED_TRACE(x);
    EXPECT_NEAR(NormalQuantile(NormalCdf(x)), x, 1e-12 * std::max(1.0, std::fabs(x)));
  }
}

TEST(NormalQuantile, EndsAndOutsideValues) {
  EXPECT_EQ(NormalQuantile(0.0), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(NormalQuantile(1.0), std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(NormalQuantile(-0.1)));
  EXPECT_TRUE(std::isnan(NormalQuantile(1.5)));
  EXPECT_TRUE(std::isnan(NormalQuantile(std::numeric_limits<double>::quiet_NaN())));
}

TEST(NormalCdf, KnownValues) {
  EXPECT_DOUBLE_EQ(NormalCdf(0.0), 0.5);
  EXPECT_NEAR(NormalCdf(-3.8) / 7.234804392511999e-05, 1.0, 1e-14);
  EXPECT_EQ(NormalCdf(-std::numeric_limits<double>::infinity()), 0.0);
}

}  // namespace

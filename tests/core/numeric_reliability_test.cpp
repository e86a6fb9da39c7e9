#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/normal.h"
#include "numeric/reliability.h"

using namespace dorvex::numeric;

namespace {

TEST(ReliabilityIndex, IsMinusTheNormalQuantileOfPf) {
  // Pf = 7.2348E-5 is the textbook probability of beta = 3.8.
  EXPECT_NEAR(ReliabilityIndex(7.234804392511999e-05), 3.8, 1e-12);
  EXPECT_NEAR(ReliabilityIndex(1e-6), 4.753424308822899, 1e-12);
  EXPECT_EQ(ReliabilityIndex(0.5), 0.0);
  EXPECT_EQ(ReliabilityIndex(0.0), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReliabilityIndex(1.0), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(ReliabilityIndex(-1e-3)));
  EXPECT_NEAR(FailureProbabilityOfIndex(3.8), 7.234804392511999e-05, 1e-18);
}

struct PeriodCase {
  double beta;
  double n;
};

// Phi(beta_n) = Phi(beta_1)^n, checked in the failure probabilities, where it
// reads 1 - Pf_n = (1 - Pf_1)^n; and going back by 1/n returns the start.
TEST(IndexForPeriods, KeepsTheSurvivalProbabilityToThePowerN) {
  const PeriodCase cases[] = {{4.7, 50.0}, {3.8, 1.0 / 50.0}, {2.0, 3.0}, {6.0, 1e4}, {-0.5, 2.0}};
  for (const PeriodCase& c : cases) {
    SCOPED_TRACE(c.beta);
    const double betaN = IndexForPeriods(c.beta, c.n);
    const double pf1 = FailureProbabilityOfIndex(c.beta);
    const double pfN = FailureProbabilityOfIndex(betaN);
    EXPECT_NEAR(std::log1p(-pfN), c.n * std::log1p(-pf1), 1e-12 * std::fabs(c.n * std::log1p(-pf1)));
    EXPECT_NEAR(IndexForPeriods(betaN, 1.0 / c.n), c.beta, 1e-9);
  }
  // The usual pair of the design codes: 4.7 for one year is about 3.8 for fifty.
  EXPECT_NEAR(IndexForPeriods(4.7, 50.0), 3.8, 0.05);
}

}  // namespace

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "numeric/fp_fault.h"
#include "numeric/gamma.h"
#include "numeric/math_limits.h"

using namespace dorvex::numeric;

namespace {

// The tables are stored as doubles: a few ulps from the exact constants.
constexpr double kFewUlps = 4 * DBL_EPSILON;
// The gamma tables are minimax fits stored as doubles; with the reduction's
// roundings the measured worst case against std::tgamma is below 7e-16.
constexpr double kGammaTolerance = 8 * DBL_EPSILON;

double Relative(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

TEST(GammaTables, HoldTheCephesValuesHighestPowerFirst) {
  // First and last values as published with the extended-precision gamma.
  EXPECT_EQ(gamma_tables::STIR.front(), 7.147391378143610789E-4);
  EXPECT_EQ(gamma_tables::STIR.back(), 8.333333333333331800E-2);
  EXPECT_EQ(gamma_tables::S.front(), -1.193945051381510096E-3);
  EXPECT_EQ(gamma_tables::S.back(), 1.0);
  EXPECT_EQ(gamma_tables::SN.front(), 1.133374167243894382E-3);
  EXPECT_EQ(gamma_tables::SN.back(), -1.0);
  EXPECT_EQ(gamma_tables::P.front(), 4.212760487471622013E-5);
  EXPECT_EQ(gamma_tables::P.back(), 1.0);
  EXPECT_EQ(gamma_tables::Q.front(), -1.397148517476170441E-5);
  EXPECT_EQ(gamma_tables::Q.back(), 1.0);
  // 1/gamma(x) = x + Euler's constant * x^2 + ...: the next-to-last entries.
  EXPECT_LT(Relative(gamma_tables::S[7], std::numbers::egamma), kFewUlps);
  EXPECT_LT(Relative(gamma_tables::SN[7], std::numbers::egamma), kFewUlps);
}

TEST(GammaFn, HitsTheExactValuesOfTheEdgeCases) {
  EXPECT_EQ(GammaFn(1.0).value, 1.0);
  EXPECT_EQ(GammaFn(2.0).value, 1.0);
  EXPECT_EQ(GammaFn(5.0).value, 24.0);
  EXPECT_LT(Relative(GammaFn(0.5).value, std::sqrt(std::numbers::pi)), 2 * DBL_EPSILON);
  // gamma(-1/2) = -2 sqrt(pi): negative, integer part 0 is even.
  EXPECT_LT(Relative(GammaFn(-0.5).value, -2.0 * std::sqrt(std::numbers::pi)), kGammaTolerance);
  EXPECT_TRUE(std::isfinite(GammaFn(171.6).value));
  EXPECT_LT(Relative(GammaFn(171.6).value, std::tgamma(171.6)), kGammaTolerance);
}

TEST(GammaFn, AgreesWithTheStandardGammaOverItsWholeRange) {
  // Every branch: reflection (< -13), negative reduction, the small series, the
  // rational part on [2, 3], the upward reduction and Stirling (> 13).
  for (double x = -40.3; x < 171.6; x += 0.0137) {
    if (x == std::trunc(x)) continue;
    ASSERT_LT(Relative(GammaFn(x).value, std::tgamma(x)), kGammaTolerance) << "x = " << x;
  }
  for (const double x : {1E-5, -1E-5, 0.03125, -0.03125, 13.0, 13.000001, 1024.5}) {
    if (x > MaxGam) continue;
    EXPECT_LT(Relative(GammaFn(x).value, std::tgamma(x)), kGammaTolerance) << "x = " << x;
  }
}

TEST(GammaFn, HasTheMagnitudeOfExpLgammaAndTheSignOfGammaSign) {
  for (double x = -30.25; x < 170.0; x += 0.5) {
    const double g = GammaFn(x).value;
    EXPECT_LT(Relative(std::log(std::fabs(g)), std::lgamma(x)), 1e-13) << "x = " << x;
    EXPECT_EQ(g < 0.0 ? -1 : 1, GammaSign(x)) << "x = " << x;
  }
}

TEST(GammaFn, ReturnsTheDefaultValueAndFaultAtPolesAndBeyondItsRange) {
  struct Case {
    double x;
    double value;
    MathFault fault;
  };
  const Case cases[] = {
      {0.0, -MaxNum, MathFault::Singularity},  // GammaSign(0) = -1
      {-3.0, MaxNum, MathFault::Singularity},
      {171.7, MaxNum, MathFault::Overflow},
      // Within 1E-308 of the pole at 0: the overflow default, not an infinity.
      {1E-320, MaxNum, MathFault::Overflow},
      {0.5, std::sqrt(std::numbers::pi), MathFault::None},
  };
  for (const Case& c : cases) {
    const MathValue g = GammaFn(c.x);
    EXPECT_LT(std::fabs(g.value - c.value), 2 * DBL_EPSILON * std::fabs(c.value)) << "x = " << c.x;
    EXPECT_EQ(g.fault, c.fault) << "x = " << c.x;
  }
}

TEST(GammaFn, RaisesNoFloatingPointFaultAtItsLimits) {
  ClearFpFaults();
  // Stored one by one: adding the defaults up would itself overflow.
  volatile double sink = 0;
  for (const double x : {0.0, -7.0, 1E-320, 500.0, -180.5}) sink = GammaFn(x).value;
  (void)sink;
  EXPECT_EQ(RaisedFpFault(), FpFault::None);
}

TEST(GammaSign, IsPositiveAboveZeroAndAlternatesBelow) {
  EXPECT_EQ(GammaSign(3.5), 1);
  EXPECT_EQ(GammaSign(0.0), -1);
  EXPECT_EQ(GammaSign(-0.5), -1);
  EXPECT_EQ(GammaSign(-1.5), 1);
  EXPECT_EQ(GammaSign(-2.5), -1);
}

}  // namespace

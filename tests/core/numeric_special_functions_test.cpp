#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "numeric/fp_fault.h"
#include "numeric/gamma.h"
#include "numeric/checked_math.h"
#include "numeric/polynomial.h"
#include "numeric/math_limits.h"

using namespace dorvex::numeric;

namespace {

// The library computes in extended precision and rounds once to double, so a
// result may differ from the standard library's (itself within an ulp or two) by
// a few ulps.
constexpr double kFewUlps = 4 * DBL_EPSILON;
// The gamma tables are minimax fits stored as doubles; with the reduction's
// roundings the measured worst case against std::tgamma is below 7e-16.
constexpr double kGammaTolerance = 8 * DBL_EPSILON;

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

TEST(PolyValue, EvaluatesHighestPowerFirstByHorner) {
  const double coef[] = {1.0, -3.0, 2.0};  // x^2 - 3x + 2
  EXPECT_EQ(PolyValue(5.0, coef, 2), 12.0);
  EXPECT_EQ(PolyValue(1.0, coef, 2), 0.0);
  // n = 0 is the first coefficient alone.
  EXPECT_EQ(PolyValue(7.0, coef, 0), 1.0);
}

struct LimitCase {
  const char* call;
  double result;
  double expected;
  std::int32_t error;
};

TEST(CheckedFunctions, ReturnTheDefaultValueAndCodeAtTheirLimits) {
  // Each row evaluates its call first and then reads MathError.
  auto row = [](const char* call, double result, double expected) {
    return LimitCase{call, result, expected, MathError};
  };
  const LimitCase cases[] = {
      row("ExpChecked(-709)", ExpChecked(-709.0), 0.0),
      row("ExpChecked(710)", ExpChecked(710.0), MaxNum),
      row("LnChecked(0)", LnChecked(0.0), -MaxNum),
      row("LnChecked(-1)", LnChecked(-1.0), -MaxNum),
      row("Log10Checked(0)", Log10Checked(0.0), -MaxNum),
      row("Log10Checked(-1)", Log10Checked(-1.0), -MaxNum),
      row("GammaFn(0)", GammaFn(0.0), -MaxNum),
      row("GammaFn(-3)", GammaFn(-3.0), MaxNum),
      row("GammaFn(171.7)", GammaFn(171.7), MaxNum),
      // An argument within 1E-308 of the pole at 0: the overflow default, not an
      // infinity.
      row("GammaFn(1E-320)", GammaFn(1E-320), MaxNum),
  };
  const std::int32_t expectedErrors[] = {kMathUnderflow, kMathOverflow,    kMathSingularity,
                                         kMathDomain,    kMathSingularity, kMathDomain,
                                         kMathSingularity, kMathSingularity, kMathOverflow,
                                         kMathOverflow};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].result, cases[i].expected) << cases[i].call;
    EXPECT_EQ(cases[i].error, expectedErrors[i]) << cases[i].call;
  }
}

TEST(PowerReal, FollowsTheSpecialIntegerAndRealPaths) {
  struct Case {
    double x, y, expected;
    std::int32_t error;
  };
  const Case cases[] = {
      {-8.0, 1.0 / 3.0, 0.0, kMathDomain},   // negative base, fractional exponent
      {-2.0, 3.0, -8.0, kMathOk},            // integer path keeps the sign
      {0.0, -1.0, MaxNum, kMathSingularity},
      {0.0, 2.5, 0.0, kMathOk},
      {0.0, 0.0, 1.0, kMathOk},
      {5.0, 0.0, 1.0, kMathOk},
      {5.0, 1.0, 5.0, kMathOk},
      {10.0, 400.5, MaxNum, kMathOverflow},  // 400.5 * ln 10 > MaxLog
      {10.0, -400.5, 0.0, kMathUnderflow},
  };
  for (const auto& c : cases) {
    SetMathError(kMathOk);
    EXPECT_EQ(PowerReal(c.x, c.y), c.expected) << c.x << "^" << c.y;
    EXPECT_EQ(MathError, c.error) << c.x << "^" << c.y;
  }
}

TEST(PowerInt, SquaresASmallBaseAndGuardsTheReciprocal) {
  EXPECT_EQ(PowerInt(2.0, -3), 0.125);
  EXPECT_EQ(PowerInt(0.5, 3), 0.125);
  EXPECT_EQ(PowerInt(2.0, 10), 1024.0);
  EXPECT_EQ(PowerInt(-3.0, 3), -27.0);
  EXPECT_EQ(PowerInt(0.5, -2), 4.0);
  SetMathError(kMathOk);
  EXPECT_EQ(PowerInt(1E200, 2), MaxNum);
  EXPECT_EQ(MathError, kMathOverflow);
  EXPECT_EQ(PowerInt(-1E200, 3), -MaxNum);
  EXPECT_EQ(PowerInt(1E-200, -2), MaxNum);
}

TEST(PowerFunctions, LeaveAnEarlierErrorCodeInPlace) {
  SetMathError(kMathUnderflow);
  EXPECT_EQ(PowerReal(4.0, 0.5), 2.0);
  EXPECT_EQ(PowerInt(3.0, 2), 9.0);
  EXPECT_EQ(MathError, kMathUnderflow);
  // The exponential and logarithms clear it.
  EXPECT_EQ(ExpChecked(0.0), 1.0);
  EXPECT_EQ(MathError, kMathOk);
}

TEST(SpecialFunctions, RaiseNoFloatingPointFaultAtTheirLimits) {
  ClearFpFaults();
  // Stored one by one: adding the defaults up would itself overflow.
  volatile double sink = 0;
  for (const double v :
       {ExpChecked(1E308), ExpChecked(-1E308), LnChecked(0.0), LnChecked(-5.0),
        PowerReal(0.0, -1.0), PowerReal(-8.0, 0.5), PowerReal(1E300, 1E300), PowerInt(1E200, 5),
        PowerInt(0.0, -3), PowerInt(1E-300, 7), GammaFn(0.0), GammaFn(-7.0), GammaFn(1E-320),
        GammaFn(500.0), GammaFn(-180.5)}) {
    sink = v;
  }
  (void)sink;
  EXPECT_EQ(RaisedFpFault(), FpFault::None);
}

TEST(GammaFn, HitsTheExactValuesOfTheEdgeCases) {
  EXPECT_EQ(GammaFn(1.0), 1.0);
  EXPECT_EQ(GammaFn(2.0), 1.0);
  EXPECT_EQ(GammaFn(5.0), 24.0);
  EXPECT_LT(Relative(GammaFn(0.5), std::sqrt(std::numbers::pi)), 2 * DBL_EPSILON);
  // gamma(-1/2) = -2 sqrt(pi): negative, integer part 0 is even.
  EXPECT_LT(Relative(GammaFn(-0.5), -2.0 * std::sqrt(std::numbers::pi)), kGammaTolerance);
  EXPECT_TRUE(std::isfinite(GammaFn(171.6)));
  EXPECT_LT(Relative(GammaFn(171.6), std::tgamma(171.6)), kGammaTolerance);
}

TEST(GammaFn, AgreesWithTheStandardGammaOverItsWholeRange) {
  // Every branch: reflection (< -13), negative reduction, the small series, the
  // rational part on [2, 3], the upward reduction and Stirling (> 13).
  for (double x = -40.3; x < 171.6; x += 0.0137) {
    if (x == std::trunc(x)) continue;
    ASSERT_LT(Relative(GammaFn(x), std::tgamma(x)), kGammaTolerance) << "x = " << x;
  }
  for (const double x : {1E-5, -1E-5, 0.03125, -0.03125, 13.0, 13.000001, 1024.5}) {
    if (x > MaxGam) continue;
    EXPECT_LT(Relative(GammaFn(x), std::tgamma(x)), kGammaTolerance) << "x = " << x;
  }
}

TEST(GammaFn, HasTheMagnitudeOfExpLgammaAndTheSignOfGammaSign) {
  for (double x = -30.25; x < 170.0; x += 0.5) {
    const double g = GammaFn(x);
    EXPECT_LT(Relative(std::log(std::fabs(g)), std::lgamma(x)), 1e-13) << "x = " << x;
    EXPECT_EQ(g < 0.0 ? -1 : 1, GammaSign(x)) << "x = " << x;
  }
}

TEST(GammaSign, IsPositiveAboveZeroAndAlternatesBelow) {
  EXPECT_EQ(GammaSign(3.5), 1);
  EXPECT_EQ(GammaSign(0.0), -1);
  EXPECT_EQ(GammaSign(-0.5), -1);
  EXPECT_EQ(GammaSign(-1.5), 1);
  EXPECT_EQ(GammaSign(-2.5), -1);
}

TEST(CheckedFunctions, AgreeWithTheStandardFunctionsInsideTheirRange) {
  for (double x = -700.0; x <= 700.0; x += 3.3) {
    ASSERT_LT(Relative(ExpChecked(x), std::exp(x)), kFewUlps) << "x = " << x;
  }
  for (double x = 1E-300; x < 1E300; x *= 7.7) {
    ASSERT_LT(std::fabs(LnChecked(x) - std::log(x)), kFewUlps * std::fabs(std::log(x)) + 1e-300)
        << "x = " << x;
    ASSERT_LT(std::fabs(Log10Checked(x) - std::log10(x)),
              kFewUlps * std::fabs(std::log10(x)) + 1e-300)
        << "x = " << x;
  }
  // e^(ln x) = x and x^y = e^(y ln x) for the real power.
  for (const double x : {0.3, 1.7, 42.0, 1E10}) {
    EXPECT_LT(Relative(ExpChecked(LnChecked(x)), x), kFewUlps);
    for (const double y : {-2.5, -0.3, 0.7, 3.25}) {
      EXPECT_LT(Relative(PowerReal(x, y), std::pow(x, y)), kFewUlps) << x << "^" << y;
    }
  }
  EXPECT_EQ(SignOf(-0.1), -1.0);
  EXPECT_EQ(SignOf(0.0), 1.0);
}

}  // namespace

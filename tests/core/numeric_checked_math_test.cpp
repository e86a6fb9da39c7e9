#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "numeric/checked_math.h"
#include "numeric/fp_fault.h"
#include "numeric/math_limits.h"

using namespace dorvex::numeric;

namespace {

// The library computes in extended precision and rounds once to double, so a
// result may differ from the standard library's (itself within an ulp or two) by
// a few ulps.
constexpr double kFewUlps = 4 * DBL_EPSILON;

double Relative(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

TEST(CheckedFunctions, ReturnTheDefaultValueAndFaultAtTheirLimits) {
  struct Case {
    const char* call;
    MathValue result;
    double expected;
    MathFault fault;
  };
  const Case cases[] = {
      {"ExpChecked(-709)", ExpChecked(-709.0), 0.0, MathFault::Underflow},
      {"ExpChecked(710)", ExpChecked(710.0), MaxNum, MathFault::Overflow},
      {"ExpChecked(0)", ExpChecked(0.0), 1.0, MathFault::None},
      {"LnChecked(0)", LnChecked(0.0), -MaxNum, MathFault::Singularity},
      {"LnChecked(-1)", LnChecked(-1.0), -MaxNum, MathFault::Domain},
      {"LnChecked(1)", LnChecked(1.0), 0.0, MathFault::None},
      {"Log10Checked(0)", Log10Checked(0.0), -MaxNum, MathFault::Singularity},
      {"Log10Checked(-1)", Log10Checked(-1.0), -MaxNum, MathFault::Domain},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result.value, c.expected) << c.call;
    EXPECT_EQ(c.result.fault, c.fault) << c.call;
  }
}

TEST(PowerReal, FollowsTheSpecialIntegerAndRealPaths) {
  struct Case {
    double x, y, expected;
    MathFault fault;
  };
  const Case cases[] = {
      {-8.0, 1.0 / 3.0, 0.0, MathFault::Domain},  // negative base, fractional exponent
      {-2.0, 3.0, -8.0, MathFault::None},         // integer path keeps the sign
      {0.0, -1.0, MaxNum, MathFault::Singularity},
      {0.0, 2.5, 0.0, MathFault::None},
      {0.0, 0.0, 1.0, MathFault::None},
      {5.0, 0.0, 1.0, MathFault::None},
      {5.0, 1.0, 5.0, MathFault::None},
      {10.0, 400.5, MaxNum, MathFault::Overflow},  // 400.5 * ln 10 > MaxLog
      {10.0, -400.5, 0.0, MathFault::Underflow},
  };
  for (const auto& c : cases) {
    const MathValue z = PowerReal(c.x, c.y);
    EXPECT_EQ(z.value, c.expected) << c.x << "^" << c.y;
    EXPECT_EQ(z.fault, c.fault) << c.x << "^" << c.y;
  }
}

TEST(PowerInt, SquaresASmallBaseAndGuardsTheReciprocal) {
  struct Case {
    double x;
    std::int32_t n;
    double expected;
    MathFault fault;
  };
  const Case cases[] = {
      {2.0, -3, 0.125, MathFault::None},     {0.5, 3, 0.125, MathFault::None},
      {2.0, 10, 1024.0, MathFault::None},    {-3.0, 3, -27.0, MathFault::None},
      {0.5, -2, 4.0, MathFault::None},       {1E200, 2, MaxNum, MathFault::Overflow},
      {-1E200, 3, -MaxNum, MathFault::Overflow}, {1E-200, -2, MaxNum, MathFault::Overflow},
      {0.0, -3, MaxNum, MathFault::Singularity},
  };
  for (const auto& c : cases) {
    const MathValue z = PowerInt(c.x, c.n);
    EXPECT_EQ(z.value, c.expected) << c.x << "^" << c.n;
    EXPECT_EQ(z.fault, c.fault) << c.x << "^" << c.n;
  }
}

TEST(CheckedFunctions, RaiseNoFloatingPointFaultAtTheirLimits) {
  ClearFpFaults();
  // Stored one by one: adding the defaults up would itself overflow.
  volatile double sink = 0;
  for (const MathValue v :
       {ExpChecked(1E308), ExpChecked(-1E308), LnChecked(0.0), LnChecked(-5.0),
        PowerReal(0.0, -1.0), PowerReal(-8.0, 0.5), PowerReal(1E300, 1E300), PowerInt(1E200, 5),
        PowerInt(0.0, -3), PowerInt(1E-300, 7)}) {
    sink = v.value;
  }
  (void)sink;
  EXPECT_EQ(RaisedFpFault(), FpFault::None);
}

TEST(CheckedFunctions, AgreeWithTheStandardFunctionsInsideTheirRange) {
  for (double x = -700.0; x <= 700.0; x += 3.3) {
    ASSERT_LT(Relative(ExpChecked(x).value, std::exp(x)), kFewUlps) << "x = " << x;
  }
  for (double x = 1E-300; x < 1E300; x *= 7.7) {
    ASSERT_LT(std::fabs(LnChecked(x).value - std::log(x)), kFewUlps * std::fabs(std::log(x)) + 1e-300)
        << "x = " << x;
    ASSERT_LT(std::fabs(Log10Checked(x).value - std::log10(x)),
              kFewUlps * std::fabs(std::log10(x)) + 1e-300)
        << "x = " << x;
  }
  // e^(ln x) = x and x^y = e^(y ln x) for the real power.
  for (const double x : {0.3, 1.7, 42.0, 1E10}) {
    EXPECT_LT(Relative(ExpChecked(LnChecked(x).value).value, x), kFewUlps);
    for (const double y : {-2.5, -0.3, 0.7, 3.25}) {
      EXPECT_LT(Relative(PowerReal(x, y).value, std::pow(x, y)), kFewUlps) << x << "^" << y;
    }
  }
  EXPECT_EQ(SignOf(-0.1), -1.0);
  EXPECT_EQ(SignOf(0.0), 1.0);
}

}  // namespace

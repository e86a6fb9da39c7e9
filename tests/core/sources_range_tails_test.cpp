#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sources/distribution.h"
#include "sources/parametric_request.h"
#include "sources/range_tails.h"

using namespace dorvex::sources;
using dorvex::texts::Language;

namespace {

// Quadrature against a closed form: far tighter than any tail a user reads.
constexpr long double kRelative = 1E-7L;
constexpr long double kAbsolute = 1E-15L;

void ExpectNear(long double actual, long double expected, const std::string& what) {
  EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),
              static_cast<double>(kAbsolute + kRelative * std::fabs(expected)))
      << what;
}

ParamState DefaultRun(int type) {
  ParametricRequest request;
  request.type = type;
  const ParametricResult result = ComputeParametric(request, Language::English);
  EXPECT_TRUE(result.ok()) << type;
  return result.state;
}

class CutByRangeOverTypes : public ::testing::TestWithParam<int> {};

// The range leaves out little at Eps 1E-7, and never a negative amount; a density
// threshold stops heavy power tails early (Lévy with c = 10 loses about 1 %), which
// is why the window shows these numbers.
TEST_P(CutByRangeOverTypes, LeavesOutLittleWithTheDefaultParameters) {
  const int type = GetParam();
  const bool powerTail = type == kCauchy || type == kLevy || type == kSnedecor || type == kPareto;
  const ParamState state = DefaultRun(type);
  const CutTails t = CutByRange(state);
  EXPECT_GE(t.lower, 0.0L);
  EXPECT_GE(t.upper, 0.0L);
  EXPECT_LT(t.lower + t.upper, powerTail ? 2E-2L : 1E-6L) << ParamListText(type, Language::English);
}

// A type's distribution function and the integral of its density agree.
TEST_P(CutByRangeOverTypes, DistributionFunctionAgreesWithTheIntegratedDensity) {
  const int type = GetParam();
  if (!DistributionOf(type).cut) GTEST_SKIP() << "integrated only";
  const ParamState state = DefaultRun(type);
  const std::string name = ParamListText(type, Language::English);
  // The computed range, and one cut well inside it so both tails are large.
  const long double inner = (state.Max - state.Min) / 4.0L;
  for (const auto& [Min, Max] : {std::pair<long double, long double>{state.Min, state.Max},
                                 {state.Min + inner, state.Max - inner}}) {
    const CutTails exact = CutByRange(type, state.para, Min, Max);
    const CutTails integrated = IntegratedCutTails(type, state.para, Min, Max);
    ExpectNear(integrated.lower, exact.lower, name + " lower");
    ExpectNear(integrated.upper, exact.upper, name + " upper");
  }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, CutByRangeOverTypes, ::testing::Range(0, kParamTypeCount));

// The integrated types, where their parameters make a distribution with a closed form.
TEST(CutByRange, IntegratesTypesWithoutADistributionFunction) {
  constexpr long double pi = std::numbers::pi_v<long double>;
  struct Case {
    int type;
    Parameters p;
    long double Min, Max;
    long double lower, upper;  // the special case's closed form
  };
  const Case cases[] = {
      // X2 with n = 2 is the exponential with mean 2.
      {kChiSquare, {2, 0, 0, 0}, 0.5L, 30.0L, -std::expm1(-0.25L), std::exp(-15.0L)},
      // Gama with k = 1 is the exponential with mean theta.
      {kGamma, {1, 3, 0, 0}, 1.0L, 60.0L, -std::expm1(-1.0L / 3.0L), std::exp(-20.0L)},
      // Students with n = 1 is the standard Cauchy distribution.
      {kStudent, {1, 0, 0, 0}, -50.0L, 200.0L, std::atan2(1.0L, 50.0L) / pi,
       std::atan2(1.0L, 200.0L) / pi},
      // Beta with alfa = beta = 1 is uniform on its interval.
      {kBetaZero, {1, 1, 0, 0}, 0.1L, 0.7L, 0.1L, 0.3L},
      {kBetaUniversal, {1, 1, 2, 6}, 3.0L, 4.0L, 0.25L, 0.5L},
      // Snedecorovo with n1 = 2: P(X > x) = (1 + 2x / n2)^(-n2 / 2).
      {kSnedecor, {2, 6, 0, 0}, 0.5L, 40.0L, 1.0L - std::pow(1.0L + 1.0L / 6.0L, -3.0L),
       std::pow(1.0L + 80.0L / 6.0L, -3.0L)},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(DistributionOf(c.type).cut, nullptr);
    const CutTails t = CutByRange(c.type, c.p, c.Min, c.Max);
    const std::string name = ParamListText(c.type, Language::English);
    ExpectNear(t.lower, c.lower, name + " lower");
    ExpectNear(t.upper, c.upper, name + " upper");
  }
}

// The normal's tails at 3 and 6 standard deviations (tables: 1.349898E-3, 9.865876E-10).
TEST(CutByRange, GivesTheNormalTailsOfTheTables) {
  const CutTails t = CutByRange(kNormal, {10, 2, 0, 0}, 4.0L, 22.0L);
  EXPECT_NEAR(static_cast<double>(t.lower), 1.349898E-3, 1E-9);
  EXPECT_NEAR(static_cast<double>(t.upper), 9.865876E-10, 1E-16);
}

}  // namespace

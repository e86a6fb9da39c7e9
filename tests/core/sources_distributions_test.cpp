// Each type's own rules: its moments, range rule, conditions, constants and fit.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "sources/distribution.h"
#include "sources/distributions/distributions.h"
#include "sources/parametric_histogram.h"
#include "support/parametric_runs.h"

using namespace dorvex::sources;
using namespace dorvex::test_support;
using dorvex::texts::Language;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEuler = std::numbers::egamma;
// A range walk lands on its step grid; positions are x0 + j * step in extended
// precision, rounded once to double.
constexpr double kGridTolerance = 1e-12;

// ---- Densities against the closed forms -------------------------------------

// Most formulas are the normalised density; where one is not, its row says so.
struct DensityCase {
  const char* name;
  const Distribution& type;
  Parameters p;
  long double x;
  double expected;  // the closed form at x, in doubles
};

// The densities are evaluated through the checked functions, which work in doubles:
// a few roundings of a double.
constexpr double kDensityTolerance = 1e-14;

const DensityCase kDensities[] = {
    // phi(1) / Sigma.
    {"Normal", kNormalType, {10, 1}, 11, std::exp(-0.5) / std::sqrt(2 * kPi)},
    // 1 / (pi Gama (1 + 1)).
    {"Cauchy", kCauchyType, {10, 1}, 11, 1 / (2 * kPi)},
    // e^-1 / (2 b).
    {"Laplace", kLaplaceType, {10, 2}, 12, std::exp(-1.0) / 4},
    // 1 / (4 s) at the centre.
    {"Logistic", kLogisticType, {10, 2}, 10, 0.125},
    // (1 + cos 0) / 2 / s at the centre.
    {"RaisedCosine", kRaisedCosineType, {10, 2}, 10, 0.5},
    // k / lambda (x / lambda)^(k - 1) e^-(x/lambda)^k at x = lambda.
    {"Weibull", kWeibullType, {2, 1}, 1, 2 * std::exp(-1.0)},
    // x / Sigma^2 e^-(x/Sigma)^2/2 at x = Sigma.
    {"Rayleigh", kRayleighType, {2}, 2, std::exp(-0.5) / 2},
    // t with one degree of freedom is the Cauchy: 1 / pi at 0.
    {"Student", kStudentType, {1}, 0, 1 / kPi},
    // Beta(2, 2) = 6 x (1 - x).
    {"BetaZero", kBetaZeroType, {2, 2}, 0.5, 1.5},
    // Beta(2, 2) stretched onto [1, 3]: half the height.
    {"BetaUniversal", kBetaUniversalType, {2, 2, 1, 3}, 2, 0.75},
    // x e^-x for k = 2, theta = 1.
    {"Gamma", kGammaType, {2, 1}, 1, std::exp(-1.0)},
    // 1 / (b - a).
    {"Uniform", kUniformType, {0, 20}, 7, 0.05},
    // (x - a) / (2 (b - a)(c - a)) at c: a quarter of the peak 2 / (b - a) of the
    // normalised density (the discretisation normalises).
    {"Triangular", kTriangularType, {0, 20, 5}, 5, 0.025},
    // e^(-x/delta) / delta.
    {"Exponential", kExponentialType, {10}, 10, std::exp(-1.0) / 10},
    // Four degrees of freedom: x e^(-x/2) / 4.
    {"ChiSquare", kChiSquareType, {4}, 2, std::exp(-1.0) / 2},
    // 2 e^-x / (1 + e^-x)^2 at 0.
    {"HalfLogistic", kHalfLogisticType, {0}, 0, 0.5},
};

class Densities : public ::testing::TestWithParam<DensityCase> {};

TEST_P(Densities, MatchTheClosedFormAtAPoint) {
  const DensityCase& c = GetParam();
  const Prepared prepared = c.type.prepare(c.p);
  ASSERT_FALSE(prepared.refusal.has_value());
  EXPECT_NEAR(static_cast<double>(prepared.density.At(c.x)), c.expected,
              kDensityTolerance * c.expected);
}

INSTANTIATE_TEST_SUITE_P(Types, Densities, ::testing::ValuesIn(kDensities),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Moments against the closed forms ---------------------------------------

struct MomentCase {
  const char* name;
  int type;
  std::vector<std::string> parameters;
  double mean;
  double sd;
  // Allowed error of mean and sd, as a fraction of sd: mid-point sampling of a
  // smooth density on 1024 intervals and a tail cut where the density has fallen
  // by 1E-7 cost well under 1E-4; heavier tails are named in their row.
  double tolerance;
};

const double kLight = 1e-4;

double Gamma(double x) { return std::tgamma(x); }

const MomentCase kMomentCases[] = {
    {"Normal", kNormal, {"10", "1"}, 10, 1, kLight},
    {"LogNormal2P", kLogNormal2P, {"10", "3"}, 10, 3, kLight},
    // The location uses 0.577 for Euler's constant: the mean is off by
    // (egamma - 0.577) * sqrt(6) / pi * sigma = 1.68E-4 sigma, which the tighter
    // tolerance resolves.
    {"GumbelI", kGumbelI, {"10", "1"}, 10 + (kEuler - 0.577) * std::sqrt(6.0) / kPi, 1, 1e-5},
    // Mirror image of type 2 about Mi.
    {"GumbelII", kGumbelII, {"10", "1"}, 10 - (kEuler - 0.577) * std::sqrt(6.0) / kPi, 1, 1e-5},
    {"RaisedCosine", kRaisedCosine, {"10", "2"}, 10, 2 * std::sqrt(1.0 / 3 - 2 / (kPi * kPi)), kLight},
    {"FisherTippett", kFisherTippett, {"10", "2"}, 10 + kEuler * 2, kPi * 2 / std::sqrt(6.0), kLight},
    {"Laplace", kLaplace, {"10", "2"}, 10, std::sqrt(2.0) * 2, kLight},
    {"Logistic", kLogistic, {"10", "2"}, 10, 2 * kPi / std::sqrt(3.0), kLight},
    {"Weibull", kWeibull, {"2", "3"}, 3 * Gamma(1.5), 3 * std::sqrt(Gamma(2) - Gamma(1.5) * Gamma(1.5)), kLight},
    {"Rayleigh", kRayleigh, {"2"}, 2 * std::sqrt(kPi / 2), 2 * std::sqrt((4 - kPi) / 2), kLight},
    {"Student", kStudent, {"10"}, 0, std::sqrt(10.0 / 8), kLight},
    {"BetaZero", kBetaZero, {"2", "5"}, 2.0 / 7, std::sqrt(10.0 / (49 * 8)), kLight},
    {"BetaUniversal", kBetaUniversal, {"2", "5", "1", "3"}, 1 + 2 * 2.0 / 7, 2 * std::sqrt(10.0 / (49 * 8)), kLight},
    {"Gamma", kGamma, {"10", "1.5"}, 15, std::sqrt(10.0) * 1.5, kLight},
    // F(10, 20): mean n2/(n2 - 2), variance 2 n2^2 (n1 + n2 - 2) / (n1 (n2 - 2)^2 (n2 - 4)).
    // The cut is absolute (f <= 1E-7), and the x^-11 tail beyond it holds about
    // 1E-4 of the variance.
    {"Snedecor", kSnedecor, {"10", "20"}, 20.0 / 18, std::sqrt(2.0 * 400 * 28 / (10 * 324 * 16)), 2e-4},
    // Pareto k = 12: the tail beyond the cut (x/xm > 1E7^(1/13)) holds a few 1E-4
    // of the variance.
    {"Pareto", kPareto, {"1", "12"}, 12.0 / 11, std::sqrt(12.0 / (121 * 10)), 1e-3},
    {"Uniform", kUniform, {"0", "20"}, 10, 20 / std::sqrt(12.0), kLight},
    {"Triangular", kTriangular, {"0", "20", "5"}, 25.0 / 3, std::sqrt(325.0 / 18), kLight},
    // Weights e^(-x/delta) from x = delta on: an exponential shifted by delta.
    {"Exponential", kExponential, {"10"}, 20, 10, kLight},
    {"ChiSquare", kChiSquare, {"10"}, 10, std::sqrt(20.0), kLight},
    // The standard half-logistic (delta = 0): mean ln 4, variance pi^2/3 - (ln 4)^2.
    {"HalfLogistic", kHalfLogistic, {"0"}, std::log(4.0), std::sqrt(kPi * kPi / 3 - std::log(4.0) * std::log(4.0)), kLight},
    {"LogNormal3P", kLogNormal3P, {"10", "1", "1.1"}, 10, 1, kLight},
};

class ClosedFormMoments : public ::testing::TestWithParam<MomentCase> {};

TEST_P(ClosedFormMoments, MatchTheHistogramsMeanAndStandardDeviation) {
  const MomentCase& c = GetParam();
  const Moments m = HistogramMoments(RunParametric(c.type, c.parameters));
  EXPECT_NEAR(m.mean, c.mean, c.tolerance * c.sd);
  EXPECT_NEAR(m.sd, c.sd, c.tolerance * c.sd);
}

INSTANTIATE_TEST_SUITE_P(Types, ClosedFormMoments, ::testing::ValuesIn(kMomentCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Range rules -----------------------------------------------------------------

TEST(Normal, SearchesInHundredthsOfSigmaSymmetricallyAboutMi) {
  const ParamState st = RunParametric(kNormal, {"10", "1"}, 256);
  // The first j with exp(-(0.01 j)^2 / 2) <= 1E-7 is j = 568 (0.01 j >= 5.6777).
  EXPECT_EQ(static_cast<double>(st.step), 0.01);
  EXPECT_NEAR(st.Max, 15.68, kGridTolerance);
  EXPECT_NEAR(st.Min, 4.32, kGridTolerance);
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
  EXPECT_DOUBLE_EQ(static_cast<double>(st.Total), 1.0 / std::min(st.P[1], st.P[256]));
}

TEST(Uniform, GivesEveryIntervalOneNthAndTotalN) {
  const ParamState st = RunParametric(kUniform, {"0", "20"}, 128);
  for (int i = 1; i <= 128; ++i) ASSERT_EQ(st.P[i], 1.0 / 128) << i;
  EXPECT_EQ(st.Total, 128.0L);
  EXPECT_EQ(st.Min, 0.0);
  EXPECT_EQ(st.Max, 20.0);
}

TEST(Cauchy, CutsTheTailsAtTenTimesEps) {
  // 1/((x - Xo)^2 + 1) <= 1E-6 first at x - Xo = 1000 in steps of 0.001.
  const ParamState st = RunParametric(kCauchy, {"10", "1"});
  EXPECT_NEAR(st.Max, 1010.0, kGridTolerance * 1000);
  EXPECT_NEAR(st.Min, -990.0, kGridTolerance * 1000);
  EXPECT_NEAR(HistogramMoments(st).mean, 10.0, 1e-9);
}

TEST(Weibull, WithShapeBelowOneStartsAtOneHundredThousandthAndKeepsMinZero) {
  const ParamState st = RunParametric(kWeibull, {"0.8", "1"});
  EXPECT_FALSE(EpsFieldShown(kWeibull, 0.8L, 1.0L));
  EXPECT_EQ(st.Min, 0.0);
  // lambda = 1 is not above 1: the step is 0.001 * min(k, lambda).
  EXPECT_NEAR(static_cast<double>(st.step), 0.0008, 1e-18);
  const double steps = (st.Max - 0.00001) / 0.0008;
  EXPECT_NEAR(steps, std::round(steps), 1e-6);
}

TEST(Gamma, WithShapeOneStartsAtZeroAndTakesTheFirstNegativePointAsMin) {
  const ParamState st = RunParametric(kGamma, {"1", "2"});
  EXPECT_NEAR(st.Min, -0.001 * 2, 1e-18);
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
}

TEST(LogNormal3P, GivesMirrorImageShapesForOppositeSkewness) {
  const ParamState right = RunParametric(kLogNormal3P, {"10", "1", "1"});
  const ParamState left = RunParametric(kLogNormal3P, {"10", "1", "-1"});
  const Moments r = HistogramMoments(right);
  const Moments l = HistogramMoments(left);
  // Skewness 1 is W = 1.1038 for the lognormal ((W + 2) sqrt(W - 1) = 1).
  constexpr double kSkewnessTolerance = 1e-3;  // the cut right tail
  EXPECT_NEAR(r.skewness, 1.0, kSkewnessTolerance);
  EXPECT_NEAR(l.skewness, -1.0, kSkewnessTolerance);
  EXPECT_NEAR(r.mean, 10.0, kLight);
  EXPECT_NEAR(l.mean, 10.0, kLight);
  // The ranges mirror about Mi, and so do the probabilities.
  EXPECT_NEAR(right.Max - 10.0, 10.0 - left.Min, kGridTolerance * 10);
  EXPECT_NEAR(right.Min - 10.0, 10.0 - left.Max, kGridTolerance * 10);
  for (int i = 1; i <= 1024; ++i) ASSERT_NEAR(right.P[i], left.P[1025 - i], 1e-12) << i;
}

// ---- Conditions, constants and faults of single types ------------------------------

const RefusalCase kTypeRefusals[] = {
    {"Uniform a = b", kUniform, {"5", "5"}, 505, "No condition :   a < b !", 1, true},
    {"Triangular c above b", kTriangular, {"0", "20", "25"}, 505,
     "No condition :   a <= c <= b !", 3, true},
    {"Beta_universal a > b", kBetaUniversal, {"2", "3", "5", "1"}, 505, "No condition :   a < b !",
     4, true},
    {"Gama k below 1", kGamma, {"0.5", "1"}, 509, "Condition not met (k-1).theta >= 0   !", 1, true},
    {"LogNormal_3P skewness 0", kLogNormal3P, {"10", "1", "0"}, 505,
     "No condition :   Skewness <> 0 !", 3, true},
    // gamma(200) is beyond MaxGam: B = MaxNum * MaxNum / MaxNum.
    {"Beta_universal B overflow", kBetaUniversal, {"200", "200", "0", "1"}, 506,
     "Real number  o v e r f l o w !", 2, true},
    // (n1/n2)^(n1/2) and gamma(500.5) are MaxNum: K = MaxNum / sqrt(pi).
    {"Snedecorovo K overflow", kSnedecor, {"1000", "1"}, 506, "Real number  o v e r f l o w !", 1,
     true},
    // q is about 1/|skewness| = 1E-330, which is 0 as a double: r = 0.
    {"LogNormal_3P r zero", kLogNormal3P, {"10", "1", "1E330"}, 508,
     "D i v i s i o n  by zero ! (Constant C=0)", 0, true},
    // The peak density 1/(theta e) is below Eps * 1E-5: both walks stop at once.
    {"Gama Min = Max", kGamma, {"2", "1E12"}, 190,
     "N o n  d e f i n e d  operation in floating decimal point !", 0, true},
    // theta^k underflows: D = 0 stops without a dialog.
    {"Gama D zero", kGamma, {"2", "1E-200"}, 0, "", 0, false},
    // sigma/mu so small that C = 1: ln C = 0 and the density at Mi is 0/0.
    {"LogNormal_2P invalid operation", kLogNormal2P, {"1", "1E-10"}, 186,
     kFaultText + "LogNormal_2P\r\n\r\n       N o n  d e f i n e d  operation in floating decimal point !",
     0, true},
    // The leftward walk from Mi = 1 in steps of 1 (Sigma * 0.01) reaches x = 0, where
    // ln gives -MaxNum and the exponent built from its square overflows a double.
    {"LogNormal_2P overflow", kLogNormal2P, {"1", "100"}, 186,
     kFaultText + "LogNormal_2P\r\n\r\n       Real number  o v e r f l o w !", 0, true},
    // alfa < 1: the density at a is infinite (MaxNum), the search collapses to a
    // single point.
    {"Beta_universal alfa below 1", kBetaUniversal, {"0.5", "2", "0", "1"}, 217,
     "  Calculation  is impossible ! \r\n\r\n( resulting histogram Max=Min )", 0, true},
};

class TypeRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TypeRefusals, ShowTheMessageAndFocusTheField) { ExpectRefusal(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Table, TypeRefusals, ::testing::ValuesIn(kTypeRefusals),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// ---- Fitting rules ---------------------------------------------------------------

struct FitCase {
  const char* name;
  int type;
  FitInputs fit;
  ParameterTexts texts;  // the fitted texts; unused fields keep "1.1", "1.9"
  const char* description;
};

FitInputs WithWeibullK(FitInputs fit, double k) {
  fit.weibullK = k;
  return fit;
}

// Computed parameters in fixed notation with 5 decimals (values worked out by hand:
// raised cosine s / sqrt(1/3 - 2/pi^2), sqrt(6) s / pi, sqrt(3) s / pi, s / sqrt 2,
// m / gamma(1 + 1/k), 2 s^2 / (s^2 - 1), the beta and gamma moment equations).
const FitCase kFits[] = {
    {"Normal", kNormal, Sample(10, 1), {"10", "1", "1.1", "1.9"}, "Mi=10,Sigma=1)"},
    {"RaisedCosine", kRaisedCosine, Sample(10, 1), {"10", "2.76616", "1.1", "1.9"}, "Mi=10,s=2.76616)"},
    {"FisherTippett", kFisherTippett, Sample(10, 1), {"10", "0.77970", "1.1", "1.9"},
     "Mi=10,Beta=0.77970)"},
    {"Laplace", kLaplace, Sample(10, 1), {"10", "0.70711", "1.1", "1.9"}, ""},
    {"Logistic", kLogistic, Sample(10, 1), {"10", "0.55133", "1.1", "1.9"}, "Mi=10, s=0.55133)"},
    {"Weibull", kWeibull, WithWeibullK(Sample(10, 1), 2), {"2.00000", "11.28379", "1.1", "1.9"},
     "k=2.00000, Lambda=11.28379)"},
    {"Rayleigh", kRayleigh, Sample(10, 1), {"1", "1", "1.1", "1.9"}, "Sigma=1)"},
    {"Student", kStudent, Sample(10, 2), {"2.66667", "1", "1.1", "1.9"}, "n=2.66667)"},
    // m = 0.5, s = 3: alfa = 0.25 * 0.5 * 9 / (0.0625 + 0.5) = 2, beta = alfa.
    {"BetaZero", kBetaZero, Sample(0.5, 3), {"2.00000", "2.00000", "1.1", "1.9"},
     "alfa=2.00000,beta=2.00000)"},
    // a, b = 7, 13: m' = 0.5, v = 1/36, alfa = 0.5 (0.25 * 36 - 1) = 4.
    {"BetaUniversal", kBetaUniversal, Sample(10, 1), {"4.00000", "4.00000", "7.00000", "13.00000"},
     "alfa=4.00000,beta=4.00000a=7.00000,b=13.00000)"},
    {"Gamma", kGamma, Sample(10, 1), {"100.00000", "0.10000", "1.1", "1.9"}, "k=100.00000,theta=0.10000)"},
    // m = 5: n2 = 2.5, n1 = 12.5 / ((1 - 12.5) * 0.5 * -1.5).
    {"Snedecor", kSnedecor, Sample(5, 1), {"1.44928", "2.50000", "1.1", "1.9"}, "n1=1.44928,n2=2.50000)"},
    {"Exponential", kExponential, Sample(10, 1), {"10", "1", "1.1", "1.9"}, "delta=10)"},
    {"ChiSquare", kChiSquare, Sample(10, 1), {"10", "1", "1.1", "1.9"}, "n=10)"},
    {"HalfLogistic", kHalfLogistic, Sample(10, 1), {"10", "1", "1.1", "1.9"}, "Delta=10)"},
    {"LogNormal3P", kLogNormal3P, Sample(10, 1), {"10", "1", "0.5", "1.9"}, "Mi=10,Sigma=1,Skewness=0.5)"},
};

class FittedTypes : public ::testing::TestWithParam<FitCase> {};

TEST_P(FittedTypes, WriteTheFittedTextsAndDescriptionAndCompute) {
  const FitCase& c = GetParam();
  ParamState st = Fitting(c.type, c.fit);
  const auto refusal = ComputeParametricHistogram(st, Language::English);
  ASSERT_FALSE(refusal.has_value()) << refusal->text;
  EXPECT_EQ(st.parameterTexts, c.texts);
  EXPECT_EQ(st.fitDescription, c.description);
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
}

INSTANTIATE_TEST_SUITE_P(Types, FittedTypes, ::testing::ValuesIn(kFits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fitting, TakesTheSampleTablesTextsVerbatim) {
  FitInputs fit = Sample(10, 1);
  fit.mText = "     10.0000";
  fit.sText = "     1.00000";
  ParamState st = Fitting(kNormal, fit);
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  EXPECT_EQ(st.parameterTexts[0], "     10.0000");
  EXPECT_EQ(st.fitDescription, "Mi=     10.0000,Sigma=     1.00000)");
}

TEST(Fitting, KeepsTheDataRangeWhereTheNormalIsNegligibleAtBothEnds) {
  FitInputs fit = Sample(10, 1);
  ParamState searched = Fitting(kNormal, fit);
  ASSERT_FALSE(ComputeParametricHistogram(searched, Language::English).has_value());
  // f(7) is not below f(10) * 1E-7: the usual search.
  EXPECT_NEAR(searched.Min, 4.32, 1e-12);
  fit.Xmin = 4;  // z = 6: exp(-18) < 1E-7
  fit.Xmax = 16;
  ParamState kept = Fitting(kNormal, fit);
  ASSERT_FALSE(ComputeParametricHistogram(kept, Language::English).has_value());
  EXPECT_EQ(kept.Min, 4.0);
  EXPECT_EQ(kept.Max, 16.0);
}

TEST(Fitting, RejectsWithoutADialogWhatCannotBeFitted) {
  struct Case {
    const char* why;
    int type;
    FitInputs fit;
    int message;
    int title;
  };
  FitInputs rightOfMiddle = Sample(10, 1);
  rightOfMiddle.Xmed = 10.5;
  FitInputs leftOfMiddle = Sample(10, 1);
  leftOfMiddle.Xmed = 9.5;
  // ln(x / median) / log-sigma is -9.1 at 4 and 7.0 at 20 for this lognormal.
  FitInputs wide = Sample(10, 1);
  wide.Xmin = 4;
  wide.Xmax = 20;
  FitInputs meanAtEdge = Sample(10, 1);
  meanAtEdge.Xmin = 10;
  const Case cases[] = {
      {"Cauchy", kCauchy, Sample(10, 1), 0, 3},
      {"Levy", kLevy, Sample(10, 1), 0, 3},
      {"Pareto", kPareto, Sample(10, 1), 0, 3},
      {"Uniform", kUniform, Sample(10, 1), 0, 3},
      {"Triangular", kTriangular, Sample(10, 1), 0, 3},
      {"Student with n - 1 <= 0", kStudent, Sample(10, 0.5), 0, 3},
      {"Snedecorovo with n1 <= 0", kSnedecor, Sample(1.5, 1), 507, 2},
      {"Gumbelovo_I with the median right of the middle", kGumbelI, rightOfMiddle, 0, 3},
      {"Gumbelovo_II with the median left of the middle", kGumbelII, leftOfMiddle, 0, 3},
      {"LogNormal_2P negligible at both data ends", kLogNormal2P, wide, 0, 3},
      {"Beta_obecne with m = a", kBetaUniversal, meanAtEdge, 0, 3},
  };
  for (const auto& c : cases) {
    ParamState st = Fitting(c.type, c.fit);
    const auto refusal = ComputeParametricHistogram(st, Language::English);
    ASSERT_TRUE(refusal.has_value()) << c.why;
    EXPECT_FALSE(refusal->shown) << c.why;
    EXPECT_EQ(refusal->message, c.message) << c.why;
    EXPECT_EQ(refusal->titleMessage, c.title) << c.why;
  }
  // The same Gumbel samples suit the other Gumbel type.
  ParamState gumbelI = Fitting(kGumbelI, leftOfMiddle);
  EXPECT_FALSE(ComputeParametricHistogram(gumbelI, Language::English).has_value());
  ParamState gumbelII = Fitting(kGumbelII, rightOfMiddle);
  EXPECT_FALSE(ComputeParametricHistogram(gumbelII, Language::English).has_value());
}

TEST(Fitting, KeepsTheRaisedCosinesOwnRangeAndEmptiesItBelowLo) {
  FitInputs fit = Sample(10, 1);
  fit.userRange = UserRange{9, 20};
  ParamState st = Fitting(kRaisedCosine, fit, 100);
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  EXPECT_NEAR(st.Min, 10 - 2.76616, 1e-12);
  EXPECT_NEAR(st.Max, 10 + 2.76616, 1e-12);
  for (int i = 1; i <= 100; ++i) {
    if (st.Min + (i - 0.5) * st.w < 9.0) {
      EXPECT_EQ(st.P[i], 0.0) << i;
    }
  }
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
}

TEST(Fitting, WidensALogNormalToTheDataWhenTheDataModeIsInTheLowerHalf) {
  FitInputs fit = Sample(10, 1);
  fit.Xmin = 9;
  fit.Xmax = 25;
  fit.Xmod = 9.5;  // 0.5 < (25 - 9) / 2
  ParamState st = Fitting(kLogNormal2P, fit);
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  EXPECT_EQ(st.Max, 25.0);
  EXPECT_LT(st.Min, 9.0);  // the search went further left than the data
}

TEST(Fitting, GivesTheWeibullTheSampleMean) {
  ParamState st = Fitting(kWeibull, WithWeibullK(Sample(10, 1), 2), 1024);
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  EXPECT_EQ(st.Min, 0.0);
  // lambda = m / gamma(1.5) rounded to 5 decimals, and mid-point sampling.
  EXPECT_NEAR(HistogramMoments(st).mean, 10.0, 1e-4);
}

}  // namespace

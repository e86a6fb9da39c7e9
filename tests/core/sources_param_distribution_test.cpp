#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "sources/param_types.h"
#include "sources/parametric.h"
#include "sources/vyp_para_roz.h"

using namespace dorvex::sources;
using dorvex::ProbabilityArray;
using dorvex::texts::Language;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kEuler = std::numbers::egamma;
// Normalisation divides up to 1024 doubles by their extended sum; the tiny
// probabilities dropped by the Total step are below 1024 * 0.5 / 9.2E17.
constexpr double kSumTolerance = 1e-12;
// A range walk lands on its step grid; positions are x0 + j * step in extended
// precision, rounded once to double.
constexpr double kGridTolerance = 1e-12;

struct Moments {
  double mean = 0;
  double sd = 0;
  double skewness = 0;
};

// Moments of the discrete distribution P over the interval mid-points.
Moments HistogramMoments(const ParamState& st) {
  long double mean = 0, m2 = 0, m3 = 0;
  for (int i = 1; i <= st.N; ++i) mean += st.P[i] * (st.Min + (i - 0.5L) * st.w);
  for (int i = 1; i <= st.N; ++i) {
    const long double d = st.Min + (i - 0.5L) * st.w - mean;
    m2 += st.P[i] * d * d;
    m3 += st.P[i] * d * d * d;
  }
  return {static_cast<double>(mean), static_cast<double>(std::sqrt(m2)),
          static_cast<double>(m3 / std::pow(m2, 1.5L))};
}

ParamState Compute(int type, std::vector<std::string> parameters, int bins = 1024, double eps = 1E-7) {
  ParamState st;
  st.type = type;
  st.parameterTexts = DefaultParameterTexts(type, st.parameterTexts);
  std::copy(parameters.begin(), parameters.end(), st.parameterTexts.begin());
  st.N = bins;
  st.Eps = eps;
  const auto refusal = VypParaRoz(st, Language::English);
  EXPECT_FALSE(refusal.has_value()) << type << ": " << (refusal ? refusal->text : "");
  return st;
}

long double Sum(const ParamState& st) {
  long double s = 0;
  for (int i = 1; i <= st.N; ++i) s += st.P[i];
  return s;
}

// ---- Every type, its default parameters, three interval counts --------------

class EveryType : public ::testing::TestWithParam<int> {};

TEST_P(EveryType, ProducesNonNegativeProbabilitiesSummingToOne) {
  for (const int bins : {3, 128, 1024}) {
    ParamState st;
    st.type = GetParam();
    st.firstRun = true;
    st.N = bins;
    ASSERT_FALSE(VypParaRoz(st, Language::English).has_value()) << bins;
    EXPECT_TRUE(st.ok);
    EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance) << bins;
    EXPECT_TRUE(std::all_of(st.P.begin(), st.P.end(), [](double p) { return p >= 0.0; }));
    EXPECT_TRUE(std::all_of(st.P.begin() + bins + 1, st.P.end(), [](double p) { return p == 0.0; }));
    EXPECT_EQ(st.P[0], 0.0);
    EXPECT_GT(st.Max, st.Min);
    EXPECT_DOUBLE_EQ(st.w, (st.Max - st.Min) / bins);
    // The smaller end interval gets frequency 1 when it is not empty.
    const double p = std::min(st.P[1], st.P[bins]);
    if (p != 0.0) {
      EXPECT_DOUBLE_EQ(static_cast<double>(st.Total), 1.0 / p);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, EveryType, ::testing::Range(0, kParamTypeCount),
                         [](const auto& info) { return "Type" + std::to_string(info.param); });

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
  const Moments m = HistogramMoments(Compute(c.type, c.parameters));
  EXPECT_NEAR(m.mean, c.mean, c.tolerance * c.sd);
  EXPECT_NEAR(m.sd, c.sd, c.tolerance * c.sd);
}

INSTANTIATE_TEST_SUITE_P(Types, ClosedFormMoments, ::testing::ValuesIn(kMomentCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Edge cases ----------------------------------------------------------------

TEST(Normal, SearchesInHundredthsOfSigmaSymmetricallyAboutMi) {
  const ParamState st = Compute(kNormal, {"10", "1"}, 256);
  // The first j with exp(-(0.01 j)^2 / 2) <= 1E-7 is j = 568 (0.01 j >= 5.6777).
  EXPECT_EQ(static_cast<double>(st.step), 0.01);
  EXPECT_NEAR(st.Max, 15.68, kGridTolerance);
  EXPECT_NEAR(st.Min, 4.32, kGridTolerance);
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
  EXPECT_DOUBLE_EQ(static_cast<double>(st.Total), 1.0 / std::min(st.P[1], st.P[256]));
}

TEST(Uniform, GivesEveryIntervalOneNthAndTotalN) {
  const ParamState st = Compute(kUniform, {"0", "20"}, 128);
  for (int i = 1; i <= 128; ++i) ASSERT_EQ(st.P[i], 1.0 / 128) << i;
  EXPECT_EQ(st.Total, 128.0L);
  EXPECT_EQ(st.Min, 0.0);
  EXPECT_EQ(st.Max, 20.0);
}

TEST(Cauchy, CutsTheTailsAtTenTimesEps) {
  // 1/((x - Xo)^2 + 1) <= 1E-6 first at x - Xo = 1000 in steps of 0.001.
  const ParamState st = Compute(kCauchy, {"10", "1"});
  EXPECT_NEAR(st.Max, 1010.0, kGridTolerance * 1000);
  EXPECT_NEAR(st.Min, -990.0, kGridTolerance * 1000);
  EXPECT_NEAR(HistogramMoments(st).mean, 10.0, 1e-9);
}

TEST(Weibull, WithShapeBelowOneStartsAtOneHundredThousandthAndKeepsMinZero) {
  const ParamState st = Compute(kWeibull, {"0.8", "1"});
  EXPECT_FALSE(EpsFieldShown(kWeibull, 0.8L, 1.0L));
  EXPECT_EQ(st.Min, 0.0);
  // lambda = 1 is not above 1: the step is 0.001 * min(k, lambda).
  EXPECT_NEAR(static_cast<double>(st.step), 0.0008, 1e-18);
  const double steps = (st.Max - 0.00001) / 0.0008;
  EXPECT_NEAR(steps, std::round(steps), 1e-6);
}

TEST(Gamma, WithShapeOneStartsAtZeroAndTakesTheFirstNegativePointAsMin) {
  const ParamState st = Compute(kGamma, {"1", "2"});
  EXPECT_NEAR(st.Min, -0.001 * 2, 1e-18);
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
}

TEST(LogNormal3P, GivesMirrorImageShapesForOppositeSkewness) {
  const ParamState right = Compute(kLogNormal3P, {"10", "1", "1"});
  const ParamState left = Compute(kLogNormal3P, {"10", "1", "-1"});
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

TEST(ApplyTotalRule, DropsProbabilitiesBelowOneOverTheReducedR) {
  struct Case {
    std::array<double, 3> P;
    std::array<double, 3> kept;
    long double total;
  };
  const Case cases[] = {
      // R = 4 + 2 + 4: nothing dropped, Total = 1/0.25.
      {{0.25, 0.5, 0.25}, {0.25, 0.5, 0.25}, 4.0L},
      // R = 1E20 + 4 reduced twice to about 1E18: R * 1E-20 = 0.01 rounds to 0, the
      // first interval is emptied and Total is R itself.
      {{1e-20, 0.5, 0.5}, {0.0, 0.5, 0.5}, (1e20L + 4.0L) / 100.0L},
      // An interior tiny probability goes too; the ends keep Total = 1/0.4.
      {{0.4, 1e-20, 0.6}, {0.4, 0.0, 0.6}, 1.0L / 0.4L},
  };
  for (const auto& c : cases) {
    ProbabilityArray P{};
    std::copy(c.P.begin(), c.P.end(), P.begin() + 1);
    const long double total = ApplyTotalRule(P, 3);
    EXPECT_NEAR(static_cast<double>(total / c.total), 1.0, 1e-15);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(P[i + 1], c.kept[i]);
  }
}

TEST(Weibull, WithSteepShapeDropsItsTinyFirstProbabilitiesAndTakesTotalR) {
  // k = 10: P[1] is about 1E-29, so R exceeds the 64-bit range and is reduced.
  const ParamState st = Compute(kWeibull, {"10", "1"});
  EXPECT_EQ(st.P[1], 0.0);
  EXPECT_LE(st.Total, 9223372036854775807.0L);
  EXPECT_GT(st.Total, 9.2e17L);
}

TEST(HandOverParametric, GivesMidPointsForDiscreteAndEdgesForPureDiscrete) {
  ParametricRequest request;
  request.type = kUniform;
  request.parameters = {"0", "10"};
  request.bins = 10;
  const ParametricResult discrete = ComputeParametric(request, Language::English);
  ASSERT_TRUE(discrete.ok());
  EXPECT_EQ(discrete.buffer.histogram.Min, 0.5);
  EXPECT_EQ(discrete.buffer.histogram.Max, 9.5);
  EXPECT_EQ(discrete.buffer.histogram.d, 1.0);
  EXPECT_EQ(discrete.buffer.histogram.Range, 10.0);
  EXPECT_EQ(discrete.buffer.histogram.N, 10);
  EXPECT_EQ(discrete.buffer.histogram.Total, 10.0L);
  EXPECT_EQ(discrete.histogramType, dorvex::model::HistogramType::Discrete);
  EXPECT_EQ(discrete.name, "ParRoz_Uniform");

  request.pureDiscrete = true;
  const ParametricResult pure = ComputeParametric(request, Language::English);
  ASSERT_TRUE(pure.ok());
  EXPECT_EQ(pure.buffer.histogram.Min, 0.0);
  EXPECT_EQ(pure.buffer.histogram.Max, 10.0);
  EXPECT_DOUBLE_EQ(pure.buffer.histogram.d, 10.0 / 9);
  EXPECT_EQ(pure.histogramType, dorvex::model::HistogramType::PureDiscrete);
}

TEST(ComputeParametric, UsesTheTypesDefaultsForParametersNotGiven) {
  ParametricRequest request;
  request.type = *FindParamType("Triangular");
  const ParametricResult result = ComputeParametric(request, Language::Czech);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.state.parameterTexts[0], "0");
  EXPECT_EQ(result.state.parameterTexts[2], "5");
  EXPECT_EQ(result.buffer.histogram.N, kDefaultParamBins);
  EXPECT_EQ(result.state.Eps, kDefaultParamEps);
  EXPECT_EQ(result.name, "ParRoz_Triangular");
}

TEST(VypParaRoz, FirstRunLoadsTheTypesDefaultTexts) {
  ParamState st;
  st.type = kUniform;
  st.parameterTexts = {"x", "y", "z", "1"};
  st.firstRun = true;
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
  EXPECT_EQ(st.parameterTexts, (ParameterTexts{"0", "20", "5", "1"}));
  EXPECT_FALSE(st.firstRun);
  EXPECT_EQ(st.caption, "Parametric distribution :  F (x | a,b)");
  EXPECT_EQ(st.labels[1], "b");
}

}  // namespace

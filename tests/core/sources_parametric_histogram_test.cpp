#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "sources/distribution.h"
#include "sources/parametric_histogram.h"
#include "support/parametric_runs.h"

using namespace dorvex::sources;
using namespace dorvex::test_support;
using dorvex::ProbabilityArray;
using dorvex::texts::Language;

namespace {

// ---- Every type, its default parameters, three interval counts --------------

class EveryType : public ::testing::TestWithParam<int> {};

TEST_P(EveryType, ProducesNonNegativeProbabilitiesSummingToOne) {
  for (const int bins : {3, 128, 1024}) {
    ParamState st;
    st.type = GetParam();
    st.firstRun = true;
    st.N = bins;
    ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value()) << bins;
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

// ---- Refusals of the parameter texts ---------------------------------------------

const RefusalCase kReadRefusals[] = {
    {"P1 not a number", kNormal, {"abc", "1"}, 501,
     "Invalid number input ! \r\n\r\n        Specified parameter Mi : abc", 1, true},
    {"hidden P3 not a number", kNormal, {"10", "1", "1,2,3"}, 501,
     "Invalid number input ! \r\n\r\n        Specified parameter 3.parametr : 1,2,3", 3, true},
    {"Sigma zero", kNormal, {"10", "0"}, 503, "Parameter \r\n\r\n     Sigma none > 0 !", 2, true},
    {"Mi negative", kLogNormal2P, {"-1", "1"}, 503, "Parameter \r\n\r\n     Mi none > 0 !", 1, true},
};

class ReadRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ReadRefusals, ShowTheMessageAndFocusTheField) { ExpectRefusal(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Table, ReadRefusals, ::testing::ValuesIn(kReadRefusals),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ComputeParametricHistogram, RefusesEpsOneBecauseTheRangeCollapses) {
  ParamState st;
  st.Eps = 1.0;  // the density at Mi is already at the threshold
  const auto refusal = ComputeParametricHistogram(st, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->message, 217);
}

TEST(ComputeParametricHistogram, WritesRefusalsInTheChosenLanguage) {
  ParamState st;
  st.parameterTexts = {"10", "-2", "1.1", "1.9"};
  const auto refusal = ComputeParametricHistogram(st, Language::Czech);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->text, "Parametr \r\n\r\n     Sigma nen\xC3\xAD > 0 !");
}

TEST(ComputeParametricHistogram, KeepsThePreviousResultWhenARunIsRefused) {
  ParamState st;
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  const ParamState before = st;
  st.parameterTexts[1] = "0";
  ASSERT_TRUE(ComputeParametricHistogram(st, Language::English).has_value());
  EXPECT_FALSE(st.ok);
  EXPECT_EQ(st.Min, before.Min);
  EXPECT_EQ(st.Max, before.Max);
  EXPECT_EQ(st.P, before.P);
  EXPECT_EQ(st.Total, before.Total);
}

TEST(ComputeParametricHistogram, RefusesIntervalCountsOutsideThreeTo1024AndUnknownTypes) {
  ParamState st;
  st.N = 2;
  auto refusal = ComputeParametricHistogram(st, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->text, "Intervals number is not in range 3 .. 1024 !");
  st.N = 1025;
  EXPECT_EQ(ComputeParametricHistogram(st, Language::English)->message, 88);
  st.N = 128;
  st.type = kParamTypeCount;
  refusal = ComputeParametricHistogram(st, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->text, "Function is not created yet !");
}

TEST(ComputeParametricHistogram, FirstRunLoadsTheTypesDefaultTexts) {
  ParamState st;
  st.type = kUniform;
  st.parameterTexts = {"x", "y", "z", "1"};
  st.firstRun = true;
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  EXPECT_EQ(st.parameterTexts, (ParameterTexts{"0", "20", "5", "1"}));
  EXPECT_FALSE(st.firstRun);
  EXPECT_EQ(st.caption, "Parametric distribution :  F (x | a,b)");
  EXPECT_EQ(st.labels[1], "b");
}

// ---- Total and tiny probabilities ------------------------------------------------

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

TEST(ComputeParametricHistogram, DropsATinyEndProbabilityAndTakesTotalR) {
  // Weibull k = 10: P[1] is about 1E-29, so R exceeds the 64-bit range and is reduced.
  const ParamState st = RunParametric(kWeibull, {"10", "1"});
  EXPECT_EQ(st.P[1], 0.0);
  EXPECT_LE(st.Total, 9223372036854775807.0L);
  EXPECT_GT(st.Total, 9.2e17L);
}

// ---- Fitting mode ------------------------------------------------------------------

TEST(ComputeParametricHistogram, ShowsAnArithmeticFaultOfAFitsEstimate) {
  // Gama: theta = s^2 / m with m = 0; Students: n = 2 s^2 / (s^2 - 1) with s = 1.
  ParamState gamma = Fitting(kGamma, Sample(0, 1));
  auto refusal = ComputeParametricHistogram(gamma, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_TRUE(refusal->shown);
  EXPECT_EQ(refusal->text, kFaultText + "Gama\r\n\r\n       D i v i s i o n  by zero !");
  ParamState student = Fitting(kStudent, Sample(10, 1));
  refusal = ComputeParametricHistogram(student, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->message, 186);
  EXPECT_TRUE(refusal->shown);
}

TEST(ComputeParametricHistogram, PutsAFitOnTheUserRangeGrid) {
  FitInputs fit = Sample(10, 1);
  fit.userRange = UserRange{5, 15};
  ParamState st = Fitting(kNormal, fit, 10);
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  EXPECT_EQ(st.Min, 5.0);
  EXPECT_EQ(st.Max, 15.0);
  EXPECT_EQ(st.w, 1.0);
}

TEST(ComputeParametricHistogram, LeavesIntervalsBelowZeroEmptyForPositiveTypesOnAUserRange) {
  FitInputs fit = Sample(5, 2);
  fit.userRange = UserRange{-5, 15};
  ParamState st = Fitting(kRayleigh, fit, 20);
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  // Mid-points -4.5 .. -0.5 lie below 0.
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(st.P[i], 0.0) << i;
  EXPECT_GT(st.P[6], 0.0);
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
}

TEST(ComputeParametricHistogram, NeverGivesANegativeProbabilityOutsideTheSupport) {
  // Beta(2, 2) on a grid from -1 to 2: x (1 - x) is negative outside [0, 1].
  FitInputs fit = Sample(0.5, 3);
  fit.userRange = UserRange{-1, 2};
  ParamState st = Fitting(kBetaZero, fit, 30);
  ASSERT_FALSE(ComputeParametricHistogram(st, Language::English).has_value());
  for (int i = 1; i <= 30; ++i) {
    const double x = st.Min + (i - 0.5) * st.w;
    if (x < 0.0 || x > 1.0) {
      EXPECT_EQ(st.P[i], 0.0) << x;
    } else {
      EXPECT_GT(st.P[i], 0.0) << x;
    }
  }
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "sources/param_fit.h"
#include "sources/param_types.h"
#include "sources/vyp_para_roz.h"

using namespace dorvex::sources;
using dorvex::texts::Language;

namespace {

constexpr double kSumTolerance = 1e-12;  // as for every histogram of the computation

// A sample with mean m and deviation s whose data histogram spans m +- 3s.
FitInputs Sample(double m, double s, double g = 0.5) {
  FitInputs fit;
  fit.m = m;
  fit.s = s;
  fit.g = g;
  fit.Xmin = m - 3 * s;
  fit.Xmax = m + 3 * s;
  fit.Xmed = m;
  fit.Xmod = m;
  return fit;
}

ParamState Fitting(int type, const FitInputs& fit, int bins = 128) {
  ParamState st;
  st.type = type;
  st.N = bins;
  st.fitting = fit;
  return st;
}

long double Sum(const ParamState& st) {
  long double s = 0;
  for (int i = 1; i <= st.N; ++i) s += st.P[i];
  return s;
}

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
  const auto refusal = VypParaRoz(st, Language::English);
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
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
  EXPECT_EQ(st.parameterTexts[0], "     10.0000");
  EXPECT_EQ(st.fitDescription, "Mi=     10.0000,Sigma=     1.00000)");
}

TEST(Fitting, KeepsTheDataRangeWhereTheNormalIsNegligibleAtBothEnds) {
  FitInputs fit = Sample(10, 1);
  ParamState searched = Fitting(kNormal, fit);
  ASSERT_FALSE(VypParaRoz(searched, Language::English).has_value());
  // f(7) is not below f(10) * 1E-7: the usual search.
  EXPECT_NEAR(searched.Min, 4.32, 1e-12);
  fit.Xmin = 4;  // z = 6: exp(-18) < 1E-7
  fit.Xmax = 16;
  ParamState kept = Fitting(kNormal, fit);
  ASSERT_FALSE(VypParaRoz(kept, Language::English).has_value());
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
    const auto refusal = VypParaRoz(st, Language::English);
    ASSERT_TRUE(refusal.has_value()) << c.why;
    EXPECT_FALSE(refusal->shown) << c.why;
    EXPECT_EQ(refusal->message, c.message) << c.why;
    EXPECT_EQ(refusal->titleMessage, c.title) << c.why;
  }
  // The same Gumbel samples suit the other Gumbel type.
  ParamState gumbelI = Fitting(kGumbelI, leftOfMiddle);
  EXPECT_FALSE(VypParaRoz(gumbelI, Language::English).has_value());
  ParamState gumbelII = Fitting(kGumbelII, rightOfMiddle);
  EXPECT_FALSE(VypParaRoz(gumbelII, Language::English).has_value());
}

TEST(Fitting, ShowsAnArithmeticFaultOfTheEstimate) {
  // Gama: theta = s^2 / m with m = 0; Students: n = 2 s^2 / (s^2 - 1) with s = 1.
  const std::string prefix = "        Error in procedure VypParaRoz : \r\n\r\nParametric distribution = ";
  ParamState gamma = Fitting(kGamma, Sample(0, 1));
  auto refusal = VypParaRoz(gamma, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_TRUE(refusal->shown);
  EXPECT_EQ(refusal->text, prefix + "Gama\r\n\r\n       D i v i s i o n  by zero !");
  ParamState student = Fitting(kStudent, Sample(10, 1));
  refusal = VypParaRoz(student, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->message, 186);
  EXPECT_TRUE(refusal->shown);
}

TEST(Fitting, PutsTheHistogramOnTheUserRangeGrid) {
  FitInputs fit = Sample(10, 1);
  fit.userRange = UserRange{5, 15};
  ParamState st = Fitting(kNormal, fit, 10);
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
  EXPECT_EQ(st.Min, 5.0);
  EXPECT_EQ(st.Max, 15.0);
  EXPECT_EQ(st.w, 1.0);
}

TEST(Fitting, LeavesIntervalsBelowZeroEmptyForPositiveTypesOnAUserRange) {
  FitInputs fit = Sample(5, 2);
  fit.userRange = UserRange{-5, 15};
  ParamState st = Fitting(kRayleigh, fit, 20);
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
  // Mid-points -4.5 .. -0.5 lie below 0.
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(st.P[i], 0.0) << i;
  EXPECT_GT(st.P[6], 0.0);
  EXPECT_NEAR(static_cast<double>(Sum(st)), 1.0, kSumTolerance);
}

TEST(Fitting, KeepsTheRaisedCosinesOwnRangeAndEmptiesItBelowLo) {
  FitInputs fit = Sample(10, 1);
  fit.userRange = UserRange{9, 20};
  ParamState st = Fitting(kRaisedCosine, fit, 100);
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
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
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
  EXPECT_EQ(st.Max, 25.0);
  EXPECT_LT(st.Min, 9.0);  // the search went further left than the data
}

TEST(Fitting, GivesTheWeibullTheSampleMean) {
  ParamState st = Fitting(kWeibull, WithWeibullK(Sample(10, 1), 2), 1024);
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
  EXPECT_EQ(st.Min, 0.0);
  long double mean = 0;
  for (int i = 1; i <= st.N; ++i) mean += st.P[i] * (st.Min + (i - 0.5L) * st.w);
  // lambda = m / gamma(1.5) rounded to 5 decimals, and mid-point sampling.
  EXPECT_NEAR(static_cast<double>(mean), 10.0, 1e-4);
}

TEST(Fitting, NeverGivesANegativeProbabilityOutsideTheSupport) {
  // Beta(2, 2) on a grid from -1 to 2: x (1 - x) is negative outside [0, 1].
  FitInputs fit = Sample(0.5, 3);
  fit.userRange = UserRange{-1, 2};
  ParamState st = Fitting(kBetaZero, fit, 30);
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
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

TEST(FixedText, WritesFiveDecimalsWithAPoint) {
  EXPECT_EQ(FixedText(2.0, 5), "2.00000");
  EXPECT_EQ(FixedText(-0.123456789, 5), "-0.12346");
  EXPECT_EQ(FixedText(1234567.0, 5), "1234567.00000");
}

}  // namespace

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "sources/distribution.h"

using namespace dorvex::sources;
using dorvex::texts::Language;

namespace {

// A shape whose density is a straight line.
struct Line {
  long double slope, intercept;
  long double At(long double x) const { return slope * x + intercept; }
};

TEST(Density, EvaluatesTheShapeItWasMadeFromAndACopyOfIt) {
  const Density line(Line{2.0L, 1.0L});
  EXPECT_EQ(line.At(3.0L), 7.0L);
  const Density copy = line;
  EXPECT_EQ(copy.At(-1.0L), -1.0L);
  EXPECT_EQ(Density().At(5.0L), 0.0L);
}

TEST(DistributionOf, GivesEveryTypeADensityAndARangeRule) {
  for (int type = 0; type < kParamTypeCount; ++type) {
    EXPECT_NE(DistributionOf(type).prepare, nullptr) << type;
    EXPECT_NE(DistributionOf(type).range, nullptr) << type;
  }
}

TEST(FindParamType, TakesAnIndexOrAListTextInEitherLanguage) {
  struct Case {
    const char* text;
    std::optional<int> type;
  };
  const Case cases[] = {
      {"0", 0},
      {"23", 23},
      {"24", std::nullopt},
      {"-1", std::nullopt},
      {"Normal", kNormal},
      {"normal", kNormal},
      {"Norm\xC3\xA1ln\xC3\xAD", kNormal},  // "Normální"
      {"Gumbelovo_I", kGumbelI},
      {"GUMBELOVO_II", kGumbelII},
      {"LogNormal_2P", kLogNormal2P},
      {"  lognormal_3p ", kLogNormal3P},
      {"Students", kStudent},
      {"Studentovo", kStudent},
      {"beta_in_zero", kBetaZero},
      {"Beta_obecn\xC3\xA9", kBetaUniversal},
      {"L\xC3\xA9vy", kLevy},
      {"x2", kChiSquare},
      {"Exponencials", kExponential},
      {"Gauss", std::nullopt},
      {"", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FindParamType(c.text), c.type) << '"' << c.text << '"';
}

TEST(ParamListText, FollowsTheLanguageForFiveTypesOnly) {
  struct Case {
    int type;
    const char* english;
    const char* czech;
  };
  const Case cases[] = {
      {kNormal, "Normal", "Norm\xC3\xA1ln\xC3\xAD"},
      {kStudent, "Students", "Studentovo"},
      {kBetaZero, "Beta_in_zero", "Beta_v_nule"},
      {kBetaUniversal, "Beta_universal", "Beta_obecn\xC3\xA9"},
      {kExponential, "Exponencials", "Exponenci\xC3\xA1ln\xC3\xAD"},
      {kGumbelII, "Gumbelovo_II", "Gumbelovo_II"},
      {kLevy, "L\xC3\xA9vy", "L\xC3\xA9vy"},
      {kLogNormal3P, "LogNormal_3P", "LogNormal_3P"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParamListText(c.type, Language::English), c.english);
    EXPECT_EQ(ParamListText(c.type, Language::Czech), c.czech);
  }
}

TEST(ParamCatalogue, GivesEachTypeItsParametersLabelsAndCaption) {
  struct Case {
    int type;
    int count;
    const char* labels[4];
    bool positive1, positive2;
    const char* suffix;
  };
  // One row per distinct shape of the catalogue.
  const Case cases[] = {
      {kNormal, 2, {"Mi", "Sigma", "3.parametr", "4.parametr"}, false, true, " F (x | Mi,Sigma)"},
      {kCauchy, 2, {"Xo", "Gama", "3.parametr", "4.parametr"}, false, true, " F (x | Xo,gama)"},
      {kRayleigh, 1, {"Sigma", "2.parametr", "3.parametr", "4.parametr"}, true, false,
       " F (x | Sigma)"},
      {kBetaUniversal, 4, {"alfa", "beta", "a", "b"}, true, true, " F (x | alfa,beta,a,b)"},
      {kSnedecor, 2, {"n1", "n2", "3.parametr", "4.parametr"}, true, true, " F(x|n1,n2)"},
      {kPareto, 2, {"Xm", "k", "3.parametr", "4.parametr"}, true, true, " F (x | xm,k)"},
      {kTriangular, 3, {"a", "b", "c", "4.parametr"}, false, false, " F (x | a,b,c)"},
      {kChiSquare, 1, {"n", "2.parametr", "3.parametr", "4.parametr"}, true, false, " F(x | n)"},
      {kHalfLogistic, 1, {"delta", "2.parametr", "3.parametr", "4.parametr"}, false, false,
       " F (x | delta)"},
      {kLogNormal3P, 3, {"Mi", "Sigma", "        Skewness", "4.parametr"}, true, true,
       " F (x | Mi,Sigma,Skewness)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParamCount(c.type), c.count) << c.type;
    for (int field = 1; field <= 4; ++field) EXPECT_EQ(ParamLabel(c.type, field), c.labels[field - 1]);
    EXPECT_EQ(ParamMustBePositive(c.type, 1), c.positive1) << c.type;
    EXPECT_EQ(ParamMustBePositive(c.type, 2), c.positive2) << c.type;
    EXPECT_FALSE(ParamMustBePositive(c.type, 3));
    EXPECT_EQ(ParamCaption(c.type, Language::English), std::string("Parametric distribution : ") + c.suffix);
  }
  EXPECT_EQ(ParamCaption(kNormal, Language::Czech), "Frekven\xC4\x8Dn\xC3\xAD funkce :  F (x | Mi,Sigma)");
}

TEST(ParamCatalogue, ShowsTheSecondParameterExceptForTheSixOneParameterTypes) {
  for (int type = 0; type < kParamTypeCount; ++type) {
    const bool oneParameter = type == kRayleigh || type == kLevy || type == kStudent ||
                              type == kExponential || type == kChiSquare || type == kHalfLogistic;
    const bool third = type == kBetaUniversal || type == kTriangular || type == kLogNormal3P;
    const int expected = oneParameter ? 1 : type == kBetaUniversal ? 4 : third ? 3 : 2;
    EXPECT_EQ(ParamCount(type), expected) << type;
  }
}

TEST(EpsFieldShown, DependsOnTheTypeAndForWeibullAndBetaOnTheShape) {
  EXPECT_FALSE(EpsFieldShown(kUniform, 0, 20));
  EXPECT_FALSE(EpsFieldShown(kTriangular, 0, 20));
  EXPECT_FALSE(EpsFieldShown(kWeibull, 0.8L, 1));
  EXPECT_TRUE(EpsFieldShown(kWeibull, 1, 1));
  EXPECT_FALSE(EpsFieldShown(kBetaZero, 2, 1));
  EXPECT_TRUE(EpsFieldShown(kBetaZero, 2, 1.5L));
  EXPECT_TRUE(EpsFieldShown(kNormal, -5, 1));
}

TEST(DefaultParameterTexts, AreZeroTwentyFiveForUniformAndTriangular) {
  const ParameterTexts current{"a", "b", "c", "d"};
  EXPECT_EQ(DefaultParameterTexts(kUniform, current), (ParameterTexts{"0", "20", "5", "d"}));
  EXPECT_EQ(DefaultParameterTexts(kTriangular, current), (ParameterTexts{"0", "20", "5", "d"}));
  EXPECT_EQ(DefaultParameterTexts(kGamma, current), (ParameterTexts{"10", "1", "1.1", "1.9"}));
}

TEST(ParamFittable, ExcludesCauchyLevyParetoUniformAndTriangular) {
  int fittable = 0;
  for (int type = 0; type < kParamTypeCount; ++type) fittable += ParamFittable(type);
  EXPECT_EQ(fittable, 19);
  for (const int type : {kCauchy, kLevy, kPareto, kUniform, kTriangular}) {
    EXPECT_FALSE(ParamFittable(type)) << type;
  }
}

}  // namespace

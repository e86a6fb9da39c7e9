#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sources/param_types.h"
#include "sources/parametric.h"
#include "sources/vyp_para_roz.h"

using namespace dorvex::sources;
using dorvex::texts::Language;

namespace {

struct RefusalCase {
  const char* why;
  int type;
  std::vector<std::string> parameters;
  int message;
  std::string text;
  int field;
  bool shown;
};

const std::string kFault = "        Error in procedure VypParaRoz : \r\n\r\nParametric distribution = ";

const RefusalCase kRefusals[] = {
    {"P1 not a number", kNormal, {"abc", "1"}, 501,
     "Invalid number input ! \r\n\r\n        Specified parameter Mi : abc", 1, true},
    {"hidden P3 not a number", kNormal, {"10", "1", "1,2,3"}, 501,
     "Invalid number input ! \r\n\r\n        Specified parameter 3.parametr : 1,2,3", 3, true},
    {"Sigma zero", kNormal, {"10", "0"}, 503, "Parameter \r\n\r\n     Sigma none > 0 !", 2, true},
    {"Mi negative", kLogNormal2P, {"-1", "1"}, 503, "Parameter \r\n\r\n     Mi none > 0 !", 1, true},
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
     kFault + "LogNormal_2P\r\n\r\n       N o n  d e f i n e d  operation in floating decimal point !",
     0, true},
    // The leftward walk from Mi = 1 in steps of 1 (Sigma * 0.01) reaches x = 0, where
    // ln gives -MaxNum and the exponent built from its square overflows a double.
    {"LogNormal_2P overflow", kLogNormal2P, {"1", "100"}, 186,
     kFault + "LogNormal_2P\r\n\r\n       Real number  o v e r f l o w !", 0, true},
    // alfa < 1: the density at a is infinite (MaxNum), the search collapses to a
    // single point.
    {"Beta_universal alfa below 1", kBetaUniversal, {"0.5", "2", "0", "1"}, 217,
     "  Calculation  is impossible ! \r\n\r\n( resulting histogram Max=Min )", 0, true},
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, ShowTheSpecifiedMessageAndFocusTheField) {
  const RefusalCase& c = GetParam();
  ParamState st;
  st.type = c.type;
  std::copy(c.parameters.begin(), c.parameters.end(), st.parameterTexts.begin());
  const auto refusal = VypParaRoz(st, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_FALSE(st.ok);
  EXPECT_EQ(refusal->message, c.message);
  EXPECT_EQ(refusal->text, c.text);
  EXPECT_EQ(refusal->field, c.field);
  EXPECT_EQ(refusal->shown, c.shown);
  EXPECT_EQ(refusal->titleMessage, 3);
}

INSTANTIATE_TEST_SUITE_P(Table, Refusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(VypParaRoz, RefusesEpsOneBecauseTheRangeCollapses) {
  ParamState st;
  st.Eps = 1.0;  // the density at Mi is already at the threshold
  const auto refusal = VypParaRoz(st, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->message, 217);
}

TEST(VypParaRoz, WritesRefusalsInTheChosenLanguage) {
  ParamState st;
  st.parameterTexts = {"10", "-2", "1.1", "1.9"};
  const auto refusal = VypParaRoz(st, Language::Czech);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->text, "Parametr \r\n\r\n     Sigma nen\xC3\xAD > 0 !");
}

TEST(VypParaRoz, KeepsThePreviousResultWhenARunIsRefused) {
  ParamState st;
  ASSERT_FALSE(VypParaRoz(st, Language::English).has_value());
  const ParamState before = st;
  st.parameterTexts[1] = "0";
  ASSERT_TRUE(VypParaRoz(st, Language::English).has_value());
  EXPECT_FALSE(st.ok);
  EXPECT_EQ(st.Min, before.Min);
  EXPECT_EQ(st.Max, before.Max);
  EXPECT_EQ(st.P, before.P);
  EXPECT_EQ(st.Total, before.Total);
}

TEST(VypParaRoz, RefusesIntervalCountsOutsideThreeTo1024AndUnknownTypes) {
  ParamState st;
  st.N = 2;
  auto refusal = VypParaRoz(st, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->text, "Intervals number is not in range 3 .. 1024 !");
  st.N = 1025;
  EXPECT_EQ(VypParaRoz(st, Language::English)->message, 88);
  st.N = 128;
  st.type = kParamTypeCount;
  refusal = VypParaRoz(st, Language::English);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->text, "Function is not created yet !");
}

TEST(ComputeParametric, ChecksBinsAndEpsFirst) {
  struct Case {
    std::int32_t bins;
    double eps;
    int message;
  };
  const Case cases[] = {{2, 1E-7, 88}, {1025, 1E-7, 88}, {128, 0.0, 97}, {128, -1E-7, 97},
                        {128, 2.0, 98}, {128, 1E-9, 98}, {3, 1E-8, 0}, {1024, 1.0 - 1E-9, 0}};
  for (const auto& c : cases) {
    ParametricRequest request;
    request.bins = c.bins;
    request.eps = c.eps;
    const ParametricResult result = ComputeParametric(request, Language::English);
    EXPECT_EQ(result.ok() ? 0 : result.error->message, c.message) << c.bins << " " << c.eps;
  }
  ParametricRequest request;
  request.eps = 0.0;
  EXPECT_EQ(ComputeParametric(request, Language::English).error->text,
            "Minimal probability Min_(x) is not > 0 !");
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sources/parametric_display.h"
#include "sources/parametric_request.h"
#include "statvex/number_text.h"

using namespace dorvex::sources;
using dorvex::texts::Language;
using dorvex::workbench::ClockReading;
using dorvex::workbench::DateTimeSeparators;

namespace {

TEST(FilterParamKey, EachFieldTakesItsCharacters) {
  using dorvex::workbench::KeyAction;
  struct Case {
    ParamField field;
    char32_t typed;
    KeyAction action;
    char replacement;
  };
  const Case cases[] = {
      {ParamField::Count, U'7', KeyAction::Pass, 0},      {ParamField::Count, U'.', KeyAction::Refuse, 0},
      {ParamField::Count, U'-', KeyAction::Refuse, 0},    {ParamField::Parameter, U'-', KeyAction::Pass, 0},
      {ParamField::Parameter, U'e', KeyAction::Replace, 'E'}, {ParamField::Parameter, U',', KeyAction::Replace, '.'},
      {ParamField::Parameter, U'x', KeyAction::Refuse, 0}, {ParamField::Positive, U'.', KeyAction::Pass, 0},
      {ParamField::Positive, U',', KeyAction::Replace, '.'}, {ParamField::Positive, U'-', KeyAction::Refuse, 0},
      {ParamField::Positive, U'E', KeyAction::Refuse, 0}, {ParamField::Eps, U'e', KeyAction::Pass, 0},
      {ParamField::Eps, U',', KeyAction::Replace, '.'},   {ParamField::Eps, U'a', KeyAction::Refuse, 0},
  };
  for (const Case& c : cases) {
    const auto key = FilterParamKey(c.field, c.typed);
    EXPECT_EQ(key.action, c.action) << static_cast<int>(c.field) << " " << static_cast<char>(c.typed);
    if (c.action == KeyAction::Replace) {
      EXPECT_EQ(key.replacement, c.replacement);
    }
  }
}

TEST(ReadParamBins, RefusesCountsOutsideThreeTo1024WithMessage88) {
  struct Case {
    const char* text;
    int bins;  // 0: refused
  };
  const Case cases[] = {{"3", 3}, {" 1024 ", 1024}, {"2", 0}, {"1025", 0}, {"", 0}, {"12x", 0}, {"99999999999", 0}};
  for (const Case& c : cases) {
    const BinsReading r = ReadParamBins(c.text, Language::English);
    EXPECT_EQ(r.refusal ? 0 : r.bins, c.bins) << c.text;
    if (c.bins == 0) {
      ASSERT_TRUE(r.refusal) << c.text;
      EXPECT_EQ(r.refusal->text, "Intervals number is not in range 3 .. 1024 !");
    }
  }
}

TEST(ReadParamEps, RefusesWithMessages97To99AndKeepsTheSavedValue) {
  struct Case {
    const char* text;
    int message;  // 0: accepted
  };
  const Case cases[] = {{"1E-7", 0}, {"1e-3", 0}, {"0", 97}, {"-1", 97}, {"2", 98}, {"1E-9", 98}, {"abc", 99}};
  for (const Case& c : cases) {
    const EpsReading r = ReadParamEps(c.text, 1E-5, Language::English);
    EXPECT_EQ(r.refusal ? r.refusal->message : 0, c.message) << c.text;
    if (r.refusal) {
      EXPECT_EQ(r.eps, 1E-5) << c.text;
    }
  }
  EXPECT_EQ(ReadParamEps("abc", 1E-5, Language::English).refusal->text.substr(0, 8), "on valid");
  EXPECT_NE(ReadParamEps("abc", 1E-5, Language::English).refusal->text.find(" Eps : abc"), std::string::npos);
}

TEST(IntervalGridRowColours, PaintsEvenRowsAndTheTotalRow) {
  EXPECT_EQ(IntervalGridRowColours(6), (std::vector<unsigned>{0, 0, 16769505, 0, 16769505, 11783167}));
  EXPECT_EQ(IntervalGridRowColours(5), (std::vector<unsigned>{0, 0, 16769505, 0, 11783167}));
  EXPECT_TRUE(IntervalGridRowColours(0).empty());
}

TEST(GeneratingSlotTitle, NamesTheSlot) {
  EXPECT_EQ(GeneratingSlotTitle(dorvex::model::SlotId::A), "Histogram :   A x X");
  EXPECT_EQ(GeneratingSlotTitle(dorvex::model::SlotId::B), "Histogram :   B x X");
}

TEST(ShownParamLabel, NamesMeanAndDeviation) {
  EXPECT_EQ(ShownParamLabel(1, "Mi", Language::English), "Average - Mi");
  EXPECT_EQ(ShownParamLabel(1, "Xo", Language::English), "Average - Mi");
  EXPECT_EQ(ShownParamLabel(2, "Sigma", Language::English), "Stand.deviation - Sigma");
  EXPECT_EQ(ShownParamLabel(2, "Sigma", Language::Czech), "Směr.odchylka - Sigma");
  EXPECT_EQ(ShownParamLabel(1, "k", Language::English), "k");
  EXPECT_EQ(UnsetParamLabel(3), "3.parametr");
  EXPECT_EQ(UnsetParamCaption(Language::English), " Frequency function : F ( x | ? , ? , ? )");
}

ParamState Uniform(bool pureDiscrete) {
  ParametricRequest request;
  request.type = kUniform;
  request.parameters = {"0", "10"};
  request.bins = 10;
  request.pureDiscrete = pureDiscrete;
  const ParametricResult result = ComputeParametric(request, Language::English);
  EXPECT_TRUE(result.ok());
  return result.state;
}

TEST(ViewParametric, ShowsMidPointsForDiscreteAndEdgesForPureDiscrete) {
  const ClockReading clock{2026, 3, 5, 9, 7, 1};
  const ParametricView discrete = ViewParametric(Uniform(false), false, clock, {}, Language::English);
  ASSERT_EQ(discrete.titleLines.size(), 2u);
  EXPECT_EQ(discrete.titleLines[0], "5.3.2026 , 09:07:01");
  EXPECT_EQ(discrete.titleLines[1], "Parametric distribution : Uniform  F ( x |  a=0 , b=10 )");
  EXPECT_EQ(discrete.summary[0], dorvex::statvex::NumberText(0.5));
  EXPECT_EQ(discrete.summary[1], dorvex::statvex::NumberText(9.5));
  EXPECT_EQ(discrete.summary[4], dorvex::statvex::NumberText(0.0));  // a uniform range cuts nothing
  EXPECT_EQ(discrete.minText, dorvex::statvex::NumberText(0.0));
  EXPECT_EQ(discrete.maxText, dorvex::statvex::NumberText(10.0));
  EXPECT_EQ(discrete.bars.N, 10);
  EXPECT_EQ(discrete.bars.d, 1.0);
  EXPECT_EQ(discrete.caption.substr(0, 2), "  ");

  const ParametricView pure = ViewParametric(Uniform(true), true, clock, {}, Language::Czech);
  EXPECT_EQ(pure.summary[0], dorvex::statvex::NumberText(0.0));
  EXPECT_EQ(pure.summary[1], dorvex::statvex::NumberText(10.0));
  EXPECT_DOUBLE_EQ(pure.bars.d, 10.0 / 9.0);
  EXPECT_EQ(pure.titleLines[1], "Parametrické rozdělení : Uniform  F ( x |  a=0 , b=10 )");
}

// At the bars' places the curve is as high as the bars of the normal it was drawn from.
TEST(ViewParametric, DrawsTheDensityCurveOnTheBarsScale) {
  ParametricRequest request;
  request.parameters = {"10", "1"};
  request.bins = 64;
  const ParametricResult result = ComputeParametric(request, Language::English);
  ASSERT_TRUE(result.ok());
  const ParametricView view = ViewParametric(result.state, false, {}, {}, Language::English);
  ASSERT_FALSE(view.curve.empty());
  EXPECT_DOUBLE_EQ(view.curve.front().first, -0.5);
  EXPECT_DOUBLE_EQ(view.curve.back().first, 63.5);
  for (const auto& [bars, y] : view.curve) {
    const double whole = std::round(bars);
    if (bars != whole) continue;
    EXPECT_NEAR(y, view.bars.P[static_cast<int>(whole) + 1], 1E-12) << bars;
  }
}

}  // namespace

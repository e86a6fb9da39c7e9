#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/chart_texts.h"
#include "statvex/number_text.h"

using dorvex::analysis::AxisTopLeavingRoom;
using dorvex::analysis::BarLabelText;
using dorvex::analysis::LabelStep;
using dorvex::analysis::TurnedWidth;
using dorvex::analysis::MarkStyle;
using dorvex::analysis::MarkStyleOfItem;
using dorvex::analysis::MarkText;
using dorvex::analysis::MarkValueText;

namespace {

TEST(BarLabelText, IndexModeCountsFromZeroAndValueModeShowsTheBarsValue) {
  EXPECT_EQ(BarLabelText(false, 0.5, 1.0, 0), "0");
  EXPECT_EQ(BarLabelText(false, 0.5, 1.0, 9), "9");
  // Bar 2 of a histogram starting at 0.5 with width 1 stands at 2.5.
  EXPECT_EQ(BarLabelText(true, 0.5, 1.0, 2), dorvex::statvex::NumberText(2.5));
  EXPECT_EQ(BarLabelText(true, -1.5, 1.0, 1), dorvex::statvex::NumberText(-0.5));
}

TEST(LabelStep, LabelsKeepThirtyPercentOfTheirWidthFreeBetweenThem) {
  struct Case {
    const char* name;
    int count;
    double labelWidth, plotWidth;
    int step;
  };
  const Case cases[] = {
      {"every bar when the labels fit", 10, 20.0, 400.0, 1},  // rooms of 26: 15 fit
      {"one room stays free for the ends", 10, 30.0, 400.0, 2},  // 11 rooms of 39 need 429
      {"every second bar", 10, 40.0, 400.0, 2},                 // rooms of 52: 7 fit, 6 labels
      {"1024 bars on a narrow plot", 1024, 40.0, 400.0, 171},   // 6 labels: ceil(1024 / 6)
      {"one label when none fits", 3, 500.0, 100.0, 3},
      {"a plot not laid out yet", 100, 40.0, 0.0, 1},
      {"one bar", 1, 500.0, 10.0, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(LabelStep(c.count, c.labelWidth, c.plotWidth), c.step) << c.name;
}

TEST(TurnedWidth, AnUprightTextTakesItsHeightALyingOneItsWidth) {
  constexpr double kTight = 1e-12;  // one sine and cosine
  EXPECT_NEAR(TurnedWidth(60.0, 10.0, 0), 60.0, kTight);
  EXPECT_NEAR(TurnedWidth(60.0, 10.0, 90), 10.0, kTight);
  EXPECT_NEAR(TurnedWidth(60.0, 10.0, 180), 60.0, kTight);
  EXPECT_NEAR(TurnedWidth(60.0, 10.0, 45), 70.0 / std::sqrt(2.0), kTight);
}

TEST(AxisTopLeavingRoom, TheBarStandsWhereItsMarkStillFitsUnderTheTop) {
  constexpr double kTight = 1e-15;  // one product and one quotient
  // 0.03 at 200 of 300 pixels leaves 100 free: the top is 0.045.
  EXPECT_NEAR(AxisTopLeavingRoom(0.03, 100.0, 300.0), 0.045, kTight);
  EXPECT_EQ(AxisTopLeavingRoom(0.03, 0.0, 300.0), 0.03);
  EXPECT_EQ(AxisTopLeavingRoom(0.03, 300.0, 300.0), 0.0);
  EXPECT_EQ(AxisTopLeavingRoom(0.03, 10.0, 0.0), 0.0);
}

TEST(MarkValueText, WritesUpToThreeDecimalsAndANegativeExponentSignOnly) {
  EXPECT_EQ(MarkValueText(0.25), "2.5 E-1");
  EXPECT_EQ(MarkValueText(1.0), "1 E0");
  EXPECT_EQ(MarkValueText(12.0), "1.2 E1");
  EXPECT_EQ(MarkValueText(0.0012346), "1.235 E-3");
  EXPECT_EQ(MarkValueText(0.0), "0");
}

TEST(MarkText, EachStyleShowsItsParts) {
  struct Case {
    MarkStyle style;
    const char* expected;
  };
  const Case cases[] = {
      {MarkStyle::Value, "2.5 E-1"},     {MarkStyle::Label, "7.5"},   {MarkStyle::LabelAndValue, "7.5 2.5 E-1"},
      {MarkStyle::Position, "3"},        {MarkStyle::PositionAndValue, "3 2.5 E-1"},
      {MarkStyle::PointIndex, "3"},
  };
  for (const Case& c : cases) EXPECT_EQ(MarkText(c.style, "7.5", 3, 0.25), c.expected) << c.expected;
}

TEST(MarkStyleOfItem, ItemsAreStylesAndNoItemIsThePointIndex) {
  EXPECT_EQ(MarkStyleOfItem(0), MarkStyle::Value);
  EXPECT_EQ(MarkStyleOfItem(4), MarkStyle::PositionAndValue);
  EXPECT_EQ(MarkStyleOfItem(-1), MarkStyle::PointIndex);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "model/chart_texts.h"
#include "model/slot_texts.h"
#include "statvex/number_text.h"

using dorvex::model::BarLabelText;
using dorvex::model::FrequencySumText;
using dorvex::model::MarkStyle;
using dorvex::model::MarkStyleOfItem;
using dorvex::model::MarkText;
using dorvex::model::MarkValueText;
using dorvex::model::SlotNameFromPath;

namespace {

struct FrequencySumCase {
  long double total;
  const char* prefix;
  const char* expected;
};

TEST(FrequencySumText, SwitchesToFiveDigitExponentFormAtOneMillion) {
  const FrequencySumCase cases[] = {
      {1000000.0L, " ", "1.0000E+06"},  // the first total in exponent form
      {999999.0L, " ", " 999999"},      // the last one written out
      {999999.5L, " ", "1.0000E+06"},   // rounded half to even first: 1000000
      {222626252.0L, "", "2.2263E+08"},
      {55.0L, "", "55"},                // slot B carries no leading blank
      {0.0L, " ", " 0"},
  };
  for (const FrequencySumCase& c : cases) EXPECT_EQ(FrequencySumText(c.total, c.prefix), c.expected) << c.expected;
}

TEST(SlotNameFromPath, KeepsTheFileNameUpToItsFirstDot) {
  EXPECT_EQ(SlotNameFromPath("/data/Loads/Dead_load.dis"), "Dead_load");
  EXPECT_EQ(SlotNameFromPath("C:\\Probability\\beam.v2.dis"), "beam");
  EXPECT_EQ(SlotNameFromPath("/data/no_extension"), "no_extension");
  EXPECT_EQ(SlotNameFromPath("/data/.hidden.dis"), "");
}

TEST(ResultSummaryTexts, CountSumAndTotalCarryALeadingBlank) {
  EXPECT_EQ(dorvex::model::IntervalCountText(19), " 19");
  // The sum is rounded to an integer before its five decimals are written.
  EXPECT_EQ(dorvex::model::ProbabilitySumText(0.9999999L), " 1.00000");
  EXPECT_EQ(dorvex::model::ProbabilitySumText(0.4L), " 0.00000");
  // 1 / 0.25: the least probable interval has frequency 1.
  EXPECT_EQ(dorvex::model::ResultTotalText(4.0), " 4");
  EXPECT_EQ(dorvex::model::ResultTotalText(2.5), " 2");
  EXPECT_EQ(dorvex::model::ResultTotalText(1234567.0), " 1.23457E+06");
}

TEST(BarLabelText, IndexModeCountsFromZeroAndValueModeShowsTheBarsValue) {
  EXPECT_EQ(BarLabelText(false, 0.5, 1.0, 0), "0");
  EXPECT_EQ(BarLabelText(false, 0.5, 1.0, 9), "9");
  // Bar 2 of a histogram starting at 0.5 with width 1 stands at 2.5.
  EXPECT_EQ(BarLabelText(true, 0.5, 1.0, 2), dorvex::statvex::NumberText(2.5));
  EXPECT_EQ(BarLabelText(true, -1.5, 1.0, 1), dorvex::statvex::NumberText(-0.5));
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

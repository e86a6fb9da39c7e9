#include <gtest/gtest.h>

#include <string>

#include "workbench/slot_texts.h"
#include "statvex/number_text.h"

using dorvex::workbench::FrequencySumText;
using dorvex::workbench::SlotNameFromPath;

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
      {7.3913e24L, " ", "7.3913E+24"},  // a combination's product of totals, beyond 64 bits
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
  EXPECT_EQ(dorvex::workbench::IntervalCountText(19), " 19");
  // The sum is rounded to an integer before its five decimals are written.
  EXPECT_EQ(dorvex::workbench::ProbabilitySumText(0.9999999L), " 1.00000");
  EXPECT_EQ(dorvex::workbench::ProbabilitySumText(0.4L), " 0.00000");
  // 1 / 0.25: the least probable interval has frequency 1.
  EXPECT_EQ(dorvex::workbench::ResultTotalText(4.0), " 4");
  EXPECT_EQ(dorvex::workbench::ResultTotalText(2.5), " 2");
  EXPECT_EQ(dorvex::workbench::ResultTotalText(1234567.0), " 1.23457E+06");
}

}  // namespace

// Date and time texts from the separators and a clock reading.

#include <gtest/gtest.h>

#include "workbench/date_time_text.h"

namespace dorvex::workbench {
namespace {

constexpr ClockReading kMorning{2024, 3, 5, 9, 5, 0};

TEST(DateTimeText, ShortDateDropsLeadingZerosLongTimeKeepsThem) {
  EXPECT_EQ(ShortDateText(kMorning, {}), "5.3.2024");
  EXPECT_EQ(LongTimeText(kMorning, {}), "09:05:00");
  EXPECT_EQ(ShortDateText({2024, 12, 31, 23, 59, 59}, {'/', '.'}), "31/12/2024");
  EXPECT_EQ(LongTimeText({2024, 12, 31, 23, 59, 59}, {'/', '.'}), "23.59.59");
}

TEST(DateTimeText, TheChartLinesFrameDateAndTime) {
  EXPECT_EQ(ChartDateLine(kMorning, {'-', ':'}), "( 5-3-2024 , 09:05:00 )");
  EXPECT_EQ(ExportChartTitle("(A + B) * nAB", kMorning, {}), "Histogram : (A + B) * nAB   ( 5.3.2024 , 09:05:00 )");
}

TEST(ChooseSeparators, OnlyTheSeparatorsOfTheMenusAreTaken) {
  struct Case {
    int date, time;
    char expectedDate, expectedTime;
  };
  const Case cases[] = {
      {'-', '.', '-', '.'}, {'/', ':', '/', ':'}, {'.', ':', '.', ':'},
      {'x', '-', '-', '.'},  // neither is offered: those in force stay
  };
  const DateTimeSeparators current{'-', '.'};
  for (const Case& c : cases) {
    const DateTimeSeparators chosen = ChooseSeparators(current, c.date, c.time);
    EXPECT_EQ(chosen.date, c.expectedDate);
    EXPECT_EQ(chosen.time, c.expectedTime);
  }
}

}  // namespace
}  // namespace dorvex::workbench

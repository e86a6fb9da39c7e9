// Placement keys of the table and graph windows, and the graph window's row colours.

#include <gtest/gtest.h>

#include <vector>

#include "settings/table_window_settings.h"

namespace dorvex::settings {
namespace {

TEST(TableWindowSettings, KeysKeepTheirHistoricSpelling) {
  EXPECT_EQ(kSummaryWindowPlacement.left, "SumarniHistogramForm11.left");
  EXPECT_EQ(kSummaryWindowPlacement.height, "SumarniHistogramForm11.Height");
  EXPECT_EQ(kCombinationWindowPlacement.width, "Kombinace-Form10,Width");
  EXPECT_EQ(kTableGraphWindowPlacement.top, "GrafKoSu-Form13.top");
  EXPECT_EQ(kSummaryWindowPlacement.defaultWidth, 800);
  EXPECT_EQ(kCombinationWindowPlacement.defaultHeight, 321);
}

TEST(TableWindowSettings, GraphRowsAlternatePaleYellowAndTheTotalRowStandsOut) {
  constexpr unsigned kYellow = 0xC1FFFF;
  constexpr unsigned kTotal = 11783167;
  // Heading, lower bound, then value and bound rows, then the total.
  EXPECT_EQ(TableGraphRowColours(7), (std::vector<unsigned>{0, 0, kYellow, 0, kYellow, 0, kTotal}));
  EXPECT_EQ(TableGraphRowColours(2), (std::vector<unsigned>{0, kTotal}));
  EXPECT_TRUE(TableGraphRowColours(0).empty());
}

}  // namespace
}  // namespace dorvex::settings

// The two grid rules that fix a result's interval count and class width.

#include <gtest/gtest.h>

#include "engine/grid.h"

namespace dorvex::engine::detail {
namespace {

struct GridCase {
  const char* name;
  model::HistogramType type;
  double min;
  double max;
  double d;
  int limit;
  int expectedN;
  double expectedD;
};

class GridRule : public testing::TestWithParam<GridCase> {};

TEST_P(GridRule, FixesCountAndWidth) {
  const GridCase& c = GetParam();
  Work w;
  w.Min = c.min;
  w.Max = c.max;
  w.d = c.d;
  ASSERT_FALSE(GridOfType(w, c.type, c.limit).has_value());
  EXPECT_EQ(w.N, c.expectedN);
  EXPECT_DOUBLE_EQ(w.d, c.expectedD);
  EXPECT_DOUBLE_EQ(w.Range, c.max - c.min);
  EXPECT_DOUBLE_EQ(w.Max, c.max);  // neither rule moves Max
}

constexpr auto kDiscrete = model::HistogramType::Discrete;
constexpr auto kPure = model::HistogramType::PureDiscrete;

INSTANTIATE_TEST_SUITE_P(
    Cases, GridRule,
    testing::Values(
        // 20 widths of 1 over 0 .. 20.
        GridCase{"DiscreteKeepsRoundedCount", kDiscrete, 0.0, 20.0, 1.0, 256, 20, 1.0},
        // A count of 2 is raised to 4, the width shrinks to match.
        GridCase{"DiscreteHasAtLeastFourIntervals", kDiscrete, 0.0, 2.0, 1.0, 256, 4, 0.5},
        // 5000 widths are limited to 1024; the top value Max lies on index 1025
        // then, so the width becomes Range / 1023.
        GridCase{"DiscreteHasAtMost1024Intervals", kDiscrete, 0.0, 5000.0, 1.0, 256, 1024,
                 5000.0 / 1023.0},
        // 600 points: 300, then 150, with d doubled twice.
        GridCase{"PureDiscreteHalvesDownToTheLimit", kPure, 0.0, 599.0, 1.0, 256, 150, 4.0},
        // 9 points made even.
        GridCase{"PureDiscreteCountIsMadeEven", kPure, -4.0, 4.0, 1.0, 256, 10, 1.0},
        // 600 points halved to 300 under a limit of 300, no further.
        GridCase{"PureDiscreteFollowsTheGivenLimit", kPure, 0.0, 599.0, 1.0, 300, 300, 2.0},
        // A limit beyond the arrays is taken as 1022: 2000 points halve to 1000.
        GridCase{"PureDiscreteLimitStaysInsideTheArrays", kPure, 0.0, 1999.0, 1.0, 5000, 1000,
                 2.0},
        // A limit below 2 is taken as 2.
        GridCase{"PureDiscreteLimitIsAtLeastTwo", kPure, 0.0, 7.0, 1.0, 0, 2, 4.0}),
    [](const testing::TestParamInfo<GridCase>& info) { return info.param.name; });

TEST(DiscreteGrid, KeepsWidthRangeOver1024WhenTheTopValueFits) {
  // A widened span: the top value lies a whole first width below the edge.
  Work w;
  w.Min = 0.0;
  w.Max = 5000.0;
  w.d = 1.0;
  ASSERT_FALSE(DiscreteGrid(w, 4990.0).has_value());
  EXPECT_EQ(w.N, 1024);
  EXPECT_DOUBLE_EQ(w.d, 5000.0 / 1024.0);
}

TEST(DiscreteGrid, ZeroWidthIsADivisionByZero) {
  Work w;
  w.Min = 0.0;
  w.Max = 1.0;
  w.d = 0.0;
  const Status stop = DiscreteGrid(w);
  ASSERT_TRUE(stop.has_value());
  EXPECT_EQ(stop->error.code, 43);
}

}  // namespace
}  // namespace dorvex::engine::detail

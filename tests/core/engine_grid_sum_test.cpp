#include <gtest/gtest.h>

#include "engine/grid_sum.h"

using dorvex::engine::SumOnGrid;
using dorvex::model::Histogram;

namespace {

Histogram Points(double min, double d, std::initializer_list<double> p) {
  Histogram h;
  h.Min = min;
  h.d = d;
  for (double v : p) h.P[++h.N] = v;
  h.Max = min + (h.N - 1) * d;
  h.Type = dorvex::model::HistogramType::PureDiscrete;
  return h;
}

}  // namespace

TEST(SumOnGrid, PutsEverySumOnTheNearestCentreAndSplitsTies) {
  // Sums 1 (P 1/4), 2 (1/2), 3 (1/4) on centres 0, 2, 4: 1 and 3 are ties.
  const Histogram coin = Points(0.5, 1, {0.5, 0.5});
  const auto outcome = SumOnGrid(coin, coin, {0, 2, 3});
  ASSERT_TRUE(outcome.histogram);
  const Histogram& h = *outcome.histogram;
  EXPECT_EQ(h.N, 3);
  EXPECT_DOUBLE_EQ(h.P[1], 0.125);
  EXPECT_DOUBLE_EQ(h.P[2], 0.75);
  EXPECT_DOUBLE_EQ(h.P[3], 0.125);
  EXPECT_DOUBLE_EQ(h.Max, 4);
  EXPECT_EQ(h.Type, dorvex::model::HistogramType::Discrete);
}

TEST(SumOnGrid, RefusesSumsOutsideTheIntervalsAndEmptyGrids) {
  const Histogram coin = Points(0, 1, {0.5, 0.5});
  const auto below = SumOnGrid(coin, coin, {10, 1, 4});
  ASSERT_TRUE(below.error);
  EXPECT_EQ(below.error->message, 130);
  EXPECT_TRUE(SumOnGrid(coin, coin, {0, 0, 4}).error);
  EXPECT_TRUE(SumOnGrid(coin, coin, {0, 1, 0}).error);
}

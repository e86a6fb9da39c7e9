#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "analysis/load_duration.h"
#include "statvex/number_text.h"

namespace {

using dorvex::analysis::DistributionFunction;
using dorvex::analysis::kLoadDurationRowColour;
using dorvex::analysis::LoadDurationRow;
using dorvex::analysis::LoadDurationRowColours;
using dorvex::analysis::LoadDurationTable;
using dorvex::model::Histogram;
using dorvex::model::HistogramType;
using dorvex::statvex::CountText;
using dorvex::statvex::DisplayNumber;

Histogram Make(HistogramType type, double min, double d, std::initializer_list<double> p) {
  Histogram h;
  h.Type = type;
  h.Min = min;
  h.d = d;
  int i = 0;
  for (double value : p) h.P[static_cast<std::size_t>(++i)] = value;
  h.N = i;
  h.Max = min + (i - 1) * d;
  return h;
}

// Expected rows: interval number (0 for none), x, F.
struct Row {
  int number;
  double x;
  double f;
};

LoadDurationRow Expected(const Row& row) {
  return {row.number > 0 ? CountText(4, row.number) : std::string(), DisplayNumber(row.x), DisplayNumber(row.f)};
}

TEST(DistributionFunction, AccumulatesFromTheFirstInterval) {
  const std::vector<double> f = DistributionFunction(Make(HistogramType::PureDiscrete, 1, 1, {0.2, 0.3, 0.5}));
  ASSERT_EQ(f.size(), 3u);
  EXPECT_DOUBLE_EQ(f[0], 0.2);
  EXPECT_DOUBLE_EQ(f[1], 0.5);
  EXPECT_DOUBLE_EQ(f[2], 1.0);
  EXPECT_TRUE(DistributionFunction(Histogram{}).empty());
}

// The two layouts on the worked cases: P = (0.2, 0.3, 0.5) at 1, 2, 3.
TEST(LoadDurationTable, BothLayoutsOfTheWorkedCase) {
  struct Case {
    const char* name;
    HistogramType type;
    std::vector<Row> rows;
  };
  const Case cases[] = {
      {"pure discrete: one row per point", HistogramType::PureDiscrete, {{1, 1, 0.2}, {2, 2, 0.5}, {3, 3, 1.0}}},
      {"discrete: bounds and values alternate",
       HistogramType::Discrete,
       {{0, 0.5, 0}, {1, 1, 0.1}, {0, 1.5, 0.2}, {2, 2, 0.35}, {0, 2.5, 0.5}, {3, 3, 0.75}, {0, 3.5, 1.0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<LoadDurationRow> table = LoadDurationTable(Make(c.type, 1, 1, {0.2, 0.3, 0.5}));
    ASSERT_EQ(table.size(), c.rows.size() + 1);
    EXPECT_EQ(table[0], (LoadDurationRow{" INT", "     x", "     F(x)"}));
    for (std::size_t r = 0; r < c.rows.size(); ++r) EXPECT_EQ(table[r + 1], Expected(c.rows[r])) << "row " << r + 1;
  }
}

TEST(LoadDurationTable, DiscreteValuesStandOnMinPlusWholeWidths) {
  // Min -2, d 0.5: value of interval 3 is -1, its upper bound -0.75.
  const auto table = LoadDurationTable(Make(HistogramType::Discrete, -2, 0.5, {0.25, 0.25, 0.5}));
  ASSERT_EQ(table.size(), 8u);
  EXPECT_EQ(table[1][1], DisplayNumber(-2.25));
  EXPECT_EQ(table[6][1], DisplayNumber(-1.0));
  EXPECT_EQ(table[6][2], DisplayNumber(0.75));
  EXPECT_EQ(table[7][1], DisplayNumber(-0.75));
}

TEST(LoadDurationRowColours, ValueRowsOfDiscreteAndEveryRowOfPureDiscrete) {
  const auto discrete = LoadDurationRowColours(Make(HistogramType::Discrete, 1, 1, {0.2, 0.3, 0.5}));
  ASSERT_EQ(discrete.size(), 8u);
  for (std::size_t r = 0; r < discrete.size(); ++r) {
    EXPECT_EQ(discrete[r].has_value(), r > 0 && r % 2 == 0) << "row " << r;
  }
  EXPECT_EQ(discrete[2], kLoadDurationRowColour);
  const auto pure = LoadDurationRowColours(Make(HistogramType::PureDiscrete, 1, 1, {0.2, 0.3, 0.5}));
  ASSERT_EQ(pure.size(), 4u);
  EXPECT_FALSE(pure[0].has_value());
  for (std::size_t r = 1; r < pure.size(); ++r) EXPECT_EQ(pure[r], 14609886u) << "row " << r;
}

}  // namespace

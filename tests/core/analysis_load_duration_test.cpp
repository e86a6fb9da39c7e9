#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "analysis/load_duration.h"
#include "engine/engine.h"
#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "support/histogram_builders.h"

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
using dorvex::texts::Language;

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

// The shown number of a table cell.
double CellValue(const std::string& cell) {
  double v = 0.0;
  EXPECT_TRUE(dorvex::statvex::ParseLenient(cell, v)) << cell;
  return v;
}

// R - S of R = Normal(200, 20) and S = Normal(100, 25) on 1024 intervals each, with
// the bounding distribution functions.
dorvex::engine::OperationResult MarginOfNormals() {
  using dorvex::test_support::FromCdf;
  using dorvex::test_support::NormalCdf;
  static const Histogram r = FromCdf(100.0, 300.0, 1024, NormalCdf(200.0, 20.0));
  static const Histogram s = FromCdf(0.0, 225.0, 1024, NormalCdf(100.0, 25.0));
  dorvex::engine::OperationRequest request;
  request.code = dorvex::engine::kDifference;
  request.a = &r;
  request.b = &s;
  request.withDistributionBounds = true;
  const dorvex::engine::OperationOutcome outcome = dorvex::engine::RunOperation(request);
  EXPECT_TRUE(outcome.ok());
  return outcome.result.value_or(dorvex::engine::OperationResult{});
}

// Every row's F lies between the two bound columns beside it, in the Discrete layout
// of a real difference of normals and in the Pure Discrete layout of its points.
TEST(LoadDurationTable, BoundColumnsHoldFAtEveryRow) {
  const dorvex::engine::OperationResult result = MarginOfNormals();
  ASSERT_EQ(result.bounds.kind, dorvex::engine::BoundsKind::Bounded);
  const dorvex::engine::DistributionBounds& bounds = result.bounds.distribution;
  Histogram points = result.histogram;
  points.Type = HistogramType::PureDiscrete;
  for (const Histogram& h : {result.histogram, points}) {
    SCOPED_TRACE(h.Type == HistogramType::Discrete ? "discrete" : "pure discrete");
    ASSERT_TRUE(dorvex::analysis::HasDistributionBounds(h, bounds));
    const std::vector<LoadDurationRow> table = LoadDurationTable(h, &bounds, Language::English);
    EXPECT_EQ(table.size(), LoadDurationTable(h).size());
    EXPECT_EQ(table[0], (LoadDurationRow{" INT", "     x", "     F(x)", "   lower F", "   upper F"}));
    double widest = 0.0;
    for (std::size_t r = 1; r < table.size(); ++r) {
      ASSERT_EQ(table[r].size(), 5u) << "row " << r;
      const double f = CellValue(table[r][2]);
      const double lower = CellValue(table[r][3]);
      const double upper = CellValue(table[r][4]);
      EXPECT_LE(lower, f) << "row " << r;
      EXPECT_GE(upper, f) << "row " << r;
      widest = std::max(widest, upper - lower);
    }
    // Bounds, not the trivial 0 and 1: the edges are 1024 intervals of about 0.45 apart.
    EXPECT_GT(widest, 0.0);
    EXPECT_LT(widest, 0.05);
    EXPECT_LT(CellValue(table[1][4]), 1e-6);
    EXPECT_GT(CellValue(table.back()[3]), 1.0 - 1e-6);
  }
  EXPECT_EQ(LoadDurationTable(result.histogram, &bounds, Language::Czech)[0][4], "   horní F");
}

TEST(LoadDurationTable, BoundsOfAnotherGridAreLeftOut) {
  const Histogram h = Make(HistogramType::Discrete, 1, 1, {0.2, 0.3, 0.5});
  dorvex::engine::DistributionBounds bounds;
  bounds.lower = {0.0, 0.1, 0.4};  // three edges for three intervals: one short
  bounds.upper = {0.1, 0.4, 0.8};
  EXPECT_FALSE(dorvex::analysis::HasDistributionBounds(h, bounds));
  for (const LoadDurationRow& row : LoadDurationTable(h, &bounds, Language::English)) EXPECT_EQ(row.size(), 3u);
}

// Two intervals with bounds at the edges -0.5, 0.5, 1.5 (bar units): the lower line
// stays at the bound of each interval's lower edge, the upper at its upper edge.
TEST(DistributionBoundSteps, StepsHoldEveryIntervalBetweenItsEdgeBounds) {
  const Histogram h = Make(HistogramType::Discrete, 10, 2, {0.4, 0.6});
  dorvex::engine::DistributionBounds bounds;
  bounds.lower = {0.0, 0.25, 1.0};
  bounds.upper = {0.125, 0.5, 1.0};
  using Points = std::vector<std::pair<double, double>>;
  const auto pairs = [](const std::vector<dorvex::analysis::ChartPoint>& points) {
    Points out;
    for (const auto& p : points) out.emplace_back(p.x, p.y);
    return out;
  };
  const auto linear = dorvex::analysis::DistributionBoundSteps(h, bounds);
  EXPECT_EQ(pairs(linear.lower), (Points{{-0.5, 0.0}, {0.5, 0.0}, {0.5, 0.25}, {1.5, 0.25}, {1.5, 1.0}}));
  EXPECT_EQ(pairs(linear.upper), (Points{{-0.5, 0.125}, {-0.5, 0.5}, {0.5, 0.5}, {0.5, 1.0}, {1.5, 1.0}}));
  // On a logarithmic axis nothing falls below its bottom.
  const auto raised = dorvex::analysis::DistributionBoundSteps(h, bounds, 0.001);
  EXPECT_EQ(raised.lower.front().y, 0.001);
  EXPECT_EQ(raised.upper.front().y, 0.125);
  EXPECT_TRUE(dorvex::analysis::DistributionBoundSteps(h, dorvex::engine::DistributionBounds{}).lower.empty());
  EXPECT_EQ(dorvex::analysis::RaisedTo({0.0, 0.5}, 0.01), (std::vector<double>{0.01, 0.5}));
}

TEST(LoadDurationTarget, TargetPfAndWhereZeroStands) {
  using dorvex::analysis::LoadDurationTarget;
  const Histogram around = Make(HistogramType::Discrete, -2, 0.5, {0.25, 0.25, 0.25, 0.25, 0.0, 0.0});
  const auto target = LoadDurationTarget(around, 3.8, Language::English);
  // Pf_t = Phi(-3.8) = 7.2348E-5 (tables of the standard normal distribution).
  EXPECT_NEAR(target.pf, 7.2348e-5, 1e-9);
  ASSERT_TRUE(target.zeroAt.has_value());
  EXPECT_DOUBLE_EQ(*target.zeroAt, 4.0);  // -2 + 4 * 0.5
  EXPECT_EQ(target.label, "Target beta = 3.80, Pf = 7.23E-5");
  EXPECT_EQ(LoadDurationTarget(around, 3.8, Language::Czech).label, "Cílové β = 3.80, Pf = 7.23E-5");
  // 0 half an interval below the first value still lies on the chart; further below not.
  EXPECT_TRUE(LoadDurationTarget(Make(HistogramType::Discrete, 0.5, 1, {1.0}), 3.8, Language::English).zeroAt);
  EXPECT_FALSE(LoadDurationTarget(Make(HistogramType::Discrete, 0.6, 1, {1.0}), 3.8, Language::English).zeroAt);
}

TEST(LogAxisMinimum, ADecadeBelowTheSmallestProbabilityShown) {
  struct Case {
    const char* name;
    double targetPf;
    double pf;
    double lowerPf;
    dorvex::engine::BoundsKind kind;
    double minimum;
  };
  using dorvex::engine::BoundsKind;
  const Case cases[] = {
      {"the target below Pf", 7.23e-5, 8.9e-4, 8.7e-4, BoundsKind::Bounded, 1e-6},
      {"the lower bound below the target", 7.23e-5, 3.1e-9, 2.9e-9, BoundsKind::Bounded, 1e-10},
      {"no bounds: Pf", 7.23e-5, 3.1e-9, 2.9e-10, BoundsKind::NotMonotone, 1e-10},
      {"a Pf of 0 and no lower bound", 7.23e-5, 0.0, 0.0, BoundsKind::Bounded, 1e-6},
      {"never below 1E-12", 1e-20, 0.0, 0.0, BoundsKind::NotComputed, 1e-12},
      {"a failing result", 0.9, 1.0, 1.0, BoundsKind::Bounded, 0.01},
  };
  for (const Case& c : cases) {
    dorvex::engine::FailureBounds bounds;
    bounds.kind = c.kind;
    bounds.lower = c.lowerPf;
    EXPECT_DOUBLE_EQ(dorvex::analysis::LogAxisMinimum(c.targetPf, c.pf, bounds), c.minimum) << c.name;
  }
}

}  // namespace

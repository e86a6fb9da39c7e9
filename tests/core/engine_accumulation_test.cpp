// The pair loop against the accumulation rule written out plainly, and the
// rounding it uses against the standard library's.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "engine/accumulation.h"
#include "engine/operations.h"
#include "numeric/round.h"

namespace dorvex::engine::detail {
namespace {

// n values from min with width d and random probabilities (a fixed seed).
model::Histogram Random(std::mt19937& random, double min, double d, int n) {
  std::uniform_real_distribution<double> weight(0.0, 1.0);
  model::Histogram h;
  h.N = n;
  h.Min = min;
  h.d = d;
  h.Max = min + (n - 1) * d;
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) sum += h.P[i] = weight(random);
  for (int i = 1; i <= n; ++i) h.P[i] /= sum;
  h.P[n / 2] = 0.0;  // an empty row in the middle
  return h;
}

double Combined(Combination how, double x, double y) {
  switch (how) {
    case Combination::Sum: return x + y;
    case Combination::Difference: return x - y;
    case Combination::Product: return x * y;
    case Combination::Quotient: return x / y;
  }
  return 0.0;
}

// Every pair of a and b through AddAt, in order: the rule written out plainly.
void AddPairByPair(Combination how, const model::Histogram& a, const Points& outer,
                   const model::Histogram& b, const Points& inner, Work& w) {
  for (int i = 1; i <= outer.n; ++i) {
    if (a.P[i] == 0.0) continue;
    for (int j = 1; j <= inner.n; ++j) {
      const double x = Combined(how, outer.x[i], inner.x[j]);
      const double q = (x - w.Min) / w.d;
      ASSERT_FALSE(AddAt(w, q, x, a.P[i] * b.P[j], true, IndexContext{}).has_value());
    }
  }
}

// The pair loop adds in another order than pair by pair: the same intervals get
// probability, and every sum differs in its last bits at most.
void ExpectSameUpToLastBits(const Work& fast, const Work& plain) {
  constexpr double kLastBits = 64 * std::numeric_limits<double>::epsilon();
  for (int k = 0; k < static_cast<int>(fast.P.size()); ++k) {
    EXPECT_EQ(fast.P[k] == 0.0, plain.P[k] == 0.0) << "interval " << k;
    EXPECT_LE(std::fabs(fast.P[k] - plain.P[k]), kLastBits * plain.P[k]) << "interval " << k;
  }
  const auto failure = static_cast<double>(plain.failure);
  EXPECT_LE(std::fabs(static_cast<double>(fast.failure) - failure), kLastBits * failure);
  EXPECT_EQ(fast.highest, plain.highest);
}

struct PairLoopCase {
  const char* name;
  double outerStart, outerWidth;
  int outerCount;
  double innerStart, innerWidth;
  int innerCount;
  // Grid width in inner widths; 0: 1000 intervals over the values.
  double gridInInnerWidths;
};

class CombinePairsCase : public testing::TestWithParam<PairLoopCase> {};

TEST_P(CombinePairsCase, AddsAsThePlainRuleDoesUpToTheLastBits) {
  const PairLoopCase& c = GetParam();
  std::mt19937 random(20240611);
  const model::Histogram a = Random(random, c.outerStart, c.outerWidth, c.outerCount);
  const model::Histogram b = Random(random, c.innerStart, c.innerWidth, c.innerCount);
  Points outer;
  Points inner;
  FillPoints(a, outer);
  FillPoints(b, inner);
  for (Combination how : {Combination::Sum, Combination::Difference, Combination::Product,
                          Combination::Quotient}) {
    SCOPED_TRACE(static_cast<int>(how));
    double lowest = Combined(how, outer.x[1], inner.x[1]);
    double highest = lowest;
    for (int i = 1; i <= outer.n; ++i) {
      for (int j = 1; j <= inner.n; ++j) {
        lowest = std::min(lowest, Combined(how, outer.x[i], inner.x[j]));
        highest = std::max(highest, Combined(how, outer.x[i], inner.x[j]));
      }
    }
    Work fast;
    fast.Min = lowest;
    fast.d = c.gridInInnerWidths > 0.0 && how != Combination::Product && how != Combination::Quotient
                 ? c.gridInInnerWidths * c.innerWidth
                 : (highest - lowest) / 1000;
    if ((highest - lowest) / fast.d > 1023.0) continue;  // the grid would not hold it
    Work plain = fast;
    ASSERT_FALSE(CombineAll(how, outer, inner, fast, PairLoop{}, true).has_value());
    AddPairByPair(how, a, outer, b, inner, plain);
    ExpectSameUpToLastBits(fast, plain);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CombinePairsCase,
    testing::Values(
        // Most intervals gather several pairs of a row.
        PairLoopCase{"Gathering", -3.0, 0.37, 300, 0.5, 0.013, 257, 0.0},
        // The inner width is the grid's: a sum's row runs one interval after
        // another, a difference's the other way.
        PairLoopCase{"OneIntervalApart", -2.0, 0.03, 200, -1.705, 0.01, 300, 1.0},
        // A divisor on both sides of zero: a quotient's row is not monotone.
        PairLoopCase{"DivisorAcrossZero", 1.0, 0.5, 40, -2.05, 0.1, 42, 0.0}),
    [](const testing::TestParamInfo<PairLoopCase>& info) { return info.param.name; });

TEST(CombinePairs, SplitsTiesExactlyAsThePlainRuleDoes) {
  // Discrete widths 1 and 2 with values on halves: every sum is a tie, and rows
  // with a tie go pair by pair through AddAt.
  std::mt19937 random(20240612);
  const model::Histogram a = Random(random, 200.5, 1.0, 256);
  const model::Histogram b = Random(random, 41.0, 2.0, 128);
  Points outer;
  Points inner;
  FillPoints(a, outer);
  FillPoints(b, inner);
  Work fast;
  fast.Min = 200.5 + 41.0 - 1.5;
  fast.d = 1.0;
  fast.N = 512;
  SetDiscreteRules(fast, model::HistogramType::Discrete, a.Max + b.Max, 1000.0);
  Work plain = fast;
  ASSERT_FALSE(CombineAll(Combination::Sum, outer, inner, fast, PairLoop{}, true).has_value());
  for (int i = 1; i <= outer.n; ++i) {
    if (a.P[i] == 0.0) continue;
    for (int j = 1; j <= inner.n; ++j) {
      const double x = outer.x[i] + inner.x[j];
      const double q = (x - plain.Min) / plain.d;
      ASSERT_FALSE(AddAt(plain, q, x, a.P[i] * b.P[j], true, IndexContext{}));
    }
  }
  EXPECT_TRUE(std::equal(fast.P.begin(), fast.P.end(), plain.P.begin()));
  EXPECT_EQ(fast.highest, plain.highest);
}

struct TieCase {
  const char* name;
  double q;
  std::vector<std::pair<int, double>> shares;  // interval, share of p
};

class AddAtTie : public testing::TestWithParam<TieCase> {};

// On a Discrete grid of 10 intervals: a value halfway between two intervals (to a
// few ulps) gives each half; halfway past the first or the last interval it stays
// whole inside; anything else rounds.
TEST_P(AddAtTie, SplitsOnlyBetweenTwoIntervalsOfTheGrid) {
  const TieCase& c = GetParam();
  Work w;
  w.Min = 0.0;
  w.d = 1.0;
  w.N = 10;
  SetDiscreteRules(w, model::HistogramType::Discrete, 9.0, 10.0);
  ASSERT_FALSE(AddAt(w, c.q, c.q, 0.8, false, IndexContext{}).has_value());
  double placed = 0.0;
  for (const auto& [k, share] : c.shares) {
    EXPECT_DOUBLE_EQ(w.P[k], 0.8 * share) << "interval " << k;
    placed += w.P[k];
  }
  EXPECT_DOUBLE_EQ(placed, 0.8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddAtTie,
    testing::Values(TieCase{"Halfway", 3.5, {{4, 0.5}, {5, 0.5}}},
                    TieCase{"HalfwayWithinUlps", 3.5 + 4e-15, {{4, 0.5}, {5, 0.5}}},
                    TieCase{"NotQuiteHalfway", 3.5 + 1e-9, {{5, 1.0}}},
                    TieCase{"BelowTheFirst", -0.5, {{1, 1.0}}},
                    TieCase{"PastTheLast", 9.5, {{10, 1.0}}},
                    TieCase{"OnAValue", 3.0, {{4, 1.0}}}),
    [](const testing::TestParamInfo<TieCase>& info) { return info.param.name; });

TEST(AddAtTie, PureDiscreteRoundsHalvesToEven) {
  Work w;
  w.Min = 0.0;
  w.d = 1.0;
  w.N = 10;
  SetDiscreteRules(w, model::HistogramType::PureDiscrete, 9.0, 10.0);
  ASSERT_FALSE(AddAt(w, 3.5, 3.5, 0.8, false, IndexContext{}).has_value());
  EXPECT_EQ(w.P[5], 0.8);  // Round(3.5) = 4
}

struct SpreadCase {
  const char* name;
  double lo;  // the image, on a grid of 10 intervals of width 1 centred on 0 .. 9
  double hi;
  std::vector<std::pair<int, double>> shares;  // interval, share of p
  double below;                                // share counted into Pf
};

class AddSpreadImage : public testing::TestWithParam<SpreadCase> {};

TEST_P(AddSpreadImage, PutsEachIntervalItsShareOfTheImage) {
  const SpreadCase& c = GetParam();
  Work w;
  w.Min = 0.0;
  w.d = 1.0;
  w.N = 10;
  SetDiscreteRules(w, model::HistogramType::Discrete, 9.0, 10.0);
  const double value = (c.lo + c.hi) / 2;
  ASSERT_FALSE(AddSpread(w, c.lo, c.hi, value, 1.0, 1.0, true, IndexContext{}).has_value());
  // Shares are differences of ends a few units apart, rounded once or twice.
  constexpr double kShareTolerance = 1e-15;
  double placed = 0.0;
  for (const auto& [k, share] : c.shares) {
    EXPECT_NEAR(w.P[k], share, kShareTolerance) << "interval " << k;
    placed += w.P[k];
  }
  EXPECT_NEAR(placed, 1.0, kShareTolerance);
  EXPECT_NEAR(static_cast<double>(w.failure), c.below, kShareTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddSpreadImage,
    testing::Values(
        // Interval k covers k - 1.5 .. k - 0.5.
        SpreadCase{"InsideOneInterval", 2.6, 3.4, {{4, 1.0}}, 0.0},
        SpreadCase{"AcrossTwo", 2.0, 4.0, {{3, 0.25}, {4, 0.5}, {5, 0.25}}, 0.0},
        SpreadCase{"EndsOnBoundaries", 2.5, 4.5, {{4, 0.5}, {5, 0.5}}, 0.0},
        SpreadCase{"EndsWithinUlpsOfBoundaries", 2.5 + 1e-15, 4.5 - 1e-15, {{4, 0.5}, {5, 0.5}},
                   0.0},
        // Parts beyond the grid go into its end intervals.
        SpreadCase{"PastTheFirst", -1.5, 0.5, {{1, 1.0}}, 0.75},
        SpreadCase{"PastTheLast", 8.0, 12.0, {{9, 0.125}, {10, 0.875}}, 0.0},
        SpreadCase{"AcrossZero", -0.25, 0.75, {{1, 0.75}, {2, 0.25}}, 0.25},
        SpreadCase{"PointHalfway", 3.5, 3.5, {{4, 0.5}, {5, 0.5}}, 0.0},
        SpreadCase{"PointAtZero", 0.0, 0.0, {{1, 1.0}}, 0.5}),
    [](const testing::TestParamInfo<SpreadCase>& info) { return info.param.name; });

TEST(SpreadPairs, AddsAsAddSpreadDoesPairByPair) {
  // Products and quotients of intervals on both sides of zero, and of positive
  // ones, against AddSpread for every pair.
  std::mt19937 random(20240613);
  const std::vector<std::pair<double, double>> starts = {{-3.0, 0.5}, {0.4, 0.5}};
  for (const auto& [outerStart, innerStart] : starts) {
    model::Histogram a = Random(random, outerStart, 0.037, 201);
    model::Histogram b = Random(random, innerStart, 0.013, 257);
    a.Type = model::HistogramType::Discrete;
    b.Type = model::HistogramType::Discrete;
    Points outer;
    Points inner;
    FillPoints(a, outer);
    FillPoints(b, inner);
    for (Combination how : {Combination::Product, Combination::Quotient}) {
      Work fast;
      const Axis axisA{a.Min, a.Max, a.d};
      const Axis axisB{b.Min, b.Max, b.d};
      if (how == Combination::Product) {
        ProductSpan(axisA, axisB, fast);
      } else {
        ASSERT_FALSE(QuotientSpan(axisA, axisB, fast).has_value());
      }
      fast.d = (fast.Max - fast.Min) / 1000;
      fast.N = 1001;
      SetDiscreteRules(fast, model::HistogramType::Discrete, fast.Max,
                       LargestCombined(how, outer, inner));
      Work plain = fast;
      ASSERT_FALSE(Accumulate(how, outer, inner, fast, PairLoop{}, true).has_value());
      for (int i = 1; i <= outer.n; ++i) {
        for (int j = 1; j <= inner.n; ++j) {
          const double p = a.P[i] * b.P[j];
          if (p == 0.0) continue;
          const bool product = how == Combination::Product;
          const double x0 = outer.x[i] - outer.half;
          const double x1 = outer.x[i] + outer.half;
          const double y0 = product ? inner.x[j] - inner.half : 1.0 / (inner.x[j] + inner.half);
          const double y1 = product ? inner.x[j] + inner.half : 1.0 / (inner.x[j] - inner.half);
          const double c[] = {x0 * y0, x0 * y1, x1 * y0, x1 * y1};
          const double value = product ? outer.x[i] * inner.x[j] : outer.x[i] / inner.x[j];
          const double lo = *std::min_element(c, c + 4);
          const double hi = *std::max_element(c, c + 4);
          ASSERT_FALSE(AddSpread(plain, lo, hi, value, p, 1.0 / plain.d, true, IndexContext{}));
        }
      }
      // The same shares, added in another order and formed in another way.
      constexpr double kOrderTolerance = 1e-15;
      for (int k = 1; k <= kMaxBins; ++k) {
        EXPECT_NEAR(fast.P[k], plain.P[k], kOrderTolerance) << "interval " << k;
        EXPECT_EQ(fast.P[k] == 0.0, plain.P[k] == 0.0) << "interval " << k;
      }
      EXPECT_NEAR(static_cast<double>(fast.failure), static_cast<double>(plain.failure),
                  kOrderTolerance);
      EXPECT_EQ(fast.highest, plain.highest);
    }
  }
}

TEST(RoundedBits, AgreesWithNearbyintAndFlagsEverythingOutsideTheGrid) {
  for (double q : {0.0, -0.0, 0.4999, 0.5, 1.5, 2.5, 1022.5, 1023.4999, -0.5, 7.5000001}) {
    const std::int64_t rounded = RoundedBits(q);
    EXPECT_EQ(rounded, static_cast<std::int64_t>(std::nearbyint(q))) << q;
    EXPECT_EQ(rounded & ~std::int64_t{1023}, 0) << q;
    EXPECT_EQ(RoundHalfEven(q), rounded) << q;
  }
  for (double q : {-0.5000001, 1023.5, 1e6, -1e300, 0x1p51, std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_NE(RoundedBits(q) & ~std::int64_t{1023}, 0) << q;
    EXPECT_FALSE(IndexInRange(q)) << q;
  }
}

TEST(RoundHalfEven, AgreesWithNearbyintBeyondTheFastRange) {
  for (double x : {0x1p51 + 0.5, 0x1p52 + 1.0, -0x1p51 - 0.5, 1e18, -2.5, 3.5}) {
    EXPECT_EQ(RoundHalfEven(x), static_cast<std::int64_t>(std::nearbyint(x))) << x;
  }
}

}  // namespace
}  // namespace dorvex::engine::detail

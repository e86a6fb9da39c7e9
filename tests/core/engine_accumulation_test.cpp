// The pair loop against the accumulation rule written out plainly, and the
// rounding it uses against the standard library's.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

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

TEST(CombinePairs, AddsExactlyAsThePlainRuleDoes) {
  std::mt19937 random(20240611);
  const model::Histogram a = Random(random, -3.0, 0.37, 300);
  const model::Histogram b = Random(random, 0.5, 0.013, 257);
  Points outer;
  Points inner;
  FillPoints(a, outer);
  FillPoints(b, inner);
  for (Combination how : {Combination::Sum, Combination::Difference, Combination::Product,
                          Combination::Quotient}) {
    // A grid of 1000 widths over the values, so that most intervals gather several.
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
    fast.d = (highest - lowest) / 1000;
    Work plain = fast;
    ASSERT_FALSE(CombineAll(how, outer, inner, fast, PairLoop{}, true).has_value());

    for (int i = 1; i <= outer.n; ++i) {
      if (a.P[i] == 0.0) continue;
      for (int j = 1; j <= inner.n; ++j) {
        const double x = Combined(how, outer.x[i], inner.x[j]);
        const double q = (x - plain.Min) / plain.d;
        ASSERT_FALSE(AddAt(plain, q, x, a.P[i] * b.P[j], true, IndexContext{}).has_value());
      }
    }
    EXPECT_TRUE(std::equal(fast.P.begin(), fast.P.end(), plain.P.begin()));
    EXPECT_EQ(fast.failure, plain.failure);
    EXPECT_EQ(fast.highest, plain.highest);
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

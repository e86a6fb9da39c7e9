// Bounds of the n-fold sum: a chain of sums at the intervals' lower edges rounding
// down, one at the upper edges rounding up.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/bounds.h"
#include "engine/engine.h"
#include "numeric/normal.h"
#include "sources/distribution.h"
#include "sources/parametric_request.h"
#include "support/histogram_builders.h"

namespace dorvex::engine {
namespace {

using model::Histogram;
using model::HistogramType;
using test_support::MakeHistogram;

// Sums of up to a few thousand products, each rounded once.
constexpr double kSumTolerance = 1e-14;

// A generated input as the parametric window hands it to a slot.
model::HandOverBuffer Generated(int type, std::vector<std::string> parameters) {
  sources::ParametricRequest request;
  request.type = type;
  request.parameters = std::move(parameters);
  request.bins = 1024;
  request.eps = 1E-7;
  const sources::ParametricResult result = sources::ComputeParametric(request, texts::Language::English);
  EXPECT_TRUE(result.ok());
  return result.buffer;
}

OperationResult RunSum(const Histogram& a, std::int32_t n, model::CutProbability cut = {}) {
  OperationRequest request;
  request.code = kRepeatedSum;
  request.a = &a;
  request.exponent = std::to_string(n);
  request.cutA = cut;
  request.withDistributionBounds = true;
  OperationOutcome outcome = RunOperation(request);
  EXPECT_TRUE(outcome.ok());
  return outcome.result.value_or(OperationResult{});
}

// The bounds of the sum of n copies of a below `threshold`, on the grid of `result`.
FailureBounds BoundsBelow(const Histogram& a, std::int32_t n, model::CutProbability cut, double threshold,
                          const Histogram& result) {
  BoundsRequest request;
  request.code = kRepeatedSum;
  request.a = &a;
  request.n = n;
  request.cutA = cut;
  request.threshold = threshold;
  return ComputeBounds(request, result);
}

// The edges Min + (k - 1/2) d, k = 0..N, at which the distribution is bounded.
double Edge(const DistributionBounds& f, std::size_t k) { return f.Min + (static_cast<double>(k) - 0.5) * f.d; }

// P(k) of the binomial distribution of n trials of probability q, by the ratio of
// neighbouring terms.
std::vector<double> Binomial(int n, double q) {
  std::vector<double> p(n + 1);
  p[0] = std::pow(1.0 - q, n);
  for (int k = 1; k <= n; ++k) p[k] = p[k - 1] * (n - k + 1) / k * q / (1.0 - q);
  return p;
}

// Exact points have no width: the sum of n coins, P(value) = q, is binomial, and
// both bounds are its distribution function; Pf counts half the point at 0.
struct CoinCase {
  const char* name;
  double low;  // the coin shows low or low + 1
  double q;    // of low + 1
  int n;
};

class CoinSums : public testing::TestWithParam<CoinCase> {};

TEST_P(CoinSums, AreBoundedByTheirExactDistribution) {
  const CoinCase& c = GetParam();
  const Histogram coin = MakeHistogram(HistogramType::PureDiscrete, c.low, 1.0, {1.0 - c.q, c.q});
  const OperationResult result = RunSum(coin, c.n);
  const FailureBounds& b = result.bounds;
  ASSERT_EQ(b.kind, BoundsKind::Bounded);
  EXPECT_NEAR(b.lower, b.upper, kSumTolerance);
  EXPECT_NEAR(b.lower, result.failureProbability, kSumTolerance);

  // The sum is n * low + k with binomial P(k).
  const std::vector<double> p = Binomial(c.n, c.q);
  double pf = 0.0;
  for (int k = 0; k <= c.n; ++k) {
    const double value = c.n * c.low + k;
    pf += value < 0.0 ? p[k] : (value == 0.0 ? p[k] / 2.0 : 0.0);
  }
  EXPECT_NEAR(b.lower, pf, kSumTolerance);

  const DistributionBounds& f = b.distribution;
  ASSERT_EQ(f.lower.size(), static_cast<std::size_t>(result.histogram.N) + 1);
  for (std::size_t e = 0; e < f.lower.size(); ++e) {
    double below = 0.0;
    for (int k = 0; k <= c.n && c.n * c.low + k <= Edge(f, e); ++k) below += p[k];
    EXPECT_NEAR(f.lower[e], f.upper[e], kSumTolerance) << e;
    EXPECT_NEAR(f.lower[e], below, kSumTolerance) << e;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CoinSums,
                         testing::Values(CoinCase{"symmetricTenTimes", -0.5, 0.5, 10},
                                         CoinCase{"zeroOneTenTimes", 0.0, 0.3, 10},
                                         CoinCase{"minusOneZeroSevenTimes", -1.0, 0.6, 7},
                                         CoinCase{"shiftedHundredTimes", -0.25, 0.45, 100}),
                         [](const testing::TestParamInfo<CoinCase>& info) { return std::string(info.param.name); });

// Two copies are A + B with B = A: their chains are the pairs' images, and so are
// the failure bounds, up to the order of the additions. A sum on an edge of the
// result lies on either side of it by the last bit of its terms: there the
// chains count it outward, so their bounds hold those of A + B.
TEST(TwoCopies, AreBoundedAsAPlusA) {
  const model::HandOverBuffer generated = Generated(sources::kNormal, {"0.5", "1"});
  const Histogram small = MakeHistogram(HistogramType::Discrete, -1.0, 0.5, {0.1, 0.2, 0.3, 0.2, 0.1, 0.1});
  for (const Histogram* a : {&generated.histogram, &small}) {
    const OperationResult twice = RunSum(*a, 2);
    BoundsRequest request;
    request.code = kSum;
    request.a = a;
    request.b = a;
    const FailureBounds expected = ComputeBounds(request, twice.histogram);
    const FailureBounds& b = twice.bounds;
    EXPECT_NEAR(b.lower, expected.lower, kSumTolerance);
    EXPECT_NEAR(b.upper, expected.upper, kSumTolerance);
    EXPECT_LT(b.lower, b.upper);
    ASSERT_EQ(b.distribution.lower.size(), expected.distribution.lower.size());
    for (std::size_t k = 0; k < expected.distribution.lower.size(); ++k) {
      EXPECT_LE(b.distribution.lower[k], expected.distribution.lower[k] + kSumTolerance) << k;
      EXPECT_GE(b.distribution.upper[k], expected.distribution.upper[k] - kSumTolerance) << k;
    }
  }
}

// P(Gamma(n, 1) < t), the sum of n Exp(1): P(Poisson(t) >= n), by its terms,
// summed on the side of n where they do not cancel.
double GammaBelow(int n, double t) {
  if (t <= 0.0) return 0.0;
  const auto term = [t](int k) { return std::exp(-t + k * std::log(t) - std::lgamma(k + 1.0)); };
  long double sum = 0.0L;
  if (t < n) {
    for (int k = n; k < n + 100 + 20 * static_cast<int>(std::sqrt(t)); ++k) sum += term(k);
    return static_cast<double>(sum);
  }
  for (int k = 0; k < n; ++k) sum += term(k);
  return static_cast<double>(1.0L - sum);
}

// Generated inputs, each with the distribution of the sum of n of them known.
struct KnownSum {
  const char* name;
  int type;
  std::vector<std::string> parameters;
  int n;
  double threshold;
  std::function<double(double)> below;  // P(sum < x)
};

// Normal(1.5 / sqrt(n), 1): the sum is Normal(1.5 sqrt(n), n), Pf = Phi(-1.5).
KnownSum NormalSum(const char* name, int n) {
  const double m = 1.5 / std::sqrt(n);
  return {name, sources::kNormal, {std::to_string(m), "1"}, n, 0.0,
          [n, m](double x) { return numeric::NormalCdf((x - n * m) / std::sqrt(n)); }};
}

// Gamma(1, 1) = Exp(1): the sum is Gamma(n, 1).
KnownSum ExponentialSum(const char* name, int n, double threshold) {
  return {name, sources::kGamma, {"1", "1"}, n, threshold, [n](double x) { return GammaBelow(n, x); }};
}

class KnownSums : public testing::TestWithParam<KnownSum> {};

// The exact distribution and the engine's own lie within the bounds, at the
// threshold and at every edge of the result.
TEST_P(KnownSums, HoldTheExactAndTheEnginesDistribution) {
  const KnownSum& c = GetParam();
  const model::HandOverBuffer a = Generated(c.type, c.parameters);
  const OperationResult result = RunSum(a.histogram, c.n, a.cut);
  const FailureBounds& own = result.bounds;
  ASSERT_EQ(own.kind, BoundsKind::Bounded);
  EXPECT_LE(own.lower, result.failureProbability);
  EXPECT_GE(own.upper, result.failureProbability);
  EXPECT_LE(own.lower, c.below(0.0));
  EXPECT_GE(own.upper, c.below(0.0));

  const FailureBounds b = BoundsBelow(a.histogram, c.n, a.cut, c.threshold, result.histogram);
  const double exact = c.below(c.threshold);
  EXPECT_LE(b.lower, exact);
  EXPECT_GE(b.upper, exact);
  // Every copy anywhere in its interval moves the sum by up to n d / 2 either way;
  // the rounding onto the chains' grids of 2048 points adds less than 1.5 times
  // the width that makes (here up to 0.9 times).
  constexpr double kGridWidening = 2.5;
  const double reach = c.n * a.histogram.d / 2.0;
  const double intervals = c.below(c.threshold + reach) - c.below(c.threshold - reach);
  EXPECT_GT(b.upper - b.lower, 0.0);
  EXPECT_LT(b.upper - b.lower, kGridWidening * intervals);

  const DistributionBounds& f = own.distribution;
  ASSERT_EQ(f.lower.size(), static_cast<std::size_t>(result.histogram.N) + 1);
  // The engine's probabilities sum to 1 only to the rounding of its combinations.
  const double engineTolerance = std::fabs(static_cast<double>(result.probabilitySum) - 1.0) + kSumTolerance;
  long double engine = 0.0L;
  for (std::size_t k = 0; k < f.lower.size(); ++k) {
    if (k > 0) engine += result.histogram.P[k];
    const double x = c.below(Edge(f, k));
    EXPECT_LE(f.lower[k], x) << k;
    EXPECT_GE(f.upper[k], x) << k;
    EXPECT_LE(f.lower[k], static_cast<double>(engine) + engineTolerance) << k;
    EXPECT_GE(f.upper[k], static_cast<double>(engine) - engineTolerance) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KnownSums,
    testing::Values(NormalSum("normalTwice", 2), NormalSum("normalThrice", 3),
                    NormalSum("normalTenTimes", 10), NormalSum("normalThousandTimes", 1000),
                    ExponentialSum("threeExponentialsBelowTen", 3, 10.0),
                    ExponentialSum("tenExponentialsBelowFive", 10, 5.0),
                    ExponentialSum("thousandExponentialsBelow950", 1000, 950.0)),
    [](const testing::TestParamInfo<KnownSum>& info) { return std::string(info.param.name); });

// What the spans leave out of any of the n copies widens both bounds: the upper
// by the probability that a copy lies outside, at most n times the cut; the lower
// by the share of all copies inside.
struct CutCase {
  const char* name;
  model::CutProbability cut;
  int n;
};

class CutSums : public testing::TestWithParam<CutCase> {};

TEST_P(CutSums, WidenByTheProbabilityThatACopyLeavesItsSpan) {
  const CutCase& c = GetParam();
  const Histogram a = MakeHistogram(HistogramType::Discrete, -1.0, 0.5, {0.1, 0.2, 0.3, 0.2, 0.1, 0.1});
  const OperationResult plain = RunSum(a, c.n);
  const OperationResult widened = RunSum(a, c.n, c.cut);
  const double total = c.cut.below + c.cut.above;
  const double outside = 1.0 - std::pow(1.0 - total, c.n);
  const FailureBounds& p = plain.bounds;
  const FailureBounds& w = widened.bounds;
  EXPECT_EQ(p.cut, 0.0);
  EXPECT_NEAR(w.cut, outside, 1e-12);
  EXPECT_LE(w.cut, c.n * total);
  EXPECT_NEAR(w.upper, std::min(1.0, p.upper + outside), 1e-12);
  EXPECT_NEAR(w.lower, p.lower * (1.0 - outside), 1e-12);
  EXPECT_GT(w.upper - w.lower, p.upper - p.lower);
  EXPECT_LE(w.upper, 1.0);
  EXPECT_GE(w.lower, 0.0);
  for (std::size_t k = 0; k < w.distribution.lower.size(); ++k) {
    EXPECT_NEAR(w.distribution.upper[k], std::min(1.0, p.distribution.upper[k] + outside), 1e-12) << k;
    EXPECT_LE(w.distribution.lower[k], p.distribution.lower[k]) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CutSums,
                         testing::Values(CutCase{"smallTenTimes", {1e-6, 2e-6}, 10},
                                         CutCase{"aboveOnlyTwice", {0.0, 1e-3}, 2},
                                         CutCase{"unionBoundPastOne", {1e-3, 1e-3}, 1000}),
                         [](const testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

// The largest count the operation takes: the chains double 31 times and stay
// ordered, and far from 0 the sum cannot fail; the upper bound holds only what
// the rounding of the combinations lost, which doubles with every doubling.
TEST(LargeCounts, FinishOrderedAndFinite) {
  const Histogram a = MakeHistogram(HistogramType::Discrete, 0.5, 0.25, {0.1, 0.2, 0.3, 0.25, 0.15});
  const std::int32_t n = 2147483647;
  constexpr double kLostPerCopy = 1e-16;
  const OperationResult result = RunSum(a, n);
  const FailureBounds& b = result.bounds;
  ASSERT_EQ(b.kind, BoundsKind::Bounded);
  EXPECT_LE(b.upper, kLostPerCopy * n);
  EXPECT_GE(b.lower, 0.0);
  EXPECT_LE(b.lower, result.failureProbability);
  EXPECT_GE(b.upper, result.failureProbability);

  // Around the mean 1.0375 n the bounds are ordered, rising and inside 0..1.
  const double mean = 1.0375 * n;
  const FailureBounds middle = BoundsBelow(a, n, {}, mean, result.histogram);
  EXPECT_LE(middle.lower, middle.upper);
  const DistributionBounds& f = middle.distribution;
  ASSERT_FALSE(f.lower.empty());
  for (std::size_t k = 0; k < f.lower.size(); ++k) {
    EXPECT_LE(f.lower[k], f.upper[k]) << k;
    EXPECT_GE(f.lower[k], 0.0) << k;
    EXPECT_LE(f.upper[k], 1.0) << k;
    if (k > 0) {
      EXPECT_GE(f.lower[k], f.lower[k - 1]) << k;
      EXPECT_GE(f.upper[k], f.upper[k - 1]) << k;
    }
  }
  EXPECT_NEAR(f.upper.back(), 1.0, kSumTolerance);
}

}  // namespace
}  // namespace dorvex::engine

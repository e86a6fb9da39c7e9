// The n-fold sum, product and quotient of independent copies of A.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "engine/engine.h"
#include "model/histogram.h"
#include "support/histogram_builders.h"

namespace dorvex::engine {
namespace {

using model::Histogram;
using model::HistogramType;

// Sums of a few probabilities, each rounded once.
constexpr double kSumTolerance = 1e-14;

using test_support::MakeHistogram;

OperationOutcome RunRepeated(int code, const Histogram& a, const std::string& n) {
  OperationRequest request;
  request.code = code;
  request.a = &a;
  request.exponent = n;
  return RunOperation(request);
}

TEST(RepeatedOperations, OneCopyReturnsAUnchanged) {
  const Histogram a = MakeHistogram(HistogramType::Discrete, 2.5, 0.5, {0.2, 0.5, 0.3});
  for (int code : {kRepeatedSum, kRepeatedProduct, kRepeatedQuotient}) {
    const OperationOutcome outcome = RunRepeated(code, a, "1");
    ASSERT_TRUE(outcome.ok()) << "code " << code;
    const Histogram& h = outcome.result->histogram;
    EXPECT_EQ(h.N, 3);
    EXPECT_EQ(h.Min, 2.5);
    EXPECT_EQ(h.Max, 3.5);
    EXPECT_EQ(h.d, 0.5);
    EXPECT_TRUE(std::equal(h.P.begin(), h.P.end(), a.P.begin())) << "code " << code;
  }
}

TEST(RepeatedOperations, SumOfTwoCopiesEqualsAPlusA) {
  const Histogram a =
      MakeHistogram(HistogramType::Discrete, -1.5, 1.0, {0.1, 0.15, 0.25, 0.3, 0.2});
  OperationRequest request;
  request.code = kSum;
  request.a = &a;
  request.b = &a;
  const OperationOutcome sum = RunOperation(request);
  const OperationOutcome twoCopies = RunRepeated(kRepeatedSum, a, "2");
  ASSERT_TRUE(sum.ok());
  ASSERT_TRUE(twoCopies.ok());
  const Histogram& expected = sum.result->histogram;
  const Histogram& h = twoCopies.result->histogram;
  EXPECT_EQ(h.N, expected.N);
  EXPECT_EQ(h.Min, expected.Min);
  EXPECT_EQ(h.d, expected.d);
  EXPECT_TRUE(std::equal(h.P.begin(), h.P.end(), expected.P.begin()));
  EXPECT_EQ(twoCopies.result->failureProbability, sum.result->failureProbability);
  EXPECT_EQ(twoCopies.result->label, "(A+A+A+ ... +A) + nAB");
}

TEST(RepeatedOperations, ProductOfThreeCopiesCoversMinusEightToFourWithoutRangeError) {
  // -2 .. 1 gives -2 .. 4 after the first step and -8 .. 4 after the second; the
  // empty point 5 that makes the first grid even takes no part.
  const Histogram a =
      MakeHistogram(HistogramType::PureDiscrete, -2.0, 1.0, {0.25, 0.25, 0.25, 0.25});
  const OperationOutcome outcome = RunRepeated(kRepeatedProduct, a, "3");
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, -8.0);
  EXPECT_DOUBLE_EQ(h.Max, 4.0);
  EXPECT_DOUBLE_EQ(h.P[1], 0.25 * 0.25 * 0.25);  // (-2)^3
  EXPECT_NEAR(static_cast<double>(outcome.result->probabilitySum), 1.0, kSumTolerance);
}

TEST(RepeatedOperations, QuotientOfTwoCopiesDividesEveryPair) {
  // 1 .. 2 by 1 .. 2: 1/2, 1 (twice), 2; d = |(1 / (2 - 1) - 1 / 2) * 1| = 0.5.
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, {0.5, 0.5});
  const OperationOutcome outcome = RunRepeated(kRepeatedQuotient, a, "2");
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 0.5);
  EXPECT_DOUBLE_EQ(h.d, 0.5);
  ASSERT_EQ(h.N, 4);
  EXPECT_DOUBLE_EQ(h.P[1], 0.25);
  EXPECT_DOUBLE_EQ(h.P[2], 0.5);
  EXPECT_DOUBLE_EQ(h.P[3], 0.0);
  EXPECT_DOUBLE_EQ(h.P[4], 0.25);
  EXPECT_EQ(outcome.result->label, "(A/A/A/ ... /A) + nAB");
}

TEST(RepeatedOperations, TinyProbabilitiesAreClearedAfterTheLastStep) {
  // 0 .. 2 with P = (1e-12, 1 - 2e-12, 1e-12), two copies: the sums 0 and 4 have
  // 1e-24. The reciprocal sum 2e24 is divided by 10 six times to 2e18, against
  // which 1e-24 rounds to 0 and 2e-12 does not.
  const Histogram a =
      MakeHistogram(HistogramType::PureDiscrete, 0.0, 1.0, {1e-12, 1.0 - 2e-12, 1e-12});
  const OperationOutcome outcome = RunRepeated(kRepeatedSum, a, "2");
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_EQ(h.N, 3);  // the cleared ends are trimmed
  EXPECT_DOUBLE_EQ(h.Min, 1.0);
  EXPECT_DOUBLE_EQ(h.P[1], 2e-12 * (1.0 - 2e-12));
}

// P of the sum of n independent copies of p (values 0, 1, 2, ...), convolved step
// by step.
std::vector<double> Convolution(const std::vector<double>& p, int n) {
  std::vector<double> sum = p;
  for (int copy = 2; copy <= n; ++copy) {
    std::vector<double> next(sum.size() + p.size() - 1, 0.0);
    for (std::size_t i = 0; i < sum.size(); ++i) {
      for (std::size_t j = 0; j < p.size(); ++j) next[i + j] += sum[i] * p[j];
    }
    sum = next;
  }
  return sum;
}

class RepeatedSumOfFewValues
    : public testing::TestWithParam<std::tuple<int, HistogramType>> {};

// While the sums fit into 1024 intervals of A's width, doubling loses nothing: the
// result is the exact n-fold convolution.
TEST_P(RepeatedSumOfFewValues, IsTheExactConvolution) {
  const auto [n, type] = GetParam();
  const std::vector<double> p = {0.1, 0.4, 0.3, 0.2};
  const Histogram a = MakeHistogram(type, 0.0, 1.0, p);
  const OperationOutcome outcome = RunRepeated(kRepeatedSum, a, std::to_string(n));
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  const std::vector<double> exact = Convolution(p, n);
  ASSERT_EQ(h.N, static_cast<int>(exact.size()));
  EXPECT_DOUBLE_EQ(h.Min, 0.0);
  EXPECT_DOUBLE_EQ(h.d, 1.0);
  // Sums of up to 4^13 products, each rounded once, against values up to 0.2.
  constexpr double kConvolutionTolerance = 1e-15;
  for (int k = 1; k <= h.N; ++k) {
    EXPECT_NEAR(h.P[k], exact[k - 1], kConvolutionTolerance) << "value " << k - 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, RepeatedSumOfFewValues,
    testing::Combine(testing::Values(3, 5, 13),
                     testing::Values(HistogramType::Discrete, HistogramType::PureDiscrete)),
    [](const testing::TestParamInfo<std::tuple<int, HistogramType>>& info) {
      const bool discrete = std::get<1>(info.param) == HistogramType::Discrete;
      const std::string type = discrete ? "Discrete" : "PureDiscrete";
      return "N" + std::to_string(std::get<0>(info.param)) + type;
    });

// Yield strength of S235 steel: LogNormal, mean 280, sigma 22.4, 128 intervals.
Histogram YieldStrength() {
  const double s = std::sqrt(std::log(1.0 + (22.4 / 280.0) * (22.4 / 280.0)));
  const double mu = std::log(280.0) - s * s / 2;
  return test_support::FromCdf(176.064, 436.576, 128, [&](double x) {
    return 0.5 * std::erfc(-(std::log(x) - mu) / (s * std::sqrt(2.0)));
  });
}

class RepeatedSumOfManyCopies : public testing::TestWithParam<int> {};

// The sum of n copies has the mean n m and the standard deviation sqrt(n) s of A,
// however large n: the span follows the spread, not n.
TEST_P(RepeatedSumOfManyCopies, HasNTimesTheMeanAndRootNTimesTheSigma) {
  const int n = GetParam();
  const Histogram a = YieldStrength();
  const test_support::Moments one = test_support::MomentsOf(a);
  const OperationOutcome outcome = RunRepeated(kRepeatedSum, a, std::to_string(n));
  ASSERT_TRUE(outcome.ok());
  const OperationResult& r = *outcome.result;
  const test_support::Moments m = test_support::MomentsOf(r.histogram);
  // Each combination rounds onto a grid some hundreds of widths across the spread.
  constexpr double kMeanTolerance = 1e-4;   // relative
  constexpr double kSigmaTolerance = 5e-3;  // relative
  EXPECT_NEAR(m.mean / (n * one.mean), 1.0, kMeanTolerance);
  EXPECT_NEAR(m.sigma / (std::sqrt(n) * one.sigma), 1.0, kSigmaTolerance);
  EXPECT_GT(r.histogram.Min, 0.0);
  EXPECT_EQ(r.failureProbability, 0.0);
  EXPECT_EQ(test_support::EmptyIntervalsInside(r.histogram), 0);
}

INSTANTIATE_TEST_SUITE_P(Counts, RepeatedSumOfManyCopies, testing::Values(300, 1000, 5000, 100000));

TEST(RepeatedOperations, ProgressCountsTheCombinationsOfTheDoubling) {
  // 100 000 = 11000011010100000 in binary: 16 doublings and 5 further digits 1.
  const Histogram a = YieldStrength();
  std::vector<std::int64_t> done;
  std::int64_t total = 0;
  OperationRequest request;
  request.code = kRepeatedSum;
  request.a = &a;
  request.exponent = "100000";
  request.progress = [&](std::int64_t d, std::int64_t t) {
    done.push_back(d);
    total = t;
  };
  ASSERT_TRUE(RunOperation(request).ok());
  EXPECT_EQ(total, 21);
  std::vector<std::int64_t> steps(21);
  std::iota(steps.begin(), steps.end(), 1);
  EXPECT_EQ(done, steps);
}

TEST(RepeatedOperations, FailureProbabilityOfNegativeValuesIsTheirWholeSum) {
  // Every sum lies below zero: Pf is all the result holds, never above it.
  const Histogram a = test_support::FromCdf(-5.0, -1.0, 64, test_support::UniformCdf(-5.0, -1.0));
  const OperationOutcome outcome = RunRepeated(kRepeatedSum, a, "1000");
  ASSERT_TRUE(outcome.ok());
  const OperationResult& r = *outcome.result;
  // Twenty-odd combinations of up to a million products each, rounded once each.
  constexpr double kManySumsTolerance = 1e-12;
  EXPECT_LE(r.failureProbability, static_cast<double>(r.probabilitySum));
  EXPECT_NEAR(r.failureProbability, 1.0, kManySumsTolerance);
}

TEST(RepeatedOperations, ProductAndQuotientOfCopiesSpreadWithoutGaps) {
  const Histogram a = test_support::FromCdf(1.0, 2.0, 64, test_support::UniformCdf(1.0, 2.0));
  for (int code : {kRepeatedProduct, kRepeatedQuotient}) {
    const OperationOutcome outcome = RunRepeated(code, a, "5");
    ASSERT_TRUE(outcome.ok()) << "code " << code;
    EXPECT_EQ(test_support::EmptyIntervalsInside(outcome.result->histogram), 0) << "code " << code;
  }
}

}  // namespace
}  // namespace dorvex::engine

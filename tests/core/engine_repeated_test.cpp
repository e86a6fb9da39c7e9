// The n-fold sum, product and quotient of independent copies of A.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
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

}  // namespace
}  // namespace dorvex::engine

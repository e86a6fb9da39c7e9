// The one-input operations A^2, abs(A) and A^n.

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

OperationOutcome RunUnary(int code, const Histogram& a, const std::string& n = "") {
  OperationRequest request;
  request.code = code;
  request.a = &a;
  request.exponent = n;
  return RunOperation(request);
}

void ExpectProbabilities(const Histogram& h, const std::vector<double>& expected) {
  ASSERT_EQ(h.N, static_cast<int>(expected.size()));
  for (int k = 1; k <= h.N; ++k) EXPECT_NEAR(h.P[k], expected[k - 1], kSumTolerance) << "interval " << k;
}

TEST(Square, FoldsBothSignsOntoTheSquares) {
  // A on -1 .. 2: values 1, 0, 1, 4 on the span 0 .. 4 with dAB = 1.
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, -1.0, 1.0, {0.1, 0.2, 0.3, 0.4});
  const OperationOutcome outcome = RunUnary(kSquare, a);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 0.0);
  EXPECT_DOUBLE_EQ(h.Max, 4.0);
  ExpectProbabilities(h, {0.2, 0.1 + 0.3, 0.0, 0.0, 0.4});
  // Half of P(0).
  EXPECT_NEAR(outcome.result->failureProbability, 0.1, kSumTolerance);
  EXPECT_EQ(outcome.result->label, "A^2 * nAB");
}

TEST(Square, OfPositiveValuesHasNoFailureProbability) {
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, {0.5, 0.25, 0.25});
  const OperationOutcome outcome = RunUnary(kSquare, a);
  ASSERT_TRUE(outcome.ok());
  EXPECT_DOUBLE_EQ(outcome.result->histogram.Min, 1.0);
  EXPECT_EQ(outcome.result->failureProbability, 0.0);
}

TEST(Absolute, OfNonPositiveValuesReversesTheIntervals) {
  const Histogram a =
      MakeHistogram(HistogramType::PureDiscrete, -5.0, 1.0, {0.1, 0.15, 0.2, 0.25, 0.3});
  const OperationOutcome outcome = RunUnary(kAbsolute, a);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 1.0);
  EXPECT_DOUBLE_EQ(h.Max, 5.0);
  ExpectProbabilities(h, {0.3, 0.25, 0.2, 0.15, 0.1});
  EXPECT_EQ(outcome.result->failureProbability, 0.0);
}

TEST(Absolute, OfPureDiscreteAcrossZeroFoldsTheNegativeSide) {
  // A on -2 .. 3: k = 3 values not above 0; the positive side is longer: 4 points.
  const Histogram a =
      MakeHistogram(HistogramType::PureDiscrete, -2.0, 1.0, {0.05, 0.1, 0.2, 0.3, 0.25, 0.1});
  const OperationOutcome outcome = RunUnary(kAbsolute, a);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 0.0);
  EXPECT_DOUBLE_EQ(h.Max, 3.0);
  ExpectProbabilities(h, {0.2, 0.3 + 0.1, 0.25 + 0.05, 0.1});
  EXPECT_NEAR(outcome.result->failureProbability, 0.1, kSumTolerance);  // P(0) / 2
}

TEST(Absolute, OfDiscreteAcrossZeroKeepsTheIntervalValues) {
  // Mid-points -4.5 .. 4.5: |A| takes the values 0.5 .. 4.5, each from two intervals.
  const std::vector<double> p = {0.01, 0.04, 0.1, 0.15, 0.2, 0.2, 0.15, 0.1, 0.04, 0.01};
  const Histogram a = MakeHistogram(HistogramType::Discrete, -4.5, 1.0, p);
  const OperationOutcome outcome = RunUnary(kAbsolute, a);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 0.5);
  EXPECT_DOUBLE_EQ(h.d, 1.0);
  ExpectProbabilities(h, {0.4, 0.3, 0.2, 0.08, 0.02});
  EXPECT_EQ(outcome.result->failureProbability, 0.0);
}

TEST(Absolute, OfManyPureDiscretePointsKeepsEveryProbability) {
  // 300 points exceed the limit of 256: the grid is halved before accumulating.
  const Histogram a =
      MakeHistogram(HistogramType::PureDiscrete, 0.0, 1.0, std::vector<double>(300, 1.0 / 300));
  const OperationOutcome outcome = RunUnary(kAbsolute, a);
  ASSERT_TRUE(outcome.ok());
  EXPECT_DOUBLE_EQ(outcome.result->histogram.d, 2.0);
  EXPECT_NEAR(static_cast<double>(outcome.result->probabilitySum), 1.0, 1e-13);
}

TEST(Power, CubeOfOneToHundredHalvesItsGridToTheLimit) {
  // Range / d = 999 999 points, made even and halved 12 times to 244 (d = 4096);
  // the largest cube 10^6 rounds to index 245, which the result keeps.
  const Histogram a =
      MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, std::vector<double>(100, 0.01));
  const OperationOutcome outcome = RunUnary(kPower, a, "3");
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 1.0);
  EXPECT_DOUBLE_EQ(h.d, 4096.0);
  EXPECT_EQ(h.N, 245);
  EXPECT_NEAR(static_cast<double>(outcome.result->probabilitySum), 1.0, 1e-13);
}

TEST(Power, NegativeExponentPutsEachReciprocalAtItsOwnValue) {
  // A on 1 .. 4, n = -1: values 1, 1/2, 1/3, 1/4 on the span 1/4 .. 1 with the
  // smallest gap 1/3 - 1/4 = 1/12 as width: 9 widths, 10 points.
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, {0.1, 0.2, 0.3, 0.4});
  const OperationOutcome outcome = RunUnary(kPower, a, "-1");
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 0.25);
  EXPECT_DOUBLE_EQ(h.d, 1.0 / 12.0);
  EXPECT_EQ(h.N, 10);
  EXPECT_DOUBLE_EQ(h.P[1], 0.4);   // 1/4
  EXPECT_DOUBLE_EQ(h.P[2], 0.3);   // 1/3 = 1/4 + 1/12
  EXPECT_DOUBLE_EQ(h.P[4], 0.2);   // 1/2 = 1/4 + 3/12
  EXPECT_DOUBLE_EQ(h.P[10], 0.1);  // 1
  EXPECT_NEAR(h.Max, 1.0, 1e-15);
}

TEST(Power, EvenPowerOfSymmetricRangeSpansEveryPower) {
  // MinA^2 = MaxA^2 = 4: the span is that of all squares, 0 .. 4.
  const Histogram a =
      MakeHistogram(HistogramType::PureDiscrete, -2.0, 1.0, {0.1, 0.2, 0.4, 0.2, 0.1});
  const OperationOutcome outcome = RunUnary(kPower, a, "2");
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 0.0);
  EXPECT_DOUBLE_EQ(h.Max, 4.0);
  ExpectProbabilities(h, {0.4, 0.4, 0.0, 0.0, 0.2});
  EXPECT_NEAR(outcome.result->failureProbability, 0.2, kSumTolerance);
}

TEST(Power, ExponentOneReturnsAWithItsFailureProbability) {
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, -1.0, 1.0, {0.1, 0.2, 0.3, 0.4});
  const OperationOutcome outcome = RunUnary(kPower, a, "1");
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, -1.0);
  EXPECT_DOUBLE_EQ(h.Max, 2.0);
  ExpectProbabilities(h, {0.1, 0.2, 0.3, 0.4});
  EXPECT_NEAR(outcome.result->failureProbability, 0.1 + 0.2 / 2, kSumTolerance);
}

}  // namespace
}  // namespace dorvex::engine

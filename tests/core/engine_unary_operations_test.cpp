// The one-input operations A^2, abs(A) and A^n.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

struct SpreadCase {
  const char* name;
  int code;
  const char* exponent;
  double lo;  // A uniform on lo .. hi in 128 intervals
  double hi;
  double (*exactCdf)(double);
};

// Each interval of A spread over its image: A^2 of 128 intervals on 100 .. 300
// fills all 1024 result intervals (the point rule lands 128 values and leaves 896
// empty) and follows the exact distribution function.
class SpreadOverImages : public testing::TestWithParam<SpreadCase> {};

TEST_P(SpreadOverImages, FollowsTheExactDistributionWithoutGaps) {
  const SpreadCase& c = GetParam();
  const Histogram a = test_support::FromCdf(c.lo, c.hi, 128, test_support::UniformCdf(c.lo, c.hi));
  const OperationOutcome outcome = RunUnary(c.code, a, c.exponent);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_EQ(test_support::EmptyIntervalsInside(h), 0);
  // The uniform spread of an image against the true density inside it.
  constexpr double kShapeInsideImages = 1e-4;
  EXPECT_LT(test_support::LargestCdfGap(h, c.exactCdf), kShapeInsideImages);
  EXPECT_EQ(outcome.result->failureProbability, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpreadOverImages,
    testing::Values(
        SpreadCase{"Square", kSquare, "", 100.0, 300.0,
                   [](double y) { return std::clamp((std::sqrt(y) - 100.0) / 200.0, 0.0, 1.0); }},
        SpreadCase{"Cube", kPower, "3", 100.0, 300.0,
                   [](double y) { return std::clamp((std::cbrt(y) - 100.0) / 200.0, 0.0, 1.0); }},
        // |A| of A on -1 .. 3: twice the density on 0 .. 1.
        SpreadCase{"Absolute", kAbsolute, "", -1.0, 3.0,
                   [](double y) { return y <= 1.0 ? y / 2 : std::min((y + 1.0) / 4, 1.0); }}),
    [](const testing::TestParamInfo<SpreadCase>& info) { return info.param.name; });

TEST(Square, HasTheFailureProbabilityOfThePowerTwo) {
  // A squared quantity cannot fail: a Discrete Normal(0, 1) of 256 intervals gives 0
  // both ways (not half of the first interval). A Pure Discrete value exactly 0
  // counts half, both ways.
  const Histogram normal = test_support::FromCdf(-5.0, 5.0, 256, test_support::NormalCdf(0.0, 1.0));
  const Histogram points =
      MakeHistogram(HistogramType::PureDiscrete, -1.0, 1.0, {0.1, 0.2, 0.3, 0.4});
  for (const Histogram* a : {&normal, &points}) {
    const OperationOutcome square = RunUnary(kSquare, *a);
    const OperationOutcome power = RunUnary(kPower, *a, "2");
    ASSERT_TRUE(square.ok());
    ASSERT_TRUE(power.ok());
    EXPECT_EQ(square.result->failureProbability, power.result->failureProbability);
  }
  EXPECT_EQ(RunUnary(kSquare, normal).result->failureProbability, 0.0);
  EXPECT_NEAR(RunUnary(kSquare, points).result->failureProbability, 0.2 / 2, kSumTolerance);
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

// Questions put to a result (P(x), P(X <= x), Qp) and its reshaping (nAB, span).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/engine.h"
#include "engine/queries.h"
#include "engine/rescale.h"
#include "model/histogram.h"
#include "support/histogram_builders.h"

namespace dorvex::engine {
namespace {

using model::Histogram;
using model::HistogramType;

// Interpolations of a few probabilities, each rounded once.
constexpr double kTolerance = 1e-14;

OperationResult MakeResult(HistogramType type, double min, double d, const std::vector<double>& p,
                           double failure = 0.0) {
  OperationResult r;
  r.histogram = test_support::MakeHistogram(type, min, d, p);
  r.failureProbability = failure;
  r.probabilitySum = 1.0L;
  return r;
}

// A Discrete result on 1 .. 19 with P[k] = k / 190.
OperationResult OneToNineteen() {
  std::vector<double> p;
  for (int k = 1; k <= 19; ++k) p.push_back(k / 190.0);
  return MakeResult(HistogramType::Discrete, 1.0, 1.0, p);
}

TEST(ProbabilityOfValue, InterpolatesInsideTheFirstDiscreteInterval) {
  const OperationResult r = OneToNineteen();
  const ValueAnswer answer = ProbabilityOfValue(r, 0.6);  // interval 1 is 0.5 .. 1.5
  ASSERT_TRUE(answer.admissible);
  EXPECT_EQ(answer.interval, 1);
  EXPECT_DOUBLE_EQ(answer.probability, 1 / 190.0);
  EXPECT_NEAR(static_cast<double>(answer.cumulative), 0.1 / 190.0, kTolerance);
  EXPECT_EQ(answer.markedIntervals, 0);
  EXPECT_FALSE(answer.atUpperBound);
}

TEST(ProbabilityOfValue, SumsTheIntervalsBeforeAndPartOfTheOneHoldingX) {
  const OperationResult r = OneToNineteen();
  const ValueAnswer answer = ProbabilityOfValue(r, 10.2);  // interval 10 is 9.5 .. 10.5
  ASSERT_TRUE(answer.admissible);
  EXPECT_EQ(answer.interval, 10);
  // (1 + ... + 9) / 190 + 0.7 * 10 / 190
  EXPECT_NEAR(static_cast<double>(answer.cumulative), (45.0 + 7.0) / 190.0, kTolerance);
  EXPECT_EQ(answer.markedIntervals, 9);
}

TEST(ProbabilityOfValue, ExcludesTheLowerBoundAndAnswersOneAtTheUpperBound) {
  const OperationResult r = OneToNineteen();
  EXPECT_FALSE(ProbabilityOfValue(r, 0.5).admissible);
  EXPECT_FALSE(ProbabilityOfValue(r, 19.6).admissible);
  const ValueAnswer top = ProbabilityOfValue(r, 19.5);
  ASSERT_TRUE(top.admissible);
  EXPECT_TRUE(top.atUpperBound);
  EXPECT_EQ(top.cumulative, 1.0L);
  EXPECT_DOUBLE_EQ(top.probability, 19 / 190.0);
  EXPECT_EQ(top.markedIntervals, 18);
}

TEST(ProbabilityOfValue, AnswersTheOperationsFailureProbabilityAtZero) {
  // The operation found 0.31 below zero from its combined values; the intervals
  // would interpolate 0.2 + 0.3 / 2 = 0.35.
  OperationResult r = MakeResult(HistogramType::Discrete, -1.0, 1.0, {0.2, 0.3, 0.5}, 0.31);
  r.failureFromOperation = true;
  const ValueAnswer answer = ProbabilityOfValue(r, 0.0);
  ASSERT_TRUE(answer.admissible);
  EXPECT_EQ(answer.interval, 2);
  EXPECT_DOUBLE_EQ(static_cast<double>(answer.cumulative), 0.31);
}

TEST(ProbabilityOfValue, IsContinuousThroughZeroOfAHistogramWithoutOperation) {
  // A loaded file: at x = 0 the intervals interpolate as at any other x, so
  // P(X <= x) moves by the density times the step, not by a jump.
  const OperationResult r = MakeResult(HistogramType::Discrete, -1.3, 1.0, {0.2, 0.3, 0.5}, 0.45);
  const double density = 0.3 / 1.0;  // interval 2 (-0.8 .. 0.2) holds 0
  const long double atZero = ProbabilityOfValue(r, 0.0).cumulative;
  EXPECT_NEAR(static_cast<double>(atZero), 0.2 + 0.3 * 0.8, kTolerance);
  for (double step : {1e-9, -1e-9}) {
    const long double near = ProbabilityOfValue(r, step).cumulative;
    EXPECT_NEAR(static_cast<double>(near - atZero), density * step, kTolerance) << step;
  }
}

TEST(ProbabilityOfValue, SumsUpToTheLastPureDiscretePointNotAboveX) {
  const OperationResult r =
      MakeResult(HistogramType::PureDiscrete, 0.0, 1.0, {0.1, 0.2, 0.3, 0.25, 0.15});
  const ValueAnswer answer = ProbabilityOfValue(r, 2.5);
  ASSERT_TRUE(answer.admissible);
  EXPECT_EQ(answer.interval, 3);
  EXPECT_DOUBLE_EQ(answer.probability, 0.3);
  EXPECT_NEAR(static_cast<double>(answer.cumulative), 0.6, kTolerance);
  EXPECT_FALSE(ProbabilityOfValue(r, -0.1).admissible);
  EXPECT_TRUE(ProbabilityOfValue(r, 4.0).atUpperBound);
}

TEST(QuantileOfProbability, StepsBackInsideTheDiscreteIntervalThatReachesP) {
  // Four intervals of 0.25 on 1 .. 4: F reaches 0.75 at 3.5, the top of interval 3
  // (2.5 .. 3.5); p = 0.6 lies 0.1 / 0.25 of the way into it: 2.9.
  const OperationResult r =
      MakeResult(HistogramType::Discrete, 1.0, 1.0, {0.25, 0.25, 0.25, 0.25});
  const QuantileAnswer answer = QuantileOfProbability(r, 0.6);
  ASSERT_TRUE(answer.admissible);
  EXPECT_EQ(answer.interval, 3);
  EXPECT_NEAR(answer.value, 2.9, kTolerance);
  EXPECT_EQ(answer.markedIntervals, 3);
  EXPECT_FALSE(answer.probabilityIsOne);
}

TEST(QuantileOfProbability, AnswersThePointOfAPureDiscreteResult) {
  const OperationResult r =
      MakeResult(HistogramType::PureDiscrete, 1.0, 1.0, {0.25, 0.25, 0.25, 0.25});
  EXPECT_DOUBLE_EQ(QuantileOfProbability(r, 0.6).value, 3.0);
}

TEST(QuantileOfProbability, OneIsTheUpperBoundAndOutsideZeroToOneIsRefused) {
  const OperationResult discrete =
      MakeResult(HistogramType::Discrete, 1.0, 1.0, {0.25, 0.25, 0.25, 0.25});
  const QuantileAnswer one = QuantileOfProbability(discrete, 1.0);
  ASSERT_TRUE(one.admissible);
  EXPECT_TRUE(one.probabilityIsOne);
  EXPECT_DOUBLE_EQ(one.value, 4.5);
  EXPECT_EQ(one.markedIntervals, 4);
  const OperationResult pure =
      MakeResult(HistogramType::PureDiscrete, 1.0, 1.0, {0.25, 0.25, 0.25, 0.25});
  EXPECT_DOUBLE_EQ(QuantileOfProbability(pure, 1.0).value, 4.0);
  for (double p : {0.0, -0.5, 1.0000001, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(QuantileOfProbability(discrete, p).admissible) << p;
  }
}

TEST(QuantileOfProbability, ProbabilityBeyondTheRoundedSumAnswersTheUpperBound) {
  const OperationResult r = MakeResult(HistogramType::Discrete, 1.0, 1.0, {0.5, 0.4999});
  const QuantileAnswer answer = QuantileOfProbability(r, 0.99995);
  ASSERT_TRUE(answer.admissible);
  EXPECT_EQ(answer.interval, 2);
  EXPECT_DOUBLE_EQ(answer.value, 2.5);
}

Histogram Triple(HistogramType type, double min) {
  return test_support::MakeHistogram(type, min, 1.0, {0.2, 0.3, 0.5});
}

TEST(RescaleResult, ScalesTheFreshResultByTheMultiple) {
  const Histogram a = Triple(HistogramType::Discrete, -1.0);
  OperationRequest request;
  request.code = kAbsolute;
  request.a = &a;
  const OperationOutcome plain = RunOperation(request);
  ASSERT_TRUE(plain.ok());
  const RescaleOutcome doubled = RescaleResult(request, 2.0);
  ASSERT_TRUE(doubled.outcome.ok());
  EXPECT_FALSE(doubled.notice.has_value());
  EXPECT_DOUBLE_EQ(doubled.outcome.result->histogram.Min, 2.0 * plain.result->histogram.Min);
  EXPECT_DOUBLE_EQ(doubled.outcome.result->histogram.d, 2.0 * plain.result->histogram.d);
}

TEST(RescaleResult, NegativeMultipleMirrorsTheFailureProbability) {
  // A' - nothing below zero on 0 .. 2 except half of P(0) = 0.1.
  const Histogram a = Triple(HistogramType::PureDiscrete, 0.0);
  OperationRequest request;
  request.code = kPower;
  request.a = &a;
  request.exponent = "1";
  const RescaleOutcome mirrored = RescaleResult(request, -1.0);
  ASSERT_TRUE(mirrored.outcome.ok());
  const OperationResult& r = *mirrored.outcome.result;
  EXPECT_DOUBLE_EQ(r.histogram.Min, -2.0);
  EXPECT_DOUBLE_EQ(r.histogram.P[1], 0.5);
  // Below zero now: the values 2 and 1, and half of P(0).
  EXPECT_NEAR(r.failureProbability, 0.5 + 0.3 + 0.1, kTolerance);
}

TEST(RescaleResult, ZeroOrAFractionForAPureDiscreteResultFallsBackToOne) {
  const Histogram pure = Triple(HistogramType::PureDiscrete, 1.0);
  OperationRequest request;
  request.code = kSquare;
  request.a = &pure;
  const RescaleOutcome zero = RescaleResult(request, 0.0);
  ASSERT_TRUE(zero.notice.has_value());
  EXPECT_EQ(zero.notice->code, 0);
  EXPECT_EQ(zero.notice->message, 23);
  EXPECT_EQ(zero.multiple, 1.0);
  const RescaleOutcome fraction = RescaleResult(request, 1.5);
  ASSERT_TRUE(fraction.notice.has_value());
  EXPECT_EQ(fraction.notice->code, 40);
  EXPECT_EQ(fraction.multiple, 1.0);
  ASSERT_TRUE(fraction.outcome.ok());
  EXPECT_DOUBLE_EQ(fraction.outcome.result->histogram.Min, 1.0);
}

TEST(PlaceOnRange, SpreadsTheSameProbabilitiesOverTheNewSpan) {
  Histogram h = OneToNineteen().histogram;
  ASSERT_FALSE(PlaceOnRange(h, RangeEnd::Min, -17.0).has_value());
  EXPECT_DOUBLE_EQ(h.Min, -17.0);
  EXPECT_DOUBLE_EQ(h.d, 2.0);  // (19 + 17) / 18
  EXPECT_DOUBLE_EQ(h.Range, 36.0);
  EXPECT_DOUBLE_EQ(h.P[19], 19 / 190.0);
}

struct RangeRefusal {
  const char* name;
  HistogramType type;
  RangeEnd end;
  double value;
  int code;
  int message;
};

class PlaceOnRangeRefusal : public testing::TestWithParam<RangeRefusal> {};

TEST_P(PlaceOnRangeRefusal, LeavesTheResultUnchanged) {
  const RangeRefusal& c = GetParam();
  OperationResult r = OneToNineteen();
  r.histogram.Type = c.type;
  const Histogram before = r.histogram;
  const auto error = PlaceOnRange(r.histogram, c.end, c.value);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->code, c.code);
  EXPECT_EQ(error->message, c.message);
  EXPECT_EQ(r.histogram.Min, before.Min);
  EXPECT_EQ(r.histogram.Max, before.Max);
  EXPECT_EQ(r.histogram.d, before.d);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceOnRangeRefusal,
    testing::Values(
        RangeRefusal{"MinNotBelowMax", HistogramType::Discrete, RangeEnd::Min, 19.0, 0, 31},
        RangeRefusal{"MaxNotAboveMin", HistogramType::Discrete, RangeEnd::Max, 1.0, 0, 30},
        RangeRefusal{"PureDiscreteMinFraction", HistogramType::PureDiscrete, RangeEnd::Min, 0.5,
                     41, 0},
        RangeRefusal{"PureDiscreteMaxFraction", HistogramType::PureDiscrete, RangeEnd::Max, 20.5,
                     42, 0}),
    [](const testing::TestParamInfo<RangeRefusal>& info) { return info.param.name; });

}  // namespace
}  // namespace dorvex::engine

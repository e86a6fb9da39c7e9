// The four two-input operations: spans, widening, grids and known answers.

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

// Sums and products of a few hundred probabilities, each rounded once.
constexpr double kSumTolerance = 1e-13;

using test_support::MakeHistogram;

Histogram Uniform(HistogramType type, double min, double d, int n) {
  return MakeHistogram(type, min, d, std::vector<double>(n, 1.0 / n));
}

OperationOutcome RunBinary(int code, const Histogram& a, const Histogram& b) {
  OperationRequest request;
  request.code = code;
  request.a = &a;
  request.b = &b;
  return RunOperation(request);
}

long double SumOf(const Histogram& h) {
  long double sum = 0.0L;
  for (int k = 1; k <= h.N; ++k) sum += h.P[k];
  return sum;
}

TEST(BinaryOperations, SumOfTwoUniformDiscreteHistogramsIsTriangularOnOneToNineteen) {
  // The files Min=0, Max=10, Bins=10: values 0.5 .. 9.5, d = 1, each 0.1.
  const Histogram a = Uniform(HistogramType::Discrete, 0.5, 1.0, 10);
  const OperationOutcome outcome = RunBinary(kSum, a, a);
  ASSERT_TRUE(outcome.ok());
  const OperationResult& r = *outcome.result;
  const Histogram& h = r.histogram;
  // Span 0 .. 20 with 20 intervals; the sums 1 .. 19 fill indices 2 .. 20 and the
  // empty first interval is trimmed.
  EXPECT_EQ(h.Type, HistogramType::Discrete);
  EXPECT_EQ(h.N, 19);
  EXPECT_DOUBLE_EQ(h.Min, 1.0);
  EXPECT_DOUBLE_EQ(h.Max, 19.0);
  EXPECT_DOUBLE_EQ(h.d, 1.0);
  for (int s = 1; s <= 19; ++s) {
    // s = i + j - 1 has min(s, 20 - s) of the 100 equally likely pairs.
    EXPECT_NEAR(h.P[s], std::min(s, 20 - s) / 100.0, kSumTolerance) << "value " << s;
  }
  EXPECT_EQ(r.failureProbability, 0.0);
  EXPECT_NEAR(r.total, 100.0, 1e-11);  // 1 / the smallest probability 0.01
  EXPECT_NEAR(static_cast<double>(r.probabilitySum), 1.0, kSumTolerance);
  EXPECT_EQ(r.label, "(A + B) * nAB");
}

TEST(BinaryOperations, DifferenceOfSymmetricPureDiscreteHistogramWithItselfIsSymmetricAboutZero) {
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, 0.0, 1.0, {0.1, 0.2, 0.4, 0.2, 0.1});
  const OperationOutcome outcome = RunBinary(kDifference, a, a);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  // Span -4 .. 4: 9 points made even to 10; the empty tenth is trimmed.
  EXPECT_EQ(h.Type, HistogramType::PureDiscrete);
  EXPECT_EQ(h.N, 9);
  EXPECT_DOUBLE_EQ(h.Min, -4.0);
  EXPECT_DOUBLE_EQ(h.Max, 4.0);
  for (int k = 1; k <= 4; ++k) EXPECT_DOUBLE_EQ(h.P[k], h.P[10 - k]) << "interval " << k;
  // P(0) = sum of P(i)^2; the largest probability sits at 0.
  EXPECT_NEAR(h.P[5], 0.26, kSumTolerance);
  EXPECT_EQ(*std::max_element(h.P.begin() + 1, h.P.begin() + 10), h.P[5]);
  // Half below zero by symmetry, and half of P(0) counts as well.
  EXPECT_NEAR(outcome.result->failureProbability, 0.5, kSumTolerance);
}

TEST(BinaryOperations, ProductSpanRunsBetweenTheExtremeCornerProducts) {
  // A on -2 .. 1 and B on 3 .. 5: corners -6, -10, 3, 5.
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, -2.0, 1.0, {0.1, 0.2, 0.3, 0.4});
  const Histogram b = MakeHistogram(HistogramType::PureDiscrete, 3.0, 1.0, {0.5, 0.3, 0.2});
  const OperationOutcome outcome = RunBinary(kProduct, a, b);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, -10.0);
  EXPECT_DOUBLE_EQ(h.Max, 5.0);
  EXPECT_DOUBLE_EQ(h.d, 1.0);  // dA * dB
  EXPECT_EQ(h.N, 16);
  EXPECT_DOUBLE_EQ(h.P[1], 0.1 * 0.2);   // -2 * 5
  EXPECT_DOUBLE_EQ(h.P[11], 0.3);        // 0 * anything
  EXPECT_DOUBLE_EQ(h.P[16], 0.4 * 0.2);  // 1 * 5
  // Negative for a < 0, half of P(0) for a = 0.
  EXPECT_NEAR(outcome.result->failureProbability, 0.1 + 0.2 + 0.3 / 2, kSumTolerance);
}

TEST(BinaryOperations, QuotientOfTwoToFourByOneToThreeSpansTwoThirdsToFour) {
  const Histogram a = Uniform(HistogramType::PureDiscrete, 2.0, 1.0, 3);
  const Histogram b = Uniform(HistogramType::PureDiscrete, 1.0, 1.0, 3);
  const OperationOutcome outcome = RunBinary(kQuotient, a, b);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, 2.0 / 3.0);
  // dAB = |(1 / (3 - 1) - 1 / 3) * 2| = 1/3; 10/3 / (1/3) + 1 = 11 points, made even.
  EXPECT_DOUBLE_EQ(h.d, 1.0 / 3.0);
  EXPECT_NEAR(h.Max, 4.0, 1e-14);
  EXPECT_EQ(h.N, 11);
  EXPECT_DOUBLE_EQ(h.P[1], 1.0 / 9.0);   // 2 / 3
  EXPECT_DOUBLE_EQ(h.P[11], 1.0 / 9.0);  // 4 / 1
}

TEST(BinaryOperations, QuotientByNegativeDivisorCoversEveryQuotient) {
  // 1 .. 2 divided by -2 .. -1 gives -2 .. -0.5; the span taken from MinA and MaxA
  // alone would collapse to -1 .. -1.
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, {0.25, 0.75});
  const Histogram b = MakeHistogram(HistogramType::PureDiscrete, -2.0, 1.0, {0.4, 0.6});
  const OperationOutcome outcome = RunBinary(kQuotient, a, b);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.Min, -2.0);
  EXPECT_DOUBLE_EQ(h.d, 0.5);  // |(1 / (-1 - 1) - 1 / -1) * 1|
  EXPECT_EQ(h.N, 4);
  EXPECT_DOUBLE_EQ(h.P[1], 0.75 * 0.6);              // 2 / -1
  EXPECT_DOUBLE_EQ(h.P[3], 0.25 * 0.6 + 0.75 * 0.4);  // 1 / -1 and 2 / -2
  EXPECT_DOUBLE_EQ(h.P[4], 0.25 * 0.4);              // 1 / -2
  EXPECT_NEAR(outcome.result->failureProbability, 1.0, kSumTolerance);
}

TEST(BinaryOperations, SumOfDiscreteAndPureDiscreteWidensByTheDiscreteHalfWidthOnly) {
  // A Discrete on 1 .. 3 (d = 1), B Pure Discrete on 0 .. 1 (d = 0.5): span
  // 1 - 0.5 .. 4 + 0.5, dAB = 0.5, 8 intervals centred on 0.5 .. 4; the empty
  // interval at 0.5 is trimmed.
  const Histogram a = Uniform(HistogramType::Discrete, 1.0, 1.0, 3);
  const Histogram b = Uniform(HistogramType::PureDiscrete, 0.0, 0.5, 3);
  const OperationOutcome outcome = RunBinary(kSum, a, b);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_EQ(h.Type, HistogramType::Discrete);
  EXPECT_DOUBLE_EQ(h.Min, 1.0);
  EXPECT_DOUBLE_EQ(h.d, 0.5);
  EXPECT_EQ(h.N, 7);
  EXPECT_DOUBLE_EQ(h.P[1], 1.0 / 9.0);  // 1 + 0
  EXPECT_DOUBLE_EQ(h.P[7], 1.0 / 9.0);  // 3 + 1
}

TEST(BinaryOperations, PureDiscreteSumHalvesItsGridAndKeepsTheTopValue) {
  // 0 .. 299 plus 0 .. 300: 600 points, halved to 300 and 150 with d = 4. The sum
  // 599 rounds to index 151, past the 150 points; the result grows to keep it.
  const Histogram a = Uniform(HistogramType::PureDiscrete, 0.0, 1.0, 300);
  const Histogram b = Uniform(HistogramType::PureDiscrete, 0.0, 1.0, 301);
  const OperationOutcome outcome = RunBinary(kSum, a, b);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.d, 4.0);
  EXPECT_EQ(h.N, 151);
  EXPECT_DOUBLE_EQ(h.Max, 600.0);
  EXPECT_GT(h.P[151], 0.0);
  EXPECT_NEAR(static_cast<double>(SumOf(h)), 1.0, kSumTolerance);
}

TEST(BinaryOperations, DiscreteSumOfTwo1024IntervalHistogramsKeepsEveryValue) {
  // 2048 natural intervals are limited to 1024; with d = 2048 / 1024 the top sum
  // 2047 would round to index 1025, so the grid spreads over 1023 widths instead.
  const Histogram a = Uniform(HistogramType::Discrete, 0.5, 1.0, 1024);
  const OperationOutcome outcome = RunBinary(kSum, a, a);
  ASSERT_TRUE(outcome.ok()) << (outcome.error ? outcome.error->message : 0);
  const Histogram& h = outcome.result->histogram;
  EXPECT_LE(h.N, 1024);
  EXPECT_DOUBLE_EQ(h.d, 2048.0 / 1023.0);
  EXPECT_NEAR(static_cast<double>(SumOf(h)), 1.0, kSumTolerance);
  EXPECT_NEAR(h.Max, 2047.0, h.d / 2);
}

TEST(BinaryOperations, DiscreteProductOfFineGridsKeepsTheLargestProduct) {
  // Values 1 .. 2 in 101 intervals: 3 / 1e-4 natural intervals, limited to 1024;
  // the largest product 4 sits at the last of them.
  const Histogram a = Uniform(HistogramType::Discrete, 1.0, 0.01, 101);
  const OperationOutcome outcome = RunBinary(kProduct, a, a);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_EQ(h.N, 1024);
  EXPECT_DOUBLE_EQ(h.Min, 1.0);
  EXPECT_NEAR(h.Max, 4.0, 1e-12);
  EXPECT_DOUBLE_EQ(h.P[1024], 1.0 / (101.0 * 101.0));
  EXPECT_NEAR(static_cast<double>(SumOf(h)), 1.0, kSumTolerance);
}

}  // namespace
}  // namespace dorvex::engine

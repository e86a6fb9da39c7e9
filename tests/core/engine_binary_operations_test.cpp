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
  // the largest product 4 sits at the last of them, which also holds the parts of
  // the images beyond it.
  const Histogram a = Uniform(HistogramType::Discrete, 1.0, 0.01, 101);
  const OperationOutcome outcome = RunBinary(kProduct, a, a);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_EQ(h.N, 1024);
  EXPECT_DOUBLE_EQ(h.Min, 1.0);
  EXPECT_NEAR(h.Max, 4.0, 1e-12);
  EXPECT_GT(h.P[1024], 0.0);
  EXPECT_NEAR(static_cast<double>(SumOf(h)), 1.0, kSumTolerance);
}

// P(Z <= z) of Z = X o Y for independent X, Y uniform on 1 .. 2, by the midpoint
// rule over y: P(X <= g(z, y)) integrated over y. 20 000 steps leave an error far
// below the tolerances it is compared with.
template <class Bound>
double CdfOverUniformY(double z, Bound bound) {
  constexpr int kSteps = 20000;
  double sum = 0.0;
  for (int s = 0; s < kSteps; ++s) {
    const double y = 1.0 + (s + 0.5) / kSteps;
    sum += std::clamp(bound(z, y) - 1.0, 0.0, 1.0);
  }
  return sum / kSteps;
}

// A mode is where the density peaks when the density there is within this of its
// peak: near a flat peak the discrete inputs move the largest interval a little.
constexpr double kNearPeak = 0.99;

struct NonlinearCase {
  const char* name;
  int code;
  double (*exactCdf)(double);
  double (*exactDensity)(double);
  double peak;  // the density's largest value
};

// Each pair's probability spread over its image: the result follows the exact
// distribution of X o Y, with no empty interval and its mode where the density
// peaks (the point rule lands 64 x 64 products on a handful of values per result
// interval and leaves a comb).
class NonlinearOfUniforms : public testing::TestWithParam<NonlinearCase> {};

TEST_P(NonlinearOfUniforms, FollowsTheExactDistributionWithoutGaps) {
  const NonlinearCase& c = GetParam();
  const Histogram u = test_support::FromCdf(1.0, 2.0, 64, test_support::UniformCdf(1.0, 2.0));
  const OperationOutcome outcome = RunBinary(c.code, u, u);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_EQ(test_support::EmptyIntervalsInside(h), 0);
  // The uniform spread of an image against the true density inside it.
  constexpr double kShapeInsideImages = 2e-4;
  EXPECT_LT(test_support::LargestCdfGap(h, c.exactCdf), kShapeInsideImages);
  EXPECT_GE(c.exactDensity(test_support::ModeOf(h)), kNearPeak * c.peak);
  EXPECT_EQ(outcome.result->failureProbability, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NonlinearOfUniforms,
    testing::Values(
        // X Y <= z where X <= z / Y; density ln z, then ln(4 / z).
        NonlinearCase{"Product", kProduct,
                      [](double z) {
                        return CdfOverUniformY(z, [](double t, double y) { return t / y; });
                      },
                      [](double z) { return z <= 2.0 ? std::log(z) : std::log(4.0 / z); },
                      std::log(2.0)},
        // X / Y <= z where X <= z Y; density (4 - 1/z^2) / 2, then (4/z^2 - 1) / 2.
        NonlinearCase{"Quotient", kQuotient,
                      [](double z) {
                        return CdfOverUniformY(z, [](double t, double y) { return t * y; });
                      },
                      [](double z) {
                        return z <= 1.0 ? (4.0 - 1.0 / (z * z)) / 2 : (4.0 / (z * z) - 1.0) / 2;
                      },
                      1.5}),
    [](const testing::TestParamInfo<NonlinearCase>& info) { return info.param.name; });

TEST(BinaryOperations, QuotientOfBeamResistanceByMomentPeaksWhereItsDensityDoes) {
  // The bundled beam: resistance LogNormal (mean 180, sigma 14) over the live-load
  // moment Gumbel (mean 100, sigma 15), 128 intervals each. The point rule made its
  // mode an artefact (2.05 against a median of 1.83).
  const double s = std::sqrt(std::log(1.0 + (14.0 / 180.0) * (14.0 / 180.0)));
  const double mu = std::log(180.0) - s * s / 2;
  const auto resistance = [&](double x) {
    return 0.5 * std::erfc(-(std::log(x) - mu) / (s * std::sqrt(2.0)));
  };
  const double beta = 15.0 * std::sqrt(6.0) / M_PI;
  const double u = 100.0 - 0.5772156649015329 * beta;
  const auto moment = [&](double x) { return std::exp(-std::exp(-(x - u) / beta)); };
  const Histogram a = test_support::FromCdf(110.0, 280.0, 128, resistance);
  const Histogram b = test_support::FromCdf(55.0, 300.0, 128, moment);
  const OperationOutcome outcome = RunBinary(kQuotient, a, b);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_EQ(test_support::EmptyIntervalsInside(h), 0);

  // The density of A / B, f(z) = integral of fA(z y) fB(y) y dy, with the two
  // histograms' intervals taken as uniform (16 points across each of B's).
  const auto density = [&](double z) {
    double f = 0.0;
    for (int j = 1; j <= b.N; ++j) {
      for (int t = 0; t < 16; ++t) {
        const double y = b.Min + (j - 1 + (t + 0.5) / 16 - 0.5) * b.d;
        const int i = static_cast<int>(std::floor((z * y - a.Min) / a.d + 0.5)) + 1;
        if (i >= 1 && i <= a.N) f += a.P[i] / a.d * b.P[j] / 16 * y;
      }
    }
    return f;
  };
  double peak = 0.0;
  for (double z = 1.5; z < 2.3; z += 1e-3) peak = std::max(peak, density(z));
  EXPECT_GE(density(test_support::ModeOf(h)), kNearPeak * peak);
  EXPECT_LT(density(2.05), 0.9 * peak);  // where the point rule put the mode
}

TEST(BinaryOperations, QuotientByAnIntervalReachingZeroTakesItsValueAsAPoint) {
  // B's first interval runs 0 .. 1: dividing by all of it has no bounded image, so
  // its value 0.5 stands for it. A / B then keeps every pair's probability.
  const Histogram a = test_support::FromCdf(1.0, 2.0, 16, test_support::UniformCdf(1.0, 2.0));
  const Histogram b = MakeHistogram(HistogramType::Discrete, 0.5, 1.0, {0.25, 0.5, 0.25});
  const OperationOutcome outcome = RunBinary(kQuotient, a, b);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_NEAR(static_cast<double>(SumOf(h)), 1.0, kSumTolerance);
  // The largest value, MaxA / 0.5, ends the result (the grid holds it within a width).
  EXPECT_NEAR(h.Max, a.Max / 0.5, h.d);
  EXPECT_EQ(outcome.result->failureProbability, 0.0);
}

TEST(BinaryOperations, DifferenceWhoseValuesAllFallHalfwayLeavesNoComb) {
  // R on 200 .. 456 (256 intervals, d = 1) minus E on 40 .. 296 (128 intervals,
  // d = 2): every difference is some x.5, halfway between two result intervals.
  // Each splits evenly, so no second interval is empty; the mean stays and the
  // variance grows by exactly the (1/2)^2 of the split.
  using test_support::NormalCdf;
  const Histogram r = test_support::FromCdf(200.0, 456.0, 256, NormalCdf(330.0, 20.0));
  const Histogram e = test_support::FromCdf(40.0, 296.0, 128, NormalCdf(170.0, 25.0));
  const OperationOutcome outcome = RunBinary(kDifference, r, e);
  ASSERT_TRUE(outcome.ok());
  const Histogram& h = outcome.result->histogram;
  EXPECT_DOUBLE_EQ(h.d, 1.0);
  EXPECT_EQ(test_support::EmptyIntervalsInside(h), 0);
  const test_support::Moments mr = test_support::MomentsOf(r);
  const test_support::Moments me = test_support::MomentsOf(e);
  const test_support::Moments m = test_support::MomentsOf(h);
  // Sums of 32 768 products of probabilities against values of a few hundred.
  constexpr double kMomentTolerance = 1e-9;
  EXPECT_NEAR(m.mean, mr.mean - me.mean, kMomentTolerance);
  const double split = 0.5 * 0.5;
  EXPECT_NEAR(m.sigma * m.sigma, mr.sigma * mr.sigma + me.sigma * me.sigma + split,
              kMomentTolerance);
}

}  // namespace
}  // namespace dorvex::engine

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "statvex/number_text.h"
#include "statvex/statistics.h"

namespace sv = dorvex::statvex;
using dorvex::ProbabilityArray;

namespace {

// Long-double sums of a few terms, rounded once to double.
constexpr double kTight = 1e-12;

ProbabilityArray Probabilities(std::initializer_list<double> values) {
  ProbabilityArray P{};
  std::size_t i = 1;
  for (const double p : values) P[i++] = p;
  return P;
}

// Four intervals on x = 10, 20, 30, 40 (Min 10, Max 40, h 10), P = 0.1, 0.2, 0.3, 0.4.
// By hand, with deviations x - 30 = -20, -10, 0, 10:
//   mean      = 0.1*10 + 0.2*20 + 0.3*30 + 0.4*40               = 30
//   variance  = 0.1*400 + 0.2*100 + 0 + 0.4*100                  = 100
//   mean |d|  = 0.1*20 + 0.2*10 + 0 + 0.4*10                     = 8
//   CV        = 100 * 10 / 30                                    = 33.3333 %
//   m3        = 0.1*(-8000) + 0.2*(-1000) + 0.4*1000 = -600;  skewness = -600 / 100^1.5 = -0.6
//   m4        = 0.1*160000 + 0.2*10000 + 0.4*10000 = 22000;   excess = 22000 / 100^2 - 3 = -0.8
//   F         = 0.1, 0.3, 0.6, 1: F passes 0.5 inside interval 3 (25 ... 35)
//   median    Discrete: 25 + (0.5 - 0.3) / 0.3 * 10 = 31.6667;  Pure Discrete: 30
//   mode      40
class FourIntervals : public ::testing::Test {
 protected:
  const ProbabilityArray P = Probabilities({0.1, 0.2, 0.3, 0.4});
  static constexpr int N = 4;
  static constexpr double Min = 10;
  static constexpr double Max = 40;
};

TEST_F(FourIntervals, MomentsMatchTheHandComputation) {
  const double mean = sv::Mean(P, N, Min, Max);
  EXPECT_NEAR(mean, 30.0, kTight);
  EXPECT_NEAR(sv::Variance(P, N, Min, Max, mean), 100.0, kTight);
  EXPECT_NEAR(sv::MeanAbsDeviation(P, N, Min, Max, mean), 8.0, kTight);
  EXPECT_NEAR(sv::CoefficientOfVariation(mean, 10.0), 100.0 / 3.0, kTight);
  EXPECT_NEAR(sv::Skewness(P, N, Min, Max, mean), -0.6, kTight);
  EXPECT_NEAR(sv::Kurtosis(P, N, Min, Max, mean), -0.8, kTight);
}

TEST_F(FourIntervals, DiscreteMedianInterpolatesAndPureDiscreteMedianTakesThePoint) {
  EXPECT_EQ(sv::MedianText(true, P, Min, Max, N), sv::DisplayNumber(25.0 + 0.2 / 0.3 * 10.0));
  EXPECT_EQ(sv::MedianText(true, P, Min, Max, N), "     31.6667");
  EXPECT_EQ(sv::MedianText(false, P, Min, Max, N), sv::DisplayNumber(30.0));
  EXPECT_EQ(sv::ModeText(P, N, Min, Max), sv::DisplayNumber(40.0));
}

// The same array as a sample of pairs (x, y) = (10, 0.1), (20, 0.2), (30, 0.3), (40, 0.4),
// each weighted 1/4. By hand: mean x 25, mean y 0.25; deviations -15, -5, 5, 15 and
// -0.15, -0.05, 0.05, 0.15; var x = 500/4 = 125, var y = 0.05/4 = 0.0125,
// cov = 5/4 = 1.25. The points lie on y = x/100, so the correlation is 1, the slope of
// y on x is 1.25/125 = 0.01 and that of x on y 1.25/0.0125 = 100.
TEST_F(FourIntervals, PairStatisticsMatchTheHandComputation) {
  const double meanY = sv::MeanOfProbabilities(P, N);
  EXPECT_NEAR(meanY, 0.25, kTight);
  const double varianceY = sv::VarianceOfProbabilities(P, N, meanY);
  EXPECT_NEAR(varianceY, 0.0125, kTight);
  EXPECT_NEAR(sv::CoefficientOfVariationOfProbabilities(meanY, std::sqrt(varianceY)), 100.0 * std::sqrt(0.0125) / 0.25,
              kTight);
  EXPECT_NEAR(sv::Covariance(P, N, Min, Max), 1.25, kTight);
  EXPECT_NEAR(sv::Correlation(P, N, Min, Max), 1.0, kTight);
  EXPECT_NEAR(sv::RegressionSlopeYOnX(P, N, Min, Max), 0.01, kTight);
  EXPECT_NEAR(sv::RegressionSlopeXOnY(P, N, Min, Max), 100.0, kTight);
}

TEST(MedianText, AtAnIntervalEndDiscreteTakesTheUpperEdgeAndPureDiscreteThePoint) {
  // F = 0.25, 0.5, ...: it reaches one half exactly at the end of interval 2 (1.5 ... 2.5).
  const ProbabilityArray P = Probabilities({0.25, 0.25, 0.25, 0.25});
  EXPECT_EQ(sv::MedianText(true, P, 1.0, 4.0, 4), sv::DisplayNumber(2.5));
  EXPECT_EQ(sv::MedianText(false, P, 1.0, 4.0, 4), sv::DisplayNumber(2.0));
}

TEST(ModeText, TakesTheFirstOfEqualLargestProbabilities) {
  const ProbabilityArray P = Probabilities({0.1, 0.3, 0.3, 0.3});
  EXPECT_EQ(sv::ModeText(P, 4, 1.0, 4.0), sv::DisplayNumber(2.0));
}

TEST(Mean, WeighsByTheProbabilitiesRelativeToTheirSum) {
  // Doubling every probability describes the same distribution.
  const ProbabilityArray doubled = Probabilities({0.2, 0.4, 0.6, 0.8});
  const double mean = sv::Mean(doubled, 4, 10.0, 40.0);
  EXPECT_NEAR(mean, 30.0, kTight);
  EXPECT_NEAR(sv::Variance(doubled, 4, 10.0, 40.0, mean), 100.0, kTight);
  EXPECT_EQ(sv::MedianText(false, doubled, 10.0, 40.0, 4), sv::DisplayNumber(30.0));
}

TEST(CoefficientOfVariation, IsZeroForAZeroMeanAndPositiveForANegativeMean) {
  EXPECT_EQ(sv::CoefficientOfVariation(0.0, 5.0), 0.0);
  EXPECT_NEAR(sv::CoefficientOfVariation(-4.0, 1.0), 25.0, kTight);
}

TEST(Skewness, IsUndefinedForAllProbabilityAtOnePoint) {
  // x = 0.1, 0.2, 0.3 are not exact in binary: the mean of P = (0, 1, 0) is x_2 only to
  // rounding, which must not pass for a spread.
  const ProbabilityArray P = Probabilities({0.0, 1.0, 0.0});
  const double mean = sv::Mean(P, 3, 0.1, 0.3);
  EXPECT_NEAR(mean, 0.2, kTight);
  EXPECT_EQ(sv::Variance(P, 3, 0.1, 0.3, mean), 0.0);
  EXPECT_EQ(sv::MeanAbsDeviation(P, 3, 0.1, 0.3, mean), 0.0);
  EXPECT_TRUE(std::isnan(sv::Skewness(P, 3, 0.1, 0.3, mean)));
  EXPECT_TRUE(std::isnan(sv::Kurtosis(P, 3, 0.1, 0.3, mean)));
  EXPECT_EQ(sv::DisplayNumber(sv::Skewness(P, 3, 0.1, 0.3, mean)), "   undefined");
}

TEST(Statistics, ArraysWithoutProbabilityOrIntervalsGiveZero) {
  const ProbabilityArray empty{};
  const ProbabilityArray some = Probabilities({0.5, 0.5});
  for (const auto& [P, N] : {std::pair{empty, 4}, std::pair{some, 0}, std::pair{some, -3}}) {
    EXPECT_EQ(sv::Mean(P, N, 1.0, 4.0), 0.0);
    EXPECT_EQ(sv::Variance(P, N, 1.0, 4.0, 0.0), 0.0);
    EXPECT_EQ(sv::MeanAbsDeviation(P, N, 1.0, 4.0, 0.0), 0.0);
    EXPECT_EQ(sv::MedianText(true, P, 1.0, 4.0, N), sv::DisplayNumber(0.0));
    EXPECT_EQ(sv::ModeText(P, N, 1.0, 4.0), sv::DisplayNumber(0.0));
    EXPECT_EQ(sv::Correlation(P, N, 1.0, 4.0), 0.0);
    EXPECT_EQ(sv::RegressionSlopeXOnY(P, N, 1.0, 4.0), 0.0);
  }
}

TEST(Statistics, OneIntervalIsTheSingleValueMin) {
  // h = (Max - Min) / (N - 1) does not exist for N = 1; Max is not used.
  const ProbabilityArray P = Probabilities({1.0});
  EXPECT_EQ(sv::Mean(P, 1, 7.0, 99.0), 7.0);
  EXPECT_EQ(sv::Variance(P, 1, 7.0, 99.0, 7.0), 0.0);
  EXPECT_EQ(sv::MedianText(true, P, 7.0, 99.0, 1), sv::DisplayNumber(7.0));
  EXPECT_EQ(sv::ModeText(P, 1, 7.0, 99.0), sv::DisplayNumber(7.0));
}

TEST(Statistics, ACountAboveTheArrayIsTakenAsTheArraySize) {
  ProbabilityArray P{};
  P[1] = 0.5;
  P[dorvex::kMaxBins] = 0.5;
  const double mean = sv::Mean(P, 5000, 1.0, 1024.0);
  // The grid stays 1 ... 1024 with h = 1.
  EXPECT_NEAR(mean, sv::Mean(P, dorvex::kMaxBins, 1.0, 1024.0), kTight);
  EXPECT_NEAR(mean, 512.5, kTight);
}

struct ClosenessCase {
  const char* what;
  ProbabilityArray fitted;
  double expected;
};

TEST(CoefficientOfDetermination, IsTheCoefficientOfDetermination) {
  const ProbabilityArray data = Probabilities({0.1, 0.2, 0.3, 0.4});
  // sum (data - 0.25)^2 = 0.0225 + 0.0025 + 0.0025 + 0.0225 = 0.05.
  const ClosenessCase cases[] = {
      {"perfect fit", data, 1.0},
      {"the data's mean everywhere", Probabilities({0.25, 0.25, 0.25, 0.25}), 0.0},
      // residuals 0.1, 0, 0.1, 0: 1 - 0.02 / 0.05
      {"two misses of 0.1", Probabilities({0.2, 0.2, 0.2, 0.4}), 0.6},
      // residuals 0.3, 0.1, 0.1, 0.3: 1 - 0.2 / 0.05, worse than the mean
      {"reversed", Probabilities({0.4, 0.3, 0.2, 0.1}), -3.0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(sv::CoefficientOfDetermination(c.fitted, data, 4), c.expected, kTight) << c.what;
  }
}

TEST(CoefficientOfDetermination, IsZeroWhenTheDataHaveNoSpreadOrNoIntervals) {
  const ProbabilityArray flat = Probabilities({0.25, 0.25, 0.25, 0.25});
  EXPECT_EQ(sv::CoefficientOfDetermination(flat, flat, 4), 0.0);
  EXPECT_EQ(sv::CoefficientOfDetermination(flat, Probabilities({0.1, 0.9}), 0), 0.0);
}

}  // namespace

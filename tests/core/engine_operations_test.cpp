// What all ten operations share: a trimmed, normalised result on a consistent
// grid whose mean is the true mean up to the grid's rounding, progress reports,
// cancellation, and results that do not depend on either.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "engine/engine.h"
#include "model/histogram.h"

namespace dorvex::engine {
namespace {

using model::Histogram;
using model::HistogramType;

// Sums of up to a million products of probabilities, each rounded once.
constexpr double kSumTolerance = 1e-12;
constexpr int kRepeatCount = 3;

// A triangular histogram of n values from min with width d.
Histogram Triangular(HistogramType type, double min, double d, int n) {
  Histogram h;
  h.Type = type;
  h.N = n;
  h.Min = min;
  h.d = d;
  h.Max = min + (n - 1) * d;
  h.Range = h.Max - h.Min;
  h.Total = 1000.0L;
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) sum += h.P[i] = std::min(i, n + 1 - i);
  for (int i = 1; i <= n; ++i) h.P[i] /= sum;
  return h;
}

// E[f(X)] of a histogram's values.
template <class F>
double Expect(const Histogram& h, F f) {
  double e = 0.0;
  for (int i = 1; i <= h.N; ++i) e += h.P[i] * f(h.Min + (i - 1) * h.d);
  return e;
}

// The exact mean of each operation on independent inputs.
double ExactMean(int code, const Histogram& a, const Histogram& b) {
  const auto id = [](double x) { return x; };
  const double ma = Expect(a, id);
  const double mb = Expect(b, id);
  const double inverseA = Expect(a, [](double x) { return 1.0 / x; });
  switch (code) {
    case kSum: return ma + mb;
    case kDifference: return ma - mb;
    case kProduct: return ma * mb;
    case kQuotient: return ma * Expect(b, [](double x) { return 1.0 / x; });
    case kSquare: return Expect(a, [](double x) { return x * x; });
    case kAbsolute: return ma;
    case kPower: return Expect(a, [](double x) { return x * x * x; });
    case kRepeatedSum: return kRepeatCount * ma;
    case kRepeatedProduct: return ma * ma * ma;
    default: return ma * inverseA * inverseA;
  }
}

// P(A - B < 0) + P(A - B = 0) / 2 by enumerating the pairs.
double FailureOfDifference(const Histogram& a, const Histogram& b) {
  double failure = 0.0;
  for (int i = 1; i <= a.N; ++i) {
    for (int j = 1; j <= b.N; ++j) {
      const double x = (a.Min + (i - 1) * a.d) - (b.Min + (j - 1) * b.d);
      const double p = a.P[i] * b.P[j];
      failure += x < 0.0 ? p : x == 0.0 ? p / 2 : 0.0;
    }
  }
  return failure;
}

// How far the result's mean may lie from the exact one: accumulation moves each
// value by at most half a result width; a repeated product or quotient carries
// the first step's shift through one more factor of at most 4 (the largest |A|,
// or 1 / the smallest).
double MeanTolerance(int code, const OperationResult& r) {
  const double half = r.histogram.d / 2;
  if (code == kRepeatedProduct || code == kRepeatedQuotient) return 5 * half;
  if (code == kRepeatedSum) return 2 * half;
  return half;
}

class EveryOperation : public testing::TestWithParam<std::tuple<int, HistogramType>> {
 protected:
  void SetUp() override {
    const HistogramType type = std::get<1>(GetParam());
    a_ = Triangular(type, 1.0, 0.1, 31);   // 1 .. 4
    b_ = Triangular(type, 2.0, 0.15, 21);  // 2 .. 5
  }
  OperationRequest Request() const {
    OperationRequest request;
    request.code = std::get<0>(GetParam());
    request.a = &a_;
    request.b = &b_;
    request.exponent = std::to_string(kRepeatCount);
    return request;
  }
  Histogram a_;
  Histogram b_;
};

TEST_P(EveryOperation, GivesANormalisedTrimmedResultOnItsGrid) {
  const int code = std::get<0>(GetParam());
  const OperationOutcome outcome = RunOperation(Request());
  ASSERT_TRUE(outcome.ok());
  const OperationResult& r = *outcome.result;
  const Histogram& h = r.histogram;
  EXPECT_EQ(h.Type, std::get<1>(GetParam()));
  EXPECT_EQ(r.label, OperationLabel(code));
  ASSERT_GE(h.N, 1);
  ASSERT_LE(h.N, 1024);
  EXPECT_NEAR(static_cast<double>(r.probabilitySum), 1.0, kSumTolerance);
  EXPECT_DOUBLE_EQ(h.Max, h.Min + (h.N - 1) * h.d);
  EXPECT_DOUBLE_EQ(h.Range, h.Max - h.Min);
  if (h.N > 4) {
    EXPECT_GT(h.P[1], 0.0);
    EXPECT_GT(h.P[h.N], 0.0);
  }
  EXPECT_TRUE(std::all_of(h.P.begin() + h.N + 1, h.P.end(), [](double p) { return p == 0.0; }));
  const double smallest =
      *std::min_element(h.P.begin() + 1, h.P.begin() + h.N + 1, [](double x, double y) {
        return (x > 0.0 ? x : 2.0) < (y > 0.0 ? y : 2.0);
      });
  EXPECT_EQ(r.totalExtended, 1.0L / smallest);
  EXPECT_EQ(h.Total, r.totalExtended);
  EXPECT_TRUE(r.failureFromOperation);
  // Every input value is positive, so only A - B has values below zero.
  EXPECT_NEAR(r.failureProbability, code == kDifference ? FailureOfDifference(a_, b_) : 0.0,
              kSumTolerance);
  const double mean = Expect(h, [](double x) { return x; });
  EXPECT_NEAR(mean, ExactMean(code, a_, b_), MeanTolerance(code, r));
}

TEST_P(EveryOperation, ReportsProgressUpToItsTotal) {
  const int code = std::get<0>(GetParam());
  std::vector<std::int64_t> done;
  std::int64_t total = 0;
  OperationRequest request = Request();
  request.progress = [&](std::int64_t d, std::int64_t t) {
    done.push_back(d);
    total = t;
  };
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.ok());
  const std::int64_t expected =
      IsBinaryOperation(code) ? a_.N * b_.N : code >= kRepeatedSum ? kRepeatCount - 1 : a_.N;
  // abs(A) of positive values and the like still walk every value of A.
  EXPECT_EQ(total, expected);
  ASSERT_FALSE(done.empty());
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
  EXPECT_EQ(done.back(), expected);
}

TEST_P(EveryOperation, StopsWhenCancelledAndOtherwiseIgnoresTheCallbacks) {
  OperationRequest cancelled = Request();
  cancelled.cancel = [] { return true; };
  const OperationOutcome stopped = RunOperation(cancelled);
  EXPECT_TRUE(stopped.cancelled);
  EXPECT_FALSE(stopped.result.has_value());
  EXPECT_FALSE(stopped.error.has_value());

  OperationRequest watched = Request();
  watched.progress = [](std::int64_t, std::int64_t) {};
  watched.cancel = [] { return false; };
  const OperationOutcome plain = RunOperation(Request());
  const OperationOutcome observed = RunOperation(watched);
  ASSERT_TRUE(plain.ok());
  ASSERT_TRUE(observed.ok());
  const Histogram& x = plain.result->histogram;
  const Histogram& y = observed.result->histogram;
  EXPECT_EQ(x.N, y.N);
  EXPECT_EQ(x.Min, y.Min);
  EXPECT_EQ(x.d, y.d);
  EXPECT_TRUE(std::equal(x.P.begin(), x.P.end(), y.P.begin()));
}

INSTANTIATE_TEST_SUITE_P(
    TenOperations, EveryOperation,
    testing::Combine(testing::Range(1, 11),
                     testing::Values(HistogramType::Discrete, HistogramType::PureDiscrete)),
    [](const testing::TestParamInfo<std::tuple<int, HistogramType>>& info) {
      const bool discrete = std::get<1>(info.param) == HistogramType::Discrete;
      return "Operation" + std::to_string(std::get<0>(info.param)) +
             (discrete ? "Discrete" : "PureDiscrete");
    });

}  // namespace
}  // namespace dorvex::engine

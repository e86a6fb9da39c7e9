// Bounds on the failure probability and on the distribution function of a result.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/bounds.h"
#include "engine/engine.h"
#include "numeric/normal.h"
#include "sources/parametric_request.h"
#include "support/histogram_builders.h"

namespace dorvex::engine {
namespace {

using model::Histogram;
using model::HistogramType;
using test_support::MakeHistogram;

// A generated input as the parametric window hands it to a slot.
model::HandOverBuffer Generated(int type, std::vector<std::string> parameters, double eps = 1E-7) {
  sources::ParametricRequest request;
  request.type = type;
  request.parameters = std::move(parameters);
  request.bins = 1024;
  request.eps = eps;
  const sources::ParametricResult result = sources::ComputeParametric(request, texts::Language::English);
  EXPECT_TRUE(result.ok());
  return result.buffer;
}

OperationResult RunGenerated(int code, const model::HandOverBuffer& a, const model::HandOverBuffer* b) {
  OperationRequest request;
  request.code = code;
  request.withDistributionBounds = true;
  request.a = &a.histogram;
  request.cutA = a.cut;
  if (b != nullptr) {
    request.b = &b->histogram;
    request.cutB = b->cut;
  }
  OperationOutcome outcome = RunOperation(request);
  EXPECT_TRUE(outcome.ok());
  return outcome.result.value_or(OperationResult{});
}

std::string Text(double v) { return std::to_string(v); }

struct NormalMargin {
  double meanR;
  double meanS;
  double eps;
  // Pf is below 100 times the probability the spans leave out.
  bool dependsOnTails;
};

// R = Normal(meanR, 20) - S = Normal(meanS, 25) at 1024 intervals: the exact Pf is
// Phi(-(meanR - meanS) / sqrt(20^2 + 25^2)).
class NormalMarginBounds : public testing::TestWithParam<NormalMargin> {};

TEST_P(NormalMarginBounds, HoldTheExactPfWithinATenthOfIt) {
  const NormalMargin m = GetParam();
  const auto r = Generated(sources::kNormal, {Text(m.meanR), "20"}, m.eps);
  const auto s = Generated(sources::kNormal, {Text(m.meanS), "25"}, m.eps);
  const OperationResult result = RunGenerated(kDifference, r, &s);
  const double exact = numeric::NormalCdf(-(m.meanR - m.meanS) / std::sqrt(400.0 + 625.0));
  const FailureBounds& b = result.bounds;
  ASSERT_EQ(b.kind, BoundsKind::Bounded);
  EXPECT_LE(b.lower, exact);
  EXPECT_GE(b.upper, exact);
  EXPECT_LE(b.lower, result.failureProbability);
  EXPECT_GE(b.upper, result.failureProbability);
  EXPECT_LE(b.upper - b.lower, 0.2 * exact);
  EXPECT_GT(b.upper - b.lower, 0.0);
  EXPECT_EQ(DependsOnTails(b, result.failureProbability), m.dependsOnTails);
}

// Pf 8.936E-4, about 1E-5 and about 1E-6; at 1E-6 the spans of the default Eps
// leave out 2.7E-8, which a smaller Eps cuts to a tenth.
INSTANTIATE_TEST_SUITE_P(PfDownToOneInAMillion, NormalMarginBounds,
                         testing::Values(NormalMargin{200, 100, 1E-7, false},
                                         NormalMargin{236, 100, 1E-7, false},
                                         NormalMargin{252, 100, 1E-7, true},
                                         NormalMargin{252, 100, 1E-8, false}));

TEST(NormalMarginBounds, TheFirstCaseIsTheQuotedOne) {
  EXPECT_NEAR(numeric::NormalCdf(-100.0 / std::sqrt(1025.0)), 8.936e-4, 5e-8);
}

TEST(NormalMarginBounds, DistributionBoundsHoldTheExactDistributionFunction) {
  const auto r = Generated(sources::kNormal, {"200", "20"});
  const auto s = Generated(sources::kNormal, {"100", "25"});
  const OperationResult result = RunGenerated(kDifference, r, &s);
  const DistributionBounds& f = result.bounds.distribution;
  ASSERT_EQ(f.lower.size(), static_cast<std::size_t>(result.histogram.N) + 1);
  const double sigma = std::sqrt(1025.0);
  long double engine = 0.0L;
  for (std::size_t k = 0; k < f.lower.size(); ++k) {
    SCOPED_TRACE(k);
    const double edge = f.Min + (static_cast<double>(k) - 0.5) * f.d;
    const double exact = numeric::NormalCdf((edge - 100.0) / sigma);
    if (k > 0) engine += result.histogram.P[k];
    EXPECT_LE(f.lower[k], exact + 1e-12);
    EXPECT_GE(f.upper[k], exact - 1e-12);
    EXPECT_LE(f.lower[k], static_cast<double>(engine) + 1e-12);
    EXPECT_GE(f.upper[k], static_cast<double>(engine) - 1e-12);
  }
}

// R = Normal(300, 20): Pf of about 2E-10 is below what the generated spans leave
// out, so it depends on the tails.
TEST(TailBounds, AFailureProbabilityBelowTheCutWarns) {
  const auto r = Generated(sources::kNormal, {"300", "20"});
  const auto s = Generated(sources::kNormal, {"100", "25"});
  EXPECT_GT(r.cut.below, 0.0);
  EXPECT_GT(s.cut.above, 0.0);
  const OperationResult result = RunGenerated(kDifference, r, &s);
  const double exact = numeric::NormalCdf(-200.0 / std::sqrt(1025.0));
  EXPECT_NEAR(exact, 2.1e-10, 0.1e-10);
  const FailureBounds& b = result.bounds;
  EXPECT_DOUBLE_EQ(b.cut, r.cut.below + r.cut.above + s.cut.below + s.cut.above);
  EXPECT_GE(b.upper, exact + b.cut * 0.999);
  EXPECT_LE(b.lower, exact);
  EXPECT_TRUE(DependsOnTails(b, result.failureProbability));
}

TEST(TailBounds, ALoadedHistogramHasNoneAndANegativeMultipleSwapsThem) {
  const model::CutProbability cut{1e-7, 3e-9};
  EXPECT_EQ(model::ScaledCut(cut, -2.0).below, 3e-9);
  EXPECT_EQ(model::ScaledCut(cut, 2.0).below, 1e-7);
  model::HistogramSlot slot;
  model::HandOverBuffer buffer;
  buffer.histogram = MakeHistogram(HistogramType::Discrete, 1.0, 1.0, {0.5, 0.5});
  buffer.cut = cut;
  model::AcceptGenerated(buffer, slot);
  EXPECT_EQ(slot.cut.below, 1e-7);
}

// Small Discrete inputs through every bounded operation: the engine's own Pf and
// distribution function lie within the bounds, which have width.
struct OperationCase {
  const char* name;
  int code;
  Histogram a;
  Histogram b;
  std::string exponent;
};

class OperationBounds : public testing::TestWithParam<OperationCase> {};

TEST_P(OperationBounds, HoldTheEnginesResult) {
  const OperationCase& c = GetParam();
  OperationRequest request;
  request.code = c.code;
  request.a = &c.a;
  request.b = IsBinaryOperation(c.code) ? &c.b : nullptr;
  request.exponent = c.exponent;
  request.withDistributionBounds = true;
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.ok());
  const OperationResult& r = *outcome.result;
  ASSERT_EQ(r.bounds.kind, BoundsKind::Bounded);
  // Without the distribution functions the failure bounds come from one search
  // per row; they agree with the pair-by-pair sums.
  request.withDistributionBounds = false;
  const OperationOutcome fast = RunOperation(request);
  ASSERT_TRUE(fast.ok());
  EXPECT_TRUE(fast.result->bounds.distribution.lower.empty());
  EXPECT_NEAR(fast.result->bounds.lower, r.bounds.lower, 1e-15);
  EXPECT_NEAR(fast.result->bounds.upper, r.bounds.upper, 1e-15);
  EXPECT_LE(r.bounds.lower, r.failureProbability + 1e-15);
  EXPECT_GE(r.bounds.upper, r.failureProbability - 1e-15);
  const DistributionBounds& f = r.bounds.distribution;
  long double engine = 0.0L;
  double widest = 0.0;
  for (int k = 0; k <= r.histogram.N; ++k) {
    if (k > 0) engine += r.histogram.P[k];
    EXPECT_LE(f.lower[k], static_cast<double>(engine) + 1e-12) << k;
    EXPECT_GE(f.upper[k], static_cast<double>(engine) - 1e-12) << k;
    widest = std::max(widest, f.upper[k] - f.lower[k]);
  }
  EXPECT_GT(widest, 0.0);
  EXPECT_DOUBLE_EQ(f.upper.back(), 1.0);
}

Histogram Discrete(double min, double d, std::vector<double> p) {
  return MakeHistogram(HistogramType::Discrete, min, d, p);
}

const Histogram kAround1 = Discrete(-1.0, 0.5, {0.1, 0.2, 0.3, 0.2, 0.1, 0.1});
const Histogram kPositive = Discrete(1.0, 0.25, {0.2, 0.3, 0.3, 0.2});
const Histogram kNegative = Discrete(-3.0, 0.5, {0.4, 0.4, 0.2});

INSTANTIATE_TEST_SUITE_P(
    Monotone, OperationBounds,
    testing::Values(OperationCase{"sum", kSum, kAround1, kNegative, ""},
                    OperationCase{"difference", kDifference, kAround1, kPositive, ""},
                    OperationCase{"product", kProduct, kNegative, kPositive, ""},
                    OperationCase{"quotient", kQuotient, kPositive, kNegative, ""},
                    OperationCase{"square", kSquare, kNegative, {}, ""},
                    OperationCase{"absolute", kAbsolute, kNegative, {}, ""},
                    OperationCase{"cube", kPower, kNegative, {}, "3"},
                    OperationCase{"reciprocal", kPower, kPositive, {}, "-1"},
                    OperationCase{"repeatedSum", kRepeatedSum, kAround1, {}, "5"}),
    [](const testing::TestParamInfo<OperationCase>& info) { return std::string(info.param.name); });

struct UnboundedCase {
  const char* name;
  int code;
  Histogram a;
  Histogram b;
  std::string exponent;
  BoundsKind kind;
};

class NoBounds : public testing::TestWithParam<UnboundedCase> {};

TEST_P(NoBounds, SayWhy) {
  const UnboundedCase& c = GetParam();
  OperationRequest request;
  request.code = c.code;
  request.a = &c.a;
  request.b = IsBinaryOperation(c.code) ? &c.b : nullptr;
  request.exponent = c.exponent;
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(outcome.result->bounds.kind, c.kind);
  EXPECT_TRUE(outcome.result->bounds.distribution.lower.empty());
  EXPECT_FALSE(DependsOnTails(outcome.result->bounds, 0.0));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoBounds,
    testing::Values(
        UnboundedCase{"productOfASignChange", kProduct, kAround1, kPositive, "", BoundsKind::NotMonotone},
        UnboundedCase{"quotientOfASignChange", kQuotient, kAround1, kPositive, "", BoundsKind::NotMonotone},
        UnboundedCase{"squareOfASignChange", kSquare, kAround1, {}, "", BoundsKind::NotMonotone},
        UnboundedCase{"repeatedProduct", kRepeatedProduct, kPositive, {}, "3", BoundsKind::NotComputed},
        UnboundedCase{"repeatedQuotient", kRepeatedQuotient, kPositive, {}, "3", BoundsKind::NotComputed}),
    [](const testing::TestParamInfo<UnboundedCase>& info) { return std::string(info.param.name); });

// Exact points have no width: A - A of a symmetric Pure Discrete histogram has
// Pf 0.5 exactly, and so do both bounds.
TEST(PureDiscreteBounds, HaveNoWidth) {
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, 0.0, 1.0, {1 / 16., 4 / 16., 6 / 16., 4 / 16., 1 / 16.});
  OperationRequest request;
  request.code = kDifference;
  request.a = &a;
  request.b = &a;
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(outcome.result->failureProbability, 0.5);
  EXPECT_EQ(outcome.result->bounds.lower, 0.5);
  EXPECT_EQ(outcome.result->bounds.upper, 0.5);
}

// A negative result multiple mirrors: -Z fails where Z does not.
TEST(ScaledBounds, MirrorForANegativeMultiple) {
  OperationRequest request;
  request.withDistributionBounds = true;
  request.code = kSum;
  request.a = &kAround1;
  request.b = &kNegative;
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.ok());
  const FailureBounds& b = outcome.result->bounds;
  const FailureBounds m = ScaleBounds(b, -2.0);
  EXPECT_DOUBLE_EQ(m.lower, 1.0 - b.upper);
  EXPECT_DOUBLE_EQ(m.upper, 1.0 - b.lower);
  const std::size_t last = b.distribution.lower.size() - 1;
  EXPECT_DOUBLE_EQ(m.distribution.lower[0], 1.0 - b.distribution.upper[last]);
  EXPECT_DOUBLE_EQ(m.distribution.upper[last], 1.0 - b.distribution.lower[0]);
  // The mirrored grid's first edge is -2 times the old last edge.
  const double oldLast = b.distribution.Min + (static_cast<double>(last) - 0.5) * b.distribution.d;
  EXPECT_DOUBLE_EQ(m.distribution.Min - 0.5 * m.distribution.d, -2.0 * oldLast);
  const FailureBounds doubled = ScaleBounds(b, 2.0);
  EXPECT_EQ(doubled.lower, b.lower);
  EXPECT_DOUBLE_EQ(doubled.distribution.d, 2.0 * b.distribution.d);
}

}  // namespace
}  // namespace dorvex::engine

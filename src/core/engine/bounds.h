#pragma once
// How far a result can be from the truth: for any distributions of the inputs
// that carry each interval's probability somewhere inside that interval, the
// failure probability and the distribution function of the result lie between
// two bounds. Each pair of intervals stands for its image (the operation on the
// intervals' edges): it counts wholly toward the upper bound when any of the
// image lies below a value, toward the lower bound only when all of it does. The
// exact points of a Pure Discrete input make no width. The n-fold sum is bounded
// by two sums of n copies, one with every probability at its interval's lower
// edge, one at the upper edges. Probability the inputs' spans leave out widens
// both bounds.

#include <cstdint>
#include <vector>

#include "model/histogram.h"

namespace dorvex::engine {

// Why a result has or has no bounds.
enum class BoundsKind {
  Bounded,
  // The operation is not monotone over the inputs' spans (a product or quotient
  // with an input whose values change sign, A^2, |A| or A^n of such an A).
  NotMonotone,
  // No operation made the result (a file standing for it, a result placed on a
  // new span), or the n-fold product or quotient, which have no bounds yet.
  NotComputed,
};

// The bounding distribution functions on the result's grid: at the edge
// Min + (k - 1/2) d, k = 0..N (the lower edge of interval 1, then the upper edge of
// interval k), F lies between lower[k] and upper[k].
struct DistributionBounds {
  double Min = 0.0;
  double d = 0.0;
  std::vector<double> lower;
  std::vector<double> upper;
};

struct FailureBounds {
  BoundsKind kind = BoundsKind::NotComputed;
  // Bounds on P(Z < 0) + P(Z = 0) / 2; both 0 unless Bounded.
  double lower = 0.0;
  double upper = 0.0;
  // The probability the inputs' spans leave out, already in the bounds.
  double cut = 0.0;
  DistributionBounds distribution;  // empty unless Bounded and asked for
};

// What the bounds are computed from: the operation code, the scaled inputs (B only
// for a two-input operation), the exponent n of A^n or the count of the n-fold
// sum, and the cut of each input.
struct BoundsRequest {
  int code = 0;
  const model::Histogram* a = nullptr;
  const model::Histogram* b = nullptr;
  std::int32_t n = 0;
  model::CutProbability cutA;
  model::CutProbability cutB;
  // The failure probability bounded is that of Z < threshold (plus half of Z =
  // threshold); 0 for the result's own Pf.
  double threshold = 0.0;
  // Also the bounding distribution functions, which cost a pass over every pair
  // (the failure bounds alone take one search per row).
  bool distribution = true;
};

// The bounds of the result of `request` on the grid of `result` (its Min, d, N).
FailureBounds ComputeBounds(const BoundsRequest& request, const model::Histogram& result);

// The bounds of the result scaled by nAB != 0: the grid scales, and a negative
// nAB mirrors them (the failure probability of -Z is 1 - that of Z).
FailureBounds ScaleBounds(const FailureBounds& bounds, double nAB);

// A failure probability below this many times the cut probability depends on the
// inputs' tails.
inline constexpr double kTailWarningFactor = 100.0;

// True when `bounds` hold a failure probability `pf` below kTailWarningFactor
// times their cut probability.
bool DependsOnTails(const FailureBounds& bounds, double pf);

}  // namespace dorvex::engine

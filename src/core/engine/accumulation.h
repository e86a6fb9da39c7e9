#pragma once
// Inside the engine: the result being built, the rules that put a combined value
// (or the image of a pair of intervals) into the result intervals, and the pair
// loop that spreads images (the point rule's loop is in pair_rows.cpp). Not for use
// outside src/core/engine.

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/engine.h"
#include "model/histogram.h"
#include "model/report_error.h"
#include "numeric/round.h"
#include "statvex/probability_array.h"

namespace dorvex::engine::detail {

// Why a run stopped early: an error to report, or the user's cancellation.
struct Stop {
  model::ModelError error;
  bool cancelled = false;
};
// Empty while the run goes on.
using Status = std::optional<Stop>;

// The result grid while an operation fills it: interval k is centred on
// Min + (k - 1) * d.
struct Work {
  // P[1..1024] and two spare entries past the last interval, where shares of 0
  // may be added.
  std::array<double, kMaxBins + 3> P{};
  std::int32_t N = 0;
  double Min = 0.0;
  double Max = 0.0;
  double Range = 0.0;
  double d = 0.0;
  long double failure = 0.0L;  // P(x < 0) + P(x = 0) / 2, summed pair by pair
  std::int32_t highest = 0;    // highest index any combination reached
  // Discrete results only (see SetDiscreteRules): how far, in widths, a value may
  // lie from the midpoint between two intervals and still count as a tie there;
  // negative while ties round half to even.
  double tie = -1.0;
  // The interval of the largest value the operation can give; no tie and no
  // spread image reaches past it.
  std::int32_t last = kMaxBins;
};

// After the grid is fixed: for a Discrete result, ties split evenly and `last`
// is the grid's last interval, or that of `top`, the largest value, when it lies
// further; `magnitude` bounds |x| of every combined value, so the tie tolerance
// covers the rounding of (x - Min) / d.
// A Pure Discrete result keeps half-to-even rounding.
void SetDiscreteRules(Work& w, model::HistogramType type, double top, double magnitude);

// The grid as a histogram of `type`, untrimmed, Max the value of interval N (a
// Discrete grid's Max is its outer edge while the operation runs).
model::Histogram HistogramOf(const Work& w, model::HistogramType type);

// The caller's progress and cancel callbacks; both may be empty.
struct Control {
  const ProgressCallback* progress = nullptr;
  const CancelCallback* cancel = nullptr;

  // Reports progress (none when total is 0); true when the user asked to stop.
  bool Step(std::int64_t done, std::int64_t total) const {
    if (total > 0 && progress != nullptr && *progress) (*progress)(done, total);
    return cancel != nullptr && *cancel && (*cancel)();
  }
};

// Values x[1..n] = Min + (i - 1) * d of a histogram and its probabilities; half
// is d / 2 for a Discrete histogram, whose values stand for whole intervals, and
// 0 for the exact points of a Pure Discrete one.
struct Points {
  std::array<double, kMaxBins + 1> x{};
  const ProbabilityArray* p = nullptr;
  int n = 0;
  double half = 0.0;
};

// Fills `points` from `h` (n limited to 0..1024).
void FillPoints(const model::Histogram& h, Points& points);

// The largest |x| of the points.
double LargestMagnitude(const Points& points);

// Which text an index outside 1..1024 is reported with: message 130, or for the
// repeated quotient its own text naming the step.
struct IndexContext {
  int repeatedQuotientStep = 0;  // 0: message 130
};

// The stop for a combined value whose index Round(q) + 1 is outside 1..1024, or
// the arithmetic fault that made q what it is.
Stop IndexError(double q, const IndexContext& context);

// A stop carrying `error`.
Stop Failure(const model::ModelError& error);
// A stop carrying error `code` with no texts.
Stop Failure(int code);
// The cancellation stop.
Stop Cancelled();

// True when Round(q) + 1 lies in 1..1024 (false for NaN).
inline bool IndexInRange(double q) { return q >= -0.5 && q < kMaxBins - 0.5; }

// The failure probability of a value x with probability p: all of it below 0,
// half of it at 0.
inline void AddFailure(Work& w, double x, double p) {
  if (x < 0.0) {
    w.failure += p;
  } else if (x == 0.0) {
    w.failure += p / 2.0;
  }
}

inline void AddToInterval(Work& w, std::int32_t k, double p) {
  w.P[k] += p;
  if (k > w.highest) w.highest = k;
}

// A tie between intervals lower and lower + 1: half to each, or the whole to the
// one inside 1..last when the other lies beyond the grid.
inline void AddTie(Work& w, std::int32_t lower, double p) {
  if (lower < 1) {
    AddToInterval(w, 1, p);
  } else if (lower + 1 > w.last) {
    AddToInterval(w, lower, p);
  } else {
    AddToInterval(w, lower, p / 2.0);
    AddToInterval(w, lower + 1, p / 2.0);
  }
}

// True when q is a tie of a Discrete result (w.tie >= 0): it lies within w.tie of
// the midpoint between the intervals `lower` and lower + 1 (Round(q - 1/2) + 1).
inline bool FindTie(const Work& w, double q, std::int32_t& lower) {
  if (!(w.tie >= 0.0 && q >= -1.0 && q < kMaxBins)) return false;
  const double below = std::nearbyint(q - 0.5);
  if (!(std::fabs(q - 0.5 - below) <= w.tie)) return false;
  lower = static_cast<std::int32_t>(below) + 1;
  return true;
}

// Adds p to the interval of index Round(q) + 1 and, with `failure`, the failure
// probability of the value x; a tie of a Discrete result splits (AddTie). Stops
// on an index outside 1..1024.
inline Status AddAt(Work& w, double q, double x, double p, bool failure,
                    const IndexContext& context) {
  std::int32_t lower = 0;
  if (FindTie(w, q, lower)) {
    AddTie(w, lower, p);
  } else if (IndexInRange(q)) {
    AddToInterval(w, static_cast<std::int32_t>(RoundHalfEven(q)) + 1, p);
  } else {
    return IndexError(q, context);
  }
  if (failure) AddFailure(w, x, p);
  return std::nullopt;
}

// The image of a value's interval under a nonlinear function, and the value.
struct Image {
  double lo;
  double hi;
  double value;
};

// The share of the image [lo, hi] below 0 (of a point image: 1 below 0, 1/2 at 0).
inline double ShareBelow(double lo, double hi) {
  if (lo >= 0.0) return hi == 0.0 ? 0.5 : 0.0;
  if (hi <= 0.0) return 1.0;
  return -lo / (hi - lo);
}

// Discrete results of nonlinear operations: the value x with probability p stands
// for its image [lo, hi]. p is spread uniformly over the image into the intervals
// it overlaps, in proportion; parts past interval 1 or `last` go into that
// interval; an image inside one interval falls there; an image of no width is the
// value x by the point rule. With `failure`, the share of the image below 0 counts.
// `inverse` is 1 / d.
inline Status AddSpread(Work& w, double lo, double hi, double x, double p, double inverse,
                        bool failure, const IndexContext& context) {
  if (!(lo < hi)) return AddAt(w, (x - w.Min) / w.d, x, p, failure, context);
  // Index space: interval k covers k - 1/2 .. k + 1/2.
  const double ulo = (lo - w.Min) * inverse + 1.0;
  const double uhi = (hi - w.Min) * inverse + 1.0;
  if (!std::isfinite(ulo) || !std::isfinite(uhi)) {
    return IndexError(std::isfinite(ulo) ? uhi : ulo, context);
  }
  if (failure) w.failure += p * ShareBelow(lo, hi);
  // An end within the tolerance of a boundary lies on it, so that no sliver of
  // rounding noise lands in the neighbour.
  const double top = w.last;
  const double first = std::clamp(std::floor(ulo + 0.5 + w.tie), 1.0, top);
  const double end = std::clamp(std::floor(uhi + 0.5 - w.tie), 1.0, top);
  if (first == end) {
    AddToInterval(w, static_cast<std::int32_t>(first), p);
    return std::nullopt;
  }
  if (first > end) {  // no wider than the tolerance, on a boundary
    AddTie(w, static_cast<std::int32_t>(end), p);
    return std::nullopt;
  }
  const double density = p / (uhi - ulo);
  const auto k0 = static_cast<std::int32_t>(first);
  const auto k1 = static_cast<std::int32_t>(end);
  double given = density * (first + 0.5 - ulo);
  w.P[k0] += given;
  for (std::int32_t k = k0 + 1; k < k1; ++k) w.P[k] += density;
  given += density * (k1 - k0 - 1);
  w.P[k1] += p - given;
  if (k1 > w.highest) w.highest = k1;
  return std::nullopt;
}

// Keeps every combination's probability: when an index beyond N was reached, the
// result grows to it and Max becomes that interval's value.
void KeepHighestInterval(Work& w);

// How a pair loop reports: progress after each outer step as done = i * progressScale
// of progressTotal (no report when progressTotal is 0); cancellation is asked
// after each outer step whenever a control is given.
struct PairLoop {
  const Control* control = nullptr;
  std::int64_t progressScale = 0;
  std::int64_t progressTotal = 0;
  IndexContext index;
};

// Round(q) (halves to even) for |q| < 2^51, read from the bits of q + 1.5 * 2^52,
// whose last mantissa bits are then that integer. For any other q, NaN included,
// the value is defined and has bits above the lowest ten set, as has any q
// outside -0.5 .. 1023.5: a plain integer test then finds an index outside
// 1..1024, in a loop the compiler can vectorise.
inline std::int64_t RoundedBits(double q) {
  constexpr double kShift = 0x1.8p52;
  constexpr std::int64_t kShiftBits = std::bit_cast<std::int64_t>(kShift);
  return std::bit_cast<std::int64_t>(q + kShift) - kShiftBits;
}

// Reports the end of row i; true when the user asked to stop.
inline bool RowDone(const PairLoop& loop, int i) {
  return loop.control != nullptr && loop.control->Step(i * loop.progressScale, loop.progressTotal);
}

// The edges of the intervals of two inputs whose pairs combine by a product or a
// quotient; a quotient's divisor edges are kept as reciprocals, so that every
// image runs between corner products.
struct PairEdges {
  const Points* outer = nullptr;
  const Points* inner = nullptr;
  bool quotient = false;
  // Every inner interval lies at or above 0, its low edge not above its high one.
  bool innerPositive = false;
  std::array<double, kMaxBins + 2> outerLow{};
  std::array<double, kMaxBins + 2> outerHigh{};
  std::array<double, kMaxBins + 2> innerLow{};
  std::array<double, kMaxBins + 2> innerHigh{};
};

// Every pair (outer i, inner j) of a Discrete result: p = outer.p[i] * inner.p[j]
// is spread over its image, from the smallest to the largest corner product of
// the two intervals, as AddSpread does. Each row first finds, for all its pairs,
// the first interval k of the image and the shares of k, k + 1 and k + 2 (two
// pairs at a time, without branches); then it adds, holding those three
// intervals in registers while k stays. An image over four or more intervals
// adds the rest interval by interval; a row with a tie or an end that is not
// finite goes pair by pair through AddSpread.
Status SpreadPairs(const PairEdges& edges, Work& w, const PairLoop& loop, bool failure);

}  // namespace dorvex::engine::detail

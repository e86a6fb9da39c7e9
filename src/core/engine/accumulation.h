#pragma once
// Inside the engine: the result being built, the index rule that puts a combined
// value into its result interval, and the pair loop every two-input combination
// runs. Not for use outside src/core/engine.

#include <array>
#include <bit>
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
  ProbabilityArray P{};
  std::int32_t N = 0;
  double Min = 0.0;
  double Max = 0.0;
  double Range = 0.0;
  double d = 0.0;
  long double failure = 0.0L;  // P(x < 0) + P(x = 0) / 2, summed pair by pair
  std::int32_t highest = 0;    // highest index any combination reached
};

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

// Values x[1..n] = Min + (i - 1) * d of a histogram and its probabilities.
struct Points {
  std::array<double, kMaxBins + 1> x{};
  const ProbabilityArray* p = nullptr;
  int n = 0;
};

// Fills `points` from `h` (n limited to 0..1024).
void FillPoints(const model::Histogram& h, Points& points);

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

// Adds p to the interval of index Round(q) + 1 and, with `failure`, the failure
// probability of the value x. Stops on an index outside 1..1024.
inline Status AddAt(Work& w, double q, double x, double p, bool failure,
                    const IndexContext& context) {
  if (!IndexInRange(q)) return IndexError(q, context);
  const auto k = static_cast<std::int32_t>(RoundHalfEven(q)) + 1;
  w.P[k] += p;
  if (k > w.highest) w.highest = k;
  if (failure) {
    if (x < 0.0) {
      w.failure += p;
    } else if (x == 0.0) {
      w.failure += p / 2.0;
    }
  }
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

// Every pair (outer i, inner j): x = combine(outer.x[i], inner.x[j]) with
// p = outer.p[i] * inner.p[j] goes to the interval Round((x - Min) / d) + 1 of w;
// with Failure, x also counts into the failure probability. Each row first finds
// all its indices (a loop free of dependencies, so the divisions overlap) and then
// adds its probabilities, holding the running interval's sum in a register: the
// additions are the same, in the same order, as adding to P directly.
template <bool Failure, class Combine>
Status CombinePairs(const Points& outer, const Points& inner, Work& w, const PairLoop& loop,
                    Combine combine) {
  const double min = w.Min;
  const double d = w.d;
  double* const P = w.P.data();
  const ProbabilityArray& po = *outer.p;
  const ProbabilityArray& pi = *inner.p;
  const double* const bx = inner.x.data();
  const int n = inner.n;
  std::array<std::int32_t, kMaxBins + 1> index;
  std::array<double, kMaxBins + 1> value;
  std::int32_t highest = w.highest;
  long double failure = w.failure;
  for (int i = 1; i <= outer.n; ++i) {
    const double xi = outer.x[i];
    const double pouter = po[i];
    // An empty row adds nothing; its values may lie past the span (the even point
    // of a running Pure Discrete result), where they must not stop the run.
    if (pouter != 0.0 && n > 0) {
      std::int64_t outside = 0;
      for (int j = 1; j <= n; ++j) {
        const double x = combine(xi, bx[j]);
        value[j] = x;
        const std::int64_t rounded = RoundedBits((x - min) / d);
        index[j] = static_cast<std::int32_t>(rounded) + 1;
        outside |= rounded & ~std::int64_t{kMaxBins - 1};
      }
      if (outside != 0) [[unlikely]] {
        for (int j = 1; j <= n; ++j) {
          const double q = (value[j] - min) / d;
          if (!IndexInRange(q)) return IndexError(q, loop.index);
        }
      }

      std::int32_t current = index[1];
      double sum = P[current];
      for (int j = 1; j <= n; ++j) {
        const std::int32_t k = index[j];
        const double p = pouter * pi[j];
        if (k != current) {
          P[current] = sum;
          highest = current > highest ? current : highest;
          current = k;
          sum = P[k];
        }
        sum += p;
        if constexpr (Failure) {
          const double x = value[j];
          if (x <= 0.0) failure += x < 0.0 ? p : p / 2.0;
        }
      }
      P[current] = sum;
      highest = current > highest ? current : highest;
    }
    w.highest = highest;
    w.failure = failure;
    if (loop.control != nullptr &&
        loop.control->Step(i * loop.progressScale, loop.progressTotal)) {
      return Cancelled();
    }
  }
  return std::nullopt;
}

}  // namespace dorvex::engine::detail

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/engine.h"
#include "engine/arithmetic_faults.h"
#include "engine/grid.h"
#include "engine/operations.h"

namespace dorvex::engine::detail {

namespace {

// Sums of reciprocal probabilities are brought below the largest 64-bit integer.
constexpr long double kLargestInt64 = 9223372036854775807.0L;

Axis AxisOf(const model::Histogram& h) { return Axis{h.Min, h.Max, h.d}; }

// Drops probabilities too small to get a frequency of at least 1/2 against the sum
// of all reciprocals (brought into the 64-bit range).
void ClearTinyProbabilities(Work& w) {
  long double reciprocals = 0.0L;
  for (int k = 1; k <= w.N; ++k) {
    if (w.P[k] != 0.0) reciprocals += 1.0L / w.P[k];
  }
  while (reciprocals > kLargestInt64) reciprocals /= 10.0L;
  for (int k = 1; k <= w.N; ++k) {
    // Round(s * P) = 0 exactly when s * P <= 1/2 (halves go to the even 0).
    if (w.P[k] != 0.0 && reciprocals * w.P[k] <= 0.5L) w.P[k] = 0.0;
  }
}

// A finished combination as the input of the next one: only the span that
// carries probability, so that spans grow with the spread, not with n.
model::Histogram PartialOf(const Work& w, model::HistogramType type) {
  model::Histogram h = HistogramOf(w, type);
  model::TrimZeroEnds(h);
  return h;
}

// The grid of a Discrete partial sum x + y. Every partial width is A's width times
// a power of two, so the sums lie on a lattice of the smaller width L. The result
// width is L * 2^j with the smallest j that holds every sum in 1024 intervals, and
// the centres lie on the lattice (j = 0) or halfway between two of its points
// (j > 0): no sum is a tie and every interval gathers as many lattice points as
// its neighbours, so coarsening the grid leaves no comb. The span is that of the
// sums, widened once by the half width of the result's intervals.
Status LatticeSumGrid(const model::Histogram& x, const model::Histogram& y, Work& w) {
  const double lattice = std::min(x.d, y.d);
  const double low = x.Min + y.Min;
  const double steps = std::nearbyint((x.Max + y.Max - low) / lattice);
  if (!std::isfinite(steps) || steps < 0.0) return Failure(*ArithmeticFaultError(numeric::FaultOf(steps)));
  double width = lattice;
  double offset = 0.0;  // of the first centre below the lowest sum, in lattice steps
  double count = steps + 1.0;
  while (count > kMaxBins) {
    width *= 2.0;
    offset = 0.5;
    count = std::nearbyint((steps + offset) / (width / lattice)) + 1.0;
  }
  w.d = width;
  w.Min = low - offset * lattice;
  w.N = static_cast<std::int32_t>(count);
  w.Max = w.Min + (w.N - 1) * w.d;
  w.Range = w.Max - w.Min;
  return std::nullopt;
}

// Counts the combinations of a run and asks for cancellation after each.
class Steps {
 public:
  Steps(const Control& control, std::int64_t total) : control_(control), total_(total) {}
  bool IsLast() const { return done_ + 1 == total_; }
  // True when the user asked to stop.
  bool Done() { return control_.Step(++done_, total_); }

 private:
  const Control& control_;
  std::int64_t total_;
  std::int64_t done_ = 0;
};

// Combinations that n copies take by doubling: one per binary digit above the
// lowest, one per further digit 1.
std::int64_t DoublingSteps(std::int32_t n) {
  const auto digits = static_cast<std::uint32_t>(n);
  return std::bit_width(digits) - 1 + std::popcount(digits) - 1;
}

// One combination x o y of two independent partial results into w.
Status CombineStep(Combination how, const model::Histogram& x, const model::Histogram& y,
                   const Inputs& in, bool lattice, const StepControl& step, Work& w) {
  w = Work{};
  const Status grid = lattice ? LatticeSumGrid(x, y, w)
                              : OperationGrid(how, x, y, in.type, in.pointLimit, w);
  if (grid) return grid;
  if (auto stop = CombineOnGrid(how, x, y, in.type, step, w)) return stop;
  ClearTinyProbabilities(w);
  return std::nullopt;
}

// The sum or product of n >= 2 independent copies of A by doubling: A, A o A,
// (A o A) o (A o A), ... taken for each binary digit 1 of n. The last combination
// is left in w with its failure probability; `result` is its trimmed partial.
Status Doubling(Combination how, std::int32_t n, const Inputs& in, Steps& steps, Work& w,
                model::Histogram& result) {
  const model::Histogram& a = *in.a;
  // Two copies are the two-input operation itself; the lattice needs every width
  // a power-of-two multiple of A's, so it runs from the first step on or not at all.
  const bool lattice =
      how == Combination::Sum && n > 2 && in.type == model::HistogramType::Discrete;
  model::Histogram power = a;
  std::optional<model::Histogram> sum;
  const auto combine = [&](const model::Histogram& x, const model::Histogram& y,
                           model::Histogram& into) -> Status {
    StepControl step;
    step.control = &in.control;
    step.failure = steps.IsLast();
    if (auto stop = CombineStep(how, x, y, in, lattice, step, w)) return stop;
    into = PartialOf(w, in.type);
    if (steps.Done()) return Cancelled();
    return std::nullopt;
  };
  for (auto rest = static_cast<std::uint32_t>(n); rest != 0; rest >>= 1) {
    if ((rest & 1U) != 0) {
      if (!sum) {
        sum = power;
      } else if (auto stop = combine(*sum, power, *sum)) {
        return stop;
      }
    }
    if ((rest >> 1) != 0) {
      if (auto stop = combine(power, power, power)) return stop;
    }
  }
  result = *sum;
  return std::nullopt;
}

}  // namespace

Status RunRepeated(int code, const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  if (in.n == 1) {
    CopyInput(a, w);
    return std::nullopt;
  }
  model::Histogram result;
  if (code == kRepeatedSum || code == kRepeatedProduct) {
    Steps steps(in.control, DoublingSteps(in.n));
    return Doubling(code == kRepeatedSum ? Combination::Sum : Combination::Product, in.n, in,
                    steps, w, result);
  }

  // A divided by the product of the other n - 1 copies.
  const std::int32_t others = in.n - 1;
  Steps steps(in.control, (others > 1 ? DoublingSteps(others) : 0) + 1);
  model::Histogram divisor = a;
  if (others > 1) {
    if (auto stop = Doubling(Combination::Product, others, in, steps, w, divisor)) return stop;
  }
  w = Work{};
  if (auto stop = QuotientSpan(AxisOf(a), AxisOf(divisor), w)) return stop;
  if (auto stop = GridOfType(w, in.type, in.pointLimit)) return stop;
  StepControl step;
  step.control = &in.control;
  step.index.repeatedQuotientStep = in.n;
  if (auto stop = CombineOnGrid(Combination::Quotient, a, divisor, in.type, step, w)) return stop;
  ClearTinyProbabilities(w);
  if (steps.Done()) return Cancelled();
  return std::nullopt;
}

}  // namespace dorvex::engine::detail

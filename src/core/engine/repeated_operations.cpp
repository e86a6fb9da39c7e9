#include <cstdint>

#include "engine/engine.h"
#include "engine/grid.h"
#include "engine/operations.h"

namespace dorvex::engine::detail {

namespace {

// Sums of reciprocal probabilities are brought below the largest 64-bit integer.
constexpr long double kLargestInt64 = 9223372036854775807.0L;

Axis AxisOf(const Work& w) { return Axis{w.Min, w.Max, w.d}; }
Axis AxisOf(const model::Histogram& h) { return Axis{h.Min, h.Max, h.d}; }

// Span and grid of one step combining the running result r with A'.
Status StepGrid(int code, const Inputs& in, const Work& r, Work& w) {
  const model::Histogram& a = *in.a;
  switch (code) {
    case kRepeatedSum:
      w.Min = r.Min + a.Min;
      w.Max = r.Max + a.Max;
      w.d = r.d;
      if (a.Type == model::HistogramType::Discrete) {
        const double top = r.Min + (r.N - 1) * r.d + a.Max;
        w.Min = w.Min - r.d / 2 - a.d / 2;
        w.Max = w.Max + r.d / 2 + a.d / 2;
        return DiscreteGrid(w, top);
      }
      return PureDiscreteGrid(w, in.pointLimit);
    case kRepeatedProduct:
      ProductSpan(AxisOf(r), AxisOf(a), w);
      return GridOfType(w, in.type, in.pointLimit);
    default:
      if (auto stop = QuotientSpan(AxisOf(r), AxisOf(a), w)) return stop;
      return GridOfType(w, in.type, in.pointLimit);
  }
}

Combination CombinationOf(int code) {
  switch (code) {
    case kRepeatedSum:
      return Combination::Sum;
    case kRepeatedProduct:
      return Combination::Product;
    default:
      return Combination::Quotient;
  }
}

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

}  // namespace

Status RunRepeated(int code, const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  if (in.n == 1) {
    CopyInput(a, w);
    return std::nullopt;
  }
  Work running;
  CopyInput(a, running);
  Points base;
  FillPoints(a, base);
  Points outer;

  PairLoop loop;
  loop.control = &in.control;
  const std::int64_t steps = static_cast<std::int64_t>(in.n) - 1;
  for (std::int32_t q = 2; q <= in.n; ++q) {
    w.P.fill(0.0);
    w.failure = 0.0L;
    w.highest = 0;
    if (auto stop = StepGrid(code, in, running, w)) return stop;

    outer.n = running.N;
    outer.p = &running.P;
    for (int i = 1; i <= outer.n; ++i) outer.x[i] = running.Min + (i - 1) * running.d;
    loop.index.repeatedQuotientStep = code == kRepeatedQuotient ? q : 0;
    // Only the last step's values are values of the result.
    const bool last = q == in.n;
    if (auto stop = CombineAll(CombinationOf(code), outer, base, w, loop, last)) return stop;
    KeepHighestInterval(w);
    running = w;
    if (in.control.Step(q - 1, steps)) return Cancelled();
    if (last) break;  // q + 1 would overflow at the largest count
  }
  ClearTinyProbabilities(w);
  return std::nullopt;
}

}  // namespace dorvex::engine::detail

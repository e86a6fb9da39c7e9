#pragma once
// The step-by-step walk of the range searches: the points x0 +- j*h of a density,
// and the first step j = first, first + 1, ... at which a stop condition holds.

#include <cstdint>

#include "numeric/fp_fault.h"
#include "sources/distribution.h"

namespace dorvex::sources {

// A judge's answer for one step.
enum class Verdict { Go, Stop, Fault, Endless };

// Where a walk ended and why.
struct WalkEnd {
  std::int64_t j = 0;
  Verdict verdict = Verdict::Stop;  // Stop, Fault (the judge met a fault) or Endless
};

// Steps judged one by one before the tail search takes over.
inline constexpr std::int64_t kWalkOneByOne = 4096;
// A walk still going at this step never ends (its x no longer moves).
inline constexpr std::int64_t kWalkLimit = std::int64_t{1} << 62;

// The first j >= first whose verdict is not Go. The first kWalkOneByOne steps are
// judged one by one. Further out the walk is in a tail where a stop, once reached,
// holds for every later step; there the first stop is found by doubling the stride
// and halving the gap, which lands on the same step with far fewer evaluations. A
// fault at a step the walk would not have reached counts as a stop while searching
// (its flags are cleared); the step finally returned is judged again, so a fault
// there is reported.
template <class Judge>
WalkEnd FirstStop(Judge&& judge, std::int64_t first) {
  std::int64_t j = first;
  for (; j < first + kWalkOneByOne; ++j) {
    const Verdict v = judge(j);
    if (v != Verdict::Go) return {j, v};
  }
  auto stops = [&judge](std::int64_t k) {
    const Verdict v = judge(k);
    if (v == Verdict::Fault) numeric::ClearFpFaults();
    return v != Verdict::Go;
  };
  std::int64_t go = j - 1;  // the last step known to go on
  std::int64_t stop = 0;
  for (std::int64_t stride = 1;; stride *= 2) {
    stop = go + stride;
    if (stop > kWalkLimit) return {stop, Verdict::Endless};
    if (stops(stop)) break;
    go = stop;
  }
  while (stop - go > 1) {
    const std::int64_t mid = go + (stop - go) / 2;
    if (stops(mid)) {
      stop = mid;
    } else {
      go = mid;
    }
  }
  const Verdict v = judge(stop);
  return {stop, v == Verdict::Go ? Verdict::Stop : v};
}

// One density value, or the fault its evaluation raised.
struct Probe {
  long double value = 0.0L;
  numeric::FpFault fault = numeric::FpFault::None;
};

// f(x) with its fault: a raised flag or a non-finite value. The fault flags must
// be clear on entry.
inline Probe Evaluate(const Density& f, long double x) {
  const long double v = f.At(x);
  return {v, numeric::FaultOf(v)};
}

// The points x0 + j*h (or x0 - j*h) of one walk, remembering the last two values
// so that a judge can compare with the previous step at no extra cost.
class WalkPoints {
 public:
  WalkPoints(const Density& f, long double x0, long double h, bool rightward)
      : f_(f), x0_(x0), h_(h), rightward_(rightward) {}

  long double X(std::int64_t j) const {
    const long double offset = static_cast<long double>(j) * h_;
    return rightward_ ? x0_ + offset : x0_ - offset;
  }

  Probe At(std::int64_t j) {
    if (j == j1_) return p1_;
    if (j == j2_) return p2_;
    const Probe p = Evaluate(f_, X(j));
    j2_ = j1_;
    p2_ = p1_;
    j1_ = j;
    p1_ = p;
    return p;
  }

 private:
  const Density& f_;
  long double x0_;
  long double h_;
  bool rightward_;
  std::int64_t j1_ = -1, j2_ = -1;
  Probe p1_, p2_;
};

// The fault that ended a walk: `judged` when the judge met one, OtherMath for a
// walk that never ends, None for a plain stop.
inline numeric::FpFault FaultOfEnd(const WalkEnd& end, numeric::FpFault judged) {
  if (end.verdict == Verdict::Endless) return numeric::FpFault::OtherMath;
  if (end.verdict == Verdict::Fault) return judged;
  return numeric::FpFault::None;
}

}  // namespace dorvex::sources

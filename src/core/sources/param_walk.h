#pragma once
// The step-by-step walk of the range searches: the first step j = first, first + 1,
// ... at which a stop condition holds.

#include <cstdint>

#include "numeric/fp_fault.h"

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

}  // namespace dorvex::sources

#include "engine/accumulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "engine/fp_faults.h"


namespace dorvex::engine::detail {

namespace {

constexpr int kIndexOutOfRangeMessage = 130;
// A tie is a value within this many units in the last place of the numbers that
// make (x - Min) / d of the midpoint between two intervals.
constexpr double kTieUlps = 8.0;
// No tolerance is allowed to reach the middle of an interval.
constexpr double kLargestTie = 0.25;

// The index Round(q) + 1 as a decimal integer, for the message.
std::string IndexText(double q) {
  char text[64];
  std::snprintf(text, sizeof text, "%.0Lf", std::nearbyint(static_cast<long double>(q)) + 1.0L);
  return text;
}

// Where one row's images fall: for pair j the first interval of its image, the
// last, and the parts of the inner probability for the first three intervals
// from the first on and for one whole interval; the outer probability multiplies
// them all.
struct RowPlan {
  std::array<std::int32_t, kMaxBins + 2> first;
  std::array<std::int32_t, kMaxBins + 2> last;
  std::array<double, kMaxBins + 2> part0;
  std::array<double, kMaxBins + 2> part1;
  std::array<double, kMaxBins + 2> part2;
  std::array<double, kMaxBins + 2> whole;
};

// The result grid as the plan sees it: v = y * inverse + shift puts interval k at
// k <= v < k + 1.
struct GridMap {
  double inverse;
  double shift;
  double tie;
  double top;  // the last interval
};

// Beyond this |v| (in widths) an image is handled pair by pair.
constexpr double kFar = 0x1p40;
// Pairs planned at a time: a chunk's plan (about 10 KB) stays in the first-level cache.
constexpr int kChunk = 256;

double ClampToUnit(double x) { return std::min(std::max(x, 0.0), 1.0); }

// The plan of pair j from its image [lo, hi]; false when the pair is awkward (an
// end not finite, or an image within the tolerance of a boundary: a tie).
bool PlanPair(double lo, double hi, const PairEdges& edges, const GridMap& map, RowPlan& plan, int j,
              double& highest) {
  const double vlo = lo * map.inverse + map.shift;
  const double vhi = hi * map.inverse + map.shift;
  if (!(vlo > -kFar && vhi < kFar)) return false;
  // An end within the tolerance of a boundary lies on it.
  const double start = std::floor(std::clamp(vlo + map.tie, 1.0, map.top));
  const double end = std::floor(std::clamp(vhi - map.tie, 1.0, map.top));
  if (end < start) return false;
  const double span = vhi - vlo;
  const double per = span > 0.0 ? 1.0 / span : 1.0;
  const double steps = end - start;
  const double rest1 = steps >= 1.0 ? 1.0 - ClampToUnit((start + 1.0 - vlo) * per) : 0.0;
  const double rest2 = steps >= 2.0 ? 1.0 - ClampToUnit((start + 2.0 - vlo) * per) : 0.0;
  const double rest3 = steps >= 3.0 ? 1.0 - ClampToUnit((start + 3.0 - vlo) * per) : 0.0;
  const double p = (*edges.inner->p)[j];
  plan.first[j] = static_cast<std::int32_t>(start);
  plan.last[j] = static_cast<std::int32_t>(end);
  plan.part0[j] = (1.0 - rest1) * p;
  plan.part1[j] = (rest1 - rest2) * p;
  plan.part2[j] = (rest2 - rest3) * p;
  plan.whole[j] = per * p;
  highest = std::max(highest, end);
  return true;
}

// Lanes of W doubles and of W 32-bit integers.
template <int W>
struct Lanes;
template <>
struct Lanes<2> {
  typedef double Doubles __attribute__((vector_size(16)));
  typedef std::int32_t Ints __attribute__((vector_size(8)));
};
template <>
struct Lanes<4> {
  typedef double Doubles __attribute__((vector_size(32)));
  typedef std::int32_t Ints __attribute__((vector_size(16)));
};


// W pairs at a time from `from` on while W of them remain, the same arithmetic as
// PlanPair with every choice a lane-wise select (a < b ? a : b is the smaller, and
// b when a is NaN). With Positive, both intervals lie at or above 0 and the image
// runs from the product of the low edges to that of the high ones. Returns the
// first pair not planned; `bad` gathers the awkward pairs.
template <int W, bool Positive>
[[gnu::always_inline]] inline int PlanLanes(double outerLow, double outerHigh, const PairEdges& edges,
                                            const GridMap& map, bool failure, RowPlan& plan,
                                            int from, int to, double& reached, bool& bad, double& below) {
  using Doubles = typename Lanes<W>::Doubles;
  using Ints = typename Lanes<W>::Ints;
  using Mask = decltype(Doubles{} < Doubles{});
  const Doubles zero = Doubles{} + 0.0;
  const Doubles one = Doubles{} + 1.0;
  const Doubles top = Doubles{} + map.top;
  const double inverse = map.inverse;
  const double shift = map.shift;
  const double tie = map.tie;
  const double* const innerLow = edges.innerLow.data();
  const double* const innerHigh = edges.innerHigh.data();
  Doubles highest = Doubles{} + reached;
  Doubles belowZero = zero;
  Mask awkward = Mask{};
  int j = from;
  for (; j + W - 1 <= to; j += W) {
    Doubles bLow;
    Doubles bHigh;
    std::memcpy(&bLow, innerLow + j, sizeof bLow);
    std::memcpy(&bHigh, innerHigh + j, sizeof bHigh);
    Doubles lo;
    Doubles hi;
    if constexpr (Positive) {
      lo = outerLow * bLow;
      hi = outerHigh * bHigh;
    } else {
      const Doubles c1 = outerLow * bLow;
      const Doubles c2 = outerLow * bHigh;
      const Doubles c3 = outerHigh * bLow;
      const Doubles c4 = outerHigh * bHigh;
      const Doubles lo12 = c1 < c2 ? c1 : c2;
      const Doubles lo34 = c3 < c4 ? c3 : c4;
      const Doubles hi12 = c1 > c2 ? c1 : c2;
      const Doubles hi34 = c3 > c4 ? c3 : c4;
      lo = lo12 < lo34 ? lo12 : lo34;
      hi = hi12 > hi34 ? hi12 : hi34;
    }
    const Doubles vlo = lo * inverse + shift;
    const Doubles vhi = hi * inverse + shift;
    // An end within the tolerance of a boundary lies on it; a NaN end goes to top,
    // so no index leaves the grid (the pair is awkward then).
    Doubles first = vlo + tie;
    Doubles last = vhi - tie;
    first = first < top ? first : top;
    last = last < top ? last : top;
    first = first > one ? first : one;
    last = last > one ? last : one;
    const Ints k0 = __builtin_convertvector(first, Ints);
    const Ints k1 = __builtin_convertvector(last, Ints);
    const Doubles start = __builtin_convertvector(k0, Doubles);
    const Doubles end = __builtin_convertvector(k1, Doubles);
    awkward |= ~((vlo > -kFar) & (vhi < kFar) & (end >= start));
    highest = end > highest ? end : highest;
    const Doubles span = vhi - vlo;
    const Doubles per = 1.0 / (span > 0.0 ? span : one);
    const Doubles steps = end - start;
    // Shares below the boundaries k + 1, k + 2, k + 3, kept to 0 .. 1.
    Doubles reach1 = (start - vlo) * per + per;
    Doubles reach2 = reach1 + per;
    Doubles reach3 = reach2 + per;
    reach1 = reach1 < one ? (reach1 > zero ? reach1 : zero) : one;
    reach2 = reach2 < one ? (reach2 > zero ? reach2 : zero) : one;
    reach3 = reach3 < one ? (reach3 > zero ? reach3 : zero) : one;
    const Doubles rest1 = steps >= 1.0 ? one - reach1 : zero;
    const Doubles rest2 = steps >= 2.0 ? one - reach2 : zero;
    const Doubles rest3 = steps >= 3.0 ? one - reach3 : zero;
    Doubles p;
    std::memcpy(&p, edges.inner->p->data() + j, sizeof p);
    const Doubles part0 = (one - rest1) * p;
    const Doubles part1 = (rest1 - rest2) * p;
    const Doubles part2 = (rest2 - rest3) * p;
    const Doubles whole = per * p;
    std::memcpy(plan.first.data() + j, &k0, sizeof k0);
    std::memcpy(plan.last.data() + j, &k1, sizeof k1);
    std::memcpy(plan.part0.data() + j, &part0, sizeof part0);
    std::memcpy(plan.part1.data() + j, &part1, sizeof part1);
    std::memcpy(plan.part2.data() + j, &part2, sizeof part2);
    std::memcpy(plan.whole.data() + j, &whole, sizeof whole);
    if (failure) {
      // The share left of v(0) = shift; a point image: all below 0, half at 0.
      Doubles across = (shift - vlo) * per;
      across = across < one ? (across > zero ? across : zero) : one;
      const Doubles point = lo < 0.0 ? one : (lo == 0.0 ? Doubles{} + 0.5 : zero);
      belowZero += p * (span > 0.0 ? across : point);
    }
  }
  for (int lane = 0; lane < W; ++lane) {
    reached = std::max(reached, highest[lane]);
    bad = bad || awkward[lane] != 0;
    below += belowZero[lane];
  }
  return j;
}

template <int W>
[[gnu::always_inline]] inline int PlanLanesOfRow(double outerLow, double outerHigh, const PairEdges& edges,
                                                 const GridMap& map, bool failure, RowPlan& plan,
                                                 int from, int to, double& reached, bool& bad, double& below) {
  if (outerLow >= 0.0 && edges.innerPositive) {
    return PlanLanes<W, true>(outerLow, outerHigh, edges, map, failure, plan, from, to, reached, bad, below);
  }
  return PlanLanes<W, false>(outerLow, outerHigh, edges, map, failure, plan, from, to, reached, bad, below);
}

#if defined(__x86_64__)
[[gnu::target("avx2,fma")]] int PlanLanesWide(double outerLow, double outerHigh, const PairEdges& edges,
                                              const GridMap& map, bool failure, RowPlan& plan, int from,
                                              int to, double& reached, bool& bad, double& below) {
  return PlanLanesOfRow<4>(outerLow, outerHigh, edges, map, failure, plan, from, to, reached, bad, below);
}
#endif

// The plans of a row's pairs j = from..to, the outer interval [outerLow,
// outerHigh] against the inner intervals, and with `failure` the sum of the inner
// probabilities times the share of each image below 0; false when a pair is
// awkward.
bool PlanRow(double outerLow, double outerHigh, const PairEdges& edges, const GridMap& map,
             bool failure, int from, int to, RowPlan& plan, std::int32_t& highest, double& below) {
  double reached = highest;
  bool bad = false;
  int j = from;
  below = 0.0;
#if defined(__x86_64__)
  static const bool wide = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  if (wide) j = PlanLanesWide(outerLow, outerHigh, edges, map, failure, plan, j, to, reached, bad, below);
#endif
  j = PlanLanesOfRow<2>(outerLow, outerHigh, edges, map, failure, plan, j, to, reached, bad, below);
  for (; j <= to; ++j) {
    const double c1 = outerLow * edges.innerLow[j];
    const double c2 = outerLow * edges.innerHigh[j];
    const double c3 = outerHigh * edges.innerLow[j];
    const double c4 = outerHigh * edges.innerHigh[j];
    const double lo = std::min(std::min(c1, c2), std::min(c3, c4));
    const double hi = std::max(std::max(c1, c2), std::max(c3, c4));
    bad = !PlanPair(lo, hi, edges, map, plan, j, reached) || bad;
    if (failure) below += (*edges.inner->p)[j] * ShareBelow(lo, hi);
  }
  highest = static_cast<std::int32_t>(reached);
  return !bad;
}

}  // namespace

Status SpreadPairs(const PairEdges& edges, Work& w, const PairLoop& loop, bool failure) {
  const Points& outer = *edges.outer;
  const Points& inner = *edges.inner;
  const ProbabilityArray& po = *outer.p;
  const ProbabilityArray& pi = *inner.p;
  const int n = inner.n;
  const GridMap map{1.0 / w.d, 1.5 - w.Min / w.d, w.tie, static_cast<double>(w.last)};
  RowPlan plan;
  for (int i = 1; i <= outer.n; ++i) {
    const double pouter = po[i];
    // A row in chunks, so that a chunk's plan stays in the first-level cache.
    for (int from = 1; pouter != 0.0 && from <= n; from += kChunk) {
      const int to = std::min(n, from + kChunk - 1);
      std::int32_t highest = w.highest;
      double below = 0.0;
      if (!PlanRow(edges.outerLow[i], edges.outerHigh[i], edges, map, failure, from, to, plan, highest, below))
          [[unlikely]] {
        for (int j = from; j <= to; ++j) {
          const double p = pouter * pi[j];
          if (p == 0.0) continue;
          const double c1 = edges.outerLow[i] * edges.innerLow[j];
          const double c2 = edges.outerLow[i] * edges.innerHigh[j];
          const double c3 = edges.outerHigh[i] * edges.innerLow[j];
          const double c4 = edges.outerHigh[i] * edges.innerHigh[j];
          const double value = edges.quotient ? outer.x[i] / inner.x[j] : outer.x[i] * inner.x[j];
          if (auto stop = AddSpread(w, std::min(std::min(c1, c2), std::min(c3, c4)),
                                    std::max(std::max(c1, c2), std::max(c3, c4)), value, p,
                                    map.inverse, failure, loop.index)) {
            return stop;
          }
        }
        continue;
      }
      double* const P = w.P.data();
      const auto add = [&](int j) {
        const std::int32_t k = plan.first[j];
        const std::int32_t last = plan.last[j];
        const double part0 = pouter * plan.part0[j];
        const double part1 = pouter * plan.part1[j];
        P[k] += part0;
        P[k + 1] += part1;
        if (last <= k + 2) [[likely]] {
          P[k + 2] += pouter * plan.part2[j];
        } else {
          // Four or more intervals: k + 2 .. last - 1 whole, the rest in the last.
          const double whole = pouter * plan.whole[j];
          double given = part0 + part1;
          for (std::int32_t m = k + 2; m < last; ++m) {
            P[m] += whole;
            given += whole;
          }
          P[last] += pouter * pi[j] - given;
        }
      };
      // Two halves side by side: their images lie apart, so the additions of one
      // do not wait for those of the other.
      const int half = (to - from + 1) / 2;
      for (int j = from; j < from + half; ++j) {
        add(j);
        add(j + half);
      }
      if ((to - from + 1) % 2 != 0) add(to);
      w.highest = highest;
      if (failure) w.failure += pouter * below;
    }
    if (loop.control != nullptr && loop.control->Step(i * loop.progressScale, loop.progressTotal)) {
      return Cancelled();
    }
  }
  return std::nullopt;
}

void FillPoints(const model::Histogram& h, Points& points) {
  points.n = std::clamp(h.N, 0, kMaxBins);
  points.p = &h.P;
  points.half = h.Type == model::HistogramType::Discrete ? std::fabs(h.d) / 2 : 0.0;
  for (int i = 1; i <= points.n; ++i) points.x[i] = h.Min + (i - 1) * h.d;
}

double LargestMagnitude(const Points& points) {
  double largest = 0.0;
  for (int i = 1; i <= points.n; ++i) largest = std::max(largest, std::fabs(points.x[i]));
  return largest;
}

void SetDiscreteRules(Work& w, model::HistogramType type, double top, double magnitude) {
  w.tie = -1.0;
  w.last = kMaxBins;
  if (type != model::HistogramType::Discrete) return;
  // The grid's own intervals, or more when the top value rounds past them; a top
  // value that is itself a tie keeps both its neighbours.
  const double q = (top - w.Min) / w.d;
  const double topIndex = std::isfinite(q) ? std::floor(q + 0.5) + 1.0 : 0.0;
  w.last = static_cast<std::int32_t>(std::clamp(std::max(topIndex, 1.0 * w.N), 1.0, 1.0 * kMaxBins));
  const double scale = (std::fabs(magnitude) + std::fabs(w.Min)) / std::fabs(w.d) + kMaxBins;
  const double tie = kTieUlps * std::numeric_limits<double>::epsilon() * scale;
  w.tie = std::isfinite(tie) ? std::min(tie, kLargestTie) : kLargestTie;
}

Stop Failure(const model::ModelError& error) { return Stop{error, false}; }

Stop Failure(int code) {
  model::ModelError error;
  error.code = code;
  return Failure(error);
}

Stop Cancelled() { return Stop{model::ModelError{}, true}; }

Stop IndexError(double q, const IndexContext& context) {
  if (!std::isfinite(q)) return Failure(NonFiniteFault(q));
  if (auto fault = RaisedFloatingPointFault()) return Failure(*fault);
  model::ModelError error;  // shown directly, not through a code
  if (context.repeatedQuotientStep == 0) {
    error.message = kIndexOutOfRangeMessage;
    error.insert = IndexText(q);
  } else {
    // The repeated quotient has its own text, never translated.
    error.append = "Index pole (" + IndexText(q) + ") není v rozsahu 1 .. 1024 pro n=" +
                   std::to_string(context.repeatedQuotientStep) + " ! \r\n\tVýpočet nelze provést! ";
  }
  return Failure(error);
}

void KeepHighestInterval(Work& w) {
  if (w.highest <= w.N) return;
  w.N = w.highest;
  w.Max = w.Min + (w.N - 1) * w.d;
}

}  // namespace dorvex::engine::detail

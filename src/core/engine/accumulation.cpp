#include "engine/accumulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "engine/arithmetic_faults.h"


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

// Pairs planned at a time: a chunk's plan (about 10 KB) stays in the first-level cache.
constexpr int kChunk = 256;
// Beyond this |v| (in widths) an image is handled pair by pair.
constexpr double kFar = 0x1p40;

// Where the images of a chunk of one row's pairs fall: for pair j the first
// interval k of its image, the last, and the parts of the pair's probability for
// k, k + 1, k + 2 and for one whole interval.
struct RowPlan {
  std::array<std::int32_t, kMaxBins + 2> first;
  std::array<std::int32_t, kMaxBins + 2> last;
  std::array<double, kMaxBins + 2> part0;
  std::array<double, kMaxBins + 2> part1;
  std::array<double, kMaxBins + 2> part2;
  std::array<double, kMaxBins + 2> whole;
};

// One chunk of a row to plan: the outer interval low .. high with probability p,
// against the inner intervals from .. to. The result grid as the plan sees it:
// v = y * inverse + shift puts interval k at k <= v < k + 1, and `top` is its
// last interval.
struct RowChunk {
  double low;
  double high;
  double p;
  int from;
  int to;
  const PairEdges* edges;
  double inverse;
  double shift;
  double tie;
  double top;
  bool failure;
};

// What planning a chunk found: the highest interval reached, whether a pair is
// awkward (an end not finite, or an image within the tolerance of a boundary: a
// tie), and with `failure` the probability of the images' parts below 0.
struct RowFindings {
  double highest = 0.0;
  bool awkward = false;
  double below = 0.0;
};

double ClampToUnit(double x) { return std::min(std::max(x, 0.0), 1.0); }

struct Ends {
  double lo;
  double hi;
};

// The image of the outer interval low .. high with inner interval j: from the
// smallest to the largest corner product.
Ends ImageOfPair(const PairEdges& edges, double low, double high, int j) {
  const double c1 = low * edges.innerLow[j];
  const double c2 = low * edges.innerHigh[j];
  const double c3 = high * edges.innerLow[j];
  const double c4 = high * edges.innerHigh[j];
  return Ends{std::min(std::min(c1, c2), std::min(c3, c4)),
              std::max(std::max(c1, c2), std::max(c3, c4))};
}

// The plan of pair j from its image [lo, hi] and its probability p.
void PlanPair(const RowChunk& c, double lo, double hi, double p, int j, RowPlan& plan,
              RowFindings& found) {
  const double vlo = lo * c.inverse + c.shift;
  const double vhi = hi * c.inverse + c.shift;
  if (c.failure) found.below += p * ShareBelow(lo, hi);
  if (!(vlo > -kFar && vhi < kFar)) {
    found.awkward = true;
    return;
  }
  // An end within the tolerance of a boundary lies on it.
  const double start = std::floor(std::clamp(vlo + c.tie, 1.0, c.top));
  const double end = std::floor(std::clamp(vhi - c.tie, 1.0, c.top));
  found.awkward = found.awkward || end < start;
  const double span = vhi - vlo;
  const double per = span > 0.0 ? 1.0 / span : 1.0;
  const double steps = end - start;
  const double rest1 = steps >= 1.0 ? 1.0 - ClampToUnit((start + 1.0 - vlo) * per) : 0.0;
  const double rest2 = steps >= 2.0 ? 1.0 - ClampToUnit((start + 2.0 - vlo) * per) : 0.0;
  const double rest3 = steps >= 3.0 ? 1.0 - ClampToUnit((start + 3.0 - vlo) * per) : 0.0;
  plan.first[j] = static_cast<std::int32_t>(start);
  plan.last[j] = static_cast<std::int32_t>(end);
  plan.part0[j] = (1.0 - rest1) * p;
  plan.part1[j] = (rest1 - rest2) * p;
  plan.part2[j] = (rest2 - rest3) * p;
  plan.whole[j] = per * p;
  found.highest = std::max(found.highest, end);
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

// W pairs at a time from j on while W of them remain, the arithmetic of PlanPair
// with every choice a lane-wise select (a < b ? a : b is the smaller, and b when a
// is NaN). With Positive, both intervals lie at or above 0 and an image runs from
// the product of the low edges to that of the high ones. Returns the first pair
// not planned.
template <int W, bool Positive>
[[gnu::always_inline]] inline int PlanLanes(const RowChunk& c, int j, RowPlan& plan,
                                            RowFindings& found) {
  using Doubles = typename Lanes<W>::Doubles;
  using Ints = typename Lanes<W>::Ints;
  using Mask = decltype(Doubles{} < Doubles{});
  const Doubles zero = Doubles{} + 0.0;
  const Doubles one = Doubles{} + 1.0;
  const Doubles top = Doubles{} + c.top;
  const double* const innerLow = c.edges->innerLow.data();
  const double* const innerHigh = c.edges->innerHigh.data();
  const double* const innerP = c.edges->inner->p->data();
  Doubles highest = Doubles{} + found.highest;
  Doubles below = zero;
  Mask awkward = Mask{};
  for (; j + W - 1 <= c.to; j += W) {
    Doubles bLow;
    Doubles bHigh;
    Doubles p;
    std::memcpy(&bLow, innerLow + j, sizeof bLow);
    std::memcpy(&bHigh, innerHigh + j, sizeof bHigh);
    std::memcpy(&p, innerP + j, sizeof p);
    p *= c.p;
    Doubles lo;
    Doubles hi;
    if constexpr (Positive) {
      lo = c.low * bLow;
      hi = c.high * bHigh;
    } else {
      const Doubles c1 = c.low * bLow;
      const Doubles c2 = c.low * bHigh;
      const Doubles c3 = c.high * bLow;
      const Doubles c4 = c.high * bHigh;
      const Doubles lo12 = c1 < c2 ? c1 : c2;
      const Doubles lo34 = c3 < c4 ? c3 : c4;
      const Doubles hi12 = c1 > c2 ? c1 : c2;
      const Doubles hi34 = c3 > c4 ? c3 : c4;
      lo = lo12 < lo34 ? lo12 : lo34;
      hi = hi12 > hi34 ? hi12 : hi34;
    }
    const Doubles vlo = lo * c.inverse + c.shift;
    const Doubles vhi = hi * c.inverse + c.shift;
    // A NaN end goes to top, so no index leaves the grid (the pair is awkward).
    Doubles first = vlo + c.tie;
    Doubles last = vhi - c.tie;
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
    if (c.failure) {
      // The share left of v(0) = shift; a point image: all below 0, half at 0.
      Doubles across = (c.shift - vlo) * per;
      across = across < one ? (across > zero ? across : zero) : one;
      const Doubles point = lo < 0.0 ? one : (lo == 0.0 ? Doubles{} + 0.5 : zero);
      below += p * (span > 0.0 ? across : point);
    }
  }
  for (int lane = 0; lane < W; ++lane) {
    found.highest = std::max(found.highest, highest[lane]);
    found.awkward = found.awkward || awkward[lane] != 0;
    found.below += below[lane];
  }
  return j;
}

template <int W>
[[gnu::always_inline]] inline int PlanLanes(const RowChunk& c, int j, RowPlan& plan,
                                            RowFindings& found) {
  if (c.low >= 0.0 && c.edges->innerPositive) return PlanLanes<W, true>(c, j, plan, found);
  return PlanLanes<W, false>(c, j, plan, found);
}

#if defined(__x86_64__)
[[gnu::target("avx2,fma")]] int PlanLanesWide(const RowChunk& c, RowPlan& plan,
                                              RowFindings& found) {
  return PlanLanes<4>(c, c.from, plan, found);
}
#endif

// Plans the pairs of a chunk: four at a time where the processor can, then two,
// then one.
RowFindings PlanRow(const RowChunk& c, std::int32_t highest, RowPlan& plan) {
  RowFindings found;
  found.highest = highest;
  int j = c.from;
#if defined(__x86_64__)
  static const bool wide = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  if (wide) j = PlanLanesWide(c, plan, found);
#endif
  j = PlanLanes<2>(c, j, plan, found);
  for (; j <= c.to; ++j) {
    const Ends e = ImageOfPair(*c.edges, c.low, c.high, j);
    PlanPair(c, e.lo, e.hi, c.p * (*c.edges->inner->p)[j], j, plan, found);
  }
  return found;
}

}  // namespace

Status SpreadPairs(const PairEdges& edges, Work& w, const PairLoop& loop, bool failure) {
  const Points& outer = *edges.outer;
  const Points& inner = *edges.inner;
  const ProbabilityArray& pi = *inner.p;
  const int n = inner.n;
  RowChunk c{};
  c.edges = &edges;
  c.inverse = 1.0 / w.d;
  c.shift = 1.5 - w.Min / w.d;
  c.tie = w.tie;
  c.top = w.last;
  c.failure = failure;
  RowPlan plan;
  double* const P = w.P.data();
  for (int i = 1; i <= outer.n; ++i) {
    c.low = edges.outerLow[i];
    c.high = edges.outerHigh[i];
    c.p = (*outer.p)[i];
    for (c.from = 1; c.p != 0.0 && c.from <= n; c.from += kChunk) {
      c.to = std::min(n, c.from + kChunk - 1);
      const RowFindings found = PlanRow(c, w.highest, plan);
      if (found.awkward) [[unlikely]] {
        for (int j = c.from; j <= c.to; ++j) {
          const double p = c.p * pi[j];
          if (p == 0.0) continue;
          const Ends e = ImageOfPair(edges, c.low, c.high, j);
          const double value = edges.quotient ? outer.x[i] / inner.x[j] : outer.x[i] * inner.x[j];
          if (auto stop = AddSpread(w, e.lo, e.hi, value, p, c.inverse, failure, loop.index)) {
            return stop;
          }
        }
        continue;
      }
      const auto add = [&](int j) {
        const std::int32_t k = plan.first[j];
        const std::int32_t last = plan.last[j];
        P[k] += plan.part0[j];
        P[k + 1] += plan.part1[j];
        if (last <= k + 2) [[likely]] {
          P[k + 2] += plan.part2[j];
        } else {
          // Four or more intervals: k + 2 .. last - 1 whole, the rest in the last.
          const double whole = plan.whole[j];
          double given = plan.part0[j] + plan.part1[j];
          for (std::int32_t m = k + 2; m < last; ++m) {
            P[m] += whole;
            given += whole;
          }
          P[last] += c.p * pi[j] - given;
        }
      };
      // Two halves side by side: their images lie apart, so the additions of one
      // do not wait for those of the other.
      const int half = (c.to - c.from + 1) / 2;
      for (int j = c.from; j < c.from + half; ++j) {
        add(j);
        add(j + half);
      }
      if ((c.to - c.from + 1) % 2 != 0) add(c.to);
      w.highest = static_cast<std::int32_t>(found.highest);
      if (failure) w.failure += found.below;
    }
    if (RowDone(loop, i)) return Cancelled();
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
  const double last = std::clamp(std::max(topIndex, 1.0 * w.N), 1.0, 1.0 * kMaxBins);
  w.last = static_cast<std::int32_t>(last);
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
  if (!std::isfinite(q)) return Failure(*ArithmeticFaultError(numeric::FaultOf(q)));
  if (auto fault = ArithmeticFaultError(numeric::RaisedFpFault())) return Failure(*fault);
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

model::Histogram HistogramOf(const Work& w, model::HistogramType type) {
  model::Histogram h;
  h.Type = type;
  h.N = w.N;
  std::copy(w.P.begin(), w.P.begin() + h.P.size(), h.P.begin());
  h.Min = w.Min;
  h.d = w.d;
  h.Max = w.N >= 1 ? w.Min + (w.N - 1) * w.d : w.Max;
  h.Range = h.Max - h.Min;
  return h;
}

}  // namespace dorvex::engine::detail

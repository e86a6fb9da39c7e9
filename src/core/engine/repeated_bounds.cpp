#include "engine/repeated_bounds.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "engine/engine.h"

namespace dorvex::engine::detail {

namespace {

// Each combination moves at most this divided by n of probability off either end
// of a chain; the result holds each combination at most n times over, so all
// that moved stays within a few times this.
constexpr double kMovedBudget = 1e-17;

// Which way a chain places a sum between two points of its grid.
enum class Rounding { Down, Up };

// A partial sum of `copies` copies: probability p[k] at the value
// copies * origin + ((first + k) << shift) * step, where origin is the lowest
// edge of A on the chain's side and step A's width. Positions are integers, so
// the grids of the partials line up exactly. What p lacks of 1 went past the far
// end: below every point for the lower chain, above for the upper one.
struct Chain {
  std::vector<double> p;
  std::int64_t first = 0;
  int shift = 0;
  std::int64_t copies = 0;
};

// The grid of c made 2^shift steps wide, each point's probability moved to the
// point at or below it (Down) or at or above it (Up).
void Coarsen(Chain& c, int shift, Rounding rounding) {
  if (shift <= c.shift) return;
  const int r = shift - c.shift;
  const std::int64_t up = rounding == Rounding::Up ? (std::int64_t{1} << r) - 1 : 0;
  const auto to = [r, up](std::int64_t at) { return (at + up) >> r; };
  const std::int64_t first = to(c.first);
  const auto count = static_cast<std::size_t>(c.p.size());
  std::vector<double> p(static_cast<std::size_t>(to(c.first + static_cast<std::int64_t>(count) - 1) - first + 1), 0.0);
  for (std::size_t k = 0; k < count; ++k) {
    p[static_cast<std::size_t>(to(c.first + static_cast<std::int64_t>(k)) - first)] += c.p[k];
  }
  c.p = std::move(p);
  c.first = first;
  c.shift = shift;
}

// The ends of c that hold no more than `tail` each: the far end's (the lower
// chain's bottom, the upper chain's top) escapes, the near end's joins the
// outermost point kept, which moves it the chain's own way.
void Trim(Chain& c, Rounding rounding, double tail) {
  std::size_t lo = 0;
  std::size_t hi = c.p.size();
  long double below = 0.0L;
  long double above = 0.0L;
  while (hi - lo > 1 && below + c.p[lo] <= tail) below += c.p[lo++];
  while (hi - lo > 1 && above + c.p[hi - 1] <= tail) above += c.p[--hi];
  if (rounding == Rounding::Down) {
    c.p[hi - 1] += static_cast<double>(above);
  } else {
    c.p[lo] += static_cast<double>(below);
  }
  c.p.erase(c.p.begin() + static_cast<std::ptrdiff_t>(hi), c.p.end());
  c.p.erase(c.p.begin(), c.p.begin() + static_cast<std::ptrdiff_t>(lo));
  c.first += static_cast<std::int64_t>(lo);
}

// The narrowest grid of c, a power of two times its own, with at most
// kChainPoints points.
void Fit(Chain& c, Rounding rounding) {
  const std::int64_t last = c.first + static_cast<std::int64_t>(c.p.size()) - 1;
  int r = 0;
  for (;; ++r) {
    const std::int64_t up = rounding == Rounding::Up ? (std::int64_t{1} << r) - 1 : 0;
    if (((last + up) >> r) - ((c.first + up) >> r) < kChainPoints) break;
  }
  Coarsen(c, c.shift + r, rounding);
}

// The sum of two independent partials, on the grid of the wider one, then cut to
// its tails and fitted into kChainPoints points.
Chain Combine(Chain x, Chain y, Rounding rounding, double tail) {
  const int shift = std::max(x.shift, y.shift);
  Coarsen(x, shift, rounding);
  Coarsen(y, shift, rounding);
  // The longer one inside, where the loop runs vectorised.
  if (x.p.size() > y.p.size()) std::swap(x, y);
  Chain sum;
  sum.copies = x.copies + y.copies;
  sum.shift = shift;
  sum.first = x.first + y.first;
  const std::size_t nx = x.p.size();
  const std::size_t ny = y.p.size();
  sum.p.assign(nx + ny - 1, 0.0);
  double* const out = sum.p.data();
  const double* const py = y.p.data();
  for (std::size_t i = 0; i < nx; ++i) {
    const double pi = x.p[i];
    if (pi == 0.0) continue;
    double* const row = out + i;
    for (std::size_t j = 0; j < ny; ++j) row[j] += pi * py[j];
  }
  Trim(sum, rounding, tail);
  Fit(sum, rounding);
  return sum;
}

// A partial with itself: each pair of different points once, twice its weight.
Chain Double(const Chain& x, Rounding rounding, double tail) {
  Chain sum;
  sum.copies = 2 * x.copies;
  sum.shift = x.shift;
  sum.first = 2 * x.first;
  const std::size_t n = x.p.size();
  sum.p.assign(2 * n - 1, 0.0);
  double* const out = sum.p.data();
  const double* const p = x.p.data();
  for (std::size_t i = 0; i < n; ++i) {
    const double pi = p[i];
    if (pi == 0.0) continue;
    out[2 * i] += pi * pi;
    const double twice = 2.0 * pi;
    double* const row = out + i;
    for (std::size_t j = i + 1; j < n; ++j) row[j] += twice * p[j];
  }
  Trim(sum, rounding, tail);
  Fit(sum, rounding);
  return sum;
}

// The sum of n >= 1 copies of `a` by the binary digits of n, as the value is.
Chain Doubling(const Chain& a, std::int32_t n, Rounding rounding, double tail) {
  Chain power = a;
  std::optional<Chain> sum;
  for (auto rest = static_cast<std::uint32_t>(n); rest != 0; rest >>= 1) {
    if ((rest & 1U) != 0) sum = sum ? Combine(*sum, power, rounding, tail) : power;
    if ((rest >> 1) != 0) power = Double(power, rounding, tail);
  }
  return *sum;
}

// One copy of A: its probabilities on its own grid, the empty ends left out.
Chain Single(const model::Histogram& a, int n) {
  Chain c;
  c.copies = 1;
  c.p.assign(a.P.begin() + 1, a.P.begin() + 1 + n);
  Trim(c, Rounding::Down, 0.0);
  return c;
}

// A chain's values and probabilities, lowest first.
class Values {
 public:
  Values(const Chain& c, double origin, double step)
      : chain_(c), base_(static_cast<double>(c.copies) * origin), step_(step),
        magnitude_(std::fabs(base_) + std::fabs(At(c.p.size()) - base_)) {}

  std::size_t size() const { return chain_.p.size(); }
  double At(std::size_t k) const {
    const std::int64_t position = (chain_.first + static_cast<std::int64_t>(k)) << chain_.shift;
    return base_ + static_cast<double>(position) * step_;
  }
  double P(std::size_t k) const { return chain_.p[k]; }

  // What the probabilities lack of 1 (what went past the far end, and what the
  // rounding of each combination lost, which doubles with every doubling), and
  // what they hold beyond it.
  double Missing() const { return static_cast<double>(std::max(0.0L, 1.0L - Total())); }
  double Excess() const { return static_cast<double>(std::max(1.0L, Total())); }

  // P(X < t) + P(X = t) / 2.
  long double Below(double t) const {
    long double below = 0.0L;
    for (std::size_t k = 0; k < size(); ++k) {
      const double v = At(k);
      if (v >= t) {
        if (v == t) below += P(k) / 2.0;
        break;
      }
      below += P(k);
    }
    return below;
  }

  // P(X <= e) at each of the rising edges e. A value within the rounding of its
  // terms of an edge counts as below it when `rounding` is Down and as above it
  // when Up, so that either bound holds whichever side the value truly lies on.
  std::vector<double> AtOrBelow(const std::vector<double>& edges, Rounding rounding) const {
    std::vector<double> f;
    f.reserve(edges.size());
    long double sum = 0.0L;
    std::size_t k = 0;
    for (double e : edges) {
      const double slack = kTermsRounding * (magnitude_ + std::fabs(e));
      const double upTo = rounding == Rounding::Down ? e + slack : e - slack;
      for (; k < size() && At(k) <= upTo; ++k) sum += P(k);
      f.push_back(static_cast<double>(sum));
    }
    return f;
  }

 private:
  long double Total() const {
    long double total = 0.0L;
    for (double v : chain_.p) total += v;
    return total;
  }

  // A few roundings of a value's terms and of an edge's.
  static constexpr double kTermsRounding = 8.0 * std::numeric_limits<double>::epsilon();

  const Chain& chain_;
  double base_;
  double step_;
  double magnitude_;  // of the terms of the values
};

}  // namespace

FailureBounds RepeatedSumBounds(const BoundsRequest& request, const model::Histogram& result) {
  FailureBounds bounds;
  if (request.a == nullptr || request.n < 1) return bounds;
  const model::Histogram& a = *request.a;
  const int n = std::clamp(a.N, 0, kMaxBins);
  if (n < 1 || !std::isfinite(a.Min) || !std::isfinite(a.d) || (n > 1 && !(a.d > 0.0))) return bounds;

  // The exact points of a Pure Discrete A sit on both edges.
  const double half = a.Type == model::HistogramType::Discrete ? a.d / 2.0 : 0.0;
  const double tail = kMovedBudget / request.n;
  const Chain single = Single(a, n);
  const Chain lowest = Doubling(single, request.n, Rounding::Down, tail);
  const Chain highest = Doubling(single, request.n, Rounding::Up, tail);
  const Values low(lowest, a.Min - half, a.d);
  const Values high(highest, a.Min + half, a.d);

  // All n copies inside A's span, or at least one of them outside.
  const double cut = std::clamp(request.cutA.below + request.cutA.above, 0.0, 1.0);
  const double inside = std::exp(request.n * std::log1p(-cut));
  const double outside = std::clamp(-std::expm1(request.n * std::log1p(-cut)), 0.0, 1.0);
  // The lower chain's missing probability may lie below any value; the upper
  // chain's is left out, and a total above 1 scaled away.
  const double escaped = low.Missing() + outside;
  const double scale = inside / high.Excess();

  bounds.kind = BoundsKind::Bounded;
  bounds.cut = outside;
  bounds.upper = std::min(1.0, static_cast<double>(low.Below(request.threshold)) + escaped);
  bounds.lower = static_cast<double>(high.Below(request.threshold)) * scale;
  if (!request.distribution) return bounds;

  DistributionBounds& f = bounds.distribution;
  f.Min = result.Min;
  f.d = result.d;
  std::vector<double> edges;
  for (int k = 0; k <= std::max(result.N, 1); ++k) edges.push_back(result.Min + (k - 0.5) * result.d);
  f.upper = low.AtOrBelow(edges, Rounding::Down);
  f.lower = high.AtOrBelow(edges, Rounding::Up);
  for (double& v : f.upper) v = std::min(1.0, v + escaped);
  for (double& v : f.lower) v *= scale;
  return bounds;
}

}  // namespace dorvex::engine::detail

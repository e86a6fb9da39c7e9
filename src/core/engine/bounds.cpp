#include "engine/bounds.h"

#include <algorithm>
#include <cmath>

#include "engine/engine.h"

namespace dorvex::engine {

namespace {

// The intervals of an input that carry probability: their edges (a Pure Discrete
// point is an interval of no width) and probabilities.
struct Intervals {
  std::vector<double> low;
  std::vector<double> high;
  std::vector<double> p;
  double lowest = 0.0;
  double highest = 0.0;
};

Intervals IntervalsOf(const model::Histogram& h) {
  Intervals in;
  const double half = h.Type == model::HistogramType::Discrete ? h.d / 2.0 : 0.0;
  const int n = std::clamp(h.N, 0, kMaxBins);
  for (int i = 1; i <= n; ++i) {
    if (h.P[i] == 0.0) continue;
    const double x = h.Min + (i - 1) * h.d;
    in.low.push_back(x - half);
    in.high.push_back(x + half);
    in.p.push_back(h.P[i]);
  }
  if (!in.p.empty()) {
    in.lowest = *std::min_element(in.low.begin(), in.low.end());
    in.highest = *std::max_element(in.high.begin(), in.high.end());
  }
  return in;
}

// Every value of the input on one side of 0 (0 itself allowed).
bool OneSigned(const Intervals& in) { return in.lowest >= 0.0 || in.highest <= 0.0; }

// Sums of the pairs' probabilities by where their images lie against 0 and
// against the upper edges Min + (k - 1/2) d, k = 0..N, of the result's grid.
class Tally {
 public:
  explicit Tally(const model::Histogram& grid)
      : min_(grid.Min), inverse_(grid.d > 0.0 ? 1.0 / grid.d : 0.0), n_(std::max(grid.N, 1)),
        byLow_(static_cast<std::size_t>(n_) + 2, 0.0), byHigh_(static_cast<std::size_t>(n_) + 2, 0.0) {}

  // A pair (or single interval) of probability p whose image is lo .. hi.
  void Add(double lo, double hi, double p) {
    if (lo <= 0.0) upper_ += lo < 0.0 ? p : p / 2.0;
    if (hi <= 0.0) lower_ += hi < 0.0 ? p : p / 2.0;
    byLow_[Edge(lo)] += p;
    byHigh_[Edge(hi)] += p;
  }

  long double LowerFailure() const { return lower_; }
  long double UpperFailure() const { return upper_; }

  // F at every edge: all images reaching down to it (upper), lying wholly at or
  // below it (lower).
  void Distribution(DistributionBounds& out) const {
    long double low = 0.0L;
    long double high = 0.0L;
    for (int k = 0; k <= n_; ++k) {
      high += byHigh_[static_cast<std::size_t>(k)];
      low += byLow_[static_cast<std::size_t>(k)];
      out.lower.push_back(static_cast<double>(high));
      out.upper.push_back(static_cast<double>(low));
    }
  }

 private:
  // The first edge k at or above v (0 below the grid); N + 1 above it, or NaN.
  std::size_t Edge(double v) const {
    const double q = (v - min_) * inverse_ + 0.5;
    if (!(q <= n_)) return static_cast<std::size_t>(n_) + 1;
    return q <= 0.0 ? 0 : static_cast<std::size_t>(std::ceil(q));
  }

  double min_;
  double inverse_;
  int n_;
  std::vector<double> byLow_;
  std::vector<double> byHigh_;
  long double lower_ = 0.0L;
  long double upper_ = 0.0L;
};

// Every pair of a and b through `image`, which gives the pair's lo and hi.
template <class Image>
void TallyPairs(const Intervals& a, const Intervals& b, Tally& tally, Image image) {
  const std::size_t nb = b.p.size();
  for (std::size_t i = 0; i < a.p.size(); ++i) {
    const double alo = a.low[i];
    const double ahi = a.high[i];
    const double pa = a.p[i];
    for (std::size_t j = 0; j < nb; ++j) {
      double lo = 0.0;
      double hi = 0.0;
      image(alo, ahi, b.low[j], b.high[j], lo, hi);
      tally.Add(lo, hi, pa * b.p[j]);
    }
  }
}

// Every interval of a through `map`, a function monotone over a's span.
template <class Map>
void TallySingles(const Intervals& a, Tally& tally, Map map) {
  for (std::size_t i = 0; i < a.p.size(); ++i) {
    const double x = map(a.low[i]);
    const double y = map(a.high[i]);
    tally.Add(std::min(x, y), std::max(x, y), a.p[i]);
  }
}

void Corners(double a1, double a2, double b1, double b2, double& lo, double& hi) {
  lo = std::min(std::min(a1, a2), std::min(b1, b2));
  hi = std::max(std::max(a1, a2), std::max(b1, b2));
}

double Total(const model::CutProbability& cut) { return cut.below + cut.above; }

// No tail of A can make A^2, |A| or an even power fail.
bool CannotFail(int code, std::int32_t n) {
  return code == kSquare || code == kAbsolute || (code == kPower && n % 2 == 0);
}

}  // namespace

FailureBounds ComputeBounds(const BoundsRequest& request, const model::Histogram& result) {
  FailureBounds bounds;
  const int code = request.code;
  if (request.a == nullptr || code < kSum || code > kPower) return bounds;
  const bool binary = IsBinaryOperation(code);
  if (binary && request.b == nullptr) return bounds;

  const Intervals a = IntervalsOf(*request.a);
  const Intervals b = binary ? IntervalsOf(*request.b) : Intervals{};
  const bool monotone = code == kSum || code == kDifference ||
                        (code == kProduct || code == kQuotient ? OneSigned(a) && OneSigned(b) : OneSigned(a));
  if (!monotone) {
    bounds.kind = BoundsKind::NotMonotone;
    return bounds;
  }

  Tally tally(result);
  switch (code) {
    case kSum:
      TallyPairs(a, b, tally, [](double a1, double a2, double b1, double b2, double& lo, double& hi) {
        lo = a1 + b1;
        hi = a2 + b2;
      });
      break;
    case kDifference:
      TallyPairs(a, b, tally, [](double a1, double a2, double b1, double b2, double& lo, double& hi) {
        lo = a1 - b2;
        hi = a2 - b1;
      });
      break;
    case kProduct:
      TallyPairs(a, b, tally, [](double a1, double a2, double b1, double b2, double& lo, double& hi) {
        Corners(a1 * b1, a1 * b2, a2 * b1, a2 * b2, lo, hi);
      });
      break;
    case kQuotient:
      TallyPairs(a, b, tally, [](double a1, double a2, double b1, double b2, double& lo, double& hi) {
        Corners(a1 / b1, a1 / b2, a2 / b1, a2 / b2, lo, hi);
      });
      break;
    case kSquare: TallySingles(a, tally, [](double x) { return x * x; }); break;
    case kAbsolute: TallySingles(a, tally, [](double x) { return std::fabs(x); }); break;
    default: {
      const double n = request.n;
      TallySingles(a, tally, [n](double x) { return std::pow(x, n); });
    }
  }

  // The inputs' probabilities are those inside their spans: a pair's true share is
  // smaller by the cut, and what the spans leave out may all fail.
  const double cutA = Total(request.cutA);
  const double cutB = binary ? Total(request.cutB) : 0.0;
  const double inside = (1.0 - cutA) * (1.0 - cutB);
  const double cut = cutA + cutB;
  bounds.kind = BoundsKind::Bounded;
  bounds.cut = CannotFail(code, request.n) ? 0.0 : cut;
  bounds.lower = static_cast<double>(tally.LowerFailure()) * inside;
  bounds.upper = std::min(1.0, static_cast<double>(tally.UpperFailure()) + bounds.cut);
  DistributionBounds& f = bounds.distribution;
  f.Min = result.Min;
  f.d = result.d;
  tally.Distribution(f);
  for (double& v : f.lower) v *= inside;
  for (double& v : f.upper) v = std::min(1.0, v + cut);
  return bounds;
}

FailureBounds ScaleBounds(const FailureBounds& bounds, double nAB) {
  FailureBounds scaled = bounds;
  if (bounds.kind != BoundsKind::Bounded) return scaled;
  DistributionBounds& f = scaled.distribution;
  const std::size_t edges = f.lower.size();
  const int N = static_cast<int>(edges) - 1;
  if (nAB >= 0.0) {
    f.Min = bounds.distribution.Min * nAB;
    f.d = bounds.distribution.d * nAB;
    return scaled;
  }
  // -Z fails where Z does not; edge k of the mirrored grid is edge N - k.
  scaled.lower = std::max(0.0, 1.0 - bounds.upper);
  scaled.upper = std::min(1.0, 1.0 - bounds.lower);
  const DistributionBounds& g = bounds.distribution;
  f.Min = (g.Min + (N - 1) * g.d) * nAB;
  f.d = g.d * -nAB;
  for (std::size_t k = 0; k < edges; ++k) {
    f.lower[k] = std::max(0.0, 1.0 - g.upper[edges - 1 - k]);
    f.upper[k] = std::min(1.0, 1.0 - g.lower[edges - 1 - k]);
  }
  return scaled;
}

bool DependsOnTails(const FailureBounds& bounds, double pf) {
  return bounds.kind == BoundsKind::Bounded && bounds.cut > 0.0 && pf < kTailWarningFactor * bounds.cut;
}

}  // namespace dorvex::engine

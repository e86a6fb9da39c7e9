#include "engine/bounds.h"

#include <algorithm>
#include <cmath>

#include "engine/engine.h"
#include "engine/repeated_bounds.h"
#include "engine/vector_clones.h"

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

// The result's grid for the edge search.
struct EdgeGrid {
  double min;
  double inverse;  // 1 / d
  double top;      // N + 1
};

// The first edge k at or above v (0 below the grid); N + 1 above it, or NaN.
// In double arithmetic only, so that the loop vectorises: the clamped q is
// rounded to the nearest integer by adding and taking away 2^52, and raised by
// one when that fell below it.
inline std::int32_t Edge(double v, const EdgeGrid& grid) {
  const double top = grid.top;
  double q = (v - grid.min) * grid.inverse + 0.5;
  q = q < top ? q : top;
  q = q > 0.0 ? q : 0.0;
  constexpr double kShift = 0x1p52;
  const double r = (q + kShift) - kShift;
  return static_cast<std::int32_t>(r + (r < q ? 1.0 : 0.0));
}

// The edges of the values v[0..n).
DORVEX_VECTOR_CLONES void Edges(const double* v, std::size_t n, const EdgeGrid& grid, std::int32_t* edge) {
  for (std::size_t j = 0; j < n; ++j) edge[j] = Edge(v[j], grid);
}

// Sums of the pairs' probabilities by where their images lie against the
// threshold and against the upper edges Min + (k - 1/2) d, k = 0..N, of the
// result's grid. Rows of images are added at once: their edges found in a loop
// free of dependencies, the probabilities added in two lanes per sum, so that
// neighbouring images on the same edge do not wait for each other.
class Tally {
 public:
  Tally(const model::Histogram& grid, double threshold, bool distribution)
      : distribution_(distribution), threshold_(threshold), min_(grid.Min),
        inverse_(grid.d > 0.0 ? 1.0 / grid.d : 0.0), n_(std::max(grid.N, 1)) {
    for (auto& lane : byLow_) lane.assign(static_cast<std::size_t>(n_) + 2, 0.0);
    for (auto& lane : byHigh_) lane.assign(static_cast<std::size_t>(n_) + 2, 0.0);
  }

  bool WithDistribution() const { return distribution_; }

  // The probabilities of the inner input, whose sums from either end answer how
  // much of a monotone row lies below the threshold.
  void SetInner(const std::vector<double>& p) {
    const std::size_t n = p.size();
    before_.assign(n + 1, 0.0);
    after_.assign(n + 1, 0.0);
    for (std::size_t j = 0; j < n; ++j) before_[j + 1] = before_[j] + p[j];
    for (std::size_t j = n; j > 0; --j) after_[j - 1] = after_[j] + p[j - 1];
  }

  // A row whose image ends lo[j] and hi[j] are each monotone in j (the pairs of a
  // monotone operation): only the failure sums, from where the row crosses the
  // threshold.
  void AddMonotoneRow(const double* lo, const double* hi, double scale, std::size_t count) {
    upper_ += scale * MassBelow(lo, count);
    lower_ += scale * MassBelow(hi, count);
  }

  // Images lo[j] .. hi[j] with probabilities scale * p[j], j < count.
  void AddRow(const double* lo, const double* hi, double scale, const double* p, std::size_t count) {
    const double t = threshold_;
    // Four partial sums each, so that the additions overlap.
    double upper[4] = {0.0, 0.0, 0.0, 0.0};
    double lower[4] = {0.0, 0.0, 0.0, 0.0};
    std::size_t j = 0;
    const auto add = [&](std::size_t k, int lane) {
      const double q = scale * p[k];
      upper[lane] += lo[k] < t ? q : (lo[k] == t ? q / 2.0 : 0.0);
      lower[lane] += hi[k] < t ? q : (hi[k] == t ? q / 2.0 : 0.0);
    };
    for (; j + 3 < count; j += 4) {
      add(j, 0);
      add(j + 1, 1);
      add(j + 2, 2);
      add(j + 3, 3);
    }
    for (; j < count; ++j) add(j, 0);
    upper_ += (upper[0] + upper[1]) + (upper[2] + upper[3]);
    lower_ += (lower[0] + lower[1]) + (lower[2] + lower[3]);
    if (distribution_) AddEdges(lo, hi, scale, p, count);
  }

  // Images lo[j] .. hi[j] with probabilities scale * p[j] into the distribution
  // sums only.
  void AddEdges(const double* lo, const double* hi, double scale, const double* p, std::size_t count) {
    lowEdge_.resize(count + 1);
    highEdge_.resize(count + 1);
    std::int32_t* const lowEdge = lowEdge_.data();
    std::int32_t* const highEdge = highEdge_.data();
    const EdgeGrid grid{min_, inverse_, n_ + 1.0};
    Edges(lo, count, grid, lowEdge);
    Edges(hi, count, grid, highEdge);
    // Lanes of their own: neighbouring images often share an edge, and their
    // additions then do not wait on each other.
    std::size_t j = 0;
    for (; j + kLanes <= count; j += kLanes) {
      for (std::size_t lane = 0; lane < kLanes; ++lane) {
        const double q = scale * p[j + lane];
        byLow_[lane][lowEdge[j + lane]] += q;
        byHigh_[lane][highEdge[j + lane]] += q;
      }
    }
    for (; j < count; ++j) {
      byLow_[0][lowEdge[j]] += scale * p[j];
      byHigh_[0][highEdge[j]] += scale * p[j];
    }
  }

  // One image.
  void Add(double lo, double hi, double p) {
    const double one = 1.0;
    AddRow(&lo, &hi, p, &one, 1);
  }

  long double LowerFailure() const { return lower_; }
  long double UpperFailure() const { return upper_; }

  // F at every edge: all images reaching down to it (upper), lying wholly at or
  // below it (lower).
  void Distribution(DistributionBounds& out) const {
    long double low = 0.0L;
    long double high = 0.0L;
    for (std::size_t k = 0; k <= static_cast<std::size_t>(n_); ++k) {
      for (std::size_t lane = 0; lane < kLanes; ++lane) {
        high += byHigh_[lane][k];
        low += byLow_[lane][k];
      }
      out.lower.push_back(static_cast<double>(high));
      out.upper.push_back(static_cast<double>(low));
    }
  }

 private:
  // The inner probability of the values v[0..n) below the threshold, half of
  // those on it; v is monotone, so they are a prefix or a suffix.
  double MassBelow(const double* v, std::size_t n) const {
    if (n == 0) return 0.0;
    const double t = threshold_;
    if (v[0] <= v[n - 1]) {
      const std::size_t below = std::partition_point(v, v + n, [t](double x) { return x < t; }) - v;
      const std::size_t upTo = std::partition_point(v + below, v + n, [t](double x) { return x <= t; }) - v;
      return before_[below] + (before_[upTo] - before_[below]) / 2.0;
    }
    const std::size_t notBelow = std::partition_point(v, v + n, [t](double x) { return x >= t; }) - v;
    const std::size_t above = std::partition_point(v, v + notBelow, [t](double x) { return x > t; }) - v;
    return after_[notBelow] + (after_[above] - after_[notBelow]) / 2.0;
  }

  bool distribution_;
  std::vector<double> before_;
  std::vector<double> after_;
  double threshold_;
  double min_;
  double inverse_;
  int n_;
  static constexpr std::size_t kLanes = 4;
  std::vector<double> byLow_[kLanes];
  std::vector<double> byHigh_[kLanes];
  std::vector<std::int32_t> lowEdge_;
  std::vector<std::int32_t> highEdge_;
  long double lower_ = 0.0L;
  long double upper_ = 0.0L;
};

// Every pair of a and b through `image`, which gives the pair's lo and hi.
template <class Image>
void TallyPairs(const Intervals& a, const Intervals& b, Tally& tally, Image image) {
  const std::size_t nb = b.p.size();
  std::vector<double> lo(nb);
  std::vector<double> hi(nb);
  tally.SetInner(b.p);
  for (std::size_t i = 0; i < a.p.size(); ++i) {
    const double alo = a.low[i];
    const double ahi = a.high[i];
    for (std::size_t j = 0; j < nb; ++j) image(alo, ahi, b.low[j], b.high[j], lo[j], hi[j]);
    tally.AddMonotoneRow(lo.data(), hi.data(), a.p[i], nb);
    if (tally.WithDistribution()) tally.AddEdges(lo.data(), hi.data(), a.p[i], b.p.data(), nb);
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
  if (code == kRepeatedSum) return detail::RepeatedSumBounds(request, result);
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

  Tally tally(result, request.threshold, request.distribution);
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
  bounds.cut = request.threshold == 0.0 && CannotFail(code, request.n) ? 0.0 : cut;
  bounds.lower = static_cast<double>(tally.LowerFailure()) * inside;
  bounds.upper = std::min(1.0, static_cast<double>(tally.UpperFailure()) + bounds.cut);
  if (!request.distribution) return bounds;
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
  if (nAB < 0.0) {
    // -Z fails where Z does not.
    scaled.lower = std::max(0.0, 1.0 - bounds.upper);
    scaled.upper = std::min(1.0, 1.0 - bounds.lower);
  }
  if (bounds.distribution.lower.empty()) return scaled;
  DistributionBounds& f = scaled.distribution;
  const std::size_t edges = f.lower.size();
  const int N = static_cast<int>(edges) - 1;
  if (nAB >= 0.0) {
    f.Min = bounds.distribution.Min * nAB;
    f.d = bounds.distribution.d * nAB;
    return scaled;
  }
  // Edge k of the mirrored grid is edge N - k.
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

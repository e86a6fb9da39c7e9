#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/engine.h"
#include "engine/arithmetic_faults.h"
#include "engine/grid.h"
#include "engine/operations.h"

namespace dorvex::engine::detail {

namespace {

constexpr int kResultCollapsesCode = 51;
constexpr int kDivisionByZeroInOperationCode = 52;
constexpr int kMinDiscreteIntervals = 4;
// A^n: a span of more widths than a 32-bit count holds gets a coarser first width.
constexpr double kLargestPowerCount = 2147483647.0;

bool IsDiscrete(model::HistogramType type) { return type == model::HistogramType::Discrete; }

// The image of a value's interval [lo, hi] under y = x^n (n != 0); an interval
// on which 1/x^|n| is unbounded has the value's own point as image.
Image PowerImage(double lo, double hi, double value, int n) {
  const double exponent = n;
  const double y = std::pow(value, exponent);
  if (!(lo < hi)) return Image{y, y, y};
  const bool straddles = lo < 0.0 && hi > 0.0;
  if (n < 0 && (straddles || lo == 0.0 || hi == 0.0)) return Image{y, y, y};
  const double atLo = std::pow(lo, exponent);
  const double atHi = std::pow(hi, exponent);
  // An even power is smallest at 0 when the interval holds it.
  const double low = n % 2 == 0 && straddles ? 0.0 : std::min(atLo, atHi);
  return Image{low, std::max(atLo, atHi), y};
}

// The image of every interval (value) of A under y = f(x).
template <class ImageOf>
std::array<Image, kMaxBins + 1> ImagesOf(const Points& points, ImageOf image) {
  std::array<Image, kMaxBins + 1> images{};
  for (int i = 1; i <= points.n; ++i) {
    images[i] = image(points.x[i] - points.half, points.x[i] + points.half, points.x[i]);
  }
  return images;
}

// The largest |y| of the images, for the tie tolerance.
double LargestImage(const std::array<Image, kMaxBins + 1>& images, int n) {
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) {
    largest = std::max({largest, std::fabs(images[i].lo), std::fabs(images[i].hi)});
  }
  return largest;
}

// Puts each value of A (probability P'A[i]) through y = f(x): with the grid set,
// the rules of the result type fixed from the largest value `top`, a Discrete
// result spreads it over the image of its interval, a Pure Discrete one places y
// by the point rule at q = scaled(y). Every value counts into the failure
// probability.
template <class ImageOf, class Scaled>
Status AccumulateValues(const Inputs& in, const Points& points, Work& w, ImageOf image,
                        Scaled scaled) {
  const std::array<Image, kMaxBins + 1> images = ImagesOf(points, image);
  SetDiscreteRules(w, in.type, w.Max, LargestImage(images, points.n));
  const IndexContext index;
  const double inverse = 1.0 / w.d;
  const bool spread = w.tie >= 0.0;
  for (int i = 1; i <= points.n; ++i) {
    const Image& m = images[i];
    const double p = (*points.p)[i];
    const Status stop = spread ? AddSpread(w, m.lo, m.hi, m.value, p, inverse, true, index)
                               : AddAt(w, scaled(m.value), m.value, p, true, index);
    if (stop) return stop;
    if (in.control.Step(i, points.n)) return Cancelled();
  }
  KeepHighestInterval(w);
  return std::nullopt;
}

// The grid of A^n: the rule of the result type, except that a span of more than
// 2^31 - 1 first widths is handled apart.
Status PowerGrid(const Inputs& in, Work& w) {
  w.Range = w.Max - w.Min;
  const double ratio = w.Range / w.d;
  if (!std::isfinite(ratio)) return Failure(*ArithmeticFaultError(numeric::FaultOf(ratio)));
  if (IsDiscrete(in.type)) {
    if (ratio > kLargestPowerCount) {
      w.N = kMaxBins;
      w.d = w.Range / (kMaxBins - 1);
      return std::nullopt;
    }
    return DiscreteGrid(w);
  }
  if (ratio > kLargestPowerCount) w.d = w.Range * 8 / kLargestPowerCount;
  long double count = 0.0L;
  if (auto stop = CountOfWidths(w.Range, w.d, count)) return stop;
  LimitPoints(w, count, in.pointLimit);
  return std::nullopt;
}

// The smallest gap between neighbouring distinct values of y[1..n]; 0 when all
// values are equal.
double SmallestGap(const std::array<double, kMaxBins + 1>& y, int n) {
  std::array<double, kMaxBins> sorted{};
  std::copy(y.begin() + 1, y.begin() + 1 + n, sorted.begin());
  std::sort(sorted.begin(), sorted.begin() + n);
  double gap = 0.0;
  for (int i = 1; i < n; ++i) {
    const double step = sorted[i] - sorted[i - 1];
    if (step > 0.0 && (gap == 0.0 || step < gap)) gap = step;
  }
  return gap;
}

}  // namespace

void CopyInput(const model::Histogram& a, Work& w) {
  w.N = std::clamp(a.N, 0, kMaxBins);
  w.P.fill(0.0);
  std::copy(a.P.begin() + 1, a.P.begin() + 1 + w.N, w.P.begin() + 1);
  w.Min = a.Min;
  w.Max = a.Max;
  w.d = a.d;
  w.Range = a.Range;
  w.highest = w.N;
  // The result is A' itself, so is its failure probability.
  w.failure = 0.0L;
  for (int i = 1; i <= w.N; ++i) {
    const double x = a.Min + (i - 1) * a.d;
    if (x < 0.0) {
      w.failure += w.P[i];
    } else if (x == 0.0) {
      w.failure += w.P[i] / 2.0L;
    }
  }
}

Status RunSquare(const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  const double atMin = a.Min * a.Min;
  const double atMax = a.Max * a.Max;
  w.Min = std::min(atMin, atMax);
  w.Max = std::max(atMin, atMax);
  if (a.Min < 0.0 && a.Max > 0.0) w.Min = 0.0;
  w.d = a.d * a.d;
  if (auto stop = GridOfType(w, in.type, in.pointLimit)) return stop;

  Points points;
  FillPoints(a, points);
  const auto square = [](double lo, double hi, double x) {
    const double atLo = lo * lo;
    const double atHi = hi * hi;
    const double low = lo < 0.0 && hi > 0.0 ? 0.0 : std::min(atLo, atHi);
    return Image{low, std::max(atLo, atHi), x * x};
  };
  return AccumulateValues(in, points, w, square, [&w](double y) { return y / w.d - w.Min / w.d; });
}

Status RunAbsolute(const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  Points points;
  FillPoints(a, points);
  const int n = points.n;

  long double count = n;
  if (a.Min < 0.0 && a.Max <= 0.0) {
    w.Min = -a.Max;
    w.Max = -a.Min;
  } else if (a.Min >= 0.0) {
    w.Min = a.Min;
    w.Max = a.Max;
  } else {
    // A spans zero: the negative side folds onto the positive one.
    w.Max = std::max(a.Max, -a.Min);
    if (IsDiscrete(in.type)) {
      // The first value of |A| is the one nearest to zero on either side.
      w.Min = std::fabs(points.x[1]);
      for (int i = 2; i <= n; ++i) w.Min = std::min(w.Min, std::fabs(points.x[i]));
      if (auto stop = CountOfWidths(w.Max - w.Min, a.d, count)) return stop;
      count += 1.0L;
    } else {
      int k = 0;
      while (k < n && points.x[k + 1] <= 0.0) ++k;
      w.Min = 0.0;
      count = -a.Min < a.Max ? n - k + 1 : k;
    }
  }
  w.Range = w.Max - w.Min;
  if (IsDiscrete(in.type)) {
    count = std::clamp(count, static_cast<long double>(kMinDiscreteIntervals),
                       static_cast<long double>(kMaxBins));
    w.N = static_cast<std::int32_t>(count);
    w.d = w.Range > 0.0 ? w.Range / (w.N - 1) : a.d;
  } else {
    w.d = a.d;
    LimitPoints(w, count, in.pointLimit);
  }

  const auto absolute = [](double lo, double hi, double x) {
    if (lo >= 0.0) return Image{lo, hi, std::fabs(x)};
    if (hi <= 0.0) return Image{-hi, -lo, std::fabs(x)};
    return Image{0.0, std::max(-lo, hi), std::fabs(x)};
  };
  return AccumulateValues(in, points, w, absolute, [&w](double y) { return (y - w.Min) / w.d; });
}

Status RunPower(const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  if (in.n == 1) {
    CopyInput(a, w);
    return std::nullopt;
  }
  const double exponent = in.n;
  Points points;
  FillPoints(a, points);
  const int n = points.n;
  std::array<double, kMaxBins + 1> y{};

  if (in.n < 0) {
    // The values a_i^n themselves, on a grid over their span whose first width
    // is the smallest gap between neighbouring values.
    for (int i = 1; i <= n; ++i) {
      if (points.x[i] == 0.0) return Failure(kDivisionByZeroInOperationCode);
    }
    for (int i = 1; i <= n; ++i) y[i] = std::pow(points.x[i], exponent);
    w.Min = *std::min_element(y.begin() + 1, y.begin() + 1 + n);
    w.Max = *std::max_element(y.begin() + 1, y.begin() + 1 + n);
    if (w.Min == w.Max) return Failure(kResultCollapsesCode);
    w.d = SmallestGap(y, n);
  } else {
    for (int i = 1; i <= n; ++i) y[i] = std::pow(points.x[i], exponent);
    const double atMin = std::pow(a.Min, exponent);
    const double atMax = std::pow(a.Max, exponent);
    w.Min = std::min(atMin, atMax);
    w.Max = std::max(atMin, atMax);
    if (w.Min == w.Max && n > 0) {
      // Equal end powers: the span of all powers, so every value lands in the grid.
      w.Min = *std::min_element(y.begin() + 1, y.begin() + 1 + n);
      w.Max = *std::max_element(y.begin() + 1, y.begin() + 1 + n);
    }
    if (in.n % 2 == 0 && a.Min < 0.0 && a.Max > 0.0) w.Min = 0.0;
    w.d = std::pow(a.d, exponent);
  }
  if (auto stop = PowerGrid(in, w)) return stop;

  const int exponentN = in.n;
  const auto power = [exponentN](double lo, double hi, double x) {
    return PowerImage(lo, hi, x, exponentN);
  };
  return AccumulateValues(in, points, w, power, [&w](double y) { return y / w.d - w.Min / w.d; });
}

}  // namespace dorvex::engine::detail

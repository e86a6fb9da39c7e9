#pragma once
// Histograms built from their values and probabilities or from a distribution
// function, for tests, and what a test measures on a result.

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/histogram.h"

namespace dorvex::test_support {

// N values Min, Min + d, ... with the given probabilities; Total 1000.
inline model::Histogram MakeHistogram(model::HistogramType type, double min, double d,
                                      const std::vector<double>& p) {
  model::Histogram h;
  h.Type = type;
  h.N = static_cast<int>(p.size());
  h.Min = min;
  h.d = d;
  h.Max = min + (h.N - 1) * d;
  h.Range = h.Max - h.Min;
  h.Total = 1000.0L;
  std::copy(p.begin(), p.end(), h.P.begin() + 1);
  return h;
}

// A Discrete histogram of n intervals between the outer edges lo and hi, each with
// the probability the distribution function cdf gives it there (normalised to the
// span); its values are the mid-points.
template <class Cdf>
model::Histogram FromCdf(double lo, double hi, int n, Cdf cdf) {
  const double d = (hi - lo) / n;
  std::vector<double> p(n);
  const double below = cdf(lo);
  const double span = cdf(hi) - below;
  for (int i = 0; i < n; ++i) p[i] = (cdf(lo + (i + 1) * d) - cdf(lo + i * d)) / span;
  return MakeHistogram(model::HistogramType::Discrete, lo + d / 2, d, p);
}

// The uniform distribution function on lo .. hi.
inline auto UniformCdf(double lo, double hi) {
  return [lo, hi](double x) { return std::clamp((x - lo) / (hi - lo), 0.0, 1.0); };
}

// The normal distribution function.
inline auto NormalCdf(double mean, double sigma) {
  return [mean, sigma](double x) { return 0.5 * std::erfc((mean - x) / (sigma * std::sqrt(2.0))); };
}

// Intervals with probability 0 between the first and the last interval.
inline int EmptyIntervalsInside(const model::Histogram& h) {
  int empty = 0;
  for (int k = 2; k < h.N; ++k) empty += h.P[k] == 0.0 ? 1 : 0;
  return empty;
}

// The largest gap between the distribution function of a Discrete histogram and
// `exact`, at the upper edge of each interval but the last (which holds whatever
// lies beyond the grid).
template <class Cdf>
double LargestCdfGap(const model::Histogram& h, Cdf exact) {
  double reached = 0.0;
  double gap = 0.0;
  for (int k = 1; k < h.N; ++k) {
    reached += h.P[k];
    gap = std::max(gap, std::fabs(reached - exact(h.Min + (k - 0.5) * h.d)));
  }
  return gap;
}

// Mean and standard deviation of a histogram's values.
struct Moments {
  double mean = 0.0;
  double sigma = 0.0;
};

inline Moments MomentsOf(const model::Histogram& h) {
  long double sum = 0.0L;
  long double mean = 0.0L;
  for (int k = 1; k <= h.N; ++k) {
    sum += h.P[k];
    mean += h.P[k] * static_cast<long double>(h.Min + (k - 1) * h.d);
  }
  mean /= sum;
  long double variance = 0.0L;
  for (int k = 1; k <= h.N; ++k) {
    const long double x = h.Min + (k - 1) * h.d - mean;
    variance += h.P[k] * x * x;
  }
  return Moments{static_cast<double>(mean), static_cast<double>(std::sqrt(variance / sum))};
}

// The value of the largest probability (the first on ties).
inline double ModeOf(const model::Histogram& h) {
  const auto top = std::max_element(h.P.begin() + 1, h.P.begin() + 1 + h.N);
  return h.Min + (top - (h.P.begin() + 1)) * h.d;
}

}  // namespace dorvex::test_support

#pragma once
// Inputs the benchmarks share.

#include <algorithm>

#include "model/histogram.h"

namespace dorvex::bench {

// A Discrete, bell-shaped (triangular) histogram of n intervals on min .. max.
inline model::Histogram Bell(int n, double min, double max) {
  model::Histogram h;
  h.Type = model::HistogramType::Discrete;
  h.N = n;
  h.Min = min;
  h.Max = max;
  h.d = (max - min) / (n - 1);
  h.Range = max - min;
  h.Total = 1e6L;
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) sum += h.P[i] = std::min(i, n + 1 - i);
  for (int i = 1; i <= n; ++i) h.P[i] /= sum;
  return h;
}

}  // namespace dorvex::bench

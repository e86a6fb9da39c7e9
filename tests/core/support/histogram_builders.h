#pragma once
// Histograms built from their values and probabilities, for tests.

#include <algorithm>
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

}  // namespace dorvex::test_support

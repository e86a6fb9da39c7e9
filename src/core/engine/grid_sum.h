#pragma once
// The sum of two independent histograms accumulated into a grid the caller fixes,
// by the engine's own A + B accumulation.

#include <cstdint>
#include <optional>

#include "model/histogram.h"
#include "model/report_error.h"

namespace dorvex::engine {

// A grid of `count` intervals centred on min + (k - 1) * width, k = 1..count.
struct SumGrid {
  double min = 0.0;
  double width = 0.0;
  std::int32_t count = 0;
};

struct GridSumOutcome {
  // Untrimmed, P[1..N], Type Discrete, Max the value of interval N, Range Max - Min;
  // Total is left 0 for the caller.
  std::optional<model::Histogram> histogram;
  std::optional<model::ModelError> error;  // an index outside 1..1024 (message 130) or a fault
};

// Every pair a_i + b_j with probability P_a[i] * P_b[j] goes to the interval of the
// grid nearest to it; as a Discrete result, a sum halfway between two intervals
// splits evenly between them.
GridSumOutcome SumOnGrid(const model::Histogram& a, const model::Histogram& b, const SumGrid& grid);

}  // namespace dorvex::engine

#include "engine/grid_sum.h"

#include <string>

#include "engine/accumulation.h"
#include "engine/operations.h"

namespace dorvex::engine {

GridSumOutcome SumOnGrid(const model::Histogram& a, const model::Histogram& b, const SumGrid& grid) {
  GridSumOutcome outcome;
  if (!(grid.count >= 1 && grid.count <= kMaxBins && grid.width > 0.0)) {
    outcome.error = model::ModelError{0, std::to_string(grid.count), {}, 130};
    return outcome;
  }
  detail::Work work;
  detail::Work* const w = &work;
  w->Min = grid.min;
  w->d = grid.width;
  w->N = grid.count;
  w->Max = grid.min + (grid.count - 1) * grid.width;
  w->Range = w->Max - w->Min;
  detail::StepControl step;
  step.failure = false;
  if (auto stop = detail::CombineOnGrid(detail::Combination::Sum, a, b, model::HistogramType::Discrete,
                                        step, *w)) {
    outcome.error = stop->error;
    return outcome;
  }
  outcome.histogram = detail::HistogramOf(*w, model::HistogramType::Discrete);
  outcome.histogram->Total = 0.0L;
  return outcome;
}

}  // namespace dorvex::engine

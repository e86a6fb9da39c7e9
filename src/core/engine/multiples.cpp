#include "engine/multiples.h"

#include <cmath>

namespace dorvex::engine {

std::optional<model::ModelError> CheckInputMultiple(double n, model::HistogramType type,
                                                    model::SlotId slot) {
  if (n == 0.0) return model::ModelError{25, {}, {}, 0};
  // A Pure Discrete histogram's points must stay on an integer lattice.
  if (type == model::HistogramType::PureDiscrete && n != std::trunc(n))
    return model::ModelError{40, {}, {}, 0};
  if (std::fabs(n) < 0.01) return model::ModelError{slot == model::SlotId::A ? 37 : 38, {}, {}, 0};
  return std::nullopt;
}

double FailureProbabilityOf(const model::Histogram& h) {
  long double pf = 0.0L;
  for (int i = 1; i <= h.N && i <= kMaxBins; ++i) {
    const double x = h.Min + (i - 1) * h.d;
    if (x < 0) pf += h.P[i];
    else if (x == 0) pf += h.P[i] / 2;
  }
  return static_cast<double>(pf);
}

}  // namespace dorvex::engine

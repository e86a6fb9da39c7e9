#pragma once
// The checks a multiple of an input or of the result must pass before it is applied.

#include <optional>

#include "model/histogram.h"
#include "model/report_error.h"

namespace dorvex::engine {

// Why a multiple n of input slot A or B cannot be taken as typed: 0 (code 25), a
// fraction on a Pure Discrete slot (code 40), |n| below 0.01 (code 37 for A, 38 for
// B). Empty when n can be applied. Negative multiples are allowed.
std::optional<model::ModelError> CheckInputMultiple(double n, model::HistogramType type,
                                                    model::SlotId slot);

// The failure probability of a histogram as it stands: P(X < 0) plus half of
// P(X = 0), over its values Min + (i - 1) d.
double FailureProbabilityOf(const model::Histogram& h);

}  // namespace dorvex::engine

#pragma once
// Inside the engine: the bounds of the n-fold sum of independent copies of A.
// Two chains double as the value does: one with every interval's probability at
// its lower edge and every partial sum placed by rounding down onto its grid, one
// at the upper edges rounding up. Rounding outward keeps each partial a
// stochastic bound of the true partial sum, so the bounds hold for any n, in time
// growing with log2 n. Not for use outside src/core/engine.

#include "engine/bounds.h"
#include "model/histogram.h"

namespace dorvex::engine::detail {

// The most points a partial sum of a chain keeps: every combination of two
// partials costs the product of their points.
inline constexpr int kChainPoints = 2048;

// The bounds of the sum of request.n >= 1 copies of *request.a (its cut widening
// them) on the grid of `result`. NotComputed for an A without a usable grid.
FailureBounds RepeatedSumBounds(const BoundsRequest& request, const model::Histogram& result);

}  // namespace dorvex::engine::detail

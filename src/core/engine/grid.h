#pragma once
// Inside the engine: the two grid rules that fix the result's interval count and
// class width from its span and a first class width.

#include "engine/accumulation.h"
#include "model/histogram.h"

namespace dorvex::engine::detail {

// The limit of points of a Pure Discrete result, taken within 2..1022: rounding
// can carry the largest value up to two intervals past the limit, and every
// index must stay within the 1024 intervals.
int ClampPointLimit(int limit);

// Discrete result, Min and Max its outer edges, d a first width: Range = Max - Min,
// N = Round(Range / d) limited to 4..1024, d = Range / N. When N is 1024 and the
// largest value `top` would round to index 1025, d = Range / 1023 instead, so no
// value falls off the grid. Stops on an arithmetic fault (d = 0, non-finite span).
Status DiscreteGrid(Work& w, double top);
// The same for an operation whose largest value is Max itself.
Status DiscreteGrid(Work& w);

// Pure Discrete result, Min and Max its extreme points, d a first width:
// Range = Max - Min, N = Round(Range / d) + 1, then LimitPoints. Max is kept.
Status PureDiscreteGrid(Work& w, int limit);

// The grid rule of `type`; `top` is the largest value for the Discrete rule.
Status GridOfType(Work& w, model::HistogramType type, int limit, double top);
// The same for an operation whose largest value is Max itself.
Status GridOfType(Work& w, model::HistogramType type, int limit);

// Steps 2..4 of the Pure Discrete rule from a first point count: make it even,
// halve it (doubling d) while it exceeds the limit, make it even again.
void LimitPoints(Work& w, long double count, int limit);

// Range / d as a count, Round(Range / d); counts beyond the 64-bit range keep
// their (integral) size. Stops on an arithmetic fault.
Status CountOfWidths(double range, double d, long double& count);

}  // namespace dorvex::engine::detail

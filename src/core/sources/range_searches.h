#pragma once
// The range searches: from a start point x0, in steps h, find a range Min..Max
// that holds all but a negligible tail of a density.

#include "numeric/fp_fault.h"
#include "sources/distribution.h"
#include "sources/range_walk.h"

namespace dorvex::sources {

// The range a search found, or why it ended without one.
struct SearchResult {
  long double Min = 0.0L;
  long double Max = 0.0L;
  numeric::FpFault fault = numeric::FpFault::None;  // OtherMath: a walk that never ends
};

// One found point (a mode), or the fault that ended the climb.
struct PointResult {
  long double x = 0.0L;
  numeric::FpFault fault = numeric::FpFault::None;
};

// T = f(x0) * eps; Max (Min) is the first x0 + j*h (x0 - j*h), j >= 0, with f <= T.
SearchResult TwoSidedRelative(const Density& f, long double x0, long double h, long double eps);
// Max (Min) is the first x0 + j*h (x0 - j*h) with |f / f(x0)| <= eps; the leftward
// walk also stops where f equals f(x0) exactly (j >= 1).
SearchResult RatioSearch(const Density& f, long double x0, long double h, long double eps);
// Absolute test f <= eps; each walk also stops where f equals the previous value,
// and the leftward one at the first negative x (which becomes Min).
SearchResult PositiveSupport(const Density& f, long double x0, long double h, long double eps);
// From start, step up by h while the density does not decrease (strict: while it
// increases); the mode is the last point before the decrease.
PointResult ModeClimb(const Density& f, long double start, long double h, bool strict);
// Min = x0; T = f(x0) * factor; step right until f <= T (flatStop: or f equals the
// previous value); Max is that point minus one step.
SearchResult RightTail(const Density& f, long double x0, long double h, long double factor,
                       bool flatStop);

}  // namespace dorvex::sources

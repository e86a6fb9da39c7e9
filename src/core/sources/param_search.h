#pragma once
// The range searches: from a start point x0, in steps h, find a range Min..Max
// that holds all but a negligible tail of a density.

#include "numeric/fp_fault.h"
#include "sources/param_densities.h"

namespace dorvex::sources {

// One density value, or the fault its evaluation raised.
struct Probe {
  long double value = 0.0L;
  numeric::FpFault fault = numeric::FpFault::None;
};

// f(x) with its fault: a raised flag or a non-finite value. The fault flags must
// be clear on entry.
Probe Evaluate(const Density& f, long double x);

// The range a search found, or why it ended without one.
struct SearchResult {
  long double Min = 0.0L;
  long double Max = 0.0L;
  numeric::FpFault fault = numeric::FpFault::None;  // OtherMath: a walk that never ends
  bool fitFailed = false;                            // a fitting-mode walk rejected the fit
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
// Beta_v_nule on [0, 1], step 0.001: T = f(mode) * eps; Min (Max) is the first
// point left (right) of the mode with f <= T; reaching 0 (1) keeps that bound.
SearchResult BoundedUnit(const Density& f, long double mode, long double eps);
// Beta_obecné on [a, b], step 0.0001: the mode by climbing from a (a point at or
// beyond b has density 0); T = f(mode) * eps; Min (Max) is the last point left
// (right) of the mode still above T; reaching a (b) keeps that bound. The right
// walk also stops where f stops changing; in fitting mode either walk meeting an
// unchanged f rejects the fit.
SearchResult BoundedAB(const Density& f, long double a, long double b, long double eps,
                       bool fitting);
// Min = x0; T = f(x0) * factor; step right until f <= T (flatStop: or f equals the
// previous value); Max is that point minus one step.
SearchResult RightTail(const Density& f, long double x0, long double h, long double factor,
                       bool flatStop);

}  // namespace dorvex::sources

#pragma once
// One parametric distribution turned into a histogram of N equal intervals, on an
// explicit computation state: the parameters read and checked, the density
// prepared, its range found, discretised and totalled, through the type's
// descriptor (sources/distribution.h).

#include <optional>

#include "sources/parametric_state.h"
#include "statvex/probability_array.h"
#include "texts/language.h"

namespace dorvex::sources {

// Runs one computation on `state` (texts of refusals in `language`). Empty on
// success: Min, Max, w, P[1..N], Total and step are set and ok is true. On a refusal
// ok is false and the previous results stay; the refusal says what to show and
// which parameter field gets the focus. Refusals in fitting mode are not shown,
// except an arithmetic fault, which always fails the run.
std::optional<ParamRefusal> ComputeParametricHistogram(ParamState& state, texts::Language language);

// The Total step on normalised probabilities P[1..N]: R = sum of 1/P[i] over the
// non-zero P[i], divided by 10 until it fits a 64-bit integer; every P[i] with
// round(R * P[i]) = 0 becomes 0. Returns 1/min(P[1], P[N]), or R when that is 0.
long double ApplyTotalRule(ProbabilityArray& P, int N);

}  // namespace dorvex::sources

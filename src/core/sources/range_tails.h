#pragma once
// How much probability a computed range leaves out at each end: small failure
// probabilities depend on these tails, so the user is shown them.

#include "sources/distribution.h"
#include "sources/parametric_state.h"

namespace dorvex::sources {

// The tails of the distribution of `type` with parameters p outside Min..Max: from
// the type's distribution function when it has one, else by integrating its density
// over the support outside the range, relative to the whole. Each in 0 .. 1.
CutTails CutByRange(int type, const Parameters& p, long double Min, long double Max);

// The same by integrating the density, whatever the type.
CutTails IntegratedCutTails(int type, const Parameters& p, long double Min, long double Max);

// The tails of a successful computation (its parameters and range).
CutTails CutByRange(const ParamState& state);

}  // namespace dorvex::sources

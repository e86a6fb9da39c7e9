// Pareto: the power-law tail from Xm with index k.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct ParetoDensity {
  long double k, K;  // K = k Xm^k

  long double At(long double x) const { return K / Pow(x, k + 1.0L); }
};

Prepared Prepare(const Parameters& p) { return {Density(ParetoDensity{p[1], p[1] * Pow(p[0], p[1])}), {}}; }

// From Xm rightwards; the step shrinks with a steep tail and a small Xm.
RangeOutcome Range(const RangeInputs& in) {
  const long double xm = in.p[0], k = in.p[1];
  long double h = 0.1L;
  if (k > 1.0L) h /= k;
  if (xm < 1.0L) h *= xm;
  return Searched(RightTail(in.f, xm, h, in.eps, true), h);
}

}  // namespace

constinit const Distribution kParetoType = {
    .listText = "Pareto",
    .labels = {"Xm", "k"},
    .mustBePositive = {true, true},
    .captionSuffix = " F (x | xm,k)",
    .prepare = Prepare,
    .range = Range,
};

}  // namespace dorvex::sources

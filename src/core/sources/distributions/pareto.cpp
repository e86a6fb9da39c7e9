// Pareto: the power-law tail from Xm with index k.

#include <limits>

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

// F(x) = 1 - (Xm / x)^k from Xm on.
CutTails Cut(const Parameters& p, long double Min, long double Max) {
  return {Min <= p[0] ? 0.0L : -std::expm1(p[1] * std::log(p[0] / Min)),
          Max <= p[0] ? 1.0L : std::pow(p[0] / Max, p[1])};
}

Support FromXm(const Parameters& p) { return {p[0], std::numeric_limits<long double>::infinity()}; }

}  // namespace

constinit const Distribution kParetoType = {
    .listText = "Pareto",
    .labels = {"Xm", "k"},
    .mustBePositive = {true, true},
    .captionSuffix = " F (x | xm,k)",
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .support = FromXm,
};

}  // namespace dorvex::sources

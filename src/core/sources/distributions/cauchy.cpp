// Cauchy: the bell with tails of 1/x^2, centred on Xo with half-width Gama. It has
// no moments, so it cannot be fitted to a sample.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct CauchyDensity {
  long double x0, gamma, D;  // D = pi Gama

  long double At(long double x) const {
    const long double z = (x - x0) / gamma;
    return 1.0L / ((z * z + 1.0L) * D);
  }
};

Prepared Prepare(const Parameters& p) { return {Density(CauchyDensity{p[0], p[1], kPi * p[1]}), {}}; }

RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.001L;
  RangeOutcome r = Searched(TwoSidedRelative(in.f, in.p[0], h, in.eps), h);
  WidenToData(r, in.fit);
  return r;
}

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  return {std::atan2(1.0L, (p[0] - Min) / p[1]) / kPi, std::atan2(1.0L, (Max - p[0]) / p[1]) / kPi};
}

}  // namespace

constinit const Distribution kCauchyType = {
    .listText = "Cauchy",
    .labels = {"Xo", "Gama"},
    .mustBePositive = {false, true},
    .captionSuffix = " F (x | Xo,gama)",
    // The slow tails would make the range very wide at the field's Eps.
    .epsFactor = 10.0L,
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
};

}  // namespace dorvex::sources

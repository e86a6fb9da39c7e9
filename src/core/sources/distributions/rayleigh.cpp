// Rayleigh: the length of a two-dimensional normal vector with deviation Sigma.

#include <limits>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct RayleighDensity {
  long double sigma, D;  // D = Sigma^2

  long double At(long double x) const {
    const long double t = x / sigma;
    return Exp(-0.5L * (t * t)) * x / D;
  }
};

Prepared Prepare(const Parameters& p) { return {Density(RayleighDensity{p[0], p[0] * p[0]}), {}}; }

RangeOutcome Range(const RangeInputs& in) {
  return PositiveFromZero(in.f, in.p[0], in.p[0] * 0.001L, in.eps);
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  t[0] = DeviationText(sample.fit);
  return Fitted("Sigma=" + t[0] + ")");
}

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const auto half = [&](long double x) { return 0.5L * (x / p[0]) * (x / p[0]); };
  return {Min <= 0.0L ? 0.0L : -std::expm1(-half(Min)), Max <= 0.0L ? 1.0L : std::exp(-half(Max))};
}

}  // namespace

constinit const Distribution kRayleighType = {
    .listText = "Rayleigh",
    .labels = {"Sigma"},
    .mustBePositive = {true, false},
    .captionSuffix = " F (x | Sigma)",
    .epsFactor = 0.01L,
    .prepare = Prepare,
    .range = Range,
    .emptyBelowZero = true,
    .cut = Cut,
    .support = PositiveAxis,
    .fit = Fit,
};

}  // namespace dorvex::sources

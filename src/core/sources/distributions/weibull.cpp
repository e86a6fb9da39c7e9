// Weibull: shape k and scale lambda on x >= 0.

#include <algorithm>

#include <limits>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;
using numeric::FpFault;

struct WeibullDensity {
  long double k, lambda;

  long double At(long double x) const {
    const long double t = x / lambda;
    return Pow(t, k - 1.0L) * (k / lambda) * Exp(-Pow(t, k));
  }
};

Prepared Prepare(const Parameters& p) { return {Density(WeibullDensity{p[0], p[1]}), {}}; }

// From the mode (for k <= 1 just right of 0, where the density is largest) out to
// where the density is negligible; the support starts at 0. A fitted shape's mode
// is found by climbing.
RangeOutcome Range(const RangeInputs& in) {
  const long double k = in.p[0], lambda = in.p[1];
  const long double h = 0.001L * (lambda > 1.0L ? std::max(k, lambda) : std::min(k, lambda));
  long double mode = 0.00001L;
  if (in.fit) {
    const PointResult climbed = ModeClimb(in.f, 0.000001L, h, false);
    if (climbed.fault != FpFault::None) return FaultedRange(climbed.fault);
    mode = climbed.x;
  } else if (k > 1.0L) {
    mode = lambda * Pow((k - 1.0L) / k, 1.0L / k);
  }
  return PositiveFromZero(in.f, mode, h, in.eps);
}

// The shape comes from the shape scan; the scale gives the sample mean.
FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double k = sample.fit.weibullK;
  const long double lambda = static_cast<long double>(sample.fit.m) / Gamma(1.0L / k + 1.0L);
  if (const FpFault f = FaultAmong({lambda}); f != FpFault::None) return FaultedFit(f);
  t[0] = Fixed5(k);
  t[1] = Fixed5(lambda);
  return Fitted("k=" + t[0] + ", Lambda=" + t[1] + ")");
}

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const auto power = [&](long double x) { return std::pow(x / p[1], p[0]); };
  return {Min <= 0.0L ? 0.0L : -std::expm1(-power(Min)), Max <= 0.0L ? 1.0L : std::exp(-power(Max))};
}

}  // namespace

constinit const Distribution kWeibullType = {
    .listText = "Weibull",
    .labels = {"k", "lambda"},
    .mustBePositive = {true, true},
    .captionSuffix = " F (x | k,lambda)",
    .epsFieldShown = [](long double k, long double) { return k >= 1.0L; },
    .epsFactor = 0.01L,
    .prepare = Prepare,
    .range = Range,
    .emptyBelowZero = true,
    .cut = Cut,
    .support = PositiveAxis,
    .fit = Fit,
};

}  // namespace dorvex::sources

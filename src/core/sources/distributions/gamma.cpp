// Gama: the gamma distribution with shape k and scale theta on x >= 0.

#include <limits>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;
using numeric::FpFault;

struct GammaDensity {
  long double k, theta, D;  // D = theta^k gamma(k)

  long double At(long double x) const { return Pow(x, k - 1.0L) * Exp(-x / theta) / D; }
};

// The range search starts at the mode (k - 1) theta, which must not be negative.
std::optional<ConditionRefusal> Check(const Parameters& p) {
  if (p[0] < 1.0L) return ConditionRefusal{509, "(k-1).theta >= 0   !", 1};
  return std::nullopt;
}

Prepared Prepare(const Parameters& p) {
  const long double D = Pow(p[1], p[0]) * Gamma(p[0]);
  Prepared prepared{Density(GammaDensity{p[0], p[1], D}), {}};
  if (D == 0.0L) prepared.refusal = ConstantRefusal{0, 0};
  return prepared;
}

// From the mode; the Min found is kept. A peak already below the threshold leaves
// no range.
RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.001L;
  RangeOutcome r = Searched(PositiveSupport(in.f, (in.p[0] - 1.0L) * in.p[1], h, in.eps), h);
  if (r.fault == FpFault::None && r.Min == r.Max) r.message = 190;
  return r;
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double m = sample.fit.m, s = sample.fit.s;
  const long double k = m * m / (s * s);
  const long double theta = s * s / m;
  if (const FpFault f = FaultAmong({k, theta}); f != FpFault::None) return FaultedFit(f);
  t[0] = Fixed5(k);
  t[1] = Fixed5(theta);
  return Fitted("k=" + t[0] + ",theta=" + t[1] + ")");
}

}  // namespace

constinit const Distribution kGammaType = {
    .listText = "Gama",
    .labels = {"k", "theta"},
    .mustBePositive = {true, true},
    .captionSuffix = " F (x | k,theta)",
    .epsFactor = 0.00001L,
    .check = Check,
    .prepare = Prepare,
    .range = Range,
    .emptyBelowZero = true,
    .support = PositiveAxis,
    .fit = Fit,
};

}  // namespace dorvex::sources

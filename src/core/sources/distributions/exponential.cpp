// Exponencials (Exponenciální): exponential weights of scale delta, counted from
// x = delta on.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct ExponentialDensity {
  long double delta;

  long double At(long double x) const { return Exp(-x / delta) * (1.0L / delta); }
};

Prepared Prepare(const Parameters& p) { return {Density(ExponentialDensity{p[0]}), {}}; }

RangeOutcome Range(const RangeInputs& in) {
  const long double h = 0.1L * in.p[0];
  return Searched(RightTail(in.f, in.p[0], h, in.eps, false), h);
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  t[0] = MeanText(sample.fit);
  return Fitted("delta=" + t[0] + ")");
}

}  // namespace

constinit const Distribution kExponentialType = {
    .listText = "Exponencials",
    .listMessage = 92,
    .labels = {"delta"},
    .mustBePositive = {true, false},
    .captionSuffix = " F (x | delta)",
    .prepare = Prepare,
    .range = Range,
    .fit = Fit,
};

}  // namespace dorvex::sources

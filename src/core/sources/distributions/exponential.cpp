// Exponencials (Exponenciální): exponential weights of scale delta, counted from
// x = delta on.

#include <algorithm>
#include <limits>

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

// The distribution is the density from delta on, an exponential shifted by delta.
CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const long double from = std::max(p[0], 0.0L);
  const auto above = [&](long double x) { return x <= from ? 1.0L : std::exp(-(x - from) / p[0]); };
  return {1.0L - above(Min), above(Max)};
}

Support FromDelta(const Parameters& p) { return {std::max(p[0], 0.0L), std::numeric_limits<long double>::infinity()}; }

}  // namespace

constinit const Distribution kExponentialType = {
    .listText = "Exponencials",
    .listMessage = 92,
    .labels = {"delta"},
    .mustBePositive = {true, false},
    .captionSuffix = " F (x | delta)",
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .support = FromDelta,
    .fit = Fit,
};

}  // namespace dorvex::sources

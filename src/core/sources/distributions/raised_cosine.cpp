// Raised-cosine: one period of a cosine lifted onto zero, centred on Mi with
// half-width s.

#include <algorithm>
#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

// Variance of the raised cosine on [mu - s, mu + s] divided by s^2: 1/3 - 2/pi^2.
constexpr long double kVariancePerWidth2 = 0.13069096604865779046L;

struct RaisedCosineDensity {
  long double mu, s;

  long double At(long double x) const { return (1.0L + std::cos(kPi * (x - mu) / s)) / 2.0L / s; }
};

Prepared Prepare(const Parameters& p) { return {Density(RaisedCosineDensity{p[0], p[1]}), {}}; }

// The whole support; it stays even on a user range.
RangeOutcome Range(const RangeInputs& in) { return FixedRange(in.p[0] - in.p[1], in.p[0] + in.p[1]); }

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double s = sample.fit.s;
  const long double width = std::sqrt(s * s / kVariancePerWidth2);
  if (const auto f = FaultAmong({width}); f != numeric::FpFault::None) return FaultedFit(f);
  t[0] = MeanText(sample.fit);
  t[1] = Fixed5(width);
  return Fitted("Mi=" + t[0] + ",s=" + t[1] + ")");
}

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const auto below = [&](long double x) {
    const long double z = std::clamp((x - p[0]) / p[1], -1.0L, 1.0L);
    return (1.0L + z + std::sin(kPi * z) / kPi) / 2.0L;
  };
  return {below(Min), below(2.0L * p[0] - Max)};
}

Support Width(const Parameters& p) { return {p[0] - p[1], p[0] + p[1]}; }

}  // namespace

constinit const Distribution kRaisedCosineType = {
    .listText = "Raised-cosine",
    .labels = {"Mi", "s"},
    .mustBePositive = {false, true},
    .captionSuffix = " F (x | Mi,s)",
    .prepare = Prepare,
    .userRangeReplacesRange = false,
    .range = Range,
    .cut = Cut,
    .support = Width,
    .fit = Fit,
};

}  // namespace dorvex::sources

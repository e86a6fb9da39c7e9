// Laplace: the double exponential centred on Mi with scale b.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct LaplaceDensity {
  long double mu, b, D;  // D = 2 b

  long double At(long double x) const { return Exp(-std::fabs(x - mu) / b) / D; }
};

Prepared Prepare(const Parameters& p) { return {Density(LaplaceDensity{p[0], p[1], 2.0L * p[1]}), {}}; }

RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.001L;
  if (auto kept = DataRangeWhereNegligible(in, in.p[0], h)) return *kept;
  return Searched(TwoSidedRelative(in.f, in.p[0], h, in.eps), h);
}

// The fit has no description.
FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  t[0] = MeanText(sample.fit);
  t[1] = Fixed5(static_cast<long double>(sample.fit.s) / std::sqrt(2.0L));
  return Fitted("");
}

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const auto below = [&](long double x) {
    const long double t = (x - p[0]) / p[1];
    return t < 0.0L ? 0.5L * std::exp(t) : 1.0L - 0.5L * std::exp(-t);
  };
  return {below(Min), below(2.0L * p[0] - Max)};
}

}  // namespace

constinit const Distribution kLaplaceType = {
    .listText = "Laplace",
    .labels = {"Mi", "b"},
    .mustBePositive = {false, true},
    .captionSuffix = " F (x | Mi,b)",
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .fit = Fit,
};

}  // namespace dorvex::sources

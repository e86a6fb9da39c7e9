// Fisher-Tippett: the extreme-value distribution of largest values with location
// Mi (its mode) and scale Beta.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct FisherTippettDensity {
  long double mu, beta;

  long double At(long double x) const {
    const long double e = Exp((mu - x) / beta);
    return e * Exp(-e) / beta;
  }
};

Prepared Prepare(const Parameters& p) { return {Density(FisherTippettDensity{p[0], p[1]}), {}}; }

RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.001L;
  if (auto kept = DataRangeWhereExpNegligible(in, h)) return *kept;
  RangeOutcome r = Searched(RatioSearch(in.f, in.p[0], h, in.eps), h);
  WidenToData(r, in.fit);
  return r;
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double beta = std::sqrt(6.0L) * static_cast<long double>(sample.fit.s) / kPi;
  t[0] = MeanText(sample.fit);
  t[1] = Fixed5(beta);
  return Fitted("Mi=" + t[0] + ",Beta=" + t[1] + ")");
}

// F(x) = exp(-exp((Mi - x) / Beta)).
CutTails Cut(const Parameters& p, long double Min, long double Max) {
  return {std::exp(-std::exp((p[0] - Min) / p[1])), -std::expm1(-std::exp((p[0] - Max) / p[1]))};
}

}  // namespace

constinit const Distribution kFisherTippettType = {
    .listText = "Fisher-Tippett",
    .labels = {"Mi", "Beta"},
    .mustBePositive = {false, true},
    .captionSuffix = " F (x | Mi,beta)",
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .fit = Fit,
};

}  // namespace dorvex::sources

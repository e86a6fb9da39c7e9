// Logistic: the bell of the logistic function's slope, centred on Mi with scale s.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct LogisticDensity {
  long double mu, s;

  long double At(long double x) const {
    const long double e = Exp(-(x - mu) / s);
    return e / ((e + 1.0L) * s * (e + 1.0L));
  }
};

Prepared Prepare(const Parameters& p) { return {Density(LogisticDensity{p[0], p[1]}), {}}; }

RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.001L;
  if (auto kept = DataRangeWhereExpNegligible(in, h)) return *kept;
  return Searched(TwoSidedRelative(in.f, in.p[0], h, in.eps), h);
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double scale = std::sqrt(3.0L) * static_cast<long double>(sample.fit.s) / kPi;
  t[0] = MeanText(sample.fit);
  t[1] = Fixed5(scale);
  return Fitted("Mi=" + t[0] + ", s=" + t[1] + ")");
}

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  return {1.0L / (1.0L + std::exp((p[0] - Min) / p[1])), 1.0L / (1.0L + std::exp((Max - p[0]) / p[1]))};
}

}  // namespace

constinit const Distribution kLogisticType = {
    .listText = "Logistic",
    .labels = {"Mi", "s"},
    .mustBePositive = {false, true},
    .captionSuffix = " F (x | Mi,s)",
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .fit = Fit,
};

}  // namespace dorvex::sources

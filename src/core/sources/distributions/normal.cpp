// Normal: the bell curve of mean Mi and standard deviation Sigma.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct NormalDensity {
  long double mu, A, B;  // A = Sigma sqrt(2 pi), B = 2 Sigma^2

  long double At(long double x) const {
    const long double dx = x - mu;
    return 1.0L / (Exp(dx * dx / B) * A);
  }
};

Prepared Prepare(const Parameters& p) {
  return {Density(NormalDensity{p[0], p[1] * kSqrt2Pi, 2.0L * p[1] * p[1]}), {}};
}

// Outward from Mi in hundredths of Sigma until the density falls to Eps of its peak.
RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.01L;
  if (auto kept = DataRangeWhereNegligible(in, in.p[0], h)) return *kept;
  return Searched(TwoSidedRelative(in.f, in.p[0], h, in.eps), h);
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  t[0] = MeanText(sample.fit);
  t[1] = DeviationText(sample.fit);
  return Fitted("Mi=" + t[0] + ",Sigma=" + t[1] + ")");
}

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const long double scale = p[1] * std::numbers::sqrt2_v<long double>;
  return {0.5L * std::erfc((p[0] - Min) / scale), 0.5L * std::erfc((Max - p[0]) / scale)};
}

}  // namespace

constinit const Distribution kNormalType = {
    .listText = "Normal",
    .listMessage = 91,
    .labels = {"Mi", "Sigma"},
    .mustBePositive = {false, true},
    .captionSuffix = " F (x | Mi,Sigma)",
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .fit = Fit,
};

}  // namespace dorvex::sources

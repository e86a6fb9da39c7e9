// X2: chi-square with n degrees of freedom on x >= 0.

#include <limits>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct ChiSquareDensity {
  long double n, G, factor;  // G = gamma(n/2), factor = 2^(n/2)

  long double At(long double x) const {
    return Pow(x, n / 2.0L - 1.0L) * Exp(-x / 2.0L) / G / factor;
  }
};

Prepared Prepare(const Parameters& p) {
  const long double n = p[0];
  return {Density(ChiSquareDensity{n, Gamma(n / 2.0L), Pow(2.0L, n / 2.0L)}), {}};
}

// From the mean n.
RangeOutcome Range(const RangeInputs& in) { return PositiveFromZero(in.f, in.p[0], 0.01L, in.eps); }

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  t[0] = MeanText(sample.fit);
  return Fitted("n=" + t[0] + ")");
}

}  // namespace

constinit const Distribution kChiSquareType = {
    .listText = "X2",
    .labels = {"n"},
    .mustBePositive = {true, false},
    .captionSuffix = " F(x | n)",
    .prepare = Prepare,
    .range = Range,
    .emptyBelowZero = true,
    .support = PositiveAxis,
    .fit = Fit,
};

}  // namespace dorvex::sources

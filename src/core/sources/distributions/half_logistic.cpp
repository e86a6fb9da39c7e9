// Half-Logistic: the standard half-logistic weights, counted from x = delta on.

#include <algorithm>
#include <limits>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct HalfLogisticDensity {
  long double At(long double x) const {
    const long double e = Exp(-x);
    return 2.0L * e / ((e + 1.0L) * (e + 1.0L));
  }
};

Prepared Prepare(const Parameters&) { return {Density(HalfLogisticDensity{}), {}}; }

// delta only shifts the start of the range; the threshold is a tenth of the usual.
RangeOutcome Range(const RangeInputs& in) {
  return Searched(RightTail(in.f, in.p[0], 0.1L, in.eps * 0.1L, false), 0.1L);
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  t[0] = MeanText(sample.fit);
  return Fitted("Delta=" + t[0] + ")");
}

// The distribution is the density from delta on: its tail above x is
// S(x) / S(delta) with S(x) = 2 e^-x / (1 + e^-x).
CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const long double from = std::max(p[0], 0.0L);
  const auto S = [](long double x) { return 2.0L * std::exp(-x) / (1.0L + std::exp(-x)); };
  const auto above = [&](long double x) { return x <= from ? 1.0L : S(x) / S(from); };
  return {1.0L - above(Min), above(Max)};
}

Support FromDelta(const Parameters& p) { return {std::max(p[0], 0.0L), std::numeric_limits<long double>::infinity()}; }

}  // namespace

constinit const Distribution kHalfLogisticType = {
    .listText = "Half-Logistic",
    .labels = {"delta"},
    .captionSuffix = " F (x | delta)",
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .support = FromDelta,
    .fit = Fit,
};

}  // namespace dorvex::sources

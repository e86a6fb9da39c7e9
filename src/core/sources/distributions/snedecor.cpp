// Snedecorovo: Fisher-Snedecor's F with n1 and n2 degrees of freedom on x >= 0.

#include <limits>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;
using numeric::FpFault;

struct SnedecorDensity {
  long double n1, n2;
  long double K;  // (n1/n2)^(n1/2) gamma((n1 + n2)/2) / gamma(n1/2) / gamma(n2/2)

  long double At(long double x) const {
    return Pow(x, n1 / 2.0L - 1.0L) * K * Pow(n1 * x / n2 + 1.0L, -(n1 + n2) / 2.0L);
  }
};

Prepared Prepare(const Parameters& p) {
  const long double n1 = p[0], n2 = p[1];
  const long double K = Pow(n1 / n2, n1 / 2.0L) * Gamma((n1 + n2) / 2.0L) / Gamma(n1 / 2.0L) /
                        Gamma(n2 / 2.0L);
  Prepared prepared{Density(SnedecorDensity{n1, n2, K}), {}};
  if (K > kConstantLimit) prepared.refusal = ConstantRefusal{506, 1};
  return prepared;
}

// The mode by climbing in hundredths, then out to where the density is negligible;
// the support starts at 0.
RangeOutcome Range(const RangeInputs& in) {
  const PointResult climbed = ModeClimb(in.f, 0.01L, 0.01L, true);
  if (climbed.fault != FpFault::None) return FaultedRange(climbed.fault);
  RangeOutcome r = Searched(PositiveSupport(in.f, climbed.x, 0.01L, in.eps), 0.01L);
  if (r.fault == FpFault::None && r.Max < 0.0L) {
    r.message = 507;
    r.field = 2;
  }
  r.Min = 0.0L;
  return r;
}

// n2 from the mean n2 / (n2 - 2), n1 from the variance.
FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double m = sample.fit.m, s = sample.fit.s;
  const long double n2 = 2.0L * m / (m - 1.0L);
  const long double n1 =
      2.0L * n2 * n2 / ((1.0L - 2.0L * n2 * n2) * s * s * (n2 - 2.0L) * (n2 - 4.0L));
  if (const FpFault f = FaultAmong({n2, n1}); f != FpFault::None) return FaultedFit(f);
  if (n1 <= 0.0L) return Rejected(507);
  t[0] = Fixed5(n1);
  t[1] = Fixed5(n2);
  return Fitted("n1=" + t[0] + ",n2=" + t[1] + ")");
}

}  // namespace

constinit const Distribution kSnedecorType = {
    .listText = "Snedecorovo",
    .labels = {"n1", "n2"},
    .mustBePositive = {true, true},
    .captionSuffix = " F(x|n1,n2)",
    .prepare = Prepare,
    .range = Range,
    .support = PositiveAxis,
    .fit = Fit,
};

}  // namespace dorvex::sources

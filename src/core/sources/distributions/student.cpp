// Students: Student's t with n degrees of freedom, centred on 0.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;
using numeric::FpFault;

struct StudentDensity {
  long double n, H, G;  // H = (n + 1) / 2, G = gamma((n + 1) / 2) / (gamma(n / 2) sqrt(n pi))

  long double At(long double x) const { return Pow(x * x / n + 1.0L, -H) * G; }
};

Prepared Prepare(const Parameters& p) {
  const long double n = p[0];
  const long double H = (n + 1.0L) / 2.0L;
  const long double G = Gamma((n + 1.0L) / 2.0L) / (Gamma(n / 2.0L) * std::sqrt(n * kPi));
  return {Density(StudentDensity{n, H, G}), {}};
}

RangeOutcome Range(const RangeInputs& in) {
  if (auto kept = DataRangeWhereNegligible(in, 0.0L, 0.1L)) return *kept;
  return Searched(TwoSidedRelative(in.f, 0.0L, 0.1L, in.eps), 0.1L);
}

// n from the variance n / (n - 2).
FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double s = sample.fit.s;
  const long double n = 2.0L * s * s / (s * s - 1.0L);
  if (const FpFault f = FaultAmong({n}); f != FpFault::None) return FaultedFit(f);
  if (n - 1.0L <= 0.0L) return Rejected();
  t[0] = Fixed5(n);
  return Fitted("n=" + t[0] + ")");
}

}  // namespace

constinit const Distribution kStudentType = {
    .listText = "Students",
    .listMessage = 93,
    .labels = {"n"},
    .mustBePositive = {true, false},
    .captionSuffix = " F (x | n)",
    .prepare = Prepare,
    .range = Range,
    .fit = Fit,
};

}  // namespace dorvex::sources

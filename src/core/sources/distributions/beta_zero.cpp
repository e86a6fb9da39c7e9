// Beta_v_nule (Beta_in_zero): the beta distribution on [0, 1] with shapes alfa and beta.

#include <cstdint>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;
using numeric::FpFault;

constexpr long double kStep = 0.001L;

struct BetaZeroDensity {
  long double alpha, beta, B;  // B = gamma(alfa) gamma(beta) / gamma(alfa + beta)

  long double At(long double x) const {
    return Pow(x, alpha - 1.0L) * Pow(1.0L - x, beta - 1.0L) / B;
  }
};

Prepared Prepare(const Parameters& p) {
  const long double B = Gamma(p[0]) * Gamma(p[1]) / Gamma(p[0] + p[1]);
  return {Density(BetaZeroDensity{p[0], p[1], B}), {}};
}

// From the mode ((alfa - 1) / (alfa + beta - 2) when both shapes exceed 1, else just
// right of 0) with T = f(mode) * eps: Min (Max) is the first point left (right) of
// the mode with f <= T; a walk that reaches 0 (1) keeps that bound.
RangeOutcome Range(const RangeInputs& in) {
  const long double alpha = in.p[0], beta = in.p[1];
  const long double mode =
      alpha > 1.0L && beta > 1.0L ? (alpha - 1.0L) / (alpha + beta - 2.0L) : 0.00001L;
  const Probe pm = Evaluate(in.f, mode);
  if (pm.fault != FpFault::None) return FaultedRange(pm.fault);
  const long double T = pm.value * in.eps;
  RangeOutcome r = FixedRange(0.0L, 1.0L, kStep);
  for (const bool right : {false, true}) {
    WalkPoints points(in.f, mode, kStep, right);
    FpFault fault = FpFault::None;
    const WalkEnd end = FirstStop(
        [&](std::int64_t j) {
          const long double x = points.X(j);
          if (right ? x >= 1.0L : x <= 0.0L) return Verdict::Stop;
          const Probe p = points.At(j);
          if (p.fault != FpFault::None) {
            fault = p.fault;
            return Verdict::Fault;
          }
          return p.value <= T ? Verdict::Stop : Verdict::Go;
        },
        1);
    if (const FpFault e = FaultOfEnd(end, fault); e != FpFault::None) return FaultedRange(e);
    const long double x = points.X(end.j);
    if (right && x < 1.0L) r.Max = x;
    if (!right && x > 0.0L) r.Min = x;
  }
  return r;
}

// The shapes from the moment equations.
FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double m = sample.fit.m, s = sample.fit.s;
  const long double a = m * m * (1.0L - m) * s * s / (std::pow(1.0L - m, 4) + m);
  const long double b = a * (1.0L - m) / m;
  if (const FpFault f = FaultAmong({a, b}); f != FpFault::None) return FaultedFit(f);
  t[0] = Fixed5(a);
  t[1] = Fixed5(b);
  return Fitted("alfa=" + t[0] + ",beta=" + t[1] + ")");
}

Support UnitInterval(const Parameters&) { return {0.0L, 1.0L}; }

}  // namespace

constinit const Distribution kBetaZeroType = {
    .listText = "Beta_in_zero",
    .listMessage = 94,
    .labels = {"alfa", "beta"},
    .mustBePositive = {true, true},
    .captionSuffix = " F (x | alfa,beta)",
    .epsFieldShown = [](long double alpha, long double beta) { return alpha > 1.0L && beta > 1.0L; },
    .prepare = Prepare,
    .range = Range,
    .support = UnitInterval,
    .fit = Fit,
};

}  // namespace dorvex::sources

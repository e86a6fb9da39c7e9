// Beta_obecné (Beta_universal): the beta distribution with shapes alfa and beta
// stretched onto [a, b].

#include <cstdint>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;
using numeric::FpFault;

constexpr long double kStep = 0.0001L;

struct BetaUniversalDensity {
  long double alpha, beta, a, b;
  long double B;     // gamma(alfa) gamma(beta) / gamma(alfa + beta)
  long double powL;  // (b - a)^(alfa + beta - 1)

  long double At(long double x) const {
    return Pow(x - a, alpha - 1.0L) * Pow(b - x, beta - 1.0L) / B / powL;
  }
};

std::optional<ConditionRefusal> Check(const Parameters& p) {
  if (!(p[2] < p[3])) return Unmet(" a < b !", 4);
  return std::nullopt;
}

Prepared Prepare(const Parameters& p) {
  BetaUniversalDensity d{p[0], p[1], p[2], p[3], 0.0L, 0.0L};
  d.B = Gamma(d.alpha) * Gamma(d.beta) / Gamma(d.alpha + d.beta);
  d.powL = Pow(d.b - d.a, d.alpha + d.beta - 1.0L);
  Prepared prepared{Density(d), {}};
  if (d.B > kConstantLimit) prepared.refusal = ConstantRefusal{506, 2};
  return prepared;
}

// The mode by climbing from a (a point at or beyond b has density 0), then with
// T = f(mode) * eps: Min (Max) is the last point left (right) of the mode still
// above T; reaching a (b) keeps that bound. The right walk also stops where f stops
// changing; in fitting mode either walk meeting an unchanged f rejects the fit.
RangeOutcome Range(const RangeInputs& in) {
  const Density& f = in.f;
  const long double a = in.p[2], b = in.p[3];
  const bool fitting = in.fit != nullptr;
  WalkPoints climb(f, a, kStep, true);
  FpFault fault = FpFault::None;
  const WalkEnd top = FirstStop(
      [&](std::int64_t j) {
        const Probe here = climb.At(j);
        if (here.fault != FpFault::None) {
          fault = here.fault;
          return Verdict::Fault;
        }
        long double next = 0.0L;
        if (climb.X(j + 1) < b) {
          const Probe p = climb.At(j + 1);
          if (p.fault != FpFault::None) {
            fault = p.fault;
            return Verdict::Fault;
          }
          next = p.value;
        }
        return next < here.value ? Verdict::Stop : Verdict::Go;
      },
      0);
  if (const FpFault e = FaultOfEnd(top, fault); e != FpFault::None) return FaultedRange(e);
  const long double mode = climb.X(top.j);
  const Probe pm = Evaluate(f, mode);
  if (pm.fault != FpFault::None) return FaultedRange(pm.fault);
  const long double T = pm.value * in.eps;

  RangeOutcome r = FixedRange(a, b, kStep);
  for (const bool right : {false, true}) {
    WalkPoints points(f, mode, kStep, right);
    bool bound = false, flat = false;
    fault = FpFault::None;
    const WalkEnd end = FirstStop(
        [&](std::int64_t j) {
          const long double x = points.X(j);
          if (right ? x >= b : x <= a) {
            bound = true;
            return Verdict::Stop;
          }
          const Probe p = points.At(j);
          const Probe previous = points.At(j - 1);
          for (const Probe& q : {p, previous}) {
            if (q.fault != FpFault::None) {
              fault = q.fault;
              return Verdict::Fault;
            }
          }
          bound = false;
          flat = false;
          if (p.value <= T) return Verdict::Stop;
          if ((right || fitting) && p.value == previous.value) {
            flat = true;
            return Verdict::Stop;
          }
          return Verdict::Go;
        },
        1);
    if (const FpFault e = FaultOfEnd(end, fault); e != FpFault::None) return FaultedRange(e);
    if (bound) continue;
    if (flat && fitting) {
      r.fitFailed = true;
      return r;
    }
    // The last point still above T: the one before the stop, or the flat point itself.
    const long double x = flat ? points.X(end.j) : points.X(end.j - 1);
    (right ? r.Max : r.Min) = x;
  }
  return r;
}

// a and b are the ends of the start range; the shapes from the moment equations of
// the mean and variance scaled onto [0, 1].
FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  const long double m = sample.fit.m, s = sample.fit.s;
  const long double a = sample.Min, b = sample.Max;
  if (m == a || m == b || s == 0.0L) return Rejected();
  const long double m1 = (m - a) / (b - a);
  const long double v = s * s / ((b - a) * (b - a));
  const long double alfa = m1 * (m1 * (1.0L - m1) / v - 1.0L);
  const long double beta = alfa * (1.0L - m1) / m1;
  if (const FpFault f = FaultAmong({m1, v, alfa, beta}); f != FpFault::None) return FaultedFit(f);
  t = {Fixed5(alfa), Fixed5(beta), Fixed5(a), Fixed5(b)};
  return Fitted("alfa=" + t[0] + ",beta=" + t[1] + "a=" + t[2] + ",b=" + t[3] + ")");
}

Support Interval(const Parameters& p) { return {p[2], p[3]}; }

}  // namespace

constinit const Distribution kBetaUniversalType = {
    .listText = "Beta_universal",
    .listMessage = 95,
    .labels = {"alfa", "beta", "a", "b"},
    .mustBePositive = {true, true},
    .captionSuffix = " F (x | alfa,beta,a,b)",
    .check = Check,
    .prepare = Prepare,
    .range = Range,
    .support = Interval,
    .fit = Fit,
};

}  // namespace dorvex::sources

// LogNormal_2P: the lognormal given by its own mean Mi and standard deviation Sigma.

#include <limits>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;
using numeric::FpFault;

struct LogNormalDensity {
  long double mu, A, lnC, sqrtC, sqrtLnC;  // C = 1 + (Sigma / Mi)^2, A = sqrt(2 pi)

  long double At(long double x) const {
    const long double l = Ln(sqrtC * x / mu);
    return Exp(-(l * l) / (2.0L * lnC)) / (sqrtLnC * x * A);
  }
};

Prepared Prepare(const Parameters& p) {
  LogNormalDensity d{};
  d.mu = p[0];
  const long double C = 1.0L + (p[1] / p[0]) * (p[1] / p[0]);
  d.A = kSqrt2Pi;
  d.lnC = Ln(C);
  d.sqrtC = std::sqrt(C);
  d.sqrtLnC = std::sqrt(d.lnC);
  return {Density(d), {}};
}

// A lognormal negligible at both data ends does not describe the data.
RangeOutcome FitCheck(const RangeInputs& in) {
  FpFault fault = FpFault::None;
  const bool negligible = NegligibleAtDataEnds(in.f, in.p[0], in.eps, *in.fit, fault);
  if (fault != FpFault::None) return FaultedRange(fault);
  RangeOutcome r;
  r.fitFailed = negligible;
  return r;
}

RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.01L;
  RangeOutcome r = Searched(RatioSearch(in.f, in.p[0], h, in.eps), h);
  WidenToData(r, in.fit);
  return r;
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  t[0] = MeanText(sample.fit);
  t[1] = DeviationText(sample.fit);
  return Fitted("Mi=" + t[0] + ",Sigma=" + t[1] + ")");
}

// ln x is normal with variance ln C about ln(Mi / sqrt C).
CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const long double C = 1.0L + (p[1] / p[0]) * (p[1] / p[0]);
  const long double scale = std::sqrt(2.0L * std::log(C));
  const auto z = [&](long double x) { return std::log(std::sqrt(C) * x / p[0]) / scale; };
  return {Min <= 0.0L ? 0.0L : 0.5L * std::erfc(-z(Min)), Max <= 0.0L ? 1.0L : 0.5L * std::erfc(z(Max))};
}

}  // namespace

constinit const Distribution kLogNormal2PType = {
    .listText = "LogNormal_2P",
    .labels = {"Mi", "Sigma"},
    .mustBePositive = {true, true},
    .captionSuffix = " F (x | Mi,Sigma)",
    .prepare = Prepare,
    .fitCheck = FitCheck,
    .range = Range,
    .cut = Cut,
    .support = PositiveAxis,
    .fit = Fit,
};

}  // namespace dorvex::sources

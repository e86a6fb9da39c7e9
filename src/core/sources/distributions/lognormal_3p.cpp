// LogNormal_3P: the shifted lognormal given by its mean Mi, standard deviation Sigma
// and skewness; the sign of the skewness mirrors the shape about Mi.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

// In standard units z = (x - Mi) / Sigma the density is a lognormal in |z - eta|;
// W = 1 / eta^2 + 1.
struct LogNormal3PDensity {
  long double mu, sigma, eta, sqrtW, lnW;
  long double factor;  // sqrt(ln W * 2 pi), with the checked logarithm

  long double At(long double x) const {
    const long double z = (x - mu) / sigma;
    const long double a = std::fabs(z - eta);
    // Plain logarithms: a zero argument is a division-by-zero fault.
    const long double l = std::log(sqrtW * a / std::fabs(eta));
    return Exp(-(l * l) / (2.0L * lnW)) / (factor * a);
  }
};

std::optional<ConditionRefusal> Check(const Parameters& p) {
  if (p[2] == 0.0L) return Unmet(" Skewness <> 0 !", 3);
  return std::nullopt;
}

// eta from the skewness: with g = -|skewness|, r is the real cube root of
// q = sqrt(g^2 + 4) / (2 g^2) - (g^2 + 2) / (2 g^3).
Prepared Prepare(const Parameters& p) {
  const long double g = -std::fabs(p[2]);
  const long double q =
      std::sqrt(g * g + 4.0L) / (2.0L * g * g) - (g * g + 2.0L) / (2.0L * g * g * g);
  const long double r = Pow(q, 1.0L / 3.0L);
  if (r == 0.0L) return {Density(), ConstantRefusal{508, 0}};
  LogNormal3PDensity d{};
  d.mu = p[0];
  d.sigma = p[1];
  d.eta = 1.0L / (g * g * r) + r - 1.0L / g;
  if (p[2] > 0.0L) d.eta = -d.eta;
  const long double W = 1.0L / (d.eta * d.eta) + 1.0L;
  d.sqrtW = std::sqrt(W);
  d.lnW = std::log(W);
  d.factor = std::sqrt(Ln(W) * 2.0L * kPi);
  return {Density(d), {}};
}

RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.01L;
  return Searched(RatioSearch(in.f, in.p[0], h, in.eps), h);
}

FitOutcome Fit(const FitSample& sample, ParameterTexts& t) {
  t[0] = MeanText(sample.fit);
  t[1] = DeviationText(sample.fit);
  t[2] = SkewnessText(sample.fit);
  return Fitted("Mi=" + t[0] + ",Sigma=" + t[1] + ",Skewness=" + t[2] + ")");
}

}  // namespace

constinit const Distribution kLogNormal3PType = {
    .listText = "LogNormal_3P",
    .labels = {"Mi", "Sigma", "        Skewness"},
    .mustBePositive = {true, true},
    .captionSuffix = " F (x | Mi,Sigma,Skewness)",
    .check = Check,
    .prepare = Prepare,
    .range = Range,
    .fit = Fit,
};

}  // namespace dorvex::sources

// LogNormal_3P: the shifted lognormal given by its mean Mi, standard deviation Sigma
// and skewness; the sign of the skewness mirrors the shape about Mi.

#include <limits>

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

// eta from the skewness: empty when r is 0. With g = -|skewness|, r is the real cube root of
// q = sqrt(g^2 + 4) / (2 g^2) - (g^2 + 2) / (2 g^3).
std::optional<long double> Eta(const Parameters& p) {
  const long double g = -std::fabs(p[2]);
  const long double q =
      std::sqrt(g * g + 4.0L) / (2.0L * g * g) - (g * g + 2.0L) / (2.0L * g * g * g);
  const long double r = Pow(q, 1.0L / 3.0L);
  if (r == 0.0L) return std::nullopt;
  const long double eta = 1.0L / (g * g * r) + r - 1.0L / g;
  return p[2] > 0.0L ? -eta : eta;
}

Prepared Prepare(const Parameters& p) {
  const std::optional<long double> eta = Eta(p);
  if (!eta) return {Density(), ConstantRefusal{508, 0}};
  LogNormal3PDensity d{};
  d.mu = p[0];
  d.sigma = p[1];
  d.eta = *eta;
  const long double W = 1.0L / (d.eta * d.eta) + 1.0L;
  d.sqrtW = std::sqrt(W);
  d.lnW = std::log(W);
  d.factor = std::sqrt(Ln(W) * 2.0L * kPi);
  return {Density(d), {}};
}

// |z - eta| is lognormal on the side of eta the skewness gives: above it for a
// positive skewness, below it for a negative one.
CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const std::optional<long double> eta = Eta(p);
  if (!eta) return {};
  const long double W = 1.0L / (*eta * *eta) + 1.0L;
  const long double scale = std::sqrt(2.0L * std::log(W));
  const bool above = p[2] > 0.0L;
  // P(|z - eta| < a) beyond x, on the support's side.
  const auto near = [&](long double x) {
    const long double a = above ? (x - p[0]) / p[1] - *eta : *eta - (x - p[0]) / p[1];
    return a <= 0.0L ? 0.0L : 0.5L * std::erfc(-std::log(std::sqrt(W) * a / std::fabs(*eta)) / scale);
  };
  return above ? CutTails{near(Min), 1.0L - near(Max)} : CutTails{1.0L - near(Min), near(Max)};
}

// From Mi + eta Sigma upwards for a positive skewness, downwards for a negative one.
Support OneSide(const Parameters& p) {
  const std::optional<long double> eta = Eta(p);
  if (!eta) return {};
  const long double edge = p[0] + *eta * p[1];
  constexpr long double inf = std::numeric_limits<long double>::infinity();
  return p[2] > 0.0L ? Support{edge, inf} : Support{-inf, edge};
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
    .cut = Cut,
    .support = OneSide,
    .fit = Fit,
};

}  // namespace dorvex::sources

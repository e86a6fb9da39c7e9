// Gumbelovo_I and Gumbelovo_II: the extreme-value distributions of largest and of
// smallest values, given by their mean Mi and standard deviation Sigma. Each is the
// mirror image of the other about Mi.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

// Location shift: 0.577 as the program has it, not Euler's constant to more places.
constexpr long double kGumbelShift = 0.577L;

// side -1: largest values (type I), +1: smallest values (type II).
template <int side>
struct GumbelDensity {
  long double alpha, u;

  long double At(long double x) const {
    const long double t = side < 0 ? -alpha * (x - u) : alpha * (x - u);
    return alpha * Exp(t - Exp(t));
  }
};

template <int side>
Prepared Prepare(const Parameters& p) {
  const long double alpha = kPi / (std::sqrt(6.0L) * p[1]);
  const long double u = side < 0 ? p[0] - kGumbelShift / alpha : p[0] + kGumbelShift / alpha;
  return {Density(GumbelDensity<side>{alpha, u}), {}};
}

RangeOutcome Range(const RangeInputs& in) {
  const long double h = in.p[1] * 0.001L;
  return Searched(RatioSearch(in.f, in.p[0], h, in.eps), h);
}

FitOutcome FitMoments(const FitSample& sample, ParameterTexts& t) {
  t[0] = MeanText(sample.fit);
  t[1] = DeviationText(sample.fit);
  return Fitted("Mi=" + t[0] + ",Sigma=" + t[1] + ")");
}

// Each type needs the data's median on its short-tailed side of the data's middle.
FitOutcome FitLargest(const FitSample& sample, ParameterTexts& t) {
  if (!(sample.middle >= sample.fit.Xmed)) return Rejected();
  return FitMoments(sample, t);
}

FitOutcome FitSmallest(const FitSample& sample, ParameterTexts& t) {
  if (sample.middle > sample.fit.Xmed) return Rejected();
  return FitMoments(sample, t);
}

// Type I: F(x) = exp(-exp(-alpha (x - u))); type II: 1 - exp(-exp(alpha (x - u))).
template <int side>
CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const long double alpha = kPi / (std::sqrt(6.0L) * p[1]);
  const long double u = side < 0 ? p[0] - kGumbelShift / alpha : p[0] + kGumbelShift / alpha;
  if (side < 0) return {std::exp(-std::exp(-alpha * (Min - u))), -std::expm1(-std::exp(-alpha * (Max - u)))};
  return {-std::expm1(-std::exp(alpha * (Min - u))), std::exp(-std::exp(alpha * (Max - u)))};
}

}  // namespace

constinit const Distribution kGumbelIType = {
    .listText = "Gumbelovo_I",
    .labels = {"Mi", "Sigma"},
    .mustBePositive = {false, true},
    .captionSuffix = " F (x | Mi,Sigma)",
    .prepare = Prepare<-1>,
    .range = Range,
    .cut = Cut<-1>,
    .fit = FitLargest,
};

constinit const Distribution kGumbelIIType = {
    .listText = "Gumbelovo_II",
    .labels = {"Mi", "Sigma"},
    .mustBePositive = {false, true},
    .captionSuffix = " F (x | Mi,Sigma)",
    .prepare = Prepare<+1>,
    .range = Range,
    .cut = Cut<+1>,
    .fit = FitSmallest,
};

}  // namespace dorvex::sources

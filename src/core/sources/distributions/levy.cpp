// Lévy: the first-passage time of a Brownian motion, with scale c on x > 0. Its
// mean is infinite, so it cannot be fitted to a sample.

#include <limits>

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct LevyDensity {
  long double A, E;  // A = sqrt(c / (2 pi)), E = -c / 2

  long double At(long double x) const { return A / Pow(x, 1.5L) * Exp(E / x); }
};

Prepared Prepare(const Parameters& p) {
  return {Density(LevyDensity{std::sqrt(p[0] * 0.5L / kPi), -0.5L * p[0]}), {}};
}

// From the mode c/3.
RangeOutcome Range(const RangeInputs& in) {
  return PositiveFromZero(in.f, in.p[0] / 3.0L, in.p[0] * 0.001L, in.eps);
}

// F(x) = erfc(sqrt(c / 2x)).
CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const auto root = [&](long double x) { return std::sqrt(p[0] / (2.0L * x)); };
  return {Min <= 0.0L ? 0.0L : std::erfc(root(Min)), Max <= 0.0L ? 1.0L : std::erf(root(Max))};
}

}  // namespace

constinit const Distribution kLevyType = {
    .listText = "L\xC3\xA9vy",
    .labels = {"c"},
    .mustBePositive = {true, false},
    .captionSuffix = " F (x | c)",
    .prepare = Prepare,
    .range = Range,
    .emptyBelowZero = true,
    .cut = Cut,
    .support = PositiveAxis,
};

}  // namespace dorvex::sources

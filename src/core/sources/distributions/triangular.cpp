// Triangular: rising from a to the peak c, falling to b.

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct TriangularDensity {
  long double a, b, c;
  long double S1, S2;  // 2 (b - a)(c - a) and 2 (b - a)(b - c)

  long double At(long double x) const { return x <= c ? (x - a) / S1 : (b - x) / S2; }
};

std::optional<ConditionRefusal> Check(const Parameters& p) {
  if (!(p[0] < p[1])) return Unmet(" a < b !", 1);
  if (!(p[0] <= p[2] && p[2] <= p[1])) return Unmet(" a <= c <= b !", 3);
  return std::nullopt;
}

Prepared Prepare(const Parameters& p) {
  const long double a = p[0], b = p[1], c = p[2];
  return {Density(TriangularDensity{a, b, c, (b - a) * (c - a) * 2.0L, (b - a) * (b - c) * 2.0L}), {}};
}

RangeOutcome Range(const RangeInputs& in) { return FixedRange(in.p[0], in.p[1]); }

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  const long double a = p[0], b = p[1], c = p[2];
  const auto below = [&](long double x) {
    if (x <= a) return 0.0L;
    if (x >= b) return 1.0L;
    return x <= c ? (x - a) * (x - a) / ((b - a) * (c - a)) : 1.0L - (b - x) * (b - x) / ((b - a) * (b - c));
  };
  const auto above = [&](long double x) {
    if (x >= b) return 0.0L;
    if (x <= a) return 1.0L;
    return x >= c ? (b - x) * (b - x) / ((b - a) * (b - c)) : 1.0L - (x - a) * (x - a) / ((b - a) * (c - a));
  };
  return {below(Min), above(Max)};
}

Support Interval(const Parameters& p) { return {p[0], p[1]}; }

}  // namespace

constinit const Distribution kTriangularType = {
    .listText = "Triangular",
    .labels = {"a", "b", "c"},
    .captionSuffix = " F (x | a,b,c)",
    .defaultTexts = {"0", "20", "5", nullptr},
    .epsFieldShown = [](long double, long double) { return false; },
    .check = Check,
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .support = Interval,
};

}  // namespace dorvex::sources

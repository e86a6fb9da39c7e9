// Uniform: the same density everywhere on [a, b].

#include "sources/distributions/distribution_kit.h"
#include "sources/distributions/distributions.h"

namespace dorvex::sources {

namespace {

using namespace kit;

struct UniformDensity {
  long double K;  // 1 / (b - a)

  long double At(long double) const { return K; }
};

std::optional<ConditionRefusal> Check(const Parameters& p) {
  if (!(p[0] < p[1])) return Unmet(" a < b !", 1);
  return std::nullopt;
}

Prepared Prepare(const Parameters& p) { return {Density(UniformDensity{1.0L / (p[1] - p[0])}), {}}; }

RangeOutcome Range(const RangeInputs& in) { return FixedRange(in.p[0], in.p[1]); }

CutTails Cut(const Parameters& p, long double Min, long double Max) {
  return {(Min - p[0]) / (p[1] - p[0]), (p[1] - Max) / (p[1] - p[0])};
}

Support Interval(const Parameters& p) { return {p[0], p[1]}; }

}  // namespace

constinit const Distribution kUniformType = {
    .listText = "Uniform",
    .labels = {"a", "b"},
    .captionSuffix = " F (x | a,b)",
    .defaultTexts = {"0", "20", "5", nullptr},
    .epsFieldShown = [](long double, long double) { return false; },
    .check = Check,
    .prepare = Prepare,
    .range = Range,
    .cut = Cut,
    .support = Interval,
};

}  // namespace dorvex::sources

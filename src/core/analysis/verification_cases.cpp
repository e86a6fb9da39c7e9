#include "analysis/verification_cases.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <string>

#include "engine/bounds.h"
#include "engine/engine.h"
#include "engine/queries.h"
#include "numeric/normal.h"
#include "sources/distribution.h"
#include "sources/parametric_request.h"

namespace dorvex::analysis {

namespace {

using numeric::NormalCdf;

// One input: a parametric distribution at 1024 intervals, scaled by `multiple`.
struct Input {
  int type = sources::kNormal;
  std::vector<std::string> parameters;
  double multiple = 1.0;
  double eps = 1E-7;
};

struct Case {
  const char* name;
  const char* source;
  int code;
  Input a;
  Input b;
  // The probability asked: P(Z < threshold), or with `above` P(Z > threshold).
  double threshold = 0.0;
  bool above = false;
  std::function<double()> exact;
  // The count of copies of A in an n-fold sum; 0 for a two-input operation.
  std::int32_t copies = 0;
};

// ln X of a lognormal with mean m and deviation s is normal (lambda, zeta).
struct LogNormal {
  double lambda;
  double zeta;
};
LogNormal OfLogNormal(double m, double s) {
  const double zeta2 = std::log1p((s / m) * (s / m));
  return {std::log(m) - zeta2 / 2.0, std::sqrt(zeta2)};
}

// P(lambda + zeta U < ln t) for U standard normal.
double LogNormalBelow(const LogNormal& x, double t) { return NormalCdf((std::log(t) - x.lambda) / x.zeta); }

// The axial bar: R lognormal 300/30 MPa times the area 100 pi mm^2 (in kN, R * 0.1 pi)
// against F normal 75/5 kN. Pf = E[P(R < F / a)] over F, by Simpson's rule over
// F = 75 + 5u, u in -12 .. 12, where the rest of the normal is below 1E-32.
double AxialBarPf() {
  const LogNormal r = OfLogNormal(300.0, 30.0);
  const double a = 0.1 * std::numbers::pi;
  const int steps = 24000;
  const double h = 24.0 / steps;
  double sum = 0.0;
  for (int i = 0; i <= steps; ++i) {
    const double u = -12.0 + i * h;
    const double weight = (i == 0 || i == steps) ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
    const double density = std::exp(-u * u / 2.0) / std::sqrt(2.0 * std::numbers::pi);
    sum += weight * density * LogNormalBelow(r, (75.0 + 5.0 * u) / a);
  }
  return sum * h / 3.0;
}

std::vector<Case> Cases() {
  const auto normalMargin = [](double mr, double sr, double ms, double ss) {
    return [=] { return NormalCdf(-(mr - ms) / std::hypot(sr, ss)); };
  };
  return {
      {"R - S, R Normal(200, 20), S Normal(100, 25)",
       "closed form Pf = Phi(-(mR - mS) / sqrt(sR^2 + sS^2))", engine::kDifference,
       {sources::kNormal, {"200", "20"}}, {sources::kNormal, {"100", "25"}}, 0.0, false,
       normalMargin(200, 20, 100, 25)},
      {"R - S, R Normal(252, 20), S Normal(100, 25), Eps 1E-8",
       "closed form Pf = Phi(-(mR - mS) / sqrt(sR^2 + sS^2))", engine::kDifference,
       {sources::kNormal, {"252", "20"}, 1.0, 1E-8}, {sources::kNormal, {"100", "25"}, 1.0, 1E-8}, 0.0, false,
       normalMargin(252, 20, 100, 25)},
      {"R - S, R LogNormal(300, 30), S LogNormal(180, 27)",
       "closed form Pf = Phi(-(lnR - lnS) / sqrt(zR^2 + zS^2)) of the logarithms' normal parameters",
       engine::kDifference, {sources::kLogNormal2P, {"300", "30"}}, {sources::kLogNormal2P, {"180", "27"}},
       0.0, false,
       [] {
         const LogNormal r = OfLogNormal(300, 30);
         const LogNormal s = OfLogNormal(180, 27);
         return NormalCdf(-(r.lambda - s.lambda) / std::hypot(r.zeta, s.zeta));
       }},
      {"axial bar: R LogNormal(300, 30) MPa * 100 pi mm^2 - F Normal(75, 5) kN",
       "Pf = integral of phi(u) P(R < (75 + 5u) / (0.1 pi)) du, Simpson's rule, 24000 steps",
       engine::kDifference, {sources::kLogNormal2P, {"300", "30"}, 0.1 * std::numbers::pi},
       {sources::kNormal, {"75", "5"}}, 0.0, false, AxialBarPf},
      {"sum of three Exp(1) beyond 10: Gamma(2, 1) + Gamma(1, 1), P(Z > 10)",
       "closed form P(Erlang(3, 1) > 10) = exp(-10) (1 + 10 + 10^2 / 2)", engine::kSum,
       {sources::kGamma, {"2", "1"}}, {sources::kGamma, {"1", "1"}}, 10.0, true,
       [] { return std::exp(-10.0) * 61.0; }},
      {"sum of three Exp(1) beyond 10 as one n-fold sum of Gamma(1, 1), P(Z > 10)",
       "closed form P(Erlang(3, 1) > 10) = exp(-10) (1 + 10 + 10^2 / 2)", engine::kRepeatedSum,
       {sources::kGamma, {"1", "1"}}, {}, 10.0, true, [] { return std::exp(-10.0) * 61.0; }, 3},
      {"product A * B < 1, A LogNormal(1.5, 0.3), B LogNormal(1.2, 0.24)",
       "closed form P(AB < 1) = Phi(-(lA + lB) / sqrt(zA^2 + zB^2))", engine::kProduct,
       {sources::kLogNormal2P, {"1.5", "0.3"}}, {sources::kLogNormal2P, {"1.2", "0.24"}}, 1.0, false,
       [] {
         const LogNormal a = OfLogNormal(1.5, 0.3);
         const LogNormal b = OfLogNormal(1.2, 0.24);
         return NormalCdf(-(a.lambda + b.lambda) / std::hypot(a.zeta, b.zeta));
       }},
      {"ratio R / S < 1, R LogNormal(300, 30), S LogNormal(200, 30)",
       "closed form P(R / S < 1) = Phi(-(lR - lS) / sqrt(zR^2 + zS^2))", engine::kQuotient,
       {sources::kLogNormal2P, {"300", "30"}}, {sources::kLogNormal2P, {"200", "30"}}, 1.0, false,
       [] {
         const LogNormal r = OfLogNormal(300, 30);
         const LogNormal s = OfLogNormal(200, 30);
         return NormalCdf(-(r.lambda - s.lambda) / std::hypot(r.zeta, s.zeta));
       }},
  };
}

struct Generated {
  model::Histogram histogram;
  model::CutProbability cut;
};

std::optional<Generated> Generate(const Input& input, std::string& failure) {
  sources::ParametricRequest request;
  request.type = input.type;
  request.parameters = input.parameters;
  request.bins = 1024;
  request.eps = input.eps;
  const sources::ParametricResult result = sources::ComputeParametric(request, texts::Language::English);
  if (!result.ok()) {
    failure = "the input could not be generated: " + result.error->text;
    return std::nullopt;
  }
  Generated g;
  g.histogram = model::ApplyMultiple(result.buffer.histogram, input.multiple);
  g.histogram.Type = result.histogramType;
  g.cut = model::ScaledCut(result.buffer.cut, input.multiple);
  return g;
}

VerificationOutcome RunCase(const Case& c) {
  VerificationOutcome out;
  out.name = c.name;
  out.source = c.source;
  out.exact = c.exact();
  const bool binary = engine::IsBinaryOperation(c.code);
  const auto a = Generate(c.a, out.failure);
  const auto b = a && binary ? Generate(c.b, out.failure) : std::nullopt;
  if (!a || (binary && !b)) return out;

  engine::OperationRequest request;
  request.code = c.code;
  request.a = &a->histogram;
  request.b = binary ? &b->histogram : nullptr;
  request.cutA = a->cut;
  if (binary) request.cutB = b->cut;
  if (!binary) request.exponent = std::to_string(c.copies);
  const engine::OperationOutcome run = engine::RunOperation(request);
  if (!run.ok()) {
    out.failure = "the operation failed";
    return out;
  }
  const engine::OperationResult& result = *run.result;

  engine::FailureBounds bounds = result.bounds;
  double below = result.failureProbability;
  if (c.threshold != 0.0) {
    engine::BoundsRequest asked{c.code, request.a, request.b, c.copies, request.cutA, request.cutB, c.threshold};
    bounds = engine::ComputeBounds(asked, result.histogram);
    const engine::ValueAnswer answer = engine::ProbabilityOfValue(result, c.threshold);
    if (!answer.admissible) {
      out.failure = "the result does not reach the threshold";
      return out;
    }
    below = static_cast<double>(answer.cumulative);
  }
  out.bounded = bounds.kind == engine::BoundsKind::Bounded;
  if (c.above) {
    out.value = 1.0 - below;
    out.lower = 1.0 - bounds.upper;
    out.upper = 1.0 - bounds.lower;
  } else {
    out.value = below;
    out.lower = bounds.lower;
    out.upper = bounds.upper;
  }
  out.relativeError = std::fabs(out.value - out.exact) / out.exact;
  return out;
}

}  // namespace

std::vector<VerificationOutcome> RunVerification() {
  std::vector<VerificationOutcome> outcomes;
  for (const Case& c : Cases()) outcomes.push_back(RunCase(c));
  return outcomes;
}

}  // namespace dorvex::analysis

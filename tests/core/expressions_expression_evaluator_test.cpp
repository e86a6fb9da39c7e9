// Evaluating expressions: each node is the engine's own operation, so a whole
// limit state equals the same operations run one by one.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/multiples.h"
#include "expressions/expression_evaluator.h"
#include "support/histogram_builders.h"

namespace dorvex::expressions {
namespace {

using engine::OperationResult;
using model::Histogram;
using test_support::FromCdf;
using test_support::NormalCdf;

ExpressionInput Named(const std::string& name, const Histogram& h) {
  return {{name, "file", name + ".dis", ""}, h};
}

// The engine run by hand, as a user chaining the two-slot calculator would.
OperationResult RunByHand(int code, const Histogram& a, const Histogram* b, const std::string& n = {}) {
  engine::OperationRequest request;
  request.code = code;
  request.a = &a;
  request.b = b;
  request.exponent = n;
  engine::OperationOutcome outcome = engine::RunOperation(request);
  EXPECT_TRUE(outcome.ok());
  return *outcome.result;
}

void ExpectSameHistogram(const Histogram& got, const Histogram& want) {
  EXPECT_EQ(got.N, want.N);
  EXPECT_EQ(got.Min, want.Min);
  EXPECT_EQ(got.Max, want.Max);
  EXPECT_EQ(got.d, want.d);
  EXPECT_EQ(got.Type, want.Type);
  for (int i = 1; i <= want.N; ++i) ASSERT_EQ(got.P[i], want.P[i]) << "interval " << i;
}

class LimitState : public testing::Test {
 protected:
  // Resistance as a product of strength and section modulus, three loads.
  Histogram R = FromCdf(200, 300, 64, NormalCdf(250, 12));
  Histogram W = FromCdf(0.8, 1.2, 64, NormalCdf(1.0, 0.04));
  Histogram G = FromCdf(60, 100, 64, NormalCdf(80, 4));
  Histogram Q = FromCdf(20, 100, 64, NormalCdf(50, 10));
  Histogram S = FromCdf(0, 100, 64, NormalCdf(40, 12));
  std::vector<ExpressionInput> inputs{Named("R", R), Named("W", W), Named("G", G), Named("Q", Q),
                                      Named("S", S)};
};

TEST_F(LimitState, FiveVariablesEqualTheEngineRunStepByStep) {
  const Evaluation e = EvaluateExpression("R*W - (G + Q + 0.6*S)", inputs);
  ASSERT_TRUE(e.ok()) << e.failure->message;

  const OperationResult rw = RunByHand(engine::kProduct, R, &W);
  const OperationResult gq = RunByHand(engine::kSum, G, &Q);
  const Histogram s6 = model::ApplyMultiple(S, 0.6);
  const OperationResult loads = RunByHand(engine::kSum, gq.histogram, &s6);
  const OperationResult z = RunByHand(engine::kDifference, rw.histogram, &loads.histogram);

  ExpectSameHistogram(e.result->histogram, z.histogram);
  EXPECT_EQ(e.result->failureProbability, z.failureProbability);
  EXPECT_GT(z.failureProbability, 0.0);  // the case is meant to have a tail below 0
  EXPECT_EQ(e.result->label, "R*W - (G + Q + 0.6*S)");

  const std::vector<std::string> texts{"R*W", "G + Q", "0.6*S", "G + Q + 0.6*S", "R*W - (G + Q + 0.6*S)"};
  ASSERT_EQ(e.steps.size(), texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(e.steps[i].text, texts[i]);
  ExpectSameHistogram(e.steps[0].result.histogram, rw.histogram);
  ExpectSameHistogram(e.steps[3].result.histogram, loads.histogram);
  ASSERT_EQ(e.inputs.size(), 5u);
  EXPECT_EQ(e.inputs[4].name, "S");
  EXPECT_EQ(e.inputs[4].source, "S.dis");
}

TEST_F(LimitState, BoundsOnlyWhenOneOperationMakesTheResult) {
  // One operation: its bounds hold for the inputs' histograms.
  const Evaluation one = EvaluateExpression("G - Q", inputs);
  ASSERT_TRUE(one.ok());
  EXPECT_EQ(one.result->bounds.kind, engine::BoundsKind::Bounded);
  EXPECT_LE(one.result->bounds.lower, one.result->failureProbability);
  EXPECT_GE(one.result->bounds.upper, one.result->failureProbability);
  // Over several, the intermediate histograms are approximations: no bounds claimed.
  const Evaluation several = EvaluateExpression("R*W - (G + Q + 0.6*S)", inputs);
  ASSERT_TRUE(several.ok());
  EXPECT_EQ(several.result->bounds.kind, engine::BoundsKind::NotComputed);
}

// An axial bar: strength R in MPa against the stress of a force F in N on a
// round section of radius 10 mm, area 100*pi mm^2.
TEST(AxialBar, FailureProbabilityEqualsTheTwoStepCalculation) {
  const Histogram R = FromCdf(160, 340, 256, NormalCdf(250, 15));
  const Histogram F = FromCdf(20000, 80000, 256, NormalCdf(50000, 5000));
  const std::vector<ExpressionInput> inputs{Named("R", R), Named("F", F)};
  const Evaluation e = EvaluateExpression("R - F/(100*pi)", inputs);
  ASSERT_TRUE(e.ok()) << e.failure->message;

  const Histogram stress = model::ApplyMultiple(F, 1.0 / (100 * std::numbers::pi));
  const OperationResult z = RunByHand(engine::kDifference, R, &stress);
  ExpectSameHistogram(e.result->histogram, z.histogram);
  EXPECT_EQ(e.result->failureProbability, z.failureProbability);
  // Mean margin 250 - 159.2 = 90.8 MPa against sigma sqrt(15^2 + 15.9^2) = 21.9 MPa:
  // Pf = Phi(-4.15), about 1.7E-5; 256-interval grids over six sigmas carry it to
  // about a tenth of itself.
  EXPECT_NEAR(e.result->failureProbability, 0.5 * std::erfc(4.146 / std::sqrt(2.0)), 0.2E-5);
}

struct Folding {
  const char* text;
  int steps;        // histogram steps recorded
  double scale;     // the result equals R scaled by this (then shifted)
  double shift;
};

class NumbersAct : public testing::TestWithParam<Folding> {};

TEST_P(NumbersAct, AsExactMultiplesAndShifts) {
  const Histogram R = FromCdf(-2, 6, 16, NormalCdf(2, 1.5));
  const Folding& f = GetParam();
  const Evaluation e = EvaluateExpression(f.text, {Named("R", R)});
  ASSERT_TRUE(e.ok()) << e.failure->message;
  EXPECT_EQ(static_cast<int>(e.steps.size()), f.steps);
  Histogram want = model::ApplyMultiple(R, f.scale);
  want.Min += f.shift;
  want.Max += f.shift;
  EXPECT_NEAR(e.result->histogram.Min, want.Min, 1e-12);
  EXPECT_NEAR(e.result->histogram.Max, want.Max, 1e-12);
  EXPECT_EQ(e.result->histogram.N, want.N);
  for (int i = 1; i <= want.N; ++i) EXPECT_EQ(e.result->histogram.P[i], want.P[i]);
  EXPECT_NEAR(e.result->failureProbability, engine::FailureProbabilityOf(want), 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Expressions, NumbersAct,
                         testing::Values(Folding{"R/1.15", 1, 1 / 1.15, 0}, Folding{"(2*3 - 4)*R", 1, 2, 0},
                                         Folding{"-R", 1, -1, 0}, Folding{"R - 2^2", 1, 1, -4},
                                         Folding{"10 - R", 1, -1, 10}, Folding{"0.5*R + 1", 2, 0.5, 1},
                                         Folding{"R", 0, 1, 0}));

struct Failing {
  const char* text;
  const char* subexpression;
  int engineCode;  // 0: refused before the engine
  const char* messageStart;
};

class Refuses : public testing::TestWithParam<Failing> {};

TEST_P(Refuses, NamingTheSubExpression) {
  const Histogram A = FromCdf(1, 3, 8, NormalCdf(2, 0.5));
  const Histogram B = FromCdf(-1, 1, 8, NormalCdf(0, 0.5));
  const Failing& f = GetParam();
  const Evaluation e = EvaluateExpression(f.text, {Named("A", A), Named("B", B)});
  ASSERT_FALSE(e.ok());
  ASSERT_TRUE(e.failure);
  EXPECT_EQ(e.failure->subexpression, f.subexpression);
  EXPECT_EQ(e.failure->engineError ? e.failure->engineError->code : 0, f.engineCode);
  EXPECT_EQ(e.failure->message.rfind(f.messageStart, 0), 0u) << e.failure->message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refuses,
    testing::Values(Failing{"A + A/B", "A", 0, "The variable A is used 2 times"},
                    Failing{"A*A/B", "A", 0, "The variable A is used more than once; the exact rewrite \"A^2/B\""},
                    Failing{"C + A/B", "C", 0, "No histogram is given for the name C."},
                    Failing{"A/B + 1", "A/B", 49, "The operation \"A/B\" cannot be computed:\n"},
                    Failing{"A^0", "A^0", 50, "The operation \"A^0\" cannot be computed:\n"},
                    Failing{"0*A", "0*A", 0, "The multiple 0 in \"0*A\" leaves no distribution."},
                    Failing{"A/(2 - 2)", "A/(2 - 2)", 0, "Division by zero in \"A/(2 - 2)\"."},
                    Failing{"2*3", "", 0, "The expression contains no histogram."},
                    Failing{"A + 1e300*1e300", "1e+300*1e+300", 0, "\"1e+300*1e+300\" gives a number beyond"},
                    Failing{"1e308*A", "1e+308*A", 0, "\"1e+308*A\" gives a number beyond"},
                    Failing{"A +* B", "", 0, "A +* B\n   ^\n"}));

TEST(Rewrite, AppliedOnlyWhenAskedAndEqualToTheEnginePower) {
  const Histogram R = FromCdf(1, 3, 32, NormalCdf(2, 0.3));
  const Evaluation refused = EvaluateExpression("R*R", {Named("R", R)});
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.offeredRewrite, "R^2");
  EXPECT_EQ(refused.audit, AuditVerdict::Rewritable);
  EXPECT_TRUE(refused.steps.empty());

  EvaluationOptions options;
  options.rewrite = true;
  const Evaluation e = EvaluateExpression("R*R", {Named("R", R)}, options);
  ASSERT_TRUE(e.ok()) << e.failure->message;
  EXPECT_TRUE(e.rewritten);
  EXPECT_EQ(e.evaluatedExpression, "R^2");
  EXPECT_EQ(e.expression, "R*R");
  ExpectSameHistogram(e.result->histogram, RunByHand(engine::kPower, R, nullptr, "2").histogram);
}

TEST(Reflection, FailureProbabilityOfANegatedEngineResultIsTheUpperShare) {
  const Histogram A = FromCdf(-1, 3, 32, NormalCdf(1, 0.8));
  const Histogram B = FromCdf(0, 2, 32, NormalCdf(1, 0.3));
  const Evaluation forward = EvaluateExpression("A - B", {Named("A", A), Named("B", B)});
  const Evaluation back = EvaluateExpression("-(A - B)", {Named("A", A), Named("B", B)});
  ASSERT_TRUE(forward.ok() && back.ok());
  EXPECT_NEAR(back.result->failureProbability + forward.result->failureProbability, 1.0, 1e-12);
  EXPECT_GT(forward.result->failureProbability, 0.3);
}

TEST(ProvenanceLines, ExpressionRewriteInputsAndSteps) {
  const Histogram R = FromCdf(1, 3, 32, NormalCdf(2, 0.3));
  EvaluationOptions options;
  options.rewrite = true;
  ExpressionInput input = Named("R", R);
  input.provenance.sha256 = "ab12";
  const Evaluation e = EvaluateExpression("R*R - 1", {input}, options);
  ASSERT_TRUE(e.ok());
  const std::vector<std::string> lines = ProvenanceLines(e, texts::Language::English);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Expression           R*R - 1");
  EXPECT_EQ(lines[1], "Evaluated as         R^2 - 1");
  EXPECT_EQ(lines[2], "Input R              R.dis  sha256:ab12");
  EXPECT_EQ(lines[3].rfind("Step                 R^2  N=", 0), 0u) << lines[3];
  EXPECT_EQ(lines[4].rfind("Step                 R^2 - 1  N=", 0), 0u) << lines[4];
  EXPECT_EQ(ProvenanceLines(e, texts::Language::Czech)[1], "Vyhodnoceno jako     R^2 - 1");
}

}  // namespace
}  // namespace dorvex::expressions

// The independence audit: exact rewrites where a repeated name reduces to one
// multiple or one power, refusals naming the variable otherwise.

#include <gtest/gtest.h>

#include "expressions/expression_parser.h"
#include "expressions/independence_audit.h"

namespace dorvex::expressions {
namespace {

using texts::Language;

AuditResult Audit(const char* text, Language language = Language::English) {
  const ParseResult r = ParseExpression(text, language);
  EXPECT_TRUE(r.ok()) << text;
  return AuditIndependence(*r.tree, language);
}

struct Rewrite {
  const char* text;
  const char* rewritten;
  const char* variable;
};

class RewritesTo : public testing::TestWithParam<Rewrite> {};

TEST_P(RewritesTo, OneUseOfTheName) {
  const AuditResult a = Audit(GetParam().text);
  ASSERT_EQ(a.verdict, AuditVerdict::Rewritable) << a.message;
  ASSERT_TRUE(a.rewritten);
  EXPECT_EQ(ExpressionText(*a.rewritten), GetParam().rewritten);
  EXPECT_EQ(a.variable, GetParam().variable);
  EXPECT_NE(a.message.find(GetParam().rewritten), std::string::npos) << a.message;
}

INSTANTIATE_TEST_SUITE_P(
    Exact, RewritesTo,
    testing::Values(Rewrite{"R*R", "R^2", "R"}, Rewrite{"R+R", "2*R", "R"},
                    Rewrite{"G + 1.35*G", "2.35*G", "G"}, Rewrite{"R*R*R", "R^3", "R"},
                    Rewrite{"R^2/R", "R", "R"}, Rewrite{"2*R/(R*R)", "2*R^(-1)", "R"},
                    Rewrite{"R - 0.5*R + 3", "0.5*R + 3", "R"}, Rewrite{"-R - R", "-2*R", "R"},
                    Rewrite{"abs(R*R)", "R^2", "R"}, Rewrite{"(-R)*R", "-R^2", "R"},
                    // Only the repeating part is rewritten; the rest stays as written.
                    Rewrite{"R*W - (G + 1.35*G + 0.6*S)", "R*W - (2.35*G + 0.6*S)", "G"},
                    Rewrite{"A*A + B/B", "A^2 + 1", "A"}, Rewrite{"abs(R^3*R)/R", "R^3", "R"}));

struct Refusal {
  const char* text;
  const char* variable;
  int uses;
};

class RefusedFor : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedFor, MessageNamesTheVariable) {
  const AuditResult a = Audit(GetParam().text);
  ASSERT_EQ(a.verdict, AuditVerdict::Refused);
  EXPECT_FALSE(a.rewritten);
  EXPECT_EQ(a.variable, GetParam().variable);
  EXPECT_EQ(a.uses, GetParam().uses);
  EXPECT_NE(a.message.find("variable " + std::string(GetParam().variable) + " is used " +
                           std::to_string(GetParam().uses) + " times"),
            std::string::npos)
      << a.message;
}

INSTANTIATE_TEST_SUITE_P(NoExactRewrite, RefusedFor,
                         testing::Values(Refusal{"A/(A + B)", "A", 2}, Refusal{"R*R + R", "R", 3},
                                         Refusal{"abs(R) + R", "R", 2}, Refusal{"R*S - S*W", "S", 2},
                                         Refusal{"abs(R^3)*R", "R", 2}));

TEST(Audit, IndependentExpressionPassesUntouched) {
  const AuditResult a = Audit("R*W - (G + Q + 0.6*S)");
  EXPECT_EQ(a.verdict, AuditVerdict::Independent);
  EXPECT_FALSE(a.rewritten);
  EXPECT_TRUE(a.message.empty());
}

TEST(Audit, RefusalInCzech) {
  const AuditResult a = Audit("A/(A + B)", Language::Czech);
  EXPECT_NE(a.message.find("Proměnná A je ve výrazu použita 2krát"), std::string::npos) << a.message;
}

}  // namespace
}  // namespace dorvex::expressions

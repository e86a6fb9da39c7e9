// Reading expressions: what the tree says (written back canonically) and where a
// faulty text is refused.

#include <gtest/gtest.h>

#include <string>

#include "expressions/expression_parser.h"

namespace dorvex::expressions {
namespace {

using texts::Language;

struct Reading {
  const char* text;
  const char* canonical;  // the tree written back with only needed parentheses
};

class ParsesTo : public testing::TestWithParam<Reading> {};

TEST_P(ParsesTo, TreeKeepsPrecedenceAndAssociativity) {
  const ParseResult r = ParseExpression(GetParam().text, Language::English);
  ASSERT_TRUE(r.ok()) << r.error->message;
  EXPECT_EQ(ExpressionText(*r.tree), GetParam().canonical);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, ParsesTo,
    testing::Values(Reading{"R*W - (G + Q + 0.6*S)", "R*W - (G + Q + 0.6*S)"},
                    Reading{"a-b-c", "a - b - c"}, Reading{"a-(b-c)", "a - (b - c)"},
                    Reading{"a/b/c", "a/b/c"}, Reading{"a/(b*c)", "a/(b*c)"},
                    Reading{"((R))", "R"}, Reading{"-R^2", "-R^2"}, Reading{"(-R)^2", "(-R)^2"},
                    Reading{"R^-1", "R^(-1)"}, Reading{"R^(-3)", "R^(-3)"},
                    Reading{"abs(A - B)*2", "abs(A - B)*2"}, Reading{"R/1.15", "R/1.15"},
                    Reading{"1.2E-3*x_1", "0.0012*x_1"}, Reading{"+a - -b", "a - -b"},
                    Reading{"F/(100*pi)", "F/(100*pi)"},
                    Reading{"F/(100*\xCF\x80)", "F/(100*pi)"}));

struct Fault {
  const char* text;
  std::size_t position;  // 0-based offset of the caret
  const char* message;   // English
};

class RefusedAt : public testing::TestWithParam<Fault> {};

TEST_P(RefusedAt, PositionAndMessage) {
  const Fault& f = GetParam();
  const ParseResult r = ParseExpression(f.text, Language::English);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error->position, f.position);
  EXPECT_EQ(r.error->message, f.message);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusedAt,
    testing::Values(Fault{"", 0, "The expression is empty."}, Fault{"   ", 3, "The expression is empty."},
                    Fault{"R*/S", 2, "A name, a number or \"(\" is expected here."},
                    Fault{"R +", 3, "A name, a number or \"(\" is expected here."},
                    Fault{"(R + S", 6, "\")\" is expected here."},
                    Fault{"R + S)", 5, "An operator or the end of the expression is expected here."},
                    Fault{"R S", 2, "An operator or the end of the expression is expected here."},
                    Fault{"R^2.5", 2, "The exponent after ^ must be an integer."},
                    Fault{"R^x", 2, "The exponent after ^ must be an integer."},
                    Fault{"R^99999999999", 2, "The exponent after ^ must be an integer."},
                    Fault{"abs R", 4, "\"(\" is expected after abs."},
                    Fault{"2R + S", 0, "\"2R\" is not a number."},
                    Fault{"1e999*R", 0, "\"1e999\" is not a number."},
                    Fault{"R # S", 2, "Unexpected character \"#\"."},
                    Fault{"R + \xC3\xA9", 4, "Unexpected character \"\xC3\xA9\"."}));

TEST(SyntaxErrorText, CaretStandsUnderTheFaultCountingCharacters) {
  const std::string text = "\xCF\x80*R*/S";  // pi is two bytes, one character
  const ParseResult r = ParseExpression(text, Language::English);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error->position, 5u);
  EXPECT_EQ(SyntaxErrorText(text, *r.error),
            text + "\n    ^\nA name, a number or \"(\" is expected here.");
}

TEST(SyntaxError, MessagesInCzech) {
  const ParseResult r = ParseExpression("(R", Language::Czech);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error->message, "Zde se očekává \")\".");
}

TEST(SyntaxError, DeepNestingIsRefusedNotACrash) {
  const std::string deep = std::string(100000, '(') + "R" + std::string(100000, ')');
  const ParseResult r = ParseExpression(deep, Language::English);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error->message, "The expression is nested too deeply.");
  const ParseResult minus = ParseExpression(std::string(100000, '-') + "R", Language::English);
  EXPECT_FALSE(minus.ok());
}

TEST(NameUses, CountsEachNameInOrderOfFirstUse) {
  const ParseResult r = ParseExpression("G + Q*G - abs(S)/G", Language::English);
  ASSERT_TRUE(r.ok());
  const auto uses = NameUses(*r.tree);
  ASSERT_EQ(uses.size(), 3u);
  EXPECT_EQ(uses[0].name, "G");
  EXPECT_EQ(uses[0].uses, 3);
  EXPECT_EQ(uses[1].name, "Q");
  EXPECT_EQ(uses[2].name, "S");
  EXPECT_EQ(uses[2].uses, 1);
}

}  // namespace
}  // namespace dorvex::expressions

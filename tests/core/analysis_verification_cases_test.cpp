#include <gtest/gtest.h>

#include <set>

#include "analysis/verification_cases.h"

namespace dorvex::analysis {
namespace {

TEST(Verification, EveryExactValueLiesWithinItsBounds) {
  const std::vector<VerificationOutcome> outcomes = RunVerification();
  ASSERT_GE(outcomes.size(), 6u);
  std::set<std::string> names;
  for (const VerificationOutcome& o : outcomes) {
    SCOPED_TRACE(o.name);
    names.insert(o.name);
    EXPECT_EQ(o.failure, "");
    EXPECT_TRUE(o.bounded);
    EXPECT_FALSE(o.source.empty());
    EXPECT_GT(o.exact, 0.0);
    EXPECT_LE(o.lower, o.exact);
    EXPECT_GE(o.upper, o.exact);
    EXPECT_TRUE(o.Inside());
    // The bounds are informative and the value itself is close.
    EXPECT_LT(o.upper - o.lower, 0.25 * o.exact);
    EXPECT_LT(o.relativeError, 0.02);
  }
  EXPECT_EQ(names.size(), outcomes.size());
}

TEST(Verification, AnOutcomeOutsideItsBoundsIsNotInside) {
  VerificationOutcome o;
  o.bounded = true;
  o.exact = 1.0;
  o.lower = 0.5;
  o.upper = 0.9;
  EXPECT_FALSE(o.Inside());
  o.upper = 1.0;
  EXPECT_TRUE(o.Inside());
  o.bounded = false;
  EXPECT_FALSE(o.Inside());
}

}  // namespace
}  // namespace dorvex::analysis

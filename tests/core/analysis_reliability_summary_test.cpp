#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "analysis/reliability_summary.h"

namespace dorvex::analysis {
namespace {

using texts::Language;

TEST(ProbabilityText, ThreeDigitsAndAShortExponent) {
  const struct {
    double p;
    const char* text;
  } cases[] = {{8.936e-4, "8.94E-4"}, {2.1e-10, "2.10E-10"}, {0.5, "5.00E-1"}, {1.0, "1.00E0"},
               {0.0, "0"},          {1e-300, "1.00E-300"}};
  for (const auto& c : cases) EXPECT_EQ(ProbabilityText(c.p), c.text) << c.p;
}

TEST(IndexText, TwoDecimalsAndInfinities) {
  EXPECT_EQ(IndexText(3.1235), "3.12");
  EXPECT_EQ(IndexText(-0.5), "-0.50");
  EXPECT_EQ(IndexText(std::numeric_limits<double>::infinity()), "+inf");
}

engine::OperationResult Result(double pf, engine::BoundsKind kind, double lower, double upper, double cut) {
  engine::OperationResult r;
  r.failureProbability = pf;
  r.bounds.kind = kind;
  r.bounds.lower = lower;
  r.bounds.upper = upper;
  r.bounds.cut = cut;
  return r;
}

TEST(ReliabilityLine, ShowsPfItsBoundsAndBeta) {
  const auto s = SummariseReliability(Result(8.936e-4, engine::BoundsKind::Bounded, 8.71e-4, 9.18e-4, 2.7e-8),
                                      3.8, Language::English);
  EXPECT_EQ(ReliabilityLine(s, Language::English), "Pf = 8.94E-4 (8.71E-4 \u2026 9.18E-4)   \u03b2 = 3.12");
  EXPECT_TRUE(s.warnings.empty());
  // The upper Pf gives the lower beta.
  ASSERT_TRUE(s.betaLower && s.betaUpper);
  EXPECT_LT(*s.betaLower, s.beta);
  EXPECT_GT(*s.betaUpper, s.beta);
  EXPECT_NEAR(*s.betaLower, 3.1156, 1e-3);
  EXPECT_EQ(s.targetBeta, 3.8);
}

TEST(ReliabilityLine, SaysWhyThereAreNoBounds) {
  const auto s = SummariseReliability(Result(0.25, engine::BoundsKind::NotMonotone, 0, 0, 0), 3.8, Language::English);
  EXPECT_FALSE(s.pfLower.has_value());
  EXPECT_EQ(ReliabilityLine(s, Language::English),
            "Pf = 2.50E-1 (no bounds: the operation is not monotone over the inputs' spans)   \u03b2 = 0.67");
  EXPECT_NE(ReliabilityLine(s, Language::Czech).find("bez mezí"), std::string::npos);
}

TEST(ReliabilitySummary, WarnsWhenPfIsBelowAHundredTimesTheCut) {
  const auto tails = SummariseReliability(Result(2.1e-10, engine::BoundsKind::Bounded, 2e-10, 3e-8, 2.7e-8),
                                          3.8, Language::English);
  ASSERT_EQ(tails.warnings.size(), 1u);
  EXPECT_NE(tails.warnings[0].find("smaller Eps"), std::string::npos);
  EXPECT_NE(tails.warnings[0].find("2.70E-8"), std::string::npos);
  const auto czech = SummariseReliability(Result(2.1e-10, engine::BoundsKind::Bounded, 2e-10, 3e-8, 2.7e-8),
                                          3.8, Language::Czech);
  EXPECT_NE(czech.warnings.at(0).find("menším Eps"), std::string::npos);
}

TEST(ReliabilityReportLines, LabelTabValueRowsThenTheWarnings) {
  const auto bounded = SummariseReliability(Result(8.936e-4, engine::BoundsKind::Bounded, 8.71e-4, 9.18e-4, 2.7e-8),
                                            3.8, Language::English);
  const auto lines = ReliabilityReportLines(bounded, Language::English);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].rfind("Pf lower bound", 0), 0u);
  EXPECT_NE(lines[0].find("\t"), std::string::npos);
  EXPECT_NE(lines[2].find("3.12 (3.12 \u2026 3.13)"), std::string::npos);
  EXPECT_NE(lines[3].find("3.80"), std::string::npos);
  // One period to 50 and to 1/50 of it: Phi(beta_n) = Phi(beta)^n.
  EXPECT_EQ(lines[4].rfind("\u03b2 over 50 periods", 0), 0u);
  EXPECT_NE(lines[4].find("\t1.71"), std::string::npos);
  EXPECT_NE(lines[5].find("\t4.13"), std::string::npos);
  EXPECT_NEAR(bounded.betaOver50Periods, 1.709106, 1e-5);
  EXPECT_NEAR(bounded.betaOverFiftiethPeriod, 4.133297, 1e-5);

  const auto warned = SummariseReliability(Result(2.1e-10, engine::BoundsKind::Bounded, 2e-10, 3e-8, 2.7e-8), 3.8,
                                           Language::Czech);
  const auto czech = ReliabilityReportLines(warned, Language::Czech);
  ASSERT_EQ(czech.size(), 7u);
  EXPECT_EQ(czech[0].rfind("Dolní mez Pf", 0), 0u);
  EXPECT_EQ(czech[6], warned.warnings[0]);

  const auto none = SummariseReliability(Result(0.25, engine::BoundsKind::NotComputed, 0, 0, 0), 3.8, Language::English);
  const auto noBounds = ReliabilityReportLines(none, Language::English);
  ASSERT_EQ(noBounds.size(), 5u);
  EXPECT_NE(noBounds[0].find("no bounds for this result"), std::string::npos);
}

}  // namespace
}  // namespace dorvex::analysis

#include <gtest/gtest.h>

#include <optional>

#include "sources/distributions/distribution_kit.h"

using namespace dorvex::sources;
using namespace dorvex::sources::kit;

namespace {

TEST(FixedText, WritesFiveDecimalsWithAPoint) {
  EXPECT_EQ(FixedText(2.0, 5), "2.00000");
  EXPECT_EQ(FixedText(-0.123456789, 5), "-0.12346");
  EXPECT_EQ(FixedText(1234567.0, 5), "1234567.00000");
  EXPECT_EQ(Fixed5(0.1L), "0.10000");
}

TEST(SampleTexts, AreTheTablesTextsOrTheShortestTextOfTheValue) {
  FitInputs fit;
  fit.m = 0.1;
  fit.s = 2.5;
  fit.g = -1;
  fit.sText = "     2.50000";
  EXPECT_EQ(MeanText(fit), "0.1");
  EXPECT_EQ(DeviationText(fit), "     2.50000");
  EXPECT_EQ(SkewnessText(fit), "-1");
}

TEST(WidenToData, CoversTheDataWhenItsModeIsInTheLowerHalf) {
  struct Case {
    const char* why;
    bool fitting;
    double Xmod;
    bool faulted;
    double Min, Max;  // expected
  };
  // The search found 2 .. 8; the data span 0 .. 10.
  const Case cases[] = {
      {"mode in the lower half", true, 4.9, false, 0, 10},
      {"mode at the middle", true, 5, false, 2, 8},
      {"not fitting", false, 1, false, 2, 8},
      {"a faulted range", true, 1, true, 2, 8},
  };
  for (const auto& c : cases) {
    FitInputs fit;
    fit.Xmin = 0;
    fit.Xmax = 10;
    fit.Xmod = c.Xmod;
    RangeOutcome r = FixedRange(2, 8);
    if (c.faulted) r.fault = dorvex::numeric::FpFault::Overflow;
    WidenToData(r, c.fitting ? &fit : nullptr);
    EXPECT_EQ(r.Min, c.Min) << c.why;
    EXPECT_EQ(r.Max, c.Max) << c.why;
  }
}

TEST(DataRangeWhereExpNegligible, KeepsTheStartRangeWhenBothDataEndsAreFarRight) {
  const Density none;
  const Parameters p{10, 1, 0, 0};
  FitInputs fit;
  fit.Xmin = 30;  // exp(-20) = 2.1E-9 <= 1E-7
  fit.Xmax = 40;
  const RangeInputs fitting{none, p, 1E-7L, &fit, 25, 45};
  const auto kept = DataRangeWhereExpNegligible(fitting, 0.5L);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->Min, 25.0L);
  EXPECT_EQ(kept->Max, 45.0L);
  EXPECT_EQ(kept->step, 0.5L);

  fit.Xmin = 20;  // exp(-10) = 4.5E-5: the search must run
  EXPECT_FALSE(DataRangeWhereExpNegligible(fitting, 0.5L).has_value());
  const RangeInputs plain{none, p, 1E-7L, nullptr, 0, 0};
  EXPECT_FALSE(DataRangeWhereExpNegligible(plain, 0.5L).has_value());
}

}  // namespace

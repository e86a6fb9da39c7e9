#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "model/listing_rows.h"
#include "statvex/number_text.h"
#include "texts/language.h"

using dorvex::model::FrequencyMultiplier;
using dorvex::model::Histogram;
using dorvex::model::HistogramType;
using dorvex::model::ListingFrequencyText;
using dorvex::model::ListingQuery;
using dorvex::model::ListingShade;
using dorvex::model::ProbabilityGridRows;
using dorvex::model::ResultListingRows;
using dorvex::model::ResultListingShades;
using dorvex::statvex::DisplayNumber;

namespace {

const std::string kFour = "    ";

// A result on the values 1, 2, 3 with probabilities 0.25, 0.5, 0.25: its total is
// 1 / 0.25 = 4, so the frequencies are 1, 2, 1.
Histogram ThreeIntervals(HistogramType type) {
  Histogram h;
  h.P[1] = 0.25;
  h.P[2] = 0.5;
  h.P[3] = 0.25;
  h.N = 3;
  h.Min = 1.0;
  h.Max = 3.0;
  h.d = 1.0;
  h.Range = 2.0;
  h.Type = type;
  return h;
}

constexpr dorvex::texts::Language kEnglish = dorvex::texts::Language::English;

TEST(ResultListing, DiscreteResultListsBoundsAroundEveryInterval) {
  const auto rows = ResultListingRows(ThreeIntervals(HistogramType::Discrete), 4.0L, kEnglish);
  ASSERT_EQ(rows.size(), 9u);  // header, bound, 3 x (interval, bound), total
  EXPECT_EQ(rows[0], (dorvex::model::ListingRow{"   INT", "             x", "   Probability P(x)", "    Frequency"}));
  EXPECT_EQ(rows[1], (dorvex::model::ListingRow{"", kFour + DisplayNumber(0.5), "", ""}));
  EXPECT_EQ(rows[4], (dorvex::model::ListingRow{"    2", kFour + DisplayNumber(2.0), kFour + DisplayNumber(0.5), "    2"}));
  EXPECT_EQ(rows[7][1], kFour + DisplayNumber(3.5));
  EXPECT_EQ(rows[8], (dorvex::model::ListingRow{"", "   Total", kFour + DisplayNumber(1.0), "    4"}));
}

TEST(ResultListing, PureDiscreteResultListsOneRowPerPoint) {
  const auto rows = ResultListingRows(ThreeIntervals(HistogramType::PureDiscrete), 4.0L, kEnglish);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1], (dorvex::model::ListingRow{"    1", kFour + DisplayNumber(1.0), kFour + DisplayNumber(0.25), "    1"}));
  EXPECT_EQ(rows[3][1], kFour + DisplayNumber(3.0));
  EXPECT_EQ(rows[4][1], "   Total");
}

TEST(ResultListing, CzechHeadersComeFromTheMessageTable) {
  const auto rows =
      ResultListingRows(ThreeIntervals(HistogramType::PureDiscrete), 4.0L, dorvex::texts::Language::Czech);
  EXPECT_EQ(rows[0][2], "    Pravděpod. P(x)");
  EXPECT_EQ(rows.back()[1], "  Celkem");
}

TEST(ListingFrequencyText, UsesTheNumberTextFromAMillionOn) {
  EXPECT_EQ(ListingFrequencyText(2500000.0L), "  " + DisplayNumber(2500000.0));
  EXPECT_EQ(ListingFrequencyText(999999.0L), "    999999");
  EXPECT_EQ(ListingFrequencyText(0.5L), "    0");  // half to even
}

TEST(FrequencyMultiplier, TakesTheResultTotalOnlyWhenBothTotalsDifferFromOne) {
  struct Case {
    long double t1, t2, expected;
  };
  const Case cases[] = {
      {55.0L, 12.0L, 7.0L},  // two files: the result total
      {55.0L, 0.0L, 7.0L},   // one-input operation on a file with a total
      {1.0L, 12.0L, 12.0L},  // A normalised: T1 * T2
      {55.0L, 1.0L, 55.0L},  // listing of A itself
      {1.0L, 0.0L, 1.0L},    // one-input operation on a normalised A: T1 alone
  };
  for (const Case& c : cases) EXPECT_EQ(FrequencyMultiplier(c.t1, c.t2, 7.0L), c.expected);
}

TEST(ResultListingShades, DiscreteValueQueryShadesTheIntervalsStartingBelowTheValue) {
  // Lower bounds 0.5, 1.5, 2.5: x = 2.2 lies above the first two.
  const auto shades = ResultListingShades(ThreeIntervals(HistogramType::Discrete), ListingQuery::Value, 2.2);
  using S = ListingShade;
  const std::vector<ListingShade> expected{S::Grid, S::Grid, S::BelowValue, S::Grid, S::BelowValue,
                                           S::Grid, S::Plain, S::Grid, S::Total};
  EXPECT_EQ(shades, expected);
  // A bound equal to the queried value keeps its row plain.
  EXPECT_EQ(ResultListingShades(ThreeIntervals(HistogramType::Discrete), ListingQuery::Quantile, 1.5)[4], S::Plain);
  EXPECT_EQ(ResultListingShades(ThreeIntervals(HistogramType::Discrete), ListingQuery::Quantile, 1.5)[2],
            S::BelowQuantile);
}

TEST(ResultListingShades, PureDiscreteComparesEachPointLessItsWidth) {
  // x - d = 0, 1, 2 against x = 2: the first two rows are shaded.
  using S = ListingShade;
  EXPECT_EQ(ResultListingShades(ThreeIntervals(HistogramType::PureDiscrete), ListingQuery::Value, 2.0),
            (std::vector<ListingShade>{S::Grid, S::BelowValue, S::BelowValue, S::Plain, S::Total}));
  EXPECT_EQ(ResultListingShades(ThreeIntervals(HistogramType::PureDiscrete), ListingQuery::None, 0.0),
            (std::vector<ListingShade>{S::Grid, S::Plain, S::Plain, S::Plain, S::Total}));
}

TEST(ResultListingShades, AGridOfThreeRowsHasNoTotalShade) {
  Histogram h = ThreeIntervals(HistogramType::PureDiscrete);
  h.N = 1;
  h.P[1] = 1.0;
  EXPECT_EQ(ResultListingShades(h, ListingQuery::None, 0.0),
            (std::vector<ListingShade>{ListingShade::Grid, ListingShade::Plain, ListingShade::Grid}));
}

TEST(ProbabilityGridRows, DiscreteGridInterleavesBoundsAndEndsWithTheTotal) {
  dorvex::texts::SetLanguage(dorvex::texts::Language::English);
  const std::array<double, 2> p{0.25, 0.75};
  const auto rows = ProbabilityGridRows(p, 2.0, 10.0, true);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0], (dorvex::model::ProbabilityGridRow{" INT", "        x", "     P(x)"}));
  EXPECT_EQ(rows[1][1], DisplayNumber(9.0));
  EXPECT_EQ(rows[4], (dorvex::model::ProbabilityGridRow{"   2", DisplayNumber(12.0), DisplayNumber(0.75)}));
  EXPECT_EQ(rows[5][1], DisplayNumber(13.0));
  EXPECT_EQ(rows[6], (dorvex::model::ProbabilityGridRow{"", "   T o t a l ", DisplayNumber(1.0)}));

  const auto points = ProbabilityGridRows(p, 2.0, 10.0, false);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2][1], DisplayNumber(12.0));
}

}  // namespace

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

#include "analysis/listing_rows.h"
#include "statvex/number_text.h"
#include "texts/language.h"

using dorvex::analysis::DescriptionPaint;
using dorvex::analysis::DescriptionShading;
using dorvex::analysis::FileListingLine;
using dorvex::analysis::FileListingLines;
using dorvex::analysis::FileListingTitle;
using dorvex::analysis::FrequencyMultiplier;
using dorvex::model::Histogram;
using dorvex::model::HistogramType;
using dorvex::analysis::ListingFrequencyText;
using dorvex::analysis::ListingQuery;
using dorvex::analysis::ListingShade;
using dorvex::analysis::ProbabilityGridRows;
using dorvex::analysis::ResultListingRows;
using dorvex::analysis::ReadFileListing;
using dorvex::analysis::ResultListingShades;
using dorvex::analysis::RowPaint;
using dorvex::statvex::DisplayNumber;
using dorvex::texts::Language;

using dorvex::texts::Language;

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

TEST(ResultListing, DiscreteResultListsBoundsAroundEveryInterval) {
  const auto rows = ResultListingRows(ThreeIntervals(HistogramType::Discrete), 4.0L, Language::English);
  ASSERT_EQ(rows.size(), 9u);  // header, bound, 3 x (interval, bound), total
  EXPECT_EQ(rows[0], (dorvex::analysis::ListingRow{"   INT", "             x", "   Probability P(x)", "    Frequency"}));
  EXPECT_EQ(rows[1], (dorvex::analysis::ListingRow{"", kFour + DisplayNumber(0.5), "", ""}));
  EXPECT_EQ(rows[4], (dorvex::analysis::ListingRow{"    2", kFour + DisplayNumber(2.0), kFour + DisplayNumber(0.5), "    2"}));
  EXPECT_EQ(rows[7][1], kFour + DisplayNumber(3.5));
  EXPECT_EQ(rows[8], (dorvex::analysis::ListingRow{"", "   Total", kFour + DisplayNumber(1.0), "    4"}));
}

TEST(ResultListing, PureDiscreteResultListsOneRowPerPoint) {
  const auto rows = ResultListingRows(ThreeIntervals(HistogramType::PureDiscrete), 4.0L, Language::English);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1], (dorvex::analysis::ListingRow{"    1", kFour + DisplayNumber(1.0), kFour + DisplayNumber(0.25), "    1"}));
  EXPECT_EQ(rows[3][1], kFour + DisplayNumber(3.0));
  EXPECT_EQ(rows[4][1], "   Total");
}

TEST(ResultListing, CzechHeadersComeFromTheMessageTable) {
  const auto rows = ResultListingRows(ThreeIntervals(HistogramType::PureDiscrete), 4.0L, Language::Czech);
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

// 0x00BBGGRR colours of the description tables.
constexpr unsigned kResultRow = 0xFFE1E1;
constexpr unsigned kInputRow = 0xC1FFFF;
constexpr unsigned kBelowQuery = 0xB0D8FF;
const RowPaint kNone{};
const RowPaint kTotal{0xB3CBFF, 1, 3};

RowPaint Row(unsigned colour) { return RowPaint{colour, 0, 4}; }

struct PaintCase {
  const char* name;
  HistogramType type;
  DescriptionShading shading;
  std::vector<RowPaint> expected;
};

// ThreeIntervals: points 1, 2, 3 (d = 1); as intervals their lower bounds are 0.5,
// 1.5, 2.5, on rows 2, 4, 6.
const PaintCase kPaintCases[] = {
    {"result points", HistogramType::PureDiscrete, {true, true, std::nullopt, 1.0},
     {kNone, Row(kResultRow), Row(kResultRow), Row(kResultRow), kTotal}},
    {"input points", HistogramType::PureDiscrete, {true, false, std::nullopt, 0.0},
     {kNone, Row(kInputRow), Row(kInputRow), Row(kInputRow), kTotal}},
    // 1 - 1, 2 - 1 lie below 1.5; 3 - 1 reaches it.
    {"points after a quantile", HistogramType::PureDiscrete, {true, true, 1.5, 1.0},
     {kNone, Row(kBelowQuery), Row(kBelowQuery), Row(kResultRow), kTotal}},
    // A point less dAB equal to the queried number is not below it.
    {"point at the query", HistogramType::PureDiscrete, {true, true, 1.0, 1.0},
     {kNone, Row(kBelowQuery), Row(kResultRow), Row(kResultRow), kTotal}},
    {"input after a quantile", HistogramType::PureDiscrete, {true, false, 0.5, 0.0},
     {kNone, Row(kResultRow), Row(kResultRow), Row(kResultRow), kTotal}},
    {"result intervals", HistogramType::Discrete, {true, true, std::nullopt, 1.0},
     {kNone, kNone, Row(kResultRow), kNone, Row(kResultRow), kNone, Row(kResultRow), kNone, kTotal}},
    // Bounds 0.5, 1.5, 2.5 less dAB = 1 against 0.6: only the last reaches it.
    {"intervals after a quantile", HistogramType::Discrete, {true, true, 0.6, 1.0},
     {kNone, kNone, Row(kBelowQuery), kNone, Row(kBelowQuery), kNone, Row(kResultRow), kNone, kTotal}},
    {"colours off", HistogramType::Discrete, {false, true, 0.6, 1.0},
     {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
};

TEST(DescriptionPaint, PaintsIntervalRowsByTheirQueryAndTheTotalRow) {
  for (const PaintCase& c : kPaintCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DescriptionPaint(ThreeIntervals(c.type), c.shading), c.expected);
  }
}

TEST(DescriptionPaint, TheResultListingComparesADiscreteBoundWithoutTheWidth) {
  // The same bounds 0.5, 1.5, 2.5 against 0.6 in the result listing: only the first is below.
  const auto shades = ResultListingShades(ThreeIntervals(HistogramType::Discrete), ListingQuery::Value, 0.6);
  EXPECT_EQ(shades[2], ListingShade::BelowValue);
  EXPECT_EQ(shades[4], ListingShade::Plain);
}

constexpr unsigned kGreen = 0x8000;
constexpr unsigned kRed = 0xFF;
const FileListingLine kRule{std::string(115, '-'), 0x000000};

struct FileListingCase {
  const char* name;
  const char* text;
  std::vector<FileListingLine> expected;
};

const FileListingCase kFileListingCases[] = {
    {"header then frequencies",
     "[Description]\r\nBins=2\r\n[Bins]\r\n3\r\n\r\n4\r\n",
     {{"[   1]    [Description]", kGreen},
      {"[   2]    Bins=2", kGreen},
      {"[   3]    [Bins]", kGreen},
      {"[   0]    3", kRed},
      {"[   1]    4", kRed},
      kRule}},
    {"blanks kept, LF ends and no end after the last line",
     " Min = 1\n\n[Bins]\n 5",
     {{"[   1]     Min = 1", kGreen},
      {"[   2]    ", kGreen},
      {"[   3]    [Bins]", kGreen},
      {"[   0]     5", kRed},
      kRule}},
    {"no [Bins]: every line green", "a\nb\n", {{"[   1]    a", kGreen}, {"[   2]    b", kGreen}, kRule}},
    {"empty text", "", {kRule}},
};

TEST(FileListingLines, NumbersAndColoursTheHeaderAndTheFrequencies) {
  for (const FileListingCase& c : kFileListingCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FileListingLines(c.text), c.expected);
  }
}

TEST(FileListingLines, NumbersPastFourDigitsWidenTheBrackets) {
  std::string text = "[Bins]\n";
  for (int i = 0; i <= 10000; ++i) text += "1\n";
  const auto lines = FileListingLines(text);
  EXPECT_EQ(lines[10].text, "[   9]    1");
  EXPECT_EQ(lines[1001].text, "[1000]    1");
  EXPECT_EQ(lines[10001].text, "[10000]    1");
}

TEST(ReadFileListing, ListsTheFileOrOnlyTheRule) {
  const auto fixture = ReadFileListing(std::string(DORVEX_FIXTURES) + "/discrete_ten.dis");
  // Twelve header lines up to "[Bins]", ten frequencies, the rule.
  ASSERT_EQ(fixture.size(), 12u + 10u + 1u);
  EXPECT_EQ(fixture[11], (FileListingLine{"[  12]    [Bins]", kGreen}));
  EXPECT_EQ(fixture[12], (FileListingLine{"[   0]    1", kRed}));
  EXPECT_EQ(ReadFileListing(std::string(DORVEX_FIXTURES) + "/no such file.dis"),
            std::vector<FileListingLine>{kRule});
}

TEST(FileListingTitle, NamesTheSlotFileInTheGivenLanguage) {
  EXPECT_EQ(FileListingTitle("beam", Language::English), "Description  :   beam.dis");
  EXPECT_EQ(FileListingTitle("beam", Language::Czech), "Popis  :   beam.dis");
}

TEST(ProbabilityGridRows, DiscreteGridInterleavesBoundsAndEndsWithTheTotal) {
  const std::array<double, 2> p{0.25, 0.75};
  const auto rows = ProbabilityGridRows(p, 2.0, 10.0, true, Language::English);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0], (dorvex::analysis::ProbabilityGridRow{" INT", "        x", "     P(x)"}));
  EXPECT_EQ(rows[1][1], DisplayNumber(9.0));
  EXPECT_EQ(rows[4], (dorvex::analysis::ProbabilityGridRow{"   2", DisplayNumber(12.0), DisplayNumber(0.75)}));
  EXPECT_EQ(rows[5][1], DisplayNumber(13.0));
  EXPECT_EQ(rows[6], (dorvex::analysis::ProbabilityGridRow{"", "   T o t a l ", DisplayNumber(1.0)}));

  const auto points = ProbabilityGridRows(p, 2.0, 10.0, false, Language::English);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[2][1], DisplayNumber(12.0));
}

}  // namespace

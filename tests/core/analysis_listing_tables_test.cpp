// The spreadsheet cell layouts of the two listing windows.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "analysis/listing_tables.h"
#include "analysis/result_report.h"
#include "support/histogram_builders.h"
#include "texts/language.h"

namespace dorvex::analysis {
namespace {

using model::HistogramType;
using test_support::MakeHistogram;
using texts::Language;

// P = 1/8, 5/16, 9/16 on 1, 2, 3, listed with c = 8 (the result total).
model::Histogram Listed(HistogramType type) {
  return MakeHistogram(type, 1.0, 1.0, {0.125, 0.3125, 0.5625});
}

SheetLayout Layout(HistogramType type, Language language = Language::English) {
  const model::Histogram h = Listed(type);
  return ListingCells(h, analysis::DescriptionTable(h, "(A + B) * nAB", 8, language), language);
}

std::set<int> RowsUsed(const SheetLayout& layout) {
  std::set<int> rows;
  for (const SheetCell& cell : layout.cells) rows.insert(cell.row);
  return rows;
}

std::set<int> Range(int first, int last) {
  std::set<int> rows;
  for (int row = first; row <= last; ++row) rows.insert(row);
  return rows;
}

std::set<int> Union(std::set<int> a, const std::set<int>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

TEST(ListingCells, FillTheRowsOfEachWindowsLayoutForThreeIntervals) {
  const struct {
    HistogramType type;
    std::set<int> rows;
  } cases[] = {
      // Characteristics 3..14, headings 16, points 17..19, total 20.
      {HistogramType::PureDiscrete, Union(Range(3, 14), Range(16, 20))},
      // Title 1, characteristics, headings, bound 17, value and bound rows 18..23, total 24.
      {HistogramType::Discrete, Union({1}, Union(Range(3, 14), Range(16, 24)))},
  };
  for (const auto& each : cases) {
    const SheetLayout layout = Layout(each.type);
    EXPECT_EQ(layout.sheetName, "Histogram");
    EXPECT_EQ(RowsUsed(layout), each.rows);
    std::set<std::pair<int, int>> places;
    for (const SheetCell& cell : layout.cells) {
      EXPECT_TRUE(places.insert({cell.row, cell.column}).second)
          << "two cells at " << cell.row << "," << cell.column;
      EXPECT_FALSE(cell.text.empty());
    }
  }
}

// Expected text of a cell, and its number when the cell holds one (NaN: a text cell).
struct Expected {
  int row;
  int column;
  std::string text;
  double number;
};

void ExpectCells(const SheetLayout& layout, const std::vector<Expected>& expected) {
  for (const Expected& e : expected) {
    const SheetCell* cell = FindCell(layout, e.row, e.column);
    ASSERT_NE(cell, nullptr) << e.row << "," << e.column;
    EXPECT_EQ(cell->text, e.text) << e.row << "," << e.column;
    if (std::isnan(e.number)) {
      EXPECT_FALSE(cell->number.has_value()) << e.row << "," << e.column;
    } else {
      ASSERT_TRUE(cell->number.has_value()) << e.row << "," << e.column;
      EXPECT_EQ(*cell->number, e.number) << e.row << "," << e.column;
    }
  }
}

constexpr double kText = NAN;

TEST(PointListingCells, ListsValueProbabilityFrequencyAndDistributionPerPoint) {
  // Frequencies 8 P = 1, 2.5, 4.5; F = 1/8, 7/16, 1 (all exact binary fractions).
  ExpectCells(Layout(HistogramType::PureDiscrete),
              {
                  {3, 1, "Min                              ", kText},
                  {3, 2, "1", 1},
                  {5, 2, std::string(11, ' ') + "3", 3},
                  {6, 2, "8", 8},  // the listing's c stands as the sum of frequencies
                  {14, 1, "Coefficient of kurtosis (express)", kText},
                  {16, 1, " Intervals", kText},
                  {16, 5, " Distr.function F(x)", kText},
                  {18, 1, "2", 2},
                  {18, 2, "2", 2},
                  {18, 3, "0.3125", 0.3125},
                  {18, 4, "2.5", 2.5},
                  {18, 5, "0.4375", 0.4375},
                  {19, 5, "1", 1},
                  {20, 2, "   Total", kText},
                  {20, 3, std::string(14, ' ') + "1", 1},
                  {20, 4, "8", 8},
              });
}

TEST(IntervalListingCells, AlternatesValueRowsAndBoundRowsUnderTheTitle) {
  // F at the mid-point of interval 2: 1/8 + 5/32 = 9/32; at its upper bound 7/16.
  ExpectCells(Layout(HistogramType::Discrete, Language::Czech),
              {
                  {1, 1, "Histogram : (A + B) * nAB", kText},
                  {3, 2, "0.5", 0.5},
                  {4, 2, "3.5", 3.5},
                  {16, 1, " Interval", kText},
                  {16, 3, " Pravděpod. P(x)", kText},
                  {17, 2, "0.5", 0.5},
                  {17, 5, "0", 0},
                  {20, 1, "2", 2},
                  {20, 2, "2", 2},
                  {20, 3, "0.3125", 0.3125},
                  {20, 4, "2.5", 2.5},
                  {20, 5, "0.28125", 0.28125},
                  {21, 2, "2.5", 2.5},
                  {21, 5, "0.4375", 0.4375},
                  {23, 2, "3.5", 3.5},
                  {23, 5, "1", 1},
                  {24, 2, "C e l k e m", kText},
                  {24, 3, std::string(11, ' ') + "1", 1},
                  {24, 4, "8", 8},
              });
}

TEST(ListingCells, AnUndefinedSkewnessStaysAText) {
  // All probability on one value: no spread, so skewness and kurtosis are undefined.
  const model::Histogram h = MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, {0, 1, 0});
  const SheetLayout layout =
      PointListingCells(h, analysis::DescriptionTable(h, "", 1, Language::English), Language::English);
  ExpectCells(layout, {{12, 2, "undefined", kText}, {14, 2, "undefined", kText}});
}

TEST(ExportHeadings, SetsTheFirstFiveAndLeavesTenEmpty) {
  const auto english = ExportHeadings(Language::English);
  EXPECT_EQ(english[3], "   Frequency");
  EXPECT_EQ(ExportHeadings(Language::Czech)[4], " Distr.funkce F(x)");
  for (std::size_t i = 5; i < english.size(); ++i) EXPECT_TRUE(english[i].empty()) << i;
}

}  // namespace
}  // namespace dorvex::analysis

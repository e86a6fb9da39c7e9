#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tables/combination.h"
#include "texts/table_texts.h"

using dorvex::tables::HistogramTable;
using dorvex::tables::NewTable;
using dorvex::tables::TableKind;
using dorvex::tables::TableOutcome;
using dorvex::texts::Language;
namespace tables = dorvex::tables;

namespace {

const std::string kExamples = std::string(DORVEX_FIXTURES) + "/../../examples/Histograms";
// Sums of a few hundred products of probabilities.
constexpr double kTight = 1e-12;

// Row `row` holds the values min, min + d, ... with probabilities proportional to
// `weights`, and the total `total`; multiple "1".
void SetRow(HistogramTable& table, int row, double min, double d, const std::vector<double>& weights, double total) {
  double sum = 0;
  for (double w : weights) sum += w;
  const auto n = static_cast<double>(weights.size());
  table.parameters[row - 1] = {n, min, min + (n - 1) * d, (n - 1) * d, d, total, 0.0};
  table.probabilities[row - 1] = {};
  for (std::size_t k = 0; k < weights.size(); ++k) table.probabilities[row - 1][k + 1] = weights[k] / sum;
  table.cells[row][tables::kFileColumn] = std::to_string(row).insert(0, "row").append(".dis");
  table.cells[row][tables::kMultipleColumn] = std::string("1");
}

struct Moments {
  double mean = 0;
  double variance = 0;
};

Moments MomentsOf(const dorvex::model::Histogram& h) {
  Moments m;
  for (int k = 1; k <= h.N; ++k) m.mean += h.P[k] * (h.Min + (k - 1) * h.d);
  for (int k = 1; k <= h.N; ++k) m.variance += h.P[k] * std::pow(h.Min + (k - 1) * h.d - m.mean, 2);
  return m;
}

}  // namespace

// Two coins (values 0 and 1) on a grid of M = 2 intervals of width 2 centred on 0
// and 2: the sum 1 lies exactly between them. Rounding half to even would put it
// on 0 (P = 0.75, 0.25, mean 0.5 instead of 1); it splits evenly instead.
TEST(Combination, SumsHalfwayBetweenTwoIntervalsSplitEvenly) {
  const struct {
    std::vector<double> weights;
    std::vector<double> expected;
  } cases[] = {
      {{1, 1}, {0.5, 0.5}},                  // sums 0, 1, 1, 2
      {{1, 1, 1}, {2.0 / 9, 5.0 / 9, 2.0 / 9}},  // sums 0 .. 4 over 0, 2, 4
  };
  for (const auto& c : cases) {
    HistogramTable table = NewTable(TableKind::Combination, Language::English);
    SetRow(table, 1, 0, 1, c.weights, 2);
    SetRow(table, 2, 0, 1, c.weights, 2);
    const TableOutcome outcome = tables::ComputeCombination(table, Language::English);
    ASSERT_TRUE(outcome.ok());
    const auto& h = *outcome.result;
    ASSERT_EQ(h.N, static_cast<int>(c.expected.size()));
    EXPECT_DOUBLE_EQ(h.Min, 0);
    EXPECT_DOUBLE_EQ(h.d, 2);
    EXPECT_DOUBLE_EQ(h.Max, 2.0 * (h.N - 1));
    for (int k = 1; k <= h.N; ++k) EXPECT_NEAR(h.P[k], c.expected[k - 1], kTight) << k;
    EXPECT_NEAR(MomentsOf(h).mean, 2 * (c.weights.size() - 1) / 2.0, kTight);
    EXPECT_EQ(h.Total, 4.0L);
  }
}

TEST(Combination, ANegativeMultipleSubtracts) {
  HistogramTable table = NewTable(TableKind::Combination, Language::English);
  SetRow(table, 1, 10, 1, {1, 2, 3, 4}, 10);  // mean 12
  SetRow(table, 2, 1, 1, {3, 1}, 4);          // mean 1.25
  table.cells[2][tables::kMultipleColumn] = "-1";
  const TableOutcome outcome = tables::ComputeCombination(table, Language::English);
  ASSERT_TRUE(outcome.ok());
  const auto& h = *outcome.result;
  // Values 8 .. 12 (10 - 2 .. 13 - 1) on M = 4 intervals over 7 .. 13, wide 1.5.
  EXPECT_DOUBLE_EQ(h.d, 1.5);
  EXPECT_GE(h.Min, 8 - h.d / 2);
  EXPECT_LE(h.Max, 12 + h.d / 2);
  // Each value moves to a centre at most 1/4 away (10 is a tie and splits).
  EXPECT_NEAR(MomentsOf(h).mean, 12 - 1.25, 0.25);
  EXPECT_EQ(h.Total, 40.0L);
}

TEST(Combination, TotalIsTheProductOfTheRoundedTotals) {
  HistogramTable table = NewTable(TableKind::Combination, Language::English);
  SetRow(table, 1, 0, 1, {1, 1, 1, 1, 1, 1}, 10);
  SetRow(table, 2, 0, 1, {1, 2, 1}, 20.4);
  SetRow(table, 3, 0, 0.5, {1, 1, 1, 1, 1, 1, 1, 1}, 2.5);
  const TableOutcome outcome = tables::ComputeCombination(table, Language::English);
  ASSERT_TRUE(outcome.ok());
  const auto& h = *outcome.result;
  EXPECT_EQ(h.Total, 10.0L * 20 * 2);  // 2.5 rounds to the even 2
  EXPECT_LE(h.N, 8);                   // M intervals, then trimmed
  long double sum = 0;
  for (int k = 1; k <= h.N; ++k) sum += h.P[k];
  EXPECT_NEAR(static_cast<double>(sum), 1.0, kTight);
  // The mean of a sum is the sum of the means: 2.5 + 1 + 1.75.
  EXPECT_NEAR(MomentsOf(h).mean, 5.25, kTight);
}

// Dead, live and wind load with the partial factors of a load combination: the
// sum's mean is the sum of the scaled means, its variance the sum of the scaled
// variances (the loads are independent).
TEST(Combination, LoadCombinationHasTheSumsMeanAndSpread) {
  HistogramTable table = NewTable(TableKind::Combination, Language::English);
  const char* files[] = {"Loads/Dead_load.dis", "Loads/Live_load_50_years.dis", "Loads/Wind_load_50_years.dis"};
  const double multiples[] = {1.35, 1.5, 0.9};
  const char* multipleTexts[] = {"1.35", "1.5", "0.9"};
  double mean = 0;
  double variance = 0;
  for (int row = 1; row <= 3; ++row) {
    ASSERT_FALSE(tables::OpenRowHistogram(table, row, kExamples + "/" + files[row - 1]));
    table.cells[row][tables::kMultipleColumn] = multipleTexts[row - 1];
    const Moments load = MomentsOf(tables::RowHistogram(table, row));
    mean += multiples[row - 1] * load.mean;
    variance += std::pow(multiples[row - 1], 2) * load.variance;
  }
  const TableOutcome outcome = tables::ComputeCombination(table, Language::English);
  ASSERT_TRUE(outcome.ok());
  const auto& h = *outcome.result;
  const Moments sum = MomentsOf(h);
  // Ties split and other values round to the nearest centre, so the mean keeps to
  // a small part of a width; each of the two steps adds about width^2 / 12 to
  // the variance.
  EXPECT_NEAR(sum.mean, mean, h.d / 20);
  EXPECT_NEAR(std::sqrt(sum.variance), std::sqrt(variance), h.d / 10);
}

TEST(Combination, ChecksMultiplesWhicheverRowIsSelected) {
  const struct {
    const char* what;
    int row;
    const char* text;
    int message;
    int question;
  } cases[] = {
      {"not a number", 2, "1,5", 99, 0},
      {"beyond a double", 1, "1E999", 99, 0},
      {"zero", 2, "0", 70, 0},
      {"zero spelt 0.00", 1, "0.00", 70, 0},
      {"empty", 2, "", 0, 69},
  };
  for (const auto& c : cases) {
    HistogramTable table = NewTable(TableKind::Combination, Language::English);
    SetRow(table, 1, 0, 1, {1, 1}, 2);
    SetRow(table, 2, 0, 1, {1, 1}, 2);
    SetRow(table, 3, 0, 1, {1, 1}, 2);
    table.cells[c.row][tables::kMultipleColumn] = c.text;
    if (c.message == 70) table.cells[3][tables::kMultipleColumn] = std::string("0");
    const std::string rowText = tables::RowText(table, c.row);
    const TableOutcome outcome = tables::ComputeCombination(table, Language::English);
    EXPECT_FALSE(outcome.result) << c.what;
    EXPECT_EQ(outcome.question, c.question) << c.what;
    EXPECT_EQ(outcome.error ? outcome.error->message : 0, c.message) << c.what;
    if (c.message == 99) {
      EXPECT_EQ(outcome.error->append, rowText) << c.what;
    }
    if (c.message == 70) {  // every zero multiple is emptied
      EXPECT_EQ(table.cells[c.row][tables::kMultipleColumn], "") << c.what;
      EXPECT_EQ(table.cells[3][tables::kMultipleColumn], "") << c.what;
    }
  }
}

TEST(Combination, NeedsTwoRowsThatAreHistograms) {
  HistogramTable table = NewTable(TableKind::Combination, Language::English);
  SetRow(table, 1, 0, 1, {1, 1}, 2);
  const TableOutcome one = tables::ComputeCombination(table, Language::English);
  ASSERT_TRUE(one.error);
  EXPECT_EQ(one.error->message, 74);

  SetRow(table, 2, 0, 1, {1, 1}, 2);
  table.parameters[1][tables::kWidthParameter] = 0;
  const TableOutcome corrupt = tables::ComputeCombination(table, Language::English);
  ASSERT_TRUE(corrupt.error);
  EXPECT_EQ(corrupt.error->append, dorvex::texts::InvalidTableRowText(2, Language::English));
}

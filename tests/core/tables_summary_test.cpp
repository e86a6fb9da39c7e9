#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tables/summary.h"
#include "texts/messages.h"
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
// `weights`, and the total `total`; multiple and weight cells "1".
void SetRow(HistogramTable& table, int row, double min, double d, const std::vector<double>& weights, double total) {
  double sum = 0;
  for (double w : weights) sum += w;
  const auto n = static_cast<double>(weights.size());
  table.parameters[row - 1] = {n, min, min + (n - 1) * d, n * d, d, total, 0.0};
  table.probabilities[row - 1] = {};
  for (std::size_t k = 0; k < weights.size(); ++k) table.probabilities[row - 1][k + 1] = weights[k] / sum;
  table.cells[row][tables::kFileColumn] = std::to_string(row).insert(0, "row").append(".dis");
  table.cells[row][tables::kMultipleColumn] = "1";
  table.cells[row][tables::kWeightColumn] = "1";
}

HistogramTable TwoRows() {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  SetRow(table, 1, 0.5, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 55);
  SetRow(table, 2, 0.5, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 55);
  return table;
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

TEST(Summary, TwoEqualRowsGiveTheirHistogramBackWithTwiceItsTotal) {
  HistogramTable table = TwoRows();
  const TableOutcome outcome = tables::ComputeSummary(table, 1, Language::English);
  ASSERT_TRUE(outcome.ok());
  const auto& h = *outcome.result;
  EXPECT_EQ(h.N, 10);
  EXPECT_DOUBLE_EQ(h.Min, 0.5);
  EXPECT_DOUBLE_EQ(h.Max, 9.5);
  EXPECT_DOUBLE_EQ(h.d, 1.0);
  EXPECT_EQ(h.Total, 110.0L);
  EXPECT_EQ(h.Type, dorvex::model::HistogramType::Discrete);
  for (int k = 1; k <= 10; ++k) EXPECT_NEAR(h.P[k], k / 55.0, kTight) << k;
}

TEST(Summary, WeightsShareTheProbabilityInProportion) {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  SetRow(table, 1, 0.5, 1, {1, 2, 3, 2, 2}, 10);                      // 0.5 .. 4.5
  SetRow(table, 2, 5.25, 0.5, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 10);    // 5.25 .. 9.75
  table.cells[2][tables::kWeightColumn] = "3";
  const TableOutcome outcome = tables::ComputeSummary(table, 0, Language::English);
  ASSERT_TRUE(outcome.ok());
  const auto& h = *outcome.result;
  ASSERT_EQ(h.N, 10);  // span 0 .. 10 over M = 10
  const double first[] = {0.1, 0.2, 0.3, 0.2, 0.2};
  for (int k = 1; k <= 5; ++k) EXPECT_NEAR(h.P[k], first[k - 1] / 4, kTight) << k;
  for (int k = 6; k <= 10; ++k) EXPECT_NEAR(h.P[k], 0.75 / 5, kTight) << k;
  EXPECT_EQ(h.Total, 40.0L);
}

TEST(Summary, ANegativeMultipleMirrorsItsRow) {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  SetRow(table, 1, 1, 1, {1, 2, 3}, 6);
  SetRow(table, 2, -3, 1, {1, 1, 1, 1, 1, 1, 1}, 7);
  table.cells[1][tables::kMultipleColumn] = "-1";
  const TableOutcome outcome = tables::ComputeSummary(table, 0, Language::English);
  ASSERT_TRUE(outcome.ok());
  const auto& h = *outcome.result;
  EXPECT_EQ(h.N, 7);
  EXPECT_DOUBLE_EQ(h.Min, -3);
  EXPECT_DOUBLE_EQ(h.Max, 3);
  // Row 1 lies on -3, -2, -1 with its frequencies 3, 2, 1 reversed.
  const double expected[] = {4, 3, 2, 1, 1, 1, 1};
  for (int k = 1; k <= 7; ++k) EXPECT_NEAR(h.P[k], expected[k - 1] / 13, kTight) << k;
}

TEST(Summary, ARowOfSixIntervalsMakesAUnitGrid) {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  SetRow(table, 1, 1, 1, {1, 1, 1, 1, 1, 1}, 6);
  SetRow(table, 2, 1, 1, {1, 1, 1, 1, 1, 1}, 6);
  const TableOutcome outcome = tables::ComputeSummary(table, 0, Language::English);
  ASSERT_TRUE(outcome.ok());
  const auto& h = *outcome.result;
  EXPECT_EQ(h.N, 7);
  EXPECT_DOUBLE_EQ(h.d, 1);
  EXPECT_DOUBLE_EQ(h.Min, 1);
  EXPECT_DOUBLE_EQ(h.Max, 6);  // the value of interval N - 1: the seventh stays empty
  for (int k = 1; k <= 6; ++k) EXPECT_NEAR(h.P[k], 1.0 / 6, kTight);
  EXPECT_EQ(h.P[7], 0.0);

  // A span that would need more than 1024 unit intervals is refused.
  SetRow(table, 2, 0, 200, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 10);
  const TableOutcome refused = tables::ComputeSummary(table, 0, Language::English);
  ASSERT_TRUE(refused.error);
  EXPECT_NE(refused.error->append.find("1024"), std::string::npos);
  EXPECT_NE(refused.error->append.find("2001"), std::string::npos);  // span -100 .. 1900
  EXPECT_FALSE(refused.result);
}

TEST(Summary, ChecksTheTableBeforeComputing) {
  const std::string kWeightNotPositive(dorvex::texts::kWeightNotPositiveText);
  const std::string kMultipleNotNumber(dorvex::texts::kMultipleNotNumberText);
  const struct {
    const char* what;
    int row;
    int column;
    const char* text;
    int message;           // of the error; 0 for none or an own text
    std::string ownText;   // the error's own text
    int question;
    bool emptied;          // the cell is emptied
  } cases[] = {
      {"multiple not a number", 2, 1, "1,5", 99, "", 0, false},
      {"weight not a number", 1, 8, "x", 99, "", 0, false},
      {"empty multiple", 2, 1, "", 0, "", 69, false},
      {"empty weight", 1, 8, "", 0, "", 65, false},
      {"zero multiple", 2, 1, "0", 70, "", 0, true},
      {"zero multiple spelt 0.0", 2, 1, "0.0", 70, "", 0, true},
      {"zero multiple spelt -0E5", 1, 1, "-0E5", 70, "", 0, true},
      {"zero weight", 2, 8, "0", 0, kWeightNotPositive, 0, true},
      {"negative weight", 1, 8, "-2", 0, kWeightNotPositive, 0, true},
      {"multiple beyond a double", 1, 1, "1E999", 0, kMultipleNotNumber, 0, false},
  };
  for (const auto& c : cases) {
    HistogramTable table = TwoRows();
    table.cells[c.row][c.column] = c.text;
    const std::string rowText = tables::RowText(table, c.row);
    const TableOutcome outcome = tables::ComputeSummary(table, 1, Language::English);
    EXPECT_FALSE(outcome.result) << c.what;
    EXPECT_EQ(outcome.question, c.question) << c.what;
    EXPECT_EQ(outcome.error.has_value(), c.question == 0) << c.what;
    if (outcome.error) {
      EXPECT_EQ(outcome.error->message, c.message) << c.what;
      if (c.message == 99) {
        EXPECT_EQ(outcome.error->append, rowText) << c.what;
      }
      if (!c.ownText.empty()) {
        EXPECT_EQ(outcome.error->append, c.ownText) << c.what;
      }
    }
    EXPECT_EQ(table.cells[c.row][c.column].empty(), c.emptied || std::string(c.text).empty()) << c.what;
  }
}

TEST(Summary, NeedsTwoRowsAndAFilledSelection) {
  HistogramTable table = TwoRows();
  table.cells[2][tables::kFileColumn].clear();
  const TableOutcome one = tables::ComputeSummary(table, 1, Language::English);
  ASSERT_TRUE(one.error);
  EXPECT_EQ(one.error->message, 64);

  HistogramTable two = TwoRows();
  const TableOutcome below = tables::ComputeSummary(two, 3, Language::English);
  EXPECT_FALSE(below.result);
  EXPECT_FALSE(below.error);
  EXPECT_EQ(below.question, 0);
}

TEST(Summary, RefusesARowThatIsNoHistogram) {
  HistogramTable table = TwoRows();
  table.parameters[1][tables::kBinsParameter] = 5000;
  const TableOutcome outcome = tables::ComputeSummary(table, 1, Language::Czech);
  ASSERT_TRUE(outcome.error);
  EXPECT_EQ(outcome.error->append, dorvex::texts::InvalidTableRowText(2, Language::Czech));
}

TEST(Summary, QuestionsAnsweredYesLeadToTheResult) {
  HistogramTable table = TwoRows();
  for (int row = 1; row <= 2; ++row) {
    table.cells[row][tables::kMultipleColumn].clear();
    table.cells[row][tables::kWeightColumn].clear();
  }
  TableOutcome outcome = tables::ComputeSummary(table, 1, Language::English);
  ASSERT_EQ(outcome.question, tables::kMissingMultiplesQuestion);
  EXPECT_FALSE(tables::AnswerQuestion(table, outcome.question, true));  // the user starts again
  outcome = tables::ComputeSummary(table, 1, Language::English);
  ASSERT_EQ(outcome.question, tables::kMissingWeightsQuestion);
  EXPECT_TRUE(tables::AnswerQuestion(table, outcome.question, true));   // goes on at once
  outcome = tables::ComputeSummary(table, 1, Language::English);
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(table.cells[2][tables::kWeightColumn], "1.0");
  EXPECT_EQ(outcome.result->Total, 110.0L);
}

TEST(Summary, FractionalWeightsStillGiveProbabilitiesSummingToOne) {
  HistogramTable table = TwoRows();
  table.parameters[0][tables::kTotalParameter] = 1;
  table.parameters[1][tables::kTotalParameter] = 1;
  table.cells[1][tables::kWeightColumn] = "0.25";
  table.cells[2][tables::kWeightColumn] = "0.2";
  const TableOutcome outcome = tables::ComputeSummary(table, 1, Language::English);
  ASSERT_TRUE(outcome.ok());
  long double sum = 0;
  for (int k = 1; k <= outcome.result->N; ++k) sum += outcome.result->P[k];
  EXPECT_NEAR(static_cast<double>(sum), 1.0, kTight);
  EXPECT_EQ(outcome.result->Total, 0.0L);  // Round(0.25 + 0.2)
}

// Two batches of steel: the S235 example as measured (weight 2) and a batch 10 %
// stronger (multiple 1.1, weight 1). A mixture's mean is the weighted mean of the
// batch means; its variance the weighted mean of the batch variances plus the
// spread of the batch means about the mixture's mean.
TEST(Summary, MixtureOfTwoMaterialBatchesHasTheMixturesMeanAndSpread) {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  const std::string file = kExamples + "/Solidity and material characterics/Yield_strength_S235.dis";
  ASSERT_FALSE(tables::OpenRowHistogram(table, 1, file));
  ASSERT_FALSE(tables::OpenRowHistogram(table, 2, file));
  table.cells[1][tables::kMultipleColumn] = "1";
  table.cells[1][tables::kWeightColumn] = "2";
  table.cells[2][tables::kMultipleColumn] = "1.1";
  table.cells[2][tables::kWeightColumn] = "1";
  const Moments batch = MomentsOf(tables::RowHistogram(table, 1));
  const double means[] = {batch.mean, 1.1 * batch.mean};
  const double variances[] = {batch.variance, 1.21 * batch.variance};
  const double shares[] = {2.0 / 3, 1.0 / 3};  // equal totals
  const double mean = shares[0] * means[0] + shares[1] * means[1];
  double variance = 0;
  for (int i = 0; i < 2; ++i) variance += shares[i] * (variances[i] + std::pow(means[i] - mean, 2));

  const TableOutcome outcome = tables::ComputeSummary(table, 1, Language::English);
  ASSERT_TRUE(outcome.ok());
  const auto& h = *outcome.result;
  const Moments mixture = MomentsOf(h);
  // Each value moves to its interval's centre: the mean by well under half a width,
  // the variance by about h^2 / 12.
  EXPECT_NEAR(mixture.mean, mean, h.d / 4);
  EXPECT_NEAR(std::sqrt(mixture.variance), std::sqrt(variance), h.d / 10);
  EXPECT_EQ(h.Total, 3 * table.parameters[0][tables::kTotalParameter]);
}

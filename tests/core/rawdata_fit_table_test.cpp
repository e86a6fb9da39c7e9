// The table of fits: sorting by every key, the difference sorts against either
// reference, the plausibility check and the removal of implausible rows.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "rawdata/fit_table.h"

namespace dorvex::rawdata {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

FitRow Row(int type, double closeness, double median, double mean, double sd, double kurtosis = 0.0,
           double ks = 0.1) {
  FitRow r;
  r.type = type;
  r.closeness = closeness;
  r.median = median;
  r.mode = median;
  r.mean = mean;
  r.standardDeviation = sd;
  r.variance = sd * sd;
  r.kurtosis = kurtosis;
  r.ksDistance = ks;
  r.aic = 100.0 * ks;
  r.bic = 100.0 * ks + 1.0;
  r.logLikelihood = -50.0 * ks;
  return r;
}

std::vector<int> Types(const std::vector<FitRow>& rows) {
  std::vector<int> types;
  for (const FitRow& r : rows) types.push_back(r.type);
  return types;
}

struct SortCase {
  const char* why;
  FitSortKey key;
  DifferenceReference reference;
  std::vector<int> order;
};

TEST(SortFitRows, OrdersByEveryKey) {
  // Sample: mean 100, s 10. The data histogram's row: mean 98, s 9, kurtosis 1.
  SampleCharacteristics sample;
  sample.mean = 100.0;
  sample.standardDeviation = 10.0;
  const FitRow dataRow = Row(-1, 1.0, 101.0, 98.0, 9.0, 1.0);
  const std::vector<FitRow> rows = {
      Row(0, 0.90, 99.0, 104.0, 9.5, 0.2, 0.05),  Row(1, 0.95, 102.0, 100.5, 11.0, -0.5, 0.02),
      Row(2, 0.80, 105.0, 97.0, 9.8, 1.1, 0.08),  Row(3, 0.85, 100.0, 110.0, 12.0, 3.0, 0.30),
  };
  const SortCase cases[] = {
      {"none keeps the order", FitSortKey::None, DifferenceReference::RawData, {0, 1, 2, 3}},
      {"closeness, largest first", FitSortKey::Closeness, DifferenceReference::RawData, {1, 0, 3, 2}},
      {"median, largest first", FitSortKey::Median, DifferenceReference::RawData, {2, 1, 3, 0}},
      {"mean nearest the sample's", FitSortKey::Mean, DifferenceReference::RawData, {1, 2, 0, 3}},
      {"mean nearest the histogram's", FitSortKey::Mean, DifferenceReference::DataHistogram, {2, 1, 0, 3}},
      {"deviation, largest first", FitSortKey::StandardDeviation, DifferenceReference::RawData, {3, 1, 2, 0}},
      {"variance nearest s^2 = 100", FitSortKey::Variance, DifferenceReference::RawData, {2, 0, 1, 3}},
      {"variance nearest the histogram's 81", FitSortKey::Variance, DifferenceReference::DataHistogram,
       {0, 2, 1, 3}},
      {"kurtosis nearest 0", FitSortKey::Kurtosis, DifferenceReference::RawData, {0, 1, 2, 3}},
      {"kurtosis nearest the histogram's 1", FitSortKey::Kurtosis, DifferenceReference::DataHistogram,
       {2, 0, 1, 3}},
      {"KS distance, smallest first", FitSortKey::KsDistance, DifferenceReference::RawData, {1, 0, 2, 3}},
      {"AIC, smallest first", FitSortKey::Aic, DifferenceReference::RawData, {1, 0, 2, 3}},
      {"BIC, smallest first", FitSortKey::Bic, DifferenceReference::RawData, {1, 0, 2, 3}},
      {"log-likelihood, largest first", FitSortKey::LogLikelihood, DifferenceReference::RawData, {1, 0, 2, 3}},
  };
  for (const SortCase& c : cases) {
    std::vector<FitRow> sorted = rows;
    SortFitRows(sorted, c.key, c.reference, dataRow, sample);
    EXPECT_EQ(Types(sorted), c.order) << c.why;
  }
}

TEST(SortFitRows, PutsUndefinedValuesLastAndTakesTheFirstOfEquals) {
  std::vector<FitRow> rows = {Row(0, 0.5, 1, 1, 1), Row(1, 0.9, 1, 1, 1), Row(2, 0.5, 1, 1, 1),
                              Row(3, 0.7, 1, 1, 1)};
  rows[1].skewness = kNaN;
  rows[0].skewness = 0.3;
  rows[2].skewness = 0.3;
  rows[3].skewness = 0.1;
  SortFitRows(rows, FitSortKey::Skewness, DifferenceReference::RawData, FitRow{}, SampleCharacteristics{});
  // Selection sort: 0 stays first of the equal 0.3, then 2 is swapped forward.
  EXPECT_EQ(Types(rows), (std::vector<int>{0, 2, 3, 1}));
  EXPECT_TRUE(IsDifferenceSort(FitSortKey::Mean));
  EXPECT_TRUE(IsDifferenceSort(FitSortKey::Variance));
  EXPECT_TRUE(IsDifferenceSort(FitSortKey::Kurtosis));
  EXPECT_FALSE(IsDifferenceSort(FitSortKey::StandardDeviation));
  EXPECT_EQ(SortColumn(FitSortKey::StandardDeviation), kColumnStandardDeviation);
  EXPECT_EQ(SortColumn(FitSortKey::Variance), kColumnVariance);
}

TEST(FirstImplausibleRow, ComparesEachFitsDeviationWithTheSamples) {
  struct Case {
    const char* why;
    std::vector<double> deviations;  // in units of the sample's s
    std::vector<double> medians;
    std::optional<std::size_t> first;
  };
  const Case cases[] = {
      {"a narrow best fit makes the whole ranking implausible", {0.5, 1.0, 1.1}, {1, 1, 1}, 0},
      {"the bounds are inclusive", {0.75, 1.25, 1.0}, {1, 1, 1}, std::nullopt},
      {"too wide", {1.0, 1.26, 1.0}, {1, 1, 1}, 1},
      {"a median of 0", {1.0, 1.0, 1.0}, {1, 1, 0}, 2},
  };
  const double s = 8.0;
  for (const Case& c : cases) {
    std::vector<FitRow> rows;
    for (std::size_t i = 0; i < c.deviations.size(); ++i) {
      rows.push_back(Row(static_cast<int>(i), 0.9, c.medians[i], 100.0, c.deviations[i] * s));
    }
    EXPECT_EQ(FirstImplausibleRow(rows, s), c.first) << c.why;
  }
}

TEST(RemoveFitRows, TakesTheRowsAndTheirFitsOut) {
  FitRun run;
  for (int t = 0; t < sources::kParamTypeCount; ++t) run.ranking[t].type = t;
  run.ranking[0] = {3, 0.9, "a"};
  run.ranking[3] = {0, 0.8, "b"};
  run.ranking[1] = {1, 0.7, "c"};
  run.rows = {Row(0, 0.8, 1, 1, 1), Row(1, 0.7, 1, 1, 1), Row(3, 0.9, 1, 1, 1)};
  run.accepted = 3;
  std::vector<FitRow> shown = {run.rows[2], run.rows[0], run.rows[1]};  // by closeness
  RemoveFitRows(shown, 1, run);
  EXPECT_EQ(Types(shown), (std::vector<int>{3}));
  EXPECT_EQ(Types(run.rows), (std::vector<int>{3}));
  EXPECT_EQ(run.accepted, 1);
  EXPECT_EQ(run.ranking[0].closeness, 0.9);
  EXPECT_EQ(run.ranking[3].closeness, 0.0);
  EXPECT_EQ(run.ranking[1].closeness, 0.0);
  EXPECT_TRUE(run.ranking[1].description.empty());
}

TEST(RankedIndexOfRow, FindsTheFitARowShowsWhateverTheTablesOrder) {
  FitRun run;
  for (int t = 0; t < sources::kParamTypeCount; ++t) run.ranking[t].type = t;
  run.ranking[0] = {7, 0.9, ""};
  run.ranking[7] = {0, 0.0, ""};
  run.ranking[1] = {1, 0.8, ""};
  EXPECT_EQ(RankedIndexOfRow(run, Row(7, 0.9, 1, 1, 1)), 0);
  EXPECT_EQ(RankedIndexOfRow(run, Row(1, 0.8, 1, 1, 1)), 1);
  EXPECT_EQ(RankedIndexOfRow(run, Row(0, 0.0, 1, 1, 1)), std::nullopt);
}

TEST(FitTableHeaders, NameTheColumnsInBothLanguages) {
  const auto en = FitTableHeaders(texts::Language::English);
  const auto cs = FitTableHeaders(texts::Language::Czech);
  ASSERT_EQ(en.size(), 16u);
  ASSERT_EQ(cs.size(), 16u);
  EXPECT_EQ(en[6], " Dispersion");
  EXPECT_EQ(en[7], " Standard deviation");
  EXPECT_EQ(cs[2], " Těsnost");
  EXPECT_EQ(cs[8], " Variační koeficient [%]");
  EXPECT_EQ(SampleTableHeaders(texts::Language::English)[1], " Standard deviation");
  EXPECT_EQ(SortKeyItems().size(), 10u);
  EXPECT_EQ(SortKeyItems()[6], "Sigma x^2");
  EXPECT_EQ(DifferenceReferenceItems()[1], "Histogram- RawData");
  EXPECT_EQ(FitRowNumberText(7), "  7");
  EXPECT_EQ(FitRowNumberText(23), "23");
}

}  // namespace
}  // namespace dorvex::rawdata

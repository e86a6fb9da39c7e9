// The fitting run: measured samples of known families ranked with the right family
// first, closeness acceptance and ranking, the rows, goodness of fit, mirroring, and
// a run on a worker thread that gives the same result.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "rawdata/fitting.h"
#include "rawdata/raw_sample.h"
#include "rawdata/sample_histogram.h"
#include "sources/distribution.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::rawdata {
namespace {

using sources::ParamListText;
using texts::Language;

const std::string kSamples = std::string(DORVEX_FIXTURES) + "/../../examples/Raw data/";

// A sample with its data histogram over its own range.
struct Loaded {
  RawSample sample;
  SampleHistogram data;
  FitRequest request() const { return FitRequest{sample, data, 1E-7, false}; }
};

Loaded Load(std::vector<double> values, int bins) {
  Loaded l;
  l.sample = MakeRawSample(std::move(values));
  l.data = BuildSampleHistogram(l.sample.values, bins, l.sample.smallest(), l.sample.largest());
  return l;
}

Loaded LoadFile(const std::string& name, int bins = 128) {
  const RawDataReading r = ReadRawDataFile(kSamples + name, Language::English);
  EXPECT_FALSE(r.error) << name << ": " << (r.error ? r.error->text : "");
  return Load(r.values, bins);
}

std::string BestType(const FitRun& run) { return ParamListText(run.ranking[0].type, Language::English); }

const FitRow* RowOf(const FitRun& run, int type) {
  for (const FitRow& r : run.rows) {
    if (r.type == type) return &r;
  }
  return nullptr;
}

struct FamilyCase {
  const char* file;
  int bins;
  std::set<std::string> family;  // acceptable best fits by closeness
  std::set<std::string> lowestAic;
};

TEST(RunFitting, RanksTheFamilyASampleWasDrawnFromFirst) {
  // The samples of examples/generate_raw_data.py. A lognormal with a coefficient of
  // variation of 10 % is matched almost as closely by the gamma distribution of the
  // same moments; the log-likelihood tells the lognormal apart.
  const FamilyCase cases[] = {
      {"yield_strength.txt", 128, {"LogNormal_2P", "LogNormal_3P", "Gama"}, {"LogNormal_2P", "LogNormal_3P"}},
      {"yield_strength.txt", 32, {"LogNormal_2P", "LogNormal_3P", "Gama"}, {"LogNormal_2P", "LogNormal_3P"}},
      {"wind_maxima.txt", 128, {"Gumbelovo_I"}, {"Gumbelovo_I"}},
      {"wind_maxima.txt", 32, {"Gumbelovo_I"}, {"Gumbelovo_I"}},
  };
  for (const FamilyCase& c : cases) {
    const Loaded l = LoadFile(c.file, c.bins);
    const FitRun run = RunFitting(l.request(), Language::English);
    const std::string where = std::string(c.file) + " at " + std::to_string(c.bins);
    EXPECT_TRUE(c.family.contains(BestType(run))) << where << ": " << BestType(run);
    EXPECT_GT(run.ranking[0].closeness, 0.97) << where;
    const auto lowest = std::min_element(run.rows.begin(), run.rows.end(),
                                         [](const FitRow& a, const FitRow& b) { return a.aic < b.aic; });
    ASSERT_NE(lowest, run.rows.end());
    EXPECT_TRUE(c.lowestAic.contains(lowest->columns[kColumnName])) << where << ": " << lowest->columns[kColumnName];
    EXPECT_FALSE(run.nothingFits);
  }
}

TEST(RunFitting, NoFamilyDescribesTwoBatchesWell) {
  const FitRun mixed = RunFitting(LoadFile("bimodal_batches.txt").request(), Language::English);
  const FitRun single = RunFitting(LoadFile("yield_strength.txt").request(), Language::English);
  ASSERT_GT(mixed.accepted, 0);
  EXPECT_LT(mixed.ranking[0].closeness, 0.5);
  EXPECT_GT(single.ranking[0].closeness, 0.95);
}

TEST(RunFitting, NeverTriesUniformAndTriangularAndCannotFitThreeTypes) {
  const Loaded l = LoadFile("wind_maxima.txt");
  const FitRun run = RunFitting(l.request(), Language::English);
  for (const FitEntry& e : run.ranking) {
    if (e.type == sources::kPareto || e.type == sources::kCauchy || e.type == sources::kLevy ||
        e.type == sources::kUniform || e.type == sources::kTriangular) {
      EXPECT_EQ(e.closeness, 0.0) << e.type;
      EXPECT_EQ(RowOf(run, e.type), nullptr) << e.type;
    }
  }
  // Every accepted fit has its row, in the order of the types.
  EXPECT_EQ(run.accepted, static_cast<int>(run.rows.size()));
  EXPECT_TRUE(std::is_sorted(run.rows.begin(), run.rows.end(),
                             [](const FitRow& a, const FitRow& b) { return a.type < b.type; }));
  for (const FitRow& row : run.rows) {
    EXPECT_TRUE(ClosenessAccepted(row.closeness)) << row.type;
    EXPECT_EQ(row.columns[kColumnName], ParamListText(row.type, Language::English));
    EXPECT_EQ(row.columns[kColumnCloseness], statvex::DisplayNumber(row.closeness));
    EXPECT_EQ(row.columns[kColumnDescription].find(')'), std::string::npos) << row.type;
  }
}

TEST(RunFitting, ReportsMessage110WhenNothingFits) {
  // Half the values at each end of the range: every fitted shape is worse than the
  // data's mean probability. Equal values: no spread to fit.
  std::vector<double> ends(5, -50.0);
  ends.insert(ends.end(), 5, 50.0);
  const Loaded samples[] = {Load(ends, 10), Load({7.0, 7.0, 7.0}, 10)};
  for (const Language language : {Language::English, Language::Czech}) {
    for (const Loaded& l : samples) {
      const FitRun run = RunFitting(l.request(), language);
      EXPECT_EQ(run.accepted, 0);
      EXPECT_TRUE(run.rows.empty());
      ASSERT_TRUE(run.nothingFits);
      EXPECT_EQ(*run.nothingFits, texts::MessageText(110, language));
      EXPECT_EQ(ListedFitCount(run), 0);
    }
  }
}

TEST(RunFitting, GivesTheSameResultOnAWorkerThreadAndReportsProgress) {
  const Loaded l = LoadFile("wind_maxima.txt", 64);
  const FitRun direct = RunFitting(l.request(), Language::English);
  FitRun threaded;
  std::vector<std::pair<int, int>> progress;
  std::thread worker([&] {
    FitControl control;
    control.progress = [&](int done, int total) { progress.emplace_back(done, total); };
    threaded = RunFitting(l.request(), Language::English, control);
  });
  worker.join();
  ASSERT_EQ(progress.size(), static_cast<std::size_t>(kFitSteps));
  for (int i = 0; i < kFitSteps; ++i) EXPECT_EQ(progress[i], std::make_pair(i + 1, kFitSteps));
  ASSERT_EQ(threaded.rows.size(), direct.rows.size());
  for (std::size_t i = 0; i < direct.rows.size(); ++i) EXPECT_EQ(threaded.rows[i].columns, direct.rows[i].columns);
  for (std::size_t i = 0; i < direct.ranking.size(); ++i) {
    EXPECT_EQ(threaded.ranking[i].type, direct.ranking[i].type);
    EXPECT_EQ(threaded.ranking[i].closeness, direct.ranking[i].closeness);
  }
  EXPECT_EQ(threaded.weibullShape, direct.weibullShape);
}

TEST(RunFitting, ACancelledRunRanksNothing) {
  const Loaded l = LoadFile("wind_maxima.txt", 64);
  std::atomic<bool> cancel{false};
  int steps = 0;
  FitControl control;
  control.cancel = &cancel;
  control.progress = [&](int done, int) {
    steps = done;
    if (done == 3) cancel = true;
  };
  const FitRun run = RunFitting(l.request(), Language::English, control);
  EXPECT_TRUE(run.cancelled);
  EXPECT_EQ(steps, 3);
  EXPECT_FALSE(run.nothingFits);
  EXPECT_EQ(run.accepted, 0);
}

TEST(ClosenessAccepted, TakesAboveOneTenThousandthUpToOne) {
  const std::pair<double, bool> cases[] = {{1.0, true},     {0.0001, false}, {0.00010001, true}, {0.5, true},
                                           {1.0000001, false}, {0.0, false},  {-0.3, false}};
  for (const auto& [c, accepted] : cases) EXPECT_EQ(ClosenessAccepted(c), accepted) << c;
}

TEST(RankByCloseness, SelectionSortTakesTheFirstOfEqualsAndSwaps) {
  std::array<FitEntry, sources::kParamTypeCount> entries;
  for (int t = 0; t < sources::kParamTypeCount; ++t) entries[t].type = t;
  entries[0].closeness = 0.2;
  entries[1].closeness = 0.5;
  entries[2].closeness = 0.2;
  entries[3].closeness = 0.9;
  RankByCloseness(entries);
  // 3 is swapped with 0 into the first place, so of the equal 0 and 2, 2 now comes first.
  const int expected[] = {3, 1, 2, 0};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(entries[i].type, expected[i]) << i;
  for (int i = 4; i < sources::kParamTypeCount; ++i) EXPECT_EQ(entries[i].closeness, 0.0);
}

TEST(ScanWeibullShape, FindsTheShapeOfAWeibullSample) {
  // Quantiles of Weibull k = 3, lambda = 100: x_j = lambda (-ln(1 - (j - 0.5)/n))^(1/k).
  std::vector<double> values;
  const int n = 4000;
  for (int j = 1; j <= n; ++j) values.push_back(100.0 * std::cbrt(-std::log(1.0 - (j - 0.5) / n)));
  const Loaded l = Load(values, 40);
  const WeibullScan scan = ScanWeibullShape(l.request());
  EXPECT_NEAR(scan.k, 3.0, 0.15);
  EXPECT_GT(scan.closeness, 0.98);
  const FitRun run = RunFitting(l.request(), Language::English);
  EXPECT_EQ(run.weibullShape, scan.k);
  EXPECT_EQ(BestType(run), "Weibull");
}

TEST(MeasureGoodness, MatchesTheNormalDistributionFunctionAndDensity) {
  // Normal(0, 1) over -6 .. 6 against four values; F from erfc, ln f from the formula.
  const std::vector<double> values = {-1.0, 0.0, 0.5, 2.0};
  const FitGoodness g = MeasureGoodness(sources::kNormal, {0.0L, 1.0L, 0.0L, 0.0L}, -6.0, 6.0, values);
  double ks = 0.0, logLikelihood = 0.0;
  const double n = static_cast<double>(values.size());
  for (std::size_t j = 0; j < values.size(); ++j) {
    const double F = 0.5 * std::erfc(-values[j] / std::numbers::sqrt2);
    ks = std::max({ks, (j + 1) / n - F, F - j / n});
    logLikelihood += -0.5 * values[j] * values[j] - 0.5 * std::log(2.0 * std::numbers::pi);
  }
  constexpr double kIntegration = 1e-6;  // mid-point rule over 8192 panels of 12 / 8192
  EXPECT_NEAR(g.ksDistance, ks, kIntegration);
  EXPECT_NEAR(g.logLikelihood, logLikelihood, kIntegration);
  EXPECT_NEAR(g.aic, 2 * 2 - 2 * logLikelihood, 2 * kIntegration);
  EXPECT_NEAR(g.bic, 2 * std::log(n) - 2 * logLikelihood, 2 * kIntegration);
}

TEST(MeasureGoodness, AValueOutsideTheSupportHasNoLikelihood) {
  const FitGoodness g = MeasureGoodness(sources::kWeibull, {2.0L, 1.0L, 0.0L, 0.0L}, 0.0, 4.0, {-1.0, 0.5, 1.0});
  EXPECT_EQ(g.logLikelihood, -std::numeric_limits<double>::infinity());
  EXPECT_EQ(g.aic, std::numeric_limits<double>::infinity());
  // F(-1) = 0 and F(0.5) = 1 - exp(-0.25) against the steps at 1/3 and 2/3.
  EXPECT_NEAR(g.ksDistance, std::max({1.0 / 3.0, 2.0 / 3.0 - (1 - std::exp(-0.25)), (1 - std::exp(-1.0)) - 2.0 / 3.0}),
              1e-6);
}

TEST(MakeCharacteristicsRow, ShowsTheVarianceAndItsRootUnderTheirOwnNames) {
  // P = 1/4, 1/2, 1/4 on 1, 2, 3: mean 2, variance 1/2.
  ProbabilityArray P{};
  P[1] = 0.25;
  P[2] = 0.5;
  P[3] = 0.25;
  const FitRow row = MakeCharacteristicsRow(P, 3, 1.0, 3.0, false, "Normal", 0.75, "Mi=2");
  EXPECT_DOUBLE_EQ(row.mean, 2.0);
  EXPECT_DOUBLE_EQ(row.variance, 0.5);
  EXPECT_DOUBLE_EQ(row.standardDeviation, std::sqrt(0.5));
  EXPECT_EQ(row.columns[kColumnVariance], statvex::DisplayNumber(0.5));
  EXPECT_EQ(row.columns[kColumnStandardDeviation], statvex::DisplayNumber(std::sqrt(0.5)));
  EXPECT_EQ(row.columns[kColumnCloseness], statvex::DisplayNumber(0.75));
  EXPECT_EQ(row.columns[kColumnName], "Normal");
  EXPECT_EQ(row.columns[kColumnDescription], "Mi=2");
  EXPECT_DOUBLE_EQ(row.median, 2.0);
  EXPECT_DOUBLE_EQ(row.mode, 2.0);
  EXPECT_TRUE(row.columns[kColumnKsDistance].empty());

  const SampleHistogram data = BuildSampleHistogram({1, 2, 2, 3}, 3, 0.5, 3.5);
  const FitRow dataRow = DataHistogramRow(data, false);
  EXPECT_EQ(dataRow.columns[kColumnName], "Prvotní data");
  EXPECT_EQ(dataRow.columns[kColumnCloseness], statvex::DisplayNumber(1.0));
  EXPECT_EQ(dataRow.columns[kColumnDescription], " ----- ");
  EXPECT_DOUBLE_EQ(dataRow.variance, 0.5);
}

TEST(MirrorRequired, WhenTheFitsMedianAndTheSampleMeanLieOnDifferentSides) {
  struct Case {
    double median, mean;
    bool mirrored;
  };
  // Xmin 0, Xmax 10: the middle is 5.
  const Case cases[] = {{4, 6, true}, {6, 4, true}, {4, 4.5, false}, {6, 7, false}, {5, 8, false}, {4, 5, false}};
  for (const Case& c : cases) EXPECT_EQ(MirrorRequired(c.median, 0, 10, c.mean), c.mirrored) << c.median << c.mean;
  ProbabilityArray P{};
  P[1] = 0.5;
  P[2] = 0.3;
  P[3] = 0.2;
  MirrorProbabilities(P, 3);
  EXPECT_EQ(P[1], 0.2);
  EXPECT_EQ(P[2], 0.3);
  EXPECT_EQ(P[3], 0.5);
  EXPECT_EQ(P[4], 0.0);
}

TEST(ComputeShownFit, ShowsARankedFitOnTheDataGrid) {
  const Loaded l = LoadFile("wind_maxima.txt");
  const FitRun run = RunFitting(l.request(), Language::English);
  const auto shown = ComputeShownFit(l.request(), run, 0);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown->type, run.ranking[0].type);
  EXPECT_EQ(shown->closeness, run.ranking[0].closeness);
  EXPECT_EQ(shown->description, run.ranking[0].description);
  EXPECT_FALSE(shown->mirrored);
  EXPECT_EQ(shown->state.Min, l.data.Lo);
  EXPECT_EQ(shown->state.Max, l.data.Hi);
  EXPECT_EQ(shown->state.N, l.data.N);
  const int last = sources::kParamTypeCount - 1;
  ASSERT_EQ(run.ranking[last].closeness, 0.0);
  EXPECT_FALSE(ComputeShownFit(l.request(), run, last));

  const std::vector<std::string> list = RankedListTexts(run, Language::English);
  ASSERT_EQ(list.size(), static_cast<std::size_t>(sources::kParamTypeCount));
  EXPECT_EQ(list[0], "Gumbelovo_I");
  EXPECT_EQ(ListedFitCount(run), run.accepted);
}

}  // namespace
}  // namespace dorvex::rawdata

// The workbench: slots, multiples, ranges, the result and the questions put to it,
// driven as the main window and the command line drive it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/multiples.h"
#include "model/histogram.h"
#include "analysis/listing_rows.h"
#include "statvex/number_text.h"
#include "texts/main_window_texts.h"
#include "texts/messages.h"
#include "workbench/slot_texts.h"
#include "workbench/workbench.h"

namespace dorvex::workbench {
namespace {

using engine::RangeEnd;
using model::HistogramType;
using texts::Language;

const std::string kFixtures = DORVEX_FIXTURES;
// Discrete, 10 intervals of width 1 with frequencies 1..10 (Total 55): values 0.5 .. 9.5.
const std::string kDiscreteTen = kFixtures + "/discrete_ten.dis";
// Pure Discrete, after trimming 3 points -1.5, -0.5, 0.5 with frequencies 5, 0, 7 (Total 12).
const std::string kPureDiscrete = kFixtures + "/pure_discrete_trim.dis";

// A workbench with `a` in A and, when given, `b` in B.
Workbench Loaded(const std::string& a, const std::string& b = {}) {
  Workbench bench;
  EXPECT_FALSE(bench.Open(SlotId::A, a, false, Language::English).error);
  if (!b.empty()) {
    EXPECT_FALSE(bench.Open(SlotId::B, b, false, Language::English).error);
  }
  return bench;
}

RunRequest Request(int code, std::string exponent = {}) {
  RunRequest request;
  request.code = code;
  request.exponent = std::move(exponent);
  return request;
}

// A + B of two copies of the ten intervals: the sums 1 .. 19.
Workbench Summed() {
  Workbench bench = Loaded(kDiscreteTen, kDiscreteTen);
  EXPECT_TRUE(bench.Run(Request(engine::kSum)).outcome.ok());
  return bench;
}

TEST(Workbench, OpeningAFileFillsTheSlotAndEntersTheReOpenList) {
  Workbench bench = Loaded(kDiscreteTen);
  const model::HistogramSlot& a = bench.Slot(SlotId::A);
  EXPECT_TRUE(a.loaded);
  EXPECT_EQ(a.name, "discrete_ten");
  EXPECT_EQ(a.sourcePath, kDiscreteTen);
  EXPECT_EQ(a.base.N, 10);
  EXPECT_EQ(a.scaled.Min, 0.5);
  EXPECT_EQ(a.roundedFrequencySum, 55);
  EXPECT_EQ(bench.MultipleText(SlotId::A), "1.00");
  EXPECT_EQ(bench.SlotChartTitle(SlotId::A), "Histogram :  discrete_ten * nA   (nA=1.00)");
  ASSERT_EQ(bench.ReOpenList().Entries().size(), 1u);
  EXPECT_EQ(bench.ReOpenList().Entries()[0].path, kDiscreteTen);
  EXPECT_EQ(bench.ReOpenList().Entries()[0].multiple, "1.00");
  EXPECT_EQ(bench.ReOpenList().Entries()[0].intervals, "10");
  EXPECT_FALSE(bench.Slot(SlotId::B).loaded);
}

TEST(Workbench, ARefusedFileLeavesTheSlotAsItWasAndListsWhatWasRead) {
  Workbench bench = Loaded(kDiscreteTen);
  const OpenOutcome missing = bench.Open(SlotId::A, kFixtures + "/missing.dis", true, Language::English);
  ASSERT_TRUE(missing.error);
  EXPECT_EQ(missing.error->code, 1);
  EXPECT_TRUE(bench.Slot(SlotId::A).loaded);
  EXPECT_EQ(bench.ReOpenList().Entries().size(), 1u);

  const OpenOutcome listed = bench.Open(SlotId::B, kDiscreteTen, true, Language::Czech);
  ASSERT_EQ(listed.listing.size(), 12u);  // headers, ten frequencies, total
  EXPECT_EQ(listed.listing.back().index, "  Celkem");
}

// A file written for one test into the temporary folder.
std::string WriteTemporary(const char* name, const char* text) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

struct RefusedFileCase {
  const char* name;
  const char* file;  // written into the temporary folder; nullptr: a file that is not there
  const char* text;
  int code;
};

const RefusedFileCase kRefusedFiles[] = {
    {"one interval", "dorvex_one_bin.dis",
     "[Parameters]\r\nMin=0\r\nMax=1\r\nBins=1\r\nTotal=1\r\n[Bins]\r\n1\r\n", 39},
    {"not a distribution file", "dorvex_garbage.dis", "\x89PNG garbage\r\nno keys here\r\n", 0},
    {"missing", nullptr, nullptr, 1},
};

TEST(Workbench, ARefusedFileLeavesSlotMultipleAndResultAsTheyWereAndNamesTheFile) {
  for (const RefusedFileCase& c : kRefusedFiles) {
    Workbench bench = Loaded(kDiscreteTen, kDiscreteTen);
    ASSERT_FALSE(bench.SetMultiple(SlotId::A, 2.0).error);
    ASSERT_TRUE(bench.Run(Request(engine::kDifference)).outcome.ok());
    const model::Histogram scaledBefore = bench.Slot(SlotId::A).scaled;
    const double resultMinBefore = bench.Result()->histogram.Min;
    const std::size_t listedBefore = bench.ReOpenList().Entries().size();

    const std::string path = c.file != nullptr ? WriteTemporary(c.file, c.text)
                                               : (std::filesystem::temp_directory_path() / "dorvex_none.dis").string();
    const OpenOutcome refused = bench.Open(SlotId::A, path, false, Language::English);
    ASSERT_TRUE(refused.error) << c.name;
    if (c.code != 0) {
      EXPECT_EQ(refused.error->code, c.code) << c.name;
    }
    // The file on a line of its own.
    EXPECT_NE(refused.refusal.text.find("\r\n\r\nFile: " + path), std::string::npos)
        << c.name << ": " << refused.refusal.text;
    EXPECT_EQ(refused.refusal.title, texts::MessageText(texts::kTitleError, Language::English));

    const model::HistogramSlot& a = bench.Slot(SlotId::A);
    EXPECT_TRUE(a.loaded) << c.name;
    EXPECT_EQ(a.sourcePath, kDiscreteTen) << c.name;
    EXPECT_EQ(a.multiple, 2.0) << c.name;
    EXPECT_EQ(bench.MultipleText(SlotId::A), "2") << c.name;
    EXPECT_EQ(a.scaled.Min, scaledBefore.Min) << c.name;
    EXPECT_EQ(a.scaled.N, scaledBefore.N) << c.name;
    ASSERT_NE(bench.Result(), nullptr) << c.name;
    EXPECT_EQ(bench.Result()->histogram.Min, resultMinBefore) << c.name;
    EXPECT_EQ(bench.ReOpenList().Entries().size(), listedBefore) << c.name;
    if (c.file != nullptr) std::filesystem::remove(path);
  }
}

TEST(Workbench, ClearingASlotKeepsItsTypeAndTheHandOverGoesThere) {
  Workbench bench = Loaded(kPureDiscrete, kDiscreteTen);
  bench.ClearSlot(SlotId::A);
  EXPECT_FALSE(bench.Slot(SlotId::A).loaded);
  EXPECT_EQ(bench.Slot(SlotId::A).base.N, 0);
  EXPECT_EQ(bench.Slot(SlotId::A).base.Type, HistogramType::PureDiscrete);
  EXPECT_EQ(bench.HandOverTarget(), SlotId::A);
  bench.ClearSlot(SlotId::B);
  EXPECT_EQ(bench.HandOverTarget(), SlotId::B);
}

struct MultipleCase {
  const char* name;
  const std::string* file;
  SlotId slot;
  double asked;
  double inForce;
  int code;  // 0: taken
};

class SetMultiple : public ::testing::TestWithParam<MultipleCase> {};

TEST_P(SetMultiple, TakesTheMultipleOrFallsBack) {
  const MultipleCase& c = GetParam();
  Workbench bench;
  ASSERT_FALSE(bench.Open(c.slot, *c.file, false, Language::English).error);
  const MultipleOutcome outcome = bench.SetMultiple(c.slot, c.asked);
  EXPECT_EQ(outcome.inForce, c.inForce);
  EXPECT_EQ(outcome.error ? outcome.error->code : 0, c.code);
  EXPECT_TRUE(outcome.rescaled);
  const model::HistogramSlot& s = bench.Slot(c.slot);
  EXPECT_EQ(s.multiple, c.inForce);
  EXPECT_EQ(bench.MultipleText(c.slot), statvex::NumberText(c.inForce));
  const model::Histogram expected = model::ApplyMultiple(s.base, c.inForce);
  EXPECT_EQ(s.scaled.Min, expected.Min);
  EXPECT_EQ(s.scaled.d, expected.d);
}

INSTANTIATE_TEST_SUITE_P(
    Workbench, SetMultiple,
    ::testing::Values(MultipleCase{"Taken", &kDiscreteTen, SlotId::A, 2.0, 2.0, 0},
                      MultipleCase{"NegativeMirrors", &kDiscreteTen, SlotId::B, -2.0, -2.0, 0},
                      MultipleCase{"ZeroFallsBackToOne", &kDiscreteTen, SlotId::A, 0.0, 1.0, 25},
                      MultipleCase{"TinyOfAFallsBackToTheSmallest", &kDiscreteTen, SlotId::A, 0.005, 0.01, 37},
                      MultipleCase{"TinyOfBFallsBackToTheSmallest", &kDiscreteTen, SlotId::B, -0.001, 0.01, 38},
                      MultipleCase{"FractionOnPointsFallsBackToOne", &kPureDiscrete, SlotId::B, 1.5, 1.0, 40},
                      MultipleCase{"IntegerOnPointsTaken", &kPureDiscrete, SlotId::A, 3.0, 3.0, 0}),
    [](const ::testing::TestParamInfo<MultipleCase>& info) { return std::string(info.param.name); });

TEST(Workbench, ANewMultipleClearsTheResultAndReentersTheFileWithItsIntervalCount) {
  Workbench bench = Summed();
  const MultipleOutcome outcome = bench.SetMultiple(SlotId::A, 2.0);
  EXPECT_FALSE(outcome.error);
  EXPECT_EQ(bench.Result(), nullptr);
  const settings::ReOpenEntry& newest = bench.ReOpenList().Entries().front();
  EXPECT_EQ(newest.path, kDiscreteTen);
  EXPECT_EQ(newest.multiple, "2");
  EXPECT_EQ(newest.intervals, "10");
  EXPECT_EQ(bench.SlotChartTitle(SlotId::A), "Histogram :  discrete_ten * nA   (nA=2)");
}

TEST(Workbench, AnEmptySlotTakesItsMultipleAsForADiscreteHistogram) {
  Workbench bench;
  const MultipleOutcome outcome = bench.SetMultiple(SlotId::B, 1.5);
  EXPECT_FALSE(outcome.error);
  EXPECT_EQ(outcome.inForce, 1.5);
  EXPECT_FALSE(outcome.rescaled);
  EXPECT_EQ(bench.MultipleText(SlotId::B), "1.5");
}

TEST(Workbench, AMultipleThatWouldOverflowTheSpanIsRefusedAndChangesNothing) {
  Workbench bench = Summed();
  ASSERT_FALSE(bench.SetMultiple(SlotId::B, 2.0).error);
  ASSERT_TRUE(bench.Run(Request(engine::kSum)).outcome.ok());
  for (double n : {1E308, -1E308, 5E307}) {  // B's Max 9.5 times n passes DBL_MAX
    const MultipleOutcome outcome = bench.SetMultiple(SlotId::B, n);
    ASSERT_TRUE(outcome.error) << n;
    EXPECT_EQ(outcome.error->code, 44) << n;
    EXPECT_EQ(model::ComposeReportError(*outcome.error, Language::English).text,
              texts::MessageText(188, Language::English));
    EXPECT_FALSE(outcome.rescaled);
    EXPECT_EQ(outcome.inForce, 2.0);
    EXPECT_EQ(bench.MultipleText(SlotId::B), "2");
    EXPECT_EQ(bench.Slot(SlotId::B).scaled.Max, 19.0);
    EXPECT_NE(bench.Result(), nullptr);
  }
  // A large multiple whose span stays finite is taken.
  EXPECT_FALSE(bench.SetMultiple(SlotId::B, 1E300).error);
  // An empty slot has no span to overflow yet.
  EXPECT_FALSE(Workbench().SetMultiple(SlotId::A, 1E308).error);
}

TEST(Workbench, APlacedInputRangeClearsTheResultARefusedOneKeepsIt) {
  Workbench bench = Summed();
  const auto refused = bench.PlaceRange(SlotId::A, RangeEnd::Min, 20.0);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->message, 31);
  EXPECT_NE(bench.Result(), nullptr);

  EXPECT_FALSE(bench.PlaceRange(SlotId::A, RangeEnd::Max, 18.5));
  EXPECT_EQ(bench.Result(), nullptr);
  // 10 values from 0.5 to 18.5: the class width becomes 2; base and multiple stay.
  EXPECT_EQ(bench.Slot(SlotId::A).scaled.d, 2.0);
  EXPECT_EQ(bench.Slot(SlotId::A).base.Max, 9.5);
}

TEST(Workbench, ARunKeepsItsResultWithTheLabelAndTheMultipleOne) {
  const Workbench bench = Summed();
  const engine::OperationResult* result = bench.Result();
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->histogram.N, 19);
  EXPECT_EQ(bench.ResultCode(), engine::kSum);
  EXPECT_EQ(bench.ResultMultipleText(), "1.00");
  EXPECT_EQ(bench.ResultLabel(), "(A + B) * nAB   (nAB=1.00)");
  EXPECT_EQ(bench.ResultTitle(), "Histogram : (A + B) * nAB   (nAB=1.00)");
}

TEST(Workbench, ARefusedRunKeepsNoResult) {
  Workbench bench = Loaded(kDiscreteTen);
  const RunOutcome run = bench.Run(Request(engine::kSum));
  ASSERT_TRUE(run.outcome.error);
  EXPECT_EQ(run.outcome.error->code, 27);  // A + B without B
  EXPECT_EQ(bench.Result(), nullptr);

  // Without an operation the sum check fails: shown, but not kept.
  const RunOutcome none = bench.Run(Request(0));
  ASSERT_TRUE(none.outcome.error);
  EXPECT_EQ(none.outcome.error->code, 30);
  EXPECT_TRUE(none.outcome.result);
  EXPECT_EQ(bench.Result(), nullptr);
  EXPECT_EQ(bench.ResultTitle(), "");
}

TEST(Workbench, TheProgressOfARunReachesTheCaller) {
  Workbench bench = Loaded(kDiscreteTen, kDiscreteTen);
  RunRequest request = Request(engine::kProduct);
  int calls = 0;
  request.progress = [&calls](std::int64_t, std::int64_t) { ++calls; };
  EXPECT_TRUE(bench.Run(request).outcome.ok());
  EXPECT_GT(calls, 0);
}

TEST(Workbench, ARescaledResultCarriesItsMultipleInTheLabelAndTheField) {
  Workbench bench = Summed();
  const RunOutcome run = bench.Rescale(Request(engine::kSum), -2.0);
  EXPECT_FALSE(run.notice);
  EXPECT_EQ(run.multiple, -2.0);
  ASSERT_NE(bench.Result(), nullptr);
  // Mirrored: the sums 1 .. 19 now run from -38 to -2.
  EXPECT_EQ(bench.Result()->histogram.Min, -38.0);
  EXPECT_EQ(bench.ResultMultipleText(), "-2");
  EXPECT_EQ(bench.ResultTitle(), "Histogram : (A + B) * nAB   (nAB=-2.00)");

  const RunOutcome zero = bench.Rescale(Request(engine::kSum), 0.0);
  ASSERT_TRUE(zero.notice);
  EXPECT_EQ(zero.notice->message, 23);
  EXPECT_EQ(bench.ResultMultiple(), 1.0);
  EXPECT_EQ(bench.ResultMultipleText(), "1");
}

TEST(Workbench, TheResultTypeFollowsTheInputsOfTheOperation) {
  const Workbench bench = Loaded(kPureDiscrete, kDiscreteTen);
  EXPECT_EQ(bench.ResultTypeOf(engine::kSum), HistogramType::Discrete);
  EXPECT_EQ(bench.ResultTypeOf(engine::kSquare), HistogramType::PureDiscrete);
}

TEST(Workbench, AnsweredQuestionsAreRememberedRefusedOnesAreNot) {
  Workbench bench = Summed();
  const engine::ValueAnswer value = bench.AskValue(10.5);
  ASSERT_TRUE(value.admissible);
  EXPECT_EQ(bench.LastQuestion().kind, QueryKind::Value);
  EXPECT_EQ(bench.LastQuestion().at, 10.5);
  // The query line stands at x, counted in bars from the first value 1.
  EXPECT_EQ(bench.QueryPosition(), 9.5);

  EXPECT_FALSE(bench.AskQuantile(1.5).admissible);
  EXPECT_EQ(bench.LastQuestion().kind, QueryKind::Value);
  const engine::QuantileAnswer quantile = bench.AskQuantile(0.5);
  ASSERT_TRUE(quantile.admissible);
  EXPECT_EQ(bench.LastQuestion().kind, QueryKind::Quantile);
  EXPECT_EQ(bench.LastQuestion().at, quantile.value);

  bench.ClearResult();
  EXPECT_EQ(bench.LastQuestion().kind, QueryKind::None);
  EXPECT_FALSE(bench.QueryPosition());
  EXPECT_FALSE(bench.AskValue(10.5).admissible);
}

TEST(Workbench, TheAnswersInForceAreWhatARefusedTextReturnsTo) {
  Workbench bench = Summed();
  EXPECT_FALSE(bench.AnsweredValue());
  bench.AskValue(10.5);
  bench.AskQuantile(0.25);
  EXPECT_EQ(bench.AnsweredValue(), 10.5);
  EXPECT_EQ(bench.AnsweredProbability(), 0.25);
  // A question without an answer empties its field: nothing of it stays in force.
  EXPECT_FALSE(bench.AskValue(100.0).admissible);
  EXPECT_FALSE(bench.AnsweredValue());
  EXPECT_EQ(bench.AnsweredProbability(), 0.25);
  bench.WithdrawQuestion(QueryKind::Quantile);
  EXPECT_FALSE(bench.AnsweredProbability());
  bench.AskValue(3.0);
  bench.ClearResult();
  EXPECT_FALSE(bench.AnsweredValue());
}

TEST(Workbench, AQuestionWithoutAnAnswerSaysWhy) {
  // The sums 1 .. 19 of width 1: x is answered for 0.5 < x <= 19.5.
  const Workbench summed = Summed();
  EXPECT_EQ(summed.UnansweredValueText(Language::English),
            texts::ValueOutsideResultText("0.5", "19.5", false, Language::English));
  // Points -1.5 .. 0.5: for -1.5 <= x <= 0.5.
  Workbench points = Loaded(kPureDiscrete);
  points.TakeAsResult(SlotId::A);
  EXPECT_EQ(points.UnansweredValueText(Language::Czech),
            texts::ValueOutsideResultText("-1.5", "0.5", true, Language::Czech));
  EXPECT_EQ(Workbench::UnansweredProbabilityText(Language::English), texts::ProbabilityOutsideText(Language::English));
  EXPECT_EQ(Workbench().UnansweredValueText(Language::English), "");
}

TEST(Workbench, TheListingIsShadedByTheLastQuestionWhileItsFieldHoldsText) {
  Workbench bench = Summed();
  using Q = analysis::ListingQuery;
  EXPECT_EQ(bench.ShadedQuery(true, true), Q::None);
  bench.AskValue(10.5);
  EXPECT_EQ(bench.ShadedQuery(true, true), Q::Value);
  EXPECT_EQ(bench.ShadedQuery(false, true), Q::None);
  bench.AskQuantile(0.5);
  EXPECT_EQ(bench.ShadedQuery(true, true), Q::Quantile);
  EXPECT_EQ(bench.ShadedQuery(true, false), Q::None);
  EXPECT_EQ(bench.ResultListingShades(Q::Quantile),
            analysis::ResultListingShades(bench.Result()->histogram, Q::Quantile, bench.LastQuestion().at));
}

TEST(Workbench, APlacedResultRangeMovesTheFailureProbabilityWithTheValues) {
  Workbench bench = Summed();
  EXPECT_EQ(bench.Result()->failureProbability, 0.0);
  // 19 values from -17 to 19: the class width becomes 2, and -17 .. -1 lie below 0.
  EXPECT_FALSE(bench.PlaceResultRange(RangeEnd::Min, -17.0));
  const engine::OperationResult* result = bench.Result();
  EXPECT_EQ(result->histogram.d, 2.0);
  EXPECT_GT(result->failureProbability, 0.0);
  EXPECT_EQ(result->failureProbability, engine::FailureProbabilityOf(result->histogram));
  // P(X <= 0) follows the placed values continuously, not the operation's Pf.
  EXPECT_FALSE(result->failureFromOperation);
  const double justBelow = bench.AskValue(-1e-9 * result->histogram.d).cumulative;
  EXPECT_NEAR(bench.AskValue(0.0).cumulative, justBelow, 1e-9);
  EXPECT_TRUE(bench.PlaceResultRange(RangeEnd::Max, -20.0));
}

// The probability a generated input's span leaves out travels with its slot into
// the run's bounds, at the other end under a negative multiple; a file has none.
TEST(Workbench, AGeneratedSlotsCutTailsWidenTheBoundsOfARun) {
  Workbench bench = Loaded(kDiscreteTen, kDiscreteTen);
  ASSERT_TRUE(bench.Run(Request(engine::kDifference)).outcome.ok());
  EXPECT_EQ(bench.Result()->bounds.kind, engine::BoundsKind::Bounded);
  EXPECT_EQ(bench.Result()->bounds.cut, 0.0);
  const double fileUpper = bench.Result()->bounds.upper;

  model::HandOverBuffer buffer;
  buffer.histogram = bench.Slot(SlotId::B).base;
  buffer.target = SlotId::B;
  buffer.cut = {1e-6, 3e-6};
  bench.AcceptGenerated(buffer, "generated");
  ASSERT_TRUE(bench.Run(Request(engine::kDifference)).outcome.ok());
  EXPECT_DOUBLE_EQ(bench.Result()->bounds.cut, 4e-6);
  EXPECT_DOUBLE_EQ(bench.Result()->bounds.upper, fileUpper + 4e-6);
  EXPECT_FALSE(bench.SetMultiple(SlotId::B, -1.0).error);
  EXPECT_EQ(model::ScaledCut(bench.Slot(SlotId::B).cut, bench.Slot(SlotId::B).multiple).below, 3e-6);

  // Placing the result on another span leaves it without bounds.
  ASSERT_TRUE(bench.Run(Request(engine::kDifference)).outcome.ok());
  EXPECT_FALSE(bench.PlaceResultRange(RangeEnd::Min, -50.0));
  EXPECT_EQ(bench.Result()->bounds.kind, engine::BoundsKind::NotComputed);
}

TEST(Workbench, AFileStandsForAResultForItsOwnQuestions) {
  Workbench bench = Loaded(kPureDiscrete);
  bench.TakeAsResult(SlotId::A);
  ASSERT_NE(bench.Result(), nullptr);
  // Points -1.5 (5/12) and 0.5 (7/12): only the first lies below 0.
  EXPECT_DOUBLE_EQ(bench.Result()->failureProbability, 5.0 / 12.0);
  EXPECT_TRUE(bench.AskValue(0.5).admissible);
}

TEST(ResultFrequencyMultiplier, TakesBsTotalOnlyAfterATwoInputOperation) {
  struct Case {
    int code;
    long double totalA, totalB, expected;
  };
  const Case cases[] = {
      {engine::kSum, 55.0L, 12.0L, 7.0L},     // two files: the result total
      {engine::kSum, 1.0L, 12.0L, 12.0L},     // A normalised: TA * TB
      {engine::kSquare, 1.0L, 12.0L, 1.0L},   // one input: B does not count
      {engine::kSquare, 55.0L, 12.0L, 7.0L},  // one input from a file: the result total
  };
  for (const Case& c : cases) EXPECT_EQ(ResultFrequencyMultiplier(c.code, c.totalA, c.totalB, 7.0L), c.expected);
  EXPECT_EQ(InputFrequencyMultiplier(SlotId::A, 55.0L), 55.0L);
  EXPECT_EQ(InputFrequencyMultiplier(SlotId::B, 12.0L), 12.0L);
}

TEST(Workbench, ListingsAndDescriptionsUseTheOneMultiplierRule) {
  const Workbench bench = Summed();
  const long double c = ResultFrequencyMultiplier(engine::kSum, 55.0L, 55.0L, bench.Result()->totalExtended);
  EXPECT_EQ(bench.ListingMultiplier(Listed::Result), c);
  EXPECT_EQ(bench.ResultListing(Language::English),
            analysis::ResultListingRows(bench.Result()->histogram, c, Language::English));

  const Description result = bench.Describe(Listed::Result, Language::English);
  EXPECT_EQ(result.histogram, &bench.Result()->histogram);
  EXPECT_EQ(result.grid.title, "Histogram : (A + B) * nAB");
  EXPECT_EQ(result.grid.multiplier, c);
  const Description a = bench.Describe(Listed::A, Language::English);
  EXPECT_EQ(a.grid.title, "  discrete_ten");
  EXPECT_EQ(a.grid.multiplier, 55.0L);
  EXPECT_EQ(Workbench().Describe(Listed::B, Language::English).histogram, nullptr);
}

TEST(Workbench, TheReportNamesTheInputsAndTheMultiples) {
  Workbench bench = Loaded(kDiscreteTen);
  bench.SetMultiple(SlotId::A, 2.0);
  bench.Rescale(Request(engine::kSquare), 0.5);
  const analysis::ResultReportInput input = bench.ReportInput("1.2.2024", "10:00:00", "0.1");
  EXPECT_EQ(input.label, "A^2 * nAB   (nAB=0.50)");
  EXPECT_EQ(input.nameA, "discrete_ten");
  EXPECT_EQ(input.multipleA, "2.00");
  EXPECT_EQ(input.nameB, "");
  EXPECT_EQ(input.multipleB, "");
  EXPECT_EQ(input.resultTotal, bench.Result()->totalExtended);
  EXPECT_EQ(input.date, "1.2.2024");
  EXPECT_EQ(input.failureProbability, bench.Result()->failureProbability);
  // Without a result there is no failure probability to report.
  EXPECT_FALSE(Workbench().ReportInput("", "", "").failureProbability);
}

TEST(Workbench, ASavedResultEntersTheReOpenList) {
  Workbench bench = Summed();
  bench.RememberSavedResult("/data/sum.dis");
  EXPECT_EQ(bench.ReOpenList().Entries().front().path, "/data/sum.dis");
  EXPECT_EQ(bench.ReOpenList().Entries().front().intervals, "19");
}

TEST(Workbench, AGeneratedHistogramGoesToItsTargetScaledByTheMultiple) {
  Workbench bench = Summed();
  bench.SetMultiple(SlotId::B, 2.0);
  model::HandOverBuffer buffer;
  buffer.histogram.N = 2;
  buffer.histogram.P[1] = 0.5;
  buffer.histogram.P[2] = 0.5;
  buffer.histogram.Min = 1.0;
  buffer.histogram.Max = 2.0;
  buffer.histogram.d = 1.0;
  buffer.target = SlotId::B;
  bench.AcceptGenerated(buffer);
  EXPECT_EQ(bench.Result(), nullptr);
  EXPECT_TRUE(bench.Slot(SlotId::B).loaded);
  EXPECT_EQ(bench.Slot(SlotId::B).scaled.Max, 4.0);
}

TEST(Workbench, AcceptGeneratedWithANameNamesTheSlotAndItsChart) {
  Workbench bench;
  model::HandOverBuffer buffer;
  buffer.histogram.N = 2;
  buffer.histogram.P[1] = buffer.histogram.P[2] = 0.5;
  buffer.histogram.Min = 1.0;
  buffer.histogram.Max = 2.0;
  buffer.histogram.d = 1.0;
  buffer.target = SlotId::B;
  bench.AcceptGenerated(buffer, "ParRoz_Weibull");
  EXPECT_EQ(bench.Slot(SlotId::B).name, "ParRoz_Weibull");
  EXPECT_EQ(bench.Slot(SlotId::B).chartLabel, workbench::SlotChartLabel(SlotId::B, "ParRoz_Weibull"));
  EXPECT_TRUE(bench.Slot(SlotId::B).sourcePath.empty());
}

TEST(SummaryTexts, SlotACountsCarryABlankSlotBCountsNone) {
  const Workbench bench = Loaded(kDiscreteTen, kPureDiscrete);
  EXPECT_EQ(SlotSummaryTexts(SlotId::A, bench.Slot(SlotId::A).base),
            (std::vector<std::string>{" Discrete", " 10", " 55"}));
  EXPECT_EQ(SlotSummaryTexts(SlotId::B, bench.Slot(SlotId::B).base),
            (std::vector<std::string>{"Pure Discrete", "3", "12"}));
  EXPECT_EQ(EmptySlotSummaryTexts(SlotId::A), (std::vector<std::string>{"", " 0", " 0"}));
  EXPECT_EQ(EmptySlotSummaryTexts(SlotId::B), (std::vector<std::string>{"", "0", "0"}));
  EXPECT_EQ(EmptySlotChartTitle(SlotId::A), "Histogram :  (A * nA)");
  EXPECT_EQ(EmptySlotChartTitle(SlotId::B), "Histogram :  ( B * nB)");
}

TEST(SummaryTexts, TheResultSummaryShowsTheResultOrZeros) {
  const Workbench bench = Summed();
  const std::vector<std::string> shown = ResultSummaryTexts(*bench.Result());
  ASSERT_EQ(shown.size(), 6u);
  EXPECT_EQ(shown[0], " Discrete");
  EXPECT_EQ(shown[1], statvex::DisplayNumber(1.0));
  EXPECT_EQ(shown[2], statvex::DisplayNumber(19.0));
  EXPECT_EQ(shown[3], " 19");
  EXPECT_EQ(shown[4], " 1.00000");
  EXPECT_EQ(EmptyResultChartTitle(Language::English),
            (std::vector<std::string>{" ", "Histogram : ( A * nA)  operation  ( B * nB )"}));
  const std::string zero = statvex::DisplayNumber(0.0);
  EXPECT_EQ(EmptyResultSummaryTexts(), (std::vector<std::string>{"", zero, zero, " 0", zero, " 0"}));
}

TEST(ResultTitle, NamesTheOperationAndTheMultipleInTwoDecimals) {
  EXPECT_EQ(ResultLabel("abs(A) * nAB", 2.5), "abs(A) * nAB   (nAB=2.50)");
  EXPECT_EQ(ResultTitle("abs(A) * nAB", 1.0), "Histogram : abs(A) * nAB   (nAB=1.00)");
  EXPECT_EQ(UpperBoundValueTitle("19.5", Language::English), "x value :  19.5");
  EXPECT_EQ(UpperBoundValueTitle("19.5", Language::Czech), "Hodnota x :  19.5");
}

}  // namespace
}  // namespace dorvex::workbench

namespace dorvex::workbench {
namespace {

TEST(Workbench, ReOpeningAnEntryTakesItsMultipleAndKeepsTheListsOrder) {
  Workbench bench;
  bench.SetReOpenList(settings::ReOpenList::FromEntries({{kPureDiscrete, "1.00", "5"},
                                                         {kDiscreteTen, "2.00", "10"},
                                                         {kFixtures + "/missing.dis", "1.00", "7"},
                                                         {kFixtures, "1.00", "3"}}));
  const auto before = bench.ReOpenList().Entries();

  const ReOpenOutcome loaded = bench.ReOpen(SlotId::B, 2, false, Language::English);
  EXPECT_FALSE(loaded.unopenable);
  EXPECT_FALSE(loaded.opened.error);
  EXPECT_TRUE(bench.Slot(SlotId::B).loaded);
  EXPECT_EQ(bench.Slot(SlotId::B).multiple, 2.0);
  EXPECT_EQ(bench.MultipleText(SlotId::B), "2.00");
  EXPECT_EQ(bench.Slot(SlotId::B).scaled.Max, 2 * bench.Slot(SlotId::B).base.Max);
  EXPECT_EQ(bench.ReOpenList().Selected(), 2);

  const ReOpenOutcome missing = bench.ReOpen(SlotId::A, 3, false, Language::English);
  EXPECT_TRUE(missing.unopenable);
  EXPECT_FALSE(bench.Slot(SlotId::A).loaded);

  // A folder opens but is no distribution file: the reader refuses it.
  const ReOpenOutcome refused = bench.ReOpen(SlotId::A, 4, false, Language::English);
  EXPECT_FALSE(refused.unopenable);
  EXPECT_TRUE(refused.opened.error);
  EXPECT_EQ(bench.ReOpenList().Selected(), 4);

  ASSERT_EQ(bench.ReOpenList().Entries().size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(bench.ReOpenList().Entries()[i].path, before[i].path);

  bench.DeleteSelectedReOpenEntry();
  ASSERT_EQ(bench.ReOpenList().Entries().size(), 3u);
  EXPECT_EQ(bench.ReOpenList().Entries()[2].path, kFixtures + "/missing.dis");
  bench.ClearReOpenList();
  EXPECT_TRUE(bench.ReOpenList().Entries().empty());
}

}  // namespace
}  // namespace dorvex::workbench

// The fourteen characteristics of a histogram, their table texts and the report.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "analysis/characteristics.h"
#include "engine/engine.h"
#include "model/report_error.h"
#include "support/histogram_builders.h"
#include "texts/language.h"

namespace dorvex::analysis {
namespace {

using model::HistogramType;
using test_support::MakeHistogram;
using texts::Language;

// A handful of long-double sums and one square root on exact binary fractions.
constexpr double kTight = 1e-12;

// The worked example: values 1, 2, 3 with P = 1/2, 1/4, 1/4.
//   mean     = 1/2 + 2/4 + 3/4                                   = 7/4
//   deviations from the mean: -3/4, 1/4, 5/4
//   variance = (1/2)(9/16) + (1/4)(1/16) + (1/4)(25/16)           = 11/16
//   std dev  = sqrt(11)/4
//   mean abs deviation = (1/2)(3/4) + (1/4)(1/4) + (1/4)(5/4)    = 3/4
//   coefficient of variation = 100 (sqrt(11)/4) / (7/4)          = 100 sqrt(11) / 7
//   m3 = (1/2)(-27/64) + (1/4)(1/64) + (1/4)(125/64)              = 9/32
//   skewness = (9/32) / (11/16)^(3/2)                             = 18 / (11 sqrt(11))
//   m4 = (1/2)(81/256) + (1/4)(1/256) + (1/4)(625/256)            = 197/256
//   kurtosis = (197/256) / (121/256) = 197/121; excess = 197/121 - 3 = -166/121
//   median (Discrete): F reaches 1/2 at the top edge of interval 1, 0.5 + (1/2)/(1/2) = 1.5;
//   median (Pure Discrete): the first point with F >= 1/2, the value 1
//   mode: the value of the largest probability, 1
model::Histogram WorkedExample(HistogramType type) {
  model::Histogram h = MakeHistogram(type, 1.0, 1.0, {0.5, 0.25, 0.25});
  h.Total = 4.0L;
  return h;
}

TEST(ComputeCharacteristics, MatchesTheHandComputedMomentsOfThreeIntervals) {
  const Characteristics c = ComputeCharacteristics(WorkedExample(HistogramType::Discrete));
  const double root11 = std::sqrt(11.0);
  struct Case {
    const char* name;
    double actual;
    double expected;
  };
  const Case cases[] = {
      {"mean", c.mean, 7.0 / 4},
      {"variance", c.variance, 11.0 / 16},
      {"standard deviation", c.standardDeviation, root11 / 4},
      {"mean absolute deviation", c.meanAbsoluteDeviation, 3.0 / 4},
      {"coefficient of variation", c.coefficientOfVariation, 100 * root11 / 7},
      {"skewness", c.skewness, 18 / (11 * root11)},
      {"concentration", c.concentration, 197.0 / 121},
      {"excess kurtosis", c.kurtosis, -166.0 / 121},
      {"median", c.median, 1.5},
      {"mode", c.mode, 1.0},
      {"lower bound", c.lowerBound, 0.5},
      {"upper bound", c.upperBound, 3.5},
  };
  for (const Case& each : cases) {
    EXPECT_NEAR(each.actual, each.expected, kTight) << each.name;
  }
  EXPECT_EQ(c.intervals, 3);
  EXPECT_EQ(c.total, 4.0L);
  EXPECT_EQ(c.medianText, "         1.5");
  EXPECT_EQ(c.modeText, "           1");
}

TEST(ComputeCharacteristics, BoundsAreOuterEdgesOnlyForADiscreteHistogram) {
  const std::vector<double> p(10, 0.1);
  const Characteristics discrete =
      ComputeCharacteristics(MakeHistogram(HistogramType::Discrete, 1.0, 1.0, p));
  const Characteristics pure =
      ComputeCharacteristics(MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, p));
  EXPECT_DOUBLE_EQ(discrete.lowerBound, 0.5);
  EXPECT_DOUBLE_EQ(discrete.upperBound, 10.5);
  EXPECT_DOUBLE_EQ(pure.lowerBound, 1.0);
  EXPECT_DOUBLE_EQ(pure.upperBound, 10.0);
  // The first point with F >= 1/2 is 5; the interval median is its upper edge.
  EXPECT_DOUBLE_EQ(pure.median, 5.0);
  EXPECT_DOUBLE_EQ(discrete.median, 5.5);
}

TEST(ComputeCharacteristics, AnOperationResultCountsItsResultTotalAsTheFrequencySum) {
  engine::OperationResult result;
  result.histogram = WorkedExample(HistogramType::Discrete);
  result.histogram.Total = 1.0L;
  result.totalExtended = 4.0L;
  EXPECT_EQ(ComputeCharacteristics(result).total, 4.0L);
}

TEST(ComputeCharacteristics, ASinglePointHasNoSpreadAndBoundsAtItsValue) {
  // N = 1 has no class width; the bounds must not turn into NaN.
  const Characteristics c =
      ComputeCharacteristics(MakeHistogram(HistogramType::Discrete, 7.0, 1.0, {1.0}));
  EXPECT_DOUBLE_EQ(c.lowerBound, 7.0);
  EXPECT_DOUBLE_EQ(c.upperBound, 7.0);
  EXPECT_DOUBLE_EQ(c.mean, 7.0);
  EXPECT_DOUBLE_EQ(c.variance, 0.0);
}

TEST(IntervalCountText, EndsTheDigitsInColumnTwelve) {
  const struct {
    int n;
    std::string expected;
  } cases[] = {
      {3, std::string(11, ' ') + "3"},
      {50, std::string(10, ' ') + "50"},
      {500, std::string(9, ' ') + "500"},
      {1024, std::string(8, ' ') + "1024"},
  };
  for (const auto& each : cases) EXPECT_EQ(IntervalCountText(each.n), each.expected) << each.n;
}

std::size_t CodePoints(const std::string& text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

TEST(CharacteristicsLabels, AreThirtyThreeCharactersWideInBothLanguages) {
  for (const Language language : {Language::English, Language::Czech}) {
    for (const std::string& label : CharacteristicsLabels(language)) {
      EXPECT_EQ(CodePoints(label), 33u) << "[" << label << "]";
    }
  }
  EXPECT_EQ(CharacteristicsLabels(Language::English)[11], "Coefficient of kurtosis (express)");
  EXPECT_EQ(CharacteristicsLabels(Language::Czech)[2], "Počet intervalů                  ");
  EXPECT_EQ(CharacteristicsLabels(Language::Czech)[13], "Mode                             ");
}

TEST(MakeCharacteristicsTable, GivesTheValueTextsOfTheFourteenLines) {
  const Characteristics c = ComputeCharacteristics(WorkedExample(HistogramType::Discrete));
  const CharacteristicsTable table = MakeCharacteristicsTable(c, Language::English);
  const std::string expected[] = {"0.5",
                                  "3.5",
                                  std::string(11, ' ') + "3",
                                  "4",
                                  "1.75",
                                  "0.6875",
                                  "0.829156",
                                  "0.75",
                                  "47.3804",
                                  "0.493382",
                                  "1.6281",
                                  "-1.3719",
                                  "         1.5",
                                  "           1"};
  for (std::size_t i = 0; i < table.values.size(); ++i) {
    EXPECT_EQ(table.values[i], expected[i]) << "line " << i + 1;
  }
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
  return lines;
}

TEST(CharacteristicsText, LaysOutTheEnglishReportLineByLine) {
  const model::Histogram h = WorkedExample(HistogramType::Discrete);
  const CharacteristicsReport report = CharacteristicsText(
      "Histogram :  A + B", h.P, h.N, h.Min, h.Max, h.Total, h.Type, Language::English);
  ASSERT_FALSE(report.error.has_value());
  const std::string rule(40, '_');
  const std::vector<std::string> expected = {
      "Histogram :  A + B",
      rule,
      "",
      "   B a s i c",
      "",
      "Min                              \t\t0.5",
      "Max                              \t\t3.5",
      "Number of intervals              \t" + std::string(9 + 11, ' ') + "3",
      "frequency numbers                \t4",
      "Average                          \t1.75",
      "Dispersion                       \t0.6875",
      "standard deviation               \t0.829156",
      "Average (central) deviation      \t0.75",
      "Coefficient of variation [%]     \t47.3804",
      "Coefficient of skewness          \t0.493382",
      "Coefficient of concentration     \t1.6281",
      "Coefficient of kurtosis (express)\t-1.3719",
      "",
      rule,
      "",
      "\t   M e d i a n    \t         1.5",
      "\t   M o d e        \t           1",
      "",
  };
  EXPECT_EQ(SplitLines(report.text), expected);
}

TEST(CharacteristicsText, CzechChangesLabelsAndTheVarianceTabsNotTheNumbers) {
  const model::Histogram h = WorkedExample(HistogramType::Discrete);
  const auto english = SplitLines(
      CharacteristicsText("T", h.P, h.N, h.Min, h.Max, h.Total, h.Type, Language::English).text);
  const auto czech = SplitLines(
      CharacteristicsText("T", h.P, h.N, h.Min, h.Max, h.Total, h.Type, Language::Czech).text);
  ASSERT_EQ(czech.size(), english.size());
  EXPECT_EQ(czech[3], "   Z á k l a d n í");
  EXPECT_EQ(czech[10], "Rozptyl                          \t\t0.6875");
  EXPECT_EQ(english[10], "Dispersion                       \t0.6875");
  // Every other value line ends with the same text after its last tab.
  for (std::size_t i = 5; i < english.size(); ++i) {
    EXPECT_EQ(czech[i].substr(czech[i].rfind('\t') + 1),
              english[i].substr(english[i].rfind('\t') + 1))
        << "line " << i;
  }
}

TEST(CharacteristicsText, FiftyIntervalsIndentTheCountByEighteenBlanks) {
  const model::Histogram h =
      MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, std::vector<double>(50, 0.02));
  const auto lines = SplitLines(
      CharacteristicsText("T", h.P, h.N, h.Min, h.Max, h.Total, h.Type, Language::English).text);
  ASSERT_GT(lines.size(), 7u);
  EXPECT_EQ(lines[7], "Number of intervals              \t" + std::string(8 + 10, ' ') + "50");
}

TEST(FixedPitchText, PutsEveryValueRightAlignedInOneColumnAfterTheWidestLabel) {
  const std::string text = "Title\r\n\r\nMin\t\t-4\r\nPočet intervalů\t      12\r\n\t M e d i a n \t0.5\r\n";
  const std::vector<std::string> expected = {
      "Title",
      "",
      "Min                    -4",
      "Počet intervalů        12",  // the two letters with accents take one column each
      "         M e d i a n  0.5",
  };
  EXPECT_EQ(SplitLines(FixedPitchText(text)), expected);
}

TEST(FixedPitchText, LinesUpTheCharacteristicsReportInBothLanguages) {
  const model::Histogram h = WorkedExample(HistogramType::Discrete);
  for (Language language : {Language::English, Language::Czech}) {
    const auto lines = SplitLines(
        FixedPitchText(CharacteristicsText("T", h.P, h.N, h.Min, h.Max, h.Total, h.Type, language).text));
    // Min to kurtosis, and median and mode: all values end in one column.
    std::vector<std::size_t> ends;
    for (std::size_t i : {5u, 6u, 7u, 9u, 10u, 16u, 20u, 21u}) {
      ASSERT_LT(i, lines.size());
      const std::string& line = lines[i];
      ends.push_back(static_cast<std::size_t>(std::count_if(
          line.begin(), line.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; })));
      EXPECT_EQ(line.find('\t'), std::string::npos) << line;
    }
    for (std::size_t end : ends) EXPECT_EQ(end, ends.front());
    EXPECT_NE(lines[9].find("1.75"), std::string::npos);
  }
}

TEST(CharacteristicsText, FewerThanThreeIntervalsGiveMessage215Only) {
  const model::Histogram two = MakeHistogram(HistogramType::Discrete, 1.0, 1.0, {0.5, 0.5});
  const CharacteristicsReport report = CharacteristicsText("T", two.P, two.N, two.Min, two.Max,
                                                           two.Total, two.Type, Language::English);
  ASSERT_TRUE(report.error.has_value());
  EXPECT_TRUE(report.text.empty());
  EXPECT_EQ(model::ComposeReportError(*report.error, Language::English).text,
            "Number of intervals n = (3..1024)");
  EXPECT_EQ(model::ComposeReportError(*report.error, Language::Czech).text,
            "Počet intervalů n=(3..1024)");

  const model::Histogram three =
      MakeHistogram(HistogramType::Discrete, 1.0, 1.0, {0.25, 0.5, 0.25});
  EXPECT_FALSE(CharacteristicsText("T", three, Language::English).error.has_value());
}

}  // namespace
}  // namespace dorvex::analysis

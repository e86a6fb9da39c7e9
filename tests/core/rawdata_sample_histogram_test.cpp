// The non-parametric histogram of a sample, the checks of its fields and the
// histogram handed to a slot.

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "rawdata/sample_histogram.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::rawdata {
namespace {

using texts::Language;
using texts::MessageText;

// The interval (1-based) that holds all of a one-value histogram's probability.
int IntervalOf(double x, int N, double Lo, double Hi) {
  const SampleHistogram h = BuildSampleHistogram({x}, N, Lo, Hi);
  for (int i = 1; i <= N; ++i) {
    if (h.P[i] == 1.0) return i;
  }
  return 0;
}

TEST(BuildSampleHistogram, RoundsBoundaryValuesToEvenAndClampsBothEnds) {
  struct Case {
    double x;
    int interval;
  };
  // Lo 0, Hi 10, N 10, w 1: k = round(x - 0.5), halves to even. Values on inner
  // boundaries alternate; values outside the range go to the end intervals.
  const Case cases[] = {{0, 1},  {0.7, 1}, {1.5, 2}, {10, 10}, {1, 1},   {2, 3},
                        {3, 3},  {4, 5},   {9.2, 10}, {25, 10}, {-0.2, 1}, {-50, 1}};
  for (const Case& c : cases) EXPECT_EQ(IntervalOf(c.x, 10, 0.0, 10.0), c.interval) << c.x;
}

TEST(BuildSampleHistogram, CountsEveryValueOnceAndTotalsTheSample) {
  const std::vector<double> values = {0, 0.7, 1.5, 10, 1, 2, 3, 4, -3, 12};
  const SampleHistogram h = BuildSampleHistogram(values, 10, 0.0, 10.0);
  EXPECT_EQ(h.N, 10);
  EXPECT_EQ(h.w, 1.0);
  EXPECT_EQ(h.Total, 10.0L);
  EXPECT_DOUBLE_EQ(h.P[1], 0.4);  // 0, 0.7, 1 and -3
  EXPECT_DOUBLE_EQ(h.P[3], 0.2);  // 2 and 3
  EXPECT_DOUBLE_EQ(h.P[10], 0.2);  // 10 and 12
  EXPECT_EQ(h.P[11], 0.0);
  EXPECT_DOUBLE_EQ(std::accumulate(h.P.begin(), h.P.end(), 0.0), 1.0);
  EXPECT_DOUBLE_EQ(h.Xmin(), 0.5);
  EXPECT_DOUBLE_EQ(h.Xmax(), 9.5);
}

TEST(ReadIntervalCount, RefusesWhatIsNoCountAndWarnsBelowSturges) {
  struct Case {
    const char* text;
    std::int64_t n;
    int bins;
    std::string refusal;
    std::string warning;
  };
  const std::string range = MessageText(88, Language::English) + "1024 !";
  const Case cases[] = {
      {"abc", 1000, 0, MessageText(114, Language::English) + "abc", ""},
      {"12.5", 1000, 0, MessageText(114, Language::English) + "12.5", ""},
      {"0", 1000, 0, "Number of intervals = 0 !", ""},
      {"2", 1000, 0, range, ""},
      {"1025", 1000, 0, range, ""},
      {"5", 1000, 5, "",
       texts::InsertText(MessageText(116, Language::English), "1000") + "11   !"},
      {"11", 1000, 11, "", ""},
      {"128", 500000, 128, "", ""},
      {"3", 3, 3, "", ""},
  };
  for (const Case& c : cases) {
    const IntervalCountReading r = ReadIntervalCount(c.text, c.n, Language::English);
    EXPECT_EQ(r.bins, c.bins) << c.text;
    EXPECT_EQ(r.refusal.value_or(""), c.refusal) << c.text;
    EXPECT_EQ(r.warning.value_or(""), c.warning) << c.text;
  }
}

TEST(ReadRangeEnd, RefusesNoNumberAndAnEmptyRange) {
  const std::string invalid = MessageText(20, Language::English);
  const RangeReading badLo = ReadRangeEnd(RangeEnd::Lo, "x1", 10.0, Language::English);
  EXPECT_EQ(badLo.refusal.value_or(""), invalid + " MinX x1");
  const RangeReading badHi = ReadRangeEnd(RangeEnd::Hi, "", 0.0, Language::English);
  EXPECT_EQ(badHi.refusal.value_or(""), invalid + " MaxX ");
  EXPECT_EQ(ReadRangeEnd(RangeEnd::Lo, "10", 10.0, Language::English).refusal.value_or(""), "MinX >= MaxX !");
  EXPECT_EQ(ReadRangeEnd(RangeEnd::Hi, "5", 7.0, Language::English).refusal.value_or(""), "MaxX <= MinX !");

  const RangeReading lo = ReadRangeEnd(RangeEnd::Lo, "350,5", 500.0, Language::English);
  EXPECT_FALSE(lo.refusal);
  EXPECT_EQ(lo.value, 350.5);
  EXPECT_EQ(lo.text, statvex::DisplayNumber(350.5));
}

TEST(HandOverHistogram, PutsTheValuesAtTheIntervalMidPoints) {
  const SampleHistogram data = BuildSampleHistogram({1, 2, 3, 4, 9}, 4, 0.0, 10.0);
  for (const bool pure : {false, true}) {
    const model::Histogram h = HandOverHistogram(data.P, data.N, data.Lo, data.Hi, data.Total, pure);
    EXPECT_EQ(h.N, 4);
    EXPECT_EQ(h.Min, 1.25);
    EXPECT_EQ(h.Max, 8.75);
    EXPECT_EQ(h.d, 2.5);
    EXPECT_EQ(h.Range, 10.0);
    EXPECT_EQ(h.Total, 5.0L);
    EXPECT_EQ(h.Type, pure ? model::HistogramType::PureDiscrete : model::HistogramType::Discrete);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(h.P[i], data.P[i]);
  }
}

TEST(DisplaySummaryTexts, GiveTheEndValuesMedianAndMode) {
  // Lo 0, Hi 10, N 5, w 2: values 1, 3, 5, 7, 9. F reaches 1/2 in interval 2 (0.2 + 0.4):
  // Discrete interpolates 2 + 2 * (0.5 - 0.2) / 0.4 = 3.5; Pure Discrete takes 3.
  ProbabilityArray P{};
  P[1] = 0.2;
  P[2] = 0.4;
  P[3] = 0.2;
  P[4] = 0.1;
  P[5] = 0.1;
  const auto discrete = DisplaySummaryTexts(P, 5, 0.0, 10.0, false);
  EXPECT_EQ(discrete[0], statvex::DisplayNumber(1.0));
  EXPECT_EQ(discrete[1], statvex::DisplayNumber(9.0));
  EXPECT_EQ(discrete[2], statvex::DisplayNumber(3.5));
  EXPECT_EQ(discrete[3], statvex::DisplayNumber(3.0));
  EXPECT_EQ(DisplaySummaryTexts(P, 5, 0.0, 10.0, true)[2], statvex::DisplayNumber(3.0));
}

TEST(RawDataSlotName, NamesTheFileAndTheChosenFit) {
  EXPECT_EQ(RawDataSlotName("/home/u/Raw data/Steel S355.txt", std::nullopt), "RawData_(Steel S355)");
  EXPECT_EQ(RawDataSlotName("Steel.txt", std::string("LogNormal_2P")), "RawData_(Steel-LogNormal_2P)");
}

}  // namespace
}  // namespace dorvex::rawdata

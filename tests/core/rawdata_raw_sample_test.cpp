// A sample of measured values: its characteristics, sorting, Sturges' minimum and
// the lines of the value list.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "rawdata/raw_sample.h"
#include "statvex/number_text.h"

namespace dorvex::rawdata {
namespace {

TEST(ComputeSampleCharacteristics, MatchesTheSumsWorkedByHand) {
  // 1, 2, 3, 4, 10: m = 4; squares about m 9 + 4 + 1 + 0 + 36 = 50, s = sqrt(50 / 4);
  // cubes -27 - 8 - 1 + 0 + 216 = 180, g = 180 / s^3 / 5.
  const SampleCharacteristics c = ComputeSampleCharacteristics({10, 1, 4, 2, 3});
  constexpr double kTight = 1e-15;  // a few operations in extended precision
  const double s = std::sqrt(12.5);
  EXPECT_EQ(c.n, 5);
  EXPECT_NEAR(c.mean, 4.0, kTight);
  EXPECT_NEAR(c.standardDeviation, s, kTight * s);
  EXPECT_NEAR(c.skewness, 180.0 / (s * s * s) / 5.0, kTight);
}

TEST(ComputeSampleCharacteristics, KeepsASmallSpreadAroundALargeMean) {
  // 1E9 + 0.001, 0.002, 0.003: s = 0.001 up to the spacing of doubles near 1E9
  // (1.2E-7), which the sum of squares minus the squared sum would lose entirely.
  const SampleCharacteristics c = ComputeSampleCharacteristics({1e9 + 0.001, 1e9 + 0.002, 1e9 + 0.003});
  EXPECT_NEAR(c.standardDeviation, 0.001, 2.5e-7);
  EXPECT_NEAR(c.skewness, 0.0, 1e-3);
}

TEST(ComputeSampleCharacteristics, EqualValuesHaveNoSpreadAndNoSkewness) {
  const SampleCharacteristics c = ComputeSampleCharacteristics({7, 7, 7});
  EXPECT_EQ(c.mean, 7.0);
  EXPECT_EQ(c.standardDeviation, 0.0);
  EXPECT_TRUE(std::isnan(c.skewness));
}

TEST(MakeRawSample, SortsTheValuesAscending) {
  const RawSample s = MakeRawSample({3.5, -1, 2, 2, 10});
  EXPECT_EQ(s.values, (std::vector<double>{-1, 2, 2, 3.5, 10}));
  EXPECT_EQ(s.smallest(), -1.0);
  EXPECT_EQ(s.largest(), 10.0);
  EXPECT_EQ(s.characteristics.n, 5);
}

TEST(LoadRawSample, ARefusedFileGivesNoSample) {
  const auto folder = std::filesystem::temp_directory_path() / "dorvex_rawdata_sample";
  std::filesystem::create_directories(folder);
  const auto good = folder / "good.txt";
  const auto bad = folder / "bad.txt";
  std::ofstream(good) << "3\n1\n2\n";
  std::ofstream(bad) << "3\nx\n2\n";
  const RawSampleReading loaded = LoadRawSample(good.string(), texts::Language::English);
  ASSERT_TRUE(loaded.sample);
  EXPECT_EQ(loaded.sample->values, (std::vector<double>{1, 2, 3}));
  const RawSampleReading refused = LoadRawSample(bad.string(), texts::Language::English);
  EXPECT_FALSE(refused.sample);
  ASSERT_TRUE(refused.error);
  EXPECT_EQ(refused.error->line, 2u);
}

TEST(SturgesMinimum, RoundsThreePointThreeDecadesPlusOne) {
  struct Case {
    std::int64_t n;
    int minimum;
  };
  // round(log10(n) * 3.3 + 1): 1000 -> 10.9 -> 11; 100 -> 7.6 -> 8; 3 -> 2.57 -> 3;
  // 500000 -> 19.8 -> 20; 10 -> 4.3 -> 4.
  const Case cases[] = {{1000, 11}, {100, 8}, {3, 3}, {500000, 20}, {10, 4}, {1, 1}};
  for (const Case& c : cases) EXPECT_EQ(SturgesMinimum(c.n), c.minimum) << c.n;
}

TEST(ValueListLine, ShowsTheValueAndItsPositionInSixDigits) {
  EXPECT_EQ(ValueListLine(400.25, 1), "400.25000  |  000001");
  EXPECT_EQ(ValueListLine(1.0, 123456), "1.00000  |  123456");
  EXPECT_EQ(ValueListLine(-2.5, 42), statvex::DisplayNumber(-2.5) + "  |  000042");
  EXPECT_EQ(ValueListLine(0.000125, 99999), statvex::DisplayNumber(0.000125) + "  |  099999");
  EXPECT_EQ(SampleCountText(5000), "     5000");
}

}  // namespace
}  // namespace dorvex::rawdata

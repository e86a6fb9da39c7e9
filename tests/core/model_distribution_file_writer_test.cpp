// The result written as a distribution file: its text, its integer frequencies,
// a read-back that lands on the same grid, and a write that never half-destroys.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "model/distribution_file_reader.h"
#include "model/distribution_file_writer.h"
#include "model/histogram.h"

namespace dorvex::model {
namespace {

namespace fs = std::filesystem;

Histogram MakeResult(HistogramType type, double min, double d, const std::vector<double>& p) {
  Histogram h;
  h.Type = type;
  h.N = static_cast<int>(p.size());
  h.Min = min;
  h.d = d;
  h.Max = min + (h.N - 1) * d;
  h.Range = h.Max - h.Min;
  std::copy(p.begin(), p.end(), h.P.begin() + 1);
  return h;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A fresh, empty folder for one test.
fs::path TestFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("dorvex_writer_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

TEST(ComputeResultFrequencies, RoundsHalvesToEvenAndTotalsTheIntegers) {
  // c = 1 / 0.125 = 8: 1, 2.5 -> 2, 4.5 -> 4.
  const Histogram h = MakeResult(HistogramType::Discrete, 1.0, 1.0, {0.125, 0.3125, 0.5625});
  const ResultFrequencies f = ComputeResultFrequencies(h, 8.0L);
  EXPECT_EQ(f.f[1], 1);
  EXPECT_EQ(f.f[2], 2);
  EXPECT_EQ(f.f[3], 4);
  EXPECT_EQ(f.total, 7);
  EXPECT_EQ(f.multiplier, 8.0L);
}

TEST(ComputeResultFrequencies, DividesTheTotalByTenUntilTheSumFits64Bits) {
  // c = 1e20 makes the sum 1e20; 1e19 still exceeds 2^63 - 1; 1e18 fits, and the
  // smallest interval gets 1e-20 * 1e18 = 0.01, rounded to 0.
  const Histogram h = MakeResult(HistogramType::Discrete, 1.0, 1.0, {1e-20, 0.5, 0.5});
  const ResultFrequencies f = ComputeResultFrequencies(h, 1e20L);
  EXPECT_NEAR(static_cast<double>(f.multiplier), 1e18, 1e3);
  EXPECT_EQ(f.f[1], 0);
  EXPECT_NEAR(static_cast<double>(f.f[2]), 5e17, 1e3);
  EXPECT_EQ(f.total, f.f[2] + f.f[3]);
}

TEST(DistributionFileText, WritesOuterEdgesOfADiscreteResult) {
  const Histogram h = MakeResult(HistogramType::Discrete, 1.0, 1.0, {0.125, 0.3125, 0.5625});
  EXPECT_EQ(DistributionFileText(h, 8.0L, "result.dis"),
            "[Description]\r\n"
            "Identification=result.dis\r\n"
            "Type=Discrete\r\n"
            "Form=Frequency\r\n"
            "\r\n"
            "[Parameters]\r\n"
            "Min=0.5\r\n"
            "Max=3.5\r\n"
            "Bins=3\r\n"
            "Total=7\r\n"
            "\r\n"
            "[Bins]\r\n"
            "1\r\n"
            "2\r\n"
            "4\r\n");
}

TEST(DistributionFileText, WritesEndPointsOfAPureDiscreteResultAndItsEmptyIntervals) {
  const Histogram h = MakeResult(HistogramType::PureDiscrete, -2.0, 0.5, {0.25, 0.0, 0.75});
  const std::string text = DistributionFileText(h, 4.0L, "x.dis");
  EXPECT_NE(text.find("Type=Pure Discrete\r\n"), std::string::npos);
  EXPECT_NE(text.find("Min=-2\r\nMax=-1\r\nBins=3\r\nTotal=4\r\n"), std::string::npos);
  EXPECT_NE(text.find("[Bins]\r\n1\r\n0\r\n3\r\n"), std::string::npos);
}

TEST(DistributionFileText, ReadsBackOntoTheSameGrid) {
  // A + B of two uniform Discrete histograms: mid-points 1 .. 19; and a grid whose
  // width 0.1 has no exact binary form.
  Histogram uniform = MakeResult(HistogramType::Discrete, 0.5, 1.0, std::vector<double>(10, 0.1));
  engine::OperationRequest request;
  request.code = engine::kSum;
  request.a = &uniform;
  request.b = &uniform;
  const engine::OperationOutcome sum = engine::RunOperation(request);
  ASSERT_TRUE(sum.ok());
  const Histogram tenths =
      MakeResult(HistogramType::Discrete, 0.35, 0.1, {0.1, 0.2, 0.3, 0.25, 0.15});

  for (const Histogram* written : {&sum.result->histogram, &tenths}) {
    const long double total = 1.0L / *std::min_element(written->P.begin() + 1,
                                                  written->P.begin() + written->N + 1);
    const DistributionReadResult read =
        ReadDistributionText(DistributionFileText(*written, total, "r.dis"));
    ASSERT_TRUE(read.ok()) << read.error->code;
    const Histogram& h = read.record.histogram;
    EXPECT_EQ(h.Type, HistogramType::Discrete);
    EXPECT_EQ(h.N, written->N);
    // Exact edges in, (Max - Min) / N and a half width out: a few roundings.
    EXPECT_NEAR(h.Min, written->Min, 1e-14 * written->Max);
    EXPECT_NEAR(h.Max, written->Max, 1e-14 * written->Max);
    EXPECT_NEAR(h.d, written->d, 1e-15 * written->Max);
    for (int k = 1; k <= h.N; ++k) {
      // Frequencies are whole numbers: P is kept to 1 / Total.
      EXPECT_NEAR(h.P[k], written->P[k], 1.0 / static_cast<double>(h.Total)) << k;
    }
  }
}

TEST(WriteResultDistributionFile, WritesTheTextUnderTheFileName) {
  const fs::path folder = TestFolder("writes");
  const Histogram h = MakeResult(HistogramType::Discrete, 1.0, 1.0, {0.125, 0.3125, 0.5625});
  const fs::path path = folder / "AB result.dis";
  std::ofstream(path) << "old content";
  ASSERT_FALSE(WriteResultDistributionFile(path.string(), h, 8.0L).has_value());
  EXPECT_EQ(ReadAll(path), DistributionFileText(h, 8.0L, "AB result.dis"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 1);
  fs::remove_all(folder);
}

TEST(WriteResultDistributionFile, FailureNamesTheFileAndLeavesNoTrace) {
  const fs::path folder = TestFolder("fails");
  // A folder of that name cannot be replaced by the file.
  const fs::path blocked = folder / "taken.dis";
  fs::create_directories(blocked / "inside");
  const Histogram h = MakeResult(HistogramType::Discrete, 1.0, 1.0, {0.5, 0.5});
  const auto error = WriteResultDistributionFile(blocked.string(), h, 2.0L);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->code, 23);
  EXPECT_EQ(error->insert, "taken.dis");
  EXPECT_TRUE(fs::is_directory(blocked / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 1);

  const auto missing = WriteResultDistributionFile((folder / "no/such/x.dis").string(), h, 2.0L);
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->code, 23);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace dorvex::model

// Speed of the primary-data work on 10 000 and 500 000 measured values at 128
// intervals: reading the file's text, building the sample and its histogram, and
// the whole fitting run. Targets: 500 000 values read below 0.3 s, fitted below 2 s.
// The second argument is the decimals the file holds: with one, as from a test
// machine, values repeat; with six nearly every value is distinct, the worst case of
// the goodness sums over the raw values.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "rawdata/fitting.h"
#include "rawdata/raw_data_file.h"
#include "rawdata/raw_sample.h"
#include "rawdata/sample_histogram.h"

namespace {

using namespace dorvex::rawdata;
using dorvex::texts::Language;

// Yield strengths in MPa, lognormal around 400 with 10 % variation, as a file holds
// them: `decimals` decimals, CR LF line ends.
std::string SampleFile(int n, int decimals) {
  std::mt19937_64 random(355);
  std::lognormal_distribution<double> strength(std::log(400.0) - 0.005, 0.0998);
  std::string text;
  char buffer[32];
  for (int i = 0; i < n; ++i) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, strength(random), std::chars_format::fixed, decimals);
    text.append(buffer, end.ptr);
    text += "\r\n";
  }
  return text;
}

void BM_ReadRawData(benchmark::State& state) {
  const std::string file = SampleFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    const RawDataReading r = ParseRawData(file, Language::English);
    if (r.error) state.SkipWithError(r.error->text.c_str());
    RawSample sample = MakeRawSample(r.values);
    const SampleHistogram h = BuildSampleHistogram(sample.values, 128, sample.smallest(), sample.largest());
    benchmark::DoNotOptimize(h.P);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(file.size()));
}

void BM_FitRawData(benchmark::State& state) {
  const RawDataReading r =
      ParseRawData(SampleFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))), Language::English);
  const RawSample sample = MakeRawSample(r.values);
  const SampleHistogram data = BuildSampleHistogram(sample.values, 128, sample.smallest(), sample.largest());
  for (auto _ : state) {
    const FitRun run = RunFitting(FitRequest{sample, data, 1E-7, false}, Language::English);
    if (run.accepted == 0) state.SkipWithError("nothing fitted");
    benchmark::DoNotOptimize(run.ranking);
  }
}

BENCHMARK(BM_ReadRawData)->Args({10000, 1})->Args({500000, 1})->Args({500000, 6})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitRawData)->Args({10000, 1})->Args({500000, 1})->Args({500000, 6})->Unit(benchmark::kMillisecond);

}  // namespace

#include "model/distribution_file_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>

#include "numeric/round.h"
#include "io/atomic_file.h"

namespace dorvex::model {

namespace {

constexpr int kWriteErrorCode = 23;
constexpr long double kLargestInt64 = 9223372036854775807.0L;
constexpr const char* kLineEnd = "\r\n";

// Shortest text that reads back to the same double, so a saved result re-loads
// on the same grid.
std::string NumberText(double x) {
  char buffer[32];
  const auto result = std::to_chars(std::begin(buffer), std::end(buffer), x);
  return std::string(buffer, result.ptr);
}

}  // namespace

ResultFrequencies ComputeResultFrequencies(const Histogram& result, long double resultTotal) {
  ResultFrequencies frequencies;
  const int n = std::clamp(result.N, 0, kMaxBins);
  long double c = std::isfinite(resultTotal) && resultTotal > 0.0L ? resultTotal : 0.0L;
  for (;;) {
    long double sum = 0.0L;
    for (int k = 1; k <= n; ++k) sum += c * result.P[k];
    if (sum > kLargestInt64) {
      c /= 10.0L;
      continue;
    }
    // Rounding up may still carry the integer sum past the 64-bit range.
    std::uint64_t total = 0;
    for (int k = 1; k <= n; ++k) {
      frequencies.f[k] = RoundHalfEven(result.P[k] * c);
      total += static_cast<std::uint64_t>(frequencies.f[k]);
    }
    if (total > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
      c /= 10.0L;
      continue;
    }
    frequencies.total = static_cast<std::int64_t>(total);
    frequencies.multiplier = c;
    return frequencies;
  }
}

std::string DistributionFileText(const Histogram& result, long double resultTotal,
                                 std::string_view identification) {
  const bool discrete = result.Type == HistogramType::Discrete;
  const double min = discrete ? result.Min - result.d / 2 : result.Min;
  const double max = discrete ? result.Max + result.d / 2 : result.Max;
  const ResultFrequencies frequencies = ComputeResultFrequencies(result, resultTotal);
  const int n = std::clamp(result.N, 0, kMaxBins);

  std::string text;
  const auto line = [&text](std::string_view content) {
    text += content;
    text += kLineEnd;
  };
  line("[Description]");
  line("Identification=" + std::string(identification));
  line(discrete ? "Type=Discrete" : "Type=Pure Discrete");
  line("Form=Frequency");
  line("");
  line("[Parameters]");
  line("Min=" + NumberText(min));
  line("Max=" + NumberText(max));
  line("Bins=" + std::to_string(n));
  line("Total=" + std::to_string(frequencies.total));
  line("");
  line("[Bins]");
  for (int k = 1; k <= n; ++k) line(std::to_string(frequencies.f[k]));
  return text;
}

std::optional<ModelError> WriteResultDistributionFile(const std::string& path,
                                                      const Histogram& result,
                                                      long double resultTotal) {
  const std::string name = std::filesystem::path(path).filename().string();
  const std::string text = DistributionFileText(result, resultTotal, name);
  if (io::WriteFileAtomically(path, text)) {
    ModelError error;
    error.code = kWriteErrorCode;
    error.insert = name;
    return error;
  }
  return std::nullopt;
}

}  // namespace dorvex::model

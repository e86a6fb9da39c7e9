// Feeds arbitrary bytes to the raw-data reader. Besides crashes and sanitizer
// reports: a refused file gives no values and a message that names its line; an
// accepted one gives between 3 and 500 000 finite values that save and read back
// unchanged, and a histogram of them that counts every value.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rawdata/raw_data_file.h"
#include "rawdata/raw_sample.h"
#include "rawdata/sample_histogram.h"

namespace {

using namespace dorvex::rawdata;
using dorvex::texts::Language;

// Probabilities are counts over n; their sum carries one rounding per interval.
constexpr double kSumSlack = 1e-12;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// True when the text is valid UTF-8, as every dialog text must be.
bool ValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3
                       : c >= 0xF0 && c <= 0xF4                ? 4
                                                               : 0;
    if (length == 0 || i + length > s.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Language language = size > 0 && (data[0] & 1) != 0 ? Language::Czech : Language::English;
  const RawDataReading r = ParseRawData(bytes, language);
  if (r.error) {
    Check(r.values.empty());
    Check(r.error->message == 113 || r.error->message == 118 || r.error->message == 213);
    Check((r.error->line > 0) == (r.error->message != 213));
    Check(!r.error->text.empty() && ValidUtf8(r.error->text));
    return 0;
  }
  Check(r.values.size() >= 3 && r.values.size() <= kMaxRawValues);
  std::vector<std::string> lines;
  for (const double v : r.values) {
    Check(std::isfinite(v));
    char text[64];
    lines.emplace_back(text, std::to_chars(text, text + sizeof text, v).ptr);
  }
  const RawDataSaveText saved = ComposeRawDataFile(lines, language);
  Check(!saved.error);
  const RawDataReading back = ParseRawData(saved.bytes, language);
  Check(!back.error && back.values == r.values);

  const RawSample sample = MakeRawSample(r.values);
  const double lo = sample.smallest(), hi = sample.largest();
  if (!(lo < hi) || !std::isfinite(hi - lo)) return 0;
  const int bins = 3 + static_cast<int>(size % 100);
  const SampleHistogram h = BuildSampleHistogram(sample.values, bins, lo, hi);
  double sum = 0.0;
  for (int i = 1; i <= bins; ++i) {
    Check(h.P[i] >= 0.0 && h.P[i] <= 1.0);
    sum += h.P[i];
  }
  Check(std::fabs(sum - 1.0) <= kSumSlack * bins);
  return 0;
}

#include "rawdata/raw_data_window_view.h"

#include <algorithm>
#include <cmath>

#include "rawdata/raw_data_file.h"
#include "rawdata/raw_sample.h"
#include "statvex/number_text.h"

namespace dorvex::rawdata {

namespace {

constexpr char kUndefined[] = " undefined";

}  // namespace

std::array<std::string, 4> SampleTableTexts(const SampleCharacteristics& sample) {
  return {SampleCountText(sample.n), statvex::DisplayNumber(sample.mean),
          statvex::DisplayNumber(sample.standardDeviation),
          std::isfinite(sample.skewness) ? statvex::DisplayNumber(sample.skewness) : std::string(kUndefined)};
}

std::vector<std::string> RawDataDialogFilters() {
  std::vector<std::string> names;
  const std::string_view filter = kRawDataFilter;
  std::size_t begin = 0;
  // "name|pattern|name|pattern": every other part is a name.
  for (bool name = true; begin <= filter.size(); name = !name) {
    const std::size_t end = std::min(filter.find('|', begin), filter.size());
    if (name) names.emplace_back(filter.substr(begin, end - begin));
    begin = end + 1;
  }
  return names;
}

std::string EditorLineText(int n) {
  std::string text(1, ' ');
  text += std::to_string(n);
  return text;
}

std::string RankedClosenessText(double closeness) { return statvex::DisplayNumber(closeness); }

}  // namespace dorvex::rawdata

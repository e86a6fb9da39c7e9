#include "rawdata/raw_data_window_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "analysis/characteristics.h"
#include "rawdata/raw_data_file.h"
#include "rawdata/raw_sample.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::rawdata {

namespace {

constexpr char kUndefined[] = " undefined";

std::string Stem(const std::string& path) { return std::filesystem::path(path).stem().string(); }

}  // namespace

std::array<std::string, 4> SampleTableTexts(const SampleCharacteristics& sample) {
  return {SampleCountText(sample.n), statvex::DisplayNumber(sample.mean),
          statvex::DisplayNumber(sample.standardDeviation),
          std::isfinite(sample.skewness) ? statvex::DisplayNumber(sample.skewness) : std::string(kUndefined)};
}

std::array<std::string, 4> DisplayTableTexts(const ProbabilityArray& P, int N, double Xmin, double Xmax,
                                             model::HistogramType type) {
  const analysis::Characteristics c = analysis::ComputeCharacteristics(P, N, Xmin, Xmax, 1.0L, type);
  return {statvex::DisplayNumber(Xmin), statvex::DisplayNumber(Xmax), c.medianText, c.modeText};
}

std::array<std::string, 2> DataHistogramTitle(const std::string& path, const std::string& listText,
                                              const workbench::ClockReading& clock,
                                              workbench::DateTimeSeparators separators, texts::Language language) {
  return {texts::MessageText(107, language) + listText,
          texts::MessageText(109, language) + Stem(path) + " " + workbench::ChartDateLine(clock, separators)};
}

std::array<std::string, 2> FitTitle(const std::string& path, const std::string& listText,
                                    const std::string& description, texts::Language language) {
  return {texts::MessageText(108, language) + listText + " ( " + description,
          texts::MessageText(109, language) + Stem(path)};
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

std::string EditorLineText(int n) { return " " + std::to_string(n); }

std::string RankedClosenessText(double closeness) { return statvex::DisplayNumber(closeness); }

std::string ChosenClosenessText(double closeness) {
  char text[64];
  std::snprintf(text, sizeof text, "%.5f", closeness);
  return text;
}

std::string RankedFitCaption(const std::string& description, texts::Language language) {
  return "  " + texts::MessageText(111, language) + description + "  ";
}

std::string ChosenFitCaption(const std::string& description, texts::Language language) {
  return texts::MessageText(117, language) + description;
}

}  // namespace dorvex::rawdata

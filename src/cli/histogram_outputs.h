#pragma once
// What info and calc add to their summary: the characteristics, the text report and
// the listing workbook.

#include <optional>
#include <ostream>
#include <string>

#include "analysis/characteristics.h"
#include "model/histogram.h"

namespace dorvex::cli {

// The fourteen characteristics as the program's table words them, one per line.
void PrintCharacteristics(std::ostream& out, const analysis::Characteristics& c);

// The JSON members mean, variance, std, skewness, kurtosis, median and mode, each
// preceded by ", " (non-finite values as null).
std::string CharacteristicsJson(const analysis::Characteristics& c);

// The options --report FILE and --xlsx FILE.
struct FileOutputs {
  std::optional<std::string> report;
  std::optional<std::string> workbook;
};

// What the report and the workbook say about where the histogram came from.
struct OutputSource {
  const model::Histogram* histogram = nullptr;
  long double resultTotal = 0.0L;  // frequency 1 for the least probable interval
  long double multiplier = 0.0L;   // frequency multiplier c of the listing
  std::string label;               // operation label, or the file's name
  std::string nameA;
  std::string multipleA;
  std::string nameB;
  std::string multipleB;
};

// Writes what `outputs` asks for; the first failure is returned (code 23).
std::optional<model::ModelError> WriteOutputs(const FileOutputs& outputs, const OutputSource& source);

}  // namespace dorvex::cli

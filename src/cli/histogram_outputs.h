#pragma once
// What info and calc add to their summary: the characteristics, the text report and
// the listing workbook.

#include <optional>
#include <ostream>
#include <string>

#include "analysis/characteristics.h"
#include "model/histogram.h"
#include "analysis/result_report.h"
#include "texts/language.h"

namespace dorvex::cli {

// The fourteen characteristics as the program's table words them, one per line.
void PrintCharacteristics(std::ostream& out, const analysis::Characteristics& c, texts::Language language);

// The JSON members mean, variance, std, skewness, kurtosis, median and mode, each
// preceded by ", " (non-finite values as null).
std::string CharacteristicsJson(const analysis::Characteristics& c);

// The options --report FILE and --xlsx FILE.
struct FileOutputs {
  std::optional<std::string> report;
  std::optional<std::string> workbook;
};

// What the report and the workbook show: the histogram, its label (the result label,
// or the file's name) and where it came from; date, time and version are filled in
// when written.
struct OutputSource {
  analysis::ResultReportInput report;
  long double multiplier = 0.0L;  // frequency multiplier c of the listing
};

// The local date or time in a strftime `format`, as reports are stamped.
std::string Now(const char* format);

// Writes what `outputs` asks for in `language`; the first failure is returned (code 23).
std::optional<model::ModelError> WriteOutputs(const FileOutputs& outputs, const OutputSource& source,
                                              texts::Language language);

}  // namespace dorvex::cli

#include "histogram_outputs.h"

#include <chrono>
#include <ctime>

#include "analysis/xlsx_writer.h"
#include "cli_options.h"
#include "analysis/result_report.h"
#include "statvex/number_text.h"

namespace dorvex::cli {

std::string Now(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, format, &local);
  return text;
}

void PrintCharacteristics(std::ostream& out, const analysis::Characteristics& c, texts::Language language) {
  const analysis::CharacteristicsTable table = analysis::MakeCharacteristicsTable(c, language);
  for (int i = 0; i < analysis::kCharacteristicsLines; ++i) {
    out << table.labels[static_cast<std::size_t>(i)] << ' ' << table.values[static_cast<std::size_t>(i)]
        << '\n';
  }
}

std::string CharacteristicsJson(const analysis::Characteristics& c) {
  return ", \"mean\": " + JsonNumber(c.mean) + ", \"variance\": " + JsonNumber(c.variance) +
         ", \"std\": " + JsonNumber(c.standardDeviation) + ", \"skewness\": " + JsonNumber(c.skewness) +
         ", \"kurtosis\": " + JsonNumber(c.kurtosis) + ", \"median\": " + JsonNumber(c.median) +
         ", \"mode\": " + JsonNumber(c.mode);
}

std::optional<model::ModelError> WriteOutputs(const FileOutputs& outputs, const OutputSource& source,
                                              texts::Language language) {
  if (outputs.report) {
    analysis::ResultReportInput input = source.report;
    input.date = Now("%d.%m.%Y");
    input.time = Now("%H:%M:%S");
    input.version = statvex::VersionText();
    const auto lines = analysis::ResultReportLines(input, language);
    if (auto error = analysis::WriteResultReport(*outputs.report, lines)) return error;
  }
  if (outputs.workbook) {
    if (auto error = analysis::WriteListingWorkbook(*outputs.workbook, source.report.result, source.report.label,
                                                    source.multiplier, language, source.report.reliabilityLines)) {
      return error;
    }
  }
  return std::nullopt;
}

}  // namespace dorvex::cli

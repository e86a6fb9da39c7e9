#pragma once
// The main window's reader of distribution files (".dis"): checks a file and turns
// it into the histogram of an input slot.
//
// Beyond the checks of the format, three inputs are refused that would otherwise
// give unusable values: a line longer than 64 KiB (with the code of the key it
// begins with, code 2 for any other header line, code 10 under "[Bins]"); a span
// Max - Min beyond the range of a double (code 5); a sum of frequencies beyond the
// 64-bit range (code 12, the sum appended).

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/histogram.h"
#include "model/report_error.h"
#include "texts/language.h"

namespace dorvex::model {

// What a successful read gives the slot: the histogram, filled and trimmed, and
// the rounded sum of the frequencies read (for the description window).
struct DistributionRecord {
  Histogram histogram;
  std::int64_t roundedFrequencySum = 0;
};

struct DistributionReadOptions {
  // The type of the slot before the read, kept when the file has no Type line.
  HistogramType typeWhenMissing = HistogramType::PureDiscrete;
  // Fill the control listing (the check menu items "Kontrolní výpis A/B").
  bool controlListing = false;
  // Language of the listing's texts.
  texts::Language language = texts::Language::English;
};

// One row of the control listing grid: the interval cell and the frequency cell.
struct ControlListingRow {
  std::string index;
  std::string frequency;
};

struct DistributionReadResult {
  // Empty on success; else the first failure, with the main window's error code.
  std::optional<ModelError> error;
  // Complete on success only; default-constructed after a failure.
  DistributionRecord record;
  // N + 2 rows when asked for and the keys were valid: the headers "   I N T" and
  // message 122, one row per frequency as far as reading got, and the total row
  // (message 49 and the sum) once the end of the file was reached. Kept after a
  // failure, as the listing shows what was read.
  std::vector<ControlListingRow> listing;

  bool ok() const { return !error.has_value(); }
};

// Reads the file at `path`. A file that cannot be opened (or is a folder) fails
// with code 1 and the path as `append`.
DistributionReadResult ReadDistributionFile(const std::string& path,
                                            const DistributionReadOptions& options = {});
// Reads the text of a distribution file from a stream (opened in binary mode).
DistributionReadResult ReadDistribution(std::istream& in,
                                        const DistributionReadOptions& options = {});
// Reads the text of a distribution file held in memory.
DistributionReadResult ReadDistributionText(std::string_view text,
                                            const DistributionReadOptions& options = {});

}  // namespace dorvex::model

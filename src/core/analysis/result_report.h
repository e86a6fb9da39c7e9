#pragma once
// A histogram as readable tables: the text report of the result and the description
// tables of the listing windows, as plain lines and cells that a window or a file
// takes as they are. The frequency multiplier c of the description tables comes from
// FrequencyMultiplier (model/listing_rows.h).

#include <optional>
#include <string>
#include <vector>

#include "model/histogram.h"
#include "model/report_error.h"
#include "texts/language.h"

namespace dorvex::analysis {

using model::Histogram;
using model::HistogramType;
using model::ModelError;

// What the text report shows besides the result itself. Texts are as the main window
// holds them (names, multiples, date and time in the user's formats).
struct ResultReportInput {
  Histogram result;
  long double resultTotal = 0;  // 1 / the smallest non-zero probability
  std::string label;            // the result label with its "   (nAB=" part
  std::string nameA;
  std::string multipleA;
  std::string nameB;
  std::string multipleB;
  std::string date;
  std::string time;
  std::string version;
  // The result's failure probability; the characteristics block shows it when given.
  std::optional<double> failureProbability;
  // Its bounds, reliability index, target and warnings (ReliabilityReportLines),
  // shown after it; empty without a failure probability.
  std::vector<std::string> reliabilityLines;
};

// The report's lines in `language`, without line ends; a blank line is one space,
// and the characteristics block is its heading, an empty line and 14 label-tab-value
// lines, and a 15th with the failure probability when the input has one.
std::vector<std::string> ResultReportLines(const ResultReportInput& input,
                                           texts::Language language);

// The lines joined, each ended by CR LF.
std::string ResultReportText(const std::vector<std::string>& lines);

// Writes the report through a temporary file renamed over `path`. On failure the
// existing file is untouched and code 23 names the file.
std::optional<ModelError> WriteResultReport(const std::string& path,
                                            const std::vector<std::string>& lines);

// A description table: rows[0] is the heading, every row has five cells.
struct DescriptionGrid {
  std::string title;           // caption of the listing window
  long double multiplier = 0;  // frequency multiplier c of the frequency column
  std::vector<std::vector<std::string>> rows;
};

// The description table of a listing window (5 columns, with F(x)): 2N + 3 rows in the
// Discrete layout, N + 2 in the Pure Discrete layout, the last the total row, which
// holds the sum of the probabilities in column 2 and c in column 3. For an input c is
// FrequencyMultiplier(its Total, 1) (A) or (1, its Total) (B); for the result
// FrequencyMultiplier(A's Total, B's Total or 0 after a one-input operation, result total).
DescriptionGrid DescriptionTable(const Histogram& h, const std::string& title, long double c,
                                 texts::Language language);

// Title of an input's description table: two blanks and the name up to its first ".".
std::string InputDescriptionTitle(const std::string& name);

}  // namespace dorvex::analysis

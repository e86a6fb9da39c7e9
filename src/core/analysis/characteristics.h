#pragma once
// The fourteen characteristics of a histogram: their numbers, the label and value
// texts of the characteristics table, and the report shown in an information box.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "model/histogram.h"
#include "model/report_error.h"
#include "statvex/probability_array.h"
#include "texts/language.h"

namespace dorvex::analysis {

// Lines of the characteristics table.
inline constexpr int kCharacteristicsLines = 14;

// The characteristics of one histogram, as numbers and, for the median and the mode,
// as the texts the statistics library words them in.
struct Characteristics {
  double lowerBound = 0;  // outer edge Min - h/2 (Discrete) or Min (Pure Discrete)
  double upperBound = 0;  // outer edge Max + h/2 (Discrete) or Max (Pure Discrete)
  int intervals = 0;      // N
  long double total = 0;  // sum of frequencies, as the caller gave it
  double mean = 0;
  double variance = 0;
  double standardDeviation = 0;  // root of the variance
  double meanAbsoluteDeviation = 0;
  double coefficientOfVariation = 0;  // per cent
  double skewness = 0;                // NaN without spread
  double concentration = 0;           // kurtosis + 3
  double kurtosis = 0;                // excess kurtosis; NaN without spread
  std::string medianText;             // DisplayNumber text
  std::string modeText;               // DisplayNumber text
  double median = 0;                  // medianText read back (6 significant digits)
  double mode = 0;                    // modeText read back (6 significant digits)
};

// The characteristics of P[1..N] over the values Min ... Max (mid-points) of a
// histogram of the given type, with `total` as its sum of frequencies. Does not check
// N; for N < 2 the class width is taken as 0 so that the bounds are Min and Max.
Characteristics ComputeCharacteristics(const ProbabilityArray& P, int N, double Min, double Max,
                                       long double total, model::HistogramType type);
// The same for a histogram, with its own Total.
Characteristics ComputeCharacteristics(const model::Histogram& h);
// The same for an operation result, whose sum of frequencies is the result total.
Characteristics ComputeCharacteristics(const engine::OperationResult& result);

// The interval-count value text: N after 8 blanks (N > 999), 9 (N > 99), 10 (N > 9)
// or 11.
std::string IntervalCountText(int N);

// Labels and value texts of the fourteen lines (Min, Max, number of intervals, sum of
// frequencies, mean, variance, standard deviation, mean deviation, coefficient of
// variation, skewness, concentration, excess kurtosis, median, mode).
struct CharacteristicsTable {
  std::array<std::string, kCharacteristicsLines> labels;
  std::array<std::string, kCharacteristicsLines> values;
};

// The labels of `language`, each padded with blanks to 33 characters.
std::array<std::string, kCharacteristicsLines> CharacteristicsLabels(texts::Language language);
// The label of a result's failure probability P(X < 0), padded as the labels above.
std::string FailureProbabilityLabel(texts::Language language);

// The rows that follow the failure probability: its bounds (or why there are none),
// the reliability index and the target index.
enum class ReliabilityRow { PfLower, PfUpper, PfBounds, Beta, TargetBeta, BetaLonger, BetaShorter };
// Their labels, padded as the labels above.
std::string ReliabilityLabel(ReliabilityRow row, texts::Language language);
// The table of `c` in `language`: values through NumberText, the interval count as
// IntervalCountText, the median and mode texts as computed.
CharacteristicsTable MakeCharacteristicsTable(const Characteristics& c, texts::Language language);

// The characteristics report, or message 215 as the error when N < 3.
struct CharacteristicsReport {
  std::string text;  // CR LF line ends; empty on error
  std::optional<model::ModelError> error;
};

// The report of the characteristics of P[1..N] under `title` in `language`.
CharacteristicsReport CharacteristicsText(const std::string& title, const ProbabilityArray& P,
                                          int N, double Min, double Max, long double total,
                                          model::HistogramType type, texts::Language language);
// The same for a histogram with its own Total, in the current language.
CharacteristicsReport CharacteristicsText(const std::string& title, const model::Histogram& h,
                                         texts::Language language);

// A report's text for a box in a fixed-pitch font: every line with a tab becomes its
// label (the part before its last tabs, inner tabs at stops of 8) and its value
// right-aligned in one column after the widest label; the other lines stay.
// Widths count characters, not bytes.
std::string FixedPitchText(std::string_view text);

}  // namespace dorvex::analysis

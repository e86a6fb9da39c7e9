#pragma once
// The reader of a distribution file into one row of the summary or the
// combination table. It checks the file like the main window's reader, with its
// own messages (all shown directly) and without trimming or control listing.

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "model/histogram.h"
#include "model/report_error.h"
#include "statvex/probability_array.h"

namespace dorvex::model {

// The row's parameters and probabilities, as the file gives them (not trimmed).
struct TableRowRecord {
  ProbabilityArray P{};  // frequency / Total, P[1..Bins]
  std::int32_t Bins = 0;
  double Min = 0.0;    // value of the first interval (mid-point for Discrete)
  double Max = 0.0;    // value of the last interval
  double Range = 0.0;  // file Max - file Min
  double d = 0.0;
  long double Total = 0.0L;
  HistogramType Type = HistogramType::PureDiscrete;
};

// The row's cells that the reader writes.
struct TableRowCells {
  std::string min;   // column 3: DisplayNumber(Min)
  std::string max;   // column 4: DisplayNumber(Max)
  std::string bins;  // column 5: the text after "Bins=" as read, blanks removed
};

struct TableRowReadResult {
  // Empty on success. Otherwise a message shown directly: code 0 with `message`
  // (9 for a file that cannot be opened, 11..19, 35..38, 152), or code 16 for
  // the fixed text "Min=0 a Max=0".
  std::optional<ModelError> error;
  // Set on every failure: the row's cells from column 2 on are to be emptied, so a
  // failed read leaves the row empty.
  bool clearRowFromColumn2 = false;
  TableRowRecord record;  // valid on success only
  TableRowCells cells;    // valid on success only

  bool ok() const { return !error.has_value(); }
};

// Reads the file at `path`; `typeWhenMissing` is the type of a file without a
// Type line.
TableRowReadResult ReadTableRowFile(const std::string& path,
                                    HistogramType typeWhenMissing = HistogramType::PureDiscrete);
// Reads the text of a distribution file from a stream (opened in binary mode).
TableRowReadResult ReadTableRow(std::istream& in,
                                HistogramType typeWhenMissing = HistogramType::PureDiscrete);
// Reads the text of a distribution file held in memory.
TableRowReadResult ReadTableRowText(std::string_view text,
                                    HistogramType typeWhenMissing = HistogramType::PureDiscrete);

}  // namespace dorvex::model

#pragma once
// The table of histograms behind the summary and the combination windows, and its
// binary file (".sum", ".kom"): the value-tag encoding of a component stream.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/report_error.h"
#include "statvex/probability_array.h"
#include "texts/language.h"

namespace dorvex::tables {

enum class TableKind { Summary, Combination };

// Grid size of a table: `rows` includes the heading row 0; data rows are 1..dataRows.
struct TableShape {
  int columns = 0;
  int rows = 0;
  int dataRows = 0;
};

// 9 columns, 17 rows, 16 data rows (summary); 8, 11, 10 (combination).
TableShape ShapeOf(TableKind kind);

// The seven parameters a data row keeps, in file order.
enum RowParameter : int {
  kBinsParameter = 0,   // the interval count, as a real
  kMinParameter = 1,    // value of the first interval
  kMaxParameter = 2,    // value of the last interval
  kRangeParameter = 3,  // file Max - file Min as read
  kWidthParameter = 4,  // class width d
  kTotalParameter = 5,  // sum of the file's frequencies
  kSpareParameter = 6,  // nothing sets or reads it; kept, shifted, saved and loaded
};
inline constexpr int kRowParameterCount = 7;
using RowParameters = std::array<double, kRowParameterCount>;

// A table as the windows keep it. Row and column indices are those of the grid:
// cells[row][column] with row 0 the heading and column 0 the row label; data row r
// (1..dataRows) has parameters[r - 1] and probabilities[r - 1] (P[1..1024]).
struct HistogramTable {
  TableKind kind = TableKind::Summary;
  std::vector<std::vector<std::string>> cells;
  std::vector<RowParameters> parameters;
  std::vector<ProbabilityArray> probabilities;
  // The filled-row count the file carries as its last element; the windows count
  // filled rows themselves (FilledRowCount) and write that count.
  std::int32_t storedCount = 0;
};

// A table of `kind` at its full size: every text empty, every number 0.
HistogramTable BlankTable(TableKind kind);

// ---- encoding ----

// The bytes of the table file: column and row count, every cell text row by row
// (heading included), the parameters and the probabilities of every data row, and
// `filledCount`. Integers take the smallest of the tags 0x02/0x03/0x04, reals the
// tag 0x05 and ten bytes of an 80-bit extended real, texts a length byte and at
// most 255 bytes of UTF-8 (a longer text is cut before the character that would
// cross 255).
std::string EncodeTable(const HistogramTable& table, std::int32_t filledCount);

// The integer element of `value` in its smallest form.
std::string EncodeInteger(std::int32_t value);
// The real element of `value` (tag and ten bytes, widened exactly).
std::string EncodeReal(double value);
// The text element of `text` (cut to at most 255 bytes at a character boundary).
std::string EncodeText(std::string_view text);

// Why a read stopped before the end.
enum class TableReadFault {
  None,
  Truncated,     // the bytes ended inside or before an element
  WrongTag,      // an element's tag is not of the kind expected there
  WrongShape,    // the column or row count is not that of the table's kind
};

struct TableReadOutcome {
  TableReadFault fault = TableReadFault::None;
  std::size_t offset = 0;  // where the failing element starts
  bool complete() const { return fault == TableReadFault::None; }
};

// Reads table bytes into `table` (of its own kind), element by element: the
// heading texts are read and dropped, every other text replaces its cell (column 6
// through TranslateExampleFolder), then the parameters, the probabilities and the
// count. An integer may come in any of its three forms; reals are rounded to 64
// bits. A fault stops the read: what was read stays in `table`, the rest is left
// as it was.
TableReadOutcome DecodeTable(std::string_view bytes, HistogramTable& table);

// ---- files ----

struct TableFileReadOutcome {
  TableReadOutcome read;
  // Set when the file cannot be opened (message 9) or ends early or holds a wrong
  // element (a text of its own naming the file).
  std::optional<model::ModelError> error;
};

// Reads the file at `path` into `table` as DecodeTable does.
TableFileReadOutcome ReadTableFile(const std::string& path, HistogramTable& table,
                                   texts::Language language);

// Writes the table to `path` through a temporary file renamed over it; on failure
// the old file is untouched and message 22 names the file.
std::optional<model::ModelError> WriteTableFile(const std::string& path, const HistogramTable& table,
                                                std::int32_t filledCount);

// The folder text of a table read from a file: one of the seven Czech example
// folders ("Histogramy\Zatížení", ...) as a whole text becomes its English name
// ("Histograms\Loads"); a "/" separator is mapped the same way and kept. Any other
// text is returned unchanged.
std::string TranslateExampleFolder(std::string_view text);

}  // namespace dorvex::tables

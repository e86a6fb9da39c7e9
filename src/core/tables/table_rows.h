#pragma once
// The rows of the summary and the combination tables: their columns, which cells
// may be edited, the key filter, opening a row's histogram, deleting a row, the
// questions and checks both computations share, and handing a result to a slot.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/histogram.h"
#include "model/report_error.h"
#include "tables/histogram_table_file.h"
#include "texts/language.h"

namespace dorvex::tables {

// Grid columns. The combination table has no weight column.
enum TableColumn : int {
  kLabelColumn = 0,     // row label
  kMultipleColumn = 1,  // multiple of the row
  kFileColumn = 2,      // file name of the row's histogram; a row is filled when it is not empty
  kMinColumn = 3,
  kMaxColumn = 4,
  kBinsColumn = 5,      // the text after "Bins=" in the file
  kFolderColumn = 6,    // the file's folder from "Histograms" on
  kNoteColumn = 7,
  kWeightColumn = 8,    // summary only
};

// Column widths of the grid in pixels.
std::vector<int> ColumnWidths(TableKind kind);

// Label of data row `row`: the number after two blanks (1..9) or one (10..16).
std::string RowLabel(int row);

// A table of `kind` after a reset: headings in `language`, row labels, columns 1..
// of every data row empty. The parameters and probabilities of `table` are kept
// (ResetTable) — only filled rows ever take part in anything.
HistogramTable NewTable(TableKind kind, texts::Language language);
void ResetTable(HistogramTable& table, texts::Language language);
// Writes the headings of `language` into row 0 and the row labels into column 0.
void SetHeadings(HistogramTable& table, texts::Language language);

// n: the number of data rows whose file column is not empty.
int FilledRowCount(const HistogramTable& table);
// M: the largest rounded interval count among the parameters of rows 1..n.
int MaxIntervalCount(const HistogramTable& table);

// Whether the cell may be edited: the multiple, note and (summary) weight of a
// filled row (1..n).
bool CellEditable(const HistogramTable& table, int row, int column);
// Whether selecting the cell shows the open button: column 2 of rows 1..n + 1.
bool ShowsOpenButton(const HistogramTable& table, int row, int column);
// Whether selecting the cell shows the graph button: column 6 of rows 1..n.
bool ShowsGraphButton(const HistogramTable& table, int row, int column);

// Keys of the filter: backspace and Enter as the windows receive them.
inline constexpr char32_t kBackspaceKey = U'\b';
inline constexpr char32_t kEnterKey = U'\r';

// What a typed key becomes: the key to insert (empty: swallowed) and whether the
// swallowing beeps.
struct KeyOutcome {
  std::optional<char32_t> key;
  bool beep = false;
};

// The key filter of a cell in `column`. Summary: the multiple takes backspace,
// Enter, "+", "-", ",", ".", digits and "E"/"e", the weight the same without "-",
// anything else beeps; then in every column "e" becomes "E", "," becomes "." and
// Enter is swallowed. Combination: the same on the multiple column only; other
// columns take every key unchanged.
KeyOutcome FilterKey(TableKind kind, int column, char32_t key);

// "|  " + label + "  |  " followed by each data column's text and "  |  ".
std::string RowText(const HistogramTable& table, int row);
// The confirmation text of deleting `row`: message 63 (summary) or 73, an empty
// line and the row text.
std::string DeleteRowQuestion(const HistogramTable& table, int row, texts::Language language);
// Removes data row `row` (1..dataRows): the rows below move up with their texts,
// parameters and probabilities; the last row is emptied and zeroed.
void DeleteRow(HistogramTable& table, int row);

// The folder column's text for a histogram in `directory`: from "Histograms" on
// (the separator before it dropped), or the whole directory when it holds no
// "Histograms" folder.
std::string FolderColumnText(std::string_view directory);

// Opens the distribution file at `path` into data row `row` with the table-row
// reader: first the row's cells from column 1 on are emptied; on success the file
// name, Min, Max, the Bins text and the folder are written, and the parameters and
// probabilities set. A refused file (the reader's message is returned) leaves the
// row empty.
std::optional<model::ModelError> OpenRowHistogram(
    HistogramTable& table, int row, const std::string& path,
    model::HistogramType typeWhenMissing = model::HistogramType::PureDiscrete);

// The histogram of a filled row as the graph window shows it: N = rounded Bins,
// P, Min, Max, d, Range and Total from the row, unscaled; Type Discrete.
model::Histogram RowHistogram(const HistogramTable& table, int row);
// Whether the stored parameters and probabilities of data row `row` can be a
// histogram: Bins rounds to 2..1024, Min <= Max finite, d > 0 finite, Total
// positive and below 9E18, P[1..Bins] finite, not negative and not all 0. Rows a
// table file brings need not be.
bool RowHoldsHistogram(const HistogramTable& table, int row);
// "Histogram : " + the row's file name up to its first ".".
std::string RowGraphTitle(const HistogramTable& table, int row);

// Which of delete, save and compute are enabled.
struct TableButtons {
  bool deleteRow = false;
  bool save = false;
  bool compute = false;
};
// After a histogram is opened into a row or a row deleted: all three with n >= 1.
TableButtons ButtonsAfterRowChange(const HistogramTable& table);
// After a table file is loaded (completely or not): delete and save with n >= 1,
// compute with n >= 2.
TableButtons ButtonsAfterLoad(const HistogramTable& table);

// ---- the computations' shared checks ----

// A number as the tables accept it: optional blanks, optional sign, digits with an
// optional "." and fraction, an optional "E" with optional sign and digits, and
// nothing after it.
bool IsTableNumber(std::string_view text);

// Questions a computation asks before it goes on.
inline constexpr int kMissingMultiplesQuestion = 69;  // "M u l t i p l e (s) is (are) missing! ..."
inline constexpr int kMissingWeightsQuestion = 65;    // "W e i g h t (s)  is(are) missing! ..."

// What a computation gives: a result, an error to show, a question to ask, or
// nothing at all (a stop without a message).
struct TableOutcome {
  std::optional<model::Histogram> result;  // P, N, Min, Max, d, Range, Total; Type Discrete
  std::optional<model::ModelError> error;  // shown with title message 3
  int question = 0;                        // a question number above, asked Yes/No

  bool ok() const { return result.has_value(); }
};

// Applies the answer to `question`: Yes fills every empty multiple (69) or weight
// (65) of rows 1..n with "1.0". True when the computation goes on at once (Yes to
// 65: run it again); after 69 the user starts it again.
bool AnswerQuestion(HistogramTable& table, int question, bool yes);

// ---- hand-over ----

// Names the slot takes from the windows ("Sumarizace", "Kombinace"; both languages).
inline constexpr std::string_view kSummarySlotName = "Sumarizace";
inline constexpr std::string_view kCombinationSlotName = "Kombinace";

// After a hand-over: the slot's scaled histogram (P, Min, Max, Range, d, Total, N)
// becomes its base and the type Discrete, so the multiple in force is part of the
// base and a later multiple applies to the histogram as scaled.
void MakeScaledBase(model::HistogramSlot& slot);

}  // namespace dorvex::tables

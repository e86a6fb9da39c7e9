#pragma once
// The cell texts of the listing grids: the main window's result listing and the
// probability grid of the generator windows; which rows the result listing and
// the description tables shade after a query; and the coloured line listing of a
// distribution file.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/histogram.h"
#include "texts/language.h"

namespace dorvex::analysis {

using model::Histogram;
using model::HistogramType;

// Frequency multiplier of a listing, from the two totals its caller passes: the
// result total when both differ from 1, else t1 * t2, or t1 alone when t2 is 0.
long double FrequencyMultiplier(long double t1, long double t2, long double resultTotal);

// Frequency cell of the result listing: two blanks + DisplayNumber from 1 000 000 on,
// else four blanks + the rounded integer.
std::string ListingFrequencyText(long double frequency);

using ListingRow = std::array<std::string, 4>;

// The result listing in `language`, row 0 the headers. Discrete: bound rows (value
// in column 1) around every interval row, 2N + 3 rows; Pure Discrete: one row per
// point, N + 2 rows; the last row is the total (sum of P rounded, c).
std::vector<ListingRow> ResultListingRows(const Histogram& h, long double c, texts::Language language);

// What a query did to the rows of the result listing.
enum class ListingQuery { None, Value, Quantile };
// Paint of one listing row: left to the grid, plain, below a queried value, below a
// queried quantile, or the total row.
enum class ListingShade { Grid, Plain, BelowValue, BelowQuantile, Total };

// Shade of every row of ResultListingRows(h, ...). Interval rows are plain unless
// a query with its field filled (`query`, the value x or Qp) lies above the row's
// lower end: Discrete the interval's lower bound, Pure Discrete x - d. The total
// row is shaded when the grid has more than three rows.
std::vector<ListingShade> ResultListingShades(const Histogram& h, ListingQuery query, double queried);

// What decides the shading of a description table (DescriptionTable) in a listing window.
struct DescriptionShading {
  bool coloured = true;     // the coloured descriptions are on; off paints nothing
  bool listsResult = true;  // the listed histogram is the result, not an input
  // The number in the value field when the last question was a quantile; empty
  // otherwise and when the field is empty.
  std::optional<double> quantileQuery;
  double resultClassWidth = 0;  // dAB
};

inline constexpr int kDescriptionColumns = 5;

// Paint of one row of a description table: the colour (0x00BBGGRR) of its columns
// first ... last, or no colour.
struct RowPaint {
  std::optional<unsigned> colour;
  int firstColumn = 0;
  int lastColumn = kDescriptionColumns - 1;

  bool operator==(const RowPaint&) const = default;
};

// Paint of every row of the description table of h. The interval rows (Discrete
// rows 2, 4, ..., 2N; Pure Discrete rows 1 ... N) take 0xFFE1E1 for the result,
// 0xC1FFFF for an input; after a quantile query a row whose value (Discrete the
// bound in the row above, Pure Discrete the point) less dAB lies below the queried
// number takes 0xB0D8FF instead. Columns 1 ... 3 of the total row take 0xB3CBFF.
std::vector<RowPaint> DescriptionPaint(const Histogram& h, const DescriptionShading& shading);

using ProbabilityGridRow = std::array<std::string, 3>;

// The three-column probability grid of a generator window in `language`, row 0 the
// headers, for `probabilities` on the values min + i * d: Discrete with bound rows
// (2 count + 3 rows), else one row per value (count + 2); the last row is the total,
// summed in 80-bit precision.
std::vector<ProbabilityGridRow> ProbabilityGridRows(std::span<const double> probabilities, double d, double min,
                                                    bool discrete, texts::Language language);

// One line of a file listing and its colour (0x00BBGGRR).
struct FileListingLine {
  std::string text;
  unsigned colour = 0;

  bool operator==(const FileListingLine&) const = default;
};

// The listing of a distribution file's text: up to and including the line holding
// "[Bins]" every line, numbered from 1, in green (0x8000); after it only the
// non-empty lines, numbered from 0, in red (0xFF); then a black rule of 115 "-".
// A line is "[" + its number right-aligned in 4 places + "]" + four blanks + the line;
// lines end at LF, a CR before it dropped.
std::vector<FileListingLine> FileListingLines(std::string_view text);
// The listing of the file at `path`; a file that cannot be read lists only the rule.
std::vector<FileListingLine> ReadFileListing(const std::string& path);
// Caption of a file listing in `language`: message 173, " :   ", the slot's name, ".dis".
std::string FileListingTitle(const std::string& slotName, texts::Language language);

}  // namespace dorvex::analysis

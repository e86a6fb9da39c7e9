#pragma once
// The cell texts of the listing grids: the main window's result listing and the
// probability grid of the generator windows, and which rows the result listing
// shades after a query.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "model/histogram.h"
#include "texts/language.h"

namespace dorvex::model {

// Frequency multiplier of a listing, from the two totals its caller passes: the
// result total when both differ from 1, else t1 * t2, or t1 alone when t2 is 0.
long double FrequencyMultiplier(long double t1, long double t2, long double resultTotal);

// Frequency cell of the result listing: two blanks + DisplayNumber from 1 000 000 on,
// else four blanks + the rounded integer.
std::string ListingFrequencyText(long double frequency);

using ListingRow = std::array<std::string, 4>;

// The result listing in `language`, row 0 the headers. Discrete: bound
// rows (value in column 1) around every interval row, 2N + 3 rows; Pure Discrete:
// one row per point, N + 2 rows; the last row is the total (sum of P rounded, c).
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

using ProbabilityGridRow = std::array<std::string, 3>;

// The three-column probability grid of a generator window, row 0 the headers, for
// `probabilities` on the values min + i * d: Discrete with bound rows (2 count + 3
// rows), else one row per value (count + 2); the last row is the total, summed in
// 80-bit precision.
std::vector<ProbabilityGridRow> ProbabilityGridRows(std::span<const double> probabilities, double d, double min,
                                                    bool discrete);

}  // namespace dorvex::model

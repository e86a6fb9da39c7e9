#pragma once
// The spreadsheet listings of the two listing windows as cell layouts: the
// characteristics, the column headings and one row (points) or two rows (intervals
// and their bounds) per interval, then the total.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/histogram.h"
#include "analysis/result_report.h"
#include "texts/language.h"

namespace dorvex::analysis {

// One cell of a worksheet; row and column count from 1.
struct SheetCell {
  int row = 0;
  int column = 0;
  std::string text;
  // The number the text shows, for a cell that holds a number; text cells have none.
  std::optional<double> number;
};

// The cells of one worksheet. Cells with an empty text are left out.
struct SheetLayout {
  std::string sheetName;
  std::vector<SheetCell> cells;
};

// Name of the listing worksheet.
inline constexpr const char* kListingSheetName = "Histogram";

// The fifteen column headings of the export in `language`; the last ten are empty.
std::array<std::string, 15> ExportHeadings(texts::Language language);

// The point listing (Pure Discrete window) of `h` as the window shows it in `shown`
// (its multiplier c and its total row): characteristics in rows 3..14 with c as the
// sum of frequencies, headings in row 16, point k in row 16 + k, the total in N + 17.
SheetLayout PointListingCells(const model::Histogram& h, const analysis::DescriptionGrid& shown,
                              texts::Language language);

// The interval listing (Discrete window): "Histogram : " + the window title in (1, 1),
// characteristics and headings as the point listing, the lower bound in row 17,
// interval k in row 16 + 2k and its upper bound in row 17 + 2k, the total in 2N + 18.
SheetLayout IntervalListingCells(const model::Histogram& h, const analysis::DescriptionGrid& shown,
                                 texts::Language language);

// The listing of the window that shows `h`: the interval listing for a Discrete
// histogram, the point listing otherwise.
SheetLayout ListingCells(const model::Histogram& h, const analysis::DescriptionGrid& shown,
                         texts::Language language);

// `layout` with `notes` below its last row after an empty one, a note per row; a
// "label<TAB>value" note puts its value in the second column.
SheetLayout WithNotes(SheetLayout layout, const std::vector<std::string>& notes);

// The cell at (row, column), or nullptr when the layout has none there.
const SheetCell* FindCell(const SheetLayout& layout, int row, int column);

}  // namespace dorvex::analysis

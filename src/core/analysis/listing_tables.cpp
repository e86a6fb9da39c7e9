#include "analysis/listing_tables.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "analysis/characteristics.h"
#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "texts/messages.h"
#include "texts/report_labels.h"

namespace dorvex::analysis {

namespace {

using statvex::NumberText;
using statvex::CellNumberText;
using texts::Language;

constexpr int kMessageTotalShort = 49;
constexpr int kMessageTotalSpaced = 174;
constexpr int kFirstCharacteristicsRow = 3;
constexpr int kExportedCharacteristics = 12;  // Min ... excess kurtosis
constexpr int kHeadingRow = 16;

// Collects the cells of one sheet; empty texts leave their cell empty.
class SheetBuilder {
 public:
  explicit SheetBuilder(SheetLayout& layout) : layout_(layout) {}

  void Text(int row, int column, const std::string& text) {
    if (text.empty()) return;
    layout_.cells.push_back(SheetCell{row, column, text, std::nullopt});
  }

  // A cell that holds a number when its text reads as one ("undefined" stays a text),
  // as a spreadsheet takes a number text typed into a cell.
  void Value(int row, int column, const std::string& text) {
    if (text.empty()) return;
    SheetCell cell{row, column, text, std::nullopt};
    double number = 0;
    if (statvex::ParseStrict(text, number)) cell.number = number;
    layout_.cells.push_back(std::move(cell));
  }

 private:
  SheetLayout& layout_;
};

int Count(const model::Histogram& h) { return std::clamp(h.N, 0, kMaxBins); }

double At(const model::Histogram& h, int k) { return h.P[static_cast<std::size_t>(k)]; }

// The sum of probabilities as the window's total row shows it.
std::string ShownSum(const analysis::DescriptionGrid& shown) {
  if (shown.rows.empty() || shown.rows.back().size() < 3) return {};
  return shown.rows.back()[2];
}

// Rows 3..14 and the headings of row 16, common to both listings.
void AddCharacteristicsAndHeadings(SheetBuilder& sheet, const model::Histogram& h, long double c,
                                   Language language) {
  // The window's multiplier stands for the sum of frequencies.
  const CharacteristicsTable table =
      MakeCharacteristicsTable(ComputeCharacteristics(h.P, h.N, h.Min, h.Max, c, h.Type), language);
  for (int k = 0; k < kExportedCharacteristics; ++k) {
    const int row = kFirstCharacteristicsRow + k;
    sheet.Text(row, 1, table.labels[static_cast<std::size_t>(k)]);
    sheet.Value(row, 2, table.values[static_cast<std::size_t>(k)]);
  }
  const auto headings = ExportHeadings(language);
  for (std::size_t column = 0; column < headings.size(); ++column) {
    sheet.Text(kHeadingRow, static_cast<int>(column) + 1, headings[column]);
  }
}

}  // namespace

std::array<std::string, 15> ExportHeadings(Language language) {
  std::array<std::string, 15> headings;
  const auto columns = texts::FrequencyColumnLabels(language);
  std::copy(columns.begin(), columns.end(), headings.begin());
  return headings;
}

SheetLayout PointListingCells(const model::Histogram& h, const analysis::DescriptionGrid& shown,
                              Language language) {
  SheetLayout layout;
  layout.sheetName = kListingSheetName;
  SheetBuilder sheet(layout);
  const long double c = shown.multiplier;
  AddCharacteristicsAndHeadings(sheet, h, c, language);
  const int n = Count(h);
  // The value is stepped along, not recomputed, as the listing always did.
  double x = h.Min - h.d;
  long double F = 0;
  for (int k = 1; k <= n; ++k) {
    const int row = kHeadingRow + k;
    x += h.d;
    F += At(h, k);
    sheet.Value(row, 1, std::to_string(k));
    sheet.Value(row, 2, NumberText(x));
    sheet.Value(row, 3, CellNumberText(At(h, k)));
    sheet.Value(row, 4, CellNumberText(c * At(h, k)));
    sheet.Value(row, 5, CellNumberText(F));
  }
  const int totalRow = n + 17;
  sheet.Text(totalRow, 2, texts::MessageText(kMessageTotalShort, language));
  sheet.Value(totalRow, 3, ShownSum(shown));
  sheet.Value(totalRow, 4, CellNumberText(c));
  return layout;
}

SheetLayout IntervalListingCells(const model::Histogram& h, const analysis::DescriptionGrid& shown,
                                 Language language) {
  SheetLayout layout;
  layout.sheetName = kListingSheetName;
  SheetBuilder sheet(layout);
  const long double c = shown.multiplier;
  sheet.Text(1, 1, "Histogram : " + shown.title);
  AddCharacteristicsAndHeadings(sheet, h, c, language);
  sheet.Value(kHeadingRow + 1, 2, CellNumberText(h.Min - h.d / 2));
  sheet.Value(kHeadingRow + 1, 5, CellNumberText(0));
  const int n = Count(h);
  long double F = 0;
  for (int k = 1; k <= n; ++k) {
    const int valueRow = kHeadingRow + 2 * k;
    const long double p = At(h, k);
    sheet.Value(valueRow, 1, std::to_string(k));
    sheet.Value(valueRow, 2, NumberText(h.Min + (k - 1) * h.d));
    sheet.Value(valueRow, 3, CellNumberText(p));
    sheet.Value(valueRow, 4, CellNumberText(c * p));
    sheet.Value(valueRow, 5, CellNumberText(F + p / 2));
    F += p;
    sheet.Value(valueRow + 1, 2, CellNumberText(h.Min + (k - 0.5) * h.d));
    sheet.Value(valueRow + 1, 5, CellNumberText(F));
  }
  const int totalRow = 2 * n + 18;
  sheet.Text(totalRow, 2, texts::MessageText(kMessageTotalSpaced, language));
  sheet.Value(totalRow, 3, ShownSum(shown));
  sheet.Value(totalRow, 4, CellNumberText(c));
  return layout;
}

SheetLayout ListingCells(const model::Histogram& h, const analysis::DescriptionGrid& shown,
                         Language language) {
  return h.Type == model::HistogramType::Discrete ? IntervalListingCells(h, shown, language)
                                                  : PointListingCells(h, shown, language);
}

const SheetCell* FindCell(const SheetLayout& layout, int row, int column) {
  const auto it = std::find_if(
      layout.cells.begin(), layout.cells.end(),
      [row, column](const SheetCell& cell) { return cell.row == row && cell.column == column; });
  return it == layout.cells.end() ? nullptr : &*it;
}

SheetLayout WithNotes(SheetLayout layout, const std::vector<std::string>& notes) {
  int last = 0;
  for (const SheetCell& cell : layout.cells) last = std::max(last, cell.row);
  int row = last + 1;
  for (const std::string& note : notes) {
    ++row;
    const std::size_t tab = note.find('\t');
    layout.cells.push_back({row, 1, note.substr(0, tab), std::nullopt});
    if (tab != std::string::npos) layout.cells.push_back({row, 2, note.substr(tab + 1), std::nullopt});
  }
  return layout;
}

}  // namespace dorvex::analysis

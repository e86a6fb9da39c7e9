#include "tables/table_rows.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

#include "model/table_row_reader.h"
#include "numeric/round.h"
#include "texts/messages.h"
#include "texts/table_texts.h"

namespace dorvex::tables {

namespace {

constexpr int kSummaryDeleteQuestion = 63;
constexpr int kCombinationDeleteQuestion = 73;
// Totals and interval counts beyond this are no histogram's and cannot be rounded.
constexpr double kLargestTotal = 9.0e18;

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

int LastDataColumn(TableKind kind) { return ShapeOf(kind).columns - 1; }

// Whether `row` is a data row of the table.
bool IsDataRow(const HistogramTable& table, int row) {
  return row >= 1 && row <= ShapeOf(table.kind).dataRows && Index(row) < table.cells.size();
}

std::string& Cell(HistogramTable& table, int row, int column) {
  return table.cells[Index(row)][Index(column)];
}

void EmptyDataCells(HistogramTable& table, int row) {
  for (int column = kMultipleColumn; column <= LastDataColumn(table.kind); ++column) Cell(table, row, column).clear();
}

bool IsDigit(char32_t key) { return key >= U'0' && key <= U'9'; }

// The interval count Bins as an integer, clamped into the int range.
int RoundedBins(double bins) {
  constexpr double kLargest = std::numeric_limits<int>::max();
  return static_cast<int>(RoundHalfEven(std::clamp(bins, -kLargest, kLargest)));
}

}  // namespace

std::vector<int> ColumnWidths(TableKind kind) {
  if (kind == TableKind::Summary) return {27, 61, 121, 66, 62, 52, 171, 99, 79};
  return {27, 64, 124, 64, 62, 57, 192, 119};
}

std::string RowLabel(int row) { return (row < 10 ? "  " : " ") + std::to_string(row); }

void SetHeadings(HistogramTable& table, texts::Language language) {
  const std::vector<std::string> headings = table.kind == TableKind::Summary
                                                ? texts::SummaryColumnHeadings(language)
                                                : texts::CombinationColumnHeadings(language);
  if (table.cells.empty()) return;
  for (std::size_t c = 0; c < headings.size() && c < table.cells[0].size(); ++c) table.cells[0][c] = headings[c];
  for (int row = 1; IsDataRow(table, row); ++row) Cell(table, row, kLabelColumn) = RowLabel(row);
}

HistogramTable NewTable(TableKind kind, texts::Language language) {
  HistogramTable table = BlankTable(kind);
  SetHeadings(table, language);
  return table;
}

void ResetTable(HistogramTable& table, texts::Language language) {
  SetHeadings(table, language);
  for (int row = 1; IsDataRow(table, row); ++row) EmptyDataCells(table, row);
}

int FilledRowCount(const HistogramTable& table) {
  int n = 0;
  for (int row = 1; IsDataRow(table, row); ++row) {
    if (!table.cells[Index(row)][kFileColumn].empty()) ++n;
  }
  return n;
}

int MaxIntervalCount(const HistogramTable& table) {
  const int n = FilledRowCount(table);
  int m = 0;
  for (int row = 1; row <= n && Index(row - 1) < table.parameters.size(); ++row) {
    const double bins = table.parameters[Index(row - 1)][kBinsParameter];
    if (m < bins) m = RoundedBins(bins);
  }
  return m;
}

bool CellEditable(const HistogramTable& table, int row, int column) {
  const bool dataColumn = column == kMultipleColumn || column == kNoteColumn ||
                          (table.kind == TableKind::Summary && column == kWeightColumn);
  return dataColumn && row > 0 && row <= FilledRowCount(table);
}

bool ShowsOpenButton(const HistogramTable& table, int row, int column) {
  return column == kFileColumn && IsDataRow(table, row) && row <= FilledRowCount(table) + 1;
}

bool ShowsGraphButton(const HistogramTable& table, int row, int column) {
  return column == kFolderColumn && row > 0 && row <= FilledRowCount(table);
}

KeyOutcome FilterKey(TableKind kind, int column, char32_t key) {
  const bool numberColumn = column == kMultipleColumn || (kind == TableKind::Summary && column == kWeightColumn);
  if (kind == TableKind::Combination && !numberColumn) return {key, false};
  if (numberColumn) {
    const bool sign = key == U'+' || (key == U'-' && column == kMultipleColumn);
    const bool passes = key == kBackspaceKey || key == kEnterKey || sign || key == U',' || key == U'.' ||
                        IsDigit(key) || key == U'E' || key == U'e';
    if (!passes) return {std::nullopt, true};
  }
  if (key == kEnterKey) return {std::nullopt, false};
  if (key == U'e') return {U'E', false};
  if (key == U',') return {U'.', false};
  return {key, false};
}

std::string RowText(const HistogramTable& table, int row) {
  if (!IsDataRow(table, row)) return {};
  const auto& cells = table.cells[Index(row)];
  std::string text = "|  " + cells[kLabelColumn] + "  |  ";
  for (int column = kMultipleColumn; column <= LastDataColumn(table.kind); ++column) {
    text += cells[Index(column)] + "  |  ";
  }
  return text;
}

std::string DeleteRowQuestion(const HistogramTable& table, int row, texts::Language language) {
  const int message = table.kind == TableKind::Summary ? kSummaryDeleteQuestion : kCombinationDeleteQuestion;
  return texts::MessageText(message, language) + "\r\n\r\n" + RowText(table, row);
}

void DeleteRow(HistogramTable& table, int row) {
  const int last = ShapeOf(table.kind).dataRows;
  if (!IsDataRow(table, row)) return;
  for (int i = row; i < last; ++i) {
    for (int column = kMultipleColumn; column <= LastDataColumn(table.kind); ++column) {
      Cell(table, i, column) = std::move(Cell(table, i + 1, column));
    }
    table.parameters[Index(i - 1)] = table.parameters[Index(i)];
    table.probabilities[Index(i - 1)] = table.probabilities[Index(i)];
  }
  EmptyDataCells(table, last);
  table.parameters[Index(last - 1)] = RowParameters{};
  table.probabilities[Index(last - 1)] = ProbabilityArray{};
}

std::string FolderColumnText(std::string_view directory) {
  for (const std::string_view marker : {"/Histograms", "\\Histograms"}) {
    const std::size_t at = directory.find(marker);
    if (at != std::string_view::npos) return std::string(directory.substr(at + 1));
  }
  return std::string(directory);
}

std::optional<model::ModelError> OpenRowHistogram(HistogramTable& table, int row, const std::string& path,
                                                  model::HistogramType typeWhenMissing) {
  if (!IsDataRow(table, row)) return std::nullopt;
  EmptyDataCells(table, row);
  const model::TableRowReadResult read = model::ReadTableRowFile(path, typeWhenMissing);
  if (!read.ok()) return read.error;

  std::error_code ignored;
  const std::filesystem::path file(path);
  std::filesystem::path absolute = std::filesystem::absolute(file, ignored);
  if (absolute.empty()) absolute = file;
  Cell(table, row, kFileColumn) = file.filename().string();
  Cell(table, row, kMinColumn) = read.cells.min;
  Cell(table, row, kMaxColumn) = read.cells.max;
  Cell(table, row, kBinsColumn) = read.cells.bins;
  Cell(table, row, kFolderColumn) = FolderColumnText(absolute.parent_path().string());

  const model::TableRowRecord& record = read.record;
  RowParameters& parameters = table.parameters[Index(row - 1)];
  parameters[kBinsParameter] = record.Bins;
  parameters[kMinParameter] = record.Min;
  parameters[kMaxParameter] = record.Max;
  parameters[kRangeParameter] = record.Range;
  parameters[kWidthParameter] = record.d;
  parameters[kTotalParameter] = static_cast<double>(record.Total);
  table.probabilities[Index(row - 1)] = record.P;
  return std::nullopt;
}

model::Histogram RowHistogram(const HistogramTable& table, int row) {
  model::Histogram h;
  h.Type = model::HistogramType::Discrete;
  if (!IsDataRow(table, row)) return h;
  const RowParameters& parameters = table.parameters[Index(row - 1)];
  h.N = std::clamp(RoundedBins(parameters[kBinsParameter]), 0, kMaxBins);
  h.P = table.probabilities[Index(row - 1)];
  std::fill(h.P.begin() + 1 + h.N, h.P.end(), 0.0);
  h.Min = parameters[kMinParameter];
  h.Max = parameters[kMaxParameter];
  h.Range = parameters[kRangeParameter];
  h.d = parameters[kWidthParameter];
  h.Total = parameters[kTotalParameter];
  return h;
}

bool RowHoldsHistogram(const HistogramTable& table, int row) {
  if (!IsDataRow(table, row)) return false;
  const RowParameters& p = table.parameters[Index(row - 1)];
  const double bins = p[kBinsParameter];
  if (!(bins >= 1.5 && bins < kMaxBins + 0.5)) return false;
  const double min = p[kMinParameter];
  const double max = p[kMaxParameter];
  const double d = p[kWidthParameter];
  const double total = p[kTotalParameter];
  if (!(std::isfinite(min) && std::isfinite(max) && min <= max)) return false;
  if (!(std::isfinite(d) && d > 0.0)) return false;
  if (!(total > 0.0 && total < kLargestTotal)) return false;
  const int n = RoundedBins(bins);
  long double sum = 0.0L;
  const ProbabilityArray& P = table.probabilities[Index(row - 1)];
  for (int k = 1; k <= n; ++k) {
    if (!(std::isfinite(P[Index(k)]) && P[Index(k)] >= 0.0)) return false;
    sum += P[Index(k)];
  }
  return sum > 0.0L && std::isfinite(static_cast<double>(sum));
}

std::string RowGraphTitle(const HistogramTable& table, int row) {
  if (!IsDataRow(table, row)) return "Histogram : ";
  const std::string& file = table.cells[Index(row)][kFileColumn];
  return "Histogram : " + file.substr(0, file.find('.'));
}

TableButtons ButtonsAfterRowChange(const HistogramTable& table) {
  const bool any = FilledRowCount(table) > 0;
  return {any, any, any};
}

TableButtons ButtonsAfterLoad(const HistogramTable& table) {
  const int n = FilledRowCount(table);
  return {n > 0, n > 0, n > 1};
}

bool IsTableNumber(std::string_view text) {
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i > start;
  };
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (!digits()) return false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    digits();
  }
  if (i < text.size() && text[i] == 'E') {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == text.size();
}

bool AnswerQuestion(HistogramTable& table, int question, bool yes) {
  const int column = question == kMissingWeightsQuestion ? kWeightColumn : kMultipleColumn;
  if (!yes || (question != kMissingWeightsQuestion && question != kMissingMultiplesQuestion)) return false;
  if (column > LastDataColumn(table.kind)) return false;
  const int n = FilledRowCount(table);
  for (int row = 1; row <= n; ++row) {
    if (Cell(table, row, column).empty()) Cell(table, row, column) = "1.0";
  }
  return question == kMissingWeightsQuestion;
}

void MakeScaledBase(model::HistogramSlot& slot) {
  slot.base.P = slot.scaled.P;
  slot.base.Min = slot.scaled.Min;
  slot.base.Max = slot.scaled.Max;
  slot.base.Range = slot.scaled.Range;
  slot.base.d = slot.scaled.d;
  slot.base.Total = slot.scaled.Total;
  slot.base.N = slot.scaled.N;
  slot.base.Type = model::HistogramType::Discrete;
  slot.scaled.Type = model::HistogramType::Discrete;
}

}  // namespace dorvex::tables

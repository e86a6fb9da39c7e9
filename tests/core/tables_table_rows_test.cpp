#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "model/histogram.h"
#include "tables/table_rows.h"
#include "texts/messages.h"

using dorvex::tables::HistogramTable;
using dorvex::tables::NewTable;
using dorvex::tables::TableKind;
using dorvex::texts::Language;
namespace tables = dorvex::tables;

namespace {

const std::string kExamples = std::string(DORVEX_FIXTURES) + "/../../examples/Histograms";

// Marks data rows 1..n filled with a file name and a row parameter set whose
// values tell the rows apart (Bins = 2 + row, P[1] = row).
void FillRows(HistogramTable& table, int n) {
  for (int row = 1; row <= n; ++row) {
    table.cells[row][tables::kFileColumn] = std::to_string(row).insert(0, "row").append(".dis");
    table.cells[row][tables::kMultipleColumn] = std::to_string(row);
    table.parameters[row - 1] = {2.0 + row, 0.0, 1.0, 1.0, 0.5, 10.0, 0.0};
    table.probabilities[row - 1][1] = row;
  }
}

}  // namespace

TEST(TableRows, LabelsAreRightAlignedNumbers) {
  const struct {
    int row;
    const char* label;
  } cases[] = {{1, "  1"}, {9, "  9"}, {10, " 10"}, {16, " 16"}};
  for (const auto& c : cases) EXPECT_EQ(tables::RowLabel(c.row), c.label);
  const HistogramTable table = NewTable(TableKind::Combination, Language::English);
  EXPECT_EQ(table.cells[10][0], " 10");
  EXPECT_EQ(table.cells.size(), 11u);
  EXPECT_EQ(table.cells[0].size(), 8u);
}

TEST(TableRows, HeadingsFollowTheLanguage) {
  const HistogramTable english = NewTable(TableKind::Summary, Language::English);
  const HistogramTable czech = NewTable(TableKind::Summary, Language::Czech);
  EXPECT_EQ(english.cells[0], (std::vector<std::string>{"", "Multiple", "Histogram", "Min", "Max", " Intervals",
                                                        "   File address", "   Note", " Weight"}));
  EXPECT_EQ(czech.cells[0],
            (std::vector<std::string>{"", "Násobek", "Histogram", "Min", "Max", "Intervalů", "Adresa", "Poznámka", " Váha"}));
  EXPECT_EQ(tables::ColumnWidths(TableKind::Combination).size(), 8u);
}

TEST(TableRows, KeyFilterOfEachColumn) {
  const char32_t none = 0;
  const struct {
    TableKind kind;
    int column;
    char32_t key;
    char32_t becomes;  // none: swallowed
    bool beep;
  } cases[] = {
      {TableKind::Summary, 1, U'7', U'7', false},
      {TableKind::Summary, 1, U'-', U'-', false},
      {TableKind::Summary, 1, U'+', U'+', false},
      {TableKind::Summary, 1, U'e', U'E', false},
      {TableKind::Summary, 1, U',', U'.', false},
      {TableKind::Summary, 1, tables::kBackspaceKey, tables::kBackspaceKey, false},
      {TableKind::Summary, 1, tables::kEnterKey, none, false},
      {TableKind::Summary, 1, U'x', none, true},
      {TableKind::Summary, 1, U' ', none, true},
      {TableKind::Summary, 8, U'-', none, true},
      {TableKind::Summary, 8, U'5', U'5', false},
      {TableKind::Summary, 7, U'e', U'E', false},  // the note too
      {TableKind::Summary, 7, U'x', U'x', false},
      {TableKind::Summary, 7, tables::kEnterKey, none, false},
      {TableKind::Combination, 1, U'e', U'E', false},
      {TableKind::Combination, 1, U'a', none, true},
      {TableKind::Combination, 7, U'e', U'e', false},  // the note is not changed
      {TableKind::Combination, 7, U',', U',', false},
  };
  for (const auto& c : cases) {
    const tables::KeyOutcome outcome = tables::FilterKey(c.kind, c.column, c.key);
    EXPECT_EQ(outcome.key.value_or(none), c.becomes) << c.column << " " << static_cast<int>(c.key);
    EXPECT_EQ(outcome.beep, c.beep) << c.column << " " << static_cast<int>(c.key);
  }
}

TEST(TableRows, TypingOneCommaFiveEIntoAMultipleGivesANumber) {
  std::string text;
  for (char32_t key : {U'1', U',', U'5', U'e', U'2'}) {
    if (const auto k = tables::FilterKey(TableKind::Summary, tables::kMultipleColumn, key).key) {
      text.push_back(static_cast<char>(*k));
    }
  }
  EXPECT_EQ(text, "1.5E2");
  EXPECT_TRUE(tables::IsTableNumber(text));
}

TEST(TableRows, WhichCellsEditAndWhichShowAButton) {
  HistogramTable summary = NewTable(TableKind::Summary, Language::English);
  HistogramTable combination = NewTable(TableKind::Combination, Language::English);
  FillRows(summary, 2);
  FillRows(combination, 2);
  const struct {
    int row;
    int column;
    bool summaryEdits;
    bool combinationEdits;
    bool open;
    bool graph;
  } cases[] = {
      {1, 1, true, true, false, false},   {2, 7, true, true, false, false},
      {2, 8, true, false, false, false},  {3, 1, false, false, false, false},
      {0, 1, false, false, false, false}, {1, 3, false, false, false, false},
      {2, 2, false, false, true, false},  {3, 2, false, false, true, false},
      {4, 2, false, false, false, false}, {2, 6, false, false, false, true},
      {3, 6, false, false, false, false}, {0, 2, false, false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tables::CellEditable(summary, c.row, c.column), c.summaryEdits) << c.row << "," << c.column;
    EXPECT_EQ(tables::CellEditable(combination, c.row, c.column), c.combinationEdits) << c.row << "," << c.column;
    EXPECT_EQ(tables::ShowsOpenButton(summary, c.row, c.column), c.open) << c.row << "," << c.column;
    EXPECT_EQ(tables::ShowsGraphButton(combination, c.row, c.column), c.graph) << c.row << "," << c.column;
  }
}

TEST(TableRows, OpeningAHistogramFillsTheRowFromTheFile) {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  table.cells[1][tables::kMultipleColumn] = "2";
  table.cells[1][tables::kWeightColumn] = "3";
  ASSERT_FALSE(tables::OpenRowHistogram(table, 1, kExamples + "/Loads/Dead_load.dis"));
  const auto& cells = table.cells[1];
  EXPECT_EQ(cells[tables::kFileColumn], "Dead_load.dis");
  EXPECT_EQ(cells[tables::kFolderColumn], "Histograms/Loads");
  EXPECT_EQ(cells[tables::kBinsColumn], "128");
  EXPECT_EQ(cells[tables::kMultipleColumn], "");  // the multiple and the weight are lost
  EXPECT_EQ(cells[tables::kWeightColumn], "");
  // Min=35.8, Max=64.2, Bins=128 of a Discrete file: d = 28.4 / 128, mid-points.
  const double d = (64.2 - 35.8) / 128;
  EXPECT_DOUBLE_EQ(table.parameters[0][tables::kBinsParameter], 128);
  EXPECT_DOUBLE_EQ(table.parameters[0][tables::kWidthParameter], d);
  EXPECT_DOUBLE_EQ(table.parameters[0][tables::kMinParameter], 35.8 + d / 2);
  EXPECT_DOUBLE_EQ(table.parameters[0][tables::kTotalParameter], 222626252);
  EXPECT_EQ(cells[tables::kMinColumn].size(), 12u);
  EXPECT_EQ(tables::FilledRowCount(table), 1);
  EXPECT_EQ(tables::MaxIntervalCount(table), 128);
  EXPECT_EQ(tables::RowGraphTitle(table, 1), "Histogram : Dead_load");
  const dorvex::model::Histogram h = tables::RowHistogram(table, 1);
  EXPECT_EQ(h.N, 128);
  long double sum = 0;
  for (int k = 1; k <= h.N; ++k) sum += h.P[k];
  EXPECT_NEAR(static_cast<double>(sum), 1.0, 1e-12);

  // A refused file leaves the row empty, so it does not count.
  const auto refused = tables::OpenRowHistogram(table, 1, kExamples + "/Loads/none.dis");
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->message, 9);
  EXPECT_EQ(table.cells[1][tables::kFileColumn], "");
  EXPECT_EQ(tables::FilledRowCount(table), 0);
}

TEST(TableRows, FolderTextStartsAtTheHistogramsFolder) {
  const struct {
    const char* directory;
    const char* text;
  } cases[] = {
      {"/home/u/Documents/Probability/Histograms/Loads", "Histograms/Loads"},
      {"/home/u/Documents/Probability/Histograms", "Histograms"},
      {"C:\\Data\\Histograms\\Loads", "Histograms\\Loads"},
      {"/tmp/tables", "/tmp/tables"},
  };
  for (const auto& c : cases) EXPECT_EQ(tables::FolderColumnText(c.directory), c.text);
}

TEST(TableRows, DeletingARowMovesTheRowsBelowUp) {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  FillRows(table, 12);
  tables::DeleteRow(table, 3);
  EXPECT_EQ(tables::FilledRowCount(table), 11);
  EXPECT_EQ(table.cells[10][tables::kFileColumn], "row11.dis");
  EXPECT_EQ(table.cells[10][tables::kLabelColumn], " 10");
  EXPECT_EQ(table.probabilities[9][1], 11.0);
  EXPECT_EQ(table.parameters[9][tables::kBinsParameter], 13.0);
  EXPECT_EQ(table.cells[3][tables::kFileColumn], "row4.dis");
  EXPECT_EQ(table.cells[16][tables::kFileColumn], "");
  EXPECT_EQ(table.probabilities[15][1], 0.0);

  HistogramTable combination = NewTable(TableKind::Combination, Language::English);
  FillRows(combination, 6);
  tables::DeleteRow(combination, 4);
  EXPECT_EQ(combination.cells[4][tables::kFileColumn], "row5.dis");
  EXPECT_EQ(combination.cells[5][tables::kFileColumn], "row6.dis");
  EXPECT_EQ(combination.cells[10][tables::kFileColumn], "");
  EXPECT_EQ(tables::FilledRowCount(combination), 5);
}

TEST(TableRows, RowTextAndTheDeleteQuestion) {
  HistogramTable table = NewTable(TableKind::Combination, Language::English);
  FillRows(table, 1);
  EXPECT_EQ(tables::RowText(table, 1), "|    1  |  1  |  row1.dis  |    |    |    |    |    |  ");
  EXPECT_EQ(tables::DeleteRowQuestion(table, 1, Language::English),
            dorvex::texts::MessageText(73, Language::English) + "\r\n\r\n" + tables::RowText(table, 1));
  HistogramTable summary = NewTable(TableKind::Summary, Language::Czech);
  FillRows(summary, 1);
  EXPECT_EQ(tables::DeleteRowQuestion(summary, 1, Language::Czech).rfind(dorvex::texts::MessageText(63, Language::Czech), 0),
            0u);
}

TEST(TableRows, TableNumbers) {
  const struct {
    const char* text;
    bool number;
  } cases[] = {{"1", true},       {"1.0", true},   {"  -2.5", true}, {"+3", true},   {"1.5E2", true},
               {"1E-3", true},    {"7.", true},    {"", false},      {".5", false},  {"1,5", false},
               {"1e3", false},    {"1E", false},   {"1.5 ", false},  {"E3", false},  {"--1", false},
               {"1.5E2x", false}, {"-", false}};
  for (const auto& c : cases) EXPECT_EQ(tables::IsTableNumber(c.text), c.number) << c.text;
}

TEST(TableRows, AnswersFillTheMissingMultiplesOrWeights) {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  FillRows(table, 3);
  table.cells[2][tables::kMultipleColumn] = "";
  table.cells[4][tables::kMultipleColumn] = "";  // an empty row below the filled ones
  EXPECT_FALSE(tables::AnswerQuestion(table, tables::kMissingMultiplesQuestion, false));
  EXPECT_EQ(table.cells[2][tables::kMultipleColumn], "");
  EXPECT_FALSE(tables::AnswerQuestion(table, tables::kMissingMultiplesQuestion, true));
  EXPECT_EQ(table.cells[2][tables::kMultipleColumn], "1.0");
  EXPECT_EQ(table.cells[1][tables::kMultipleColumn], "1");
  EXPECT_EQ(table.cells[4][tables::kMultipleColumn], "");
  EXPECT_TRUE(tables::AnswerQuestion(table, tables::kMissingWeightsQuestion, true));
  EXPECT_EQ(table.cells[3][tables::kWeightColumn], "1.0");
}

TEST(TableRows, ButtonsFollowTheFilledRows) {
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  const struct {
    int filled;
    bool deleteAndSave;
    bool computeAfterLoad;
  } cases[] = {{0, false, false}, {1, true, false}, {2, true, true}};
  for (const auto& c : cases) {
    HistogramTable t = table;
    FillRows(t, c.filled);
    const auto load = tables::ButtonsAfterLoad(t);
    const auto change = tables::ButtonsAfterRowChange(t);
    EXPECT_EQ(load.deleteRow, c.deleteAndSave);
    EXPECT_EQ(load.save, c.deleteAndSave);
    EXPECT_EQ(load.compute, c.computeAfterLoad);
    EXPECT_EQ(change.compute, c.deleteAndSave);
  }
}

TEST(TableRows, StoredRowsThatCannotBeAHistogram) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* what;
    tables::RowParameters parameters;
    double p1;
    bool holds;
  } cases[] = {
      {"good", {3, 0, 2, 3, 1, 10, 0}, 0.5, true},
      {"one interval", {1, 0, 2, 3, 1, 10, 0}, 0.5, false},
      {"1025 intervals", {1025, 0, 2, 3, 1, 10, 0}, 0.5, false},
      {"NaN bins", {nan, 0, 2, 3, 1, 10, 0}, 0.5, false},
      {"Min > Max", {3, 2, 0, 3, 1, 10, 0}, 0.5, false},
      {"infinite Max", {3, 0, inf, 3, 1, 10, 0}, 0.5, false},
      {"zero width", {3, 0, 2, 3, 0, 10, 0}, 0.5, false},
      {"zero total", {3, 0, 2, 3, 1, 0, 0}, 0.5, false},
      {"huge total", {3, 0, 2, 3, 1, 1e19, 0}, 0.5, false},
      {"negative probability", {3, 0, 2, 3, 1, 10, 0}, -0.5, false},
      {"no probability", {3, 0, 2, 3, 1, 10, 0}, 0.0, false},
  };
  for (const auto& c : cases) {
    HistogramTable table = NewTable(TableKind::Combination, Language::English);
    table.parameters[0] = c.parameters;
    table.probabilities[0][1] = c.p1;
    EXPECT_EQ(tables::RowHoldsHistogram(table, 1), c.holds) << c.what;
  }
}

TEST(TableRows, MakeScaledBaseTakesTheMultipleIntoTheBase) {
  dorvex::model::HistogramSlot slot;
  slot.base.N = 2;
  slot.base.P[1] = 0.25;
  slot.base.P[2] = 0.75;
  slot.base.Min = 1;
  slot.base.Max = 2;
  slot.base.d = 1;
  slot.base.Range = 1;
  slot.base.Total = 4;
  slot.base.Type = dorvex::model::HistogramType::PureDiscrete;
  slot.multiple = -2;
  slot.scaled = dorvex::model::ApplyMultiple(slot.base, slot.multiple);
  tables::MakeScaledBase(slot);
  EXPECT_EQ(slot.base.Min, -4);
  EXPECT_EQ(slot.base.Max, -2);
  EXPECT_EQ(slot.base.d, 2);
  EXPECT_EQ(slot.base.P[1], 0.75);
  EXPECT_EQ(slot.base.Type, dorvex::model::HistogramType::Discrete);
  EXPECT_EQ(slot.multiple, -2);
}

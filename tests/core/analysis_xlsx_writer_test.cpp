// Cell layouts written as .xlsx workbooks, read back cell by cell from the zip's XML.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "analysis/listing_tables.h"
#include "analysis/xlsx_writer.h"
#include "model/report_error.h"
#include "analysis/result_report.h"
#include "support/histogram_builders.h"
#include "texts/language.h"

namespace dorvex::analysis {
namespace {

namespace fs = std::filesystem;
using texts::Language;

// The workbook keeps 16 significant digits of a double (the library's number format).
constexpr double kSixteenDigits = 1e-15;

// One cell as the workbook holds it.
struct ReadCell {
  bool isString = false;
  std::string text;  // the shared string of a string cell
  double number = 0;
};

std::string Unzip(const fs::path& file, const std::string& member) {
  const std::string command = "unzip -p '" + file.string() + "' " + member + " 2>/dev/null";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

std::string Unescape(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : entities) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
      text.replace(at, std::string(entity).size(), plain);
    }
  }
  return text;
}

// The text between the first `open` (a tag start such as "<t") from `from` and `close`.
std::string Between(const std::string& xml, std::size_t from, const std::string& open,
                    const std::string& close, std::size_t* end = nullptr) {
  const std::size_t tag = xml.find(open, from);
  const std::size_t start = xml.find('>', tag) + 1;
  const std::size_t stop = xml.find(close, start);
  if (end != nullptr) *end = stop + close.size();
  return xml.substr(start, stop - start);
}

std::vector<std::string> SharedStrings(const std::string& xml) {
  std::vector<std::string> strings;
  for (std::size_t at = xml.find("<si>"); at != std::string::npos; at = xml.find("<si>", at + 1)) {
    strings.push_back(Unescape(Between(xml, at, "<t", "</t>")));
  }
  return strings;
}

// Every cell of sheet 1 by its reference ("A1").
std::map<std::string, ReadCell> ReadSheet(const fs::path& file) {
  const std::vector<std::string> strings = SharedStrings(Unzip(file, "xl/sharedStrings.xml"));
  const std::string xml = Unzip(file, "xl/worksheets/sheet1.xml");
  std::map<std::string, ReadCell> cells;
  for (std::size_t at = xml.find("<c "); at != std::string::npos; at = xml.find("<c ", at + 1)) {
    const std::size_t tagEnd = xml.find('>', at);
    const std::string tag = xml.substr(at, tagEnd - at);
    const std::size_t refStart = tag.find("r=\"") + 3;
    const std::string ref = tag.substr(refStart, tag.find('"', refStart) - refStart);
    const std::string value = Between(xml, at, "<v", "</v>");
    ReadCell cell;
    cell.isString = tag.find("t=\"s\"") != std::string::npos;
    if (cell.isString) {
      cell.text = strings.at(std::stoul(value));
    } else {
      cell.number = std::strtod(value.c_str(), nullptr);
    }
    cells[ref] = cell;
  }
  return cells;
}

std::string Reference(int row, int column) {
  std::string letters;
  for (int c = column; c > 0; c = (c - 1) / 26)
    letters.insert(letters.begin(), char('A' + (c - 1) % 26));
  return letters + std::to_string(row);
}

// Every cell of the layout is in the sheet with its kind and content, and nothing else is.
void ExpectSheetHolds(const fs::path& file, const SheetLayout& layout) {
  const auto cells = ReadSheet(file);
  EXPECT_EQ(cells.size(), layout.cells.size());
  for (const SheetCell& expected : layout.cells) {
    const std::string ref = Reference(expected.row, expected.column);
    const auto found = cells.find(ref);
    ASSERT_NE(found, cells.end()) << ref;
    if (expected.number) {
      EXPECT_FALSE(found->second.isString) << ref;
      EXPECT_NEAR(found->second.number, *expected.number,
                  kSixteenDigits * std::fabs(*expected.number))
          << ref;
    } else {
      EXPECT_TRUE(found->second.isString) << ref;
      EXPECT_EQ(found->second.text, expected.text) << ref;
    }
  }
}

int LastRow(const SheetLayout& layout) {
  int last = 0;
  for (const SheetCell& cell : layout.cells) last = std::max(last, cell.row);
  return last;
}

// A fresh, empty folder for one test.
fs::path TestFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("dorvex_xlsx_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::size_t EntriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(WorkbookFileName, MakesAFileNameOfTheListingsTitle) {
  struct Case {
    const char* title;
    const char* expected;
  };
  const Case cases[] = {
      {"  Bending_resistance_IPE300  ", "Bending_resistance_IPE300.xlsx"},
      {"(A - B) * nAB", "(A - B) _ nAB.xlsx"},
      {"R/E: 1.5", "R_E_ 1.5.xlsx"},
      {"Výsledek", "Výsledek.xlsx"},
      {"   ", "Histogram.xlsx"},
      {"..", "Histogram.xlsx"},
  };
  for (const Case& c : cases) EXPECT_EQ(WorkbookFileName(c.title), c.expected) << c.title;
}

TEST(WriteWorkbook, WritesNumbersAsNumbersAndTextsAsStringsCellByCell) {
  SheetLayout layout;
  layout.sheetName = "Histogram";
  layout.cells = {
      {1, 1, "Histogram : (A + B) * nAB", std::nullopt},
      {3, 1, "Počet intervalů                  ", std::nullopt},  // trailing blanks kept
      {3, 2, "          3", 3.0},
      {4, 2, "-1.25E-07", -1.25e-07},
      {16, 3, " Probability P(x) & <F>", std::nullopt},
      {24, 15, "0.1", 0.1},
  };
  const fs::path path = TestFolder("cells") / "listing.xlsx";
  ASSERT_FALSE(WriteWorkbook(path.string(), layout).has_value());
  ExpectSheetHolds(path, layout);
  EXPECT_NE(Unzip(path, "xl/workbook.xml").find("<sheet name=\"Histogram\""), std::string::npos);
  EXPECT_EQ(EntriesIn(path.parent_path()), 1u);
}

TEST(WriteListingWorkbook, HoldsEveryCellOfTheIntervalListing) {
  const model::Histogram h = test_support::MakeHistogram(model::HistogramType::Discrete, -2.0, 0.5,
                                                         {0.1, 0.2, 0.4, 0.2, 0.1});
  const fs::path path = TestFolder("listing") / "Histogram.xlsx";
  ASSERT_FALSE(WriteListingWorkbook(path.string(), h, "title", 10, Language::English).has_value());
  const SheetLayout layout = ListingCells(
      h, analysis::DescriptionTable(h, "title", 10, Language::English), Language::English);
  ASSERT_EQ(LastRow(layout), 2 * 5 + 18);  // the total row of five intervals
  ExpectSheetHolds(path, layout);
}

TEST(WriteListingWorkbook, PutsTheNotesBelowTheListing) {
  const model::Histogram h = test_support::MakeHistogram(model::HistogramType::Discrete, -2.0, 0.5,
                                                         {0.1, 0.2, 0.4, 0.2, 0.1});
  const fs::path path = TestFolder("notes") / "Histogram.xlsx";
  const std::vector<std::string> notes{"Pf lower bound\t1.0E-3", "expression  R - E"};
  ASSERT_FALSE(WriteListingWorkbook(path.string(), h, "title", 10, Language::English, notes).has_value());
  const SheetLayout listing = ListingCells(
      h, analysis::DescriptionTable(h, "title", 10, Language::English), Language::English);
  const SheetLayout layout = WithNotes(listing, notes);
  const int last = LastRow(listing);
  // An empty row, then a note per row; the value after a tab in the second column.
  ASSERT_EQ(LastRow(layout), last + 3);
  ASSERT_NE(FindCell(layout, last + 2, 1), nullptr);
  EXPECT_EQ(FindCell(layout, last + 2, 1)->text, "Pf lower bound");
  EXPECT_EQ(FindCell(layout, last + 2, 2)->text, "1.0E-3");
  EXPECT_EQ(FindCell(layout, last + 3, 1)->text, "expression  R - E");
  EXPECT_EQ(FindCell(layout, last + 3, 2), nullptr);
  ExpectSheetHolds(path, layout);
}

TEST(WriteWorkbook, ReplacesAnExistingWorkbook) {
  const fs::path path = TestFolder("replace") / "listing.xlsx";
  std::ofstream(path) << "old";
  SheetLayout layout;
  layout.sheetName = "Histogram";
  layout.cells = {{2, 2, "2.5", 2.5}};
  ASSERT_FALSE(WriteWorkbook(path.string(), layout).has_value());
  ExpectSheetHolds(path, layout);
  EXPECT_EQ(EntriesIn(path.parent_path()), 1u);
}

TEST(WriteWorkbook, FailsWithCode23WithoutTouchingWhatIsThere) {
  const fs::path folder = TestFolder("fail");
  SheetLayout layout;
  layout.sheetName = "Histogram";
  layout.cells = {{1, 1, "x", std::nullopt}};
  // A folder in the way cannot be replaced by the renamed workbook.
  const fs::path blocked = folder / "listing.xlsx";
  fs::create_directories(blocked / "inside");
  const auto error = WriteWorkbook(blocked.string(), layout);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->code, 23);
  EXPECT_EQ(model::ComposeReportError(*error, Language::English).text,
            "Write error ! File listing.xlsx");
  EXPECT_TRUE(fs::is_directory(blocked / "inside"));
  EXPECT_EQ(EntriesIn(folder), 1u);  // no temporary file left

  const auto missing = WriteWorkbook((folder / "no" / "such.xlsx").string(), layout);
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->code, 23);
}

}  // namespace
}  // namespace dorvex::analysis

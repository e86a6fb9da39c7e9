#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <limits>
#include <vector>

#include <unistd.h>

#include "tables/histogram_table_file.h"
#include "tables/table_rows.h"
#include "texts/messages.h"

using dorvex::tables::BlankTable;
using dorvex::tables::DecodeTable;
using dorvex::tables::EncodeInteger;
using dorvex::tables::EncodeReal;
using dorvex::tables::EncodeTable;
using dorvex::tables::EncodeText;
using dorvex::tables::HistogramTable;
using dorvex::tables::NewTable;
using dorvex::tables::TableKind;
using dorvex::tables::TableReadFault;
using dorvex::tables::TranslateExampleFolder;
using dorvex::texts::Language;

namespace {

namespace fs = std::filesystem;

const std::string kExamples = std::string(DORVEX_FIXTURES) + "/../../examples/Histograms";

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out.push_back(static_cast<char>(b));
  return out;
}

// A summary table with the three load examples in rows 1..3, a multiple, a note
// with a non-ASCII letter and a weight.
HistogramTable LoadTable(TableKind kind, Language language) {
  HistogramTable table = NewTable(kind, language);
  const char* files[] = {"Loads/Dead_load.dis", "Loads/Live_load_50_years.dis", "Loads/Wind_load_50_years.dis"};
  for (int row = 1; row <= 3; ++row) {
    EXPECT_FALSE(dorvex::tables::OpenRowHistogram(table, row, kExamples + "/" + files[row - 1]));
    table.cells[row][dorvex::tables::kMultipleColumn] = "1.5";
    table.cells[row][dorvex::tables::kNoteColumn] = "zatížení";
  }
  if (kind == TableKind::Summary) table.cells[2][dorvex::tables::kWeightColumn] = "2";
  return table;
}

class TempDir {
 public:
  TempDir() : path_(fs::temp_directory_path() / ("dorvex_tables_" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(TableFileIntegers, TakeTheSmallestOfTheThreeForms) {
  const struct {
    std::int32_t value;
    std::string bytes;
  } cases[] = {
      {9, Bytes({0x02, 0x09})},
      {-1, Bytes({0x02, 0xFF})},
      {127, Bytes({0x02, 0x7F})},
      {-128, Bytes({0x02, 0x80})},
      {128, Bytes({0x03, 0x80, 0x00})},
      {300, Bytes({0x03, 0x2C, 0x01})},
      {-32768, Bytes({0x03, 0x00, 0x80})},
      {32768, Bytes({0x04, 0x00, 0x80, 0x00, 0x00})},
      {70000, Bytes({0x04, 0x70, 0x11, 0x01, 0x00})},
      {-70000, Bytes({0x04, 0x90, 0xEE, 0xFE, 0xFF})},
  };
  for (const auto& c : cases) EXPECT_EQ(EncodeInteger(c.value), c.bytes) << c.value;
}

TEST(TableFileReals, AreTagFiveAndTheTenBytesOfAnExtendedReal) {
  // x87 layout: 64-bit mantissa with its integer bit, then sign and 15-bit exponent
  // biased by 16383 (1.0 = 0x8000000000000000 * 2^(0x3FFF - 16383 - 63)).
  EXPECT_EQ(EncodeReal(1.0), Bytes({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  EXPECT_EQ(EncodeReal(-2.5), Bytes({0x05, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
  EXPECT_EQ(EncodeReal(0.0), Bytes({0x05, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(TableFileTexts, AreCutTo255BytesWithoutSplittingACharacter) {
  EXPECT_EQ(EncodeText("Min"), Bytes({3, 'M', 'i', 'n'}));
  const std::string longText(300, 'a');
  EXPECT_EQ(EncodeText(longText), std::string(1, static_cast<char>(255)) + std::string(255, 'a'));
  // "ž" takes two bytes; placed at bytes 254 and 255 it would cross the limit.
  const std::string crossing = std::string(254, 'a') + "ž" + "b";
  EXPECT_EQ(EncodeText(crossing), std::string(1, static_cast<char>(254)) + std::string(254, 'a'));
}

TEST(TableFile, HasTheSizeOfItsElementsAndEndsWithTheCount) {
  const HistogramTable table = LoadTable(TableKind::Summary, Language::English);
  std::size_t texts = 0;
  for (const auto& row : table.cells) {
    for (const auto& cell : row) texts += 1 + cell.size();
  }
  const std::string bytes = EncodeTable(table, 3);
  EXPECT_EQ(bytes.size(), 4 + texts + 16 * 7 * 11 + 16 * 1024 * 11 + 2);
  EXPECT_EQ(bytes.substr(0, 4), Bytes({0x02, 9, 0x02, 17}));
  EXPECT_EQ(bytes.substr(bytes.size() - 2), Bytes({0x02, 3}));

  const HistogramTable combination = LoadTable(TableKind::Combination, Language::English);
  const std::string kom = EncodeTable(combination, 3);
  EXPECT_EQ(kom.substr(0, 4), Bytes({0x02, 8, 0x02, 11}));
}

TEST(TableFile, SavedLoadedAndSavedAgainGivesTheSameBytes) {
  for (TableKind kind : {TableKind::Summary, TableKind::Combination}) {
    for (Language language : {Language::English, Language::Czech}) {
      const HistogramTable table = LoadTable(kind, language);
      const std::string first = EncodeTable(table, 3);
      HistogramTable loaded = NewTable(kind, language);
      ASSERT_TRUE(DecodeTable(first, loaded).complete());
      EXPECT_EQ(loaded.cells, table.cells);
      EXPECT_EQ(loaded.parameters, table.parameters);
      EXPECT_EQ(loaded.probabilities, table.probabilities);
      EXPECT_EQ(loaded.storedCount, 3);
      EXPECT_EQ(EncodeTable(loaded, dorvex::tables::FilledRowCount(loaded)), first);
    }
  }
}

TEST(TableFile, KeepsTheHeadingsOfTheLanguageItIsReadIn) {
  const std::string english = EncodeTable(LoadTable(TableKind::Summary, Language::English), 3);
  HistogramTable czech = NewTable(TableKind::Summary, Language::Czech);
  ASSERT_TRUE(DecodeTable(english, czech).complete());
  EXPECT_EQ(czech.cells[0][1], "Násobek");
  EXPECT_EQ(czech.cells[0][8], " Váha");
  EXPECT_EQ(czech.cells[1][2], "Dead_load.dis");
}

TEST(TableFile, ReadsEveryIntegerFormForEveryInteger) {
  const HistogramTable table = LoadTable(TableKind::Combination, Language::English);
  const std::string small = EncodeTable(table, 3);
  const std::string body = small.substr(4, small.size() - 6);
  const auto wide = [](std::int32_t value, int form) {
    std::string out(1, static_cast<char>(form));
    for (int i = 0; i < (form == 2 ? 1 : form == 3 ? 2 : 4); ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
  };
  for (int form : {2, 3, 4}) {
    const std::string bytes = wide(8, form) + wide(11, 4) + body + wide(3, form);
    HistogramTable loaded = NewTable(TableKind::Combination, Language::English);
    EXPECT_TRUE(DecodeTable(bytes, loaded).complete()) << form;
    EXPECT_EQ(loaded.cells, table.cells) << form;
    EXPECT_EQ(loaded.storedCount, 3) << form;
  }
}

TEST(TableFile, AnEndBeforeTheLastElementKeepsWhatWasRead) {
  const HistogramTable table = LoadTable(TableKind::Summary, Language::English);
  const std::string bytes = EncodeTable(table, 3);
  std::size_t texts = 4;
  for (const auto& row : table.cells) {
    for (const auto& cell : row) texts += 1 + cell.size();
  }
  const std::size_t parameters = texts + 16 * 7 * 11;
  const struct {
    std::size_t length;
    int rowsWithTexts;  // data rows whose texts were read
    int parameterRows;  // data rows whose seven parameters were read whole
  } cases[] = {
      {0, 0, 0},
      {3, 0, 0},                        // inside the row count
      {texts - 5, 3, 0},                // inside the last cells of row 16
      {texts + 7 * 11 + 5, 3, 1},        // inside row 2's parameters
      {parameters + 1024 * 11 + 3, 3, 16},  // inside row 2's probabilities
      {bytes.size() - 1, 3, 16},        // inside the count
  };
  for (const auto& c : cases) {
    HistogramTable loaded = NewTable(TableKind::Summary, Language::English);
    for (auto& p : loaded.parameters) p.fill(-7.0);  // what was there before
    const auto outcome = DecodeTable(std::string_view(bytes).substr(0, c.length), loaded);
    EXPECT_EQ(outcome.fault, TableReadFault::Truncated) << c.length;
    EXPECT_EQ(dorvex::tables::FilledRowCount(loaded), c.rowsWithTexts) << c.length;
    for (int row = 0; row < 16; ++row) {
      if (row < c.parameterRows) {
        EXPECT_EQ(loaded.parameters[row], table.parameters[row]) << c.length << " row " << row + 1;
      } else if (row > c.parameterRows) {
        EXPECT_EQ(loaded.parameters[row][0], -7.0) << c.length << " row " << row + 1;
      }
    }
    EXPECT_EQ(loaded.storedCount, 0) << c.length;
  }
}

TEST(TableFile, AnElementOfTheWrongKindStopsTheRead) {
  const HistogramTable table = LoadTable(TableKind::Summary, Language::English);
  std::string bytes = EncodeTable(table, 3);
  const std::size_t firstReal = bytes.find(EncodeReal(table.parameters[0][0]));
  ASSERT_NE(firstReal, std::string::npos);
  bytes[firstReal] = 0x02;
  HistogramTable loaded = NewTable(TableKind::Summary, Language::English);
  const auto outcome = DecodeTable(bytes, loaded);
  EXPECT_EQ(outcome.fault, TableReadFault::WrongTag);
  EXPECT_EQ(outcome.offset, firstReal);
  EXPECT_EQ(dorvex::tables::FilledRowCount(loaded), 3);  // the texts before it stay

  // A combination table read as a summary table.
  HistogramTable summary = NewTable(TableKind::Summary, Language::English);
  EXPECT_EQ(DecodeTable(EncodeTable(LoadTable(TableKind::Combination, Language::English), 3), summary).fault,
            TableReadFault::WrongShape);
  EXPECT_EQ(dorvex::tables::FilledRowCount(summary), 0);
}

TEST(TableFile, ReadsOutOfRangeRealsAsInfinities) {
  HistogramTable table = BlankTable(TableKind::Combination);
  std::string bytes = EncodeTable(table, 0);
  // The first parameter becomes 2^16000, beyond every double.
  const std::size_t at = bytes.find(static_cast<char>(0x05));
  const std::string huge = Bytes({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x7F, 0x7E});
  bytes.replace(at, huge.size(), huge);
  ASSERT_TRUE(DecodeTable(bytes, table).complete());
  EXPECT_EQ(table.parameters[0][0], std::numeric_limits<double>::infinity());

  // A NaN keeps its sign through a save and a load.
  table.parameters[0][1] = -std::numeric_limits<double>::quiet_NaN();
  const std::string withNaN = EncodeTable(table, 0);
  HistogramTable loaded = BlankTable(TableKind::Combination);
  ASSERT_TRUE(DecodeTable(withNaN, loaded).complete());
  EXPECT_TRUE(std::isnan(loaded.parameters[0][1]) && std::signbit(loaded.parameters[0][1]));
  EXPECT_EQ(EncodeTable(loaded, 0), withNaN);
}

TEST(TranslateExampleFolder, MapsTheWholeCzechExampleFoldersOnly) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"Histogramy\\Normální rozdělení", "Histograms\\Normal distributions"},
      {"Histogramy\\Pevnostní charakteristiky", "Histograms\\Solidity and material characterics"},
      {"Histogramy\\Počáteční imperfekce", "Histograms\\Initial imperfections"},
      {"Histogramy\\Testovací", "Histograms\\Tests"},
      {"Histogramy\\Variabilita průřezu", "Histograms\\Cross-section variability"},
      {"Histogramy\\Vypočtené", "Histograms\\Calculated"},
      {"Histogramy\\Zatížení", "Histograms\\Loads"},
      {"Histogramy/Zatížení", "Histograms/Loads"},
      {"Histogramy\\Zatížení\\Vítr", "Histogramy\\Zatížení\\Vítr"},
      {"Data\\Histogramy\\Zatížení", "Data\\Histogramy\\Zatížení"},
      {"Histograms\\Loads", "Histograms\\Loads"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TranslateExampleFolder(c.text), c.expected) << c.text;
}

TEST(TableFile, TranslatesTheFolderColumnWhenRead) {
  HistogramTable table = LoadTable(TableKind::Combination, Language::English);
  table.cells[2][dorvex::tables::kFolderColumn] = "Histogramy\\Zatížení";
  table.cells[2][dorvex::tables::kNoteColumn] = "Histogramy\\Zatížení";
  HistogramTable loaded = NewTable(TableKind::Combination, Language::English);
  ASSERT_TRUE(DecodeTable(EncodeTable(table, 3), loaded).complete());
  EXPECT_EQ(loaded.cells[2][dorvex::tables::kFolderColumn], "Histograms\\Loads");
  EXPECT_EQ(loaded.cells[2][dorvex::tables::kNoteColumn], "Histogramy\\Zatížení");
}

TEST(TableFiles, AreWrittenWholeAndReadBack) {
  TempDir dir;
  const HistogramTable table = LoadTable(TableKind::Summary, Language::English);
  const std::string path = dir.File("loads.sum");
  ASSERT_FALSE(dorvex::tables::WriteTableFile(path, table, 3));
  EXPECT_EQ(ReadAll(path), EncodeTable(table, 3));
  HistogramTable loaded = NewTable(TableKind::Summary, Language::English);
  const auto read = dorvex::tables::ReadTableFile(path, loaded, Language::English);
  EXPECT_FALSE(read.error);
  EXPECT_EQ(loaded.probabilities, table.probabilities);

  // A write that cannot happen names the file (message 22) and leaves no file.
  const std::string nowhere = dir.File("missing/loads.sum");
  const auto refused = dorvex::tables::WriteTableFile(nowhere, table, 3);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->message, 22);
  EXPECT_EQ(refused->insert, nowhere);
  EXPECT_FALSE(fs::exists(nowhere));
}

TEST(TableFiles, ThatCannotBeReadWholeNameTheFile) {
  TempDir dir;
  HistogramTable table = NewTable(TableKind::Summary, Language::English);
  const auto missing = dorvex::tables::ReadTableFile(dir.File("none.sum"), table, Language::English);
  ASSERT_TRUE(missing.error);
  EXPECT_EQ(missing.error->message, 9);

  const std::string path = dir.File("short.sum");
  std::ofstream(path, std::ios::binary) << EncodeTable(LoadTable(TableKind::Summary, Language::English), 3).substr(0, 500);
  const auto cut = dorvex::tables::ReadTableFile(path, table, Language::English);
  ASSERT_TRUE(cut.error);
  EXPECT_NE(cut.error->append.find(path), std::string::npos);
  EXPECT_EQ(dorvex::tables::FilledRowCount(table), 3);
}

namespace {

struct FixtureRow {
  const char* file;  // below the examples' Histograms folder
  const char* multiple;
  const char* weight;
  const char* note;
};

struct FixtureTable {
  const char* name;
  TableKind kind;
  std::vector<FixtureRow> rows;
  const char* folderOfRow1;  // replaces row 1's folder text when set
};

// The tables of tests/data/tables, built from the bundled examples.
const FixtureTable kFixtureTables[] = {
    {"loads.kom",
     TableKind::Combination,
     {{"Loads/Dead_load.dis", "1.35", "", "dead"},
      {"Loads/Live_load_50_years.dis", "1.5", "", "live"},
      {"Loads/Wind_load_50_years.dis", "0.9", "", "wind"}},
     nullptr},
    {"steel_batches.sum",
     TableKind::Summary,
     {{"Solidity and material characterics/Bending_resistance_IPE300.dis", "1", "3", "batch 1"},
      {"Solidity and material characterics/Bending_resistance_IPE300.dis", "0.9", "1", "batch 2, 10 % weaker"}},
     nullptr},
    {"missing_multiples.kom",
     TableKind::Combination,
     {{"Loads/Dead_load.dis", "", "", ""}, {"Loads/Wind_load_50_years.dis", "2", "", ""}},
     "Histogramy\\Zatížení"},
};

}  // namespace

// The committed fixture tables are what the writer makes of the examples now; with
// DORVEX_WRITE_TABLE_FIXTURES set, the test writes them instead.
TEST(TableFile, FixtureTablesAreTheWritersOwn) {
  const std::string folder = std::string(DORVEX_FIXTURES) + "/../data/tables/";
  const bool write = std::getenv("DORVEX_WRITE_TABLE_FIXTURES") != nullptr;
  for (const FixtureTable& fixture : kFixtureTables) {
    HistogramTable table = NewTable(fixture.kind, Language::English);
    int row = 0;
    for (const FixtureRow& r : fixture.rows) {
      ++row;
      ASSERT_FALSE(dorvex::tables::OpenRowHistogram(table, row, kExamples + "/" + r.file)) << r.file;
      table.cells[row][dorvex::tables::kMultipleColumn] = r.multiple;
      table.cells[row][dorvex::tables::kNoteColumn] = r.note;
      if (fixture.kind == TableKind::Summary) table.cells[row][dorvex::tables::kWeightColumn] = r.weight;
    }
    if (fixture.folderOfRow1 != nullptr) table.cells[1][dorvex::tables::kFolderColumn] = fixture.folderOfRow1;
    const std::string bytes = EncodeTable(table, dorvex::tables::FilledRowCount(table));
    if (write) {
      fs::create_directories(folder);
      ASSERT_FALSE(dorvex::tables::WriteTableFile(folder + fixture.name, table, row));
    }
    EXPECT_EQ(ReadAll(folder + fixture.name), bytes) << fixture.name;
  }
}

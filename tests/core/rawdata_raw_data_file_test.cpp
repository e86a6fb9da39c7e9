// The raw-data file: values read line by line, refusals that name the line, and the
// editor's save that writes everything or nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "rawdata/raw_data_file.h"
#include "texts/messages.h"

namespace dorvex::rawdata {
namespace {

namespace fs = std::filesystem;
using texts::Language;
using texts::MessageText;

fs::path TestFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("dorvex_rawdata_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ValueCase {
  const char* line;
  bool ok;
  double value;
};

TEST(ParseRawValue, FirstCommaIsTheDecimalPointAndTheWholeLineMustBeANumber) {
  const ValueCase cases[] = {
      {"1,5", true, 1.5},          {"1.5", true, 1.5},       {"  2  ", true, 2.0},
      {"-3,25E-2", true, -0.0325}, {"1e3", true, 1000.0},    {"1,5,2", false, 0},
      {"1.5,2", false, 0},         {"", false, 0},           {"abc", false, 0},
      {"12 kN", false, 0},         {"inf", false, 0},        {"nan", false, 0},
      {"1;2", false, 0},           {"E5", false, 0},
  };
  for (const ValueCase& c : cases) {
    double value = -99.0;
    EXPECT_EQ(ParseRawValue(c.line, value), c.ok) << c.line;
    EXPECT_EQ(value, c.ok ? c.value : -99.0) << c.line;
  }
}

TEST(ParseRawData, ReadsLfCrLfAndAByteOrderMarkInFileOrder) {
  const std::string files[] = {"3\n1,5\n2\n", "3\r\n1,5\r\n2", "\xEF\xBB\xBF" "3\r\n1,5\r\n2\r\n"};
  for (const std::string& bytes : files) {
    const RawDataReading r = ParseRawData(bytes, Language::English);
    ASSERT_FALSE(r.error) << bytes << ": " << r.error->text;
    EXPECT_EQ(r.values, (std::vector<double>{3.0, 1.5, 2.0})) << bytes;
  }
}

struct RefusalCase {
  const char* why;
  std::string bytes;
  int message;
  std::size_t line;
  std::string textAfterMessage;  // what follows the message's own text
};

TEST(ParseRawData, RefusesAFileWholeAndNamesTheLine) {
  const RefusalCase cases[] = {
      {"text in a line", "400.5\n398\nabc\n401\n", 118, 3, "\r\n\r\n\tLine 3 : abc"},
      {"an empty line", "400.5\n\n401\n402\n", 118, 2, "\r\n\r\n\tLine 2 : "},
      {"a blank line", "400.5\n401\n   \r\n402\n", 118, 3, "\r\n\r\n\tLine 3 :    "},
      {"two commas", "1,5,2\n1\n2\n", 118, 1, "\r\n\r\n\tLine 1 : 1,5,2"},
      {"a second column", "1\n2;3\n4\n", 118, 2, "\r\n\r\n\tLine 2 : 2;3"},
      {"a binary file", std::string("\x7F" "ELF\x02\x01\x01\0\0\0\n\xFF\xFE", 13), 118, 1,
       "\r\n\r\n\tLine 1 : ?ELF??????"},
      {"two values", "1\n2\n", 213, 0, " !"},
      {"no values", "", 213, 0, " !"},
  };
  for (const RefusalCase& c : cases) {
    const RawDataReading r = ParseRawData(c.bytes, Language::English);
    ASSERT_TRUE(r.error) << c.why;
    EXPECT_TRUE(r.values.empty()) << c.why;
    EXPECT_EQ(r.error->message, c.message) << c.why;
    EXPECT_EQ(r.error->line, c.line) << c.why;
    EXPECT_EQ(r.error->text, MessageText(c.message, Language::English) + c.textAfterMessage) << c.why;
  }
}

TEST(ParseRawData, ShowsALongBinaryLineCutAndAsValidText) {
  std::string bytes(5000, '\x01');
  bytes += "\xC3\xA9\xE2\x82";  // a whole two-byte character, then a broken one
  const RawDataReading r = ParseRawData(bytes, Language::English);
  ASSERT_TRUE(r.error);
  const std::string prefix = MessageText(118, Language::English) + "\r\n\r\n\tLine 1 : ";
  EXPECT_EQ(r.error->text, prefix + std::string(80, '?') + "...");
  const RawDataReading accented = ParseRawData("1\n2\nx\xC3\xA9\xE2\x82\n", Language::English);
  ASSERT_TRUE(accented.error);
  EXPECT_EQ(accented.error->text, prefix.substr(0, prefix.size() - 4) + "3 : x\xC3\xA9??");
}

TEST(ParseRawData, HoldsFiveHundredThousandValuesAndRefusesTheNextLine) {
  std::string bytes;
  for (std::size_t i = 0; i < kMaxRawValues; ++i) bytes += "1\n";
  const RawDataReading full = ParseRawData(bytes, Language::English);
  ASSERT_FALSE(full.error);
  EXPECT_EQ(full.values.size(), kMaxRawValues);

  bytes += "1\n";
  for (const Language language : {Language::English, Language::Czech}) {
    const RawDataReading over = ParseRawData(bytes, language);
    ASSERT_TRUE(over.error);
    EXPECT_TRUE(over.values.empty());
    EXPECT_EQ(over.error->message, 113);
    EXPECT_EQ(over.error->line, kMaxRawValues + 1);
    EXPECT_EQ(over.error->text, MessageText(113, language) + "500000 !");
  }
  EXPECT_EQ(ParseRawData(bytes, Language::English).error->text, "Number of measurement datas is > 500000 !");
}

TEST(ParseRawData, CzechRefusalsUseCzechMessages) {
  const RawDataReading r = ParseRawData("1\n2\n", Language::Czech);
  ASSERT_TRUE(r.error);
  EXPECT_EQ(r.error->text, "Počet měřěných údajů je < 3 ! !");
  const RawDataReading text = ParseRawData("1\nx\n", Language::Czech);
  EXPECT_EQ(text.error->text, "V souboru nebylo zadáno platné číslo!\r\n\r\n\tLine 2 : x");
}

TEST(ReadRawDataFile, ReadsAFileAndNamesAMissingOne) {
  const fs::path folder = TestFolder("read");
  const fs::path file = folder / "Raw_Data.txt";
  std::ofstream(file, std::ios::binary) << "400,5\r\n398\r\n402\r\n";
  const RawDataReading r = ReadRawDataFile(file.string(), Language::English);
  ASSERT_FALSE(r.error);
  EXPECT_EQ(r.values, (std::vector<double>{400.5, 398.0, 402.0}));

  const std::string missing = (folder / "none.txt").string();
  const RawDataReading absent = ReadRawDataFile(missing, Language::English);
  ASSERT_TRUE(absent.error);
  EXPECT_EQ(absent.error->message, 112);
  EXPECT_EQ(absent.error->text, "File " + missing + " does  n o t  e x i s t !");
}

TEST(ComposeRawDataFile, WritesLinesUnchangedAndAnEmptyLineAsZero) {
  const RawDataSaveText save = ComposeRawDataFile({"1,5", "", "2", " 3 "}, Language::English);
  ASSERT_FALSE(save.error);
  EXPECT_EQ(save.bytes, "1,5\r\n0\r\n2\r\n 3 \r\n");
}

TEST(ComposeRawDataFile, RefusesAnEmptyEditorAndALineThatIsNoNumber) {
  const RawDataSaveText empty = ComposeRawDataFile({}, Language::English);
  ASSERT_TRUE(empty.error);
  EXPECT_EQ(empty.error->message, 185);
  EXPECT_EQ(empty.error->text, "Table of raw data is empty !");

  const RawDataSaveText bad = ComposeRawDataFile({"1", "2", "abc", "4"}, Language::English);
  ASSERT_TRUE(bad.error);
  EXPECT_TRUE(bad.bytes.empty());
  EXPECT_EQ(bad.error->message, 194);
  EXPECT_EQ(bad.error->line, 3u);
  EXPECT_EQ(bad.error->text, "Invalid number input ! \r\n\r\n\tLine    :  3\r\n\tElement :  abc");
}

TEST(WriteRawDataFile, ARefusedOrFailedSaveLeavesTheOldFile) {
  const fs::path folder = TestFolder("write");
  const fs::path file = folder / "Raw_Data.txt";
  ASSERT_FALSE(WriteRawDataFile(file.string(), {"1", "2,5", "3"}, Language::English));
  EXPECT_EQ(ReadAll(file), "1\r\n2,5\r\n3\r\n");
  const RawDataReading back = ReadRawDataFile(file.string(), Language::English);
  EXPECT_EQ(back.values, (std::vector<double>{1.0, 2.5, 3.0}));

  const auto refused = WriteRawDataFile(file.string(), {"7", "x"}, Language::English);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->message, 194);
  EXPECT_EQ(ReadAll(file), "1\r\n2,5\r\n3\r\n");

  const std::string unwritable = (folder / "no_such_folder" / "Raw_Data.txt").string();
  const auto failed = WriteRawDataFile(unwritable, {"1"}, Language::English);
  ASSERT_TRUE(failed);
  EXPECT_EQ(failed->message, 22);
  EXPECT_EQ(failed->text, "Write error ! File " + unwritable);
}

}  // namespace
}  // namespace dorvex::rawdata

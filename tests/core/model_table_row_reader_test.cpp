#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model/distribution_file_lines.h"
#include "model/table_row_reader.h"
#include "support/dis_text.h"
#include "statvex/number_text.h"

using dorvex::model::HistogramType;
using dorvex::model::ReadTableRow;
using dorvex::model::ReadTableRowFile;
using dorvex::model::ReadTableRowText;
using dorvex::model::TableRowReadResult;

namespace {

using dorvex::test_support::DisFile;
using dorvex::test_support::Keys;
using dorvex::test_support::kOneToTen;
using dorvex::test_support::Replaced;
using dorvex::test_support::With;

std::string Describe(const TableRowReadResult& r) {
  if (r.ok()) return "success";
  return "code " + std::to_string(r.error->code) + " message " + std::to_string(r.error->message) +
         " insert \"" + r.error->insert + "\" append \"" + r.error->append + "\"";
}

TEST(ReadTableRow, GivesTheRowItsUntrimmedHistogramAndCells) {
  // Discrete 0 .. 5 in 5 bins, frequencies 0, 0, 5, 7, 0: the empty ends stay.
  const TableRowReadResult r = ReadTableRowText(DisFile(
      Keys{"Type=Discrete", "Min=0", "Max=5", "Bins = 5", "Total=12"}, {"0", "0", "5", "7", "0"}));
  ASSERT_TRUE(r.ok()) << Describe(r);
  EXPECT_FALSE(r.clearRowFromColumn2);
  const auto& row = r.record;
  EXPECT_EQ(row.Type, HistogramType::Discrete);
  EXPECT_EQ(row.Bins, 5);
  EXPECT_EQ(row.d, 1.0);
  EXPECT_EQ(row.Min, 0.5);
  EXPECT_EQ(row.Max, 4.5);
  EXPECT_EQ(row.Range, 5.0);
  EXPECT_EQ(row.Total, 12.0L);
  EXPECT_EQ(row.P[1], 0.0);
  EXPECT_EQ(row.P[3], static_cast<double>(5 / 12.0L));
  EXPECT_EQ(row.P[4], static_cast<double>(7 / 12.0L));
  EXPECT_EQ(r.cells.min, dorvex::statvex::DisplayNumber(0.5));
  EXPECT_EQ(r.cells.max, dorvex::statvex::DisplayNumber(4.5));
  EXPECT_EQ(r.cells.bins, "5");  // as read, blanks removed
}

TEST(ReadTableRow, UsesTheGivenTypeWhenTheFileHasNone) {
  const TableRowReadResult r =
      ReadTableRowText(DisFile(With(&Keys::type, ""), kOneToTen), HistogramType::PureDiscrete);
  ASSERT_TRUE(r.ok()) << Describe(r);
  EXPECT_EQ(r.record.Type, HistogramType::PureDiscrete);
  EXPECT_EQ(r.record.d, 10.0 / 9.0);
  EXPECT_EQ(r.record.Max, 10.0);
}

struct ErrorCase {
  const char* name;
  std::string text;
  int message;
  std::string insert;
  std::string append;
};

TEST(ReadTableRow, ShowsEachFaultDirectlyAndEmptiesTheRow) {
  std::vector<std::string> eleven = kOneToTen;
  eleven.push_back("11");
  const std::string huge(dorvex::model::dis::kMaxLineLength + 1, '1');
  const ErrorCase cases[] = {
      {"comma in Min", DisFile(With(&Keys::min, "Min=0,5"), kOneToTen), 35, "", "0,5"},
      {"over-long Min", DisFile(With(&Keys::min, "Min=" + huge), kOneToTen), 35, "",
       std::string(64, '1') + "..."},
      {"Max not a number", DisFile(With(&Keys::max, "Max=x"), kOneToTen), 36, "", "x"},
      {"unknown type", DisFile(With(&Keys::type, "Type=Bar"), kOneToTen), 11, "Bar", ""},
      {"Bins not an integer", DisFile(With(&Keys::bins, "Bins=ten"), kOneToTen), 37, "", "ten"},
      {"Bins above 1024", DisFile(With(&Keys::bins, "Bins=1025"), kOneToTen), 12, "1024", "1025"},
      {"Bins below 2", DisFile(With(&Keys::bins, "Bins=1"), {"55"}), 152, "", ""},
      {"Total with a comma", DisFile(With(&Keys::total, "Total=55,0"), kOneToTen), 38, "", "55,0"},
      {"no [Bins] line", "Min=0\r\nMax=10\r\nBins=10\r\nTotal=55\r\n1\r\n", 13, "", ""},
      {"Total missing", DisFile(With(&Keys::total, ""), kOneToTen), 14, "", ""},
      {"frequency 7.0", DisFile(Keys{}, Replaced(kOneToTen, 2, "7.0")), 15, "3", "7.0"},
      {"negative frequency", DisFile(Keys{}, Replaced(kOneToTen, 2, "-3")), 16, "3", ""},
      {"11 lines for 10 bins", DisFile(With(&Keys::total, "Total=66"), eleven), 18, "10", "11"},
      // The main window would accept this sum (ratio 0.999995); a row needs it exact.
      {"sum 999995 of Total 1000000",
       DisFile(Keys{"Type=Discrete", "Min=0", "Max=10", "Bins=2", "Total=1000000"},
               {"499997", "499998"}),
       17, "999995", "1000000"},
      {"zero Total of zero frequencies",
       DisFile(Keys{"Type=Discrete", "Min=0", "Max=10", "Bins=2", "Total=0"}, {"0", "0"}), 17, "0",
       "0"},
      {"9 lines for 10 bins",
       DisFile(With(&Keys::total, "Total=45"),
               std::vector<std::string>(kOneToTen.begin(), kOneToTen.end() - 1)),
       18, "10", "9"},
      {"Min > Max",
       DisFile(Keys{"Type=Discrete", "Min=10", "Max=0", "Bins=10", "Total=55"}, kOneToTen), 19,
       "10", "0"},
  };
  for (const auto& c : cases) {
    const TableRowReadResult r = ReadTableRowText(c.text);
    ASSERT_FALSE(r.ok()) << c.name;
    EXPECT_EQ(r.error->code, 0) << c.name << ": " << Describe(r);
    EXPECT_EQ(r.error->message, c.message) << c.name << ": " << Describe(r);
    EXPECT_EQ(r.error->insert, c.insert) << c.name;
    EXPECT_EQ(r.error->append, c.append) << c.name;
    EXPECT_TRUE(r.clearRowFromColumn2) << c.name;
    EXPECT_TRUE(r.cells.bins.empty()) << c.name << ": no cell is written after a failure";
  }
}

TEST(ReadTableRow, RefusesMinAndMaxBothZeroWithTheUntranslatedText) {
  const TableRowReadResult r = ReadTableRowText(
      DisFile(Keys{"Type=Discrete", "Min=0", "Max=0", "Bins=10", "Total=55"}, kOneToTen));
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error->code, 16);
  EXPECT_TRUE(r.clearRowFromColumn2);
}

TEST(ReadTableRowFile, ReadsByPathAndRefusesAMissingFileWithMessage9) {
  const TableRowReadResult r = ReadTableRowFile(DORVEX_FIXTURES "/discrete_ten.dis");
  ASSERT_TRUE(r.ok()) << Describe(r);
  EXPECT_EQ(r.record.Bins, 10);
  EXPECT_EQ(r.record.Min, 0.5);
  EXPECT_EQ(r.cells.bins, "10");

  const std::string missing = DORVEX_FIXTURES "/no_such_file.dis";
  const TableRowReadResult refused = ReadTableRowFile(missing);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error->code, 0);
  EXPECT_EQ(refused.error->message, 9);
  EXPECT_EQ(refused.error->insert, missing);
  EXPECT_TRUE(refused.clearRowFromColumn2);
}

TEST(ReadTableRow, ReadsFromAStream) {
  std::istringstream in(DisFile(Keys{}, kOneToTen), std::ios::binary);
  const TableRowReadResult r = ReadTableRow(in);
  ASSERT_TRUE(r.ok()) << Describe(r);
  EXPECT_EQ(r.record.P[10], static_cast<double>(10 / 55.0L));
}

}  // namespace

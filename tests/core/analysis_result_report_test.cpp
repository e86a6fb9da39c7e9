// The text report of the result, the result listing grid and the description tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/report_error.h"
#include "analysis/result_report.h"
#include "support/histogram_builders.h"
#include "texts/language.h"

namespace dorvex::analysis {
namespace {

namespace fs = std::filesystem;
using test_support::MakeHistogram;
using texts::Language;
using model::HistogramType;

// P = 1/8, 5/16, 9/16 on 1, 2, 3: the smallest probability 1/8 gives result total 8.
Histogram Result(HistogramType type) {
  return MakeHistogram(type, 1.0, 1.0, {0.125, 0.3125, 0.5625});
}

ResultReportInput ReportInput(HistogramType type) {
  ResultReportInput input;
  input.result = Result(type);
  input.resultTotal = 8.0L;
  input.label = "(A + B) * nAB   (nAB=1.00)";
  input.nameA = "load";
  input.multipleA = "1.00";
  input.nameB = "strength";
  input.multipleB = "2.00";
  input.date = "01.02.2024";
  input.time = "10:20:30";
  input.version = "0.1.0";
  return input;
}

std::size_t CodePoints(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

const std::string kRule66(66, '_');

// The lines strictly between the two "|___|" rules that frame the intervals.
std::vector<std::string> IntervalLines(const std::vector<std::string>& lines) {
  const std::string frame = "|" + kRule66 + "|";
  const auto first = std::find(lines.begin(), lines.end(), frame);
  const auto second = std::find(first + 1, lines.end(), frame);
  EXPECT_NE(second, lines.end());
  return {first + 1, second};
}

TEST(ResultReportLines, WritesTheHeadOfTheReportLineByLine) {
  const auto lines = ResultReportLines(ReportInput(HistogramType::Discrete), Language::English);
  const std::vector<std::string> head = {
      "   R E S U L T I N G   P R O B A B I L I T I E S   ",
      std::string(52, '_'),
      " ",
      "Histogram   : (A + B) * nAB   (nAB=1.00)",
      "Histogram A : load",
      "Multiple XA : 1.00",
      "Histogram B : strength",
      "Multiple XB : 2.00",
      "Date        : 01.02.2024 / 10:20:30",
      "Program     : Dorvex ( 0.1.0 )",
      " ",
      "   B a s i c     C h a r a c t e r i s t i c s",
      "",
  };
  ASSERT_GT(lines.size(), head.size() + 14);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 13), head);
  // The 14 characteristics, each a label, a tab and its value; the frequency sum is r.
  EXPECT_EQ(lines[13], "Min                              \t0.5");
  EXPECT_EQ(lines[16], "frequency numbers                \t8");
  EXPECT_EQ(lines[26], "Mode                             \t           3");
  EXPECT_EQ(lines[27], " ");
  EXPECT_EQ(lines[28], " " + kRule66);
  EXPECT_EQ(lines[29], "|  INT |       X      |  Probab.P(x) |  Frequency   | Distr. F(x)  |");
}

TEST(ResultReportLines, ShowsTheFailureProbabilityAfterTheCharacteristicsWhenGiven) {
  ResultReportInput input = ReportInput(HistogramType::Discrete);
  const auto without = ResultReportLines(input, Language::English);
  input.failureProbability = 0.00115;
  const auto english = ResultReportLines(input, Language::English);
  const auto czech = ResultReportLines(input, Language::Czech);
  // One line more, right after Mode, in the label-tab-value form of the block.
  ASSERT_EQ(english.size(), without.size() + 1);
  EXPECT_EQ(english[26], without[26]);
  EXPECT_EQ(english[27], "Failure probability P(X<0)       \t     0.00115");
  EXPECT_EQ(czech[27], "Pravděpodobnost poruchy P(X<0)   \t     0.00115");
  EXPECT_EQ(english[28], " ");
}

TEST(ResultReportLines, ShowsTheReliabilityLinesRightAfterTheFailureProbability) {
  ResultReportInput input = ReportInput(HistogramType::Discrete);
  input.failureProbability = 0.00115;
  const auto plain = ResultReportLines(input, Language::English);
  input.reliabilityLines = {"Pf lower bound\t0.001", "Pf upper bound\t0.0013"};
  const auto lines = ResultReportLines(input, Language::English);
  ASSERT_EQ(lines.size(), plain.size() + 2);
  EXPECT_EQ(lines[27], plain[27]);
  EXPECT_EQ(lines[28], "Pf lower bound\t0.001");
  EXPECT_EQ(lines[29], "Pf upper bound\t0.0013");
  EXPECT_EQ(lines[30], " ");
}

TEST(ResultReportLines, ListsADiscreteResultWithBoundsBetweenItsIntervals) {
  const auto lines = ResultReportLines(ReportInput(HistogramType::Discrete), Language::English);
  const std::vector<std::string> table = IntervalLines(lines);
  // F at the mid-points: 1/16, 1/8 + 5/32 = 9/32, 7/16 + 9/32 = 23/32; frequencies 8 P.
  const std::vector<std::string> expected = {
      "|      |          0.5 |              |              |            0 |",
      "|    1 |            1 |        0.125 |            1 |       0.0625 |",
      "|      |          1.5 |              |              |        0.125 |",
      "|    2 |            2 |       0.3125 |            2 |      0.28125 |",
      "|      |          2.5 |              |              |       0.4375 |",
      "|    3 |            3 |       0.5625 |            4 |      0.71875 |",
      "|      |          3.5 |              |              |            1 |",
  };
  EXPECT_EQ(table, expected);
  EXPECT_EQ(lines[lines.size() - 2],
            "|       T o t a l     |            1 |            8 |              |");
  EXPECT_EQ(lines.back(), "|" + kRule66 + "|");
}

TEST(ResultReportLines, ListsAPureDiscreteResultOneLinePerPoint) {
  const auto lines = ResultReportLines(ReportInput(HistogramType::PureDiscrete), Language::English);
  const std::vector<std::string> expected = {
      "|    1 |            1 |        0.125 |            1 |        0.125 |",
      "|    2 |            2 |       0.3125 |            2 |       0.4375 |",
      "|    3 |            3 |       0.5625 |            4 |            1 |",
  };
  EXPECT_EQ(IntervalLines(lines), expected);
}

TEST(ResultReportLines, KeepsEveryTableLineSixtyEightCharactersWideInBothLanguages) {
  for (const Language language : {Language::English, Language::Czech}) {
    const auto lines = ResultReportLines(ReportInput(HistogramType::Discrete), language);
    const auto header = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
      return line.rfind("|  INT |", 0) == 0;
    });
    ASSERT_NE(header, lines.end());
    for (auto it = header; it != lines.end(); ++it) {
      EXPECT_EQ(CodePoints(*it), 68u) << "[" << *it << "]";
    }
  }
  const auto czech = ResultReportLines(ReportInput(HistogramType::Discrete), Language::Czech);
  EXPECT_EQ(czech[0], " V Ý S L E D N É   P R A V D Ě P O D O B N O S T I ");
  EXPECT_EQ(czech[5], "Násobek  XA : 1.00");
}

// A fresh, empty folder for one test.
fs::path TestFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("dorvex_report_" + name);
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

TEST(WriteResultReport, WritesTheLinesWithCrLfEnds) {
  const fs::path path = TestFolder("write") / "Resulting probabilities.txt";
  const std::vector<std::string> lines = {"first", " ", "last"};
  EXPECT_FALSE(WriteResultReport(path.string(), lines).has_value());
  EXPECT_EQ(ReadAll(path), "first\r\n \r\nlast\r\n");
}

TEST(WriteResultReport, FailsWithCode23AndLeavesTheTargetAlone) {
  const fs::path folder = TestFolder("fail");
  // A folder in the way cannot be replaced by the renamed file.
  const fs::path blocked = folder / "report.doc";
  fs::create_directories(blocked / "inside");
  const auto error = WriteResultReport(blocked.string(), {"text"});
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->code, 23);
  EXPECT_EQ(ComposeReportError(*error, Language::English).text, "Write error ! File report.doc");
  EXPECT_TRUE(fs::is_directory(blocked / "inside"));
  // No temporary file is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

  const auto missing = WriteResultReport((folder / "no" / "such.txt").string(), {"text"});
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->code, 23);
}

TEST(DescriptionTable, PureDiscreteLayoutEndsOnMaxAndTotals) {
  Histogram h = Result(HistogramType::PureDiscrete);
  // Max as read, not Min + 2 d.
  h.Max = 3.0000001;
  const DescriptionGrid grid = DescriptionTable(h, "  load", 16, Language::English);
  EXPECT_EQ(grid.title, "  load");
  EXPECT_EQ(grid.multiplier, 16.0L);
  ASSERT_EQ(grid.rows.size(), 5u);
  EXPECT_EQ(grid.rows[0], (std::vector<std::string>{"  INT", "      x", " Probability P(x)",
                                                    "   Frequency", " Distr.function F(x)"}));
  EXPECT_EQ(grid.rows[1], (std::vector<std::string>{"    1", "           1", "          0.125",
                                                    "           2", "           0.125"}));
  EXPECT_EQ(grid.rows[3][1], "           3");  // 3.0000001 at six digits
  EXPECT_EQ(grid.rows[3][4], "               1");
  EXPECT_EQ(grid.rows[4],
            (std::vector<std::string>{"", "   Total", "   " + std::string(11, ' ') + "1",
                                      "          16", ""}));
}

TEST(DescriptionTable, DiscreteLayoutAlternatesMidPointsAndUpperBounds) {
  const DescriptionGrid grid =
      DescriptionTable(Result(HistogramType::Discrete), "title", 8, Language::Czech);
  ASSERT_EQ(grid.rows.size(), 9u);
  EXPECT_EQ(grid.rows[0][2], "  Pravděpod. P(x)");
  EXPECT_EQ(grid.rows[1],
            (std::vector<std::string>{"", "         0.5", "", "", "               0"}));
  // Interval 2: F at its mid-point is 1/8 + 5/32 = 9/32; its upper bound carries 7/16.
  EXPECT_EQ(grid.rows[4], (std::vector<std::string>{"    2", "           2", "         0.3125",
                                                    "           2", "         0.28125"}));
  EXPECT_EQ(grid.rows[5],
            (std::vector<std::string>{"", "         2.5", "", "", "          0.4375"}));
  EXPECT_EQ(grid.rows[8],
            (std::vector<std::string>{"", "  Celkem", "           1", "           8", ""}));
}

TEST(InputDescriptionTitle, IsTwoBlanksAndTheNameUpToItsFirstPoint) {
  EXPECT_EQ(InputDescriptionTitle("wind.load.dis"), "  wind");
  EXPECT_EQ(InputDescriptionTitle("snow"), "  snow");
}

}  // namespace
}  // namespace dorvex::analysis

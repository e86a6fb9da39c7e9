// The summary, combination and graph windows' texts in both languages.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "texts/table_window_texts.h"

namespace dorvex::texts {
namespace {

TEST(TableWindowTexts, TitlesFollowTheLanguage) {
  struct Case {
    std::string english;
    std::string czech;
    std::string (*title)(Language);
  };
  const Case cases[] = {
      {"  Dorvex :  Summation histogram table", "  Dorvex :  Tabulka histogramů pro sumární histogram",
       [](Language l) { return TableWindowTitle(TableWindow::Summary, l); }},
      {"  Dorvex :  Table of histograms for combinations", "  Dorvex :  Tabulka histogramů pro kombinaci",
       [](Language l) { return TableWindowTitle(TableWindow::Combination, l); }},
      {"  Dorvex   :   Graph", "  Dorvex   :   Graf", TableGraphWindowTitle},
      {"Summary_histogram", "Sumární Histogram",
       [](Language l) { return ResultGraphTitle(TableWindow::Summary, l); }},
      {"Combination", "Histogram Kombinace",
       [](Language l) { return ResultGraphTitle(TableWindow::Combination, l); }},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.title(Language::English), c.english);
    EXPECT_EQ(c.title(Language::Czech), c.czech);
  }
}

TEST(TableWindowTexts, EveryButtonOfBothWindowsHasACaptionInBothLanguages) {
  const char* summary[] = {"OtevriSum", "DelRow", "SaveSuma", "VypocetSuma", "ExitForm7", "OtevHistSuma",
                           "GrafHistSuma", "Label16"};
  const char* combination[] = {"OtevriKomb", "DelRow", "SaveKomb", "VypocetKomb", "ExitForm", "OtevHistKomb",
                               "GrafHistKomb", "Label16"};
  for (Language language : {Language::English, Language::Czech}) {
    for (const char* name : summary) EXPECT_FALSE(TableControlCaption(TableWindow::Summary, name, language).empty()) << name;
    for (const char* name : combination)
      EXPECT_FALSE(TableControlCaption(TableWindow::Combination, name, language).empty()) << name;
  }
  EXPECT_EQ(TableControlCaption(TableWindow::Summary, "Label16", Language::Czech), "Max.intervalů :");
  EXPECT_EQ(TableControlCaption(TableWindow::Summary, "NoSuchControl", Language::English), "");
}

TEST(TableWindowTexts, TableFileDialogsNameTheirKind) {
  const TableFileDialogTexts summary = TableFileDialog(TableWindow::Summary, Language::Czech);
  EXPECT_EQ(summary.fileName, "SumarniHistogram");
  EXPECT_EQ(summary.extension, "sum");
  EXPECT_EQ(summary.filters, (std::vector<std::string>{"Distributions Files (*.sum)", "All files (*.*)"}));
  const TableFileDialogTexts combination = TableFileDialog(TableWindow::Combination, Language::English);
  EXPECT_EQ(combination.fileName, "Combinations_Table");
  EXPECT_EQ(TableFileDialog(TableWindow::Combination, Language::Czech).fileName, "Tabulka_Kombinací");
  EXPECT_EQ(combination.extension, "kom");
  EXPECT_EQ(RowFileDialog().filters.front(), "Distributions Files (*.dis)");
}

TEST(TableWindowTexts, GraphSummaryNamesFollowTheLanguage) {
  EXPECT_EQ(TableGraphSummaryNames(Language::English),
            (std::vector<std::string>{"Min", "Max", "Number of intervals"}));
  EXPECT_EQ(TableGraphSummaryNames(Language::Czech), (std::vector<std::string>{"Min", "Max", "Počet intervalů"}));
}

}  // namespace
}  // namespace dorvex::texts

// The raw-data and fit table windows' texts in both languages.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "texts/raw_data_window_texts.h"

namespace dorvex::texts {
namespace {

TEST(RawDataWindowTexts, CaptionsFollowTheLanguage) {
  struct Case {
    const char* name;
    const char* english;
    const char* czech;
  };
  const Case cases[] = {
      {"LabTypPara", "Type ( by closeness )", "Typ ( podle těsnosti )"},
      {"GroupBox3", "Raw data", "Prvotní data"},
      {"BSave", "&Save  ", "&Save  "},
      {"Bcancel", "C&ancel", "C&ancel"},
      {"ChBVymazRadkuTab", "Eliminate ?", "Odstranit ?"},
      {"LabTypVyberu", "Sort at : ", "Seřadit podle"},
      {"LabPocetIntervalu", "Intervals", "Intervalů"},
      {"BStopParam", "Stop", "Přerušit"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RawDataControlCaption(c.name, Language::English), c.english) << c.name;
    EXPECT_EQ(RawDataControlCaption(c.name, Language::Czech), c.czech) << c.name;
  }
  EXPECT_EQ(RawDataControlCaption("NoSuchControl", Language::English), "");
  EXPECT_NE(RemoveRowsQuestion(Language::Czech), RemoveRowsQuestion(Language::English));
}

TEST(RawDataWindowTexts, WindowTitles) {
  EXPECT_EQ(RawDataWindowTitle(Language::Czech), "  Dorvex :  Prvotní data");
  EXPECT_EQ(FitTableWindowTitle(Language::English),
            "  Dorvex : Table of applicable histograms with parametric probability distribution");
  EXPECT_EQ(FitTableWindowTitle(Language::Czech),
            "  Dorvex : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti");
}

TEST(RawDataWindowTexts, ListsAndGridRows) {
  EXPECT_EQ(RawDataListItems("CBValInd", Language::Czech), (std::vector<std::string>{"Index x", "Hodnota x"}));
  EXPECT_EQ(RawDataListItems("CBMarks", Language::English).size(), 5u);
  EXPECT_EQ(GoodnessSortItems(), (std::vector<std::string>{"KS", "ln L", "AIC", "BIC"}));
  EXPECT_EQ(RawDataGridRowNames("StringGrid3", Language::Czech),
            (std::vector<std::string>{"Počet prvků", "Mi", "Sigma", "Šikmost"}));
  EXPECT_EQ(RawDataGridRowNames("StringGrid1", Language::English),
            (std::vector<std::string>{"Xmin", "Xmax", "Median", "Mode"}));
  EXPECT_TRUE(RawDataGridRowNames("NoSuchGrid", Language::English).empty());
}

}  // namespace
}  // namespace dorvex::texts

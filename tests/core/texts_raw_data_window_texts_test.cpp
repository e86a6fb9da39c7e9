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
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RawDataControlCaption(c.name, Language::English), c.english) << c.name;
    EXPECT_EQ(RawDataControlCaption(c.name, Language::Czech), c.czech) << c.name;
  }
  EXPECT_EQ(RawDataControlCaption("NoSuchControl", Language::English), "");
}

TEST(RawDataWindowTexts, WindowTitles) {
  EXPECT_EQ(RawDataWindowTitle(Language::Czech), "  Dorvex :  Prvotní data");
  EXPECT_EQ(FitTableWindowTitle(Language::English),
            "  Dorvex : Table of applicable histograms with parametric probability distribution");
  EXPECT_EQ(FitTableWindowTitle(Language::Czech),
            "  Dorvex : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti");
}

TEST(RawDataWindowTexts, SortKeysKeepTheirPlacesAndAddKsAicBic) {
  const std::vector<std::string> czech = RawDataListItems("CBTypVyberu", Language::Czech);
  ASSERT_EQ(czech.size(), 13u);
  EXPECT_EQ(czech[0], "");
  EXPECT_EQ(czech[1], "Těsnost");
  EXPECT_EQ(czech[4], "Mi x");
  EXPECT_EQ(czech[6], "Sigma x^2");
  EXPECT_EQ(czech[9], "Špičatosti");
  EXPECT_EQ(czech[12], "BIC");
  EXPECT_EQ(RawDataListItems("CBTypVyberu", Language::English)[9], "Kurtosis");
  EXPECT_EQ(RawDataListItems("CBVyber", Language::English),
            (std::vector<std::string>{"RawData", "Histogram- RawData"}));
}

TEST(RawDataWindowTexts, FitGridHeadersInBothLanguages) {
  const std::vector<std::string> english = FitTableHeaders("SGChar", Language::English);
  const std::vector<std::string> czech = FitTableHeaders("SGChar", Language::Czech);
  ASSERT_EQ(english.size(), 15u);
  ASSERT_EQ(czech.size(), english.size());
  EXPECT_EQ(english[0], " i");
  EXPECT_EQ(english[6], " Dispersion");
  EXPECT_EQ(czech[7], " Směrodatná odchylka");
  EXPECT_EQ(czech[8], " Variační koeficient [%]");
  EXPECT_EQ(english[11], " KS");
  EXPECT_EQ(FitTableHeaders("SGCharPDZ", Language::Czech)[0], " Střední hodnota");
  EXPECT_EQ(RawDataGridRowNames("StringGrid3", Language::English).size(), 4u);
}

}  // namespace
}  // namespace dorvex::texts

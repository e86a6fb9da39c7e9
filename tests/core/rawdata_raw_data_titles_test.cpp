// The chart titles and captions of the primary-data window.

#include <gtest/gtest.h>

#include "rawdata/raw_data_titles.h"
#include "sources/distribution.h"

namespace dorvex::rawdata {
namespace {

using texts::Language;

TEST(DataChartTitle, NamesTheListTextTheFileAndTheMoment) {
  const workbench::ClockReading clock{2026, 3, 5, 9, 7, 0};
  const auto en = DataChartTitle("Normal", "/data/Raw data/Steel.txt", clock, {'.', ':'}, Language::English);
  EXPECT_EQ(en, (std::vector<std::string>{"Raw datas    : Normal", ", Data file - Steel ( 5.3.2026 , 09:07:00 )"}));
  const auto cs = DataChartTitle("", "Steel.txt", clock, {'-', '.'}, Language::Czech);
  EXPECT_EQ(cs, (std::vector<std::string>{"Prvotní data    : ", ", Prv.data - Steel ( 5-3-2026 , 09.07.00 )"}));
}

TEST(FitChartTitle, NamesTheTypeItsParametersAndTheFile) {
  EXPECT_EQ(FitChartTitle(sources::kNormal, "Mi=400,Sigma=40", "a/Steel.txt", Language::English),
            (std::vector<std::string>{"Parametric distribution function - Normal ( Mi=400,Sigma=40",
                                      ", Data file - Steel"}));
  EXPECT_EQ(FitChartTitle(sources::kNormal, "x", "Steel.txt", Language::Czech)[0], "Par.funkce - Normální ( x");
}

TEST(FitCaptions, FrameTheDescription) {
  EXPECT_EQ(RankedFitCaption("Mi=1", Language::English), "  Parameters of input : Mi=1  ");
  EXPECT_EQ(ChosenFitCaption("Mi=1", Language::Czech), "Parametry vstupu  : F ( x | Mi=1");
  EXPECT_EQ(ChosenClosenessText(0.9876543), "0.98765");
  EXPECT_EQ(ChosenClosenessText(1.0), "1.00000");
  EXPECT_EQ(DataReportTitle(Language::English),
            "Characteristics of the histogram with non-parametric probability distribution :");
  EXPECT_EQ(FitReportTitle("Gama", Language::English),
            "Characteristics of the histogram with parametric probability distribution : Gama");
}

}  // namespace
}  // namespace dorvex::rawdata

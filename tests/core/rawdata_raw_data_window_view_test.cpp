// What the raw-data window shows: its small tables, chart titles, captions and the
// dialogs' filters.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "rawdata/raw_data_window_view.h"
#include "rawdata/raw_sample.h"
#include "statvex/number_text.h"

namespace dorvex::rawdata {
namespace {

using texts::Language;

constexpr workbench::ClockReading kMorning{2024, 3, 5, 9, 5, 0};

TEST(RawDataWindowView, ChartTitlesNameTheFileWithoutFolderAndExtension) {
  const auto data = DataHistogramTitle("/data/Raw data/yields.txt", "", kMorning, {}, Language::English);
  EXPECT_EQ(data[0], "Raw datas    : ");
  EXPECT_EQ(data[1], ", Data file - yields ( 5.3.2024 , 09:05:00 )");
  const auto fit = FitTitle("/data/yields.txt", "Normal", "Mi=300 , Sigma=20", Language::Czech);
  EXPECT_EQ(fit[0], "Par.funkce - Normal ( Mi=300 , Sigma=20");
  EXPECT_EQ(fit[1], ", Prv.data - yields");
}

TEST(RawDataWindowView, CaptionsAndClosenessTexts) {
  EXPECT_EQ(RankedFitCaption("Normal ( Mi=1", Language::English), "  Parameters of input : Normal ( Mi=1  ");
  EXPECT_EQ(ChosenFitCaption("Mi=1", Language::English), "Parameters of input : F ( x | Mi=1");
  EXPECT_EQ(ChosenClosenessText(0.987654321), "0.98765");
  EXPECT_EQ(RankedClosenessText(0.5), statvex::DisplayNumber(0.5));
  EXPECT_EQ(EditorLineText(12), " 12");
}

TEST(RawDataWindowView, DialogFiltersAreTheNamesOfTheFilterText) {
  EXPECT_EQ(RawDataDialogFilters(), (std::vector<std::string>{"Distributions Files (*.txt)", "All files (*.*)"}));
}

TEST(RawDataWindowView, SampleTableWritesCountAndMoments) {
  SampleCharacteristics sample;
  sample.n = 3;
  sample.mean = 2.0;
  sample.standardDeviation = 1.0;
  sample.skewness = 0.0;
  const auto cells = SampleTableTexts(sample);
  EXPECT_EQ(cells[0], "     3");
  EXPECT_EQ(cells[1], statvex::DisplayNumber(2.0));
  EXPECT_EQ(cells[3], statvex::DisplayNumber(0.0));
  sample.skewness = std::nan("");
  EXPECT_EQ(SampleTableTexts(sample)[3], " undefined");
}

TEST(RawDataWindowView, DisplayTableOfASymmetricHistogram) {
  // Three equal intervals on 1, 2, 3: median and mode at the middle and the first.
  ProbabilityArray P{};
  P[1] = 0.25;
  P[2] = 0.5;
  P[3] = 0.25;
  const auto cells = DisplayTableTexts(P, 3, 1.0, 3.0, model::HistogramType::PureDiscrete);
  EXPECT_EQ(cells[0], statvex::DisplayNumber(1.0));
  EXPECT_EQ(cells[1], statvex::DisplayNumber(3.0));
  EXPECT_EQ(cells[2], statvex::DisplayNumber(2.0));
  EXPECT_EQ(cells[3], statvex::DisplayNumber(2.0));
}

}  // namespace
}  // namespace dorvex::rawdata

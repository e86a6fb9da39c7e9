// What the raw-data window shows of its sample, its dialogs' filters and the
// editor's line counter.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "rawdata/raw_data_window_view.h"
#include "rawdata/raw_sample.h"
#include "statvex/number_text.h"

namespace dorvex::rawdata {
namespace {

TEST(RawDataWindowView, EditorAndClosenessTexts) {
  EXPECT_EQ(RankedClosenessText(0.5), statvex::DisplayNumber(0.5));
  EXPECT_EQ(EditorLineText(12), " 12");
  EXPECT_EQ(EditorLineText(0), " 0");
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

}  // namespace
}  // namespace dorvex::rawdata

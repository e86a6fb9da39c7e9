#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings/settings_listing.h"

namespace {

using dorvex::settings::kSectionPosition;
using dorvex::settings::kSectionSetting;
using dorvex::settings::ReadSettingsListing;
using dorvex::settings::SettingsFile;
using dorvex::settings::SettingsListingRow;
using dorvex::settings::SettingsListingRows;
using dorvex::settings::WriteDefaultWindowSettings;

TEST(SettingsListingRows, SectionsAreKeysWithoutValuesAndKeysSplitAtTheFirstEquals) {
  const std::vector<SettingsListingRow> rows =
      SettingsListingRows("[--  Position  --]\r\nProb_u-Form1.left=10\r\n\r\n[--  Setting  --]\nA=b=c\n");
  const std::vector<SettingsListingRow> expected = {
      {"[--  Position  --]", ""}, {"Prob_u-Form1.left", "10"}, {"[--  Setting  --]", ""}, {"A", "b=c"}};
  EXPECT_EQ(rows, expected);
}

TEST(SettingsListingRows, AMissingFileGivesNoListing) {
  EXPECT_FALSE(ReadSettingsListing("/nonexistent/folder/Dorvex.INI").has_value());
}

TEST(WriteDefaultWindowSettings, PlacementsMarksEpsAndIntervalsOfTheOtherWindows) {
  SettingsFile file("unused.ini");
  file.WriteInteger(kSectionPosition, "ParamRozdel-Form12.width", 1234);
  file.WriteInteger(kSectionSetting, "PrvotniData-Form14.CBMarks.ItemIndex", 4);
  WriteDefaultWindowSettings(file, 1600);
  EXPECT_EQ(file.ReadInteger(kSectionPosition, "ParamRozdel-Form12.width", 0), 886);
  EXPECT_EQ(file.ReadInteger(kSectionPosition, "TabChar-Form19.width", 0), 1600);
  EXPECT_EQ(file.ReadInteger(kSectionPosition, "PrvotniData-Form14.width", 0), 1020);
  EXPECT_EQ(file.ReadInteger(kSectionSetting, "PrvotniData-Form14.CBMarks.ItemIndex", 0), 2);
  EXPECT_EQ(file.ReadInteger(kSectionSetting, "KrivkaTrvani-Form8.SpinEdAngle.Value", 0), 90);
  EXPECT_EQ(file.ReadString(kSectionPosition, "ParamRozdel-Form12.Eps", ""), "0.0000001");
  EXPECT_EQ(file.ReadString(kSectionPosition, "PrvotniData-Form14.PocetIntervalu", ""), "128");
  EXPECT_FALSE(file.HasKey(kSectionPosition, "Prob_u-Form1.width"));
}

}  // namespace

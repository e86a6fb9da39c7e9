// The colours a user sets: kept through the settings file, system colours
// included, and what "Default values" resets.

#include <gtest/gtest.h>

#include "settings/colour_scheme.h"
#include "settings/settings_file.h"

namespace {

using namespace dorvex::settings;

TEST(ColourScheme, MissingKeysGiveTheDesignColours) {
  SettingsFile empty("unused.ini");
  const ColourScheme read = ReadColourScheme(empty);
  EXPECT_EQ(read.item[kFormsBackground], kSystemButtonFace);
  EXPECT_EQ(read.item[kInputBars], 0x00FFFFu);
  EXPECT_EQ(read.item[kResultBars], 0xF0CAA6u);
  EXPECT_EQ(read.item[kDurationBars], 0xC0DCC0u);
  EXPECT_EQ(read.item[kOperationText], 0x0000FFu);
  EXPECT_EQ(read.statusBar, 0xFFFFFFu);
}

TEST(ColourScheme, RoundTripsThroughTheFileWithSystemColours) {
  ColourScheme scheme = DesignColours();
  for (int i = 0; i < kColourItemCount; ++i) scheme.item[static_cast<std::size_t>(i)] = 0x010203u * (i + 1);
  scheme.item[kChartBackground] = 0xFF000005;  // a system colour
  scheme.toolBarPanel = 0x123456;
  SettingsFile file("unused.ini");
  WriteColourScheme(file, scheme);

  SettingsFile reread("unused.ini");
  reread.LoadText(file.Text());
  const ColourScheme back = ReadColourScheme(reread);
  EXPECT_EQ(back.item, scheme.item);
  EXPECT_EQ(back.toolBarPanel, 0x123456u);
  EXPECT_TRUE(IsSystemColour(back.item[kChartBackground]));
  EXPECT_FALSE(IsSystemColour(back.item[kInputBars]));
  // The keys the file has always had.
  EXPECT_EQ(reread.ReadInteger(kSectionSetting, "Color- histogram", 0), static_cast<int>(scheme.item[kInputBars]));
  EXPECT_EQ(reread.ReadInteger(kSectionSetting, "Color- FORM1 pozadi", 0), static_cast<int>(scheme.item[kFormsBackground]));
}

TEST(ColourScheme, DefaultValuesResetTheItemsOnly) {
  ColourScheme scheme = DesignColours();
  scheme.item[kInputBars] = 0x111111;
  scheme.item[kFormsBackground] = 0x222222;
  scheme.inputPanel = 0x333333;
  const ColourScheme reset = WithDefaultValues(scheme);
  EXPECT_EQ(reset.item, DesignColours().item);
  EXPECT_EQ(reset.inputPanel, 0x333333u);
}

TEST(ColourScheme, AValueOfTheWrongKindReadsAsTheDesignColour) {
  SettingsFile file("unused.ini");
  file.LoadText("[--  Setting  --]\nColor- histogram=yellow\nColor- hodnota x=255\n");
  const ColourScheme read = ReadColourScheme(file);
  EXPECT_EQ(read.item[kInputBars], 0x00FFFFu);
  EXPECT_EQ(read.item[kValueColour], 255u);
}

}  // namespace

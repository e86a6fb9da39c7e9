#include <gtest/gtest.h>

#include <string>

#include "settings/settings_file.h"
#include "settings/window_placement.h"

namespace {

using dorvex::settings::kSectionPosition;
using dorvex::settings::PlacementKeysOf;
using dorvex::settings::ReadWindowPlacement;
using dorvex::settings::ResetWindowPlacement;
using dorvex::settings::SettingsFile;
using dorvex::settings::WindowPlacement;
using dorvex::settings::WriteWindowPlacement;

constexpr int kScreenWidth = 1920;

TEST(WindowPlacement, MissingKeysGiveTheCornerAndTheDefaultSize) {
  const SettingsFile empty("unused.ini");
  struct Case {
    int window;
    WindowPlacement expected;
  };
  const Case cases[] = {
      {2, {0, 0, 341, 534}},   {3, {0, 0, 575, 374}},  {6, {0, 0, 500, 389}},
      {8, {0, 0, 704, 400}},   {10, {0, 0, 750, 321}}, {14, {0, 0, 1000, 600}},
      {19, {0, 0, kScreenWidth, 600}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadWindowPlacement(empty, c.window, kScreenWidth), c.expected) << c.window;
  EXPECT_FALSE(PlacementKeysOf(1));
  EXPECT_FALSE(PlacementKeysOf(17));
}

// The odd spellings: a comma after Form10, no dash in window 11, and windows 16
// and 18 writing "Width" where they read "width".
TEST(WindowPlacement, KeysKeepTheirOddSpellings) {
  struct Case {
    int window;
    const char* leftKey;
    const char* widthKey;
  };
  const Case cases[] = {
      {8, "KrivkaTrvani-Form8.left", "KrivkaTrvani-Form8.width"},
      {10, "Kombinace-Form10,left", "Kombinace-Form10,Width"},
      {11, "SumarniHistogramForm11.left", "SumarniHistogramForm11.Width"},
      {16, "VistaHlp-Form16.left", "VistaHlp-Form16.Width"},
      {18, "PopisHistogramu-Form18.left", "PopisHistogramu-Form18.Width"},
  };
  for (const Case& c : cases) {
    SettingsFile file("unused.ini");
    WriteWindowPlacement(file, c.window, {11, 22, 333, 444});
    const std::string text = file.Text();
    EXPECT_NE(text.find(std::string(c.leftKey) + "=11\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(std::string(c.widthKey) + "=333\r\n"), std::string::npos) << text;
    EXPECT_EQ(ReadWindowPlacement(file, c.window, kScreenWidth), (WindowPlacement{11, 22, 333, 444})) << c.window;
  }
}

TEST(WindowPlacement, WindowsSixteenAndEighteenReadTheLowerCaseKeyOfAnOlderFile) {
  SettingsFile file("unused.ini");
  file.LoadText("[--  Position  --]\r\nVistaHlp-Form16.width=640\r\nPopisHistogramu-Form18.height=500\r\n");
  EXPECT_EQ(ReadWindowPlacement(file, 16, kScreenWidth).width, 640);
  EXPECT_EQ(ReadWindowPlacement(file, 18, kScreenWidth).height, 500);
}

TEST(WindowPlacement, DefaultValuesGiveTheResetSizes) {
  struct Case {
    int window;
    int width, height;
  };
  const Case cases[] = {{1, 711, 600}, {8, 704, 400}, {10, 750, 300}, {11, 770, 440},
                        {14, 1020, 600}, {19, kScreenWidth, 600}};
  for (const Case& c : cases) {
    EXPECT_EQ(ResetWindowPlacement(c.window, kScreenWidth), (WindowPlacement{0, 0, c.width, c.height})) << c.window;
  }
}

}  // namespace

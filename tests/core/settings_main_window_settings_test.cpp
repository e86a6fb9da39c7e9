// The main window's keys of the settings file.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "settings/main_window_settings.h"
#include "settings/settings_file.h"

namespace dorvex::settings {
namespace {

TEST(MainWindowSettings, AnEmptyFileGivesTheDefaultsAndThePassedSize) {
  const SettingsFile file("/nonexistent/Dorvex.INI");
  const MainWindowSettings values = ReadMainWindowSettings(file, 1100, 760);
  EXPECT_EQ(values.width, 1100);
  EXPECT_EQ(values.height, 760);
  EXPECT_EQ(values.pointLimit, 256);
  EXPECT_TRUE(values.english);
  EXPECT_FALSE(values.czech);
  EXPECT_TRUE(values.valueLabels);
  EXPECT_EQ(values.marksItem, 2);
  EXPECT_EQ(values.labelAngle, 90);
  EXPECT_EQ(values.operationItem, 1);
  EXPECT_EQ(values.dateSeparator, '.');
  EXPECT_EQ(values.timeSeparator, ':');
}

TEST(MainWindowSettings, WhatIsWrittenReadsBack) {
  MainWindowSettings values;
  values.left = 10;
  values.height = 750;
  values.pointLimit = 300;
  values.statusBar = false;
  values.czech = true;
  values.english = false;
  values.marksItem = 4;
  values.operationItem = 0;
  values.dateSeparator = '-';
  SettingsFile file("/nonexistent/Dorvex.INI");
  WriteMainWindowSettings(values, file);
  EXPECT_EQ(file.ReadInteger(kSectionPosition, "Prob_u-Form1.left", -1), 10);
  EXPECT_EQ(file.ReadBool(kSectionNastaveni, "Form1 Prikazova radka", true), false);
  EXPECT_EQ(file.ReadBool(kSectionSetting, "Color- jazyk cesky", false), true);
  const MainWindowSettings back = ReadMainWindowSettings(file, 1, 1);
  EXPECT_EQ(back.height, 750);
  EXPECT_EQ(back.pointLimit, 300);
  EXPECT_FALSE(back.statusBar);
  EXPECT_TRUE(back.czech);
  EXPECT_EQ(back.marksItem, 4);
  EXPECT_EQ(back.operationItem, 0);
  EXPECT_EQ(back.dateSeparator, '-');
}

TEST(MainWindowSettings, ADataLabelItemOutsideTheListReadsAsItemTwo) {
  SettingsFile file("/nonexistent/Dorvex.INI");
  file.WriteInteger(kSectionSetting, "Prob_u-Form1.CBMarks.ItemIndex", 7);
  EXPECT_EQ(ReadMainWindowSettings(file, 1, 1).marksItem, 2);
  file.WriteInteger(kSectionSetting, "Prob_u-Form1.CBMarks.ItemIndex", -1);
  EXPECT_EQ(ReadMainWindowSettings(file, 1, 1).marksItem, 2);
}

TEST(MainWindowSettings, ATargetIndexOutsideZeroToTenOrNoNumberReadsAsTheDefault) {
  const std::pair<const char*, double> cases[] = {{"4.2", 4.2}, {"0", 3.8}, {"-1", 3.8}, {"50", 3.8}, {"abc", 3.8}};
  for (const auto& [text, expected] : cases) {
    SettingsFile file("unused.ini");
    file.LoadText(std::string("[--  Setting  --]\nForm1 Target beta=") + text + "\n");
    EXPECT_DOUBLE_EQ(ReadMainWindowSettings(file, 800, 600).targetIndex, expected) << text;
  }
}

TEST(WriteLastFile, EachFileHasItsKey) {
  SettingsFile file("/nonexistent/Dorvex.INI");
  WriteLastFile(file, LastFile::InputB, "/data/b.dis");
  WriteLastFile(file, LastFile::ResultReport, "/data/r.txt");
  EXPECT_EQ(file.ReadString(kSectionInputFile, "Histogram B", ""), "/data/b.dis");
  EXPECT_EQ(file.ReadString(kSectionOutputFile, "Výsledky  AB", ""), "/data/r.txt");
}

}  // namespace
}  // namespace dorvex::settings

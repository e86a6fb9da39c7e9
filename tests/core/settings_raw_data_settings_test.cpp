// The raw-data window's and the fit table window's keys of the settings file.

#include <gtest/gtest.h>

#include "settings/raw_data_settings.h"
#include "settings/settings_file.h"

namespace dorvex::settings {
namespace {

TEST(RawDataWindowSettings, AnEmptyFileGivesTheDefaults) {
  const SettingsFile file("/nonexistent/Dorvex.INI");
  const RawDataWindowSettings v = ReadRawDataWindowSettings(file);
  EXPECT_EQ(v.left, 0);
  EXPECT_EQ(v.width, 1000);
  EXPECT_EQ(v.height, 600);
  EXPECT_EQ(v.eps, "1E-7");
  EXPECT_EQ(v.intervals, "128");
  EXPECT_EQ(v.marksItem, 2);
  EXPECT_EQ(v.labelAngle, 90);
}

TEST(RawDataWindowSettings, WhatIsWrittenReadsBackUnderItsKeys) {
  RawDataWindowSettings v;
  v.left = 12;
  v.height = 640;
  v.eps = "1E-5";
  v.intervals = "64";
  v.marksItem = 4;
  v.labelAngle = 45;
  SettingsFile file("/nonexistent/Dorvex.INI");
  WriteRawDataWindowSettings(v, file);
  EXPECT_EQ(file.ReadString(kSectionPosition, "PrvotniData-Form14.Eps", ""), "1E-5");
  EXPECT_EQ(file.ReadString(kSectionPosition, "PrvotniData-Form14.PocetIntervalu", ""), "64");
  EXPECT_EQ(file.ReadInteger(kSectionSetting, "PrvotniData-Form14.CBMarks.ItemIndex", -1), 4);
  EXPECT_EQ(file.ReadInteger(kSectionSetting, "PrvotniData-Form14.SpinEdAngle.Value", -1), 45);
  const RawDataWindowSettings back = ReadRawDataWindowSettings(file);
  EXPECT_EQ(back.left, 12);
  EXPECT_EQ(back.height, 640);
  EXPECT_EQ(back.eps, "1E-5");
  EXPECT_EQ(back.intervals, "64");
}

TEST(RawDataWindowSettings, AMarksItemOutsideTheListGivesItem2) {
  SettingsFile file("/nonexistent/Dorvex.INI");
  file.WriteInteger(kSectionSetting, "PrvotniData-Form14.CBMarks.ItemIndex", 9);
  EXPECT_EQ(ReadRawDataWindowSettings(file).marksItem, 2);
}

TEST(FitTableWindowSettings, WidthDefaultsToTheScreenAndReadsBack) {
  SettingsFile file("/nonexistent/Dorvex.INI");
  EXPECT_EQ(ReadFitTableWindowSettings(file, 1680).width, 1680);
  EXPECT_EQ(ReadFitTableWindowSettings(file, 1680).height, 600);
  WriteFitTableWindowSettings({5, 6, 900, 700}, file);
  EXPECT_EQ(file.ReadInteger(kSectionPosition, "TabChar-Form19.width", -1), 900);
  const FitTableWindowSettings back = ReadFitTableWindowSettings(file, 1680);
  EXPECT_EQ(back.left, 5);
  EXPECT_EQ(back.top, 6);
  EXPECT_EQ(back.height, 700);
}

}  // namespace
}  // namespace dorvex::settings

#pragma once
// The settings-file keys of the raw-data window and of the fit table window it opens.

#include <string>

#include "settings/settings_file.h"

namespace dorvex::settings {

// Everything of the raw-data window the settings file keeps, with its defaults.
struct RawDataWindowSettings {
  int left = 0;
  int top = 0;
  int width = 1000;
  int height = 600;
  std::string eps = "1E-7";
  std::string intervals = "128";
  int marksItem = 2;  // item of the data-label list, 0..4
  int labelAngle = 90;
};

// The keys as stored; a missing or unreadable key gives its default, a data-label
// item outside the list item 2.
RawDataWindowSettings ReadRawDataWindowSettings(const SettingsFile& file);
void WriteRawDataWindowSettings(const RawDataWindowSettings& values, SettingsFile& file);

// Placement of the fit table window; its width defaults to the screen's.
struct FitTableWindowSettings {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 600;
};

FitTableWindowSettings ReadFitTableWindowSettings(const SettingsFile& file, int screenWidth);
void WriteFitTableWindowSettings(const FitTableWindowSettings& values, SettingsFile& file);

}  // namespace dorvex::settings

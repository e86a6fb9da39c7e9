#pragma once
// The main window's keys of the settings file: placement, check marks, the data
// label options, the operation, the separators, and the last files opened and saved.

#include <string>
#include <string_view>

#include "settings/settings_file.h"

namespace dorvex::settings {

// Everything of the main window the settings file keeps, with its defaults.
struct MainWindowSettings {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // Points of a Pure Discrete result ("Pocet intervalu"); no control shows it.
  int pointLimit = 256;
  bool chartToolBar = true;
  bool traceReadA = false;
  bool traceReadB = false;
  bool statusBar = true;
  bool indexLabels = false;
  bool valueLabels = true;
  bool helpViewerAdvice = true;
  int marksItem = 2;  // item of the data-label list, 0..4
  int labelAngle = 90;
  bool czech = false;
  bool english = true;
  bool highlightOn = true;
  bool highlightOff = false;
  bool htmlHelp = true;
  bool winHelp = false;
  int operationItem = 1;
  // Character codes as stored; one the menus do not offer is kept as it is.
  int dateSeparator = '.';
  int timeSeparator = ':';
  // The reliability index a result's beta is compared with (ultimate limit states,
  // 50 years, unless the user sets another).
  double targetIndex = 3.8;
};

// The keys as stored; a missing or unreadable key gives its default, the size the
// one passed, a data-label item outside the list item 2.
// The largest target index the program takes (Pf about 1E-23).
inline constexpr double kLargestTargetIndex = 10.0;

MainWindowSettings ReadMainWindowSettings(const SettingsFile& file, int defaultWidth, int defaultHeight);
// Writes every key, in the order the file has always had them.
void WriteMainWindowSettings(const MainWindowSettings& values, SettingsFile& file);

// The files the main window opened and saved last.
enum class LastFile { InputA, InputB, ResultHistogram, ResultReport };
void WriteLastFile(SettingsFile& file, LastFile which, std::string_view path);

}  // namespace dorvex::settings

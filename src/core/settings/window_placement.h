#pragma once
// Where every window but the main one keeps its position and size in the settings
// file, with the odd spellings the file has always had, and the sizes "Default
// values" gives the windows.

#include <optional>
#include <string>

#include "settings/settings_file.h"

namespace dorvex::settings {

// The keys of window `number`: prefix + "left" / "top" and the two size keys, which
// some windows read in one case and write in another (keys compare without case, so
// both address the same key).
struct WindowPlacementKeys {
  int number = 0;
  const char* prefix = "";  // "TabVypisu-Form3.", "Kombinace-Form10,", "SumarniHistogramForm11."
  const char* readWidth = "Width";
  const char* readHeight = "Height";
  const char* writtenWidth = "Width";
  const char* writtenHeight = "Height";
  int defaultWidth = 0;  // 0: the screen's width
  int defaultHeight = 0;
  int resetWidth = 0;  // the size "Default values" gives; 0: the screen's width
  int resetHeight = 0;
};

// The keys of window `number` (2 ... 19 except 17); none for another number.
std::optional<WindowPlacementKeys> PlacementKeysOf(int number);

struct WindowPlacement {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const WindowPlacement&) const = default;
};

// The stored placement of window `number`; missing keys give 0, 0 and the default
// size (a default width of the screen takes `screenWidth`).
WindowPlacement ReadWindowPlacement(const SettingsFile& file, int number, int screenWidth);
// Writes the four keys of window `number` in the case its writer has always used.
void WriteWindowPlacement(SettingsFile& file, int number, const WindowPlacement& placement);
// The placement "Default values" gives window `number`: 0, 0 and its reset size.
WindowPlacement ResetWindowPlacement(int number, int screenWidth);
// The main window's reset size (its first start has a size of its own).
inline constexpr int kMainWindowResetWidth = 711;
inline constexpr int kMainWindowResetHeight = 600;

}  // namespace dorvex::settings

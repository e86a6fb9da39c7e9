#pragma once
// Position and size of a small window kept in the settings file, and the habit of
// the listing windows to close as soon as another window becomes active.

#include <QString>
#include <QWidget>

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

// Where a window keeps its placement: prefix + ".left" / ".top" and the two size
// keys, with the defaults used when the file has none.
struct PlacementKeys {
  const char* prefix;
  const char* widthKey;   // ".Width" or ".width"
  const char* heightKey;  // ".Height" or ".height"
  int defaultWidth;
  int defaultHeight;
};

// Fixes the width to the default, keeps the height at least the default, and moves
// and sizes `window` as `settings` says (nothing read when `settings` is null).
void RestorePlacement(QWidget* window, const settings::SettingsFile* settings, const PlacementKeys& keys);
// Writes the window's position and size into `settings` (nothing when null).
void SavePlacement(const QWidget* window, settings::SettingsFile* settings, const PlacementKeys& keys);

// True when `event` says that `window` stopped being the active window.
bool LostActivation(const QWidget* window, const QEvent* event);

}  // namespace dorvex::gui

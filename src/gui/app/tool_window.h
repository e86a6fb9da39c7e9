#pragma once
// The habits of the small tool windows (listings): their position and size kept in
// the settings file, and closing as soon as another window becomes active or the
// user clicks into their table.

#include <QObject>

class QWidget;

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

// Attached to a tool window (as its child): fixes the width to the default, keeps
// the height at least the default and places the window as `settings` says; writes
// the placement back when the window closes; closes the window when it stops being
// the active window. `settings` (may be null: nothing read or written) outlives it.
class ToolWindowPlacement : public QObject {
  Q_OBJECT

 public:
  ToolWindowPlacement(QWidget* window, settings::SettingsFile* settings, const PlacementKeys& keys);

  // A mouse press into `area` closes the window too.
  void CloseOnClick(QWidget* area);
  // While held, losing the activation does not close the window (a dialog of its own
  // is open over it).
  void HoldOpen(bool held) { held_ = held; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Restore();
  void Save();

  QWidget* window_;
  settings::SettingsFile* settings_;
  PlacementKeys keys_;
  QWidget* clickArea_ = nullptr;
  bool held_ = false;
};

}  // namespace dorvex::gui

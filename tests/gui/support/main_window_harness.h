#pragma once
// A main window on a temporary folder, the scripted platform and its own settings
// file, with the steps a user takes on it.

#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "app/main_window.h"
#include "fake_platform.h"
#include "settings/settings_file.h"

class QLineEdit;

namespace dorvex::gui::testing {

class MainWindowHarness {
 public:
  // Starts the window (no splash) on an empty settings file, so in English, and
  // waits until it is active.
  MainWindowHarness();
  ~MainWindowHarness();

  MainWindow& form() { return *form_; }
  FakePlatform& platform() { return platform_; }
  const QTemporaryDir& folder() const { return folder_; }

  // The control named `name`; ends the test run when there is none.
  template <class T>
  T* Find(const char* name) const {
    T* control = form_->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }

  // Opens `path` into A or B through the tool-bar button and the open dialog.
  void Open(model::SlotId slot, const QString& path);
  // Chooses operation `item` of the operation list and presses OK.
  void Compute(int item);
  // Clicks into the field, replaces its text by typing `keys` and leaves it by
  // clicking the exponent field; then lets the field's handler run.
  void TypeAndLeave(const char* field, const QString& keys);
  // Clicks into the field, replaces its text by typing `keys` and presses Enter.
  void TypeAndEnter(const char* field, const QString& keys);
  // Runs what is queued behind the current event, as the event loop would.
  static void Settle();

 private:
  void Replace(QLineEdit* field, const QString& keys);

  QTemporaryDir folder_;
  FakePlatform platform_;
  std::unique_ptr<settings::SettingsFile> settings_;
  std::unique_ptr<MainWindow> form_;
};

}  // namespace dorvex::gui::testing

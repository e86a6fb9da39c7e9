#pragma once
// The colour window: 21 buttons, each with a sample field, grouped by what they
// colour. A button asks for a colour; a confirmed colour is shown in its sample and
// announced, and the main window applies it to every window at once.

#include <QWidget>
#include <array>

#include "app/platform_services.h"
#include "settings/colour_scheme.h"
#include "texts/language.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class ToolWindowPlacement;

class ColourWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says; `services` and `settings` outlive it.
  ColourWindow(const PlatformServices& services, settings::SettingsFile* settings, QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);
  // Shows the window with the samples of `scheme`.
  void ShowScheme(const settings::ColourScheme& scheme);

 signals:
  // The user confirmed `colour` (0x00BBGGRR) for item `item`.
  void ColourChosen(int item, unsigned colour);

 private:
  void Choose(int item);

  PlatformServices services_;
  ToolWindowPlacement* placement_ = nullptr;
  std::array<QGroupBox*, 6> groups_ = {};
  std::array<QPushButton*, settings::kColourItemCount> buttons_ = {};
  std::array<QLineEdit*, settings::kColourItemCount> samples_ = {};
};

}  // namespace dorvex::gui

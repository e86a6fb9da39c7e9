#pragma once
// The version window: the program's name, version, makers and three contact
// buttons that start a new mail. Closes as soon as another window becomes active.

#include <QWidget>
#include <array>

#include "app/platform_services.h"
#include "texts/language.h"

class QLabel;
class QPushButton;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says; `services` and `settings` outlive it.
  AboutWindow(const PlatformServices& services, settings::SettingsFile* settings, QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);
  // Shows the window centred over `over`.
  void ShowOver(const QWidget* over);

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Mail(int contact);

  PlatformServices services_;
  texts::Language language_ = texts::Language::English;
  QLabel* nameLabel_ = nullptr;
  QLabel* versionLabel_ = nullptr;
  std::array<QLabel*, 6> lineLabels_ = {};
  std::array<QPushButton*, 3> contactButtons_ = {};
};

}  // namespace dorvex::gui

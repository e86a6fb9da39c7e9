#pragma once
// The settings file as a list of keys and values, to look at: changes made in the
// list are not saved. Closes as soon as it loses the focus.

#include <QString>
#include <QWidget>

#include "texts/language.h"

class QTableWidget;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class SettingsListingWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` (which outlives it) says.
  SettingsListingWindow(settings::SettingsFile* settings, texts::Language language, QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);

  // Lists the file at `path` and shows the window; false (nothing shown) when the
  // file does not exist or cannot be read.
  bool ListFile(const QString& path);

 private:
  void ApplyTexts();

  texts::Language language_;
  QTableWidget* keyValues = nullptr;
};

}  // namespace dorvex::gui

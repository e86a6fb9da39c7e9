#pragma once
// The text of an input's distribution file, line by line: the header lines in
// green, the frequency lines in red.

#include <QString>
#include <QWidget>

#include "texts/language.h"

class QListWidget;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class FileListingWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` (which outlives it) says.
  FileListingWindow(settings::SettingsFile* settings, texts::Language language, QWidget* parent = nullptr);

  // The language of the caption, re-captioned at once.
  void SetLanguage(texts::Language language);

  // Lists the file at `path` of the slot named `slotName` and shows the window; an
  // empty path does nothing, a file that cannot be read lists only the closing rule.
  void ListInputFile(const QString& path, const QString& slotName);

 private:
  texts::Language language_;
  QString slotName_;  // of the file listed last
  QListWidget* fileLines_ = nullptr;
};

}  // namespace dorvex::gui

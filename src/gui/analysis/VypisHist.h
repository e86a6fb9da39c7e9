#pragma once
// The text of an input's distribution file, line by line: the header lines in
// green, the frequency lines in red.

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QListWidget;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

// One listed line and its colour.
struct ListedFileLine {
  QString text;
  QColor colour;
};

// The listing of a file's lines: up to and including the line holding "[Bins]"
// every line, numbered from 1, in green; after it only the non-empty lines,
// numbered from 0, in red; then a black rule of 115 "-".
std::vector<ListedFileLine> InputFileListing(const QStringList& lines);

class TForm15 : public QWidget {
  Q_OBJECT

 public:
  // A hidden window placed as `settings` says (which outlives it).
  explicit TForm15(settings::SettingsFile* settings, QWidget* parent = nullptr);

  // Lists the file at `path` of the slot named `slotName` and shows the window; an
  // empty path does nothing, a file that cannot be opened lists only the rule.
  void ListInputFile(const QString& path, const QString& slotName);

  QListWidget* ListBox1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  settings::SettingsFile* settings_;
};

}  // namespace dorvex::gui

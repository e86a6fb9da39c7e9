#pragma once
// The window where a histogram is typed by hand (or the one in a slot edited) as
// integer frequencies with a type, a range and a name; Save writes it as a
// distribution file and hands it to the slot.

#include <QWidget>

#include "app/platform_services.h"
#include "model/histogram.h"
#include "sources/typed_histogram.h"
#include "texts/language.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace dorvex::settings {
class SettingsFile;
}

namespace dorvex::gui {

class DescriptionWindow : public QWidget {
  Q_OBJECT

 public:
  // A hidden window; `services` and `settings` outlive it. Saves go to
  // `calculatedFolder` first.
  DescriptionWindow(const PlatformServices& services, settings::SettingsFile* settings, QString calculatedFolder,
                    QWidget* parent = nullptr);

  void SetLanguage(texts::Language language);
  // Shows the window for `target`, filled with `form`.
  void OpenFor(model::SlotId target, const sources::TypedHistogram& form);

 signals:
  // The typed histogram was saved at `path`; it goes into the buffer's slot.
  void Saved(const model::HandOverBuffer& buffer, const QString& name, const QString& path,
             qint64 frequencySum);
  // The window closed; `holdsLines` tells whether the memo held a histogram.
  void Closed(model::SlotId target, bool holdsLines);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void Recount();
  void ShowCaretLine();
  void TypeChanged();
  void Save();
  sources::TypedHistogram Form() const;
  void Refuse(const QString& text);

  PlatformServices services_;
  settings::SettingsFile* settings_;
  QString calculatedFolder_;
  texts::Language language_ = texts::Language::English;
  model::SlotId target_ = model::SlotId::A;
  double pureStep_ = 1.0;

  QLineEdit* nameField = nullptr;        // Edit4
  QPlainTextEdit* frequencyMemo = nullptr;  // Memo1
  QComboBox* typeSelector = nullptr;     // ComboBox1
  QLineEdit* minField = nullptr;         // Edit1
  QLabel* maxLabel = nullptr;            // Label3
  QLineEdit* maxField = nullptr;         // Edit2
  QLineEdit* countField = nullptr;       // Edit3
  QLineEdit* sumField = nullptr;         // Edit5
  QLineEdit* caretLineField = nullptr;   // Edit6
  QPushButton* cancelButton = nullptr;   // BitBtn1
  QPushButton* saveButton = nullptr;     // BitBtn2
};

}  // namespace dorvex::gui

#pragma once
// What the windows need of the desktop, behind small interfaces: production uses
// Qt, the GUI tests a scripted fake that answers and records.

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "texts/language.h"

namespace dorvex::gui {

// Kind of a message box; decides its icon.
enum class MessageKind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };
// Buttons of a message box.
enum class MessageButtons { YesNo = 3, Ok = 4 };

// Results of a message box.
inline constexpr int kResultOk = 1;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows a modal box and returns kResultOk, kResultYes or kResultNo. `defaultResult`
  // (1 or 6) is the button that Enter presses; closing the box otherwise answers No
  // (Yes/No) or OK.
  virtual int DefMessageDlg(const QString& caption, const QString& text, MessageKind kind,
                            MessageButtons buttons, int defaultResult) = 0;
  // An information box with an OK button whose text is set in a fixed-pitch font, so
  // that a report laid out in columns of blanks keeps them.
  virtual void ShowReport(const QString& caption, const QString& text) = 0;
  // The language the buttons speak ("Yes"/"Ano"); the windows pass theirs on a switch.
  virtual void SetLanguage(texts::Language language) = 0;
};

// One open or save dialog. `filter` is a Qt filter list ("Name (*.ext);;...").
struct FileDialogRequest {
  QString title;
  QString initialFolder;
  QString fileName;
  QString defaultSuffix;  // without the dot
  QStringList filters;
  int filterIndex = 0;  // 0-based
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen existing file, or an empty text when the user cancelled.
  virtual QString GetOpenFileName(const FileDialogRequest& request) = 0;
  // The chosen file to write (the default suffix added when none was typed), or an
  // empty text when the user cancelled. Asks nothing about existing files.
  virtual QString GetSaveFileName(const FileDialogRequest& request) = 0;
  // The chosen colour, or an invalid QColor when the user cancelled.
  virtual QColor GetColor(const QColor& initial) = 0;
};

class SoundService {
 public:
  virtual ~SoundService() = default;
  // The standard warning beep.
  virtual void Beep() = 0;
};

class DesktopService {
 public:
  virtual ~DesktopService() = default;
  // Opens a web page, a "mailto:" address or a local file with the desktop's
  // program for it; false when nothing could open it.
  virtual bool OpenUrl(const QUrl& url) = 0;
  // Starts a program detached in the given working folder; false when it did not start.
  virtual bool StartDetached(const QString& program, const QStringList& arguments,
                             const QString& workingFolder) = 0;
};

// The services a window uses; all four stay alive as long as the windows do.
struct PlatformServices {
  MessageBoxService* messages = nullptr;
  FileDialogService* files = nullptr;
  SoundService* sound = nullptr;
  DesktopService* desktop = nullptr;
};

}  // namespace dorvex::gui

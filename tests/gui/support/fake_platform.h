#pragma once
// The platform services for GUI tests: every dialog answers from a queue set up by
// the test, and everything shown is recorded. Nothing ever blocks.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "app/platform_services.h"

namespace dorvex::gui::testing {

class FakePlatform final : public MessageBoxService,
                           public FileDialogService,
                           public SoundService,
                           public DesktopService {
 public:
  struct ShownMessage {
    QString caption;
    QString text;
    MessageKind kind;
    MessageButtons buttons;
    int defaultResult;
    bool fixedPitch = false;  // shown as a report
  };

  // The answer of the next message box (kResultOk, kResultYes, kResultNo).
  void QueueMessageAnswer(int result) { messageAnswers_.append(result); }
  // The file the next open dialog returns; an empty text cancels.
  void QueueOpenFile(const QString& path) { openAnswers_.append(path); }
  // The file the next save dialog returns; an empty text cancels.
  void QueueSaveFile(const QString& path) { saveAnswers_.append(path); }
  // The colour the next colour dialog returns; an invalid colour cancels.
  void QueueColor(const QColor& colour) { colourAnswers_.append(colour); }
  // Whether StartDetached and OpenUrl report success.
  void SetLaunchSucceeds(bool succeeds) { launchSucceeds_ = succeeds; }

  // Everything shown, in order.
  QList<ShownMessage> messages;
  QList<FileDialogRequest> openRequests;
  QList<FileDialogRequest> saveRequests;
  QList<QUrl> openedUrls;
  QStringList startedPrograms;
  int beeps = 0;
  // The language the windows last gave the message boxes.
  texts::Language language = texts::Language::English;
  // Dialogs that came without a queued answer (answered No / cancelled / OK).
  int unanswered = 0;

  int DefMessageDlg(const QString& caption, const QString& text, MessageKind kind,
                    MessageButtons buttons, int defaultResult) override;
  void ShowReport(const QString& caption, const QString& text) override;
  void SetLanguage(texts::Language shown) override { language = shown; }
  QString GetOpenFileName(const FileDialogRequest& request) override;
  QString GetSaveFileName(const FileDialogRequest& request) override;
  QColor GetColor(const QColor& initial) override;
  void Beep() override { ++beeps; }
  bool OpenUrl(const QUrl& url) override;
  bool StartDetached(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override;

  PlatformServices Services() { return PlatformServices{this, this, this, this}; }

 private:
  QList<int> messageAnswers_;
  QStringList openAnswers_;
  QStringList saveAnswers_;
  QList<QColor> colourAnswers_;
  bool launchSucceeds_ = true;
};

}  // namespace dorvex::gui::testing

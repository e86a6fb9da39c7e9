#include "fake_platform.h"

namespace dorvex::gui::testing {

int FakePlatform::DefMessageDlg(const QString& caption, const QString& text, MessageKind kind,
                                MessageButtons buttons, int defaultResult) {
  messages.append({caption, text, kind, buttons, defaultResult});
  if (messageAnswers_.isEmpty()) {
    ++unanswered;
    return buttons == MessageButtons::YesNo ? kResultNo : kResultOk;
  }
  return messageAnswers_.takeFirst();
}

void FakePlatform::ShowReport(const QString& caption, const QString& text) {
  messages.append({caption, text, MessageKind::Information, MessageButtons::Ok, kResultOk, true});
  if (!messageAnswers_.isEmpty()) messageAnswers_.takeFirst();
}

QString FakePlatform::GetOpenFileName(const FileDialogRequest& request) {
  openRequests.append(request);
  if (openAnswers_.isEmpty()) {
    ++unanswered;
    return {};
  }
  return openAnswers_.takeFirst();
}

QString FakePlatform::GetSaveFileName(const FileDialogRequest& request) {
  saveRequests.append(request);
  if (saveAnswers_.isEmpty()) {
    ++unanswered;
    return {};
  }
  return saveAnswers_.takeFirst();
}

QColor FakePlatform::GetColor(const QColor&) {
  if (colourAnswers_.isEmpty()) {
    ++unanswered;
    return {};
  }
  return colourAnswers_.takeFirst();
}

bool FakePlatform::OpenUrl(const QUrl& url) {
  openedUrls.append(url);
  return launchSucceeds_;
}

bool FakePlatform::StartDetached(const QString& program, const QStringList&, const QString&) {
  startedPrograms.append(program);
  return launchSucceeds_;
}

}  // namespace dorvex::gui::testing

#pragma once
// The platform services on the real desktop, with Qt's dialogs.

#include <QWidget>

#include "app/platform_services.h"

namespace dorvex::gui {

class QtPlatformServices final : public MessageBoxService,
                                 public FileDialogService,
                                 public SoundService,
                                 public DesktopService {
 public:
  int DefMessageDlg(const QString& caption, const QString& text, MessageKind kind,
                    MessageButtons buttons, int defaultResult) override;
  void ShowReport(const QString& caption, const QString& text) override;
  void SetLanguage(texts::Language language) override { language_ = language; }
  QString GetOpenFileName(const FileDialogRequest& request) override;
  QString GetSaveFileName(const FileDialogRequest& request) override;
  QColor GetColor(const QColor& initial) override;
  void Beep() override;
  bool OpenUrl(const QUrl& url) override;
  bool StartDetached(const QString& program, const QStringList& arguments,
                     const QString& workingFolder) override;

  // All four services of this object.
  PlatformServices Services();

 private:
  texts::Language language_ = texts::Language::English;
};

}  // namespace dorvex::gui

#pragma once
// The file dialogs of the whole program, remembering the folder of the last file
// the user chose, which the folder overview shows first.

#include <QString>

#include "app/platform_services.h"

namespace dorvex::gui {

class RememberingFileDialogs : public FileDialogService {
 public:
  // `dialogs` outlives this; `startFolder` is shown until a file is chosen.
  RememberingFileDialogs(FileDialogService* dialogs, QString startFolder);

  QString GetOpenFileName(const FileDialogRequest& request) override;
  QString GetSaveFileName(const FileDialogRequest& request) override;
  QColor GetColor(const QColor& initial) override;

  const QString& LastFolder() const { return lastFolder_; }

 private:
  QString Remember(const QString& path);

  FileDialogService* dialogs_;
  QString lastFolder_;
};

}  // namespace dorvex::gui

#include "app/remembering_file_dialogs.h"

#include <QColor>
#include <QFileInfo>

#include <utility>

namespace dorvex::gui {

RememberingFileDialogs::RememberingFileDialogs(FileDialogService* dialogs, QString startFolder)
    : dialogs_(dialogs), lastFolder_(std::move(startFolder)) {}

QString RememberingFileDialogs::GetOpenFileName(const FileDialogRequest& request) {
  return Remember(dialogs_->GetOpenFileName(request));
}

QString RememberingFileDialogs::GetSaveFileName(const FileDialogRequest& request) {
  return Remember(dialogs_->GetSaveFileName(request));
}

QColor RememberingFileDialogs::GetColor(const QColor& initial) { return dialogs_->GetColor(initial); }

QString RememberingFileDialogs::Remember(const QString& path) {
  if (!path.isEmpty()) lastFolder_ = QFileInfo(path).absolutePath();
  return path;
}

}  // namespace dorvex::gui

#include "app/qt_platform_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include "app/qt_text.h"

namespace dorvex::gui {

namespace {

QWidget* DialogParent() { return QApplication::activeWindow(); }

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// The message table writes line breaks as CR LF.
QString PlainLines(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return lines;
}

// A Yes/No box is titled with the confirmation title of the caller's language (one of
// the dialog titles, messages 1 to 4), so its title tells which language its buttons
// speak; only "OK" is the same in both.
texts::Language LanguageOfTitle(const QString& caption) {
  for (int title : {texts::kTitleConfirmation, texts::kTitleInformation, texts::kTitleError, texts::kTitleWarning}) {
    if (caption == Message(title, texts::Language::Czech)) return texts::Language::Czech;
  }
  return texts::Language::English;
}

QString ButtonText(int result, texts::Language language) {
  const bool czech = language == texts::Language::Czech;
  switch (result) {
    case kResultYes: return czech ? QStringLiteral("&Ano") : QStringLiteral("&Yes");
    case kResultNo: return czech ? QStringLiteral("&Ne") : QStringLiteral("&No");
    default: return QStringLiteral("OK");
  }
}

QFileDialog* MakeFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  auto* dialog = new QFileDialog(DialogParent(), request.title, request.initialFolder);
  dialog->setAcceptMode(mode);
  dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                      : QFileDialog::AnyFile);
  dialog->setNameFilters(request.filters);
  if (request.filterIndex >= 0 && request.filterIndex < request.filters.size()) {
    dialog->selectNameFilter(request.filters.at(request.filterIndex));
  }
  dialog->setDefaultSuffix(request.defaultSuffix);
  // Overwrites are confirmed by the program itself with its own message.
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!request.fileName.isEmpty()) dialog->selectFile(request.fileName);
  return dialog;
}

QString RunFileDialog(QFileDialog* dialog) {
  QString chosen;
  if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
    chosen = dialog->selectedFiles().constFirst();
  }
  delete dialog;
  return chosen;
}

}  // namespace

int QtPlatformServices::DefMessageDlg(const QString& caption, const QString& text, MessageKind kind,
                                      MessageButtons buttons, int defaultResult) {
  QMessageBox box(IconOf(kind), caption, PlainLines(text), QMessageBox::NoButton, DialogParent());
  const texts::Language language = LanguageOfTitle(caption);
  if (buttons == MessageButtons::YesNo) {
    QPushButton* yes = box.addButton(ButtonText(kResultYes, language), QMessageBox::YesRole);
    QPushButton* no = box.addButton(ButtonText(kResultNo, language), QMessageBox::NoRole);
    box.setDefaultButton(defaultResult == kResultYes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? kResultYes : kResultNo;
  }
  QPushButton* ok = box.addButton(ButtonText(kResultOk, language), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
  return kResultOk;
}

QString QtPlatformServices::GetOpenFileName(const FileDialogRequest& request) {
  return RunFileDialog(MakeFileDialog(request, QFileDialog::AcceptOpen));
}

QString QtPlatformServices::GetSaveFileName(const FileDialogRequest& request) {
  return RunFileDialog(MakeFileDialog(request, QFileDialog::AcceptSave));
}

QColor QtPlatformServices::GetColor(const QColor& initial) {
  return QColorDialog::getColor(initial, DialogParent());
}

void QtPlatformServices::Beep() { QApplication::beep(); }

bool QtPlatformServices::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool QtPlatformServices::StartDetached(const QString& program, const QStringList& arguments,
                                       const QString& workingFolder) {
  return QProcess::startDetached(program, arguments, workingFolder);
}

PlatformServices QtPlatformServices::Services() { return PlatformServices{this, this, this, this}; }

}  // namespace dorvex::gui

#include "app/qt_platform_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>


namespace dorvex::gui {

namespace {

// The active window, else the main window: boxes are centred over their parent.
QWidget* DialogParent() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && qobject_cast<QMainWindow*>(widget) != nullptr) return widget;
  }
  return nullptr;
}

// The letter-spaced titles ("E r r o r", "C o n f i r m a t i o n") are wider than
// most texts; a box narrower than its title would cut it in the title bar.
void KeepTitleWhole(QMessageBox& box, const QString& caption) {
  QFont titleFont = box.font();
  titleFont.setBold(true);
  // Room for the window buttons and the frame of the title bar.
  constexpr int kTitleBarExtra = 160;
  const int width = QFontMetrics(titleFont).horizontalAdvance(caption) + kTitleBarExtra;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
}

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
  KeepTitleWhole(box, caption);
  const texts::Language language = language_;
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

void QtPlatformServices::ShowReport(const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Information, caption, PlainLines(text), QMessageBox::NoButton,
                  DialogParent());
  KeepTitleWhole(box, caption);
  if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    label->setTextFormat(Qt::PlainText);
  }
  QPushButton* ok = box.addButton(ButtonText(kResultOk, language_), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
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

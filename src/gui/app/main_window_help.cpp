// The help page, the version window, the folder overview and the programs outside
// Dorvex that the main window starts and forgets.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>

#include <array>

#include "analysis/result_commands.h"
#include "analysis/verification_window.h"
#include "app/about_window.h"
#include "app/app_paths.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/remembering_file_dialogs.h"
#include "texts/about_window_texts.h"
#include "texts/messages.h"

namespace dorvex::gui {

void MainWindow::ConnectHelpCommands() {
  aboutWindow_ = new AboutWindow(services_, settings_, this);
  aboutWindow_->SetLanguage(language_);
  connect(aboutWindow_, &AboutWindow::closed, this, [this] { setEnabled(true); });
  for (QAction* item : {htmlHelpItem, winHelpItem}) {
    connect(item, &QAction::triggered, this, [this, item] {
      // The clicked item has toggled itself already; undo that to know the old marks.
      const bool htmlBefore = item == htmlHelpItem ? !htmlHelpItem->isChecked() : htmlHelpItem->isChecked();
      htmlHelpItem->setChecked(!htmlBefore);
      winHelpItem->setChecked(htmlBefore);
    });
  }
  connect(helpButton, &QToolButton::clicked, this, &MainWindow::ShowHelp);
  connect(helpItem, &QAction::triggered, this, &MainWindow::ShowHelp);
  verificationWindow = new VerificationWindow(this);
  connect(verificationItem, &QAction::triggered, this, [this] {
    verificationWindow->SetLanguage(language_);
    verificationWindow->RunAndShow();
  });
  connect(versionButton, &QToolButton::clicked, this, &MainWindow::ShowAbout);
  connect(versionItem, &QAction::triggered, this, &MainWindow::ShowAbout);
  connect(foldersButton, &QToolButton::clicked, this, &MainWindow::ShowFolders);
  connect(foldersItem, &QAction::triggered, this, &MainWindow::ShowFolders);
  connect(pdfViewerButton, &QToolButton::clicked, this, &MainWindow::OpenExamplesFolder);
  connect(pdfViewerItem, &QAction::triggered, this, &MainWindow::OpenExamplesFolder);
  const auto viewer = [this](QToolButton* button, QAction* item, const std::string& program) {
    connect(button, &QToolButton::clicked, this, [this, program] { StartViewer(program); });
    connect(item, &QAction::triggered, this, [this, program] { StartViewer(program); });
  };
  viewer(pictureViewerButton, pictureViewerItem, folders_.graphicViewer);
  viewer(textViewerButton, textViewerItem, folders_.textViewer);
}

void MainWindow::ShowHelp() {
  reopenGrid->hide();
  if (htmlHelpItem->isChecked()) {
    const QString page = HelpDocumentPath();
    if (!page.isEmpty() && services_.desktop->OpenUrl(QUrl::fromLocalFile(page))) return;
    // Nothing to open the page with, or no page: say where it was looked for.
    const QString expected =
        page.isEmpty() ? QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/Dorvex.htm"))
                       : QDir::toNativeSeparators(page);
    services_.messages->DefMessageDlg(Message(texts::kTitleWarning, language_),
                                      ToQt(texts::InsertText(texts::MessageText(175, language_), ToStd(expected))),
                                      MessageKind::Warning, MessageButtons::Ok, kResultOk);
    return;
  }
  // There is no platform help file here: the advice is given once per language routine.
  const std::string helpFile = folders_.startFolder + "/Dorvex.HLP";
  if (QFileInfo::exists(ToQt(helpFile)) || !helpAdviceDue_) return;
  helpAdviceDue_ = false;
  services_.messages->DefMessageDlg(Message(texts::kTitleWarning, language_),
                                    ToQt(texts::InsertText(texts::MessageText(175, language_), helpFile)),
                                    MessageKind::Warning, MessageButtons::Ok, kResultOk);
}

void MainWindow::ShowAbout() {
  reopenGrid->hide();
  UndoResultZoom();
  setEnabled(false);
  aboutWindow_->setEnabled(true);
  aboutWindow_->ShowOver(this);
}

void MainWindow::ShowFolders() {
  reopenGrid->hide();
  const auto native = [](const std::string& folder) { return ToStd(QDir::toNativeSeparators(ToQt(folder))); };
  const std::array<std::string, 5> folders{native(ToStd(fileDialogs_->LastFolder())), native(folders_.histograms),
                                           native(folders_.graphs), native(folders_.rawData),
                                           native(folders_.calculated)};
  services_.messages->DefMessageDlg(Message(texts::kTitleInformation, language_),
                                    ToQt(texts::FolderOverviewText(folders, language_)), MessageKind::Information,
                                    MessageButtons::Ok, kResultOk);
}

void MainWindow::OpenExamplesFolder() {
  reopenGrid->hide();
  QString folder = options_.examplesFolder;
  // The examples' own folder, with its read-me, rather than the histograms inside.
  if (QFileInfo(folder).fileName() == QLatin1String("Histograms")) folder = QFileInfo(folder).absolutePath();
  if (!folder.isEmpty()) services_.desktop->OpenUrl(QUrl::fromLocalFile(folder));
}

void MainWindow::StartViewer(const std::string& program) {
  reopenGrid->hide();
  // Started and forgotten: a missing viewer is not reported.
  services_.desktop->StartDetached(ToQt(program), {}, ToQt(folders_.graphs));
}

}  // namespace dorvex::gui

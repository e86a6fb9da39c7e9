// Help, the version window, the folder overview, the outside programs and a file
// named on the command line, driven from the main window's menus and buttons.

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "app/app_paths.h"
#include "app/main_window.h"
#include "fake_platform.h"
#include "main_window_harness.h"
#include "settings/document_folders.h"
#include "settings/settings_file.h"

using dorvex::gui::MainWindow;
using dorvex::gui::testing::FakePlatform;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

const QString kDiscreteTen = QStringLiteral(DORVEX_FIXTURES) + QStringLiteral("/discrete_ten.dis");

QAction* Item(MainWindowHarness& h, const char* name) {
  auto* item = h.form().findChild<QAction*>(QString::fromLatin1(name));
  if (item == nullptr) qFatal("no menu item %s", name);
  return item;
}

}  // namespace

class HelpCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void htmlHelpOpensTheGuide() {
    MainWindowHarness h;
    QVERIFY(Item(h, "HTML1")->isChecked());
    QTest::keyClick(&h.form(), Qt::Key_F1);
    QCOMPARE(h.platform().openedUrls.size(), 1);
    const QString page = h.platform().openedUrls.front().toLocalFile();
    QCOMPARE(QFileInfo(page).fileName(), QStringLiteral("Dorvex.htm"));
    QVERIFY(QFileInfo::exists(page));
    QVERIFY(h.platform().messages.isEmpty());
  }

  void aGuideNobodyOpensSaysWhereItIs() {
    MainWindowHarness h;
    h.platform().SetLaunchSucceeds(false);
    QTest::mouseClick(h.Find<QToolButton>("Help"), Qt::LeftButton);
    QCOMPARE(h.platform().messages.size(), 1);
    QVERIFY(h.platform().messages.front().text.contains(QStringLiteral("Dorvex.htm")));
  }

  void helpFormatsExchangeTheirMarks() {
    MainWindowHarness h;
    QAction* html = Item(h, "HTML1");
    QAction* win = Item(h, "WIN1");
    win->trigger();
    QVERIFY(win->isChecked());
    QVERIFY(!html->isChecked());
    // Clicking the checked one moves the mark to the other too.
    win->trigger();
    QVERIFY(html->isChecked());
    QVERIFY(!win->isChecked());
    html->trigger();
    QVERIFY(win->isChecked());
    QVERIFY(!html->isChecked());
  }

  void missingPlatformHelpIsSaidOncePerLanguageRoutine() {
    MainWindowHarness h;
    Item(h, "WIN1")->trigger();
    Item(h, "Oprogramu1")->trigger();
    QCOMPARE(h.platform().messages.size(), 1);
    QVERIFY(h.platform().messages.front().text.contains(QStringLiteral("Dorvex.HLP")));
    QVERIFY(h.platform().messages.front().text.startsWith(QStringLiteral("Directory for file Help no exist !")));
    Item(h, "Oprogramu1")->trigger();
    Item(h, "Oprogramu1")->trigger();
    QCOMPARE(h.platform().messages.size(), 1);
    QVERIFY(h.platform().openedUrls.isEmpty());
    // A language switch runs the language routine: the advice is due again, in Czech.
    Item(h, "Cestina")->trigger();
    Item(h, "Oprogramu1")->trigger();
    QCOMPARE(h.platform().messages.size(), 2);
    QVERIFY(h.platform().messages.back().text.startsWith(QStringLiteral("Adresář souboru Help nenalezen !")));
  }

  void versionWindowHoldsTheMainWindowAndMailsTheMakers() {
    MainWindowHarness h;
    QTest::keyClick(&h.form(), Qt::Key_F2);
    auto* about = h.form().findChild<QWidget*>(QStringLiteral("Form2"));
    QVERIFY(about != nullptr);
    QVERIFY(about->isVisible());
    QVERIFY(!h.form().isEnabled());
    QVERIFY(about->findChild<QLabel*>(QStringLiteral("Label2"))->text().startsWith(QStringLiteral("Version :  ")));
    // The program's own icon, from the program's resources.
    QVERIFY(!about->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());

    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    QCOMPARE(h.platform().openedUrls.size(), 1);
    QCOMPARE(h.platform().openedUrls.front().scheme(), QStringLiteral("mailto"));
    QVERIFY(h.platform().messages.isEmpty());

    h.platform().SetLaunchSucceeds(false);
    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    QCOMPARE(h.platform().messages.size(), 1);
    QCOMPARE(h.platform().messages.front().text, QStringLiteral("Error of loading e-mail program"));

    about->close();
    QVERIFY(h.form().isEnabled());
  }

  void folderOverviewStartsWithTheLastChosenFolder() {
    MainWindowHarness h;
    QTest::mouseClick(h.Find<QToolButton>("OAdresach"), Qt::LeftButton);
    QCOMPARE(h.platform().messages.size(), 1);
    const QString before = h.platform().messages.front().text;
    QVERIFY(before.contains(QStringLiteral("Dorvex\t\t   :   ") + h.folder().path()));
    QVERIFY(before.contains(QStringLiteral("Histograms")));

    h.Open(SlotId::A, kDiscreteTen);
    Item(h, "OAdresach1")->trigger();
    const QString after = h.platform().messages.back().text;
    QVERIFY2(after.contains(QStringLiteral("Dorvex\t\t   :   ") + QFileInfo(kDiscreteTen).absolutePath()),
             qPrintable(after));
  }

  void outsideProgramsStartWithoutReport() {
    MainWindowHarness h;
    h.platform().SetLaunchSucceeds(false);
    QTest::mouseClick(h.Find<QToolButton>("VolejPicture"), Qt::LeftButton);
    QTest::mouseClick(h.Find<QToolButton>("BitBtn2"), Qt::LeftButton);
    QCOMPARE(h.platform().startedPrograms.size(), 2);
    QVERIFY(h.platform().startedPrograms.at(0).endsWith(QStringLiteral("Morvalin/Binview.exe")));
    QVERIFY(h.platform().startedPrograms.at(1).endsWith(QStringLiteral("Morvalin/Textview.exe")));
    QVERIFY(h.platform().messages.isEmpty());
  }

  void verificationFromTheHelpMenuShowsEveryCaseInsideItsBounds() {
    MainWindowHarness h;
    Item(h, "Overeni1")->trigger();
    auto* window = h.form().findChild<QWidget*>(QStringLiteral("VerificationWindow"));
    QVERIFY(window != nullptr && window->isVisible());
    auto* grid = window->findChild<QTableWidget*>(QStringLiteral("VerificationGrid"));
    QVERIFY(grid->rowCount() >= 6);
    for (int row = 0; row < grid->rowCount(); ++row) QCOMPARE(grid->item(row, 6)->text(), QStringLiteral("inside"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("VerificationSummary"))->text(),
             QStringLiteral("Every exact value lies within the bounds Dorvex computed."));
    Item(h, "Cestina")->trigger();
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Přesně"));
    QCOMPARE(grid->item(0, 6)->text(), QStringLiteral("v mezích"));
  }

  void fileOnTheCommandLineOpensIntoA() {
    const QStringList arguments{QStringLiteral("Dorvex"), QStringLiteral("--no-splash"), kDiscreteTen};
    const dorvex::gui::StartupArguments parsed = dorvex::gui::ParseStartupArguments(arguments);
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.fileForA, QFileInfo(kDiscreteTen).absoluteFilePath());
    QVERIFY(!dorvex::gui::ParseStartupArguments({QStringLiteral("Dorvex"), kDiscreteTen, kDiscreteTen}).error.isEmpty());

    QTemporaryDir folder;
    FakePlatform platform;
    dorvex::settings::SettingsFile settings(folder.filePath(QStringLiteral("Dorvex.INI")).toStdString());
    dorvex::gui::StartupOptions options;
    options.showSplash = false;
    options.fileForA = parsed.fileForA;
    MainWindow form(platform.Services(), &settings,
                    dorvex::settings::MakeDocumentFolders(folder.path().toStdString(), "", folder.path().toStdString()),
                    options);
    QCOMPARE(form.Bench().Slot(SlotId::A).base.N, 10);
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("Edit_NameA"))->text(), QStringLiteral("discrete_ten"));
    QVERIFY(platform.messages.isEmpty());
  }
};

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_test.moc"

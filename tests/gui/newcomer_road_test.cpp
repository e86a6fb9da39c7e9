// The road of a new user on a fresh home folder: the two beam examples as A and B,
// A - B, a value and a probability asked, the result's listing kept as a workbook and
// its chart as a PNG picture. The folders come from the desktop as at a real start.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "analysis/xlsx_writer.h"
#include "app/app_paths.h"
#include "app/grid_cells.h"
#include "app/main_window.h"
#include "engine/engine.h"
#include "fake_platform.h"
#include "settings/settings_file.h"
#include "settings/settings_place.h"
#include "statvex/number_text.h"

using dorvex::gui::Cell;
using dorvex::gui::MainWindow;
using dorvex::gui::testing::FakePlatform;

namespace {

const QString kExamples = QStringLiteral(DORVEX_EXAMPLES) + QStringLiteral("/Histograms");
const QString kResistance = kExamples + QStringLiteral("/Solidity and material characterics/Bending_resistance_IPE300.dis");
const QString kMoment = kExamples + QStringLiteral("/Loads/Bending_moment_live_load.dis");
constexpr int kDifferenceItem = dorvex::engine::kDifference - 1;

QByteArray Head(const QString& path, int bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(bytes);
}

}  // namespace

class NewcomerRoadTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;

 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    // A home nobody has used: no documents, no settings, no desktop configuration.
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral(".config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home_.filePath(QStringLiteral(".local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home_.filePath(QStringLiteral(".cache")).toLocal8Bit());
    qunsetenv("DORVEX_INI");
  }

  void aNewUserComputesTheBeamExampleAndKeepsWorkbookAndPicture() {
    const QString settingsPath = home_.filePath(QStringLiteral("Dorvex.INI"));
    const dorvex::gui::StartupArguments arguments = dorvex::gui::ParseStartupArguments(
        {QStringLiteral("Dorvex"), QStringLiteral("--no-splash"), QStringLiteral("--settings"), settingsPath});
    dorvex::settings::SettingsFile settings(
        dorvex::settings::ChooseSettingsPath(dorvex::gui::GatherSettingsPlace(arguments)));
    const dorvex::settings::DocumentFolders folders = dorvex::gui::GatherDocumentFolders();
    QCOMPARE(QString::fromStdString(folders.documentsRoot), home_.filePath(QStringLiteral("Documents/Probability")));
    QVERIFY(!QDir(QString::fromStdString(folders.documentsRoot)).exists());

    FakePlatform platform;
    dorvex::gui::StartupOptions options;
    options.showSplash = !arguments.noSplash;
    options.examplesFolder = dorvex::gui::BundledExamplesFolder();
    QCOMPARE(QDir(options.examplesFolder).canonicalPath(), QDir(kExamples).canonicalPath());
    auto form = std::make_unique<MainWindow>(platform.Services(), &settings, folders, options);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCoreApplication::processEvents();
    const auto find = [&form](const char* name) { return form->findChild<QWidget*>(QString::fromLatin1(name)); };

    // The data folders are there, and the first open dialog offers the examples.
    for (const std::string& folder : {folders.histograms, folders.calculated, folders.graphs, folders.rawData}) {
      QVERIFY2(QDir(QString::fromStdString(folder)).exists(), folder.c_str());
    }
    platform.QueueOpenFile(kResistance);
    QTest::mouseClick(find("VstupA"), Qt::LeftButton);
    QCOMPARE(platform.openRequests.first().initialFolder, options.examplesFolder);
    platform.QueueOpenFile(kMoment);
    QTest::mouseClick(find("VstupB"), Qt::LeftButton);
    QCOMPARE(qobject_cast<QLineEdit*>(find("Edit_NameA"))->text(), QStringLiteral("Bending_resistance_IPE300"));
    QCOMPARE(qobject_cast<QLineEdit*>(find("Edit_NameB"))->text(), QStringLiteral("Bending_moment_live_load"));

    // A - B, then the probability of failure at x = 0 and the value of probability 0.001.
    qobject_cast<QComboBox*>(find("ComboBox_Operace"))->setCurrentIndex(kDifferenceItem);
    QTest::mouseClick(find("Button_Proved_Operaci"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(form->Bench().Result() != nullptr);
    const QString zero = QString::fromStdString(dorvex::statvex::DisplayNumber(0.0));
    auto* value = qobject_cast<QLineEdit*>(find("Edit_P"));
    QCOMPARE(QApplication::focusWidget(), value);
    QTest::keyClicks(value, QStringLiteral("0"));
    QTest::keyClick(value, Qt::Key_Return);
    QCoreApplication::processEvents();
    auto* probability = qobject_cast<QLineEdit*>(find("Edit_AB"));
    QCOMPARE(QApplication::focusWidget(), probability);
    QTest::keyClicks(probability, QStringLiteral("0.001"));
    QTest::keyClick(probability, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(value->text(), QStringLiteral("0"));
    QCOMPARE(probability->text(), QStringLiteral("0.001"));
    QVERIFY(Cell(qobject_cast<QTableWidget*>(find("StringGrid7")), 1, 1) != zero);
    QVERIFY(Cell(qobject_cast<QTableWidget*>(find("StringGrid6")), 0, 1) != zero);

    // The result's listing window, kept as a workbook where the user chose.
    QTest::mouseClick(find("PopisAB"), Qt::LeftButton);
    QWidget* listing = form->findChild<QWidget*>(QStringLiteral("Form7"));
    QVERIFY(listing != nullptr && listing->isVisible());
    const QString graphs = QString::fromStdString(folders.graphs);
    const QString workbook = graphs + QStringLiteral("/beam_A-B.xlsx");
    platform.QueueSaveFile(workbook);
    QTest::mouseClick(listing->findChild<QToolButton*>(QStringLiteral("KontTisk")), Qt::LeftButton);
    const dorvex::gui::FileDialogRequest& asked = platform.saveRequests.last();
    QCOMPARE(asked.initialFolder, graphs);
    QCOMPARE(asked.fileName,
             QString::fromStdString(dorvex::analysis::WorkbookFileName(listing->windowTitle().toStdString())));
    QCOMPARE(Head(workbook, 4), QByteArray("PK\x03\x04"));
    QCOMPARE(platform.openedUrls.last().toLocalFile(), workbook);
    listing->close();

    // The chart as a PNG picture.
    form->findChild<QAction*>(QStringLiteral("PNG1"))->trigger();
    const QString picture = graphs + QStringLiteral("/beam_A-B.png");
    platform.QueueSaveFile(picture);
    QTest::mouseClick(find("UlozGraf"), Qt::LeftButton);
    QCOMPARE(platform.saveRequests.last().initialFolder, graphs);
    QCOMPARE(platform.saveRequests.last().defaultSuffix, QStringLiteral("png"));
    QCOMPARE(Head(picture, 8), QByteArray("\x89PNG\r\n\x1a\n"));

    // No error on the way, and every dialog was one the user answered.
    QCOMPARE(platform.messages.size(), 0);
    QCOMPARE(platform.beeps, 0);
    QCOMPARE(platform.unanswered, 0);
  }
};

QTEST_MAIN(NewcomerRoadTest)
#include "newcomer_road_test.moc"

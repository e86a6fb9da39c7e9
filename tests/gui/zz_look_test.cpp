// Throwaway: screenshots under Xvfb. Not committed.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QFile>

#include "app/main_window.h"
#include "main_window_harness.h"
#include "settings/document_folders.h"
#include <QCheckBox>
#include <QDir>

using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

class Look : public QObject {
  Q_OBJECT
  void Shot(const QString& name) {
    for (int i = 0; i < 20; ++i) { QTest::qWait(50); }
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("/tmp/ds_look/") + name + QStringLiteral(".png")});
  }
 private slots:
  void look() {
    const bool czech = qEnvironmentVariableIsSet("LOOK_CZECH");
    const QString lang = czech ? QStringLiteral("cs_") : QStringLiteral("en_");
    MainWindowHarness ui;
    ui.form().resize(1280, 900);
    if (czech) ui.Find<QAction>("Cestina")->trigger();
    const QString f = QStringLiteral(DORVEX_FIXTURES "/discrete_ten.dis");
    const QString ex = QStringLiteral(DORVEX_EXAMPLES);
    QStringList files;
    for (const QString& name : QDir(ex).entryList({QStringLiteral("*.dis")})) files << ex + QLatin1Char('/') + name;
    for (int i = 0; i < std::min<int>(12, files.size()); ++i) ui.Open(SlotId::A, files[i]);
    ui.Open(SlotId::A, f);
    ui.Open(SlotId::B, f);
    ui.Compute(0);
    QTest::mouseClick(ui.Find<QToolButton>("SBHistA"), Qt::LeftButton);
    Shot(lang + "reopen");
    ui.Find<QTableWidget>("StringGrid1")->hide();
    QTest::mouseClick(ui.Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    Shot(lang + "duration");
    auto* w = ui.form().findChild<QWidget*>("TForm8");
    w->findChild<QCheckBox*>("CheckBox1")->click();
    Shot(lang + "duration_marks");
    w->close();
    QTest::qWait(100);
    ui.form().close();
    QTest::qWait(100);
    QFile::remove(QStringLiteral("/tmp/ds_look/Dorvex.INI"));
    QFile::copy(ui.folder().filePath(QStringLiteral("Dorvex.INI")), QStringLiteral("/tmp/ds_look/Dorvex.INI"));
  }
  void listing() {
    const bool czech = qEnvironmentVariableIsSet("LOOK_CZECH");
    dorvex::gui::testing::FakePlatform platform;
    dorvex::settings::SettingsFile settings("/tmp/ds_look/Dorvex.INI");
    settings.Load();
    dorvex::gui::StartupOptions options;
    options.showSplash = false;
    const auto folders = dorvex::settings::MakeDocumentFolders("/tmp/ds_look", "/tmp/ds_look/Documents", "/tmp/ds_look");
    dorvex::gui::MainWindow form(platform.Services(), &settings, folders, options);
    form.show();
    QTest::qWait(300);
    if (czech) form.findChild<QAction*>("Cestina")->trigger();
    form.findChild<QAction*>("VypisINIsouboru1")->trigger();
    Shot(QString::fromLatin1(czech ? "cs_" : "en_") + "listing");
  }
};

QTEST_MAIN(Look)
#include "zz_look_test.moc"

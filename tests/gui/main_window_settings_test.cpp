// The settings file through restarts of the main window: what is kept, the re-open
// grid, "Default values", the listing of the file, and files that are damaged or
// cannot be written.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "app/grid_cells.h"
#include "app/main_window.h"
#include "fake_platform.h"
#include "settings/document_folders.h"
#include "settings/settings_file.h"
#include "texts/messages.h"

using dorvex::gui::Cell;
using dorvex::gui::MainWindow;
using dorvex::gui::MessageKind;
using dorvex::gui::testing::FakePlatform;
using dorvex::model::SlotId;
using dorvex::settings::SettingsFile;

namespace {

const QString kDiscreteTen = QStringLiteral(DORVEX_FIXTURES "/discrete_ten.dis");

QString MessageText(int n, const QString& inserted = QString()) {
  const std::string text = dorvex::texts::MessageText(n, dorvex::texts::Language::English);
  return QString::fromStdString(inserted.isEmpty() ? text : dorvex::texts::InsertText(text, inserted.toStdString()));
}

}  // namespace

class MainWindowSettingsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<SettingsFile> settings_;
  std::unique_ptr<MainWindow> form_;
  QString settingsPath_;

  // A main window on the settings file as it is on disk now.
  MainWindow& Start() {
    form_.reset();
    settings_ = std::make_unique<SettingsFile>(settingsPath_.toStdString());
    settings_->Load();
    dorvex::gui::StartupOptions options;
    options.showSplash = false;
    const auto folders = dorvex::settings::MakeDocumentFolders(folder_->path().toStdString(),
                                                               folder_->filePath(QStringLiteral("Documents")).toStdString(),
                                                               folder_->path().toStdString());
    form_ = std::make_unique<MainWindow>(platform_->Services(), settings_.get(), folders, options);
    form_->show();
    if (!QTest::qWaitForWindowActive(form_.get())) qWarning("main window not active");
    Settle();
    return *form_;
  }

  // The program's own closing (Exit answered already): the settings are written.
  void Stop() {
    form_->close();
    Settle();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  template <class T>
  T* Find(const char* name) const {
    T* control = form_->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }

  void Open(SlotId slot, const QString& path) {
    platform_->QueueOpenFile(path);
    QTest::mouseClick(Find<QToolButton>(slot == SlotId::A ? "VstupA" : "VstupB"), Qt::LeftButton);
    Settle();
  }

  // A copy of the ten-interval fixture named `name` in the temporary folder.
  QString CopyOfTen(const QString& name) const {
    const QString path = folder_->filePath(name);
    QFile::remove(path);
    if (!QFile::copy(kDiscreteTen, path)) qFatal("cannot copy the fixture");
    return path;
  }

  void ClickReOpenRow(int row) {
    auto* grid = Find<QTableWidget>("StringGrid1");
    const QRect cell = grid->visualItemRect(grid->item(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    Settle();
  }

  QString IniText() const {
    QFile file(settingsPath_);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  int Warnings() const {
    int count = 0;
    for (const auto& shown : platform_->messages) count += shown.kind == MessageKind::Warning ? 1 : 0;
    return count;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    platform_ = std::make_unique<FakePlatform>();
    settingsPath_ = folder_->filePath(QStringLiteral("Dorvex.INI"));
  }

  void cleanup() {
    form_.reset();
    settings_.reset();
    platform_.reset();
    folder_.reset();
  }

  void aRestartKeepsPlacementMarksSeparatorsAndThirtyOfThirtyOneFiles() {
    MainWindow& form = Start();
    form.move(40, 50);
    form.resize(900, 700);
    Find<QComboBox>("CBMarks")->setCurrentIndex(4);
    Find<QSpinBox>("SpinEdAngle")->setValue(45);
    Find<QAction>("minus1")->trigger();
    Find<QAction>("tecka2")->trigger();
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d$"))
                .match(Find<QLabel>("StatusPanel0")->text())
                .hasMatch());
    for (int i = 1; i <= 31; ++i) Open(SlotId::A, CopyOfTen(QStringLiteral("h%1.dis").arg(i, 2, 10, QLatin1Char('0'))));
    // The distribution-function window keeps its own placement and marks.
    Open(SlotId::B, kDiscreteTen);
    QTest::mouseClick(Find<QPushButton>("Button_Proved_Operaci"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    Settle();
    auto* durations = Find<QWidget>("TForm8");
    durations->findChild<QComboBox*>(QStringLiteral("CBMarks"))->setCurrentIndex(3);
    durations->move(70, 80);
    durations->resize(800, 450);
    durations->close();
    Settle();
    Stop();

    const QString ini = IniText();
    QVERIFY2(ini.startsWith(QStringLiteral("[--  Position  --]\r\n")), qPrintable(ini.left(60)));
    QVERIFY(ini.contains(QStringLiteral("Celkem ReOpen=30\r\n")));
    QVERIFY(ini.contains(QStringLiteral("ReOpen soubor  [29]=")));
    QVERIFY(!ini.contains(QStringLiteral("ReOpen soubor  [30]=")));
    QVERIFY(ini.contains(QStringLiteral("KrivkaTrvani-Form8.width=800\r\n")));
    QVERIFY(ini.contains(QStringLiteral("DateSeparator=45\r\n")));

    MainWindow& again = Start();
    QCOMPARE(again.pos(), QPoint(40, 50));
    QCOMPARE(again.size(), QSize(900, 700));
    QCOMPARE(Find<QComboBox>("CBMarks")->currentIndex(), 4);
    QCOMPARE(Find<QSpinBox>("SpinEdAngle")->value(), 45);
    QVERIFY(Find<QAction>("minus1")->isChecked());
    QVERIFY(!Find<QAction>("tecka1")->isChecked());
    QVERIFY(Find<QAction>("tecka2")->isChecked());
    QVERIFY(Find<QLabel>("StatusPanel0")->text().contains(QLatin1Char('.')));
    const auto& entries = again.Bench().ReOpenList().Entries();
    QCOMPARE(int(entries.size()), 30);
    // discrete_ten.dis entered last, then h31 ... h02; h01 is gone.
    QCOMPARE(QString::fromStdString(entries[1].path), folder_->filePath(QStringLiteral("h31.dis")));
    QCOMPARE(QString::fromStdString(entries[29].path), folder_->filePath(QStringLiteral("h03.dis")));
    durations = Find<QWidget>("TForm8");
    QCOMPARE(durations->pos(), QPoint(70, 80));
    QCOMPARE(durations->size(), QSize(800, 450));
    QCOMPARE(durations->findChild<QComboBox*>(QStringLiteral("CBMarks"))->currentIndex(), 3);
    QCOMPARE(Warnings(), 0);
  }

  void aDamagedSettingsFileStartsWithDefaultsAndTellsOnce_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("said");
    QByteArray garbage("[--  Setting  --]\r\nProb_u-Form1.CBMarks.ItemIndex=4\r\n");
    for (int i = 0; i < 4096; ++i) garbage.append(char((i * 131 + 7) & 0xFF));
    QTest::newRow("binary garbage") << garbage << QStringLiteral("not a settings file");
    QTest::newRow("a 10 MB line") << (QByteArray("[--  Setting  --]\r\nProb_u-Form1.CBMarks.ItemIndex=4\r\n") +
                                      QByteArray(10 * 1024 * 1024, 'x'))
                                   << QStringLiteral("not a settings file");
    QTest::newRow("a value of the wrong kind")
        << QByteArray("[--  Setting  --]\r\nProb_u-Form1.SpinEdAngle.Value=ninety\r\nDateSeparator=dot\r\n")
        << QStringLiteral("Wrong kind of value for \"Prob_u-Form1.SpinEdAngle.Value\"");
  }

  void aDamagedSettingsFileStartsWithDefaultsAndTellsOnce() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, said);
    {
      QFile file(settingsPath_);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(contents);
    }
    Start();
    QCOMPARE(Find<QComboBox>("CBMarks")->currentIndex(), 2);
    QCOMPARE(Find<QSpinBox>("SpinEdAngle")->value(), 90);
    QVERIFY(Find<QAction>("Anglictina")->isChecked());
    QVERIFY(Find<QAction>("tecka1")->isChecked());
    QVERIFY(Find<QAction>("dvojtecka1")->isChecked());
    QCOMPARE(Warnings(), 1);
    QVERIFY2(platform_->messages.last().text.contains(said), qPrintable(platform_->messages.last().text));
    QVERIFY(platform_->messages.last().text.contains(settingsPath_));
    // Said once: a second look at the settings says nothing more.
    Find<QAction>("VypisINIsouboru1")->trigger();
    Settle();
    Stop();
    QCOMPARE(Warnings(), 1);
    // Written anew at exit, and read without complaint.
    platform_->messages.clear();
    Start();
    QCOMPARE(Warnings(), 0);
  }

  void aSettingsFileThatCannotBeWrittenIsToldAndTheProgramEnds() {
    // A folder nobody may write into, not even the superuser.
    settingsPath_ = QStringLiteral("/proc/self/Dorvex.INI");
    Start();
    QCOMPARE(Warnings(), 0);
    Stop();
    QVERIFY(!form_->isVisible());
    QCOMPARE(Warnings(), 1);
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("could not be written")));
  }

  void theReOpenGridLoadsAndForgetsFiles() {
    Start();
    const QString kept = CopyOfTen(QStringLiteral("kept.dis"));
    const QString gone = CopyOfTen(QStringLiteral("gone.dis"));
    const QString broken = CopyOfTen(QStringLiteral("broken.dis"));
    Open(SlotId::A, broken);
    Open(SlotId::A, gone);
    Open(SlotId::A, kept);
    QFile::remove(gone);
    {
      QFile file(broken);
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      file.write("no histogram here\r\n");
    }

    // The grid over B: a heading and the three entries, newest first.
    QTest::mouseClick(Find<QToolButton>("SBHistB"), Qt::LeftButton);
    auto* grid = Find<QTableWidget>("StringGrid1");
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(Cell(grid, 0, 1), QStringLiteral("Histogram  (.dis)"));
    QCOMPARE(Cell(grid, 0, 2), QStringLiteral(" ") + MessageText(159));
    QCOMPARE(Cell(grid, 1, 0), QStringLiteral("  1"));
    QCOMPARE(Cell(grid, 1, 1), QStringLiteral("kept"));
    QCOMPARE(Cell(grid, 1, 2), QStringLiteral("1.00"));
    QCOMPARE(Cell(grid, 1, 3), QStringLiteral("10"));
    QCOMPARE(Cell(grid, 1, 4), QDir::toNativeSeparators(folder_->path()));

    // A click loads the entry into B; the list keeps its order.
    ClickReOpenRow(1);
    QVERIFY(!grid->isVisible());
    QCOMPARE(Find<QLineEdit>("Edit_NameB")->text(), QStringLiteral("kept"));
    QCOMPARE(form_->Bench().ReOpenList().Entries().size(), std::size_t(3));

    // A file that is gone: message 10; No keeps the entry, Yes drops it.
    QTest::mouseClick(Find<QToolButton>("SBHistA"), Qt::LeftButton);
    platform_->QueueMessageAnswer(dorvex::gui::kResultNo);
    ClickReOpenRow(2);
    QCOMPARE(platform_->messages.last().text, MessageText(10, gone));
    QCOMPARE(form_->Bench().ReOpenList().Entries().size(), std::size_t(3));
    QTest::mouseClick(Find<QToolButton>("SBHistA"), Qt::LeftButton);
    platform_->QueueMessageAnswer(dorvex::gui::kResultYes);
    ClickReOpenRow(2);
    QCOMPARE(form_->Bench().ReOpenList().Entries().size(), std::size_t(2));

    // A file the reader refuses: its own error, then message 28.
    const int before = platform_->messages.size();
    QTest::mouseClick(Find<QToolButton>("SBHistA"), Qt::LeftButton);
    platform_->QueueMessageAnswer(dorvex::gui::kResultOk);
    platform_->QueueMessageAnswer(dorvex::gui::kResultYes);
    ClickReOpenRow(2);
    QCOMPARE(platform_->messages.size(), before + 2);
    QCOMPARE(platform_->messages.last().text,
             QString::fromStdString(dorvex::texts::InsertText(
                 dorvex::texts::MessageText(28, dorvex::texts::Language::English), broken.toStdString())));
    QCOMPARE(form_->Bench().ReOpenList().Entries().size(), std::size_t(1));
    // B still holds what it had.
    QCOMPARE(Find<QLineEdit>("Edit_NameB")->text(), QStringLiteral("kept"));
  }

  void clearingTheListAsksAndEmptiesItAndBothSlots() {
    Start();
    Open(SlotId::A, kDiscreteTen);
    Open(SlotId::B, kDiscreteTen);
    platform_->QueueMessageAnswer(dorvex::gui::kResultNo);
    QTest::mouseClick(Find<QToolButton>("Zasobnik"), Qt::LeftButton);
    QCOMPARE(platform_->messages.last().text, MessageText(131));
    QCOMPARE(form_->Bench().ReOpenList().Entries().size(), std::size_t(1));
    platform_->QueueMessageAnswer(dorvex::gui::kResultYes);
    Find<QAction>("Zasobnik1")->trigger();
    QVERIFY(form_->Bench().ReOpenList().Entries().empty());
    QVERIFY(!form_->Bench().Slot(SlotId::A).loaded);
    QVERIFY(!form_->Bench().Slot(SlotId::B).loaded);
    // An empty list shows no grid.
    QTest::mouseClick(Find<QToolButton>("SBHistA"), Qt::LeftButton);
    QVERIFY(!Find<QTableWidget>("StringGrid1")->isVisible());
  }

  void defaultValuesPutTheSettingsBack() {
    MainWindow& form = Start();
    Find<QAction>("Cestina")->trigger();
    Find<QAction>("lomitko1")->trigger();
    Find<QAction>("tecka2")->trigger();
    Find<QComboBox>("CBMarks")->setCurrentIndex(0);
    Find<QSpinBox>("SpinEdAngle")->setValue(30);
    Find<QAction>("PrikazRadka1")->setChecked(false);
    Find<QAction>("KontVypA")->setChecked(true);
    Find<QAction>("Ne1")->trigger();
    QTest::mouseClick(Find<QToolButton>("ZmenaBarev"), Qt::LeftButton);
    platform_->QueueColor(QColor(255, 255, 0));
    QTest::mouseClick(Find<QWidget>("Form5")->findChild<QPushButton*>(QStringLiteral("BitBtn3")), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>("Edit_NasA")->palette().color(QPalette::Base), QColor(255, 255, 0));
    form.move(100, 100);
    platform_->QueueMessageAnswer(dorvex::gui::kResultNo);
    QTest::mouseClick(Find<QToolButton>("Default"), Qt::LeftButton);
    QVERIFY(Find<QAction>("Cestina")->isChecked());

    platform_->QueueMessageAnswer(dorvex::gui::kResultYes);
    QTest::mouseClick(Find<QToolButton>("Default"), Qt::LeftButton);
    Settle();
    QVERIFY(Find<QAction>("Anglictina")->isChecked());
    QVERIFY(!Find<QAction>("Cestina")->isChecked());
    QVERIFY(Find<QAction>("tecka1")->isChecked());
    QVERIFY(!Find<QAction>("lomitko1")->isChecked());
    QVERIFY(Find<QAction>("dvojtecka1")->isChecked());
    QCOMPARE(Find<QComboBox>("CBMarks")->currentIndex(), 2);
    QCOMPARE(Find<QSpinBox>("SpinEdAngle")->value(), 90);
    QVERIFY(Find<QAction>("PrikazRadka1")->isChecked());
    QVERIFY(Find<QStatusBar>("StatusBar1")->isVisible());
    QVERIFY(!Find<QAction>("KontVypA")->isChecked());
    QVERIFY(Find<QAction>("Ano1")->isChecked());
    QVERIFY(!Find<QAction>("Ne1")->isChecked());
    QCOMPARE(form.pos(), QPoint(0, 0));
    QCOMPARE(Find<QWidget>("TForm8")->size(), QSize(704, 400));
    QCOMPARE(Find<QWidget>("TForm8")->pos(), QPoint(0, 0));
    QCOMPARE(Find<QLineEdit>("Edit_NasA")->palette().color(QPalette::Base), QColor(Qt::white));
  }

  void theSettingsListingShowsTheFileOrSaysItIsNotWrittenYet() {
    Start();
    Find<QAction>("VypisINIsouboru1")->trigger();
    QCOMPARE(platform_->messages.last().text, MessageText(29));
    QCOMPARE(platform_->messages.last().kind, MessageKind::Information);
    Stop();

    Start();
    Find<QAction>("VypisINIsouboru1")->trigger();
    auto* listing = Find<QWidget>("TForm6");
    QVERIFY(listing->isVisible());
    auto* rows = listing->findChild<QTableWidget*>(QStringLiteral("ValueListEditor1"));
    QVERIFY(rows != nullptr);
    QCOMPARE(Cell(rows, 0, 0), QStringLiteral("[--  Position  --]"));
    QCOMPARE(Cell(rows, 0, 1), QString());
    QCOMPARE(Cell(rows, 1, 0), QStringLiteral("Prob_u-Form1.left"));
    QCOMPARE(rows->horizontalHeaderItem(0)->text(), QStringLiteral("Key"));
  }
};

QTEST_MAIN(MainWindowSettingsTest)
#include "main_window_settings_test.moc"

// The main window driven as a user drives it: its controls found by name, its
// dialogs answered by the scripted platform.

#include <QAction>
#include <QCloseEvent>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <memory>

#include "app/grid_cells.h"
#include "app/hints.h"
#include "app/main_window.h"
#include "charts/draw_histogram.h"
#include "fake_platform.h"
#include "settings/document_folders.h"
#include "settings/settings_file.h"
#include "statvex/number_text.h"
#include "texts/main_window_texts.h"

using dorvex::gui::Cell;
using dorvex::gui::MainWindow;
using dorvex::gui::testing::FakePlatform;
using dorvex::model::SlotId;
using dorvex::settings::SettingsFile;

namespace {

const QString kFixtures = QStringLiteral(DORVEX_FIXTURES);
// Discrete, Min=0, Max=10, Bins=10, frequencies 1..10, Total=55: d = 1, so the
// mid-points run from 0.5 to 9.5.
const QString kDiscreteTen = kFixtures + QStringLiteral("/discrete_ten.dis");
// Pure Discrete, Min=-2.5, Max=1.5, Bins=5, frequencies 0 5 0 7 0, Total=12: d = 1;
// trimming the empty ends leaves 3 points from -1.5 to 0.5.
const QString kPureDiscreteTrim = kFixtures + QStringLiteral("/pure_discrete_trim.dis");

// The 26 tool-bar buttons, left to right.
const char* const kToolBarButtons[] = {
    "VstupA",   "SBHistA",    "VstupB",    "SBHistB",      "HistVysl",  "Vysledky",   "OtevriWord",
    "UlozGraf", "UlozOkno",   "KrivkaTrvani", "BChar",     "BitBtn13",  "PopisA",     "VypisHistA",
    "PopisB",   "VypisHistB", "PopisAB",   "ZmenaBarev",   "Default",   "Zasobnik",   "VolejPicture",
    "BitBtn2",  "BitBtn37",   "OAdresach", "Verze",        "Help"};

QString Number(double x) { return QString::fromStdString(dorvex::statvex::DisplayNumber(x)); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<SettingsFile> settings_;
  std::unique_ptr<MainWindow> form_;

  QString SettingsPath() const { return folder_->filePath(QStringLiteral("Dorvex.INI")); }

  QString DocumentsPath() const { return folder_->filePath(QStringLiteral("Documents")); }

  // A main window on the settings file as it is on disk now.
  MainWindow& Start(bool splash = false, const QString& examples = QString()) {
    settings_ = std::make_unique<SettingsFile>(SettingsPath().toStdString());
    settings_->Load();
    dorvex::gui::StartupOptions options;
    options.showSplash = splash;
    options.examplesFolder = examples;
    const auto folders = dorvex::settings::MakeDocumentFolders(
        folder_->path().toStdString(), DocumentsPath().toStdString(), folder_->path().toStdString());
    form_ = std::make_unique<MainWindow>(platform_->Services(), settings_.get(), folders, options);
    form_->show();
    if (!QTest::qWaitForWindowActive(form_.get())) qWarning("main window not active");
    QCoreApplication::processEvents();
    return *form_;
  }

  template <class T>
  T* Find(const char* name) const {
    T* control = form_->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }

  // The window system's close, as the title bar's button sends it.
  void CloseFromTitleBar() {
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::sendEvent(form_->windowHandle(), &close);
  }

  QString WriteFile(const char* name, const QByteArray& text) const {
    const QString path = folder_->filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", name);
    file.write(text);
    return path;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    platform_ = std::make_unique<FakePlatform>();
  }

  void cleanup() {
    form_.reset();
    settings_.reset();
    platform_.reset();
    folder_.reset();
  }

  void firstStartShowsEmptySlotsAndOnlyTheCommandsThatWork() {
    MainWindow& form = Start();
    QVERIFY(form.windowTitle().startsWith(QStringLiteral("D o r v e x  -  Version ")));
    QCOMPARE(Find<QComboBox>("ComboBox_Operace")->currentText(), QStringLiteral(" A + B"));
    // Slot A's counts carry a leading blank, slot B's do not.
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid3"), 1, 1), QStringLiteral(" 0"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid4"), 2, 1), QStringLiteral("0"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid5"), 1, 1), Number(0.0));
    QCOMPARE(Find<QLineEdit>("Edit_NasA")->text(), QStringLiteral("1.00"));
    QCOMPARE(dorvex::gui::ChartTitleLines(Find<QChartView>("Chart_A")),
             QStringList{QStringLiteral("Histogram :  (A * nA)")});

    for (const char* name : {"HistVysl", "Vysledky", "UlozGraf", "UlozOkno", "KrivkaTrvani", "BChar", "PopisAB",
                             "PopisA", "VypisHistA", "PopisB", "VypisHistB"}) {
      QVERIFY2(!Find<QToolButton>(name)->isEnabled(), name);
    }
    QVERIFY(!Find<QMenu>("Uloit1")->isEnabled());
    QVERIFY(!Find<QAction>("BChar1")->isEnabled());
    QVERIFY(!Find<QLineEdit>("Edit_P")->isEnabled());
    QVERIFY(Find<QToolButton>("VstupA")->isEnabled());
    QVERIFY(Find<QToolButton>("BitBtn13")->isEnabled());
    QVERIFY(Find<QAction>("HistogramB1")->isEnabled());
    QVERIFY(Find<QLineEdit>("EdXMin")->isHidden());

    // Every button has its own picture and a hint whose short part is the tooltip.
    QSet<QByteArray> pictures;
    for (const char* name : kToolBarButtons) {
      auto* button = Find<QToolButton>(name);
      const QImage picture = button->icon().pixmap(20, 20).toImage();
      QVERIFY2(!picture.isNull(), name);
      pictures.insert(QByteArray(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()));
      const QString hint = dorvex::gui::HintOf(button);
      QVERIFY2(hint.contains(QLatin1Char('|')), name);
      QCOMPARE(button->toolTip(), dorvex::gui::ShortHint(hint));
    }
    QCOMPARE(pictures.size(), int(std::size(kToolBarButtons)));

    // The status bar: the clock in the long time format, the hint under the mouse.
    QVERIFY(Find<QStatusBar>("StatusBar1")->isVisible());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"))
                .match(Find<QLabel>("StatusPanel0")->text())
                .hasMatch());
    QTest::mouseMove(Find<QToolButton>("VstupA"));
    QTRY_COMPARE(Find<QLabel>("StatusPanel1")->text(),
                 QStringLiteral("Open a distribution file (.dis) as histogram A"));
  }

  void theSplashStandsOverTheStartAndGoesWhenItsTimerFires() {
    Start(true);
    QPointer<QWidget> splash = form_->findChild<QWidget*>(QStringLiteral("Form17"));
    QVERIFY(splash != nullptr);
    QVERIFY(splash->isVisible());
    auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer != nullptr);
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 7000);
    QVERIFY(timer->isActive());
    timer->start(0);  // fire now; the seven seconds are the timer's business
    QTRY_VERIFY(splash.isNull());
    QVERIFY(form_->isVisible());
  }

  void openingAFileIntoAFillsPanelAAndItsChart() {
    MainWindow& form = Start();
    platform_->QueueOpenFile(QString());  // cancelled first: nothing happens
    QTest::mouseClick(Find<QToolButton>("VstupA"), Qt::LeftButton);
    QVERIFY(Find<QLineEdit>("Edit_NameA")->text().isEmpty());
    platform_->QueueOpenFile(kDiscreteTen);
    QTest::mouseClick(Find<QToolButton>("VstupA"), Qt::LeftButton);

    QCOMPARE(platform_->openRequests.size(), 2);
    const auto& request = platform_->openRequests.last();
    QCOMPARE(request.defaultSuffix, QStringLiteral("dis"));
    QCOMPARE(request.filters.first(), QStringLiteral("Distributions Files (*.dis)"));
    QCOMPARE(platform_->messages.size(), 0);

    QCOMPARE(Find<QLineEdit>("Edit_NameA")->text(), QStringLiteral("discrete_ten"));
    auto* summary = Find<QTableWidget>("StringGrid3");
    QCOMPARE(Cell(summary, 0, 1), QStringLiteral(" Discrete"));
    QCOMPARE(Cell(summary, 1, 1), QStringLiteral(" 10"));
    QCOMPARE(Cell(summary, 2, 1), QStringLiteral(" 55"));
    QCOMPARE(Find<QLineEdit>("Edit_MinA")->text(), Number(0.5));
    QCOMPARE(Find<QLineEdit>("Edit_MaxA")->text(), Number(9.5));
    auto* chart = Find<QChartView>("Chart_A");
    QCOMPARE(dorvex::gui::ChartBarCount(chart), 10);
    QCOMPARE(dorvex::gui::ChartTitleLines(chart),
             QStringList{QStringLiteral("Histogram :  discrete_ten * nA   (nA=1.00)")});
    for (const char* name : {"PopisA", "VypisHistA"}) QVERIFY2(Find<QToolButton>(name)->isEnabled(), name);
    QVERIFY(Find<QAction>("histogramuA1")->isEnabled());
    QVERIFY(Find<QAction>("VypisVstHistA")->isEnabled());
    // The listing button names the slot in its hint.
    QVERIFY(Find<QToolButton>("PopisA")->toolTip().endsWith(QStringLiteral(" : discrete_ten")));
    QVERIFY(!Find<QToolButton>("PopisB")->isEnabled());
    QVERIFY(form.Bench().Slot(SlotId::A).loaded);
  }

  void ctrlBOpensIntoBWithTheTextsOfB() {
    MainWindow& form = Start();
    platform_->QueueOpenFile(kPureDiscreteTrim);
    QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);

    QCOMPARE(platform_->openRequests.size(), 1);
    QCOMPARE(Find<QLineEdit>("Edit_NameB")->text(), QStringLiteral("pure_discrete_trim"));
    auto* summary = Find<QTableWidget>("StringGrid4");
    QCOMPARE(Cell(summary, 0, 1), QStringLiteral("Pure Discrete"));
    QCOMPARE(Cell(summary, 1, 1), QStringLiteral("3"));
    QCOMPARE(Cell(summary, 2, 1), QStringLiteral("12"));
    QCOMPARE(Find<QLineEdit>("Edit_MinB")->text(), Number(-1.5));
    QCOMPARE(Find<QLineEdit>("Edit_MaxB")->text(), Number(0.5));
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart_B")), 3);
    QVERIFY(Find<QLineEdit>("Edit_NameA")->text().isEmpty());
  }

  void aRefusedFileKeepsWhatTheUserHadAndNamesTheFile() {
    MainWindow& form = Start();
    platform_->QueueOpenFile(kDiscreteTen);
    QTest::mouseClick(Find<QToolButton>("VstupA"), Qt::LeftButton);
    platform_->QueueOpenFile(kDiscreteTen);
    QTest::mouseClick(Find<QToolButton>("VstupB"), Qt::LeftButton);
    auto* multiple = Find<QLineEdit>("Edit_NasA");
    QTest::mouseClick(multiple, Qt::LeftButton);
    multiple->selectAll();
    QTest::keyClicks(multiple, QStringLiteral("2"));
    QTest::mouseClick(Find<QPushButton>("Button_Proved_Operaci"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(form.Bench().Result() != nullptr);
    const QString minBefore = Find<QLineEdit>("Edit_MinA")->text();
    const int resultBars = dorvex::gui::ChartBarCount(Find<QChartView>("Chart_AB"));

    const QString refused =
        WriteFile("one_bin.dis", "[Parameters]\r\nMin=0\r\nMax=1\r\nBins=1\r\nTotal=1\r\n[Bins]\r\n1\r\n");
    platform_->QueueOpenFile(refused);
    QTest::mouseClick(Find<QToolButton>("VstupA"), Qt::LeftButton);

    QCOMPARE(platform_->beeps, 1);
    QCOMPARE(platform_->messages.size(), 1);
    const auto& shown = platform_->messages.first();
    QCOMPARE(shown.caption, QStringLiteral("E r r o r"));
    // Message 152 (code 39), then the file.
    QCOMPARE(shown.text, QStringLiteral("Number of intervals < 2 !\r\n\r\nFile: ") + refused);
    QCOMPARE(shown.kind, dorvex::gui::MessageKind::Error);

    QCOMPARE(Find<QLineEdit>("Edit_NameA")->text(), QStringLiteral("discrete_ten"));
    QCOMPARE(Find<QLineEdit>("Edit_NasA")->text(), QStringLiteral("2"));
    QCOMPARE(Find<QLineEdit>("Edit_MinA")->text(), minBefore);
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart_A")), 10);
    QVERIFY(Find<QToolButton>("PopisA")->isEnabled());
    QVERIFY(form.Bench().Result() != nullptr);
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart_AB")), resultBars);
    QVERIFY(Find<QToolButton>("UlozGraf")->isEnabled());
  }

  void aFileThatCannotBeOpenedIsReportedAndChangesNothing() {
    MainWindow& form = Start();
    platform_->QueueOpenFile(kDiscreteTen);
    QTest::mouseClick(Find<QToolButton>("VstupB"), Qt::LeftButton);
    const QString missing = folder_->filePath(QStringLiteral("missing.dis"));
    platform_->QueueOpenFile(missing);
    QTest::mouseClick(Find<QToolButton>("VstupB"), Qt::LeftButton);

    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages.first().text, QStringLiteral("Input error in file reading\r\n\r\nFile: ") + missing);
    QVERIFY(form.Bench().Slot(SlotId::B).loaded);
    QCOMPARE(Find<QLineEdit>("Edit_NameB")->text(), QStringLiteral("discrete_ten"));
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart_B")), 10);
  }

  void theDataFoldersAreMadeAtStartAndAFailureIsToldOnce_data() {
    QTest::addColumn<bool>("blocked");  // a file stands where the documents root should be
    QTest::newRow("fresh documents folder") << false;
    QTest::newRow("the root cannot be made") << true;
  }

  void theDataFoldersAreMadeAtStartAndAFailureIsToldOnce() {
    QFETCH(bool, blocked);
    if (blocked) {
      QVERIFY(QDir().mkpath(DocumentsPath()));
      WriteFile("Documents/Probability", "in the way");
    }
    MainWindow& form = Start();
    const dorvex::settings::DocumentFolders& folders = form.Folders();
    for (const std::string& folder : {folders.histograms, folders.calculated, folders.graphs, folders.rawData}) {
      QCOMPARE(QFileInfo(QString::fromStdString(folder)).isDir(), !blocked);
    }
    if (!blocked) {
      QCOMPARE(platform_->messages.size(), 0);
      return;
    }
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages.first().kind, dorvex::gui::MessageKind::Warning);
    QCOMPARE(platform_->messages.first().text,
             QString::fromStdString(dorvex::texts::FoldersNotMadeText(
                 {folders.histograms, folders.calculated, folders.graphs, folders.rawData},
                 dorvex::texts::Language::English)));
  }

  void theOpenDialogsStartInTheExamplesUntilTheUserHasAHistogram() {
    const QString examples = folder_->filePath(QStringLiteral("examples"));
    QVERIFY(QDir().mkpath(examples));
    MainWindow& form = Start(false, examples);
    platform_->QueueOpenFile(QString());
    QTest::mouseClick(Find<QToolButton>("VstupA"), Qt::LeftButton);
    QCOMPARE(platform_->openRequests.last().initialFolder, examples);

    const QString histograms = QString::fromStdString(form.Folders().histograms);
    QVERIFY(QFile::copy(kDiscreteTen, histograms + QStringLiteral("/loads.dis")));
    platform_->QueueOpenFile(QString());
    QTest::mouseClick(Find<QToolButton>("VstupB"), Qt::LeftButton);
    QCOMPARE(platform_->openRequests.last().initialFolder, histograms);
  }

  void theEnglishWindowSaysWhatItsRowsAndItemsHold() {
    Start();
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid3"), 2, 0), QStringLiteral("Sum of frequencies"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid4"), 2, 0), QStringLiteral("Sum of frequencies"));
    QCOMPARE(Find<QAction>("Vslhistogramu1")->text(), QStringLiteral("Description &result histogram"));
    Find<QAction>("Cestina")->trigger();
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid3"), 2, 0), QStringLiteral("Suma četností"));
    QCOMPARE(Find<QAction>("Vslhistogramu1")->text(), QStringLiteral("&Výsl.histogramu"));
  }

  void exitAsksFirstAndClosingWritesTheSettingsFile() {
    MainWindow& form = Start();
    platform_->QueueOpenFile(kDiscreteTen);
    QTest::mouseClick(Find<QToolButton>("VstupA"), Qt::LeftButton);

    platform_->QueueMessageAnswer(dorvex::gui::kResultNo);
    QTest::mouseClick(Find<QToolButton>("BitBtn13"), Qt::LeftButton);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages.first().caption, QStringLiteral("C o n f i r m a t i o n"));
    QCOMPARE(platform_->messages.first().text, QStringLiteral("C l o s e  D o r v e x ?"));
    QCOMPARE(platform_->messages.first().buttons, dorvex::gui::MessageButtons::YesNo);
    QVERIFY(form.isVisible());
    QVERIFY(!QFile::exists(SettingsPath()));

    // The menu item and the title bar's close ask the same question.
    platform_->QueueMessageAnswer(dorvex::gui::kResultNo);
    Find<QAction>("Konec1")->trigger();
    platform_->QueueMessageAnswer(dorvex::gui::kResultNo);
    CloseFromTitleBar();
    QCOMPARE(platform_->messages.size(), 3);
    for (const auto& asked : platform_->messages) QCOMPARE(asked.text, QStringLiteral("C l o s e  D o r v e x ?"));
    QVERIFY(form.isVisible());
    QVERIFY(!QFile::exists(SettingsPath()));

    platform_->QueueMessageAnswer(dorvex::gui::kResultYes);
    CloseFromTitleBar();
    QVERIFY(!form.isVisible());
    QVERIFY(QFile::exists(SettingsPath()));
    QCOMPARE(platform_->messages.size(), 4);

    SettingsFile written(SettingsPath().toStdString());
    QVERIFY(!written.Load());
    QCOMPARE(written.ReadString("--  InputFile  --", "Histogram A", ""), kDiscreteTen.toStdString());
    QCOMPARE(written.ReadInteger("--  ReOpen histogram  --", "Celkem ReOpen", -1), 1);
    QCOMPARE(written.ReadString("--  ReOpen histogram  --", "ReOpen soubor  [0]", ""), kDiscreteTen.toStdString());
    QCOMPARE(written.ReadString("--  ReOpen histogram  --", "ReOpen nasobek [0]", ""), std::string("1.00"));
    QCOMPARE(written.ReadString("--  ReOpen histogram  --", "ReOpen PocInt  [0]", ""), std::string("10"));
    QCOMPARE(written.ReadInteger("--  Setting  --", "Prob_u-Form1.Pocet intervalu", -1), 256);
    QCOMPARE(written.ReadInteger("--  Setting  --", "DateSeparator", -1), int('.'));
    QCOMPARE(written.ReadInteger("--  Setting  --", "TimeSeparator", -1), int(':'));
    QCOMPARE(written.ReadBool("--  Setting  --", "Color- jazyk anglicky", false), true);
    QCOMPARE(written.ReadBool("--  Component  --", "FORM1 Index Ne", false), true);
  }

  void storedSettingsAreAppliedAndWrittenBack() {
    {
      SettingsFile stored(SettingsPath().toStdString());
      stored.WriteInteger("--  Position  --", "Prob_u-Form1.left", 10);
      stored.WriteInteger("--  Position  --", "Prob_u-Form1.top", 20);
      stored.WriteInteger("--  Position  --", "Prob_u-Form1.width", 1100);
      stored.WriteInteger("--  Position  --", "Prob_u-Form1.height", 750);
      stored.WriteInteger("--  Setting  --", "Prob_u-Form1.Pocet intervalu", 300);
      stored.WriteBool("--  Nastaveni  --", "Form1 Prikazova radka", false);
      stored.WriteBool("--  Component  --", "FORM1 Index Ano", true);
      stored.WriteBool("--  Component  --", "FORM1 Index Ne", false);
      stored.WriteInteger("--  Setting  --", "Prob_u-Form1.CBMarks.ItemIndex", 4);
      stored.WriteInteger("--  Setting  --", "Prob_u-Form1.SpinEdAngle.Value", 45);
      stored.WriteBool("--  Setting  --", "Color- jazyk cesky", true);
      stored.WriteBool("--  Setting  --", "Color- jazyk anglicky", false);
      stored.WriteInteger("--  Mat.operace  --", "Posledni", 3);
      stored.WriteInteger("--  Setting  --", "DateSeparator", '-');
      stored.WriteInteger("--  Setting  --", "TimeSeparator", '.');
      stored.WriteInteger("--  ReOpen histogram  --", "Celkem ReOpen", 1);
      stored.WriteString("--  ReOpen histogram  --", "ReOpen soubor  [0]", "/data/loads.dis");
      stored.WriteString("--  ReOpen histogram  --", "ReOpen nasobek [0]", "2.50");
      stored.WriteString("--  ReOpen histogram  --", "ReOpen PocInt  [0]", "40");
      // A key of another window: kept as it is.
      stored.WriteString("--  Position  --", "ParamRozdel-Form12.Eps", "1E-9");
      QVERIFY(!stored.Save());
    }
    MainWindow& form = Start();
    QCOMPARE(form.pos(), QPoint(10, 20));
    QCOMPARE(form.size(), QSize(1100, 750));
    QVERIFY(!Find<QStatusBar>("StatusBar1")->isVisible());
    QVERIFY(!Find<QAction>("PrikazRadka1")->isChecked());
    QVERIFY(Find<QAction>("index1")->isChecked());
    QVERIFY(!Find<QAction>("NonIndex")->isChecked());
    QCOMPARE(Find<QComboBox>("CBValInd")->currentIndex(), 0);
    QCOMPARE(Find<QComboBox>("CBMarks")->currentIndex(), 4);
    QCOMPARE(Find<QSpinBox>("SpinEdAngle")->value(), 45);
    // The stored operation is overridden at every start.
    QCOMPARE(Find<QComboBox>("ComboBox_Operace")->currentIndex(), 0);
    QVERIFY(Find<QAction>("Cestina")->isChecked());
    // The message boxes' buttons speak the window's language.
    QCOMPARE(platform_->language, dorvex::texts::Language::Czech);
    QVERIFY(form.windowTitle().startsWith(QStringLiteral("D o r v e x  -  Verze ")));
    QCOMPARE(Find<QMenu>("Soubor1")->title(), QStringLiteral("&Soubor"));
    QVERIFY(Find<QAction>("minus1")->isChecked());
    QVERIFY(Find<QAction>("tecka2")->isChecked());
    QCOMPARE(form.Bench().ReOpenList().Entries().size(), std::size_t{1});
    // The stored time separator shows in the clock.
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d$"))
                .match(Find<QLabel>("StatusPanel0")->text())
                .hasMatch());

    // Switching the language back changes the captions at once.
    Find<QAction>("Anglictina")->trigger();
    QCOMPARE(Find<QMenu>("Soubor1")->title(), QStringLiteral("&File"));
    QVERIFY(!Find<QAction>("Cestina")->isChecked());
    QCOMPARE(platform_->language, dorvex::texts::Language::English);

    form.close();
    SettingsFile written(SettingsPath().toStdString());
    QVERIFY(!written.Load());
    QCOMPARE(written.ReadInteger("--  Position  --", "Prob_u-Form1.left", -1), 10);
    QCOMPARE(written.ReadInteger("--  Position  --", "Prob_u-Form1.width", -1), 1100);
    QCOMPARE(written.ReadInteger("--  Position  --", "Prob_u-Form1.height", -1), 750);
    QCOMPARE(written.ReadInteger("--  Setting  --", "Prob_u-Form1.Pocet intervalu", -1), 300);
    QCOMPARE(written.ReadBool("--  Nastaveni  --", "Form1 Prikazova radka", true), false);
    QCOMPARE(written.ReadBool("--  Component  --", "FORM1 Index Ano", false), true);
    QCOMPARE(written.ReadInteger("--  Setting  --", "Prob_u-Form1.CBMarks.ItemIndex", -1), 4);
    QCOMPARE(written.ReadInteger("--  Setting  --", "Prob_u-Form1.SpinEdAngle.Value", -1), 45);
    QCOMPARE(written.ReadBool("--  Setting  --", "Color- jazyk cesky", true), false);
    QCOMPARE(written.ReadInteger("--  Mat.operace  --", "Posledni", -1), 0);
    QCOMPARE(written.ReadInteger("--  Setting  --", "DateSeparator", -1), int('-'));
    QCOMPARE(written.ReadInteger("--  Setting  --", "TimeSeparator", -1), int('.'));
    QCOMPARE(written.ReadString("--  ReOpen histogram  --", "ReOpen nasobek [0]", ""), std::string("2.50"));
    QCOMPARE(written.ReadString("--  Position  --", "ParamRozdel-Form12.Eps", ""), std::string("1E-9"));
  }

  void theChosenSeparatorsShowInTheClockAndTheResultChart() {
    MainWindow& form = Start();
    Find<QAction>("lomitko1")->trigger();
    Find<QAction>("tecka2")->trigger();
    QVERIFY(Find<QAction>("lomitko1")->isChecked());
    QVERIFY(!Find<QAction>("tecka1")->isChecked());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d$"))
                .match(Find<QLabel>("StatusPanel0")->text())
                .hasMatch());
    for (const char* button : {"VstupA", "VstupB"}) {
      platform_->QueueOpenFile(kDiscreteTen);
      QTest::mouseClick(Find<QToolButton>(button), Qt::LeftButton);
    }
    QTest::mouseClick(Find<QPushButton>("Button_Proved_Operaci"), Qt::LeftButton);
    QVERIFY(form.Bench().Result() != nullptr);
    QVERIFY(QRegularExpression(QStringLiteral("^\\( \\d{1,2}/\\d{1,2}/\\d{4} , \\d\\d\\.\\d\\d\\.\\d\\d \\)$"))
                .match(dorvex::gui::ChartTitleLines(Find<QChartView>("Chart_AB")).first())
                .hasMatch());

    form.close();
    SettingsFile written(SettingsPath().toStdString());
    QVERIFY(!written.Load());
    QCOMPARE(written.ReadInteger("--  Setting  --", "DateSeparator", -1), int('/'));
    QCOMPARE(written.ReadInteger("--  Setting  --", "TimeSeparator", -1), int('.'));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

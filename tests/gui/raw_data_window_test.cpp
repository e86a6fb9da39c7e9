// The raw-data window driven from the main window's type selector as a user drives
// it: files chosen through the scripted open dialog, controls found by name.

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <random>

#include "app/grid_cells.h"
#include "charts/draw_histogram.h"
#include "main_window_harness.h"
#include "model/histogram.h"
#include "rawdata/fitting.h"
#include "rawdata/raw_data_window.h"
#include "rawdata/raw_sample.h"
#include "rawdata/sample_histogram.h"
#include "texts/messages.h"

using dorvex::gui::Cell;
using dorvex::gui::RawDataWindow;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

// A file of `n` values drawn with a fixed seed around 300 (a yield strength in MPa).
QString WriteSample(const QTemporaryDir& folder, const QString& name, int n, double sigma = 20.0) {
  std::mt19937 random(7);
  std::normal_distribution<double> strength(300.0, sigma);
  QFile file(folder.filePath(name));
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(name));
  for (int i = 0; i < n; ++i) file.write(QByteArray::number(strength(random), 'f', 2) + "\r\n");
  return file.fileName();
}

QString WriteText(const QTemporaryDir& folder, const QString& name, const QByteArray& text) {
  QFile file(folder.filePath(name));
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(name));
  file.write(text);
  return file.fileName();
}

QString Message(int n) { return QString::fromStdString(dorvex::texts::MessageText(n, dorvex::texts::Language::English)); }

}  // namespace

class RawDataWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowHarness> harness_;

  RawDataWindow* Window() const {
    auto* window = harness_->form().findChild<RawDataWindow*>(QStringLiteral("TForm14"));
    if (window == nullptr) qFatal("no raw-data window");
    return window;
  }

  template <class T>
  T* Find(const char* name) const {
    T* control = Window()->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }

  // Chooses "Raw data" in the slot's type selector with the keyboard.
  void OpenFrom(SlotId slot) {
    auto* selector = harness_->Find<QComboBox>(slot == SlotId::A ? "CBTypHistA" : "CBTypHistB");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_End);  // the last item, "Raw data"
    QVERIFY(Window()->isVisible());
    Window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Window()));
  }

  void Load(const QString& path) {
    harness_->platform().QueueOpenFile(path);
    QTest::mouseClick(Find<QPushButton>("OpenData"), Qt::LeftButton);
    MainWindowHarness::Settle();
  }

  // Clicks the field, replaces its text and leaves it with Enter.
  void TypeAndEnter(const char* name, const QString& keys) {
    auto* field = Find<QLineEdit>(name);
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
    QTest::keyClick(field, Qt::Key_Return);
    MainWindowHarness::Settle();
  }

  void Fit() {
    QSignalSpy finished(Window(), &RawDataWindow::FittingFinished);
    QTest::mouseClick(Find<QPushButton>("BuParam"), Qt::LeftButton);
    // The run goes on in its thread: the window still takes events meanwhile.
    QVERIFY(Window()->Fitting());
    QVERIFY(!Find<QPushButton>("BuParam")->isEnabled());
    QVERIFY(finished.wait(60000));
    MainWindowHarness::Settle();
  }

  // Types the lines into the editor, Enter between them.
  void TypeLines(const QStringList& lines) {
    auto* editor = Find<QPlainTextEdit>("Memo1");
    for (int i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(editor, Qt::Key_Return);
      QTest::keyClicks(editor, lines[i]);
    }
  }

  QString LastMessage() const {
    return harness_->platform().messages.isEmpty() ? QString() : harness_->platform().messages.last().text;
  }

  bool ChartShown() const { return Find<QChartView>("Chart1L")->isVisibleTo(Window()); }

 private slots:
  void init() { harness_ = std::make_unique<MainWindowHarness>(); }
  void cleanup() { harness_.reset(); }

  void aUserFitsASampleAndHandsTheBestFitToA_data() {
    QTest::addColumn<QString>("stem");
    QTest::addColumn<int>("count");
    QTest::newRow("yield strengths") << QStringLiteral("yield_strength") << 5000;
    QTest::newRow("two batches") << QStringLiteral("bimodal_batches") << 5000;
    QTest::newRow("wind maxima") << QStringLiteral("wind_maxima") << 5000;
  }
  void aUserFitsASampleAndHandsTheBestFitToA() {
    QFETCH(QString, stem);
    QFETCH(int, count);
    const QString path = QStringLiteral(DORVEX_EXAMPLES "/Raw data/%1.txt").arg(stem);
    OpenFrom(SlotId::A);
    QVERIFY(!harness_->Find<QComboBox>("CBTypHistA")->isEnabled());
    QVERIFY(!Find<QPushButton>("BuParam")->isEnabled());
    QVERIFY(!ChartShown());

    Load(path);
    QCOMPARE(Find<QLineEdit>("EdNazev")->text(), stem + QStringLiteral(".txt"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid3"), 0, 1), QStringLiteral("     %1").arg(count));
    auto* values = Find<QListView>("MemoDat");
    QCOMPARE(values->model()->rowCount(), count);
    QVERIFY(values->model()->index(0, 0).data().toString().endsWith(QStringLiteral("  |  000001")));
    QVERIFY(ChartShown());
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart1L")), 128);
    QVERIFY(!Find<QComboBox>("CBTypPara")->isEnabled());

    Fit();
    auto* list = Find<QComboBox>("CBTypPara");
    QVERIFY(list->isEnabled());
    QVERIFY(list->count() > 0);
    QCOMPARE(Find<QProgressBar>("ProgressBar1")->value(), dorvex::rawdata::kFitSteps);
    QVERIFY(harness_->form().findChild<QWidget*>(QStringLiteral("TForm19"))->isVisible());

    // The ranking is the one a run without the thread gives.
    const auto reading = dorvex::rawdata::LoadRawSample(path.toStdString(), dorvex::texts::Language::English);
    QVERIFY(reading.sample.has_value());
    const auto data = dorvex::rawdata::BuildSampleHistogram(reading.sample->values, 128, reading.sample->smallest(),
                                                            reading.sample->largest());
    const auto run = dorvex::rawdata::RunFitting({*reading.sample, data, 1E-7, false},
                                                 dorvex::texts::Language::English);
    const auto expected = dorvex::rawdata::RankedListTexts(run, dorvex::texts::Language::English);
    QCOMPARE(list->count(), dorvex::rawdata::ListedFitCount(run));
    for (int i = 0; i < list->count(); ++i)
      QCOMPARE(list->itemText(i), QString::fromStdString(expected[static_cast<std::size_t>(i)]));

    QVERIFY(ChartShown());
    const QString best = list->itemText(0);
    QVERIFY(dorvex::gui::ChartTitleLines(Find<QChartView>("Chart1L"))[0].contains(best));

    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QVERIFY(!Window()->isVisible());
    const auto& slot = harness_->form().Bench().Slot(SlotId::A);
    QVERIFY(slot.loaded);
    QCOMPARE(QString::fromStdString(slot.name), QStringLiteral("RawData_(%1-%2)").arg(stem, best));
    QCOMPARE(slot.base.N, 128);
    QCOMPARE(slot.base.Type, dorvex::model::HistogramType::Discrete);
    QCOMPARE(harness_->Find<QComboBox>("CBTypHistA")->currentIndex(), 0);
    QVERIFY(harness_->Find<QComboBox>("CBTypHistA")->isEnabled());
    QCOMPARE(harness_->Find<QLineEdit>("Edit_NasA")->text(), QStringLiteral("1.00"));
  }

  // The largest file a user may open: the window goes on taking events while it is
  // fitted, and the run ends in the same ranking.
  void halfAMillionValuesFitWithoutFreezingTheWindow() {
    const QString path = WriteSample(harness_->folder(), QStringLiteral("large.txt"), 500000);
    OpenFrom(SlotId::A);
    Load(path);
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid3"), 0, 1), QStringLiteral("     500000"));
    QSignalSpy finished(Window(), &RawDataWindow::FittingFinished);
    QSignalSpy progress(Find<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged);
    QTest::mouseClick(Find<QPushButton>("BuParam"), Qt::LeftButton);
    bool handledWhileFitting = false;
    QTimer::singleShot(0, Window(), [&] { handledWhileFitting = Window()->Fitting(); });
    QVERIFY(finished.wait(120000));
    QVERIFY(handledWhileFitting);
    QVERIFY(progress.size() >= 2);
    QVERIFY(Find<QComboBox>("CBTypPara")->count() > 0);
  }

  // A run stopped by the user, or by closing the window, ranks nothing: the data
  // histogram stays on display and goes to the slot.
  void aStoppedRunRanksNothing() {
    const QString path = WriteSample(harness_->folder(), QStringLiteral("large.txt"), 500000);
    OpenFrom(SlotId::A);
    Load(path);
    QSignalSpy finished(Window(), &RawDataWindow::FittingFinished);
    QTest::mouseClick(Find<QPushButton>("BuParam"), Qt::LeftButton);
    QVERIFY(Find<QPushButton>("BStopParam")->isVisible());
    QTest::mouseClick(Find<QPushButton>("BStopParam"), Qt::LeftButton);
    QVERIFY(finished.wait(120000));
    QVERIFY(!Window()->Fitting());
    QVERIFY(!Find<QPushButton>("BStopParam")->isVisible());
    QCOMPARE(Find<QComboBox>("CBTypPara")->count(), 0);
    QVERIFY(Find<QPushButton>("BuParam")->isEnabled());
    QVERIFY(ChartShown());

    QTest::mouseClick(Find<QPushButton>("BuParam"), Qt::LeftButton);
    QVERIFY(Window()->Fitting());
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QVERIFY(!Window()->isVisible());
    QVERIFY(!Window()->Fitting());
    QCOMPARE(QString::fromStdString(harness_->form().Bench().Slot(SlotId::A).name), QStringLiteral("RawData_(large)"));
  }

  void theDataHistogramGoesToBAsPureDiscrete() {
    OpenFrom(SlotId::B);
    Load(WriteSample(harness_->folder(), QStringLiteral("beam.txt"), 50));
    TypeAndEnter("EdPocetIntervalu", QStringLiteral("16"));
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart1L")), 16);
    // Its characteristics report, titled as the data histogram's.
    QTest::mouseClick(Find<QPushButton>("BChar"), Qt::LeftButton);
    QVERIFY(harness_->platform().messages.last().fixedPitch);
    QVERIFY(harness_->platform().messages.last().text.contains(Message(106)));
    auto* pure = Find<QCheckBox>("ChB_TypHist");
    QTest::mouseClick(pure, Qt::LeftButton, {}, QPoint(6, pure->height() / 2));
    QVERIFY(pure->isChecked());
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    MainWindowHarness::Settle();
    const auto& slot = harness_->form().Bench().Slot(SlotId::B);
    QVERIFY(slot.loaded);
    QCOMPARE(QString::fromStdString(slot.name), QStringLiteral("RawData_(beam)"));
    QCOMPARE(slot.base.Type, dorvex::model::HistogramType::PureDiscrete);
    QCOMPARE(slot.base.N, 16);
    QVERIFY(!harness_->form().Bench().Slot(SlotId::A).loaded);
  }

  void aRefusedFileKeepsThePreviousSample_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("message");
    QTest::newRow("text in a line") << QByteArray("1.5\r\n2,5\r\nabc\r\n4\r\n") << 118;
    QTest::newRow("an empty line") << QByteArray("1.5\r\n\r\n3\r\n4\r\n") << 118;
    QTest::newRow("two values") << QByteArray("1\r\n2\r\n") << 213;
    QTest::newRow("a binary file") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10) << 118;
  }
  void aRefusedFileKeepsThePreviousSample() {
    QFETCH(QByteArray, text);
    QFETCH(int, message);
    OpenFrom(SlotId::A);
    Load(WriteSample(harness_->folder(), QStringLiteral("kept.txt"), 30));
    const QString count = Cell(Find<QTableWidget>("StringGrid3"), 0, 1);
    Load(WriteText(harness_->folder(), QStringLiteral("refused.txt"), text));
    QVERIFY2(LastMessage().startsWith(Message(message)), qPrintable(LastMessage()));
    QCOMPARE(harness_->platform().messages.last().caption, Message(dorvex::texts::kTitleError));
    QCOMPARE(Find<QLineEdit>("EdNazev")->text(), QStringLiteral("kept.txt"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid3"), 0, 1), count);
    QVERIFY(ChartShown());
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(harness_->form().Bench().Slot(SlotId::A).name), QStringLiteral("RawData_(kept)"));
  }

  void aRefusedLineIsNamedByItsNumber() {
    OpenFrom(SlotId::A);
    Load(WriteText(harness_->folder(), QStringLiteral("bad.txt"), "1\r\n2\r\n3\r\n1,5,2\r\n"));
    QVERIFY2(LastMessage().contains(QStringLiteral("Line 4 : 1,5,2")), qPrintable(LastMessage()));
    QVERIFY(!ChartShown());
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    QVERIFY(!harness_->form().Bench().Slot(SlotId::A).loaded);
  }

  void theIntervalCountIsChecked_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("message");  // leading message shown; 0: none
    QTest::addColumn<int>("bars");
    QTest::newRow("outside 3 .. 1024") << QStringLiteral("2000") << 88 << 128;
    QTest::newRow("zero") << QStringLiteral("0") << 115 << 128;
    QTest::newRow("below Sturges") << QStringLiteral("5") << 116 << 5;
    QTest::newRow("accepted") << QStringLiteral("64") << 0 << 64;
  }
  void theIntervalCountIsChecked() {
    QFETCH(QString, typed);
    QFETCH(int, message);
    QFETCH(int, bars);
    OpenFrom(SlotId::A);
    Load(WriteSample(harness_->folder(), QStringLiteral("count.txt"), 1000));
    const int before = harness_->platform().messages.size();
    TypeAndEnter("EdPocetIntervalu", typed);
    if (message == 0) {
      QCOMPARE(harness_->platform().messages.size(), before);
    } else {
      QVERIFY2(LastMessage().startsWith(Message(message).left(20)), qPrintable(LastMessage()));
    }
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart1L")), bars);
    QCOMPARE(Find<QLineEdit>("EdPocetIntervalu")->text(), QString::number(bars));
  }

  void aLetterInANumberFieldBeeps() {
    OpenFrom(SlotId::A);
    Load(WriteSample(harness_->folder(), QStringLiteral("keys.txt"), 30));
    auto* field = Find<QLineEdit>("EdMin");
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("2x7,5"));
    QCOMPARE(harness_->platform().beeps, 1);
    QCOMPARE(field->text(), QStringLiteral("27.5"));
  }

  void theEditorSavesTypedValuesAndRefusesABadLine() {
    OpenFrom(SlotId::A);
    QTest::mouseClick(Find<QPushButton>("BNovy"), Qt::LeftButton);
    QVERIFY(Find<QWidget>("GroupBox3")->isVisible());
    TypeLines({QStringLiteral("1,5"), QStringLiteral("2"), QStringLiteral("3")});
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid5"), 0, 1), QStringLiteral(" 3"));

    const QString target = harness_->folder().filePath(QStringLiteral("typed.txt"));
    harness_->platform().QueueSaveFile(target);
    QTest::mouseClick(Find<QPushButton>("BSave"), Qt::LeftButton);
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("1,5\r\n2\r\n3\r\n"));
    written.close();
    QVERIFY(!Find<QWidget>("GroupBox3")->isVisible());

    // A bad line: the file already there stays as it was.
    QTest::mouseClick(Find<QPushButton>("BNovy"), Qt::LeftButton);
    TypeLines({QStringLiteral("4"), QStringLiteral("five")});
    harness_->platform().QueueSaveFile(target);
    harness_->platform().QueueMessageAnswer(dorvex::gui::kResultYes);  // overwrite
    QTest::mouseClick(Find<QPushButton>("BSave"), Qt::LeftButton);
    QVERIFY2(LastMessage().startsWith(Message(194)), qPrintable(LastMessage()));
    QVERIFY(LastMessage().contains(QStringLiteral("five")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("1,5\r\n2\r\n3\r\n"));

    // An empty editor is refused before any dialog.
    const int dialogs = harness_->platform().saveRequests.size();
    Find<QPlainTextEdit>("Memo1")->clear();
    QTest::mouseClick(Find<QPushButton>("BSave"), Qt::LeftButton);
    QCOMPARE(LastMessage(), Message(185));
    QCOMPARE(harness_->platform().saveRequests.size(), dialogs);
  }

  void speaksTheMainWindowsLanguage() {
    auto* czech = harness_->form().findChild<QAction*>(QStringLiteral("Cestina"));
    QVERIFY(czech != nullptr);
    czech->trigger();
    OpenFrom(SlotId::A);
    QCOMPARE(Window()->windowTitle(), QStringLiteral("  Dorvex :  Prvotní data"));
    QCOMPARE(Find<QWidget>("GroupBox3")->property("title").toString(), QStringLiteral("Prvotní data"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid3"), 0, 0), QStringLiteral("Počet prvků"));
    // The editor keeps a decimal comma as typed.
    QTest::mouseClick(Find<QPushButton>("BNovy"), Qt::LeftButton);
    TypeLines({QStringLiteral("1,5")});
    QCOMPARE(Find<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("1,5"));
    // Switched back while the window is hidden, it speaks English when it opens again.
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    harness_->form().findChild<QAction*>(QStringLiteral("Anglictina"))->trigger();
    OpenFrom(SlotId::A);
    QCOMPARE(Find<QPushButton>("BNovy")->text(), QStringLiteral("New data"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid3"), 0, 0), QStringLiteral("Number of values"));
  }
};

QTEST_MAIN(RawDataWindowTest)
#include "raw_data_window_test.moc"

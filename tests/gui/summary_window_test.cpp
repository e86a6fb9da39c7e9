// The summary window driven from the main window as a user drives it: rows opened
// through the file dialog, multiples and weights typed, questions answered by the
// fake platform, the mixture handed to the slot when the window closes.

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "app/grid_cells.h"
#include "charts/draw_histogram.h"
#include "main_window_harness.h"
#include "table_window_steps.h"
#include "tables/histogram_table_file.h"
#include "tables/summary.h"
#include "tables/table_rows.h"
#include "texts/messages.h"
#include "texts/table_texts.h"

using dorvex::gui::testing::ExampleFile;
using dorvex::gui::testing::kSummaryNames;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::gui::testing::TableWindowSteps;
using dorvex::model::SlotId;

namespace {

QString MessageText(int number) {
  return QString::fromStdString(dorvex::texts::MessageText(number, dorvex::texts::Language::English));
}

QString S235() { return ExampleFile("Solidity and material characterics", "Yield_strength_S235.dis"); }

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SummaryWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowHarness> h_;
  std::unique_ptr<TableWindowSteps> steps_;

  TableWindowSteps& Open(SlotId slot) {
    steps_ = std::make_unique<TableWindowSteps>(*h_, kSummaryNames);
    steps_->OpenFrom(slot);
    return *steps_;
  }

  // Two batches of S235: the second 8 % stronger and three times as large.
  void FillTwoBatches(TableWindowSteps& w) {
    w.OpenRow(1, S235());
    w.OpenRow(2, S235());
    w.Type(1, 1, QStringLiteral("1"));
    w.Type(2, 1, QStringLiteral("1,08"));
    w.Type(1, 8, QStringLiteral("1"));
    w.Type(2, 8, QStringLiteral("3"));
  }

  QString LastMessage() const {
    return h_->platform().messages.isEmpty() ? QString() : h_->platform().messages.last().text;
  }

 private slots:
  void init() { h_ = std::make_unique<MainWindowHarness>(); }
  void cleanup() {
    steps_.reset();
    h_.reset();
  }

  void aMixtureOfTwoBatchesGoesToBAndEqualsTheSavedTablesMixture() {
    TableWindowSteps& w = Open(SlotId::B);
    QVERIFY(w.Window()->isVisible());
    QVERIFY(!h_->Find<QComboBox>("CBTypHistA")->isEnabled());
    QCOMPARE(w.Window()->windowTitle(), QStringLiteral("  Dorvex :  Summation histogram table"));
    QCOMPARE(w.Cell(0, 8), QStringLiteral(" Weight"));
    QCOMPARE(w.Cell(10, 0), QStringLiteral(" 10"));
    for (const char* name : {"DelRow", "SaveSuma", "VypocetSuma"}) QVERIFY(!w.Find<QPushButton>(name)->isEnabled());

    FillTwoBatches(w);
    QCOMPARE(w.Cell(1, 2), QStringLiteral("Yield_strength_S235.dis"));
    QCOMPARE(w.Cell(2, 6), QStringLiteral("Histograms/Solidity and material characterics"));
    QCOMPARE(w.Cell(1, 5), QStringLiteral("128"));
    QCOMPARE(w.Cell(2, 1), QStringLiteral("1.08"));  // "," goes in as "."
    QCOMPARE(w.Find<QLabel>("MaxIntSum")->text(), QStringLiteral("128"));
    QVERIFY(w.Find<QPushButton>("VypocetSuma")->isEnabled());

    w.Click("VypocetSuma");
    QVERIFY(w.GraphWindow()->isVisible());
    auto* chart = w.GraphWindow()->findChild<QChartView*>(QStringLiteral("Chart1"));
    QCOMPARE(dorvex::gui::ChartTitleLines(chart), (QStringList{QString(), QStringLiteral("Summary_histogram")}));
    const int bars = dorvex::gui::ChartBarCount(chart);
    QCOMPARE(bars, 128);

    // The same table saved and computed by the core gives the histogram B receives.
    w.Activate();
    const QString table = h_->folder().filePath(QStringLiteral("batches.sum"));
    h_->platform().QueueSaveFile(table);
    w.Click("SaveSuma");
    auto saved = dorvex::tables::NewTable(dorvex::tables::TableKind::Summary, dorvex::texts::Language::English);
    QVERIFY(!dorvex::tables::ReadTableFile(table.toStdString(), saved, dorvex::texts::Language::English).error);
    const auto expected = dorvex::tables::ComputeSummary(saved, 1, dorvex::texts::Language::English);
    QVERIFY(expected.ok());

    w.Click("ExitForm7");
    QVERIFY(!w.Window()->isVisible());
    QVERIFY(!w.GraphWindow()->isVisible());
    QVERIFY(h_->Find<QComboBox>("CBTypHistA")->isEnabled());
    QCOMPARE(h_->Find<QComboBox>("CBTypHistB")->currentIndex(), 0);
    QCOMPARE(h_->Find<QLineEdit>("Edit_NameB")->text(), QStringLiteral("Sumarizace"));
    const auto& slot = h_->form().Bench().Slot(SlotId::B);
    QVERIFY(slot.loaded);
    QCOMPARE(slot.base.N, expected.result->N);
    QCOMPARE(slot.base.Min, expected.result->Min);
    QCOMPARE(slot.base.Max, expected.result->Max);
    for (int i = 1; i <= slot.base.N; ++i) QCOMPARE(slot.base.P[i], expected.result->P[i]);
    QCOMPARE(dorvex::gui::Cell(h_->Find<QTableWidget>("StringGrid4"), 1, 1).trimmed(),
             QString::number(expected.result->N));
  }

  void questionsFillMissingMultiplesAndWeights() {
    TableWindowSteps& w = Open(SlotId::A);
    w.OpenRow(1, S235());
    w.OpenRow(2, S235());
    // Multiples missing: Yes fills them and stops.
    h_->platform().QueueMessageAnswer(dorvex::gui::kResultYes);
    w.Click("VypocetSuma");
    QCOMPARE(LastMessage(), MessageText(69));
    QCOMPARE(h_->platform().messages.last().caption, MessageText(3));
    QCOMPARE(w.Cell(1, 1), QStringLiteral("1.0"));
    QCOMPARE(w.Cell(2, 1), QStringLiteral("1.0"));
    QVERIFY(!w.GraphWindow()->isVisible());
    // Weights missing: No stops, Yes fills them and computes at once.
    h_->platform().QueueMessageAnswer(dorvex::gui::kResultNo);
    w.Click("VypocetSuma");
    QCOMPARE(LastMessage(), MessageText(65));
    QCOMPARE(w.Cell(1, 8), QString());
    QVERIFY(!w.GraphWindow()->isVisible());
    h_->platform().QueueMessageAnswer(dorvex::gui::kResultYes);
    w.Click("VypocetSuma");
    QCOMPARE(w.Cell(2, 8), QStringLiteral("1.0"));
    QVERIFY(w.GraphWindow()->isVisible());
  }

  void refusals_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("multiple");  // typed into row 1
    QTest::addColumn<QString>("weight");    // typed into row 1
    QTest::addColumn<QString>("shown");     // the start of the error box's text
    QTest::addColumn<QString>("cell");      // row 1's multiple / weight afterwards ("m:..", "w:..")
    QTest::newRow("one row") << 1 << "1" << "1" << MessageText(64) << "m:1";
    QTest::newRow("zero multiple") << 2 << "0" << "1" << MessageText(70) << "m:";
    QTest::newRow("zero weight") << 2 << "1" << "0" << QString::fromUtf8(dorvex::texts::kWeightNotPositiveText.data())
                                 << "w:";
    QTest::newRow("no number") << 2 << "1-2" << "1" << MessageText(99) << "m:1-2";
  }

  void refusals() {
    QFETCH(int, rows);
    QFETCH(QString, multiple);
    QFETCH(QString, weight);
    QFETCH(QString, shown);
    QFETCH(QString, cell);
    TableWindowSteps& w = Open(SlotId::A);
    for (int r = 1; r <= rows; ++r) {
      w.OpenRow(r, S235());
      w.Type(r, 1, r == 1 ? multiple : QStringLiteral("1"));
      w.Type(r, 8, r == 1 ? weight : QStringLiteral("1"));
    }
    const int before = h_->platform().messages.size();
    w.Click("VypocetSuma");
    QCOMPARE(h_->platform().messages.size(), before + 1);
    QVERIFY2(LastMessage().startsWith(shown), qPrintable(LastMessage()));
    QCOMPARE(h_->platform().messages.last().kind, dorvex::gui::MessageKind::Error);
    QVERIFY(!w.GraphWindow()->isVisible());
    QCOMPARE(w.Cell(1, cell.startsWith(QLatin1Char('m')) ? 1 : 8), cell.mid(2));
  }

  void aGridBeyond1024IntervalsIsRefused() {
    // Six intervals over 0 .. 3000: the rule for six intervals asks for width 1, so 3001 intervals.
    const QString die = h_->folder().filePath(QStringLiteral("wide_die.dis"));
    QFile file(die);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Description]\r\nIdentification=wide_die.dis\r\nType=Discrete\r\nForm=Frequency\r\n"
               "[Parameters]\r\nMin=0\r\nMax=3000\r\nBins=6\r\nTotal=6\r\n[Bins]\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
    file.close();
    TableWindowSteps& w = Open(SlotId::A);
    for (int r = 1; r <= 2; ++r) {
      w.OpenRow(r, die);
      w.Type(r, 1, QStringLiteral("1"));
      w.Type(r, 8, QStringLiteral("1"));
    }
    w.Click("VypocetSuma");
    QCOMPARE(h_->platform().messages.last().kind, dorvex::gui::MessageKind::Error);
    QVERIFY2(LastMessage().contains(QStringLiteral("1024")), qPrintable(LastMessage()));
    QVERIFY(!w.GraphWindow()->isVisible());
    w.Close();
    QVERIFY(!h_->form().Bench().Slot(SlotId::A).loaded);
  }

  void deletingARowAsksAndMovesTheRowsBelowUp() {
    TableWindowSteps& w = Open(SlotId::A);
    w.OpenRow(1, S235());
    w.OpenRow(2, ExampleFile("Solidity and material characterics", "Concrete_strength_C30.dis"));
    w.OpenRow(3, ExampleFile("Solidity and material characterics", "Bending_resistance_IPE300.dis"));
    w.Type(3, 7, QStringLiteral("third"));
    w.Select(2, 1);
    h_->platform().QueueMessageAnswer(dorvex::gui::kResultNo);
    w.Click("DelRow");
    QVERIFY(LastMessage().startsWith(MessageText(63)));
    QVERIFY(LastMessage().contains(QStringLiteral("Concrete_strength_C30.dis")));
    QCOMPARE(w.Cell(2, 2), QStringLiteral("Concrete_strength_C30.dis"));
    h_->platform().QueueMessageAnswer(dorvex::gui::kResultYes);
    w.Click("DelRow");
    QCOMPARE(w.Cell(2, 2), QStringLiteral("Bending_resistance_IPE300.dis"));
    QCOMPARE(w.Cell(2, 7), QStringLiteral("third"));
    QCOMPARE(w.Cell(3, 2), QString());
    QCOMPARE(w.Cell(2, 0), QStringLiteral("  2"));
  }

  void aSavedTableOpensAgainAndSavesToTheSameBytes() {
    TableWindowSteps& w = Open(SlotId::A);
    FillTwoBatches(w);
    w.Type(2, 7, QStringLiteral("batch B"));
    const QString first = h_->folder().filePath(QStringLiteral("first.sum"));
    h_->platform().QueueSaveFile(first);
    w.Click("SaveSuma");
    QCOMPARE(h_->platform().saveRequests.last().fileName, QStringLiteral("SumarniHistogram"));
    QCOMPARE(h_->platform().saveRequests.last().defaultSuffix, QStringLiteral("sum"));

    // A cancelled open dialog keeps the table; a chosen file replaces it.
    h_->platform().QueueOpenFile(QString());
    w.Click("OtevriSum");
    QCOMPARE(w.Cell(2, 7), QStringLiteral("batch B"));
    w.Close();
    w.OpenFrom(SlotId::A);
    QCOMPARE(w.Cell(1, 2), QString());
    h_->platform().QueueOpenFile(first);
    w.Click("OtevriSum");
    QCOMPARE(w.Cell(2, 7), QStringLiteral("batch B"));
    QCOMPARE(w.Cell(2, 1), QStringLiteral("1.08"));
    QCOMPARE(w.Cell(2, 8), QStringLiteral("3"));
    QVERIFY(w.Find<QPushButton>("VypocetSuma")->isEnabled());

    // Saving over it asks first; the bytes are those of the first save.
    h_->platform().QueueSaveFile(first);
    h_->platform().QueueMessageAnswer(dorvex::gui::kResultNo);
    w.Click("SaveSuma");
    QVERIFY(LastMessage().contains(QStringLiteral("O v e r w r i t e")));
    const QString second = h_->folder().filePath(QStringLiteral("second.sum"));
    h_->platform().QueueSaveFile(second);
    w.Click("SaveSuma");
    QCOMPARE(Bytes(second), Bytes(first));
    QVERIFY(!Bytes(first).isEmpty());
  }

  void keysAndEditableCells() {
    TableWindowSteps& w = Open(SlotId::A);
    w.OpenRow(1, S235());
    w.Type(1, 1, QStringLiteral("1,5e2"));
    QCOMPARE(w.Cell(1, 1), QStringLiteral("1.5E2"));
    const int beeps = h_->platform().beeps;
    w.Type(1, 8, QStringLiteral("-2x"));  // the weight takes no sign and no letter
    QCOMPARE(w.Cell(1, 8), QStringLiteral("2"));
    QCOMPARE(h_->platform().beeps, beeps + 2);
    // A row without a histogram takes no multiple, and the open button only one row below.
    w.Type(2, 1, QStringLiteral("3"));
    QCOMPARE(w.Cell(2, 1), QString());
    w.Select(3, 2);
    QVERIFY(!w.Find<QToolButton>("OtevHistSuma")->isVisible());
    w.Select(1, 6);
    QVERIFY(w.Find<QToolButton>("GrafHistSuma")->isVisible());
    QTest::mouseClick(w.Find<QToolButton>("GrafHistSuma"), Qt::LeftButton);
    QVERIFY(w.GraphWindow()->isVisible());
    auto* chart = w.GraphWindow()->findChild<QChartView*>(QStringLiteral("Chart1"));
    QCOMPARE(dorvex::gui::ChartTitleLines(chart).last(), QStringLiteral("Histogram : Yield_strength_S235"));
  }

  void theWindowSpeaksTheMainWindowsLanguage() {
    TableWindowSteps& w = Open(SlotId::A);
    w.OpenRow(1, S235());
    h_->Find<QAction>("Cestina")->trigger();
    QCOMPARE(w.Window()->windowTitle(), QStringLiteral("  Dorvex :  Tabulka histogramů pro sumární histogram"));
    QCOMPARE(w.Cell(0, 1), QStringLiteral("Násobek"));
    QCOMPARE(w.Find<QPushButton>("VypocetSuma")->text(), QStringLiteral("Výpočet"));
    QCOMPARE(w.Cell(1, 2), QStringLiteral("Yield_strength_S235.dis"));  // the rows stay
    QCOMPARE(w.GraphWindow()->windowTitle(), QStringLiteral("  Dorvex   :   Graf"));
  }
};

QTEST_MAIN(SummaryWindowTest)
#include "summary_window_test.moc"

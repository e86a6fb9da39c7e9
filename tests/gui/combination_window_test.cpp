// The combination window driven from the main window as a user drives it: a load
// combination built from the bundled loads, handed to a slot, and used against a
// mixture of resistances for R - E.

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <cmath>

#include "app/grid_cells.h"
#include "charts/draw_histogram.h"
#include "engine/engine.h"
#include "main_window_harness.h"
#include "table_window_steps.h"
#include "tables/combination.h"
#include "tables/histogram_table_file.h"
#include "tables/table_rows.h"
#include "texts/messages.h"

using dorvex::gui::testing::ExampleFile;
using dorvex::gui::testing::kCombinationNames;
using dorvex::gui::testing::kSummaryNames;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::gui::testing::TableWindowSteps;
using dorvex::model::SlotId;

namespace {

constexpr auto kEnglish = dorvex::texts::Language::English;

QString MessageText(int number) { return QString::fromStdString(dorvex::texts::MessageText(number, kEnglish)); }
QString Load(const char* file) { return ExampleFile("Loads", file); }

}  // namespace

class CombinationWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowHarness> h_;

  // Dead + live + 0.6 wind.
  static void FillLoadCombination(TableWindowSteps& w) {
    w.OpenRow(1, Load("Dead_load.dis"));
    w.OpenRow(2, Load("Live_load_50_years.dis"));
    w.OpenRow(3, Load("Wind_load_50_years.dis"));
    w.Type(1, 1, QStringLiteral("1"));
    w.Type(2, 1, QStringLiteral("1"));
    w.Type(3, 1, QStringLiteral("0,6"));
  }

  // The core's combination of the table the window saves.
  dorvex::tables::TableOutcome SavedCombination(TableWindowSteps& w) {
    const QString table = h_->folder().filePath(QStringLiteral("loads.kom"));
    h_->platform().QueueSaveFile(table);
    w.Click("SaveKomb");
    auto saved = dorvex::tables::NewTable(dorvex::tables::TableKind::Combination, kEnglish);
    if (dorvex::tables::ReadTableFile(table.toStdString(), saved, kEnglish).error) qFatal("table not saved");
    return dorvex::tables::ComputeCombination(saved, kEnglish);
  }

 private slots:
  void init() { h_ = std::make_unique<MainWindowHarness>(); }
  void cleanup() { h_.reset(); }

  void aLoadCombinationAgainstAMixtureOfResistancesGivesRMinusE() {
    // E: the load combination into B.
    TableWindowSteps loads(*h_, kCombinationNames);
    loads.OpenFrom(SlotId::B);
    QCOMPARE(loads.Window()->windowTitle(), QStringLiteral("  Dorvex :  Table of histograms for combinations"));
    QCOMPARE(loads.Grid()->columnCount(), 8);
    FillLoadCombination(loads);
    QCOMPARE(loads.Cell(3, 1), QStringLiteral("0.6"));
    QCOMPARE(loads.Cell(2, 6), QStringLiteral("Histograms/Loads"));
    loads.Click("VypocetKomb");
    QVERIFY(loads.GraphWindow()->isVisible());
    auto* chart = loads.GraphWindow()->findChild<QChartView*>(QStringLiteral("Chart1"));
    QCOMPARE(dorvex::gui::ChartTitleLines(chart).last(), MessageText(55));
    loads.Activate();
    const auto expected = SavedCombination(loads);
    QVERIFY(expected.ok());
    loads.Close();
    QCOMPARE(h_->Find<QLineEdit>("Edit_NameB")->text(), QStringLiteral("Kombinace"));
    const auto& e = h_->form().Bench().Slot(SlotId::B);
    QCOMPARE(e.base.N, expected.result->N);
    QCOMPARE(e.base.Min, expected.result->Min);
    QCOMPARE(e.base.Total, expected.result->Total);
    // The product of three totals of about 2E+08 is shown, not wrapped around 64 bits.
    QVERIFY(dorvex::gui::Cell(h_->Find<QTableWidget>("StringGrid4"), 2, 1).endsWith(QStringLiteral("E+24")));
    QVERIFY(dorvex::gui::ChartTitleLines(h_->Find<QChartView>("Chart_B")).last().contains(QStringLiteral("Kombinace")));

    // R: two batches of the IPE 300 resistance into A.
    TableWindowSteps batches(*h_, kSummaryNames);
    batches.OpenFrom(SlotId::A);
    const QString ipe = ExampleFile("Solidity and material characterics", "Bending_resistance_IPE300.dis");
    batches.OpenRow(1, ipe);
    batches.OpenRow(2, ipe);
    batches.Type(1, 1, QStringLiteral("1"));
    batches.Type(2, 1, QStringLiteral("0.95"));
    batches.Type(1, 8, QStringLiteral("1"));
    batches.Type(2, 8, QStringLiteral("1"));
    batches.Click("VypocetSuma");
    batches.Activate();
    batches.Close();
    QCOMPARE(h_->Find<QLineEdit>("Edit_NameA")->text(), QStringLiteral("Sumarizace"));

    h_->Compute(dorvex::engine::kDifference - 1);
    const auto* result = h_->form().Bench().Result();
    QVERIFY(result != nullptr);
    QVERIFY(result->failureProbability > 0.0 && result->failureProbability < 0.5);
  }

  void theMultipleInForceBecomesPartOfTheHandedOverHistogram() {
    h_->TypeAndLeave("Edit_NasA", QStringLiteral("2"));
    TableWindowSteps w(*h_, kCombinationNames);
    w.OpenFrom(SlotId::A);
    FillLoadCombination(w);
    w.Click("VypocetKomb");
    w.Activate();
    const auto expected = SavedCombination(w);
    QVERIFY(expected.ok());
    w.Close();
    const auto& a = h_->form().Bench().Slot(SlotId::A);
    constexpr double kTight = 1e-12;  // one multiplication
    QVERIFY(std::abs(a.base.Max - 2.0 * expected.result->Max) <= kTight * std::abs(a.base.Max));
    QVERIFY(std::abs(a.base.Min - 2.0 * expected.result->Min) <= kTight * std::abs(a.base.Max));
  }

  void theChecksRunAlsoWithoutAFilledRowSelected() {
    TableWindowSteps w(*h_, kCombinationNames);
    w.OpenFrom(SlotId::A);
    w.OpenRow(1, Load("Dead_load.dis"));
    w.OpenRow(2, Load("Wind_load_50_years.dis"));
    w.Select(6, 7);
    h_->platform().QueueMessageAnswer(dorvex::gui::kResultNo);
    w.Click("VypocetKomb");
    QCOMPARE(h_->platform().messages.last().text, MessageText(69));
    QVERIFY(!w.GraphWindow()->isVisible());
    QCOMPARE(w.Cell(1, 1), QString());
    // One row only: message 74.
    w.Select(2, 1);
    h_->platform().QueueMessageAnswer(dorvex::gui::kResultYes);
    w.Click("DelRow");
    QVERIFY(h_->platform().messages.last().text.startsWith(MessageText(73)));
    QCOMPARE(w.Cell(2, 2), QString());
    w.Click("VypocetKomb");
    QCOMPARE(h_->platform().messages.last().text, MessageText(74));
    // Closing without a result leaves the slot as it was.
    w.Close();
    QVERIFY(!h_->form().Bench().Slot(SlotId::A).loaded);
    QVERIFY(h_->Find<QComboBox>("CBTypHistA")->isEnabled());
  }
};

QTEST_MAIN(CombinationWindowTest)
#include "combination_window_test.moc"

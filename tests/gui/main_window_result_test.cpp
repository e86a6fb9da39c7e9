// The main window's result driven as a user drives it: operations, queries,
// multiples and ranges, the result chart and its export.

#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSet>
#include <QSpinBox>
#include <QStackedBarSeries>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>

#include "analysis/characteristics.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "charts/draw_histogram.h"
#include "settings/chart_colours.h"
#include "engine/engine.h"
#include "engine/queries.h"
#include "main_window_harness.h"
#include "app/main_window.h"
#include "analysis/chart_texts.h"
#include "model/distribution_file_reader.h"
#include "model/report_error.h"
#include "statvex/number_text.h"
#include "texts/main_window_texts.h"
#include "texts/messages.h"
#include "workbench/workbench.h"

using dorvex::gui::Cell;
using dorvex::gui::FromColorRef;
using dorvex::gui::MainWindow;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

const QString kFixtures = QStringLiteral(DORVEX_FIXTURES);
// Discrete, Min=0, Max=10, Bins=10, frequencies 1..10: values 0.5 .. 9.5, d = 1.
const QString kDiscreteTen = kFixtures + QStringLiteral("/discrete_ten.dis");
// Pure Discrete, after trimming 3 points -1.5, -0.5, 0.5 (d = 1): it holds 0.
const QString kPureDiscrete = kFixtures + QStringLiteral("/pure_discrete_trim.dis");

// The beam examples: the resistance of an IPE 300 and the bending moment of a live load.
const QString kExamples = QStringLiteral(DORVEX_EXAMPLES) + QStringLiteral("/Histograms");
const QString kResistance = kExamples + QStringLiteral("/Solidity and material characterics/Bending_resistance_IPE300.dis");
const QString kMoment = kExamples + QStringLiteral("/Loads/Bending_moment_live_load.dis");

// Operation items: the list holds code i + 1 at item i.
constexpr int kSum = dorvex::engine::kSum - 1;
constexpr int kDifference = dorvex::engine::kDifference - 1;
constexpr int kQuotient = dorvex::engine::kQuotient - 1;
constexpr int kSquare = dorvex::engine::kSquare - 1;
constexpr int kPower = dorvex::engine::kPower - 1;
constexpr int kRepeatedSum = dorvex::engine::kRepeatedSum - 1;

QString Number(double x) { return QString::fromStdString(dorvex::statvex::DisplayNumber(x)); }
constexpr dorvex::texts::Language kEnglish = dorvex::texts::Language::English;

QString Message(int n) { return QString::fromStdString(dorvex::texts::MessageText(n, kEnglish)); }
QString ErrorText(int code) {
  return QString::fromStdString(dorvex::model::ComposeReportError({code, {}, {}, 0}, kEnglish).text);
}
// The summary column of the result, as the core words it.
QStringList SummaryOf(const dorvex::engine::OperationResult& result) {
  QStringList texts;
  for (const std::string& text : dorvex::workbench::ResultSummaryTexts(result)) texts << QString::fromStdString(text);
  return texts;
}
QStringList Column(const QTableWidget* grid) {
  QStringList texts;
  for (int row = 0; row < grid->rowCount(); ++row) texts << Cell(grid, row, 1);
  return texts;
}

QByteArray Head(const QString& path, int bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(bytes);
}

// The texts the chart's scene shows, and where: axis labels and titles (rich text
// items) and the data marks (simple text items) that are visible.
struct SceneTexts {
  QStringList labels;
  QList<QRectF> marks;
};
SceneTexts TextsOf(QChartView* view) {
  SceneTexts texts;
  for (QGraphicsItem* item : view->scene()->items()) {
    if (!item->isVisible()) continue;
    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) texts.labels << text->toPlainText();
    if (dynamic_cast<QGraphicsSimpleTextItem*>(item) != nullptr) texts.marks << item->sceneBoundingRect();
  }
  return texts;
}

// Where bar i of a chart is, for a click.
QPoint BarCentre(QChartView* view, int i) {
  QChart* chart = view->chart();
  auto* series = qobject_cast<QStackedBarSeries*>(chart->series().constFirst());
  const double height = series->barSets().constLast()->at(i);
  const QPointF inChart = chart->mapToPosition(QPointF(i, height / 2), series);
  return view->mapFromScene(chart->mapToScene(inChart));
}

}  // namespace

class MainWindowResultTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowHarness> ui_;

  template <class T>
  T* Find(const char* name) const {
    return ui_->Find<T>(name);
  }
  QString Text(const char* field) const { return Find<QLineEdit>(field)->text(); }
  // A + B of two copies of `path`.
  void SumOf(const QString& path) {
    ui_->Open(SlotId::A, path);
    ui_->Open(SlotId::B, path);
    ui_->Compute(kSum);
    QVERIFY(ui_->form().Bench().Result() != nullptr);
  }

 private slots:
  void init() { ui_ = std::make_unique<MainWindowHarness>(); }
  void cleanup() { ui_.reset(); }

  void aNewcomerAddsTwoHistogramsAsksAboutTheResultAndRescalesAnInput() {
    SumOf(kDiscreteTen);
    const dorvex::engine::OperationResult* result = ui_->form().Bench().Result();
    auto* summary = Find<QTableWidget>("StringGrid5");
    QCOMPARE(Column(summary), SummaryOf(*result));
    QCOMPARE(Text("EdXMin"), Number(result->histogram.Min));
    QCOMPARE(Text("EdNasob"), QStringLiteral("1.00"));
    QVERIFY(Find<QLineEdit>("EdXMax")->isVisible());
    auto* chart = Find<QChartView>("Chart_AB");
    QCOMPARE(dorvex::gui::ChartBarCount(chart), result->histogram.N);
    const QStringList title = dorvex::gui::ChartTitleLines(chart);
    QCOMPARE(title.size(), 2);
    QVERIFY(title.first().startsWith(QStringLiteral("( ")));
    QCOMPARE(title.last(), QStringLiteral("Histogram : (A + B) * nAB   (nAB=1.00)"));
    QCOMPARE(Find<QTableWidget>("StringGrid2")->rowCount(),
             int(ui_->form().Bench().ResultListing(kEnglish).size()));
    for (const char* name : {"UlozGraf", "UlozOkno", "HistVysl", "Vysledky", "BChar", "PopisAB"}) {
      QVERIFY2(Find<QToolButton>(name)->isEnabled(), name);
    }
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>("Edit_P"));

    // A value typed with a decimal comma; Enter goes on to the probability field.
    ui_->TypeAndEnter("Edit_P", QStringLiteral("10,5"));
    QCOMPARE(Text("Edit_P"), QStringLiteral("10.5"));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>("Edit_AB"));
    const dorvex::engine::ValueAnswer value = dorvex::engine::ProbabilityOfValue(*result, 10.5);
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid7"), 0, 1), Number(value.probability));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid7"), 1, 1), Number(static_cast<double>(value.cumulative)));
    QCOMPARE(dorvex::gui::ChartMarkedBars(chart), value.markedIntervals);
    QCOMPARE(dorvex::gui::ChartBarColour(chart, 0), FromColorRef(0x0000FF));  // the value-x colour
    QCOMPARE(dorvex::gui::ChartBarColour(chart, 18), FromColorRef(dorvex::settings::kResultBarColour));
    QCOMPARE(dorvex::gui::ChartFrameColour(chart), FromColorRef(dorvex::settings::kValueFrameColour));
    // The listing shades the intervals starting below x.
    auto* listing = Find<QTableWidget>("StringGrid2");
    QCOMPARE(listing->item(2, 1)->background().color(), FromColorRef(0xB0D8FF));
    QCOMPARE(listing->item(2 * 19, 1)->background().color(), FromColorRef(0xFFE1E1));

    ui_->TypeAndEnter("Edit_AB", QStringLiteral("0.5"));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>("Edit_P"));
    const dorvex::engine::QuantileAnswer quantile = dorvex::engine::QuantileOfProbability(*result, 0.5);
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid6"), 0, 1), Number(quantile.value));
    QCOMPARE(dorvex::gui::ChartMarkedBars(chart), quantile.markedIntervals);
    QCOMPARE(dorvex::gui::ChartBarColour(chart, 0), FromColorRef(0xFF0000));  // the quantile colour
    QCOMPARE(dorvex::gui::ChartFrameColour(chart), FromColorRef(dorvex::settings::kQuantileFrameColour));
    QCOMPARE(listing->item(2, 1)->background().color(), FromColorRef(0xFFC1C1));
    // Without colour highlighting the listing keeps the grid's own painting.
    Find<QAction>("Ne1")->trigger();
    QVERIFY(!Find<QAction>("Ano1")->isChecked());
    QCOMPARE(listing->item(2, 1)->background().style(), Qt::NoBrush);
    Find<QAction>("Ano1")->trigger();
    QCOMPARE(listing->item(2, 1)->background().color(), FromColorRef(0xFFC1C1));

    // A new multiple of A rescales A and clears the result.
    ui_->TypeAndEnter("Edit_NasA", QStringLiteral("2"));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>("Edit_NasB"));
    QCOMPARE(Text("Edit_NasA"), QStringLiteral("2"));
    const dorvex::model::Histogram& scaledA = ui_->form().Bench().Slot(SlotId::A).scaled;
    QCOMPARE(Text("Edit_MinA"), Number(scaledA.Min));
    QCOMPARE(Text("Edit_MaxA"), Number(scaledA.Max));
    QCOMPARE(dorvex::gui::ChartTitleLines(Find<QChartView>("Chart_A")),
             QStringList{QStringLiteral("Histogram :  discrete_ten * nA   (nA=2)")});
    QVERIFY(ui_->form().Bench().Result() == nullptr);
    QCOMPARE(dorvex::gui::ChartBarCount(chart), 0);
    QVERIFY(!Find<QToolButton>("UlozGraf")->isEnabled());
    QVERIFY(Text("EdXMin").isEmpty());
    QCOMPARE(ui_->platform().messages.size(), 0);

    ui_->Compute(kSum);
    QCOMPARE(Column(summary), SummaryOf(*ui_->form().Bench().Result()));
    QCOMPARE(ui_->form().Bench().ReOpenList().Entries().front().multiple, std::string("2"));
  }

  void theResultIsCharacterisedDescribedAndSaved() {
    SumOf(kDiscreteTen);
    const dorvex::engine::OperationResult* result = ui_->form().Bench().Result();
    dorvex::gui::testing::FakePlatform& platform = ui_->platform();

    // The characteristics box words the mean of the result.
    const dorvex::analysis::Characteristics c = dorvex::analysis::ComputeCharacteristics(*result);
    Find<QToolButton>("BChar")->click();
    QVERIFY(!platform.messages.isEmpty());
    const QString shown = platform.messages.last().text;
    QVERIFY(shown.contains(QString::fromStdString(dorvex::statvex::NumberText(c.mean))));
    // In its fixed-pitch box every value ends in one column.
    QVERIFY(platform.messages.last().fixedPitch);
    QVERIFY(!shown.contains(QLatin1Char('\t')));
    QSet<qsizetype> ends;
    for (const QString& line : shown.split(QStringLiteral("\r\n"))) {
      if (line.startsWith(QLatin1String("Min")) || line.startsWith(QLatin1String("Average")) ||
          line.trimmed().startsWith(QLatin1String("M e d i a n"))) {
        ends.insert(line.size());
      }
    }
    QCOMPARE(ends.size(), 1);

    // The description table of the Discrete result: bounds between the intervals.
    Find<QToolButton>("PopisAB")->click();
    auto* listing = ui_->form().findChild<QWidget*>(QStringLiteral("Form7"));
    QVERIFY(listing != nullptr && listing->isVisible());
    QCOMPARE(listing->findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->rowCount(), 2 * 19 + 3);
    listing->hide();

    // Saved as a distribution file, it reads back on the same grid.
    const QString saved = ui_->folder().filePath(QStringLiteral("sum.dis"));
    platform.QueueSaveFile(saved);
    Find<QToolButton>("HistVysl")->click();
    const auto read = dorvex::model::ReadDistributionFile(saved.toStdString());
    QVERIFY(read.ok());
    QCOMPARE(read.record.histogram.N, 19);
    QCOMPARE(read.record.histogram.Min, result->histogram.Min);

    // The text report.
    const QString report = ui_->folder().filePath(QStringLiteral("report.txt"));
    platform.QueueSaveFile(report);
    Find<QToolButton>("Vysledky")->click();
    QFile file(report);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("R E S U L T I N G   P R O B A B I L I T I E S"));
  }

  void theChartToolBarShowsOnAMaximisedWindowAndZoomsTheResult() {
    SumOf(kDiscreteTen);
    auto* bar = ui_->form().findChild<QWidget*>(QStringLiteral("Panel3"));
    QVERIFY(bar != nullptr);
    QAction* option = ui_->form().findChild<QAction*>(QStringLiteral("TCharCom"));
    QVERIFY(option->isEnabled());
    option->setChecked(false);
    QVERIFY(!bar->isVisible());
    ui_->form().showMaximized();
    MainWindowHarness::Settle();
    option->setChecked(true);
    QVERIFY(bar->isVisible());

    QChart* chart = Find<QChartView>("Chart_AB")->chart();
    bar->findChild<QToolButton*>(QStringLiteral("ChartZoomIn"))->click();
    QVERIFY(chart->isZoomed());
    bar->findChild<QToolButton*>(QStringLiteral("ChartWhole"))->click();
    QVERIFY(!chart->isZoomed());
    option->setChecked(false);
    QVERIFY(!bar->isVisible());
  }

  void theResultMultipleRunsTheOperationAgainAndScalesItsResult() {
    SumOf(kDiscreteTen);
    ui_->TypeAndEnter("Edit_P", QStringLiteral("5"));
    QVERIFY(Cell(Find<QTableWidget>("StringGrid7"), 1, 1) != Number(0.0));
    // Every key in the multiple field takes the answers back to 0.
    Find<QLineEdit>("EdNasob")->setFocus();
    QTest::keyClick(Find<QLineEdit>("EdNasob"), Qt::Key_Backspace);
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid7"), 1, 1), Number(0.0));

    ui_->TypeAndEnter("EdNasob", QStringLiteral("-2"));
    const dorvex::workbench::Workbench& bench = ui_->form().Bench();
    QVERIFY(bench.Result() != nullptr);
    QCOMPARE(bench.ResultMultiple(), -2.0);
    QCOMPARE(Text("EdXMin"), Number(bench.Result()->histogram.Min));
    QCOMPARE(Column(Find<QTableWidget>("StringGrid5")), SummaryOf(*bench.Result()));
    QCOMPARE(Text("EdNasob"), QStringLiteral("-2"));
    QCOMPARE(dorvex::gui::ChartTitleLines(Find<QChartView>("Chart_AB")).last(),
             QString::fromStdString(bench.ResultTitle()));
    QCOMPARE(ui_->platform().messages.size(), 0);
  }

  void theResultRangePlacesTheResultOnANewSpan() {
    SumOf(kDiscreteTen);
    ui_->TypeAndLeave("EdXMax", QStringLiteral("37"));
    // The last interval's row of the listing shows the new Max.
    QCOMPARE(Text("EdXMax"), Number(37.0));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid5"), 2, 1), Number(37.0));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid2"), 2 * 19, 1), QStringLiteral("    ") + Number(37.0));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>("Edit_P"));
  }

  void aRefusedFieldIsReportedAndReset_data() {
    QTest::addColumn<QString>("inputs");  // fixture of A and B, A + B computed
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");  // a text the field takes first; empty for none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");  // the box shown; empty for none
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("shown");  // the field's text afterwards

    const QString discrete = kDiscreteTen;
    const QString pure = kPureDiscrete;
    const QString none;
    QTest::newRow("value not a number") << discrete << "Edit_P" << "" << "1-2" << Message(20) + "1-2" << 1 << "";
    QTest::newRow("value not a number back to the value in force")
        << discrete << "Edit_P" << "5" << "-." << Message(20) + "-." << 1 << "5";
    QTest::newRow("value beyond a double") << discrete << "Edit_P" << "7.5" << "1E999" << Message(20) + "1E999" << 1
                                           << "7.5";
    QTest::newRow("value outside the result") << discrete << "Edit_P" << "" << "0.5" << none << 0 << "";
    QTest::newRow("probability only a minus") << discrete << "Edit_AB" << "" << "-" << none << 1 << "";
    QTest::newRow("probability not a number") << discrete << "Edit_AB" << "" << "0..5" << Message(136) << 1 << "";
    QTest::newRow("probability not a number back to the one in force")
        << discrete << "Edit_AB" << "0.25" << "0..5" << Message(136) << 1 << "0.25";
    QTest::newRow("probability above 1") << discrete << "Edit_AB" << "" << "1.5" << none << 0 << "";
    QTest::newRow("multiple not a number") << discrete << "Edit_NasA" << "" << "2-" << Message(136) << 1 << "1";
    QTest::newRow("multiple zero") << discrete << "Edit_NasA" << "" << "0" << Message(23) << 1 << "1";
    QTest::newRow("multiple overflowing the span keeps the one in force")
        << discrete << "Edit_NasA" << "2" << "1E308" << Message(188) << 1 << "2";
    QTest::newRow("multiple of A below 0.01") << discrete << "Edit_NasA" << "" << "0.005" << Message(150) << 1 << "0.01";
    QTest::newRow("multiple of B below 0.01") << discrete << "Edit_NasB" << "" << "-0.001" << Message(151) << 1 << "0.01";
    QTest::newRow("fractional multiple of a Pure Discrete slot")
        << pure << "Edit_NasB" << "" << "1.5" << Message(180) << 1 << "1";
    QTest::newRow("input Min not a number") << discrete << "Edit_MinA" << "" << "1-" << Message(20) + "1-" << 0 << Number(0.5);
    QTest::newRow("input Min above Max") << discrete << "Edit_MinA" << "" << "20" << Message(31) << 0 << Number(0.5);
    QTest::newRow("input Max below Min") << discrete << "Edit_MaxA" << "" << "0" << Message(30) << 0 << Number(9.5);
    QTest::newRow("fractional Min of a Pure Discrete slot")
        << pure << "Edit_MinB" << "" << "-1.2" << Message(181) << 1 << Number(-1.5);
    QTest::newRow("fractional Max of a Pure Discrete slot")
        << pure << "Edit_MaxB" << "" << "0.7" << Message(182) << 1 << Number(0.5);
    QTest::newRow("result Min not a number") << discrete << "EdXMin" << "" << "1-" << Message(20) + "1-" << 0 << Number(1.0);
    QTest::newRow("result Min above Max") << discrete << "EdXMin" << "" << "30" << Message(31) << 0 << Number(1.0);
    QTest::newRow("result Max below Min") << discrete << "EdXMax" << "" << "0" << Message(30) << 0 << Number(19.0);
    QTest::newRow("fractional result Min of a Pure Discrete result")
        << pure << "EdXMin" << "" << "-2.5" << Message(181) << 1 << Number(-3.0);
    QTest::newRow("result multiple not a number")
        << discrete << "EdNasob" << "" << "2-" << Message(20) + "2-" << 0 << "1.00";
    QTest::newRow("result multiple zero") << discrete << "EdNasob" << "" << "0" << Message(23) << 0 << "1";
    QTest::newRow("fractional result multiple of a Pure Discrete result")
        << pure << "EdNasob" << "" << "1.5" << Message(180) << 1 << "1";
  }

  void aRefusedFieldIsReportedAndReset() {
    QFETCH(QString, inputs);
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, beeps);
    QFETCH(QString, shown);
    SumOf(inputs);
    const QByteArray name = field.toLatin1();
    if (!before.isEmpty()) ui_->TypeAndLeave(name.constData(), before);
    QCOMPARE(ui_->platform().messages.size(), 0);
    ui_->TypeAndLeave(name.constData(), typed);

    const auto& messages = ui_->platform().messages;
    if (message.isEmpty()) {
      QCOMPARE(messages.size(), 0);
    } else {
      QCOMPARE(messages.size(), 1);
      QCOMPARE(messages.first().caption, QStringLiteral("E r r o r"));
      QCOMPARE(messages.first().text, message);
    }
    QCOMPARE(ui_->platform().beeps, beeps);
    QCOMPARE(Text(name.constData()), shown);
  }

  void theKeyFiltersMakeNumberCharactersAndBeepAtOthers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("focusAfterEnter");
    QTest::newRow("comma and small e") << "Edit_NasA" << "2,5e-3" << "2.5E-3" << 0 << "Edit_NasB";
    QTest::newRow("letters and blanks beep") << "Edit_MinB" << "1a 2x" << "12" << 3 << "Edit_NasB";
    QTest::newRow("value field") << "Edit_P" << "-1,5E2" << "-1.5E2" << 0 << "Edit_AB";
    QTest::newRow("result range field") << "EdXMax" << "7;" << "7" << 1 << "Edit_AB";
    QTest::newRow("probability field") << "Edit_AB" << "0,25" << "0.25" << 0 << "Edit_P";
    QTest::newRow("exponent field") << "EdMocnitel" << "+2e1,x" << "+2E1" << 2 << "EdMocnitel";
  }

  void theKeyFiltersMakeNumberCharactersAndBeepAtOthers() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, beeps);
    QFETCH(QString, focusAfterEnter);
    SumOf(kDiscreteTen);
    const QByteArray name = field.toLatin1();
    auto* edit = Find<QLineEdit>(name.constData());
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(ui_->platform().beeps, beeps);
    // Enter is swallowed: it only moves the focus on.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfterEnter);
  }

  void aQuestionWithoutAnAnswerSaysWhyInTheStatusBar_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("value");  // the value question; else the probability question
    QTest::newRow("x below the result") << "Edit_P" << "0.5" << true;
    QTest::newRow("x above the result") << "Edit_P" << "20" << true;
    QTest::newRow("p above 1") << "Edit_AB" << "1.5" << false;
    QTest::newRow("p of 0") << "Edit_AB" << "0" << false;
  }

  void aQuestionWithoutAnAnswerSaysWhyInTheStatusBar() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, value);
    SumOf(kDiscreteTen);
    const QByteArray name = field.toLatin1();
    ui_->TypeAndEnter(name.constData(), typed);
    QCOMPARE(Text(name.constData()), QString());
    QCOMPARE(ui_->platform().messages.size(), 0);
    const std::string why = value ? ui_->form().Bench().UnansweredValueText(kEnglish)
                                  : dorvex::workbench::Workbench::UnansweredProbabilityText(kEnglish);
    QCOMPARE(Find<QLabel>("StatusPanel1")->text(), QString::fromStdString(why));
    // An answered question takes the note away.
    ui_->TypeAndEnter(name.constData(), value ? QStringLiteral("5") : QStringLiteral("0.5"));
    QCOMPARE(Find<QLabel>("StatusPanel1")->text(), QString());
  }

  void ctrlAAndCtrlBOpenWhereverTheFocusIs_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("slotA");  // Ctrl+A; else Ctrl+B
    QTest::newRow("value field after OK, Ctrl+A") << "Edit_P" << true;
    QTest::newRow("value field, Ctrl+B") << "Edit_P" << false;
    QTest::newRow("multiple of B, Ctrl+A") << "Edit_NasB" << true;
    QTest::newRow("exponent field, Ctrl+A") << "EdMocnitel" << true;
  }

  void ctrlAAndCtrlBOpenWhereverTheFocusIs() {
    QFETCH(QString, focus);
    QFETCH(bool, slotA);
    SumOf(kDiscreteTen);
    const QByteArray name = focus.toLatin1();
    auto* field = Find<QLineEdit>(name.constData());
    if (focus != QLatin1String("Edit_P")) QTest::mouseClick(field, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), field);
    const QString before = field->text();
    ui_->platform().QueueOpenFile(kPureDiscrete);
    QTest::keyClick(field, slotA ? Qt::Key_A : Qt::Key_B, Qt::ControlModifier);
    MainWindowHarness::Settle();

    QCOMPARE(ui_->platform().openRequests.size(), 3);
    QCOMPARE(ui_->platform().openRequests.last().title, slotA ? QStringLiteral("Histogram A") : QStringLiteral("Histogram B"));
    QCOMPARE(ui_->form().Bench().Slot(slotA ? SlotId::A : SlotId::B).name, std::string("pure_discrete_trim"));
    QCOMPARE(field->text(), before);
    QCOMPARE(ui_->platform().messages.size(), 0);
  }

  void aRefusedOperationIsReportedAndLeavesNoResult_data() {
    QTest::addColumn<QString>("b");  // fixture of B; empty leaves B empty
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("exponent");
    QTest::addColumn<int>("code");
    QTest::newRow("A / B with a B that holds 0") << kPureDiscrete << kQuotient << "" << 49;
    QTest::newRow("A + B without B") << QString() << kSum << "" << 27;
    QTest::newRow("A ^ n without n") << QString() << kPower << "" << 54;
    QTest::newRow("A ^ n with n = 0") << QString() << kPower << "0" << 50;
    QTest::newRow("repeated sum with n below 1") << QString() << kRepeatedSum << "-3" << 55;
  }

  void aRefusedOperationIsReportedAndLeavesNoResult() {
    QFETCH(QString, b);
    QFETCH(int, item);
    QFETCH(QString, exponent);
    QFETCH(int, code);
    ui_->Open(SlotId::A, kDiscreteTen);
    if (!b.isEmpty()) ui_->Open(SlotId::B, b);
    ui_->Compute(kSquare);
    QVERIFY(ui_->form().Bench().Result() != nullptr);
    Find<QLineEdit>("EdMocnitel")->setText(exponent);

    ui_->Compute(item);
    QCOMPARE(ui_->platform().messages.size(), 1);
    QCOMPARE(ui_->platform().messages.first().text, ErrorText(code));
    QCOMPARE(ui_->platform().beeps, 1);
    QVERIFY(ui_->form().Bench().Result() == nullptr);
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart_AB")), 0);
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid5"), 1, 1), Number(0.0));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid5"), 3, 1), QStringLiteral(" 0"));
    QVERIFY(!Find<QToolButton>("UlozGraf")->isEnabled());
    QVERIFY(!Find<QLineEdit>("Edit_P")->isEnabled());
    QVERIFY(Find<QLineEdit>("EdXMin")->isHidden());
    QVERIFY(Find<QProgressBar>("ProgressBar1")->isHidden());
  }

  void theResultChartZoomsOnAClickAndShowsItsMarksAndLabels() {
    SumOf(kDiscreteTen);
    auto* chart = Find<QChartView>("Chart_AB");
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, BarCentre(chart, 9));
    QVERIFY(ui_->form().ResultZoomed());
    QVERIFY(Find<QGroupBox>("GroupBox1")->isHidden());
    QVERIFY(Find<QTableWidget>("StringGrid2")->isVisible());
    QCOMPARE(chart->toolTip(), Message(163).section(QLatin1Char('|'), 0, 0));
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, BarCentre(chart, 9));
    QVERIFY(!ui_->form().ResultZoomed());
    QVERIFY(Find<QGroupBox>("GroupBox1")->isVisible());
    QVERIFY(Find<QTableWidget>("StringGrid2")->isHidden());

    // Data labels: "x & P(x)" at 90 degrees by default; a new angle turns them off.
    QTest::mouseClick(Find<QCheckBox>("CheckBox1"), Qt::LeftButton);
    const QStringList marks = dorvex::gui::ChartMarkTexts(chart);
    QCOMPARE(marks.size(), 19);
    QCOMPARE(marks.first(), QString::fromStdString(dorvex::statvex::NumberText(1.0)) + QLatin1Char(' ') +
                                QString::fromStdString(dorvex::analysis::MarkValueText(
                                    ui_->form().Bench().Result()->histogram.P[1])));
    QCOMPARE(dorvex::gui::ChartMarksAngle(chart), 90);
    Find<QSpinBox>("SpinEdAngle")->stepUp();
    QVERIFY(!Find<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(dorvex::gui::ChartMarkTexts(chart).isEmpty());

    // Index labels count the bars from 0.
    Find<QAction>("index1")->trigger();
    QCOMPARE(dorvex::gui::ChartAxisLabels(chart).first(), QStringLiteral("0"));
    QCOMPARE(Find<QComboBox>("CBValInd")->currentIndex(), 0);
  }

  void theLabelsOfANarrowChartAreThinnedNotCut_data() {
    QTest::addColumn<bool>("smallest");  // the window at its minimum size; else large
    QTest::addColumn<int>("fewestMarks");
    QTest::newRow("large window") << false << 2;
    // Too low a chart for upright marks over its bars: they may all be left out.
    QTest::newRow("smallest window") << true << 0;
  }

  void theLabelsOfANarrowChartAreThinnedNotCut() {
    QFETCH(bool, smallest);
    QFETCH(int, fewestMarks);
    MainWindow& form = ui_->form();
    form.resize(smallest ? form.minimumSize() : QSize(1600, 1000));
    ui_->Open(SlotId::A, kResistance);
    ui_->Open(SlotId::B, kMoment);
    ui_->Compute(kDifference);
    QVERIFY(form.Bench().Result() != nullptr);
    QTest::mouseClick(Find<QCheckBox>("CheckBox1"), Qt::LeftButton);
    QTest::qWait(20);
    auto* chart = Find<QChartView>("Chart_AB");

    const SceneTexts shown = TextsOf(chart);
    QVERIFY(!shown.labels.isEmpty());
    // Qt Charts cuts a label that does not fit with an ellipsis.
    for (const QString& label : shown.labels) {
      QVERIFY2(!label.contains(QChar(0x2026)) && !label.contains(QLatin1String("...")), qPrintable(label));
    }
    // Hundreds of bars: only some marks fit, and those stand apart, under the plot's top.
    const int bars = dorvex::gui::ChartBarCount(chart);
    QVERIFY(bars > 100);
    QCOMPARE(shown.marks.size(), dorvex::gui::ChartShownMarkTexts(chart).size());
    QVERIFY(shown.marks.size() >= fewestMarks);
    QVERIFY(shown.marks.size() < bars);
    const QRectF plot = chart->chart()->mapRectToScene(chart->chart()->plotArea());
    for (const QRectF& mark : shown.marks) QVERIFY(mark.top() >= plot.top() - 1.0);
    QList<QRectF> marks = shown.marks;
    std::sort(marks.begin(), marks.end(), [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
    for (int i = 1; i < marks.size(); ++i) QVERIFY(marks.at(i - 1).right() <= marks.at(i).left());
  }

  void theResultChartIsExportedToEveryTarget() {
    SumOf(kDiscreteTen);
    auto& platform = ui_->platform();
    auto* exportButton = Find<QToolButton>("UlozGraf");

    // Clipboard, the target at start; the status bar says so.
    QApplication::clipboard()->clear();
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QVERIFY(!QApplication::clipboard()->image().isNull());
    QCOMPARE(Find<QLabel>("StatusPanel1")->text(), QString::fromStdString(dorvex::texts::ChartCopiedText(kEnglish)));
    const QStringList title = dorvex::gui::ChartTitleLines(Find<QChartView>("Chart_AB"));
    QCOMPARE(title.size(), 1);
    QVERIFY(title.first().startsWith(QStringLiteral("Histogram : (A + B) * nAB   ( ")));

    // Each file is written in the format its extension names; the target only offers
    // its suffix and decides for a file whose extension names no picture format.
    struct Target {
      const char* item;
      const char* suffix;  // the save dialog's default suffix
      const char* file;
      QByteArray signature;
    };
    const QByteArray bmp("BM");
    const QByteArray png("\x89PNG\r\n\x1a\n");
    const QByteArray jpeg("\xFF\xD8\xFF");
    const QByteArray svg("<?xml");
    const Target targets[] = {
        {"JpgFile", "jpg", "chart.jpg", jpeg},     {"Bitmapa1", "bmp", "chart.bmp", bmp},
        {"Metafile1", "svg", "chart.svg", svg},    {"PNG1", "png", "chart.png", png},
        {"Bitmapa1", "bmp", "named.png", png},     {"PNG1", "png", "named.jpeg", jpeg},
        {"JpgFile", "jpg", "named.BMP", bmp},      {"PNG1", "png", "no_picture_extension.txt", png},
    };
    for (const Target& target : targets) {
      if (!Find<QAction>(target.item)->isChecked()) Find<QAction>(target.item)->trigger();
      const QString path = ui_->folder().filePath(QString::fromLatin1(target.file));
      platform.QueueSaveFile(path);
      QTest::mouseClick(exportButton, Qt::LeftButton);
      QCOMPARE(platform.saveRequests.last().defaultSuffix, QString::fromLatin1(target.suffix));
      QCOMPARE(platform.saveRequests.last().initialFolder, QString::fromStdString(ui_->form().Folders().graphs));
      QVERIFY2(Head(path, target.signature.size()) == target.signature, target.file);
    }
    QCOMPARE(platform.saveRequests.at(1).filters.first(), QStringLiteral("Distributions Files (*.bmp)"));
    QCOMPARE(QImage(ui_->folder().filePath(QStringLiteral("chart.bmp")), "BMP").size(),
             Find<QChartView>("Chart_AB")->size());
    QVERIFY(!QImage(ui_->folder().filePath(QStringLiteral("chart.png")), "PNG").isNull());
    QVERIFY(QSvgRenderer(ui_->folder().filePath(QStringLiteral("chart.svg"))).isValid());
    QCOMPARE(platform.messages.size(), 0);

    // An existing file is overwritten only after a Yes.
    const QString bitmap = ui_->folder().filePath(QStringLiteral("chart.bmp"));
    QFile::resize(bitmap, 10);
    platform.QueueSaveFile(bitmap);
    platform.QueueMessageAnswer(dorvex::gui::kResultNo);
    Find<QAction>("Bitmapa1")->trigger();
    Find<QAction>("Bitmapa1")->trigger();  // a second click unchecks it: the clipboard takes over
    QVERIFY(Find<QAction>("Schranka1")->isChecked());
    Find<QAction>("Bitmapa1")->trigger();
    QVERIFY(!Find<QAction>("Schranka1")->isChecked());
    QVERIFY(!Find<QAction>("PNG1")->isChecked());
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().text,
             QString::fromStdString(dorvex::texts::InsertText(dorvex::texts::MessageText(21, kEnglish), bitmap.toStdString())));
    QCOMPARE(QFileInfo(bitmap).size(), 10);
    platform.QueueSaveFile(bitmap);
    platform.QueueMessageAnswer(dorvex::gui::kResultYes);
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QCOMPARE(Head(bitmap, 2), bmp);
  }

  void copyingTheWindowPutsItsPictureOnTheClipboard() {
    SumOf(kDiscreteTen);
    QApplication::clipboard()->clear();
    QTest::mouseClick(Find<QToolButton>("UlozOkno"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->image().size(), ui_->form().size());
    QCOMPARE(Find<QLabel>("StatusPanel1")->text(), QString::fromStdString(dorvex::texts::WindowCopiedText(kEnglish)));
  }
};

QTEST_MAIN(MainWindowResultTest)
#include "main_window_result_test.moc"

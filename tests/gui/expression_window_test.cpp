// A limit-state expression from the main window: inputs from files and slots, the
// audit's answer to a repeated name, a syntax error with its position, and the
// result taken as the main window's result.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QProcess>
#include <QTableWidget>
#include <QToolButton>
#include <QTest>

#include "engine/engine.h"
#include "fake_platform.h"
#include "main_window_harness.h"
#include "table_window_steps.h"

using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

const QString kExamples = QStringLiteral(DORVEX_EXAMPLES) + QStringLiteral("/Histograms/");
const QString kResistance = kExamples + QStringLiteral("Solidity and material characterics/Bending_resistance_IPE300.dis");
const QString kMoment = kExamples + QStringLiteral("Loads/Bending_moment_live_load.dis");

template <class T>
T* In(QWidget* window, const char* name) {
  T* control = window->findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

QWidget* OpenExpressions(MainWindowHarness& h) {
  h.form().findChild<QAction*>(QStringLiteral("FunkcePoruchy1"))->trigger();
  auto* window = h.form().findChild<QWidget*>(QStringLiteral("ExpressionWindow"));
  if (window == nullptr || !window->isVisible()) qFatal("no expression window");
  return window;
}

void Evaluate(QWidget* window, const QString& expression) {
  auto* field = In<QLineEdit>(window, "EdExpression");
  field->setText(expression);
  QTest::mouseClick(In<QPushButton>(window, "BEvaluate"), Qt::LeftButton);
}

}  // namespace

class ExpressionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void anExpressionOfFilesAndSlotsBecomesTheResult() {
    MainWindowHarness h;
    h.Open(SlotId::A, kResistance);
    h.Open(SlotId::B, kMoment);
    h.Compute(1);  // A - B in the main window, to compare with
    const double twoSlotPf = h.form().Bench().Result()->failureProbability;

    QWidget* window = OpenExpressions(h);
    h.platform().QueueOpenFile(kResistance);
    QTest::mouseClick(In<QPushButton>(window, "BAddFile"), Qt::LeftButton);
    QTest::mouseClick(In<QPushButton>(window, "BAddB"), Qt::LeftButton);
    auto* inputs = In<QTableWidget>(window, "SGInputs");
    QCOMPARE(inputs->rowCount(), 2);
    QCOMPARE(inputs->item(0, 0)->text(), QStringLiteral("Bending_resistance_IPE300"));
    QCOMPARE(inputs->item(1, 0)->text(), QStringLiteral("B"));
    QVERIFY(inputs->item(0, 1)->toolTip().startsWith(QStringLiteral("sha256: ")));

    Evaluate(window, QStringLiteral("Bending_resistance_IPE300 - B"));
    const auto* result = h.form().Bench().Result();
    QVERIFY(result != nullptr);
    QCOMPARE(result->failureProbability, twoSlotPf);
    QCOMPARE(QString::fromStdString(result->label), QStringLiteral("Z = Bending_resistance_IPE300 - B"));
    QVERIFY(h.Find<QLabel>("LabelPf")->text().startsWith(QStringLiteral("Pf = 1.15E-3")));
    QCOMPARE(In<QTableWidget>(window, "SGSteps")->rowCount(), 1);

    // The result's workbook carries the Pf bounds and the expression's record.
    window->close();
    QTest::mouseClick(h.Find<QToolButton>("PopisAB"), Qt::LeftButton);
    auto* listing = h.form().findChild<QWidget*>(QStringLiteral("Form7"));
    QVERIFY(listing != nullptr && listing->isVisible());
    const QString workbook = h.folder().filePath(QStringLiteral("expression.xlsx"));
    h.platform().QueueSaveFile(workbook);
    QTest::mouseClick(listing->findChild<QToolButton*>(QStringLiteral("KontTisk")), Qt::LeftButton);
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), workbook, QStringLiteral("xl/sharedStrings.xml")});
    QVERIFY(unzip.waitForFinished());
    const QString strings = QString::fromUtf8(unzip.readAllStandardOutput());
    QVERIFY2(strings.contains(QStringLiteral("Pf lower bound")), qPrintable(strings.left(400)));
    QVERIFY(strings.contains(QStringLiteral("sha256:")));
  }

  void aFiveVariableLimitStateRunsFromOneExpression() {
    MainWindowHarness h;
    QWidget* window = OpenExpressions(h);
    for (const char* file : {"Solidity and material characterics/Bending_resistance_IPE300.dis",
                             "Cross-section variability/Cross_section_area_ratio.dis", "Loads/Dead_load.dis",
                             "Loads/Live_load_50_years.dis", "Loads/Wind_load_50_years.dis"}) {
      h.platform().QueueOpenFile(kExamples + QString::fromLatin1(file));
      QTest::mouseClick(In<QPushButton>(window, "BAddFile"), Qt::LeftButton);
    }
    QCOMPARE(In<QTableWidget>(window, "SGInputs")->rowCount(), 5);
    Evaluate(window, QStringLiteral("Bending_resistance_IPE300*Cross_section_area_ratio - "
                                    "(Dead_load + Live_load_50_years + 0.6*Wind_load_50_years)"));
    const auto* result = h.form().Bench().Result();
    QVERIFY(result != nullptr);
    // One step per operation: the product, the two sums, the multiple and the difference.
    QCOMPARE(In<QTableWidget>(window, "SGSteps")->rowCount(), 5);
    QVERIFY(result->failureProbability > 0.0 && result->failureProbability < 1.0);
    QVERIFY(h.Find<QLabel>("LabelPf")->text().startsWith(QStringLiteral("Pf = ")));
  }

  void theAuditAndTheParserAnswerInTheWindow() {
    MainWindowHarness h;
    h.Open(SlotId::A, kResistance);
    QWidget* window = OpenExpressions(h);
    QTest::mouseClick(In<QPushButton>(window, "BAddA"), Qt::LeftButton);
    auto* message = In<QLabel>(window, "LabMessage");

    // A name twice would be two independent copies: refused with the rewrite offered.
    Evaluate(window, QStringLiteral("A*A"));
    QVERIFY(h.form().Bench().Result() == nullptr);
    QVERIFY2(message->text().contains(QStringLiteral("A^2")), qPrintable(message->text()));
    In<QCheckBox>(window, "ChBRewrite")->setChecked(true);
    Evaluate(window, QStringLiteral("A*A"));
    QVERIFY(h.form().Bench().Result() != nullptr);
    QVERIFY(message->text().contains(QStringLiteral("A^2")));

    // A histogram the parametric window made keeps its type and parameters in the record.
    QTest::mouseClick(In<QPushButton>(window, "BClose"), Qt::LeftButton);
    dorvex::gui::testing::ChooseFromList(h.Find<QComboBox>("CBTypHistB"), 3);
    auto* generator = h.form().findChild<QWidget*>(QStringLiteral("TForm12"));
    QVERIFY(generator != nullptr && generator->isVisible());
    generator->close();
    window = OpenExpressions(h);
    QTest::mouseClick(In<QPushButton>(window, "BAddB"), Qt::LeftButton);
    auto* inputs = In<QTableWidget>(window, "SGInputs");
    QCOMPARE(inputs->item(inputs->rowCount() - 1, 1)->text(), QStringLiteral("Normal (10, 1), 128 intervals, Eps 1e-07"));

    // A syntax error points at its place.
    Evaluate(window, QStringLiteral("A - * 2"));
    const QStringList lines = message->text().split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 2, qPrintable(message->text()));
    QCOMPARE(lines.at(1).indexOf(QLatin1Char('^')), lines.at(0).indexOf(QLatin1Char('*')));
  }
};

QTEST_MAIN(ExpressionWindowTest)
#include "expression_window_test.moc"

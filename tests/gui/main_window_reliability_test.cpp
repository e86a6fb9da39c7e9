// The result panel says how sure its Pf is: the bounds and beta under the queries,
// or why there are no bounds; the text report carries the same lines.

#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "fake_platform.h"
#include "main_window_harness.h"

using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

const QString kExamples = QStringLiteral(DORVEX_EXAMPLES) + QStringLiteral("/Histograms/");

}  // namespace

class MainWindowReliabilityTest : public QObject {
  Q_OBJECT

 private slots:
  void theResultPanelShowsPfWithItsBoundsAndBeta() {
    MainWindowHarness h;
    auto* line = h.Find<QLabel>("LabelPf");
    QVERIFY(line->text().isEmpty());
    h.Open(SlotId::A, kExamples + QStringLiteral("Solidity and material characterics/Bending_resistance_IPE300.dis"));
    h.Open(SlotId::B, kExamples + QStringLiteral("Loads/Bending_moment_live_load.dis"));
    h.Compute(1);  // A - B
    const QString text = line->text();
    QVERIFY2(text.startsWith(QStringLiteral("Pf = 1.15E-3 (")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("β = 3.0")), qPrintable(text));
    QVERIFY(!line->toolTip().isEmpty());
    // The characteristics box ends with the same: bounds, beta, the target and the period conversion.
    QTest::mouseClick(h.Find<QToolButton>("BChar"), Qt::LeftButton);
    QVERIFY(!h.platform().messages.isEmpty());
    const QString box = h.platform().messages.last().text;
    QVERIFY2(box.contains(QStringLiteral("Pf lower bound")), qPrintable(box));
    QVERIFY(box.contains(QStringLiteral("Reliability index β")));
    QVERIFY(box.contains(QStringLiteral("β over 50 periods")));

    // Below the target index the line is red; a lower target the user sets turns it green,
    // is used by the characteristics and is kept in the settings file.
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(170, 0, 0));
    auto* target = h.Find<QDoubleSpinBox>("SpinBetaTarget");
    QCOMPARE(target->value(), 3.8);
    target->setValue(2.5);
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(0, 110, 0));
    QTest::mouseClick(h.Find<QToolButton>("BChar"), Qt::LeftButton);
    QVERIFY(h.platform().messages.last().text.contains(QStringLiteral("2.50")));

    // A result of a factor that changes sign has no bounds, and says so instead.
    h.Open(SlotId::A, kExamples + QStringLiteral("Initial imperfections/Initial_bow_imperfection.dis"));
    h.Compute(2);  // A * B
    QVERIFY2(line->text().contains(QStringLiteral("no bounds: the operation is not monotone")), qPrintable(line->text()));
    QVERIFY(!line->text().contains(QStringLiteral("…")));

    // A cleared result takes its line along.
    h.Open(SlotId::B, kExamples + QStringLiteral("Loads/Dead_load.dis"));
    QVERIFY(line->text().isEmpty());

    h.form().close();
    QFile ini(h.folder().filePath(QStringLiteral("Dorvex.INI")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("Form1 Target beta=2.5"));
  }
};

QTEST_MAIN(MainWindowReliabilityTest)
#include "main_window_reliability_test.moc"

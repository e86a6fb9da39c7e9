// The distribution-function window driven as a user drives it: opened on a result,
// its chart and table, marks, axis labels, export targets, language and closing.

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>

#include "analysis/load_duration.h"
#include "analysis/load_duration_window.h"
#include "app/grid_cells.h"
#include "app/main_window.h"
#include "charts/draw_histogram.h"
#include "main_window_harness.h"
#include "settings/settings_file.h"
#include "texts/load_duration_texts.h"

using dorvex::gui::Cell;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

const QString kFixtures = QStringLiteral(DORVEX_FIXTURES);
// Discrete, values 0.5 .. 9.5, d = 1, frequencies 1..10.
const QString kDiscreteTen = kFixtures + QStringLiteral("/discrete_ten.dis");
// Pure Discrete, 3 points -1.5 .. 0.5.
const QString kPureDiscrete = kFixtures + QStringLiteral("/pure_discrete_trim.dis");

// An axis title as read: the chart keeps its blanks as no-break spaces.
QString AxisTitle(const QAbstractAxis* axis) { return axis->titleText().replace(QChar(0x00A0), QLatin1Char(' ')); }

// The chart's line named `name`; null when it draws none.
QLineSeries* Line(const QChartView* chart, const QString& name) {
  for (QAbstractSeries* series : chart->chart()->series()) {
    auto* line = qobject_cast<QLineSeries*>(series);
    if (line != nullptr && line->name() == name) return line;
  }
  return nullptr;
}

}  // namespace

class LoadDurationWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindowHarness> ui_;

  template <class T>
  T* Find(const char* name) const {
    return ui_->Find<T>(name);
  }
  QWidget* Window() const { return Find<QWidget>("TForm8"); }
  template <class T>
  T* InWindow(const char* name) const {
    T* control = Window()->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s in the window", name);
    return control;
  }

  // A + B of the same file into a result, then the window opened from the tool bar.
  void OpenOnSumOf(const QString& path) {
    ui_->Open(SlotId::A, path);
    ui_->Open(SlotId::B, path);
    ui_->Compute(0);
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    MainWindowHarness::Settle();
  }

 private slots:
  void init() { ui_ = std::make_unique<MainWindowHarness>(); }
  void cleanup() { ui_.reset(); }

  void theCommandWaitsForAResult() {
    QVERIFY(!Find<QToolButton>("KrivkaTrvani")->isEnabled());
    QVERIFY(!Find<QAction>("Kivkatrvnzaten1")->isEnabled());
    QVERIFY(!Window()->isVisible());
  }

  void theWindowShowsFOfTheResultInBothLayouts_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("discrete");
    QTest::newRow("discrete: bounds and values") << kDiscreteTen << true;
    QTest::newRow("pure discrete: one row per point") << kPureDiscrete << false;
  }

  void theWindowShowsFOfTheResultInBothLayouts() {
    QFETCH(QString, file);
    QFETCH(bool, discrete);
    OpenOnSumOf(file);
    QVERIFY(Window()->isVisible());
    QCOMPARE(Window()->windowTitle(), QStringLiteral("  Dorvex :  Graph Distribution function"));
    // The main window takes no input while the window is open.
    QVERIFY(!ui_->form().centralWidget()->isEnabled());

    const dorvex::model::Histogram& result = ui_->form().Bench().Result()->histogram;
    const int n = result.N;
    auto* table = InWindow<QTableWidget>("StringGrid2");
    QCOMPARE(table->rowCount(), discrete ? 2 * n + 2 : n + 1);
    const auto rows = dorvex::analysis::LoadDurationTable(result);
    for (int r = 0; r < table->rowCount(); r += std::max(1, table->rowCount() / 7)) {
      for (int c = 0; c < 3; ++c) QCOMPARE(Cell(table, r, c), QString::fromStdString(rows[r][c]));
    }
    // The last value row holds the whole probability.
    QCOMPARE(Cell(table, table->rowCount() - 1, 2).trimmed(), QStringLiteral("1"));

    auto* chart = InWindow<QChartView>("Chart1L");
    QCOMPARE(dorvex::gui::ChartBarCount(chart), n);
    const QStringList title = dorvex::gui::ChartTitleLines(chart);
    QCOMPARE(title.size(), 2);
    QVERIFY(title[0].startsWith(QStringLiteral("( ")));
    QCOMPARE(title[1], QString::fromStdString(ui_->form().Bench().ResultTitle()));
    const auto leftAxes = chart->chart()->axes(Qt::Vertical);
    QCOMPARE(leftAxes.size(), 1);
    QCOMPARE(AxisTitle(leftAxes.first()), QStringLiteral("Value F(x)"));
    // Value labels as in the main window; the first shown bar is the smallest value.
    QCOMPARE(InWindow<QComboBox>("CBValInd")->currentIndex(), 1);

    // Closing gives the main window back with its questions emptied.
    ui_->TypeAndLeave("Edit_P", QStringLiteral("1"));
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QTest::mouseClick(InWindow<QToolButton>("ExitBtn"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QVERIFY(!Window()->isVisible());
    QVERIFY(ui_->form().centralWidget()->isEnabled());
    QVERIFY(Find<QLineEdit>("Edit_P")->text().isEmpty());
    QVERIFY(Find<QLineEdit>("Edit_AB")->text().isEmpty());
    QCOMPARE(dorvex::gui::ChartMarkedBars(Find<QChartView>("Chart_AB")), 0);
  }

  void marksLabelsAndTheAngleFollowTheControls() {
    OpenOnSumOf(kDiscreteTen);
    auto* chart = InWindow<QChartView>("Chart1L");
    auto* marks = InWindow<QCheckBox>("CheckBox1");
    QVERIFY(dorvex::gui::ChartMarkTexts(chart).isEmpty());
    QTest::mouseClick(marks, Qt::LeftButton);
    QVERIFY(marks->isChecked());
    const QStringList shown = dorvex::gui::ChartMarkTexts(chart);
    QCOMPARE(shown.size(), dorvex::gui::ChartBarCount(chart));
    // Style 2: the label and the value; the last bar's value is 1.
    QVERIFY2(shown.last().endsWith(QStringLiteral("1 E0")), qPrintable(shown.last()));

    // Turning the angle unticks the marks.
    auto* angle = InWindow<QSpinBox>("SpinEdAngle");
    QTest::mouseClick(angle, Qt::LeftButton);
    QTest::keyClick(angle, Qt::Key_Up);
    QCOMPARE(angle->value(), 105);
    QVERIFY(!marks->isChecked());

    // Index labels here switch every chart: the first bar is labelled 0.
    auto* axis = InWindow<QComboBox>("CBValInd");
    axis->setCurrentIndex(0);
    emit axis->activated(0);
    QCOMPARE(dorvex::gui::ChartAxisLabels(chart).first(), QStringLiteral("0"));
    QVERIFY(Find<QAction>("index1")->isChecked());
    QCOMPARE(AxisTitle(chart->chart()->axes(Qt::Horizontal).first()),
             QString::fromLatin1(dorvex::texts::kLoadDurationIndexAxisTitle));
  }

  void theExportTargetsExcludeEachOtherAndTheChartIsSaved() {
    OpenOnSumOf(kDiscreteTen);
    auto* clipboard = InWindow<QAction>("Schranka");
    auto* bitmap = InWindow<QAction>("Bitmapa");
    auto* metafile = InWindow<QAction>("Metafile");
    QVERIFY(clipboard->isChecked());
    QApplication::clipboard()->clear();
    QTest::mouseClick(InWindow<QToolButton>("UlozGraf"), Qt::LeftButton);
    QVERIFY(!QApplication::clipboard()->image().isNull());

    metafile->trigger();
    QVERIFY(metafile->isChecked());
    QVERIFY(!clipboard->isChecked());
    metafile->trigger();  // unchecking falls back to the clipboard
    QVERIFY(clipboard->isChecked());
    clipboard->trigger();  // and the clipboard to the bitmap
    QVERIFY(bitmap->isChecked());
    QVERIFY(!clipboard->isChecked());

    const QString path = ui_->folder().filePath(QStringLiteral("f.bmp"));
    ui_->platform().QueueSaveFile(path);
    QTest::mouseClick(InWindow<QToolButton>("UlozGraf"), Qt::LeftButton);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(2), QByteArray("BM"));
    QCOMPARE(ui_->platform().saveRequests.last().defaultSuffix, QStringLiteral("bmp"));
    QCOMPARE(ui_->platform().saveRequests.last().initialFolder, QString::fromStdString(ui_->form().Folders().graphs));
  }

  void theTitleFollowsTheSeparatorsAndTheToolBarAWideWindow() {
    Find<QAction>("lomitko1")->trigger();
    Find<QAction>("tecka2")->trigger();
    OpenOnSumOf(kDiscreteTen);
    const QString dateLine = dorvex::gui::ChartTitleLines(InWindow<QChartView>("Chart1L")).first();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\( \\d{1,2}/\\d{1,2}/\\d{4} , \\d\\d\\.\\d\\d\\.\\d\\d \\)$"))
                 .match(dateLine)
                 .hasMatch(),
             qPrintable(dateLine));
    auto* toolBar = InWindow<QWidget>("Panel2");
    QVERIFY(!toolBar->isVisible());
    Window()->showMaximized();
    QTRY_VERIFY(toolBar->isVisible());
    Find<QAction>("TCharCom")->setChecked(false);
    QTest::mouseClick(InWindow<QToolButton>("ExitBtn"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QVERIFY(!toolBar->isVisible());
  }

  void aLanguageSwitchReCaptionsTheWindowInPlace() {
    OpenOnSumOf(kDiscreteTen);
    QTest::mouseClick(InWindow<QToolButton>("ExitBtn"), Qt::LeftButton);
    Find<QAction>("Cestina")->trigger();
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QCOMPARE(Window()->windowTitle(), QStringLiteral("  Dorvex   :   Graf distribuční funkce"));
    QCOMPARE(InWindow<QCheckBox>("CheckBox1")->text(), QStringLiteral("Popisky"));
    QCOMPARE(InWindow<QComboBox>("CBValInd")->itemText(1), QStringLiteral("Hodnota x"));
    QCOMPARE(InWindow<QMenu>("GrafDo")->title(), QStringLiteral("&Graf do"));
    QCOMPARE(AxisTitle(InWindow<QChartView>("Chart1L")->chart()->axes(Qt::Vertical).first()),
             QStringLiteral("Hodnota F(x)"));
  }
  // A sum is bounded: both bounding functions as steps over the bars, their columns in
  // the table, and the target the main window holds as a dashed level in the legend.
  void aBoundedResultShowsBothBoundsAndTheTarget() {
    ui_->Open(SlotId::A, kDiscreteTen);
    ui_->Open(SlotId::B, kDiscreteTen);
    ui_->Compute(0);
    Find<QDoubleSpinBox>("SpinBetaTarget")->setValue(3.0);
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    MainWindowHarness::Settle();

    const dorvex::engine::OperationResult& result = *ui_->form().Bench().Result();
    QCOMPARE(result.bounds.kind, dorvex::engine::BoundsKind::Bounded);
    const int n = result.histogram.N;
    auto* chart = InWindow<QChartView>("Chart1L");
    QLineSeries* lower = Line(chart, QStringLiteral("Lower bound of F"));
    QLineSeries* upper = Line(chart, QStringLiteral("Upper bound of F"));
    QVERIFY(lower != nullptr && upper != nullptr);
    QCOMPARE(lower->count(), 2 * n + 1);
    QCOMPARE(upper->count(), 2 * n + 1);
    QCOMPARE(upper->points().last().y(), 1.0);
    QVERIFY(lower->pen().color() != upper->pen().color());
    // Pf_t = Phi(-3) = 1.35E-3.
    const QString target = QStringLiteral("Target beta = 3.00, Pf = 1.35E-3");
    QLineSeries* level = Line(chart, target);
    QVERIFY(level != nullptr);
    QCOMPARE(level->points().first().y(), level->points().last().y());
    QCOMPARE(dorvex::gui::ChartLegendTexts(chart),
             (QStringList{QStringLiteral("Lower bound of F"), QStringLiteral("Upper bound of F"), target}));
    QVERIFY(!InWindow<QLabel>("LabBoundsNote")->isVisible());

    auto* table = InWindow<QTableWidget>("StringGrid2");
    QCOMPARE(table->columnCount(), 5);
    const auto rows = dorvex::analysis::LoadDurationTable(result.histogram, &result.bounds.distribution,
                                                          dorvex::texts::Language::English);
    QCOMPARE(table->rowCount(), static_cast<int>(rows.size()));
    for (int r : {0, 1, 2, n, table->rowCount() - 1}) {
      for (int c = 3; c < 5; ++c) QCOMPARE(Cell(table, r, c), QString::fromStdString(rows[r][c]));
    }
    QCOMPARE(Cell(table, 0, 3).trimmed(), QStringLiteral("lower F"));
  }

  // A product with a factor that changes sign has no bounds: the reason under the
  // chart, in the language chosen, and neither bound drawn nor listed.
  void aNonMonotoneResultSaysWhyInsteadOfBounds() {
    ui_->Open(SlotId::A, kPureDiscrete);
    ui_->Open(SlotId::B, kDiscreteTen);
    ui_->Compute(2);  // A * B
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QCOMPARE(ui_->form().Bench().Result()->bounds.kind, dorvex::engine::BoundsKind::NotMonotone);
    auto* note = InWindow<QLabel>("LabBoundsNote");
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("no bounds: the operation is not monotone over the inputs' spans"));
    auto* chart = InWindow<QChartView>("Chart1L");
    QVERIFY(Line(chart, QStringLiteral("Lower bound of F")) == nullptr);
    QVERIFY(Line(chart, QStringLiteral("Upper bound of F")) == nullptr);
    QCOMPARE(InWindow<QTableWidget>("StringGrid2")->columnCount(), 3);

    QTest::mouseClick(InWindow<QToolButton>("ExitBtn"), Qt::LeftButton);
    Find<QAction>("Cestina")->trigger();
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QCOMPARE(note->text(), QStringLiteral("bez mezí: operace není na rozsahu vstupů monotónní"));
    QCOMPARE(InWindow<QCheckBox>("CheckLogF")->text(), QStringLiteral("Log. osa F"));
  }

  // The logarithmic F axis reaches a decade below the target Pf (Pf_t = 7.23E-5, the
  // sum has no Pf), the lines go with it, and the choice outlives the window.
  void theLogarithmicAxisShowsTheTailAndIsKept() {
    OpenOnSumOf(kDiscreteTen);
    auto* chart = InWindow<QChartView>("Chart1L");
    auto* logAxis = InWindow<QCheckBox>("CheckLogF");
    QVERIFY(!logAxis->isChecked());
    QVERIFY(qobject_cast<QValueAxis*>(chart->chart()->axes(Qt::Vertical).first()) != nullptr);
    QTest::mouseClick(logAxis, Qt::LeftButton);
    const auto* axis = qobject_cast<QLogValueAxis*>(chart->chart()->axes(Qt::Vertical).first());
    QVERIFY(axis != nullptr);
    QCOMPARE(axis->min(), 1e-6);
    QCOMPARE(axis->max(), 1.0);
    QCOMPARE(AxisTitle(axis), QStringLiteral("Value F(x)"));
    QLineSeries* lower = Line(chart, QStringLiteral("Lower bound of F"));
    QVERIFY(lower != nullptr);
    QVERIFY(lower->attachedAxes().contains(const_cast<QLogValueAxis*>(axis)));
    // Nothing drawn below the axis: the lower bound's zero tail lies on its bottom.
    QCOMPARE(lower->points().first().y(), 1e-6);

    QTest::mouseClick(InWindow<QToolButton>("ExitBtn"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>("KrivkaTrvani"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QVERIFY(logAxis->isChecked());
    QVERIFY(qobject_cast<QLogValueAxis*>(chart->chart()->axes(Qt::Vertical).first()) != nullptr);

    // A window made anew on the written settings starts with the logarithmic axis.
    QTest::mouseClick(InWindow<QToolButton>("ExitBtn"), Qt::LeftButton);
    ui_->form().close();
    dorvex::settings::SettingsFile written(ui_->folder().filePath(QStringLiteral("Dorvex.INI")).toStdString());
    QVERIFY(!written.Load());
    dorvex::gui::LoadDurationWindow again(ui_->platform().Services(), &written, ui_->folder().path(),
                                          dorvex::texts::Language::English);
    QVERIFY(again.findChild<QCheckBox*>(QStringLiteral("CheckLogF"))->isChecked());
  }
};

QTEST_MAIN(LoadDurationWindowTest)
#include "load_duration_window_test.moc"

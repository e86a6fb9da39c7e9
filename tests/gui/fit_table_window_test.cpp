// The table of fits, opened by a fitting run in the raw-data window: sorting by a
// header click, choosing a row, removing the implausible tail.

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <random>

#include "app/grid_cells.h"
#include "charts/draw_histogram.h"
#include "main_window_harness.h"
#include "rawdata/raw_data_window.h"
#include "texts/raw_data_window_texts.h"
#include "workbench/number_field.h"

using dorvex::gui::Cell;
using dorvex::gui::RawDataWindow;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

enum class Order { LargestFirst, SmallestFirst, ByDifference };

// `n` values with a fixed seed: normal around 300, or with a heavy right tail.
QString WriteSample(const QTemporaryDir& folder, const QString& name, int n, bool heavyTail) {
  std::mt19937 random(11);
  std::normal_distribution<double> normal(0.0, 1.0);
  QFile file(folder.filePath(name));
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(name));
  for (int i = 0; i < n; ++i) {
    const double z = normal(random);
    const double x = heavyTail ? 50.0 * std::exp(0.9 * z) : 300.0 + 20.0 * z;
    file.write(QByteArray::number(x, 'f', 3) + "\n");
  }
  return file.fileName();
}

}  // namespace

class FitTableWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowHarness> harness_;

  RawDataWindow* RawWindow() const {
    return harness_->form().findChild<RawDataWindow*>(QStringLiteral("TForm14"));
  }
  QWidget* Table() const { return harness_->form().findChild<QWidget*>(QStringLiteral("TForm19")); }

  template <class T>
  T* Find(const char* name) const {
    T* control = Table()->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }
  template <class T>
  T* FindRaw(const char* name) const {
    T* control = RawWindow()->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }

  // Opens the raw-data window for A, loads a sample and fits it; the table opens.
  void FitSample(bool heavyTail) {
    auto* selector = harness_->Find<QComboBox>("CBTypHistA");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_End);  // the last item, "Raw data"
    QVERIFY(RawWindow()->isVisible());
    harness_->platform().QueueOpenFile(WriteSample(harness_->folder(), QStringLiteral("sample.txt"), 300, heavyTail));
    QTest::mouseClick(FindRaw<QPushButton>("OpenData"), Qt::LeftButton);
    QSignalSpy finished(RawWindow(), &RawDataWindow::FittingFinished);
    QTest::mouseClick(FindRaw<QPushButton>("BuParam"), Qt::LeftButton);
    QVERIFY(finished.wait(60000));
    MainWindowHarness::Settle();
    QVERIFY(Table()->isVisible());
  }

  int FilledRows() const {
    auto* grid = Find<QTableWidget>("SGChar");
    int rows = 0;
    while (rows < grid->rowCount() && !Cell(grid, rows, 1).isEmpty()) ++rows;
    return rows;
  }

  int ColumnOf(const QString& header) const {
    auto* grid = Find<QTableWidget>("SGChar");
    for (int c = 0; c < grid->columnCount(); ++c) {
      if (grid->horizontalHeaderItem(c)->text() == header) return c;
    }
    qFatal("no column %s", qPrintable(header));
  }

  void ClickHeader(int column) {
    auto* header = Find<QTableWidget>("SGChar")->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
  }

  void ClickRow(int row) {
    auto* grid = Find<QTableWidget>("SGChar");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
    MainWindowHarness::Settle();
  }

 private slots:
  void init() { harness_ = std::make_unique<MainWindowHarness>(); }
  void cleanup() { harness_.reset(); }

  void opensWithTheFitsRankedByCloseness() {
    FitSample(false);
    const int rows = FilledRows();
    QCOMPARE(rows, FindRaw<QComboBox>("CBTypPara")->count());
    QCOMPARE(Cell(Find<QTableWidget>("SGChar"), 0, 0), QStringLiteral("  1"));
    QCOMPARE(Find<QComboBox>("CBTypVyberu")->currentIndex(), 1);
    QVERIFY(!Find<QComboBox>("CBVyber")->isVisible());
    QCOMPARE(Cell(Find<QTableWidget>("SGCharPD"), 0, 1), QStringLiteral("Prvotní data"));
    QCOMPARE(Cell(Find<QTableWidget>("SGChar"), 0, 1), FindRaw<QComboBox>("CBTypPara")->itemText(0));
    QVERIFY(dorvex::gui::ChartBarCount(Find<QChartView>("Chart1")) > 0);
    // Closed, it comes back with the TAB button.
    QTest::mouseClick(Find<QPushButton>("BKonec"), Qt::LeftButton);
    QVERIFY(!Table()->isVisible());
    QTest::mouseClick(FindRaw<QPushButton>("BTabChar"), Qt::LeftButton);
    QVERIFY(Table()->isVisible());
    QCOMPARE(FilledRows(), rows);
    // A changed interval count takes the fits away, and the table with them.
    auto* count = FindRaw<QLineEdit>("EdPocetIntervalu");
    QTest::mouseClick(count, Qt::LeftButton);
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("64"));
    QVERIFY(!Table()->isVisible());
    QVERIFY(!FindRaw<QComboBox>("CBTypPara")->isEnabled());
    QVERIFY(!FindRaw<QPushButton>("BTabChar")->isEnabled());
  }

  void aHeaderClickSortsByItsColumn_data() {
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("order");
    QTest::newRow("closeness") << QStringLiteral(" Closeness") << int(Order::LargestFirst);
    QTest::newRow("median") << QStringLiteral(" Median") << int(Order::LargestFirst);
    QTest::newRow("mode") << QStringLiteral(" Mode") << int(Order::LargestFirst);
    QTest::newRow("mean") << QStringLiteral(" Average") << int(Order::ByDifference);
    QTest::newRow("variance") << QStringLiteral(" Dispersion") << int(Order::ByDifference);
    QTest::newRow("standard deviation") << QStringLiteral(" Standard deviation") << int(Order::LargestFirst);
    QTest::newRow("variation") << QStringLiteral(" Variation [%]") << int(Order::LargestFirst);
    QTest::newRow("skewness") << QStringLiteral(" Skewness") << int(Order::LargestFirst);
    QTest::newRow("kurtosis") << QStringLiteral(" Kurtosis") << int(Order::ByDifference);
    QTest::newRow("log-likelihood") << QStringLiteral(" ln L") << int(Order::LargestFirst);
    QTest::newRow("KS") << QStringLiteral(" KS distance") << int(Order::SmallestFirst);
    QTest::newRow("AIC") << QStringLiteral(" AIC") << int(Order::SmallestFirst);
    QTest::newRow("BIC") << QStringLiteral(" BIC") << int(Order::SmallestFirst);
  }
  void aHeaderClickSortsByItsColumn() {
    QFETCH(QString, header);
    QFETCH(int, order);
    FitSample(false);
    const int column = ColumnOf(header);
    ClickHeader(column);
    QVERIFY(Find<QComboBox>("CBTypVyberu")->currentIndex() > 0);
    QCOMPARE(Find<QComboBox>("CBVyber")->isVisible(), order == int(Order::ByDifference));
    auto* grid = Find<QTableWidget>("SGChar");
    const int rows = FilledRows();
    QVERIFY(rows >= 2);
    std::vector<double> values;
    for (int r = 0; r < rows; ++r) {
      // An AIC of a fit that gives some value no density is "inf".
      bool ok = false;
      const double value = Cell(grid, r, column).trimmed().toDouble(&ok);
      QVERIFY2(ok, qPrintable(Cell(grid, r, column)));
      values.push_back(value);
    }
    for (std::size_t i = 1; i < values.size(); ++i) {
      if (order == int(Order::LargestFirst)) QVERIFY(values[i - 1] >= values[i]);
      if (order == int(Order::SmallestFirst)) QVERIFY(values[i - 1] <= values[i]);
    }
    if (header == QStringLiteral(" Average")) {
      // The sample's mean, as its grid shows it.
      const auto mean = dorvex::workbench::ReadFieldNumber(Cell(Find<QTableWidget>("SGCharPDZ"), 0, 0).toStdString());
      QVERIFY(mean.has_value());
      for (std::size_t i = 1; i < values.size(); ++i)
        QVERIFY(std::abs(values[i - 1] - *mean) <= std::abs(values[i] - *mean) * (1 + 1e-6));
    }
  }

  void aChosenRowShowsItsOwnFit() {
    FitSample(false);
    ClickHeader(ColumnOf(QStringLiteral(" Median")));
    auto* grid = Find<QTableWidget>("SGChar");
    ClickRow(1);
    QCOMPARE(FindRaw<QComboBox>("CBTypPara")->currentText(), Cell(grid, 1, 1));
    QVERIFY(Find<QChartView>("Chart2")->isVisible());
    QVERIFY(dorvex::gui::ChartTitleLines(FindRaw<QChartView>("Chart1L"))[0].contains(Cell(grid, 1, 1)));
    // A row without a fit hides the fit's chart and shows the best fit.
    ClickRow(FilledRows());
    QVERIFY(!Find<QChartView>("Chart2")->isVisible());
    QCOMPARE(FindRaw<QComboBox>("CBTypPara")->currentIndex(), 0);
  }

  void theImplausibleTailGoesAfterAYes() {
    FitSample(true);
    auto* remove = Find<QCheckBox>("ChBVymazRadkuTab");
    auto* grid = Find<QTableWidget>("SGChar");
    QVERIFY2(remove->isVisible(), "the heavy-tailed sample has implausible fits");
    const int rows = FilledRows();
    const int highlighted = static_cast<int>(grid->selectionModel()->selectedRows().size());
    QVERIFY(highlighted > 0 && highlighted <= rows);
    // No keeps them.
    harness_->platform().QueueMessageAnswer(dorvex::gui::kResultNo);
    QTest::mouseClick(remove, Qt::LeftButton, {}, QPoint(6, remove->height() / 2));
    QCOMPARE(harness_->platform().messages.last().text,
             QString::fromStdString(dorvex::texts::RemoveRowsQuestion(dorvex::texts::Language::English)));
    QCOMPARE(FilledRows(), rows);
    QVERIFY(!remove->isChecked());
    // Yes removes them from the table and from the list of fits.
    harness_->platform().QueueMessageAnswer(dorvex::gui::kResultYes);
    QTest::mouseClick(remove, Qt::LeftButton, {}, QPoint(6, remove->height() / 2));
    QCOMPARE(FilledRows(), rows - highlighted);
    QVERIFY(!remove->isVisible());
    QCOMPARE(FindRaw<QComboBox>("CBTypPara")->count(), rows - highlighted);
  }

  void speaksCzech() {
    harness_->form().findChild<QAction*>(QStringLiteral("Cestina"))->trigger();
    FitSample(false);
    QCOMPARE(Table()->windowTitle(),
             QStringLiteral("  Dorvex : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"));
    QCOMPARE(Find<QCheckBox>("ChBVymazRadkuTab")->text(), QStringLiteral("Odstranit ?"));
    QCOMPARE(Find<QTableWidget>("SGChar")->horizontalHeaderItem(2)->text(), QStringLiteral(" Těsnost"));
    QCOMPARE(Find<QComboBox>("CBTypVyberu")->itemText(1), QStringLiteral("Těsnost"));
  }
};

QTEST_MAIN(FitTableWindowTest)
#include "fit_table_window_test.moc"

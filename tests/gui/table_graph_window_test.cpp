// The graph window of the table windows: what it shows of a histogram, its colours
// and labels, and its closing as soon as another window is active.

#include <QApplication>
#include <QChartView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "app/grid_cells.h"
#include "charts/draw_histogram.h"
#include "settings/settings_file.h"
#include "statvex/number_text.h"
#include "tables/table_graph_window.h"
#include "texts/messages.h"

using dorvex::gui::Cell;
using dorvex::gui::TableGraph;
using dorvex::gui::TableGraphLook;
using dorvex::gui::TableGraphWindow;

namespace {

constexpr auto kEnglish = dorvex::texts::Language::English;

// Four values 1 .. 4 with probabilities 0.1 .. 0.4.
TableGraph FourValues() {
  TableGraph graph;
  graph.histogram.N = 4;
  graph.histogram.Min = 1.0;
  graph.histogram.Max = 4.0;
  graph.histogram.d = 1.0;
  for (int i = 1; i <= 4; ++i) graph.histogram.P[i] = 0.1 * i;
  graph.title = QStringLiteral("Histogram : four");
  graph.indexAxisTitle = QStringLiteral("Index x");
  return graph;
}

}  // namespace

class TableGraphWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<dorvex::settings::SettingsFile> settings_;
  std::unique_ptr<TableGraphWindow> window_;

  template <class T>
  T* Find(const char* name) const {
    T* control = window_->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    settings_ = std::make_unique<dorvex::settings::SettingsFile>(
        folder_->filePath(QStringLiteral("Dorvex.INI")).toStdString());
    window_ = std::make_unique<TableGraphWindow>(settings_.get(), kEnglish);
  }
  void cleanup() {
    window_.reset();
    settings_.reset();
    folder_.reset();
  }

  void showsTheHistogramItsNumbersAndItsTable() {
    TableGraphLook look;
    look.valueLabels = false;
    window_->ShowGraph(FourValues(), look);
    QVERIFY(window_->isVisible());
    QCOMPARE(window_->windowTitle(), QStringLiteral("  Dorvex   :   Graph"));
    auto* chart = Find<QChartView>("Chart1");
    QCOMPARE(dorvex::gui::ChartBarCount(chart), 4);
    QCOMPARE(dorvex::gui::ChartTitleLines(chart), (QStringList{QString(), QStringLiteral("Histogram : four")}));
    auto* summary = Find<QTableWidget>("StringGrid1");
    QCOMPARE(Cell(summary, 2, 0), QStringLiteral("Number of intervals"));
    QCOMPARE(Cell(summary, 0, 1), QString::fromStdString(dorvex::statvex::DisplayNumber(1.0)));
    QCOMPARE(Cell(summary, 2, 1), QStringLiteral(" 4"));
    auto* table = Find<QTableWidget>("StringGrid2");
    // Heading, lower bound, four values each with its upper bound, total.
    QCOMPARE(table->rowCount(), 11);
    QCOMPARE(table->item(2, 1)->background().color(), QColor(0xFF, 0xFF, 0xC1));
    QCOMPARE(table->item(3, 1)->background().style(), Qt::NoBrush);
    QCOMPARE(table->item(10, 1)->background().color(), QColor(255, 203, 179));

    // Without coloured descriptions the table is plain; value labels title the axis.
    look.gridColours = false;
    look.valueLabels = true;
    window_->ShowGraph(FourValues(), look);
    QCOMPARE(Find<QTableWidget>("StringGrid2")->item(2, 1)->background().style(), Qt::NoBrush);
    QCOMPARE(dorvex::gui::ChartAxisLabels(chart).first(), QStringLiteral("1"));
  }

  void closesWhenAnotherWindowBecomesActiveAndKeepsItsPlace() {
    window_->ShowGraph(FourValues(), TableGraphLook{});
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    window_->move(40, 30);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QApplication::processEvents();
    QVERIFY(!window_->isVisible());
    QCOMPARE(settings_->ReadInteger("--  Position  --", "GrafKoSu-Form13.left", -1), window_->x());
    QCOMPARE(settings_->ReadInteger("--  Position  --", "GrafKoSu-Form13.Width", -1), window_->width());
    QVERIFY(window_->width() >= 750);
  }

  void speaksTheLanguageItIsGiven() {
    window_->ShowGraph(FourValues(), TableGraphLook{});
    window_->SetLanguage(dorvex::texts::Language::Czech);
    QCOMPARE(window_->windowTitle(), QStringLiteral("  Dorvex   :   Graf"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid1"), 2, 0), QStringLiteral("Počet intervalů"));
  }
};

QTEST_MAIN(TableGraphWindowTest)
#include "table_graph_window_test.moc"

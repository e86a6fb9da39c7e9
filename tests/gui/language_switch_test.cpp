// The language menu re-captions every window in place, open ones included, and the
// language chosen comes back at the next start.

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QBarSet>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>
#include <vector>

#include "app/grid_cells.h"
#include "app/main_window.h"
#include "charts/draw_histogram.h"
#include "fake_platform.h"
#include "main_window_harness.h"
#include "table_window_steps.h"
#include "settings/document_folders.h"
#include "settings/settings_file.h"

using dorvex::gui::Cell;
using dorvex::gui::MainWindow;
using dorvex::gui::testing::FakePlatform;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

const QString kDiscreteTen = QStringLiteral(DORVEX_FIXTURES "/discrete_ten.dis");
const QString kPureDiscreteTrim = QStringLiteral(DORVEX_FIXTURES "/pure_discrete_trim.dis");

// One text a window shows, and what it reads in English and in Czech.
struct Shown {
  const char* what;
  std::function<QString()> read;
  QString english;
  QString czech;
};

// Where a click hits bar i of a chart.
QPoint BarCentre(QChartView* view, int i) {
  QChart* chart = view->chart();
  auto* series = qobject_cast<QStackedBarSeries*>(chart->series().constFirst());
  const QPointF inChart = chart->mapToPosition(QPointF(i, series->barSets().constLast()->at(i) / 2), series);
  return view->mapFromScene(chart->mapToScene(inChart));
}

}  // namespace

class LanguageSwitchTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindowHarness> harness_;

  MainWindow& Form() { return harness_->form(); }

  template <class T>
  T* Find(const char* name) const {
    return harness_->Find<T>(name);
  }

  // A window of the main window's by its name, and a control in it.
  QWidget* Window(const char* name) const {
    auto* window = harness_->form().findChild<QWidget*>(QString::fromLatin1(name));
    if (window == nullptr) qFatal("no window %s", name);
    return window;
  }
  template <class T>
  T* In(const char* window, const char* name) const {
    T* control = Window(window)->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s in %s", name, window);
    return control;
  }

  void ChooseLanguage(const char* item) {
    Find<QAction>(item)->trigger();
    MainWindowHarness::Settle();
  }

  // Every text in English, then in Czech after the Czech item, then in English again.
  void CheckBothWays(const std::vector<Shown>& texts) {
    for (const char* item : {"Cestina", "Anglictina"}) {
      const bool czech = QByteArray(item) == "Cestina";
      ChooseLanguage(item);
      for (const Shown& text : texts) {
        QVERIFY2(text.read() == (czech ? text.czech : text.english),
                 qPrintable(QStringLiteral("%1 in %2: %3").arg(QLatin1String(text.what), QLatin1String(item),
                                                                text.read())));
      }
    }
  }

  void OpenAandB() {
    harness_->Open(SlotId::A, kDiscreteTen);
    harness_->Open(SlotId::B, kDiscreteTen);
  }

 private slots:
  void init() { harness_ = std::make_unique<MainWindowHarness>(); }
  void cleanup() { harness_.reset(); }

  void theMainWindowsMenusGridsListsAndChartAxes() {
    OpenAandB();
    harness_->Compute(0);
    auto* resultChart = Find<QChartView>("Chart_AB");
    auto* resultListing = Find<QTableWidget>("StringGrid2");
    const std::vector<Shown> texts = {
        {"title", [this] { return Form().windowTitle().left(Form().windowTitle().lastIndexOf(QLatin1Char(' '))); },
         QStringLiteral("D o r v e x  -  Version"), QStringLiteral("D o r v e x  -  Verze")},
        {"menu", [this] { return Find<QMenu>("Soubor1")->title(); }, QStringLiteral("&File"),
         QStringLiteral("&Soubor")},
        {"language item", [this] { return Find<QAction>("Cestina")->text(); }, QStringLiteral("&Czech"),
         QStringLiteral("&Čeština")},
        {"item hint", [this] { return Find<QAction>("Konec1")->statusTip(); }, QStringLiteral("Close Dorvex"),
         QStringLiteral("Ukončit program Dorvex")},
        {"panel", [this] { return Find<QGroupBox>("GroupBox3")->title(); },
         QStringLiteral("F i n a l   h i s t o g r a m"), QStringLiteral("V ý s l e d n ý   h i s t o g r a m")},
        {"input grid", [this] { return Cell(Find<QTableWidget>("StringGrid4"), 1, 0); },
         QStringLiteral("Number of intervals"), QStringLiteral("Počet intervalů")},
        {"result grid", [this] { return Cell(Find<QTableWidget>("StringGrid5"), 0, 0); }, QStringLiteral("Type"),
         QStringLiteral("Typ")},
        {"type list", [this] { return Find<QComboBox>("CBTypHistB")->itemText(3); },
         QStringLiteral("Parametric distribution"), QStringLiteral("Parametrické rozdělení")},
        {"axis list", [this] { return Find<QComboBox>("CBValInd")->currentText(); }, QStringLiteral("Value x"),
         QStringLiteral("Hodnota x")},
        {"value axis", [resultChart] { return dorvex::gui::ChartValueAxisTitle(resultChart); },
         QStringLiteral("Probability P(x)"), QStringLiteral("Pravděpodobnost P(x)")},
        {"bottom axis", [resultChart] { return dorvex::gui::ChartBottomAxisTitle(resultChart); },
         QStringLiteral("Value x"), QStringLiteral("Hodnota x")},
        {"chart tool bar", [this] { return Find<QWidget>("Panel3")->findChild<QToolButton*>("ChartWhole")->toolTip(); },
         QStringLiteral("Whole chart"), QStringLiteral("Celý graf")},
        {"result listing", [resultListing] { return Cell(resultListing, 0, 2).trimmed(); },
         QStringLiteral("Probability P(x)"), QStringLiteral("Pravděpod. P(x)")},
    };
    const int bars = dorvex::gui::ChartBarCount(resultChart);
    QVERIFY(bars > 0);
    CheckBothWays(texts);
    // Only the texts change: the result is drawn with the same bars.
    QCOMPARE(dorvex::gui::ChartBarCount(resultChart), bars);
  }

  void switchingToTheLanguageInForceChangesNothing() {
    OpenAandB();
    harness_->Compute(0);
    // The language routine undoes the result chart's zoom; the language in force runs none.
    auto* chart = Find<QChartView>("Chart_AB");
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, BarCentre(chart, dorvex::gui::ChartBarCount(chart) / 2));
    QVERIFY(Form().ResultZoomed());
    ChooseLanguage("Anglictina");
    QVERIFY(Form().ResultZoomed());
    QVERIFY(Find<QAction>("Anglictina")->isChecked());
    QVERIFY(!Find<QAction>("Cestina")->isChecked());
    QCOMPARE(Find<QMenu>("Soubor1")->title(), QStringLiteral("&File"));
    ChooseLanguage("Cestina");
    QVERIFY(!Form().ResultZoomed());
    QVERIFY(!Find<QAction>("Anglictina")->isChecked());
    // The listing buttons' hints name the slot in the language chosen.
    ChooseLanguage("Cestina");
    QVERIFY(Find<QToolButton>("PopisA")->toolTip().endsWith(QStringLiteral(" : discrete_ten")));
    QVERIFY(Find<QToolButton>("PopisA")->toolTip().startsWith(QStringLiteral("Popis A")));
  }

  void theOpenParametricWindow() {
    dorvex::gui::testing::ChooseFromList(Find<QComboBox>("CBTypHistA"), 3);
    QVERIFY(Window("TForm12")->isVisible());
    auto* chart = In<QChartView>("TForm12", "Chart1L");
    QVERIFY(dorvex::gui::ChartBarCount(chart) > 0);
    const std::vector<Shown> texts = {
        {"title", [this] { return Window("TForm12")->windowTitle(); },
         QStringLiteral("  Dorvex :   Parametric distribution"), QStringLiteral("  Dorvex :   Parametrické rozdělení")},
        {"label", [this] { return In<QLabel>("TForm12", "Label4")->text(); }, QStringLiteral("Intervals"),
         QStringLiteral("Intervalů")},
        {"summary grid", [this] { return Cell(In<QTableWidget>("TForm12", "StringGrid1"), 4, 0); },
         QStringLiteral("Cut below Xmin"), QStringLiteral("Vynecháno < Xmin")},
        {"export item", [this] { return In<QAction>("TForm12", "Schranka")->text(); }, QStringLiteral("&Clipboard"),
         QStringLiteral("&Schránky")},
        {"axis list", [this] { return In<QComboBox>("TForm12", "CBValInd")->itemText(1); },
         QStringLiteral("Value x"), QStringLiteral("Hodnota x")},
        {"value axis", [chart] { return dorvex::gui::ChartValueAxisTitle(chart); },
         QStringLiteral("Probability P(x)"), QStringLiteral("Pravděpodobnost P(x)")},
        {"chart title", [chart] { return dorvex::gui::ChartTitleLines(chart).value(1).section(QLatin1Char(' '), 0, 1); },
         QStringLiteral("Parametric distribution"), QStringLiteral("Parametrické rozdělení")},
    };
    CheckBothWays(texts);
  }

  void theOpenListingWindows_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("hiddenEnglish");
    QTest::addColumn<QString>("hiddenCzech");
    QTest::newRow("intervals") << kDiscreteTen << "Form7" << "Histogram description" << " Popis histogramu";
    QTest::newRow("points") << kPureDiscreteTrim << "Form3" << "Histogram description" << " Dorvex - Výpis";
  }

  void theOpenListingWindows() {
    QFETCH(QString, file);
    QFETCH(QString, window);
    QFETCH(QString, hiddenEnglish);
    QFETCH(QString, hiddenCzech);
    const QByteArray name = window.toLatin1();
    harness_->Open(SlotId::A, file);
    QTest::mouseClick(Find<QToolButton>("PopisA"), Qt::LeftButton);
    QVERIFY(Window(name.constData())->isVisible());
    auto* grid = In<QTableWidget>(name.constData(), "StringGrid1");
    const QString listedTitle = Window(name.constData())->windowTitle();
    const std::vector<Shown> texts = {
        {"title", [this, name] { return Window(name.constData())->windowTitle(); }, listedTitle, listedTitle},
        {"heading", [grid] { return Cell(grid, 0, 2).trimmed(); }, QStringLiteral("Probability P(x)"),
         QStringLiteral("Pravděpod. P(x)")},
        {"exit button", [this, name] { return In<QToolButton>(name.constData(), "ExitBtn")->text(); },
         QStringLiteral("Exit"), QStringLiteral("Konec")},
    };
    CheckBothWays(texts);
    QVERIFY(Window(name.constData())->isVisible());

    // Closed, it takes the title of its language until it lists again.
    Window(name.constData())->close();
    const std::vector<Shown> hidden = {
        {"title", [this, name] { return Window(name.constData())->windowTitle(); }, hiddenEnglish, hiddenCzech},
    };
    CheckBothWays(hidden);
  }

  void theOpenFileListing() {
    harness_->Open(SlotId::A, kDiscreteTen);
    QTest::mouseClick(Find<QToolButton>("VypisHistA"), Qt::LeftButton);
    QVERIFY(Window("Form15")->isVisible());
    const std::vector<Shown> texts = {
        {"title", [this] { return Window("Form15")->windowTitle(); },
         QStringLiteral("Description  :   discrete_ten.dis"), QStringLiteral("Popis  :   discrete_ten.dis")},
    };
    CheckBothWays(texts);
    Window("Form15")->close();
    const std::vector<Shown> hidden = {
        {"title", [this] { return Window("Form15")->windowTitle(); },
         QStringLiteral("  Dorvex :   Histogram description"), QStringLiteral("  Dorvex :   Výpis histogramu ")},
    };
    CheckBothWays(hidden);
  }

  void theLanguageComesBackAfterARestart() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("Dorvex.INI")).toStdString();
    const auto folders = dorvex::settings::MakeDocumentFolders(
        folder.path().toStdString(), folder.filePath(QStringLiteral("Documents")).toStdString(),
        folder.path().toStdString());
    dorvex::gui::StartupOptions options;
    options.showSplash = false;
    for (const char* chosen : {"Cestina", "Anglictina"}) {
      const bool czech = QByteArray(chosen) == "Cestina";
      {
        FakePlatform platform;
        dorvex::settings::SettingsFile settings(path);
        settings.Load();
        MainWindow form(platform.Services(), &settings, folders, options);
        form.findChild<QAction*>(QString::fromLatin1(chosen))->trigger();
        form.close();
      }
      FakePlatform platform;
      dorvex::settings::SettingsFile settings(path);
      QVERIFY(!settings.Load());
      MainWindow form(platform.Services(), &settings, folders, options);
      QCOMPARE(form.findChild<QAction*>(QStringLiteral("Cestina"))->isChecked(), czech);
      QCOMPARE(form.findChild<QAction*>(QStringLiteral("Anglictina"))->isChecked(), !czech);
      QCOMPARE(form.findChild<QMenu*>(QStringLiteral("Soubor1"))->title(),
               czech ? QStringLiteral("&Soubor") : QStringLiteral("&File"));
      QCOMPARE(Cell(form.findChild<QTableWidget*>(QStringLiteral("StringGrid5")), 0, 0),
               czech ? QStringLiteral("Typ") : QStringLiteral("Type"));
      QCOMPARE(platform.language,
               czech ? dorvex::texts::Language::Czech : dorvex::texts::Language::English);
      form.close();
    }
  }
};

QTEST_MAIN(LanguageSwitchTest)
#include "language_switch_test.moc"

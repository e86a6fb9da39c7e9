// The user's colours from the main window: chosen in the colour window, applied at
// once to the main window and the windows it owns, drawn with at the next draw, and
// kept through a restart.

#include <QBarSet>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QChartView>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTest>
#include <QToolButton>

#include "app/color_ref.h"
#include "fake_platform.h"
#include "main_window_harness.h"
#include "settings/colour_scheme.h"
#include "settings/document_folders.h"
#include "settings/settings_file.h"

#include <memory>

using dorvex::gui::MainWindow;
using dorvex::gui::testing::FakePlatform;
using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

const QString kDiscreteTen = QStringLiteral(DORVEX_FIXTURES) + QStringLiteral("/discrete_ten.dis");

QWidget* ColourWindow(MainWindowHarness& h) {
  QTest::mouseClick(h.Find<QToolButton>("ZmenaBarev"), Qt::LeftButton);
  auto* window = h.form().findChild<QWidget*>(QStringLiteral("Form5"));
  if (window == nullptr || !window->isVisible()) qFatal("no colour window");
  return window;
}

void Choose(MainWindowHarness& h, QWidget* window, int item, const QColor& colour) {
  h.platform().QueueColor(colour);
  QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BitBtn%1").arg(item + 1)), Qt::LeftButton);
}

QColor FirstBarColour(QChartView* chart) {
  const auto series = chart->chart()->series();
  for (auto* s : series) {
    if (auto* bars = qobject_cast<QStackedBarSeries*>(s); bars && !bars->barSets().isEmpty()) {
      return bars->barSets().constLast()->color();
    }
  }
  return {};
}

}  // namespace

class MainWindowColoursTest : public QObject {
  Q_OBJECT

 private slots:
  void chosenColoursApplyAtOnceOrAtTheNextDraw() {
    MainWindowHarness h;
    h.Open(SlotId::A, kDiscreteTen);
    auto* chartA = h.Find<QChartView>("Chart_A");
    const QColor designBars = FirstBarColour(chartA);
    QCOMPARE(designBars, dorvex::gui::FromColorRef(0x00FFFF));

    QWidget* window = ColourWindow(h);
    Choose(h, window, dorvex::settings::kFormsBackground, QColor(200, 220, 240));
    QCOMPARE(h.form().palette().color(QPalette::Window), QColor(200, 220, 240));
    // The windows the main window owns take the background too.
    QCOMPARE(h.form().findChild<QWidget*>(QStringLiteral("Form18"))->palette().color(QPalette::Window),
             QColor(200, 220, 240));

    Choose(h, window, dorvex::settings::kEditBackground, QColor(255, 255, 200));
    QCOMPARE(h.Find<QLineEdit>("Edit_NasB")->palette().color(QPalette::Base), QColor(255, 255, 200));

    // Bars keep their colour until A is drawn anew.
    Choose(h, window, dorvex::settings::kInputBars, QColor(0, 128, 0));
    QCOMPARE(FirstBarColour(chartA), designBars);
    h.Open(SlotId::A, kDiscreteTen);
    QCOMPARE(FirstBarColour(chartA), QColor(0, 128, 0));

    // A cancelled choice changes nothing.
    Choose(h, window, dorvex::settings::kValueFieldBackground, QColor());
    QCOMPARE(h.Find<QLineEdit>("Edit_P")->palette().color(QPalette::Base), QColor(Qt::white));
  }

  void coloursAreKeptThroughARestartSystemColoursIncluded() {
    QTemporaryDir folder;
    const std::string ini = folder.filePath(QStringLiteral("Dorvex.INI")).toStdString();
    const auto start = [&](FakePlatform& platform, dorvex::settings::SettingsFile& settings) {
      (void)settings.Load();
      dorvex::gui::StartupOptions options;
      options.showSplash = false;
      return std::make_unique<MainWindow>(
          platform.Services(), &settings,
          dorvex::settings::MakeDocumentFolders(folder.path().toStdString(), "", folder.path().toStdString()), options);
    };
    {
      FakePlatform platform;
      dorvex::settings::SettingsFile settings(ini);
      auto form = start(platform, settings);
      form->show();
      QVERIFY(QTest::qWaitForWindowActive(form.get()));
      QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("ZmenaBarev")), Qt::LeftButton);
      platform.QueueColor(QColor(1, 2, 3));
      QWidget* colours = form->findChild<QWidget*>(QStringLiteral("Form5"));
      QTest::mouseClick(colours->findChild<QPushButton*>(QStringLiteral("BitBtn11")), Qt::LeftButton);
      platform.QueueColor(QColor(200, 220, 240));
      QTest::mouseClick(colours->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
      form->close();
    }
    QFile file(folder.filePath(QStringLiteral("Dorvex.INI")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    QVERIFY2(text.contains("Color- texty Mat.operace=197121"), text.constData());
    QVERIFY(text.contains("Color- FORM1 pozadi=15785160"));
    file.close();
    // A system colour (the button face) for the charts' background.
    QVERIFY(text.contains("Color- GRAF pozadi=16777215"));
    text.replace("Color- GRAF pozadi=16777215", "Color- GRAF pozadi=-16777201");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();

    FakePlatform platform;
    dorvex::settings::SettingsFile settings(ini);
    auto form = start(platform, settings);
    QCOMPARE(form->findChild<QComboBox*>(QStringLiteral("ComboBox_Operace"))->palette().color(QPalette::Text),
             QColor(1, 2, 3));
    // The background comes back in every window, not only in the main one.
    QCOMPARE(form->palette().color(QPalette::Window), QColor(200, 220, 240));
    QCOMPARE(form->findChild<QWidget*>(QStringLiteral("TForm14"))->palette().color(QPalette::Window),
             QColor(200, 220, 240));
    const QColor face = QGuiApplication::palette().color(QPalette::Window);
    QVERIFY(face != QColor(Qt::white));
    QCOMPARE(form->findChild<QChartView*>(QStringLiteral("Chart_B"))->chart()->backgroundBrush().color(), face);
  }
};

QTEST_MAIN(MainWindowColoursTest)
#include "main_window_colours_test.moc"

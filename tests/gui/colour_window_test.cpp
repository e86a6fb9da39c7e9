// The colour window on its own: a button asks for a colour, a confirmed one is shown
// and announced, a cancelled one changes nothing; both languages.

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/color_ref.h"
#include "fake_platform.h"
#include "settings/colour_scheme.h"
#include "settings/colour_window.h"

using dorvex::gui::ColourWindow;
using dorvex::gui::testing::FakePlatform;
namespace settings = dorvex::settings;

class ColourWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void confirmedColourIsShownAndAnnounced() {
    FakePlatform platform;
    ColourWindow window(platform.Services(), nullptr);
    window.ShowScheme(settings::DesignColours());
    auto* sample = window.findChild<QLineEdit*>(QStringLiteral("Edit14"));
    QCOMPARE(sample->palette().color(QPalette::Base), dorvex::gui::FromColorRef(0x00FFFF));

    QSignalSpy chosen(&window, &ColourWindow::ColourChosen);
    platform.QueueColor(QColor(10, 20, 30));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn14")), Qt::LeftButton);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.front().at(0).toInt(), static_cast<int>(settings::kInputBars));
    QCOMPARE(chosen.front().at(1).toUInt(), 0x1E140Au);
    QCOMPARE(sample->palette().color(QPalette::Base), QColor(10, 20, 30));

    platform.QueueColor(QColor());
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn14")), Qt::LeftButton);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(sample->palette().color(QPalette::Base), QColor(10, 20, 30));
  }

  void systemColoursShowAsTheDesktopsAndCaptionsFollowTheLanguage() {
    FakePlatform platform;
    ColourWindow window(platform.Services(), nullptr);
    window.ShowScheme(settings::DesignColours());
    // Item 0 is the button face, not the near-black its low bytes would give.
    QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("Edit1"))->palette().color(QPalette::Base),
             QGuiApplication::palette().color(QPalette::Window));
    QCOMPARE(window.windowTitle(), QStringLiteral("  Dorvex  -  SetUp colours"));
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("BitBtn16"))->text(), QStringLiteral("graph \" x value\""));
    window.SetLanguage(dorvex::texts::Language::Czech);
    QCOMPARE(window.windowTitle(), QStringLiteral("  Dorvex  -  Nastavení barev"));
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("BitBtn16"))->text(), QStringLiteral("graf \" Hodnoty x) \""));
    QCOMPARE(window.findChild<QGroupBox*>(QStringLiteral("GroupBox6"))->title(),
             QStringLiteral("Parametrické rozdělení, Prvotní data"));
  }
};

QTEST_MAIN(ColourWindowTest)
#include "colour_window_test.moc"

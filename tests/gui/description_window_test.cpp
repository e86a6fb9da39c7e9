// Typing a histogram by hand: from the type selector's "Histogram" item to the saved
// file and the slot, with the refusals on the way.

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "fake_platform.h"
#include "main_window_harness.h"
#include "table_window_steps.h"

using dorvex::gui::testing::MainWindowHarness;
using dorvex::model::SlotId;

namespace {

// The offscreen platform does not move the activation by itself.
void Activate(QWidget* window) {
  if (window->isActiveWindow()) return;
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window)) qWarning("window not active");
}

// Picks "Histogram" in the slot's type selector.
QWidget* OpenDescription(MainWindowHarness& h, SlotId slot) {
  dorvex::gui::testing::ChooseFromList(h.Find<QComboBox>(slot == SlotId::A ? "CBTypHistA" : "CBTypHistB"), 0);
  auto* window = h.form().findChild<QWidget*>(QStringLiteral("Form18"));
  if (window == nullptr) qFatal("no description window");
  Activate(window);
  return window;
}

template <class T>
T* In(QWidget* window, const char* name) {
  T* control = window->findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

void Type(QWidget* window, const char* field, const QString& keys) {
  auto* edit = In<QLineEdit>(window, field);
  Activate(window);
  QTest::mouseClick(edit, Qt::LeftButton);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, keys);
}

// Types the lines into the memo, Enter between them.
void TypeLines(QPlainTextEdit* memo, const QStringList& lines) {
  memo->setFocus();
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, lines.at(i));
  }
}

}  // namespace

class DescriptionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void typedHistogramIsSavedAndTakenIntoTheSlot() {
    MainWindowHarness h;
    QWidget* window = OpenDescription(h, SlotId::B);
    QVERIFY(window->isVisible());
    QVERIFY(!h.Find<QComboBox>("CBTypHistA")->isEnabled());
    QCOMPARE(In<QLineEdit>(window, "Edit5")->text(), QStringLiteral("0"));

    auto* memo = In<QPlainTextEdit>(window, "Memo1");
    TypeLines(memo, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1")});
    QCOMPARE(In<QLineEdit>(window, "Edit3")->text(), QStringLiteral("3"));
    QCOMPARE(In<QLineEdit>(window, "Edit5")->text(), QStringLiteral("4"));
    Type(window, "Edit1", QStringLiteral("0"));
    // Letters are refused by the field; a comma is a decimal point.
    Type(window, "Edit2", QStringLiteral("3x,0"));
    QCOMPARE(In<QLineEdit>(window, "Edit2")->text(), QStringLiteral("3.0"));
    QVERIFY(h.platform().beeps > 0);
    Type(window, "Edit4", QStringLiteral("live load"));
    QTest::keyClick(In<QLineEdit>(window, "Edit4"), Qt::Key_Return);
    QCOMPARE(In<QLineEdit>(window, "Edit4")->text(), QStringLiteral("liveload"));

    const QString path = h.folder().filePath(QStringLiteral("liveload.dis"));
    h.platform().QueueSaveFile(path);
    QTest::mouseClick(In<QPushButton>(window, "BitBtn2"), Qt::LeftButton);
    MainWindowHarness::Settle();
    QVERIFY(h.platform().messages.isEmpty());
    QVERIFY(!window->isVisible());
    QVERIFY(h.Find<QComboBox>("CBTypHistA")->isEnabled());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("Identification=liveload.dis\r\nType=Discrete\r\n"));
    QVERIFY(text.contains("Min=0\r\nMax=3.0\r\nBins=3\r\nTotal=4\r\n\r\n[Bins]\r\n1\r\n2\r\n1\r\n"));

    const auto& slot = h.form().Bench().Slot(SlotId::B);
    QVERIFY(slot.loaded);
    QCOMPARE(slot.scaled.N, 3);
    QCOMPARE(slot.scaled.Min, 0.5);
    QCOMPARE(slot.scaled.Max, 2.5);
    QCOMPARE(slot.scaled.P[2], 0.5);
    QCOMPARE(slot.sourcePath, path.toStdString());
    QCOMPARE(h.Find<QLineEdit>("Edit_NameB")->text(), QStringLiteral("liveload"));
    QCOMPARE(h.Find<QLineEdit>("Edit_NasB")->text(), QStringLiteral("1.00"));

    // Opened again, the window shows the slot's histogram.
    window = OpenDescription(h, SlotId::B);
    QCOMPARE(In<QPlainTextEdit>(window, "Memo1")->toPlainText(), QStringLiteral("1\n2\n1"));
    QCOMPARE(In<QLineEdit>(window, "Edit4")->text(), QStringLiteral("liveload"));
    QCOMPARE(In<QLineEdit>(window, "Edit1")->text().trimmed().toDouble(), 0.0);
    QCOMPARE(In<QLineEdit>(window, "Edit2")->text().trimmed().toDouble(), 3.0);
    // Cancel leaves the slot as it is.
    In<QPlainTextEdit>(window, "Memo1")->setPlainText(QStringLiteral("5\n5"));
    QTest::mouseClick(In<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(h.form().Bench().Slot(SlotId::B).scaled.N, 3);
  }

  void refusalsKeepTheWindowOpen() {
    MainWindowHarness h;
    QWidget* window = OpenDescription(h, SlotId::A);
    auto* memo = In<QPlainTextEdit>(window, "Memo1");

    QTest::mouseClick(In<QPushButton>(window, "BitBtn2"), Qt::LeftButton);
    QCOMPARE(h.platform().messages.size(), 1);
    QCOMPARE(h.platform().messages.back().text, QStringLiteral("Table of raw data is empty !"));

    // A line that is no integer is named while typing, and the counts stay.
    TypeLines(memo, {QStringLiteral("4"), QStringLiteral("2")});
    QTest::keyClicks(memo, QStringLiteral(".5"));
    QVERIFY(h.platform().messages.back().text.contains(QStringLiteral("Line    :  2")));
    QCOMPARE(In<QLineEdit>(window, "Edit5")->text(), QStringLiteral("6"));

    memo->setPlainText(QStringLiteral("1\n1"));
    Type(window, "Edit1", QStringLiteral("5"));
    Type(window, "Edit2", QStringLiteral("1"));
    Type(window, "Edit4", QStringLiteral("x"));
    QTest::mouseClick(In<QPushButton>(window, "BitBtn2"), Qt::LeftButton);
    QCOMPARE(h.platform().messages.back().text, QStringLiteral("min > max !"));

    QStringList many;
    for (int i = 0; i < 1025; ++i) many << QStringLiteral("1");
    memo->setPlainText(many.join('\n'));
    QTest::mouseClick(In<QPushButton>(window, "BitBtn2"), Qt::LeftButton);
    QVERIFY(h.platform().messages.back().text.contains(QStringLiteral("> 1024")));
    QVERIFY(window->isVisible());
    QVERIFY(h.platform().saveRequests.isEmpty());
    QVERIFY(!h.form().Bench().Slot(SlotId::A).loaded);

    // Pure Discrete hides Max.
    In<QComboBox>(window, "ComboBox1")->setCurrentIndex(1);
    QVERIFY(!In<QLineEdit>(window, "Edit2")->isVisible());
    window->close();
    QVERIFY(h.Find<QComboBox>("CBTypHistA")->isEnabled());
  }
};

QTEST_MAIN(DescriptionWindowTest)
#include "description_window_test.moc"

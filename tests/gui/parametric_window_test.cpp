// The parametric distribution window driven from the main window's type selectors,
// as a user drives it: controls found by name, dialogs answered by the fake platform.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGraphicsTextItem>
#include <QToolButton>
#include <QScreen>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "analysis/characteristics.h"
#include "app/grid_cells.h"
#include "app/main_window.h"
#include "charts/draw_histogram.h"
#include "engine/engine.h"
#include "fake_platform.h"
#include "table_window_steps.h"
#include "settings/document_folders.h"
#include "settings/settings_file.h"
#include "sources/distribution.h"
#include "sources/parametric_display.h"
#include "sources/parametric_request.h"
#include "statvex/number_text.h"
#include "texts/messages.h"
#include "workbench/slot_texts.h"

using dorvex::gui::Cell;
using dorvex::gui::MainWindow;
using dorvex::gui::testing::FakePlatform;
using dorvex::model::SlotId;
using dorvex::settings::SettingsFile;

namespace {

constexpr char kPosition[] = "--  Position  --";
constexpr char kSetting[] = "--  Setting  --";

QString Number(double x) { return QString::fromStdString(dorvex::statvex::DisplayNumber(x)); }
QString CellNumber(double x) { return QString::fromStdString(dorvex::statvex::NumberText(x)); }
QString MessageText(int number) {
  return QString::fromStdString(dorvex::texts::MessageText(number, dorvex::texts::Language::English));
}

// The texts the chart's scene shows (titles, labels, legend).
QStringList SceneTexts(const QChartView* view) {
  QStringList texts;
  for (const QGraphicsItem* item : view->scene()->items()) {
    if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item); text != nullptr && item->isVisible())
      texts << text->toPlainText();
  }
  return texts;
}

// Lets the chart lay out anew and drop the items of its previous drawing.
void Settle() {
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray Head(const QString& path, int bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(bytes);
}

}  // namespace

class ParametricWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<FakePlatform> platform_;
  std::unique_ptr<SettingsFile> settings_;
  std::unique_ptr<MainWindow> form_;

  // A main window on the settings kept in `settings_`.
  MainWindow& Start() {
    form_.reset();
    const auto folders = dorvex::settings::MakeDocumentFolders(
        folder_->path().toStdString(), folder_->filePath(QStringLiteral("Documents")).toStdString(),
        folder_->path().toStdString());
    dorvex::gui::StartupOptions options;
    options.showSplash = false;
    form_ = std::make_unique<MainWindow>(platform_->Services(), settings_.get(), folders, options);
    form_->show();
    if (!QTest::qWaitForWindowActive(form_.get())) qWarning("main window not active");
    return *form_;
  }

  template <class T>
  T* Main(const char* name) const {
    // The main window's own controls: those of the parametric window share some names.
    for (T* control : form_->findChildren<T*>(QString::fromLatin1(name))) {
      if (control->window() == form_.get()) return control;
    }
    qFatal("no control %s", name);
  }

  QAction* MainAction(const char* name) const {
    auto* action = form_->findChild<QAction*>(QString::fromLatin1(name));
    if (action == nullptr) qFatal("no action %s", name);
    return action;
  }

  QWidget* Window() const { return form_->findChild<QWidget*>(QStringLiteral("TForm12")); }

  template <class T>
  T* Find(const char* name) const {
    T* control = Window()->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }

  // Chooses "Parametric distribution" from the slot's type selector. (Walking there with
  // the arrow keys would open the combination and summary windows on the way.)
  void OpenFrom(SlotId slot) {
    dorvex::gui::testing::ChooseFromList(Main<QComboBox>(slot == SlotId::A ? "CBTypHistA" : "CBTypHistB"), 3);
    QVERIFY(Window()->isVisible());
    // The offscreen platform does not move the activation by itself.
    Window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Window()));
    QApplication::processEvents();
  }

  // Replaces the field's text by typing and leaves it by clicking the type list.
  void TypeAndLeave(const char* name, const QString& keys) {
    auto* field = Find<QLineEdit>(name);
    if (QApplication::activeWindow() != Window()) qFatal("the parametric window is not active");
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
    Find<QComboBox>("CBTypRozdeleni")->setFocus();
    QApplication::processEvents();
  }

  // A check box reacts on its indicator and text, not across its whole width.
  void ClickBox(const char* name) {
    auto* box = Find<QCheckBox>(name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }

  bool Shown() const { return Find<QChartView>("Chart1L")->isVisible(); }
  QString LastMessage() const { return platform_->messages.isEmpty() ? QString() : platform_->messages.last().text; }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    platform_ = std::make_unique<FakePlatform>();
    settings_ = std::make_unique<SettingsFile>(folder_->filePath(QStringLiteral("Dorvex.INI")).toStdString());
  }

  void cleanup() {
    form_.reset();
    settings_.reset();
    platform_.reset();
    folder_.reset();
  }

  void aUserBuildsAWeibullInputForBAndSubtractsIt() {
    Start();
    OpenFrom(SlotId::B);
    // Opening clears B, locks its multiple and the main window, and computes once.
    QVERIFY(!Main<QLineEdit>("Edit_NasB")->isEnabled());
    QVERIFY(!Main<QComboBox>("CBTypHistA")->isEnabled());
    QVERIFY(!form_->Bench().Slot(SlotId::B).loaded);
    QCOMPARE(dorvex::gui::ChartTitleLines(Main<QChartView>("Chart_B")), QStringList{QStringLiteral("Histogram :   B x X")});
    QVERIFY(Shown());
    QCOMPARE(Find<QLabel>("LabPara1")->text(), QStringLiteral("Average - Mi"));

    Find<QComboBox>("CBTypRozdeleni")->setCurrentIndex(dorvex::sources::kWeibull);
    TypeAndLeave("EdPara1", QStringLiteral("2"));
    TypeAndLeave("EdPara2", QStringLiteral("3,5"));  // "," goes in as "."
    QCOMPARE(Find<QLineEdit>("EdPara2")->text(), QStringLiteral("3.5"));
    TypeAndLeave("EdPocetIntervalu", QStringLiteral("64"));
    QVERIFY(Shown());
    QCOMPARE(Find<QLabel>("LabPara1")->text(), QStringLiteral("k"));
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart1L")), 64);
    const QStringList title = dorvex::gui::ChartTitleLines(Find<QChartView>("Chart1L"));
    QCOMPARE(title.size(), 2);
    QCOMPARE(title[1], QStringLiteral("Parametric distribution : Weibull  F ( x |  k=2 , lambda=3.5 )"));
    bool curve = false;
    for (const QAbstractSeries* series : Find<QChartView>("Chart1L")->chart()->series())
      curve = curve || series->name() == QStringLiteral("curve");
    QVERIFY(curve);
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid1"), 4, 0), QStringLiteral("Cut below Xmin"));
    auto* intervals = Find<QTableWidget>("StringGrid2");
    QCOMPARE(intervals->item(intervals->rowCount() - 1, 1)->background().color(), QColor(255, 203, 179));
    QVERIFY(!Cell(Find<QTableWidget>("StringGrid1"), 5, 1).isEmpty());

    dorvex::sources::ParametricRequest request;
    request.type = dorvex::sources::kWeibull;
    request.parameters = {"2", "3.5"};
    request.bins = 64;
    request.pureDiscrete = true;
    const auto pure = dorvex::sources::ComputeParametric(request, dorvex::texts::Language::English);
    request.pureDiscrete = false;
    const auto discrete = dorvex::sources::ComputeParametric(request, dorvex::texts::Language::English);
    QVERIFY(pure.ok() && discrete.ok());

    ClickBox("ChB_TypHist");
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid1"), 0, 1), CellNumber(pure.buffer.histogram.Min));
    ClickBox("ChB_TypHist");
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid1"), 0, 1), CellNumber(discrete.buffer.histogram.Min));

    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    QVERIFY(!Window()->isVisible());
    QVERIFY(Main<QComboBox>("CBTypHistA")->isEnabled());
    QCOMPARE(Main<QComboBox>("CBTypHistB")->currentIndex(), 0);
    QCOMPARE(Main<QLineEdit>("Edit_NameB")->text(), QStringLiteral("ParRoz_Weibull"));
    QCOMPARE(Main<QLineEdit>("Edit_MinB")->text(), Number(discrete.buffer.histogram.Min));
    QCOMPARE(Main<QLineEdit>("Edit_MaxB")->text(), Number(discrete.buffer.histogram.Max));
    QCOMPARE(Cell(Main<QTableWidget>("StringGrid4"), 1, 1), QStringLiteral("64"));
    QVERIFY(Main<QLineEdit>("Edit_NasB")->isEnabled());
    QVERIFY(dorvex::gui::ChartTitleLines(Main<QChartView>("Chart_B")).first().contains(QStringLiteral("ParRoz_Weibull")));

    // A from the default normal, then A - B.
    OpenFrom(SlotId::A);
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    QCOMPARE(Main<QLineEdit>("Edit_NameA")->text(), QStringLiteral("ParRoz_Normal"));
    Main<QComboBox>("ComboBox_Operace")->setCurrentIndex(dorvex::engine::kDifference - 1);
    QTest::mouseClick(Main<QPushButton>("Button_Proved_Operaci"), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(form_->Bench().Result() != nullptr);
  }

  void refusals_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("restored");  // the field's text afterwards
    QTest::addColumn<bool>("computes");     // the computation runs with the restored text
    QTest::newRow("N 2") << "EdPocetIntervalu" << "2" << 0 << "Intervals number is not in range 3 .. 1024 !"
                         << "128" << false;
    QTest::newRow("N 1025") << "EdPocetIntervalu" << "1025" << 0 << "Intervals number is not in range 3 .. 1024 !"
                            << "128" << false;
    QTest::newRow("Eps 0") << "EdEps" << "0" << 0 << "Minimal probability Min_(x) is not > 0 !" << "1E-7" << true;
    QTest::newRow("Eps 2") << "EdEps" << "2" << 0 << "Program allowes:" << "1E-7" << true;
    QTest::newRow("uniform a >= b") << "EdPara1" << "30" << int(dorvex::sources::kUniform) << " a < b !" << "30"
                                    << false;
  }

  void refusals() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, type);
    QFETCH(QString, message);
    QFETCH(QString, restored);
    QFETCH(bool, computes);
    Start();
    OpenFrom(SlotId::A);
    Find<QComboBox>("CBTypRozdeleni")->setCurrentIndex(type);
    QVERIFY(Shown());
    const qsizetype before = platform_->messages.size();
    TypeAndLeave(field.toLatin1().constData(), typed);
    QCOMPARE(platform_->messages.size(), before + 1);
    QVERIFY2(LastMessage().contains(message), qPrintable(LastMessage()));
    QCOMPARE(Find<QLineEdit>(field.toLatin1().constData())->text(), restored);
    QCOMPARE(Shown(), computes);
  }

  void speaksTheMainWindowsLanguage() {
    Start();
    MainAction("Cestina")->trigger();
    OpenFrom(SlotId::A);
    QCOMPARE(Window()->windowTitle(), QStringLiteral("  Dorvex :   Parametrické rozdělení"));
    QCOMPARE(Find<QLabel>("Label11")->text(), QStringLiteral("Typ"));
    QCOMPARE(Find<QLabel>("LabPara2")->text(), QStringLiteral("Směr.odchylka - Sigma"));
    QCOMPARE(Cell(Find<QTableWidget>("StringGrid1"), 5, 0), QStringLiteral("Vynecháno > Xmax"));
    QVERIFY(dorvex::gui::ChartTitleLines(Find<QChartView>("Chart1L"))[1].startsWith(QStringLiteral("Parametrické")));
  }

  // The offscreen screen (800 px) is narrower than the window can be: every size is wide.
  void showsTheChartToolBarOnAScreenWideWindowOnlyWithTheOption() {
    Start();
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    for (const bool option : {true, false}) {
      MainAction("TCharCom")->setChecked(option);
      OpenFrom(SlotId::A);
      Window()->resize(screenWidth, 500);
      QCOMPARE(Find<QWidget>("Panel1")->isVisible(), option);
      QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    }
  }

  void closingWithoutAComputationLeavesTheSlotEmpty() {
    Start();
    OpenFrom(SlotId::A);
    Find<QComboBox>("CBTypRozdeleni")->setCurrentIndex(dorvex::sources::kUniform);
    TypeAndLeave("EdPara1", QStringLiteral("30"));  // refused: the chart stays hidden
    QVERIFY(!Shown());
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    QVERIFY(!form_->Bench().Slot(SlotId::A).loaded);
    QVERIFY(Main<QLineEdit>("Edit_NameA")->text().isEmpty());
    QCOMPARE(dorvex::gui::ChartTitleLines(Main<QChartView>("Chart_A")), QStringList{QStringLiteral("Histogram :  (A * nA)")});
    QCOMPARE(Main<QComboBox>("CBTypHistA")->currentIndex(), 0);
    QVERIFY(Main<QComboBox>("CBTypHistA")->isEnabled());
  }

  void settingsAreWrittenAtCloseAndReadAtTheNextOpening() {
    settings_->WriteInteger(kSetting, "ParamRozdel-Form12.CBMarks.ItemIndex", 4);
    settings_->WriteInteger(kSetting, "ParamRozdel-Form12.SpinEdAngle.Value", 45);
    settings_->WriteInteger(kSetting, "ParamRozdel-Form12.Color- GRAF pozadí PR", 0xC0FFC0);
    Start();
    const QColor background(0xC0, 0xFF, 0xC0);
    QCOMPARE(Find<QChartView>("Chart1L")->chart()->backgroundBrush().color(), background);
    QCOMPARE(Find<QComboBox>("CBMarks")->palette().color(QPalette::Button), background);
    QCOMPARE(Find<QSpinBox>("SpinEdAngle")->palette().color(QPalette::Base), background);
    QCOMPARE(Find<QComboBox>("CBMarks")->currentIndex(), 4);
    QCOMPARE(Find<QSpinBox>("SpinEdAngle")->value(), 45);
    OpenFrom(SlotId::A);
    TypeAndLeave("EdEps", QStringLiteral("1E-5"));
    TypeAndLeave("EdPocetIntervalu", QStringLiteral("64"));
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    QCOMPARE(settings_->ReadString(kPosition, "ParamRozdel-Form12.Eps", ""), std::string("1E-5"));
    QCOMPARE(settings_->ReadString(kPosition, "ParamRozdel-Form12.PocetIntervalu", ""), std::string("64"));
    QCOMPARE(settings_->ReadInteger(kSetting, "ParamRozdel-Form12.CBMarks.ItemIndex", -1), 4);
    QCOMPARE(settings_->ReadInteger(kSetting, "ParamRozdel-Form12.SpinEdAngle.Value", -1), 45);
    QCOMPARE(settings_->ReadInteger(kSetting, "ParamRozdel-Form12.Color- GRAF pozadí PR", -1), 0xC0FFC0);
    QVERIFY(settings_->HasKey(kPosition, "ParamRozdel-Form12.width"));

    Start();
    OpenFrom(SlotId::B);
    QCOMPARE(Find<QLineEdit>("EdEps")->text(), QStringLiteral("1E-5"));
    QCOMPARE(Find<QLineEdit>("EdPocetIntervalu")->text(), QStringLiteral("64"));
    QCOMPARE(dorvex::gui::ChartBarCount(Find<QChartView>("Chart1L")), 64);
  }

  // The axis titled for its labels, the bars' legend in both modes; the slots' charts keep theirs hidden.
  void theChartsAxisAndLegendAreTitled() {
    Start();
    OpenFrom(SlotId::A);
    auto* chart = Find<QChartView>("Chart1L");
    auto* labels = Find<QComboBox>("CBValInd");
    labels->setFocus();
    QTest::keyClick(labels, Qt::Key_Up);
    Settle();
    QCOMPARE(labels->currentIndex(), 0);
    QVERIFY(SceneTexts(chart).contains(QStringLiteral("Index   f(z)")));
    QVERIFY(!SceneTexts(chart).contains(MessageText(208)));
    QCOMPARE(SceneTexts(chart).count(QStringLiteral("p    pf(z)")), 1);
    QTest::keyClick(labels, Qt::Key_Down);
    Settle();
    QVERIFY(SceneTexts(chart).contains(MessageText(208)));
    QVERIFY(!SceneTexts(chart).contains(QStringLiteral("Index   f(z)")));
    QCOMPARE(SceneTexts(chart).count(QStringLiteral("p    pf(z)")), 1);
    QTest::mouseClick(Find<QPushButton>("BitBtn1"), Qt::LeftButton);
    QVERIFY(dorvex::gui::ChartLegendTexts(Main<QChartView>("Chart_A")).isEmpty());
  }

  // Each item the arrows reach is computed and shown at once.
  void everyTypeTheArrowsReachIsComputed() {
    Start();
    OpenFrom(SlotId::A);
    auto* types = Find<QComboBox>("CBTypRozdeleni");
    auto* chart = Find<QChartView>("Chart1L");
    types->setFocus();
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}, {Qt::Key_Up, 0}};
    for (const auto& [key, type] : steps) {
      QTest::keyClick(types, key);
      QCOMPARE(types->currentIndex(), type);
      QVERIFY(Shown());
      const QString list = QString::fromStdString(dorvex::sources::ParamListText(type, dorvex::texts::Language::English));
      QVERIFY2(dorvex::gui::ChartTitleLines(chart)[1].contains(QStringLiteral(": ") + list + QStringLiteral("  F")),
               qPrintable(dorvex::gui::ChartTitleLines(chart)[1]));
    }
  }

  // The colour settings, here set on the slot controls that keep them, reach the window at its opening.
  void takesTheMainWindowsFontsAndColours() {
    Start();
    QFont tableFont(QStringLiteral("DejaVu Serif"), 11);
    QFont editFont(QStringLiteral("DejaVu Sans Mono"), 12);
    for (QFont* font : {&tableFont, &editFont}) {  // whole fonts, as a font dialog gives them
      font->setBold(false);
      font->setItalic(false);
    }
    const QColor tableText(0, 100, 0), editText(120, 0, 0), editBackground(255, 255, 200);
    auto* grid = Main<QTableWidget>("StringGrid3");
    grid->setFont(tableFont);
    // The colours of a usable control; a disabled one keeps the platform's grey.
    QPalette gridColours = grid->palette();
    QPalette editColours = Main<QLineEdit>("Edit_NasA")->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      gridColours.setColor(group, QPalette::Text, tableText);
      editColours.setColor(group, QPalette::Text, editText);
      editColours.setColor(group, QPalette::Base, editBackground);
    }
    grid->setPalette(gridColours);
    auto* multiple = Main<QLineEdit>("Edit_NasA");
    multiple->setFont(editFont);
    multiple->setPalette(editColours);

    OpenFrom(SlotId::B);
    for (const char* name : {"LabPara1", "Label4", "Label11"}) {
      QCOMPARE(Find<QLabel>(name)->font(), tableFont);
      QCOMPARE(Find<QLabel>(name)->palette().color(QPalette::WindowText), tableText);
    }
    for (const char* name : {"StringGrid1", "StringGrid2"}) {
      QCOMPARE(Find<QTableWidget>(name)->font(), tableFont);
      QCOMPARE(Find<QTableWidget>(name)->palette().color(QPalette::Text), tableText);
    }
    for (const char* name : {"EdPara1", "EdPara4", "EdPocetIntervalu", "EdEps"}) {
      QCOMPARE(Find<QLineEdit>(name)->font(), editFont);
      QCOMPARE(Find<QLineEdit>(name)->palette().color(QPalette::Text), editText);
      QCOMPARE(Find<QLineEdit>(name)->palette().color(QPalette::Base), editBackground);
    }
    // The parametric bars' colour of the colour settings.
    QCOMPARE(dorvex::gui::ChartBarColour(Find<QChartView>("Chart1L"), 0), QColor(0xA6, 0xCA, 0xF0));
  }

  // Whichever bar the last bottom-axis label stands on, the chart shows all of it.
  void theLastAxisLabelIsWhole() {
    Start();
    OpenFrom(SlotId::A);
    auto* chart = Find<QChartView>("Chart1L");
    for (int n = 20; n <= 80; ++n) {
      TypeAndLeave("EdPocetIntervalu", QString::number(n));
      QApplication::processEvents();
      const QString last = dorvex::gui::ChartAxisLabels(chart).constLast();
      bool found = false;
      for (const QGraphicsItem* item : chart->scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (text == nullptr || !item->isVisible() || text->toPlainText() != last) continue;
        found = true;
        QVERIFY2(item->sceneBoundingRect().right() <= chart->width(), qPrintable(QStringLiteral("N %1").arg(n)));
      }
      QVERIFY2(found, qPrintable(last));
    }
  }

  void theCharacteristicsBoxReportsTheComputedHistogram() {
    Start();
    OpenFrom(SlotId::A);
    TypeAndLeave("EdPara1", QStringLiteral("5"));
    TypeAndLeave("EdPara2", QStringLiteral("2"));
    ClickBox("ChB_TypHist");
    dorvex::sources::ParametricRequest request;
    request.parameters = {"5", "2"};
    request.pureDiscrete = true;
    const auto expected = dorvex::sources::ComputeParametric(request, dorvex::texts::Language::English);
    QVERIFY(expected.ok());
    const auto report = dorvex::analysis::CharacteristicsText(
        dorvex::sources::ParametricCharacteristicsTitle(dorvex::sources::kNormal, dorvex::texts::Language::English),
        expected.buffer.histogram, dorvex::texts::Language::English);

    QTest::mouseClick(Find<QPushButton>("BChar"), Qt::LeftButton);
    QVERIFY(!platform_->messages.isEmpty());
    const FakePlatform::ShownMessage& shown = platform_->messages.last();
    QVERIFY(shown.fixedPitch);
    QCOMPARE(shown.caption, MessageText(79));
    QCOMPARE(shown.text, QString::fromStdString(dorvex::analysis::FixedPitchText(report.text)));
  }

  void theChartGoesToTheClipboardOrToAFileOfItsExtensionsFormat() {
    Start();
    OpenFrom(SlotId::A);
    auto* exportButton = Find<QToolButton>("UlozGraf");
    QApplication::clipboard()->clear();
    QVERIFY(Find<QAction>("Schranka")->isChecked());
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->image().size(), Find<QChartView>("Chart1L")->size());

    struct Target {
      const char* item;
      const char* suffix;  // the save dialog's default suffix
      const char* file;
      QByteArray signature;
    };
    const Target targets[] = {
        {"Bitmapa", "bmp", "chart.bmp", "BM"},
        {"Metafile", "svg", "chart.svg", "<?xml"},
        {"JPGFile", "jpg", "chart.jpg", "\xFF\xD8\xFF"},
        {"Bitmapa", "bmp", "named.png", "\x89PNG\r\n\x1a\n"},
    };
    for (const Target& target : targets) {
      if (!Find<QAction>(target.item)->isChecked()) Find<QAction>(target.item)->trigger();
      const QString path = folder_->filePath(QString::fromLatin1(target.file));
      platform_->QueueSaveFile(path);
      QTest::mouseClick(exportButton, Qt::LeftButton);
      QCOMPARE(platform_->saveRequests.last().defaultSuffix, QString::fromLatin1(target.suffix));
      QCOMPARE(platform_->saveRequests.last().initialFolder, QString::fromStdString(form_->Folders().graphs));
      QVERIFY2(Head(path, target.signature.size()) == target.signature, target.file);
    }
    QVERIFY(platform_->messages.isEmpty());
  }

  void theWindowPictureGoesToTheClipboard() {
    Start();
    OpenFrom(SlotId::A);
    QApplication::clipboard()->clear();
    QTest::mouseClick(Find<QPushButton>("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->image().size(), Window()->size());
  }

  void clickingTheSummaryExplainsIt() {
    Start();
    OpenFrom(SlotId::A);
    auto* summary = Find<QTableWidget>("StringGrid1");
    QTest::mouseClick(summary->viewport(), Qt::LeftButton, {}, summary->visualItemRect(summary->item(2, 1)).center());
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages.last().caption, MessageText(1));
    QCOMPARE(platform_->messages.last().text, MessageText(201));
    QCOMPARE(platform_->messages.last().kind, dorvex::gui::MessageKind::Information);
  }
};

QTEST_MAIN(ParametricWindowTest)
#include "parametric_window_test.moc"

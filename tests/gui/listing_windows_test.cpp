// The result commands and the listing windows driven as a user drives them: the
// dialogs answered by the scripted platform, the files read back with the core.

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <memory>

#include "analysis/TabVstupu.h"
#include "analysis/TabVypisu.h"
#include "analysis/TabVypisuDis.h"
#include "analysis/VypisHist.h"
#include "analysis/result_commands.h"
#include "app/grid_cells.h"
#include "fake_platform.h"
#include "model/distribution_file_reader.h"
#include "model/histogram.h"
#include "analysis/result_report.h"
#include "texts/language.h"
#include "settings/settings_file.h"
#include "texts/messages.h"

using dorvex::gui::Cell;
using dorvex::gui::kResultNo;
using dorvex::gui::kResultYes;
using dorvex::gui::MessageKind;
using dorvex::gui::testing::FakePlatform;
using dorvex::model::Histogram;
using dorvex::model::HistogramType;

namespace {

// Probabilities read back from integer frequencies agree to the last bits of a
// double division.
constexpr double kReadBackTolerance = 1e-12;

// Pure Discrete on 1, 2, 3 with P = 1/8, 5/16, 9/16: the result total is 8, so the
// frequencies are 1, 2 (2.5 to even) and 4 (4.5 to even), Total 7.
Histogram ThreePoints(HistogramType type = HistogramType::PureDiscrete) {
  Histogram h;
  h.N = 3;
  h.Min = 1.0;
  h.Max = 3.0;
  h.d = 1.0;
  h.Range = 2.0;
  h.P[1] = 0.125;
  h.P[2] = 0.3125;
  h.P[3] = 0.5625;
  h.Total = 8.0L;
  h.Type = type;
  return h;
}
constexpr long double kThreePointsTotal = 8.0L;

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QString kFixtures = QStringLiteral(DORVEX_FIXTURES);
// Discrete, Bins=10, frequencies 1..10; its "[Bins]" line is line 12.
const QString kDiscreteTen = kFixtures + QStringLiteral("/discrete_ten.dis");

dorvex::analysis::DescriptionGrid Table(const Histogram& h) {
  return dorvex::analysis::DescriptionTable(h, "  three", kThreePointsTotal, dorvex::texts::Language::English);
}

}  // namespace

class ListingWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<FakePlatform> platform_;

 private slots:
  void init() {
    dorvex::texts::SetLanguage(dorvex::texts::Language::English);
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    platform_ = std::make_unique<FakePlatform>();
  }

  void SavedResultReadsBackWithItsFrequencies() {
    const QString path = folder_->filePath(QStringLiteral("result.dis"));
    platform_->QueueSaveFile(path);
    const QString written = dorvex::gui::SaveResultDistributionFile(platform_->Services(), folder_->path(),
                                                                     ThreePoints(), kThreePointsTotal);
    QCOMPARE(written, path);
    QCOMPARE(platform_->saveRequests.size(), 1);
    QCOMPARE(platform_->saveRequests[0].initialFolder, folder_->path());
    QCOMPARE(platform_->saveRequests[0].fileName, QStringLiteral("Result histogram"));
    QCOMPARE(platform_->saveRequests[0].defaultSuffix, QStringLiteral("dis"));
    QVERIFY(platform_->messages.isEmpty());

    const auto read = dorvex::model::ReadDistributionFile(path.toStdString());
    QVERIFY(read.ok());
    const Histogram& h = read.record.histogram;
    QCOMPARE(h.N, 3);
    QCOMPARE(h.Min, 1.0);
    QCOMPARE(h.Max, 3.0);
    QCOMPARE(read.record.roundedFrequencySum, std::int64_t{7});
    QVERIFY(std::abs(h.P[1] - 1.0 / 7.0) < kReadBackTolerance);
    QVERIFY(std::abs(h.P[2] - 2.0 / 7.0) < kReadBackTolerance);
    QVERIFY(std::abs(h.P[3] - 4.0 / 7.0) < kReadBackTolerance);
  }

  void RefusedOverwriteLeavesTheFileUntouched() {
    const QString path = folder_->filePath(QStringLiteral("kept.dis"));
    const QByteArray before("old contents\r\n");
    QVERIFY(WriteBytes(path, before));
    platform_->QueueSaveFile(path);
    platform_->QueueMessageAnswer(kResultNo);
    const QString written = dorvex::gui::SaveResultDistributionFile(platform_->Services(), folder_->path(),
                                                                     ThreePoints(), kThreePointsTotal);
    QVERIFY(written.isEmpty());
    QCOMPARE(FileBytes(path), before);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].kind, MessageKind::Confirmation);
    QCOMPARE(platform_->messages[0].caption, QStringLiteral("C o n f i r m a t i o n"));
    QVERIFY(platform_->messages[0].text.contains(QDir::toNativeSeparators(path)));
  }

  void AcceptedOverwriteReplacesTheFile() {
    const QString path = folder_->filePath(QStringLiteral("replaced.dis"));
    QVERIFY(WriteBytes(path, "old contents\r\n"));
    platform_->QueueSaveFile(path);
    platform_->QueueMessageAnswer(kResultYes);
    QCOMPARE(dorvex::gui::SaveResultDistributionFile(platform_->Services(), folder_->path(), ThreePoints(),
                                                     kThreePointsTotal),
             path);
    QVERIFY(FileBytes(path).startsWith("[Description]\r\nIdentification=replaced.dis\r\n"));
  }

  void UnwritableFolderShowsTheWriteError() {
    const QString path = folder_->filePath(QStringLiteral("missing/result.dis"));
    platform_->QueueSaveFile(path);
    QVERIFY(dorvex::gui::SaveResultDistributionFile(platform_->Services(), folder_->path(), ThreePoints(),
                                                    kThreePointsTotal)
                .isEmpty());
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].kind, MessageKind::Error);
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("Write error")));
  }

  void CancelledSaveWritesNothing() {
    platform_->QueueSaveFile(QString());
    QVERIFY(dorvex::gui::SaveResultDistributionFile(platform_->Services(), folder_->path(), ThreePoints(),
                                                    kThreePointsTotal)
                .isEmpty());
    QVERIFY(QDir(folder_->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(platform_->messages.isEmpty());
  }

  void ReportIsWrittenAsTextOrDoc_data() {
    QTest::addColumn<bool>("asText");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("text") << true << QStringLiteral("txt");
    QTest::newRow("doc") << false << QStringLiteral("doc");
  }

  void ReportIsWrittenAsTextOrDoc() {
    QFETCH(bool, asText);
    QFETCH(QString, suffix);
    dorvex::analysis::ResultReportInput input;
    input.result = ThreePoints();
    input.resultTotal = kThreePointsTotal;
    input.label = "A + B   (nAB=1.00)";
    input.nameA = "first";
    input.nameB = "second";
    const QString path = folder_->filePath(QStringLiteral("report.") + suffix);
    platform_->QueueSaveFile(path);
    QCOMPARE(dorvex::gui::SaveResultReport(platform_->Services(), folder_->path(), input, asText), path);
    QCOMPARE(platform_->saveRequests[0].defaultSuffix, suffix);
    QCOMPARE(platform_->saveRequests[0].fileName, QStringLiteral("Resulting probabilities"));
    const QByteArray text = FileBytes(path);
    QVERIFY(text.startsWith("   R E S U L T I N G   P R O B A B I L I T I E S   \r\n"));
    QVERIFY(text.contains("Histogram A : first\r\n"));
  }

  void CharacteristicsBoxShowsTheMean() {
    // Mean of 1, 2, 3 weighted 1/8, 5/16, 9/16: 0.125 + 0.625 + 1.6875.
    dorvex::gui::ShowCharacteristics(platform_->Services(), "Histogram :  A + B", ThreePoints());
    QCOMPARE(platform_->messages.size(), 1);
    const auto& shown = platform_->messages[0];
    QCOMPARE(shown.kind, MessageKind::Information);
    QCOMPARE(shown.caption, QStringLiteral("     C h a r a c t e r i s t i c s"));
    QVERIFY(shown.text.startsWith(QStringLiteral("Histogram :  A + B\r\n")));
    QVERIFY(shown.text.contains(QStringLiteral("Average                          \t")));
    QVERIFY(shown.text.contains(QStringLiteral("2.4375")));
  }

  void CharacteristicsOfTwoIntervalsShowMessage215() {
    Histogram h = ThreePoints();
    h.N = 2;
    h.Max = 2.0;
    dorvex::gui::ShowCharacteristics(platform_->Services(), "Histogram :  A + B", h);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].kind, MessageKind::Error);
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("Number of intervals n = (3..1024)")));
  }

  void WordProcessorStartsOrWarns_data() {
    QTest::addColumn<bool>("starts");
    QTest::newRow("installed") << true;
    QTest::newRow("missing") << false;
  }

  void WordProcessorStartsOrWarns() {
    QFETCH(bool, starts);
    platform_->SetLaunchSucceeds(starts);
    QCOMPARE(dorvex::gui::OpenInWordProcessor(platform_->Services(), QString()), starts);
    QCOMPARE(platform_->startedPrograms, QStringList{QStringLiteral("soffice")});
    QCOMPARE(platform_->messages.size(), starts ? 0 : 1);
    if (!starts) {
      QCOMPARE(platform_->messages[0].kind, MessageKind::Warning);
      QCOMPARE(platform_->messages[0].caption, QStringLiteral("Upozornění"));
    }
  }

  void DiscreteListingShowsBoundsAroundEveryInterval() {
    const Histogram h = ThreePoints(HistogramType::Discrete);
    dorvex::gui::TForm7 form(platform_->Services(), nullptr, folder_->path());
    form.ShowListing(h, Table(h), {});
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    QVERIFY(grid != nullptr);
    QVERIFY(form.isVisible());
    // Heading, lower bound, then an interval row and a bound row for each of 3.
    QCOMPARE(grid->rowCount(), 2 * 3 + 3);
    QCOMPARE(form.windowTitle(), QStringLiteral("  three"));
    QCOMPARE(form.toolTip(), QStringLiteral("  three"));
    // The lower bound of the first interval, Min - d/2.
    QVERIFY(Cell(grid, 1, 1).contains(QStringLiteral("0.5")));
    QVERIFY(form.findChild<QToolButton*>(QStringLiteral("KontTisk"))->isVisible());
  }

  void PointListingPaintsResultRowsAndTotal() {
    const Histogram h = ThreePoints();
    dorvex::gui::TForm3 form(platform_->Services(), nullptr, folder_->path());
    form.ShowListing(h, Table(h), {});
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    QCOMPARE(grid->rowCount(), 3 + 2);
    // 0x00BBGGRR values: 0xFFE1E1 for result rows, 11783167 for the total row.
    QCOMPARE(grid->item(1, 0)->background().color(), QColor(0xE1, 0xE1, 0xFF));
    QCOMPARE(grid->item(4, 1)->background().color(), QColor(0xFF, 0xCB, 0xB3));
    QCOMPARE(grid->item(4, 0)->background().style(), Qt::NoBrush);
  }

  void QuantileSplitsThePaintedRows() {
    // Values 1, 2, 3 minus dAB = 1 against a queried 1.5: only the point 3 reaches it.
    const Histogram h = ThreePoints();
    dorvex::gui::ListingPaint paint;
    paint.quantileProbability = 1.5;
    paint.resultClassWidth = 1.0;
    dorvex::gui::TForm3 form(platform_->Services(), nullptr, folder_->path());
    form.ShowListing(h, Table(h), paint);
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    const QColor below(0xFF, 0xD8, 0xB0);
    QCOMPARE(grid->item(1, 2)->background().color(), below);
    QCOMPARE(grid->item(2, 2)->background().color(), below);
    QCOMPARE(grid->item(3, 2)->background().color(), QColor(0xE1, 0xE1, 0xFF));
  }

  void KontTiskWritesTheWorkbookAndOpensIt() {
    const Histogram h = ThreePoints(HistogramType::Discrete);
    dorvex::gui::TForm7 form(platform_->Services(), nullptr, folder_->path());
    form.ShowListing(h, Table(h), {});
    QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("KontTisk")), Qt::LeftButton);
    const QString workbook = folder_->filePath(QStringLiteral("Histogram.xlsx"));
    // An .xlsx is a zip archive: it begins with the local-header signature "PK".
    QVERIFY(FileBytes(workbook).startsWith("PK"));
    QCOMPARE(platform_->openedUrls, QList<QUrl>{QUrl::fromLocalFile(workbook)});
    QVERIFY(platform_->messages.isEmpty());
  }

  void KontTiskWarnsWhenNoSpreadsheetOpensIt() {
    platform_->SetLaunchSucceeds(false);
    const Histogram h = ThreePoints();
    dorvex::gui::TForm3 form(platform_->Services(), nullptr, folder_->path());
    form.ShowListing(h, Table(h), {});
    QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("KontTisk")), Qt::LeftButton);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].kind, MessageKind::Warning);
    QCOMPARE(platform_->messages[0].caption, QStringLiteral("Upozornění"));
    QCOMPARE(platform_->messages[0].text, QStringLiteral("Propojení na aplikaci Microsoft Excel není dostupné ..."));
  }

  void ExitClosesAndSavesThePlacement() {
    dorvex::settings::SettingsFile settings(folder_->filePath(QStringLiteral("Dorvex.INI")).toStdString());
    const Histogram h = ThreePoints();
    dorvex::gui::TForm3 form(platform_->Services(), &settings, folder_->path());
    form.ShowListing(h, Table(h), {});
    QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("ExitBtn")), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(settings.ReadInteger(dorvex::settings::kSectionPosition, "TabVypisu-Form3.Width", 0), 575);
    QVERIFY(settings.ReadInteger(dorvex::settings::kSectionPosition, "TabVypisu-Form3.Height", 0) >= 374);
  }

  void ControlListingShowsTheRowsReadAndHidesOnClick() {
    dorvex::model::DistributionReadOptions options;
    options.controlListing = true;
    const auto read = dorvex::model::ReadDistributionFile(kDiscreteTen.toStdString(), options);
    QVERIFY(read.ok());
    dorvex::gui::TForm4 form(nullptr);
    form.ShowControlListing(read.listing);
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    // Headers, ten frequencies and the total row.
    QCOMPARE(grid->rowCount(), 10 + 2);
    QCOMPARE(Cell(grid, 0, 0), QStringLiteral("   I N T"));
    QVERIFY(Cell(grid, 11, 1).contains(QStringLiteral("55")));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!form.isVisible());
  }

  void InputFileListsHeaderGreenAndFrequenciesRed() {
    dorvex::gui::TForm15 form(nullptr);
    form.ListInputFile(kDiscreteTen, QStringLiteral("discrete_ten"));
    auto* list = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("Description  :   discrete_ten.dis"));
    // 12 header lines, 10 frequencies, the rule.
    QCOMPARE(list->count(), 12 + 10 + 1);
    const QColor green(0, 0x80, 0);
    const QColor red(0xFF, 0, 0);
    QCOMPARE(list->item(0)->text(), QStringLiteral("[   1]    [Description]"));
    QCOMPARE(list->item(11)->text(), QStringLiteral("[  12]    [Bins]"));
    QCOMPARE(list->item(11)->foreground().color(), green);
    QCOMPARE(list->item(12)->text(), QStringLiteral("[   0]    1"));
    QCOMPARE(list->item(12)->foreground().color(), red);
    QCOMPARE(list->item(22)->text(), QString(115, QLatin1Char('-')));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!form.isVisible());
  }

  void InputFileWithoutPathShowsNothing() {
    dorvex::gui::TForm15 form(nullptr);
    form.ListInputFile(QString(), QStringLiteral("A"));
    QVERIFY(!form.isVisible());
    QCOMPARE(form.findChild<QListWidget*>(QStringLiteral("ListBox1"))->count(), 0);
  }

  void ListingClosesWhenAnotherWindowIsActivated() {
    const Histogram h = ThreePoints();
    dorvex::gui::TForm3 form(platform_->Services(), nullptr, folder_->path());
    form.ShowListing(h, Table(h), {});
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!form.isVisible());
  }
};

QTEST_MAIN(ListingWindowsTest)
#include "listing_windows_test.moc"

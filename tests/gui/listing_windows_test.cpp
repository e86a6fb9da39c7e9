// The result commands and the listing windows driven as a user drives them: the
// dialogs answered by the scripted platform, what the windows show compared with
// what the core gives them.

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <limits>
#include <memory>

#include "analysis/characteristics.h"
#include "analysis/file_listing_window.h"
#include "analysis/listing_window.h"
#include "analysis/read_trace_window.h"
#include "analysis/result_commands.h"
#include "app/color_ref.h"
#include "app/grid_cells.h"
#include "app/qt_text.h"
#include "fake_platform.h"
#include "model/distribution_file_reader.h"
#include "model/histogram.h"
#include "analysis/listing_rows.h"
#include "analysis/result_report.h"
#include "analysis/xlsx_writer.h"
#include "texts/desktop_texts.h"
#include "settings/settings_file.h"
#include "texts/language.h"

using dorvex::gui::Cell;
using dorvex::gui::kResultNo;
using dorvex::gui::kResultYes;
using dorvex::gui::ListingKind;
using dorvex::gui::MessageKind;
using dorvex::gui::ToQt;
using dorvex::gui::testing::FakePlatform;
using dorvex::model::Histogram;
using dorvex::model::HistogramType;
using dorvex::texts::Language;

Q_DECLARE_METATYPE(ListingKind)
Q_DECLARE_METATYPE(Language)
Q_DECLARE_METATYPE(HistogramType)

namespace {

// Values 1, 2, 3 with P = 1/8, 5/16, 9/16; the result total is 8.
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
const QString kDiscreteTen = kFixtures + QStringLiteral("/discrete_ten.dis");

dorvex::analysis::DescriptionGrid Table(const Histogram& h) {
  return dorvex::analysis::DescriptionTable(h, "  three", kThreePointsTotal, Language::English);
}

ListingKind KindOf(const Histogram& h) {
  return h.Type == HistogramType::Discrete ? ListingKind::Intervals : ListingKind::Points;
}

}  // namespace

class ListingWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<FakePlatform> platform_;

  std::unique_ptr<dorvex::gui::ListingWindow> Listing(const Histogram& h,
                                                      dorvex::settings::SettingsFile* settings = nullptr) {
    return std::make_unique<dorvex::gui::ListingWindow>(KindOf(h), platform_->Services(), settings, folder_->path(),
                                                        Language::English);
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    platform_ = std::make_unique<FakePlatform>();
  }

  // ---- the result commands ----

  void SavingTheResultEndsAsTheUserAnswers_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");  // to the overwrite question; 0 when none is asked
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("shownText");  // the one message shown; empty when none
    QTest::newRow("new file") << "result.dis" << false << 0 << true << QString();
    QTest::newRow("overwrite refused") << "kept.dis" << true << kResultNo << false << "kept.dis";
    QTest::newRow("overwrite accepted") << "replaced.dis" << true << kResultYes << true << "replaced.dis";
    QTest::newRow("unwritable folder") << "missing/result.dis" << false << 0 << false << "Write error";
    QTest::newRow("cancelled") << QString() << false << 0 << false << QString();
  }

  void SavingTheResultEndsAsTheUserAnswers() {
    QFETCH(QString, fileName);
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(bool, written);
    QFETCH(QString, shownText);
    const QString path = fileName.isEmpty() ? QString() : folder_->filePath(fileName);
    const QByteArray before("old contents\r\n");
    if (exists) QVERIFY(WriteBytes(path, before));
    platform_->QueueSaveFile(path);
    if (answer != 0) platform_->QueueMessageAnswer(answer);

    const QString saved = dorvex::gui::SaveResultDistributionFile(platform_->Services(), folder_->path(),
                                                                   ThreePoints(), kThreePointsTotal, Language::English);

    QCOMPARE(saved, written ? path : QString());
    QCOMPARE(platform_->saveRequests.size(), 1);
    QCOMPARE(platform_->saveRequests[0].initialFolder, folder_->path());
    QCOMPARE(platform_->saveRequests[0].fileName, QStringLiteral("Result histogram"));
    QCOMPARE(platform_->saveRequests[0].defaultSuffix, QStringLiteral("dis"));
    if (written) QVERIFY(FileBytes(path).startsWith("[Description]\r\nIdentification=" + fileName.toUtf8() + "\r\n"));
    if (exists && !written) QCOMPARE(FileBytes(path), before);
    if (fileName.isEmpty()) QVERIFY(QDir(folder_->path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(platform_->messages.size(), shownText.isEmpty() ? 0 : 1);
    if (!shownText.isEmpty()) {
      QCOMPARE(platform_->messages[0].kind, answer != 0 ? MessageKind::Confirmation : MessageKind::Error);
      QVERIFY(platform_->messages[0].text.contains(shownText));
    }
  }

  void OverwriteQuestionSpeaksTheCallersLanguage() {
    const QString path = folder_->filePath(QStringLiteral("kept.dis"));
    QVERIFY(WriteBytes(path, "old contents\r\n"));
    platform_->QueueSaveFile(path);
    platform_->QueueMessageAnswer(kResultNo);
    dorvex::gui::SaveResultDistributionFile(platform_->Services(), folder_->path(), ThreePoints(), kThreePointsTotal,
                                            Language::Czech);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].caption, dorvex::gui::Message(dorvex::texts::kTitleConfirmation, Language::Czech));
    QVERIFY(platform_->messages[0].text.contains(QDir::toNativeSeparators(path)));
  }

  void ReportIsWrittenAsTextOrDocInTheCallersLanguage_data() {
    QTest::addColumn<bool>("asText");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("text") << true << Language::English << "txt" << "Resulting probabilities";
    QTest::newRow("doc") << false << Language::English << "doc" << "Resulting probabilities";
    QTest::newRow("czech text") << true << Language::Czech << "txt" << "Vysledné pravděpodobnosti";
  }

  void ReportIsWrittenAsTextOrDocInTheCallersLanguage() {
    QFETCH(bool, asText);
    QFETCH(Language, language);
    QFETCH(QString, suffix);
    QFETCH(QString, fileName);
    dorvex::analysis::ResultReportInput input;
    input.result = ThreePoints();
    input.resultTotal = kThreePointsTotal;
    input.label = "A + B   (nAB=1.00)";
    input.nameA = "first";
    const QString path = folder_->filePath(QStringLiteral("report.") + suffix);
    platform_->QueueSaveFile(path);
    QCOMPARE(dorvex::gui::SaveResultReport(platform_->Services(), folder_->path(), input, asText, language), path);
    QCOMPARE(platform_->saveRequests[0].defaultSuffix, suffix);
    QCOMPARE(platform_->saveRequests[0].fileName, fileName);
    const auto lines = dorvex::analysis::ResultReportLines(input, language);
    QCOMPARE(FileBytes(path), QByteArray::fromStdString(dorvex::analysis::ResultReportText(lines)));
  }

  void CharacteristicsBoxShowsTheCoreReport() {
    const Histogram h = ThreePoints();
    dorvex::gui::ShowCharacteristics(platform_->Services(), "Histogram :  A + B", h, Language::Czech);
    QCOMPARE(platform_->messages.size(), 1);
    const auto& shown = platform_->messages[0];
    QCOMPARE(shown.kind, MessageKind::Information);
    QVERIFY(shown.fixedPitch);  // its label and value columns must line up
    QCOMPARE(shown.caption, dorvex::gui::Message(79, Language::Czech));
    const auto report = dorvex::analysis::CharacteristicsText("Histogram :  A + B", h.P, h.N, h.Min, h.Max, h.Total,
                                                              h.Type, Language::Czech);
    QCOMPARE(shown.text, ToQt(dorvex::analysis::FixedPitchText(report.text)));
  }

  void CharacteristicsOfTwoIntervalsShowMessage215() {
    Histogram h = ThreePoints();
    h.N = 2;
    h.Max = 2.0;
    dorvex::gui::ShowCharacteristics(platform_->Services(), "Histogram :  A + B", h, Language::English);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].kind, MessageKind::Error);
    QVERIFY(platform_->messages[0].text.contains(QStringLiteral("Number of intervals n = (3..1024)")));
  }

  void WordProcessorStartsOrWarns_data() {
    QTest::addColumn<bool>("starts");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("installed") << true << Language::English << QString();
    QTest::newRow("missing, English") << false << Language::English << QStringLiteral("Warning");
    QTest::newRow("missing, Czech") << false << Language::Czech << QStringLiteral("Upozornění");
  }

  void WordProcessorStartsOrWarns() {
    QFETCH(bool, starts);
    QFETCH(Language, language);
    QFETCH(QString, caption);
    platform_->SetLaunchSucceeds(starts);
    QCOMPARE(dorvex::gui::OpenInWordProcessor(platform_->Services(), QString(), QString(), language), starts);
    QCOMPARE(platform_->startedPrograms, QStringList{QStringLiteral("soffice")});
    QCOMPARE(platform_->messages.size(), starts ? 0 : 1);
    if (!starts) {
      QCOMPARE(platform_->messages[0].kind, MessageKind::Warning);
      QCOMPARE(platform_->messages[0].caption, caption);
      QCOMPARE(platform_->messages[0].text, QString::fromStdString(dorvex::texts::WordProcessorNotStartedText(language)));
    }
  }

  // ---- the listing windows ----

  void ListingShowsTheTableUnderItsTitle_data() {
    QTest::addColumn<HistogramType>("type");
    QTest::addColumn<QString>("window");
    QTest::newRow("points") << HistogramType::PureDiscrete << "Form3";
    QTest::newRow("intervals") << HistogramType::Discrete << "Form7";
  }

  void ListingShowsTheTableUnderItsTitle() {
    QFETCH(HistogramType, type);
    QFETCH(QString, window);
    const Histogram h = ThreePoints(type);
    const auto table = Table(h);
    auto form = Listing(h);
    QCOMPARE(form->objectName(), window);
    QVERIFY(!form->isVisible());
    form->ShowListing(h, table, {});
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("  three"));
    QCOMPARE(form->toolTip(), QStringLiteral("  three"));
    QVERIFY(form->findChild<QToolButton*>(QStringLiteral("KontTisk"))->isVisible());
    auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    QVERIFY(grid != nullptr);
    QCOMPARE(grid->rowCount(), static_cast<int>(table.rows.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
      for (int column = 0; column < 5; ++column) QCOMPARE(Cell(grid, row, column), ToQt(table.rows[row][column]));
    }
  }

  void ListingPaintsItsRowsAsTheCoreSays_data() {
    QTest::addColumn<HistogramType>("type");
    QTest::addColumn<bool>("coloured");
    QTest::addColumn<bool>("listsResult");
    QTest::addColumn<double>("quantileQuery");  // NaN: no quantile asked
    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("result points") << HistogramType::PureDiscrete << true << true << none;
    QTest::newRow("input intervals") << HistogramType::Discrete << true << false << none;
    QTest::newRow("points after a quantile") << HistogramType::PureDiscrete << true << true << 1.5;
    QTest::newRow("colours off") << HistogramType::Discrete << false << true << 1.5;
  }

  void ListingPaintsItsRowsAsTheCoreSays() {
    QFETCH(HistogramType, type);
    QFETCH(bool, coloured);
    QFETCH(bool, listsResult);
    QFETCH(double, quantileQuery);
    const Histogram h = ThreePoints(type);
    dorvex::gui::ListingPaint paint;
    paint.shading.coloured = coloured;
    paint.shading.listsResult = listsResult;
    if (!std::isnan(quantileQuery)) paint.shading.quantileQuery = quantileQuery;
    paint.shading.resultClassWidth = 1.0;
    auto form = Listing(h);
    form->ShowListing(h, Table(h), paint);
    auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    const auto rows = dorvex::analysis::DescriptionPaint(h, paint.shading);
    QCOMPARE(grid->rowCount(), static_cast<int>(rows.size()));
    int painted = 0;
    for (int row = 0; row < grid->rowCount(); ++row) {
      const auto& expected = rows[row];
      for (int column = 0; column < 5; ++column) {
        const QBrush shown = grid->item(row, column)->background();
        if (expected.colour && column >= expected.firstColumn && column <= expected.lastColumn) {
          QCOMPARE(shown.color(), dorvex::gui::FromColorRef(*expected.colour));
          ++painted;
        } else {
          QCOMPARE(shown.style(), Qt::NoBrush);
        }
      }
    }
    QCOMPARE(painted > 0, coloured);
  }

  void ExportAsksWhereAndOpensTheWorkbookOrSaysWhereItIs_data() {
    QTest::addColumn<bool>("opens");
    QTest::addColumn<Language>("language");
    QTest::newRow("spreadsheet opens it") << true << Language::English;
    QTest::newRow("no spreadsheet, English") << false << Language::English;
    QTest::newRow("no spreadsheet, Czech") << false << Language::Czech;
  }

  void ExportAsksWhereAndOpensTheWorkbookOrSaysWhereItIs() {
    QFETCH(bool, opens);
    QFETCH(Language, language);
    platform_->SetLaunchSucceeds(opens);
    const Histogram h = ThreePoints(HistogramType::Discrete);
    auto form = Listing(h);
    form->SetLanguage(language);
    form->ShowListing(h, Table(h), {});
    const QString workbook = folder_->filePath(QStringLiteral("chosen.xlsx"));
    platform_->QueueSaveFile(workbook);
    QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("KontTisk")), Qt::LeftButton);
    // The dialog starts in the graphs folder with a name made of the listing's title.
    QCOMPARE(platform_->saveRequests.size(), 1);
    QCOMPARE(platform_->saveRequests[0].initialFolder, folder_->path());
    QCOMPARE(platform_->saveRequests[0].fileName,
             QString::fromStdString(dorvex::analysis::WorkbookFileName(Table(h).title)));
    // An .xlsx is a zip archive: it begins with the local-header signature "PK".
    QVERIFY(FileBytes(workbook).startsWith("PK"));
    QCOMPARE(platform_->openedUrls, QList<QUrl>{QUrl::fromLocalFile(workbook)});
    QCOMPARE(platform_->messages.size(), opens ? 0 : 1);
    if (!opens) {
      QCOMPARE(platform_->messages[0].kind, MessageKind::Warning);
      QCOMPARE(platform_->messages[0].caption, QString::fromStdString(dorvex::texts::DesktopWarningTitle(language)));
      QVERIFY(platform_->messages[0].text.endsWith(workbook));
    }
  }

  void ExportCancelledOrRefusedOverwriteWritesNothing_data() {
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("dialog cancelled") << true;
    QTest::newRow("overwrite refused") << false;
  }

  void ExportCancelledOrRefusedOverwriteWritesNothing() {
    QFETCH(bool, cancelled);
    const Histogram h = ThreePoints(HistogramType::Discrete);
    auto form = Listing(h);
    form->ShowListing(h, Table(h), {});
    const QString workbook = folder_->filePath(QStringLiteral("kept.xlsx"));
    QFile existing(workbook);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("before");
    existing.close();
    platform_->QueueSaveFile(cancelled ? QString() : workbook);
    if (!cancelled) platform_->QueueMessageAnswer(dorvex::gui::kResultNo);
    QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("KontTisk")), Qt::LeftButton);
    QCOMPARE(FileBytes(workbook), QByteArray("before"));
    QVERIFY(platform_->openedUrls.isEmpty());
    QCOMPARE(platform_->messages.size(), cancelled ? 0 : 1);
  }

  void ExportFailureSpeaksTheWindowsLanguage() {
    // A folder that does not exist cannot take the workbook.
    const Histogram h = ThreePoints();
    dorvex::gui::ListingWindow form(ListingKind::Points, platform_->Services(), nullptr,
                                    folder_->filePath(QStringLiteral("missing")), Language::English);
    form.SetLanguage(Language::Czech);
    form.ShowListing(h, Table(h), {});
    platform_->QueueSaveFile(folder_->filePath(QStringLiteral("missing/a.xlsx")));
    QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("KontTisk")), Qt::LeftButton);
    QCOMPARE(platform_->messages.size(), 1);
    QCOMPARE(platform_->messages[0].kind, MessageKind::Error);
    QCOMPARE(platform_->messages[0].caption, dorvex::gui::Message(dorvex::texts::kTitleError, Language::Czech));
    QVERIFY(platform_->openedUrls.isEmpty());
  }

  void ExitClosesTheListingAndEmitsClosed() {
    const Histogram h = ThreePoints();
    auto form = Listing(h);
    int closed = 0;
    connect(form.get(), &dorvex::gui::ListingWindow::Closed, this, [&closed] { ++closed; });
    form->ShowListing(h, Table(h), {});
    QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("ExitBtn")), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(closed, 1);
  }

  // ---- the control listing and the file listing ----

  void ControlListingShowsTheRowsReadAndHidesOnClick() {
    dorvex::model::DistributionReadOptions options;
    options.controlListing = true;
    const auto read = dorvex::model::ReadDistributionFile(kDiscreteTen.toStdString(), options);
    QVERIFY(read.ok());
    dorvex::gui::ReadTraceWindow form(nullptr);
    QCOMPARE(form.objectName(), QStringLiteral("Form4"));
    form.ShowControlListing(read.listing);
    QVERIFY(form.isVisible());
    auto* grid = form.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    QCOMPARE(grid->rowCount(), static_cast<int>(read.listing.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
      QCOMPARE(Cell(grid, row, 0), ToQt(read.listing[row].index));
      QCOMPARE(Cell(grid, row, 1), ToQt(read.listing[row].frequency));
    }
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!form.isVisible());
  }

  void InputFileListsItsLinesInTheirColoursAndHidesOnClick_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("english") << Language::English << "Description  :   discrete_ten.dis";
    QTest::newRow("czech") << Language::Czech << "Popis  :   discrete_ten.dis";
  }

  void InputFileListsItsLinesInTheirColoursAndHidesOnClick() {
    QFETCH(Language, language);
    QFETCH(QString, title);
    dorvex::gui::FileListingWindow form(nullptr, Language::English);
    QCOMPARE(form.objectName(), QStringLiteral("Form15"));
    form.SetLanguage(language);
    form.ListInputFile(kDiscreteTen, QStringLiteral("discrete_ten"));
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), title);
    auto* list = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    const auto lines = dorvex::analysis::ReadFileListing(kDiscreteTen.toStdString());
    QCOMPARE(list->count(), static_cast<int>(lines.size()));
    for (int i = 0; i < list->count(); ++i) {
      QCOMPARE(list->item(i)->text(), ToQt(lines[i].text));
      QCOMPARE(list->item(i)->foreground().color(), dorvex::gui::FromColorRef(lines[i].colour));
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!form.isVisible());
  }

  void InputFileWithoutPathShowsNothing() {
    dorvex::gui::FileListingWindow form(nullptr, Language::English);
    form.ListInputFile(QString(), QStringLiteral("A"));
    QVERIFY(!form.isVisible());
    QCOMPARE(form.findChild<QListWidget*>(QStringLiteral("ListBox1"))->count(), 0);
  }

  // ---- what all four tool windows share ----

  void ToolWindowKeepsItsPlacementAndClosesWhenAnotherIsActivated_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("widthKey");
    QTest::addColumn<QString>("heightKey");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("points") << "Form3" << "TabVypisu-Form3" << ".Width" << ".Height" << 575 << 374;
    QTest::newRow("intervals") << "Form7" << "TabVypisuDis-Form7" << ".Width" << ".Height" << 565 << 600;
    QTest::newRow("control listing") << "Form4" << "TabVstupu-Form4" << ".Width" << ".Height" << 220 << 330;
    QTest::newRow("file listing") << "Form15" << "VypisHist-Form15" << ".width" << ".height" << 400 << 600;
  }

  void ToolWindowKeepsItsPlacementAndClosesWhenAnotherIsActivated() {
    QFETCH(QString, window);
    QFETCH(QString, prefix);
    QFETCH(QString, widthKey);
    QFETCH(QString, heightKey);
    QFETCH(int, width);
    QFETCH(int, height);
    dorvex::settings::SettingsFile settings(folder_->filePath(QStringLiteral("Dorvex.INI")).toStdString());
    const std::string section(dorvex::settings::kSectionPosition);
    const auto key = [&prefix](const QString& suffix) { return (prefix + suffix).toStdString(); };
    settings.WriteInteger(section, key(heightKey), height + 50);
    settings.WriteInteger(section, key(widthKey), width + 80);  // the width is fixed

    std::unique_ptr<QWidget> form;
    const Histogram points = ThreePoints();
    const Histogram intervals = ThreePoints(HistogramType::Discrete);
    if (window == QLatin1String("Form3") || window == QLatin1String("Form7")) {
      const Histogram& h = window == QLatin1String("Form3") ? points : intervals;
      auto listing = Listing(h, &settings);
      listing->ShowListing(h, Table(h), {});
      form = std::move(listing);
    } else if (window == QLatin1String("Form4")) {
      auto trace = std::make_unique<dorvex::gui::ReadTraceWindow>(&settings);
      trace->ShowControlListing({{"   I N T", "x"}});
      form = std::move(trace);
    } else {
      auto file = std::make_unique<dorvex::gui::FileListingWindow>(&settings, Language::English);
      file->ListInputFile(kDiscreteTen, QStringLiteral("discrete_ten"));
      form = std::move(file);
    }
    QCOMPARE(form->objectName(), window);
    QCOMPARE(form->width(), width);
    QCOMPARE(form->height(), height + 50);

    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!form->isVisible());
    QCOMPARE(settings.ReadInteger(section, key(widthKey), 0), width);
    QCOMPARE(settings.ReadInteger(section, key(heightKey), 0), height + 50);
  }
};

QTEST_MAIN(ListingWindowsTest)
#include "listing_windows_test.moc"

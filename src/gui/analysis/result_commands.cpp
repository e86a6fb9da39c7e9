#include "analysis/result_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

#include "analysis/characteristics.h"
#include "analysis/reliability_summary.h"
#include "charts/chart_export.h"
#include "app/qt_text.h"
#include "model/distribution_file_writer.h"
#include "model/report_error.h"
#include "texts/desktop_texts.h"
#include "texts/main_window_texts.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

constexpr int kWriteErrorCode = 23;

constexpr int kResultHistogramName = 155;
constexpr int kResultReportName = 43;
constexpr int kCharacteristicsTitle = 79;

// A save dialog's file type: its suffix and the filter naming it.
struct SavedType {
  const char* suffix;
  const char* filter;
};
constexpr SavedType kDistributionFile{"dis", "Distributions Files (*.dis)"};
constexpr SavedType kTextReport{"txt", "Distributions Files (*.txt)"};
constexpr SavedType kDocReport{"doc", "Distributions Files (*.doc)"};
constexpr char kAllFiles[] = "All files (*)";

void ShowReport(const PlatformServices& services, const analysis::CharacteristicsReport& report,
                texts::Language language) {
  if (report.error) {
    ShowModelError(services, *report.error, language);
    return;
  }
  services.messages->ShowReport(Message(kCharacteristicsTitle, language), ToQt(analysis::FixedPitchText(report.text)));
}

FileDialogRequest SaveRequest(const QString& initialFolder, const QString& fileName, const SavedType& type) {
  FileDialogRequest request;
  request.initialFolder = initialFolder;
  request.fileName = fileName;
  request.defaultSuffix = QString::fromLatin1(type.suffix);
  request.filters = {QString::fromLatin1(type.filter), QString::fromLatin1(kAllFiles)};
  request.filterIndex = 0;
  return request;
}

void ShowDesktopWarning(const PlatformServices& services, const std::string& text, texts::Language language) {
  services.messages->DefMessageDlg(ToQt(texts::DesktopWarningTitle(language)), ToQt(text), MessageKind::Warning,
                                   MessageButtons::Ok, kResultOk);
}

}  // namespace

void ShowModelError(const PlatformServices& services, const model::ModelError& error, texts::Language language) {
  const model::ErrorText text = model::ComposeReportError(error, language);
  services.messages->DefMessageDlg(ToQt(text.title), ToQt(text.text), MessageKind::Error, MessageButtons::Ok,
                                   kResultOk);
}


QString AskSavePath(const PlatformServices& services, const FileDialogRequest& request, texts::Language language) {
  const QString path = services.files->GetSaveFileName(request);
  if (path.isEmpty()) return {};
  if (QFileInfo::exists(path)) {
    const QString question = ToQt(texts::OverwriteQuestion(ToStd(QDir::toNativeSeparators(path)), language));
    const int answer = services.messages->DefMessageDlg(Message(texts::kTitleConfirmation, language), question,
                                                        MessageKind::Confirmation, MessageButtons::YesNo, kResultYes);
    if (answer != kResultYes) return {};
  }
  return path;
}

void ShowCharacteristics(const PlatformServices& services, const std::string& title, const model::Histogram& h,
                         texts::Language language) {
  ShowReport(services,
             analysis::CharacteristicsText(title, h.P, h.N, h.Min, h.Max, h.Total, h.Type, language), language);
}

void ShowCharacteristics(const PlatformServices& services, const std::string& title,
                         const engine::OperationResult& result, double targetIndex, texts::Language language) {
  const model::Histogram& h = result.histogram;
  analysis::CharacteristicsReport report =
      analysis::CharacteristicsText(title, h.P, h.N, h.Min, h.Max, result.totalExtended, h.Type, language);
  if (!report.error) {
    // How sure the failure probability is, under the statistics.
    const analysis::ReliabilitySummary reliability =
        analysis::SummariseReliability(result, targetIndex, language);
    report.text += "\r\n";
    for (std::string line : analysis::ReliabilityReportLines(reliability, language)) {
      std::replace(line.begin(), line.end(), '\t', ' ');
      report.text += line + "\r\n";
    }
  }
  ShowReport(services, report, language);
}

QString SaveResultDistributionFile(const PlatformServices& services, const QString& initialFolder,
                                   const model::Histogram& result, long double resultTotal,
                                   texts::Language language) {
  const QString path = AskSavePath(
      services, SaveRequest(initialFolder, Message(kResultHistogramName, language), kDistributionFile), language);
  if (path.isEmpty()) return {};
  if (const auto error = model::WriteResultDistributionFile(ToStd(path), result, resultTotal)) {
    ShowModelError(services, *error, language);
    return {};
  }
  return path;
}

QString SaveResultReport(const PlatformServices& services, const QString& initialFolder,
                         const analysis::ResultReportInput& input, bool asText, texts::Language language) {
  const QString path = AskSavePath(
      services, SaveRequest(initialFolder, Message(kResultReportName, language), asText ? kTextReport : kDocReport),
      language);
  if (path.isEmpty()) return {};
  const auto lines = analysis::ResultReportLines(input, language);
  if (const auto error = analysis::WriteResultReport(ToStd(path), lines)) {
    ShowModelError(services, *error, language);
    return {};
  }
  return path;
}

bool OpenInWordProcessor(const PlatformServices& services, const QString& path, const QString& workingFolder,
                         texts::Language language) {
  QStringList arguments{QStringLiteral("--writer")};
  if (!path.isEmpty()) arguments << path;
  if (services.desktop->StartDetached(QStringLiteral("soffice"), arguments, workingFolder)) return true;
  ShowDesktopWarning(services, texts::WordProcessorNotStartedText(language), language);
  return false;
}

void OpenInSpreadsheet(const PlatformServices& services, const QString& path, texts::Language language) {
  if (services.desktop->OpenUrl(QUrl::fromLocalFile(path))) return;
  ShowDesktopWarning(services, texts::SpreadsheetNotOpenedText(ToStd(QDir::toNativeSeparators(path)), language),
                     language);
}

std::optional<model::ModelError> SaveChartAs(const PlatformServices& services, QChartView* chart,
                                             const QString& folder, analysis::PictureFormat target,
                                             texts::Language language) {
  const texts::FileDialogTexts dialog = texts::PictureSaveDialog(analysis::PictureSuffix(target), language);
  FileDialogRequest request;
  request.title = ToQt(dialog.title);
  request.initialFolder = folder;
  request.defaultSuffix = ToQt(dialog.defaultSuffix);
  for (const std::string& filter : dialog.filters) request.filters << ToQt(filter);
  const QString path = AskSavePath(services, request, language);
  if (path.isEmpty()) return std::nullopt;
  if (SaveChartPicture(chart, path, analysis::PictureFormatOfFile(ToStd(path), target))) return std::nullopt;
  // The file there is untouched: pictures are written through a temporary file.
  return model::ModelError{kWriteErrorCode, ToStd(path), {}, 0};
}

}  // namespace dorvex::gui

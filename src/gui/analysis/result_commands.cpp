#include "analysis/result_commands.h"

#include <QDir>
#include <QFileInfo>

#include "analysis/characteristics.h"
#include "model/distribution_file_writer.h"
#include "model/report_error.h"
#include "texts/language.h"
#include "texts/messages.h"

namespace dorvex::gui {

namespace {

constexpr int kOverwriteQuestion = 21;
constexpr int kResultHistogramName = 155;
constexpr int kResultReportName = 43;
constexpr int kCharacteristicsTitle = 79;

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

QString Message(int n) { return FromStd(texts::MessageText(n, texts::CurrentLanguage())); }

void ShowReport(const PlatformServices& services, const analysis::CharacteristicsReport& report) {
  if (report.error) {
    ShowModelError(services, *report.error);
    return;
  }
  services.messages->DefMessageDlg(Message(kCharacteristicsTitle), FromStd(report.text), MessageKind::Information,
                                   MessageButtons::Ok, kResultOk);
}

FileDialogRequest SaveRequest(const QString& initialFolder, const QString& fileName, const QString& suffix) {
  FileDialogRequest request;
  request.initialFolder = initialFolder;
  request.fileName = fileName;
  request.defaultSuffix = suffix;
  request.filters = {QStringLiteral("Distributions Files (*.%1)").arg(suffix), QStringLiteral("All files (*)")};
  request.filterIndex = 0;
  return request;
}

}  // namespace

void ShowModelError(const PlatformServices& services, const model::ModelError& error) {
  const model::ErrorText text = model::ComposeReportError(error, texts::CurrentLanguage());
  services.messages->DefMessageDlg(FromStd(text.title), FromStd(text.text), MessageKind::Error, MessageButtons::Ok,
                                   kResultOk);
}

void ShowUnavailable(const PlatformServices& services, const char* text) {
  services.messages->DefMessageDlg(QString::fromUtf8(kUnavailableTitle), QString::fromUtf8(text),
                                   MessageKind::Warning, MessageButtons::Ok, kResultOk);
}

QString AskSavePath(const PlatformServices& services, const FileDialogRequest& request) {
  const QString path = services.files->GetSaveFileName(request);
  if (path.isEmpty()) return {};
  if (QFileInfo::exists(path)) {
    const QString question = FromStd(
        texts::InsertText(texts::MessageText(kOverwriteQuestion, texts::CurrentLanguage()), QDir::toNativeSeparators(path).toStdString()));
    const int answer = services.messages->DefMessageDlg(Message(texts::kTitleConfirmation), question,
                                                        MessageKind::Confirmation, MessageButtons::YesNo, kResultYes);
    if (answer != kResultYes) return {};
  }
  return path;
}

void ShowCharacteristics(const PlatformServices& services, const std::string& title, const model::Histogram& h) {
  ShowReport(services, analysis::CharacteristicsText(title, h, texts::CurrentLanguage()));
}

void ShowCharacteristics(const PlatformServices& services, const std::string& title,
                         const engine::OperationResult& result) {
  const model::Histogram& h = result.histogram;
  ShowReport(services, analysis::CharacteristicsText(title, h.P, h.N, h.Min, h.Max, result.totalExtended, h.Type,
                                                     texts::CurrentLanguage()));
}

QString SaveResultDistributionFile(const PlatformServices& services, const QString& initialFolder,
                                   const model::Histogram& result, long double resultTotal) {
  const QString path =
      AskSavePath(services, SaveRequest(initialFolder, Message(kResultHistogramName), QStringLiteral("dis")));
  if (path.isEmpty()) return {};
  if (const auto error = model::WriteResultDistributionFile(path.toStdString(), result, resultTotal)) {
    ShowModelError(services, *error);
    return {};
  }
  return path;
}

QString SaveResultReport(const PlatformServices& services, const QString& initialFolder,
                         const analysis::ResultReportInput& input, bool asText) {
  const QString suffix = asText ? QStringLiteral("txt") : QStringLiteral("doc");
  const QString path = AskSavePath(services, SaveRequest(initialFolder, Message(kResultReportName), suffix));
  if (path.isEmpty()) return {};
  const auto lines = analysis::ResultReportLines(input, texts::CurrentLanguage());
  if (const auto error = analysis::WriteResultReport(path.toStdString(), lines)) {
    ShowModelError(services, *error);
    return {};
  }
  return path;
}

bool OpenInWordProcessor(const PlatformServices& services, const QString& path, const QString& workingFolder) {
  QStringList arguments{QStringLiteral("--writer")};
  if (!path.isEmpty()) arguments << path;
  if (services.desktop->StartDetached(QStringLiteral("soffice"), arguments, workingFolder)) return true;
  ShowUnavailable(services, kWordProcessorUnavailable);
  return false;
}

}  // namespace dorvex::gui

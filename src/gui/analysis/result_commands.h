#pragma once
// The result commands of the main window as free functions on plain data: the
// characteristics box, saving the result as a distribution file or as a text
// report, and handing a document to the word processor.

#include <QString>
#include <optional>
#include <string>

#include "app/platform_services.h"
#include "engine/engine.h"
#include "model/histogram.h"
#include "analysis/picture_files.h"
#include "analysis/result_report.h"
#include "texts/language.h"

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace dorvex::gui {

// Every box and file name below speaks `language`.

// Shows the characteristics report of `h` (its own Total as the sum of
// frequencies) under `title` in an information box; fewer than 3 intervals show
// message 215 in the error box instead.
void ShowCharacteristics(const PlatformServices& services, const std::string& title,
                         const model::Histogram& h, texts::Language language);
// The same for an operation result, whose sum of frequencies is the result total,
// followed by its Pf bounds and reliability indices.
void ShowCharacteristics(const PlatformServices& services, const std::string& title,
                         const engine::OperationResult& result, double targetIndex, texts::Language language);

// Asks for a ".dis" file in `initialFolder` (overwriting only after a Yes) and
// writes `result` with `resultTotal` into it. Returns the path written, or an empty
// text when cancelled, refused or failed (the failure shown in the error box).
QString SaveResultDistributionFile(const PlatformServices& services, const QString& initialFolder,
                                   const model::Histogram& result, long double resultTotal,
                                   texts::Language language);

// Asks for a report file in `initialFolder` (".txt" when `asText`, else ".doc";
// plain text either way; overwriting only after a Yes) and writes the report of
// `input`. Returns the path written, or an empty text when cancelled, refused or
// failed (the failure shown in the error box).
QString SaveResultReport(const PlatformServices& services, const QString& initialFolder,
                         const analysis::ResultReportInput& input, bool asText, texts::Language language);

// Starts the word processor (LibreOffice Writer) on `path`, or on a new document
// when `path` is empty, in `workingFolder`. When it does not start, warns in
// `language` and returns false.
bool OpenInWordProcessor(const PlatformServices& services, const QString& path, const QString& workingFolder,
                         texts::Language language);

// Opens the workbook at `path` with the desktop's spreadsheet; when none opens it,
// warns in `language` and names the file.
void OpenInSpreadsheet(const PlatformServices& services, const QString& path, texts::Language language);

// The save dialog of `request`, then the overwrite question (message 21) for an
// existing file. Returns the path to write, or an empty text when cancelled or
// refused.
QString AskSavePath(const PlatformServices& services, const FileDialogRequest& request, texts::Language language);

// Asks for a picture file in `folder` (the dialog offers `target`'s kind; the overwrite
// question included) and writes `chart` in the format the chosen file's extension
// names, `target` when it names none. The write error (code 23) when the file could
// not be written; empty when written or cancelled.
std::optional<model::ModelError> SaveChartAs(const PlatformServices& services, QChartView* chart,
                                             const QString& folder, analysis::PictureFormat target,
                                             texts::Language language);

// Shows `error` in the error box.
void ShowModelError(const PlatformServices& services, const model::ModelError& error, texts::Language language);

}  // namespace dorvex::gui

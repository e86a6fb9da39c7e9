#pragma once
// Warnings about the desktop's programs (spreadsheet, word processor), in the
// language the user reads.

#include <string>
#include <string_view>

#include "texts/language.h"

namespace dorvex::texts {

// Title of those warnings.
std::string DesktopWarningTitle(Language language);
// No spreadsheet program opened the workbook at `path`: says where the file is.
std::string SpreadsheetNotOpenedText(std::string_view path, Language language);
// The word processor could not be started.
std::string WordProcessorNotStartedText(Language language);

}  // namespace dorvex::texts

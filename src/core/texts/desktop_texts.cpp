#include "texts/desktop_texts.h"

namespace dorvex::texts {

std::string DesktopWarningTitle(Language language) {
  return language == Language::Czech ? "Upozornění" : "Warning";
}

std::string SpreadsheetNotOpenedText(std::string_view path, Language language) {
  std::string text = language == Language::Czech
                         ? "Sešit se nepodařilo otevřít v tabulkovém procesoru.\r\n\r\nJe uložen v souboru\r\n"
                         : "No spreadsheet program could open the workbook.\r\n\r\nIt is saved as\r\n";
  text += path;
  return text;
}

std::string WordProcessorNotStartedText(Language language) {
  return language == Language::Czech ? "Propojení na aplikaci Microsoft Word není dostupné ..."
                                     : "The word processor (LibreOffice Writer) could not be started.";
}

}  // namespace dorvex::texts

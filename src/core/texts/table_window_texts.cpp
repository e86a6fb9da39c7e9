#include "texts/table_window_texts.h"

#include "texts/captions.h"
#include <array>

#include "texts/messages.h"

namespace dorvex::texts {

namespace {

// The buttons have the same texts in both windows; their names differ.
constexpr std::array kCaptions = {
    Caption{"OtevriSum", "Otevřít tabulku", "Open table"},
    Caption{"OtevriKomb", "Otevřít tabulku", "Open table"},
    Caption{"DelRow", "Smazat řádek", "Delete row"},
    Caption{"SaveSuma", "Uložit tabulku", "Save table"},
    Caption{"SaveKomb", "Uložit tabulku", "Save table"},
    Caption{"VypocetSuma", "Výpočet", "Compute"},
    Caption{"VypocetKomb", "Výpočet", "Compute"},
    Caption{"ExitForm7", "Zavřít", "Close"},
    Caption{"ExitForm", "Zavřít", "Close"},
    Caption{"OtevHistSuma", "...", "..."},
    Caption{"OtevHistKomb", "...", "..."},
    Caption{"GrafHistSuma", "Graf", "Graph"},
    Caption{"GrafHistKomb", "Graf", "Graph"},
    // The summary window takes this label from the combination window.
    Caption{"Label16", "Max.intervalů :", "Max of intervals :"},
};

const char* Pick(Language language, const char* czech, const char* english) {
  return language == Language::Czech ? czech : english;
}

}  // namespace

std::string TableWindowTitle(TableWindow window, Language language) {
  if (window == TableWindow::Summary)
    return Pick(language, "  Dorvex :  Tabulka histogramů pro sumární histogram", "  Dorvex :  Summation histogram table");
  return Pick(language, "  Dorvex :  Tabulka histogramů pro kombinaci",
              "  Dorvex :  Table of histograms for combinations");
}

std::string TableGraphWindowTitle(Language language) {
  return Pick(language, "  Dorvex   :   Graf", "  Dorvex   :   Graph");
}

std::string TableControlCaption(TableWindow, std::string_view objectName, Language language) {
  return FindCaption(kCaptions, objectName, language);
}

std::vector<std::string> TableGraphSummaryNames(Language language) {
  return {"Min", "Max", Pick(language, "Počet intervalů", "Number of intervals")};
}

std::string ResultGraphTitle(TableWindow window, Language language) {
  return MessageText(window == TableWindow::Summary ? 72 : 55, language);
}

TableFileDialogTexts TableFileDialog(TableWindow window, Language language) {
  if (window == TableWindow::Summary)
    return {"SumarniHistogram", "sum", {"Distributions Files (*.sum)", "All files (*.*)"}};
  return {MessageText(76, language), "kom", {"Distributions Files (*.kom)", "All files (*.*)"}};
}

TableFileDialogTexts RowFileDialog() { return {"", "dis", {"Distributions Files (*.dis)", "All files (*.*)"}}; }

}  // namespace dorvex::texts

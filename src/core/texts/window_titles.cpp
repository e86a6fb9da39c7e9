#include "texts/window_titles.h"

namespace dorvex::texts {

namespace {

struct TitleEntry {
  int window;
  const char* english;  // nullptr: left as it is
  const char* czech;
};

// Blanks are part of the titles.
constexpr TitleEntry kTitles[] = {
    {3, "Histogram description", " Dorvex - Výpis"},
    {4, nullptr, ""},
    {5, "  Dorvex  -  SetUp colours", "  Dorvex  -  Nastavení barev"},
    {6, "  Dorvex :   Initial file - Dorvex.INI", "  Dorvex :   Inicializační soubor - Dorvex.INI"},
    {7, "Histogram description", " Popis histogramu"},
    {8, "  Dorvex :  Graph Distribution function", "  Dorvex   :   Graf distribuční funkce"},
    {9, "Histogram description", "  Dorvex : Popis "},
    {10, "  Dorvex :  Table of histograms for combinations", "  Dorvex :  Tabulka histogramů pro kombinaci"},
    {11, "  Dorvex :  Summation histogram table", "  Dorvex :  Tabulka histogramů pro sumární histogram"},
    {12, "  Dorvex :   Parametric distribution", "  Dorvex :   Parametrické rozdělení"},
    {13, "  Dorvex   :   Graph", "  Dorvex   :   Graf"},
    {14, "  Dorvex :   Raw data", "  Dorvex :   Prvotní data"},
    {15, "  Dorvex :   Histogram description", "  Dorvex :   Výpis histogramu "},
    {16, "  Dorvex :   Information ", "  Dorvex :   Informace "},
    {18, "  Dorvex :  Description of histogram", "  Dorvex :  Popis histogramu"},
    {19, "  Dorvex : Table of applicable histograms with parametric probability distribution",
     "  Dorvex : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"},
};

}  // namespace

std::optional<std::string> WindowTitle(int window, Language language) {
  for (const TitleEntry& entry : kTitles) {
    if (entry.window != window) continue;
    const char* title = language == Language::Czech ? entry.czech : entry.english;
    if (title == nullptr) return std::nullopt;
    return std::string(title);
  }
  return std::nullopt;
}

}  // namespace dorvex::texts

#include "texts/parametric_window_texts.h"

#include "texts/captions.h"
#include <array>

#include "texts/main_window_texts.h"
#include "texts/messages.h"
#include "texts/window_titles.h"

namespace dorvex::texts {

namespace {

constexpr std::array kCaptions = {
    Caption{"Label11", "Typ", "Type"},
    Caption{"Label4", "Intervalů", "Intervals"},
    Caption{"Label6", "Eps pro Min (x) ", "Eps for Min (x) "},
    Caption{"Label7", "Min", "Min"},
    Caption{"Label8", "Max", "Max"},
    Caption{"CheckBox1", "Popisky dat", "Data labels"},
    Caption{"ChB_TypHist", "Pure Discrete", "Pure Discrete"},
    Caption{"BChar", "Char", "Char"},
    Caption{"UlozGraf", "Uložit graf", "Save chart"},
    Caption{"SpeedButton1", "Obrázek okna", "Window picture"},
    Caption{"BitBtn1", "Zavřít", "Close"},
};

// The export menu and its items speak as the main window's.
struct SharedCaption {
  const char* objectName;
  const char* mainWindowName;
};

constexpr std::array kSharedCaptions = {
    SharedCaption{"PopupMenu2", "PopupMenu2"}, SharedCaption{"Schranka", "Schranka1"},
    SharedCaption{"Bitmapa", "Bitmapa1"},      SharedCaption{"Metafile", "Metafile1"},
    SharedCaption{"JPGFile", "JpgFile"},
};

constexpr int kValueLabelsMessage = 208;

const char* Pick(Language language, const char* czech, const char* english) {
  return language == Language::Czech ? czech : english;
}

}  // namespace

std::string ParametricWindowTitle(Language language) {
  return WindowTitle(kParametricWindow, language).value_or(std::string());
}

std::string ParametricControlCaption(std::string_view objectName, Language language) {
  if (std::string found = FindCaption(kCaptions, objectName, language); !found.empty()) return found;
  for (const SharedCaption& c : kSharedCaptions) {
    if (objectName == c.objectName) return MainWindowCaption(c.mainWindowName, language);
  }
  return {};
}

std::vector<std::string> ParametricListItems(std::string_view objectName, Language language) {
  if (objectName == "CBMarks") return {"P(x)", "x", "x & P(x)", "INT ... x", "INT & P(x)"};
  if (objectName == "CBValInd")
    return {"Index x", MessageText(kValueLabelsMessage, language)};
  return {};
}

std::vector<std::string> ParametricSummaryRowNames(Language language) {
  return {"Xmin", "Xmax", "Median", "Mode", Pick(language, "Vynecháno < Xmin", "Cut below Xmin"),
          Pick(language, "Vynecháno > Xmax", "Cut above Xmax")};
}

}  // namespace dorvex::texts

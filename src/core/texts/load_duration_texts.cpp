#include "texts/load_duration_texts.h"

#include "texts/captions.h"
#include "texts/window_titles.h"
#include <array>

#include "texts/messages.h"

namespace dorvex::texts {

namespace {

constexpr int kValueXMessage = 209;
constexpr int kValueFMessage = 210;

constexpr std::array kCaptions = {
    Caption{"CheckBox1", "Popisky", "Marks"},
    Caption{"GrafDo", "&Graf do", "&Chart to"},
    Caption{"Schranka", "&Schránky", "&Clipboard"},
    Caption{"Bitmapa", "&Bitmapy", "&Bitmap"},
    Caption{"Metafile", "&MetaFile", "&MetaFile"},
    Caption{"JPGFile", "&JPGFile", "&JPGFile"},
    Caption{"CheckLogF", "Log. osa F", "Log. F axis"},
};

constexpr std::array kHints = {
    Caption{"OtevriWord", "Dokument WORDu|Otevřít nový dokument WORDu",
            "Word document|Open a new Word document"},
    Caption{"UlozGraf", "Uložit graf|Uložit graf (pravé tlačítko: kam)",
            "Save chart|Save the chart (right button: where to)"},
    Caption{"SpeedButton1", "Obrázek okna|Zkopírovat aktivní okno do schránky jako obrázek",
            "Window picture|Copy the active window to the clipboard as a picture"},
    Caption{"ExitBtn", "Zavřít|Zavřít okno distribuční funkce", "Close|Close the distribution function window"},
    Caption{"CheckLogF", "Logaritmická osa F|Logaritmická osa F: dolní chvost, meze F a cílová Pf jsou vidět",
            "Logarithmic F axis|Logarithmic F axis: the lower tail, the bounds of F and the target Pf can be read"},
};

bool English(Language language) { return language == Language::English; }

}  // namespace

std::string LoadDurationWindowTitle(Language language) {
  return WindowTitle(kLoadDurationWindow, language).value_or(std::string());
}

std::string LoadDurationCaption(std::string_view objectName, Language language) {
  return FindCaption(kCaptions, objectName, language);
}

std::string LoadDurationHint(std::string_view objectName, Language language) {
  return FindCaption(kHints, objectName, language);
}

std::vector<std::string> LoadDurationListItems(std::string_view objectName, Language language) {
  if (objectName == "CBMarks") return {"P(x)", "x", "x & P(x)", "INT ... x", "INT & P(x)"};
  if (objectName == "CBValInd") return {"Index  X", MessageText(kValueXMessage, language), std::string()};
  return {};
}

std::string LoadDurationValueAxisTitle(Language language) { return MessageText(kValueXMessage, language); }

std::string LoadDurationFunctionAxisTitle(Language language) { return MessageText(kValueFMessage, language); }

std::vector<std::string> LoadDurationBoundHeadings(Language language) {
  if (English(language)) return {"   lower F", "   upper F"};
  return {"   dolní F", "   horní F"};
}

std::string LoadDurationBoundName(BoundSide side, Language language) {
  if (side == BoundSide::Lower) return English(language) ? "Lower bound of F" : "Dolní mez F";
  return English(language) ? "Upper bound of F" : "Horní mez F";
}

std::string LoadDurationTargetCaption(Language language) { return English(language) ? "Target beta" : "Cílové β"; }

}  // namespace dorvex::texts

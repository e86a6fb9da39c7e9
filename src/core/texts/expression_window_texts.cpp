#include "texts/expression_window_texts.h"

#include <array>

#include "texts/captions.h"

namespace dorvex::texts {

namespace {

constexpr std::array kCaptions = {
    Caption{"LabInputs", "Vstupy (jméno = histogram)", "Inputs (name = histogram)"},
    Caption{"BAddFile", "Přidat soubor...", "Add file..."},
    Caption{"BAddA", "Přidat A", "Add A"},
    Caption{"BAddB", "Přidat B", "Add B"},
    Caption{"BRemove", "Odebrat", "Remove"},
    Caption{"LabExpression", "Výraz funkce poruchy Z", "Limit-state expression Z"},
    Caption{"ChBRewrite", "Použít přesný přepis opakovaného jména", "Use the exact rewrite of a repeated name"},
    Caption{"BEvaluate", "Vyhodnotit", "Evaluate"},
    Caption{"LabSteps", "Mezivýsledky", "Intermediate results"},
    Caption{"BClose", "Zavřít", "Close"},
};

bool Czech(Language language) { return language == Language::Czech; }

}  // namespace

std::string ExpressionWindowTitle(Language language) {
  return Czech(language) ? "  Dorvex :  Funkce poruchy z více histogramů" : "  Dorvex :  Limit state of several histograms";
}

std::string ExpressionControlCaption(std::string_view objectName, Language language) {
  return FindCaption(kCaptions, objectName, language);
}

std::vector<std::string> ExpressionInputHeadings(Language language) {
  if (Czech(language)) return {"Jméno", "Zdroj"};
  return {"Name", "Source"};
}

std::vector<std::string> ExpressionStepHeadings(Language language) {
  if (Czech(language)) return {"Podvýraz", "N", "Min", "Max", "Pf"};
  return {"Sub-expression", "N", "Min", "Max", "Pf"};
}

std::string ExpressionEvaluatedText(Language language) {
  return Czech(language) ? "Výsledek je ve výsledném histogramu hlavního okna."
                         : "The result is the main window's result histogram.";
}

std::string ExpressionRewrittenText(std::string_view rewrite, Language language) {
  return (Czech(language) ? "Vyhodnocen přesný přepis: " : "Evaluated as the exact rewrite: ") + std::string(rewrite);
}

}  // namespace dorvex::texts

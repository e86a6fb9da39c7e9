#include "texts/colour_window_texts.h"

#include <array>

namespace dorvex::texts {

namespace {

struct BothTexts {
  const char* czech;
  const char* english;
};

constexpr std::array<BothTexts, 21> kItems{{
    {"pozadí", "background"},
    {"texty tabulek", "table text"},
    {"pozadí edit.oken", "background of edit windows"},
    {"text edit.oken", "text of edit windows"},
    {"texty na panelu", "text on panel"},
    {"pozadí \" Hodnota x) \"", "background of \" x value\""},
    {"pozadí \" Kvantil Qp \"", "background of \" Fractile Qp \""},
    {"pozadí \" Max Počet intervalů \"", "background of \" Max intervals \""},
    {"text \" Max Počet intervalů \"", "text of \" Max intervals \""},
    {"pozadí \" Operace \"", "background of \" Operation \""},
    {"text \" Operace \"", "text of \" Operation \""},
    {"text nadpisu grafu", "text of graph head"},
    {"pozadí grafů", "background of graph"},
    {"graf histogramů A,B", "graph of histograms A,B"},
    {"graf výsledkového histogramu", "graph of result"},
    {"graf \" Hodnoty x) \"", "graph \" x value\""},
    {"graf \" Kvantilu Qp \"", "graph \" Fractile Qp \""},
    {"pozadí grafu", "background of graph"},
    {"graf histogramu", "histogram"},
    {"pozadí grafu", "background of graph"},
    {"graf histogramu", "histogram"},
}};

constexpr std::array<BothTexts, kColourGroupCount> kGroups{{
    {"Formuláře", "Forms"},
    {"Vstupní histogramy A,B", "Histograms A,B"},
    {"Výsledný histogram", "Final histogram"},
    {"Graf", "Graph"},
    {"Distribuční funkce", "Distribution function"},
    {"Parametrické rozdělení, Prvotní data", "Parametric distribution, Raw Data"},
}};

// The first item of each group.
constexpr std::array<int, kColourGroupCount> kGroupStarts{0, 2, 4, 11, 17, 19};

const char* Pick(const BothTexts& caption, Language language) {
  return language == Language::Czech ? caption.czech : caption.english;
}

}  // namespace

std::string ColourItemCaption(int item, Language language) {
  if (item < 0 || item >= static_cast<int>(kItems.size())) return {};
  return Pick(kItems[static_cast<std::size_t>(item)], language);
}

int ColourItemGroup(int item) {
  int group = 0;
  for (int g = 0; g < kColourGroupCount; ++g) {
    if (item >= kGroupStarts[static_cast<std::size_t>(g)]) group = g;
  }
  return group;
}

std::string ColourGroupTitle(int group, Language language) {
  if (group < 0 || group >= kColourGroupCount) return {};
  return Pick(kGroups[static_cast<std::size_t>(group)], language);
}

}  // namespace dorvex::texts

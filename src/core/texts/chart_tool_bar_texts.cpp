#include "texts/chart_tool_bar_texts.h"

namespace dorvex::texts {

namespace {

struct HintEntry {
  const char* objectName;
  const char* english;
  const char* czech;
};

constexpr HintEntry kHints[] = {
    {"ChartZoomIn", "Zoom in|Enlarge the middle of the chart", "Zvětšit|Zvětšit střed grafu"},
    {"ChartZoomOut", "Zoom out|Show more of the chart", "Zmenšit|Ukázat větší část grafu"},
    {"ChartMoveLeft", "Move left|Move the view to the left", "Posunout vlevo|Posunout pohled doleva"},
    {"ChartMoveRight", "Move right|Move the view to the right", "Posunout vpravo|Posunout pohled doprava"},
    {"ChartWhole", "Whole chart|Show the whole chart again", "Celý graf|Ukázat opět celý graf"},
};

}  // namespace

std::string ChartToolBarHint(std::string_view objectName, Language language) {
  for (const HintEntry& entry : kHints) {
    if (objectName == entry.objectName) return language == Language::Czech ? entry.czech : entry.english;
  }
  return {};
}

}  // namespace dorvex::texts

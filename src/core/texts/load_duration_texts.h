#pragma once
// The load-duration (distribution function) window's own texts in both languages,
// keyed by the objectName of the control that shows them.

#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace dorvex::texts {

// The window's title.
std::string LoadDurationWindowTitle(Language language);

// The caption of the control `objectName` (check box, buttons, export items and
// their sub-menu); empty for a control without one.
std::string LoadDurationCaption(std::string_view objectName, Language language);

// The tooltip and status text of a tool-bar button, "short|long"; empty for another name.
std::string LoadDurationHint(std::string_view objectName, Language language);

// Items of the list `objectName`: the mark styles (CBMarks) and the axis labels
// (CBValInd, whose third item is empty); empty for another name.
std::vector<std::string> LoadDurationListItems(std::string_view objectName, Language language);

// The chart's axis titles: bottom while it shows values, bottom while it shows bar
// numbers, and the value axis (the distribution function).
std::string LoadDurationValueAxisTitle(Language language);
inline constexpr char kLoadDurationIndexAxisTitle[] = "Index x";
std::string LoadDurationFunctionAxisTitle(Language language);

// The headings of the table's two columns of the bounds of F, lower then upper.
std::vector<std::string> LoadDurationBoundHeadings(Language language);

// The chart's names of the two functions that bound F.
enum class BoundSide { Lower, Upper };
std::string LoadDurationBoundName(BoundSide side, Language language);

// "Target beta" / "Cílové β" before the target index and its failure probability on the chart.
std::string LoadDurationTargetCaption(Language language);

}  // namespace dorvex::texts

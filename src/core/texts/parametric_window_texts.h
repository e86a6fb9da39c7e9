#pragma once
// The parametric distribution window's own texts in both languages, keyed by the
// objectName of the control that shows them.

#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace dorvex::texts {

// The item of the main window's input-type selectors that opens the window
// (message 57, "Parametric distribution").
inline constexpr int kParametricSourceItem = 3;

// The chart's bottom-axis title while the axis shows bar numbers, and its legend's title.
inline constexpr char kParametricIndexAxisTitle[] = "Index   f(z)";
inline constexpr char kParametricLegendTitle[] = "p    pf(z)";

// The window's title.
std::string ParametricWindowTitle(Language language);

// The caption of the control `objectName` (labels, check boxes, buttons; the export
// menu and its items as the main window's); empty for a control without one.
std::string ParametricControlCaption(std::string_view objectName, Language language);

// Items of the list `objectName`: the mark styles (CBMarks) and the axis labels
// (CBValInd); empty for another name.
std::vector<std::string> ParametricListItems(std::string_view objectName, Language language);

// Row names of the summary grid: Xmin, Xmax, Median, Mode, then the probability the
// range leaves out below Xmin and above Xmax.
std::vector<std::string> ParametricSummaryRowNames(Language language);

}  // namespace dorvex::texts

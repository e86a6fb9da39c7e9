#pragma once
// The texts of the summary and combination windows and of their graph window in
// both languages, keyed by the objectName of the control that shows them.

#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace dorvex::texts {

// The two twin windows that keep a table of histograms.
enum class TableWindow { Summary, Combination };

// The items of the main window's input-type selectors that open them
// (messages 55 "Combination" and 56 "Summation histogram").
inline constexpr int kCombinationSourceItem = 1;
inline constexpr int kSummarySourceItem = 2;

// The graph window's bottom-axis title in index mode: of a combination result, and of
// everything else.
inline constexpr char kCombinationIndexAxisTitle[] = "Index    f (z)";
inline constexpr char kTableIndexAxisTitle[] = "Index x";

// The window's title.
std::string TableWindowTitle(TableWindow window, Language language);
// The graph window's title.
std::string TableGraphWindowTitle(Language language);

// The caption of the control `objectName` of the window (buttons, labels); empty for
// a control without one.
std::string TableControlCaption(TableWindow window, std::string_view objectName, Language language);

// Row names of the graph window's small grid: Min, Max, number of intervals.
std::vector<std::string> TableGraphSummaryNames(Language language);

// The title of a result's graph: message 72 (summary) or 55 (combination).
std::string ResultGraphTitle(TableWindow window, Language language);

// What the table file dialogs offer: the file name of a new table, the default
// extension (without the dot) and the filter list ("Name (*.ext)", "All files (*.*)").
struct TableFileDialogTexts {
  std::string fileName;
  std::string extension;
  std::vector<std::string> filters;
};
TableFileDialogTexts TableFileDialog(TableWindow window, Language language);
// The same for the distribution file of a row.
TableFileDialogTexts RowFileDialog();

}  // namespace dorvex::texts

#pragma once
// The main window's own texts in both languages, keyed by the objectName of the
// control that shows them: captions, hints ("short|long"), grid row labels and list
// items; and the texts the window composes around a value.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace dorvex::texts {

// The caption and hint one control takes in a language; an empty one leaves the
// control's text as it is.
struct ControlText {
  std::string objectName;
  std::optional<std::string> caption;
  std::optional<std::string> hint;
};

// Every control with a text of its own or a hint: menus and their items, pop-up
// items, tool-bar buttons (those that share an action take the hint of its menu
// item, or the item that of the button), panels and labels.
std::vector<ControlText> MainWindowControlTexts(Language language);

// The caption of the control `objectName`; empty when it has none.
std::string MainWindowCaption(std::string_view objectName, Language language);

// The hint of the control `objectName`, shared ones included; empty when it has none.
std::string MainWindowHint(std::string_view objectName, Language language);

// The hints of the listing buttons, which name the slot they list after both parts
// of the hint: the description and file buttons of A (`nameA`) and of B (`nameB`).
// An empty name leaves the hint as it is.
std::vector<ControlText> SlotListingHints(Language language, std::string_view nameA, std::string_view nameB);

// The hint with " : " + name after its short and its long part.
std::string HintNaming(std::string_view hint, std::string_view name);

// Labels of the rows of the grid `objectName` (column 0); empty for another name.
std::vector<std::string> MainWindowGridLabels(std::string_view objectName, Language language);

// Items of the list `objectName` (type selectors, axis labels, data labels); empty
// for another name.
std::vector<std::string> MainWindowListItems(std::string_view objectName, Language language);

// The window's title: "D o r v e x  -  Version " (or "Verze ") and the version.
std::string MainWindowTitle(Language language, std::string_view version);

// Message 7 with the screen width inserted, a tab in front.
std::string ScreenWidthWarning(int width, Language language);

// Message 21, the question whether the file at `path` may be overwritten.
std::string OverwriteQuestion(std::string_view path, Language language);

// Why a value question got no answer (the field is emptied): x lies outside the
// result, which answers for `lower` < x <= `upper` (with `lowerIncluded`, lower <= x).
std::string ValueOutsideResultText(std::string_view lower, std::string_view upper, bool lowerIncluded,
                                   Language language);
// Why a probability question got no answer: p lies outside 0 < p <= 1.
std::string ProbabilityOutsideText(Language language);

// Status-bar notes that a picture went to the clipboard: of the result chart, of a window.
std::string ChartCopiedText(Language language);
std::string WindowCopiedText(Language language);

// The one note at start that the data folders `folders` could not be made.
std::string FoldersNotMadeText(const std::vector<std::string>& folders, Language language);

// The text of a refused file's error with the file named on a line of its own;
// unchanged when the text names it already.
std::string NamingTheFile(std::string_view text, std::string_view path, Language language);

// What a file dialog of the main window shows.
struct FileDialogTexts {
  std::string title;
  std::vector<std::string> filters;
  std::string defaultSuffix;
};

// The open dialog of a distribution file for slot `slotLetter` ('A' or 'B').
FileDialogTexts DistributionOpenDialog(char slotLetter);
// The save dialog of a chart picture with the file suffix `suffix`, titled with the
// caption of the export item without its access-key mark.
FileDialogTexts PictureSaveDialog(std::string_view suffix, Language language);

}  // namespace dorvex::texts

#pragma once
// Texts of the summary and the combination tables that are not in the message
// table: the column headings and the refusals of their own.

#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace dorvex::texts {

// Headings of columns 0..8 of the summary table (column 0 empty).
std::vector<std::string> SummaryColumnHeadings(Language language);
// Headings of columns 0..7 of the combination table.
std::vector<std::string> CombinationColumnHeadings(Language language);

// A summary whose grid would need `count` intervals, outside 2 .. 1024.
std::string SummaryIntervalLimitText(std::string_view count, Language language);
// A table row whose stored parameters or probabilities are no histogram.
std::string InvalidTableRowText(int row, Language language);
// A table file that ends early or holds an element of the wrong kind.
std::string TableReadErrorText(std::string_view path, Language language);

// The fixed refusals of the summary, Czech in both languages.
inline constexpr std::string_view kWeightNotPositiveText = "Je zadána  v á h a  (váhy) <= 0 !";
inline constexpr std::string_view kWeightNotNumberText = "Hodnota váhy nemá správný zápis čísla";
inline constexpr std::string_view kMultipleNotNumberText = "Hodnota násobku nemá správný zápis čísla";

}  // namespace dorvex::texts

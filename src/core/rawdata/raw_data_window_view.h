#pragma once
// What the raw-data window shows of its sample, its dialogs' filters and the
// editor's line counter (the chart titles and captions are in raw_data_titles.h).

#include <array>
#include <string>
#include <vector>

#include "texts/language.h"

namespace dorvex::rawdata {

struct SampleCharacteristics;

// The sample table's value cells: the count ("     " + n), m, s and g as number
// texts (g " undefined" without spread).
std::array<std::string, 4> SampleTableTexts(const SampleCharacteristics& sample);

// The open and save dialogs' filter list: the names of the raw-data filter text
// ("Distributions Files (*.txt)", "All files (*.*)").
std::vector<std::string> RawDataDialogFilters();

// A cell of the editor's line counter: " " + the count or the line number.
std::string EditorLineText(int n);

// The closeness cell after a run: a number text.
std::string RankedClosenessText(double closeness);

}  // namespace dorvex::rawdata

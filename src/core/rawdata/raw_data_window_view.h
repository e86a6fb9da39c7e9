#pragma once
// What the raw-data window shows of its sample and of the histogram on display:
// the texts of its small tables and the two title lines of its chart.

#include <array>
#include <string>
#include <vector>

#include "model/histogram.h"
#include "statvex/probability_array.h"
#include "texts/language.h"
#include "workbench/date_time_text.h"

namespace dorvex::rawdata {

struct SampleCharacteristics;

// The sample table's value cells: the count ("     " + n), m, s and g as number
// texts (g " undefined" without spread).
std::array<std::string, 4> SampleTableTexts(const SampleCharacteristics& sample);

// The display table's value cells for P[1..N] on the mid-points Xmin .. Xmax:
// Xmin, Xmax, median and mode as number texts.
std::array<std::string, 4> DisplayTableTexts(const ProbabilityArray& P, int N, double Xmin, double Xmax,
                                             model::HistogramType type);

// The chart's title lines of the data histogram: message 107 + `listText`; message
// 109 + the file name without folder and extension + " ( " + date + " , " + time + " )".
std::array<std::string, 2> DataHistogramTitle(const std::string& path, const std::string& listText,
                                              const workbench::ClockReading& clock,
                                              workbench::DateTimeSeparators separators, texts::Language language);

// The chart's title lines of a fit: message 108 + the type's list text + " ( " +
// the fit description; message 109 + the file name without folder and extension.
std::array<std::string, 2> FitTitle(const std::string& path, const std::string& listText,
                                    const std::string& description, texts::Language language);

// The open and save dialogs' filter list: the names of the raw-data filter text
// ("Distributions Files (*.txt)", "All files (*.*)").
std::vector<std::string> RawDataDialogFilters();

// A cell of the editor's line counter: " " + the count or the line number.
std::string EditorLineText(int n);

// The closeness cell after a run (a number text) and after choosing a fit (fixed
// notation with 5 decimals).
std::string RankedClosenessText(double closeness);
std::string ChosenClosenessText(double closeness);

// The parameter box's caption after a run ("  " + message 111 + the description +
// "  ") and after choosing a fit (message 117 + the description).
std::string RankedFitCaption(const std::string& description, texts::Language language);
std::string ChosenFitCaption(const std::string& description, texts::Language language);

}  // namespace dorvex::rawdata

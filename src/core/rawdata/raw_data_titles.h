#pragma once
// The composed texts of the primary-data window: its chart titles and the captions
// of its parameter group.

#include <string>
#include <vector>

#include "texts/language.h"
#include "workbench/date_time_text.h"

namespace dorvex::rawdata {

// The two title lines over the data histogram: message 107 + `listText`; message
// 109 + the file name without folder and extension + " ( " + date + " , " + time + " )".
std::vector<std::string> DataChartTitle(const std::string& listText, const std::string& path,
                                        const workbench::ClockReading& clock, workbench::DateTimeSeparators separators,
                                        texts::Language language);

// The two title lines over a fit: message 108 + the type's list text + " ( " + the
// fit description; message 109 + the file name without folder and extension.
std::vector<std::string> FitChartTitle(int type, const std::string& description, const std::string& path,
                                       texts::Language language);

// The parameter group's caption after a run: "  " + message 111 + the description + "  ".
std::string RankedFitCaption(const std::string& description, texts::Language language);
// Its caption after choosing a fit: message 117 + the description.
std::string ChosenFitCaption(const std::string& description, texts::Language language);

// The closeness of the chosen fit as its cell shows it: fixed with 5 decimals.
std::string ChosenClosenessText(double closeness);

// The title of the characteristics report: message 106 for the data histogram,
// message 214 + the list text for a fit.
std::string DataReportTitle(texts::Language language);
std::string FitReportTitle(const std::string& listText, texts::Language language);

}  // namespace dorvex::rawdata

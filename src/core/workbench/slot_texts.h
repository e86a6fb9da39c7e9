#pragma once
// Texts of the main window's summary grids and slot names, computed once here so
// that every window and the command line show the same.

#include <string>
#include <string_view>

#include "model/histogram.h"

namespace dorvex::workbench {

// Sum of frequencies of an input summary: Round(total) in exponent form with five
// significant digits ("1.0000E+06") from 1 000 000 on, else `prefix` + the integer.
std::string FrequencySumText(long double total, std::string_view prefix);

// Name of a slot filled from a file: the file name (after the last "/" or "\")
// up to its first ".".
std::string SlotNameFromPath(std::string_view path);

// Result summary, number of intervals: " " + n.
std::string IntervalCountText(int n);
// Result summary, sum of probabilities: " " + Round(sum) with five decimals
// (" 1.00000" for a valid result).
std::string ProbabilitySumText(long double sum);
// Result summary, sum of frequencies: " " + the total rounded to an integer below
// 1 000 000, else " " + exponent form with six significant digits ("1.00000E+06").
std::string ResultTotalText(double total);

// Chart label of an input slot before the multiple text is appended.
std::string SlotChartLabel(model::SlotId slot, const std::string& name);

}  // namespace dorvex::workbench

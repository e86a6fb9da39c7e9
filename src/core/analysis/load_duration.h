#pragma once
// The distribution function F(x) of a result as the load-duration window shows it:
// bar heights, the table of x and F(x) in the two layouts and the rows it shades.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/histogram.h"

namespace dorvex::analysis {

// F_i = P[1] + ... + P[i] for i = 1 ... N, summed in double from the first interval
// on; element i - 1 holds F_i.
std::vector<double> DistributionFunction(const model::Histogram& h);

using LoadDurationRow = std::array<std::string, 3>;

// The table of F, row 0 the headings " INT", "     x", "     F(x)". Pure Discrete:
// one row per point (its number, Min + (i - 1) d, F_i), N + 1 rows in all. Discrete:
// 2 N + 2 rows, bounds and values alternating — row 1 the lower bound Min - d/2 with
// F 0, then for every interval a value row (number, value, F_{i-1} + P_i / 2, the
// function in the middle of the interval) and a bound row (Min + (i - 1/2) d, F_i).
// Numbers are 12-character display texts, the interval number 4 characters wide.
std::vector<LoadDurationRow> LoadDurationTable(const model::Histogram& h);

// Colour of the shaded rows of the table (0x00BBGGRR).
inline constexpr unsigned kLoadDurationRowColour = 14609886;
// For every row of LoadDurationTable(h): the shade, or none. Discrete shades the
// value rows (2, 4, ...), Pure Discrete every row below the heading.
std::vector<std::optional<unsigned>> LoadDurationRowColours(const model::Histogram& h);

}  // namespace dorvex::analysis

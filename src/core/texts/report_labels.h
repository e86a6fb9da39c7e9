#pragma once
// The labels of the reports in both languages: the fourteen lines of the
// characteristics (each 33 characters wide) and the column headings of the
// frequency table.

#include <array>
#include <string>

#include "texts/language.h"

namespace dorvex::texts {

inline constexpr int kCharacteristicsLabelCount = 14;
inline constexpr int kFrequencyColumnCount = 5;

// Min, Max, number of intervals, sum of frequencies, mean, variance, standard
// deviation, mean deviation, coefficient of variation, skewness, concentration,
// excess kurtosis, median, mode; blanks to 33 characters included.
std::array<std::string, kCharacteristicsLabelCount> CharacteristicsLabelTexts(Language language);

// Interval, x, probability, frequency, distribution function.
std::array<std::string, kFrequencyColumnCount> FrequencyColumnLabels(Language language);

}  // namespace dorvex::texts

#pragma once
// The logic of the table of fits: which column a sort key orders by and in which
// direction, the difference sorts against a reference, the plausibility check of
// the ranking and the removal of the implausible rows.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "rawdata/fitting.h"
#include "rawdata/raw_sample.h"
#include "texts/language.h"

namespace dorvex::rawdata {

// Most fit rows the table shows.
inline constexpr int kFitTableRows = 23;

// Sort keys, by the item index of the sort selector ("", "Těsnost", "Median",
// "Mode", "Mi x", "Sigma x", "Sigma x^2", "Variace x", "Šikmosti", "Špičatosti"),
// followed by the keys of the goodness columns.
enum class FitSortKey : int {
  None = 0,
  Closeness = 1,
  Median = 2,
  Mode = 3,
  Mean = 4,               // difference sort
  StandardDeviation = 5,  // "Sigma x"
  Variance = 6,           // "Sigma x^2", difference sort
  Variation = 7,
  Skewness = 8,
  Kurtosis = 9,           // difference sort
  KsDistance = 10,        // smallest first
  LogLikelihood = 11,     // largest first
  Aic = 12,               // smallest first
  Bic = 13,               // smallest first
};

// The reference of a difference sort: the sample itself ("RawData": its mean, its
// variance s^2, and 0 excess kurtosis) or the data histogram's row ("Histogram- RawData").
enum class DifferenceReference { RawData = 0, DataHistogram = 1 };

// The texts of the sort selector's items 0 .. 9 (the same in both languages) and of
// the reference selector.
std::vector<std::string> SortKeyItems();
std::vector<std::string> DifferenceReferenceItems();

// True for the keys sorted by distance from a reference (the window then shows the
// reference selector).
bool IsDifferenceSort(FitSortKey key);
// The row column a key orders by.
FitRowColumn SortColumn(FitSortKey key);

// Orders `rows` by `key`: a difference sort by |value - reference|, smallest first;
// KS distance, AIC and BIC smallest first; the others largest first. A selection
// sort, so rows that compare equal keep their order; rows whose value is no number
// go last. None leaves the order.
void SortFitRows(std::vector<FitRow>& rows, FitSortKey key, DifferenceReference reference, const FitRow& dataRow,
                 const SampleCharacteristics& sample);

// The index of the first implausible row: a median of 0, or a standard deviation
// outside 0.75 s ... 1.25 s of the sample's s; empty when every row is plausible.
std::optional<std::size_t> FirstImplausibleRow(const std::vector<FitRow>& rows, double sampleStandardDeviation);

// Removes rows[first ..] from the table and takes their fits out of `run`: their
// closeness becomes 0 and their stored rows go.
void RemoveFitRows(std::vector<FitRow>& rows, std::size_t first, FitRun& run);

// The place in `run`'s ranking (and so in the ranked list) of the fit a table row
// shows, found by its type: after a sort the table's order is not the ranking's.
// Empty when the row's type is not ranked with a closeness above 0.
std::optional<int> RankedIndexOfRow(const FitRun& run, const FitRow& row);

// The headers of the fit grid's columns 0 .. 15 (grid column c shows row column
// c - 1; the description column has none), and of the sample's grid.
std::vector<std::string> FitTableHeaders(texts::Language language);
std::vector<std::string> SampleTableHeaders(texts::Language language);
// The row-number cell: " i" with two leading blanks for a single digit.
std::string FitRowNumberText(int row);

}  // namespace dorvex::rawdata

#pragma once
// The distribution function F(x) of a result as the load-duration window shows it:
// bar heights, the table of x and F(x) in the two layouts and the rows it shades,
// the two functions that bound F, and the target failure probability beside it.

#include <optional>
#include <string>
#include <vector>

#include "engine/bounds.h"
#include "model/histogram.h"
#include "texts/language.h"

namespace dorvex::analysis {

// F_i = P[1] + ... + P[i] for i = 1 ... N, summed in double from the first interval
// on; element i - 1 holds F_i.
std::vector<double> DistributionFunction(const model::Histogram& h);

// Three cells (number, x, F(x)), or five with the bounds of F beside them.
using LoadDurationRow = std::vector<std::string>;

// True when `bounds` hold one value per edge of h's grid (N + 1 of them), as the
// engine gives them for a bounded result asked with its distribution bounds.
bool HasDistributionBounds(const model::Histogram& h, const engine::DistributionBounds& bounds);

// The table of F, row 0 the headings " INT", "     x", "     F(x)". Pure Discrete:
// one row per point (its number, Min + (i - 1) d, F_i), N + 1 rows in all. Discrete:
// 2 N + 2 rows, bounds and values alternating — row 1 the lower bound Min - d/2 with
// F 0, then for every interval a value row (number, value, F_{i-1} + P_i / 2, the
// function in the middle of the interval) and a bound row (Min + (i - 1/2) d, F_i).
// Numbers are 12-character display texts, the interval number 4 characters wide.
// With distribution bounds (HasDistributionBounds) every row has two more cells, the
// lower and the upper bound of F at the row's x, headed in `language`: on an edge
// the bounds there, in the middle of an interval the lower bound at its lower edge
// and the upper bound at its upper edge; a point of a Pure Discrete result takes
// the bounds at the edge above it, up to which its values round.
std::vector<LoadDurationRow> LoadDurationTable(const model::Histogram& h,
                                               const engine::DistributionBounds* bounds = nullptr,
                                               texts::Language language = texts::Language::English);

// Colour of the shaded rows of the table (0x00BBGGRR).
inline constexpr unsigned kLoadDurationRowColour = 14609886;
// For every row of LoadDurationTable(h): the shade, or none. Discrete shades the
// value rows (2, 4, ...), Pure Discrete every row below the heading.
std::vector<std::optional<unsigned>> LoadDurationRowColours(const model::Histogram& h);

// A point of a chart line in bar units: bar i (0-based) stands at x = i, its
// interval from i - 1/2 to i + 1/2.
struct ChartPoint {
  double x = 0.0;
  double y = 0.0;
};

// The bounds of F drawn as steps over the bars: in every interval the lower line
// stays at the lower bound at its lower edge and the upper line at the upper bound
// at its upper edge, so F lies between them everywhere; 2 N + 1 points each. Values
// below `floor` are drawn at `floor` (the bottom of a logarithmic axis; 0 for a
// linear one). Both empty without distribution bounds.
struct BoundSteps {
  std::vector<ChartPoint> lower;
  std::vector<ChartPoint> upper;
};
BoundSteps DistributionBoundSteps(const model::Histogram& h, const engine::DistributionBounds& bounds,
                                  double floor = 0.0);

// The target beside F: its failure probability Pf_t = Phi(-beta_t) and where the
// value x = 0 stands among the bars (none when it lies outside the chart).
struct TargetReference {
  double beta = 0.0;
  double pf = 0.0;
  std::optional<double> zeroAt;
  std::string label;  // "Target beta = 3.80, Pf = 7.23E-5" in the language asked for
};
TargetReference LoadDurationTarget(const model::Histogram& h, double targetBeta, texts::Language language);

// The lowest probability a logarithmic F axis shows: a decade below the decade of
// the smallest positive of the target Pf, the result's Pf and the lower bound of
// its Pf, never below 1E-12.
inline constexpr double kLowestLogProbability = 1e-12;
double LogAxisMinimum(double targetPf, double pf, const engine::FailureBounds& bounds);

// F_i for the bars, or the value `floor` for those below it (see DistributionBoundSteps).
std::vector<double> RaisedTo(std::vector<double> values, double floor);

}  // namespace dorvex::analysis

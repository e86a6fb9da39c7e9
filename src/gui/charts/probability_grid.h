#pragma once
// The " INT" / x / P(x) grid of the generator windows.

#include <span>

#include "texts/language.h"

class QTableWidget;

namespace dorvex::gui {

// Fills `grid` (three columns, row 0 the headers) with `probabilities` on the values
// min + i * d: Discrete with the interval bounds on rows of their own, then the
// total row in `language`; then shows the grid.
void FillProbabilityGrid(QTableWidget* grid, std::span<const double> probabilities, double d, double min,
                         bool discrete, texts::Language language);

}  // namespace dorvex::gui

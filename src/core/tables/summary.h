#pragma once
// The summary histogram: the weighted mixture of the table's rows, each scaled by
// its multiple, laid on one common grid.

#include "tables/histogram_table_file.h"
#include "tables/table_rows.h"
#include "texts/language.h"

namespace dorvex::tables {

// Runs the checks and the computation on a summary table with `selectedRow`
// selected (0: none). In order: fewer than 2 filled rows (message 64); a selected
// row below the filled rows (nothing); a multiple or weight that is not a table
// number (message 99 + the row text); empty multiples (question 69); empty weights
// (question 65); a zero multiple (message 70; the cell is emptied); a weight <= 0
// (its own text; the cell is emptied); a row whose parameters or probabilities
// cannot be a histogram (its own text). Then: the rows' frequencies P * Total *
// weight, scaled and mirrored by the multiple, on a span from the smallest
// m * Min - d/2 to the largest m * Max + d/2; N = M and h = span / N, or, when row 1
// has exactly 6 intervals, h = 1 and N = Round(span + 1) (more than 1024 refused
// with a text naming the limit); each value goes to interval Round((x - Min + h) / h);
// the probabilities are the frequencies over their sum; Total = Round(sum of
// Round(Total_i) * weight_i).
TableOutcome ComputeSummary(HistogramTable& table, int selectedRow, texts::Language language);

}  // namespace dorvex::tables

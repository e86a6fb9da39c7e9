#pragma once
// The combination histogram: the distribution of m1*X1 + ... + mn*Xn of the
// table's rows as independent quantities, by repeated convolution.

#include "tables/histogram_table_file.h"
#include "tables/table_rows.h"
#include "texts/language.h"

namespace dorvex::tables {

// Runs the checks and the computation on a combination table (the checks run
// whichever row is selected). In order: fewer than 2 filled rows (message 74); a
// multiple that is not a table number (message 99 + the row text); zero multiples
// (message 70; every one is emptied); empty multiples (question 69); a row whose
// parameters or probabilities cannot be a histogram (its own text). Then each
// further row is added to the running sum on a grid of M intervals over the span
// of the two, widened by both half widths; a sum halfway between two intervals
// splits evenly between them. The result is trimmed of empty ends; its Total is
// the product of the rows' rounded Totals.
TableOutcome ComputeCombination(HistogramTable& table, texts::Language language);

}  // namespace dorvex::tables

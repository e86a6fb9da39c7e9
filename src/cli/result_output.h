#pragma once
// Printing a histogram result: the summary, the interval table and their JSON.

#include <ostream>

#include "engine/engine.h"
#include "model/histogram.h"

namespace dorvex::cli {

struct ResultSummary {
  const model::Histogram* histogram = nullptr;
  long double total = 0.0L;         // result total (frequency 1 for the least probable interval)
  long double probabilitySum = 0.0L;
  double failureProbability = 0.0;
  bool withFailureProbability = true;
};

// The summary of an operation's result: its histogram, total, sum and Pf.
ResultSummary SummaryOf(const engine::OperationResult& result);

// Type, N, Min, Max, d, sum of probabilities, total and Pf, one per line; with
// `table` the listing k, x, P, F follows.
void PrintSummary(std::ostream& out, const ResultSummary& summary, bool table);

// The interval listing k, x, P, F of a histogram.
void PrintTable(std::ostream& out, const model::Histogram& h);

// The same as one JSON object (keys type, n, min, max, d, sum_p, total, pf, and p
// with `table`).
void PrintSummaryJson(std::ostream& out, const ResultSummary& summary, bool table);

}  // namespace dorvex::cli

#include "result_output.h"

#include <cstdio>

#include "cli_options.h"

namespace dorvex::cli {

namespace {

const char* TypeName(model::HistogramType type) {
  return type == model::HistogramType::Discrete ? "Discrete" : "Pure Discrete";
}

}  // namespace

ResultSummary SummaryOf(const engine::OperationResult& result) {
  ResultSummary summary;
  summary.histogram = &result.histogram;
  summary.total = result.totalExtended;
  summary.probabilitySum = result.probabilitySum;
  summary.failureProbability = result.failureProbability;
  return summary;
}

void PrintSummary(std::ostream& out, const ResultSummary& s, bool table) {
  const model::Histogram& h = *s.histogram;
  out << "Type                 " << TypeName(h.Type) << '\n'
      << "Intervals N          " << h.N << '\n'
      << "Min                  " << JsonNumber(h.Min) << '\n'
      << "Max                  " << JsonNumber(h.Max) << '\n'
      << "Class width d        " << JsonNumber(h.d) << '\n'
      << "Sum of probabilities " << JsonNumber(static_cast<double>(s.probabilitySum)) << '\n'
      << "Total                " << JsonNumber(static_cast<double>(s.total)) << '\n';
  if (s.withFailureProbability)
    out << "Failure probability  " << JsonNumber(s.failureProbability) << '\n';
  if (table) PrintTable(out, h);
}

void PrintTable(std::ostream& out, const model::Histogram& h) {
  out << "\n     k                        x                        P                        F\n";
  long double cumulative = 0.0L;
  char line[160];
  for (int k = 1; k <= h.N; ++k) {
    cumulative += h.P[k];
    std::snprintf(line, sizeof line, "%6d %24s %24s %24s\n", k,
                  JsonNumber(h.Min + (k - 1) * h.d).c_str(), JsonNumber(h.P[k]).c_str(),
                  JsonNumber(static_cast<double>(cumulative)).c_str());
    out << line;
  }
}

void PrintSummaryJson(std::ostream& out, const ResultSummary& s, bool table) {
  const model::Histogram& h = *s.histogram;
  out << "{\"type\": " << JsonString(TypeName(h.Type)) << ", \"n\": " << h.N
      << ", \"min\": " << JsonNumber(h.Min) << ", \"max\": " << JsonNumber(h.Max)
      << ", \"d\": " << JsonNumber(h.d)
      << ", \"sum_p\": " << JsonNumber(static_cast<double>(s.probabilitySum))
      << ", \"total\": " << JsonNumber(static_cast<double>(s.total));
  if (s.withFailureProbability) out << ", \"pf\": " << JsonNumber(s.failureProbability);
  if (table) {
    out << ", \"p\": [";
    for (int k = 1; k <= h.N; ++k) out << (k > 1 ? ", " : "") << JsonNumber(h.P[k]);
    out << "]";
  }
  out << "}\n";
}

}  // namespace dorvex::cli

// Feeds arbitrary bytes to the table-file reader of the summary and combination
// tables, then computes both tables from whatever was read. Besides crashes and
// sanitizer reports: a table read whole is written back to the bytes it reads
// from again, and a summary that succeeds has probabilities summing to 1.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tables/combination.h"
#include "tables/histogram_table_file.h"
#include "tables/summary.h"

namespace {

namespace tables = dorvex::tables;
using dorvex::texts::Language;

// The normalisation divides by the sum of the very values it adds up.
constexpr long double kSumSlack = 1e-9L;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// A table whose rows hold probabilities before the bytes are read over it, so
// that a short input with parameters reaches the computations.
tables::HistogramTable Prepared(tables::TableKind kind) {
  tables::HistogramTable table = tables::NewTable(kind, Language::English);
  for (auto& P : table.probabilities) {
    for (int k = 1; k <= dorvex::kMaxBins; ++k) P[static_cast<std::size_t>(k)] = 1.0 / 16;
  }
  return table;
}

void CheckHistogram(const dorvex::model::Histogram& h, bool sumsToOne) {
  Check(h.N >= 1 && h.N <= dorvex::kMaxBins);
  Check(std::isfinite(h.Min) && std::isfinite(h.d) && h.d > 0);
  long double sum = 0;
  for (int k = 1; k <= h.N; ++k) {
    Check(std::isfinite(h.P[k]) && h.P[k] >= 0);
    sum += h.P[k];
  }
  if (sumsToOne) Check(sum >= 1 - kSumSlack && sum <= 1 + kSumSlack);
}

template <class Compute>
void ComputeAnswering(tables::HistogramTable& table, Compute compute, bool sumsToOne) {
  // Each question answered Yes, as the command line does; at most two are asked.
  for (int round = 0; round < 3; ++round) {
    const tables::TableOutcome outcome = compute(table);
    if (outcome.question != 0) {
      tables::AnswerQuestion(table, outcome.question, true);
      continue;
    }
    if (outcome.result) CheckHistogram(*outcome.result, sumsToOne);
    return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const tables::TableKind kind : {tables::TableKind::Summary, tables::TableKind::Combination}) {
    tables::HistogramTable table = Prepared(kind);
    const tables::TableReadOutcome read = tables::DecodeTable(bytes, table);
    Check(read.offset <= size);
    if (read.complete()) {
      const std::string again = tables::EncodeTable(table, table.storedCount);
      tables::HistogramTable reread = Prepared(kind);
      Check(tables::DecodeTable(again, reread).complete());
      Check(tables::EncodeTable(reread, reread.storedCount) == again);
    }
    if (kind == tables::TableKind::Summary) {
      ComputeAnswering(table, [](tables::HistogramTable& t) { return tables::ComputeSummary(t, 1, Language::English); },
                       true);
    } else {
      ComputeAnswering(table, [](tables::HistogramTable& t) { return tables::ComputeCombination(t, Language::English); },
                       false);
    }
  }
  return 0;
}

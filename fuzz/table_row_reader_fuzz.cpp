// Feeds arbitrary bytes to the table-row reader. Besides crashes and sanitizer
// reports, a read that succeeds must give a row whose probabilities sum to 1.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/report_error.h"
#include "model/table_row_reader.h"

namespace {

using dorvex::model::HistogramType;
using dorvex::model::TableRowReadResult;

// The frequencies sum to Total exactly; only the rounding of the quotients remains.
constexpr long double kSumSlack = 1e-12L;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const HistogramType typeWhenMissing =
      size > 0 && (data[size - 1] & 1) != 0 ? HistogramType::Discrete : HistogramType::PureDiscrete;
  const TableRowReadResult r = dorvex::model::ReadTableRowText(text, typeWhenMissing);
  if (r.ok()) {
    const auto& row = r.record;
    Check(row.Bins >= 2 && row.Bins <= dorvex::kMaxBins);
    Check(std::isfinite(row.Min) && std::isfinite(row.Max) && std::isfinite(row.d));
    Check(row.Min <= row.Max);
    long double sum = 0;
    for (int i = 1; i <= row.Bins; ++i) {
      Check(std::isfinite(row.P[i]) && row.P[i] >= 0);
      sum += row.P[i];
    }
    Check(sum >= 1 - kSumSlack && sum <= 1 + kSumSlack);
    Check(!r.cells.min.empty() && !r.cells.max.empty() && !r.cells.bins.empty());
    Check(!r.clearRowFromColumn2);
  } else {
    Check(r.clearRowFromColumn2);
    Check(r.error->code == 0 || r.error->code == 16);
    const auto composed =
        dorvex::model::ComposeReportError(*r.error, dorvex::texts::Language::English);
    Check(!composed.text.empty());
  }
  return 0;
}

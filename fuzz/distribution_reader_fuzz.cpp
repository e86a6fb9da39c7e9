// Feeds arbitrary bytes to the main window's distribution file reader. Besides
// crashes and sanitizer reports, a read that succeeds must give a histogram that
// keeps the invariants of a loaded file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/distribution_file_reader.h"
#include "model/report_error.h"

namespace {

using dorvex::model::DistributionReadOptions;
using dorvex::model::DistributionReadResult;
using dorvex::model::HistogramType;

// Rounding of up to 1024 quotients around the accepted ratio 0.99999 .. 1.00001.
constexpr long double kSumSlack = 1e-5L + 1e-12L;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckLoaded(const DistributionReadResult& r) {
  const auto& h = r.record.histogram;
  Check(h.N >= 1 && h.N <= dorvex::kMaxBins);
  Check(std::isfinite(h.Min) && std::isfinite(h.Max) && std::isfinite(h.d) && h.d >= 0);
  Check(h.Min <= h.Max);
  Check(h.P[1] > 0 && h.P[h.N] > 0);  // trimmed
  long double sum = 0;
  for (int i = 1; i <= h.N; ++i) {
    Check(std::isfinite(h.P[i]) && h.P[i] >= 0);
    sum += h.P[i];
  }
  Check(sum >= 1 - kSumSlack && sum <= 1 + kSumSlack);
  for (int i = h.N + 1; i <= dorvex::kMaxBins; ++i) Check(h.P[i] == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  // The last byte also picks the options, so both listing paths and both previous
  // types are explored without a separate input format.
  const std::uint8_t flags = size > 0 ? data[size - 1] : 0;
  DistributionReadOptions options;
  options.controlListing = (flags & 1) != 0;
  options.typeWhenMissing =
      (flags & 2) != 0 ? HistogramType::Discrete : HistogramType::PureDiscrete;

  const DistributionReadResult r = dorvex::model::ReadDistributionText(text, options);
  if (r.ok()) {
    CheckLoaded(r);
  } else {
    Check(r.error->code >= 2 && r.error->code <= 39);
    const auto composed =
        dorvex::model::ComposeReportError(*r.error, dorvex::texts::Language::Czech);
    Check(!composed.text.empty());
  }
  if (!r.listing.empty()) Check(r.listing.size() >= 4 && r.listing.size() <= dorvex::kMaxBins + 2u);
  return 0;
}

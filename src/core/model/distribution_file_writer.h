#pragma once
// The result histogram as a distribution file (".dis"): its text, its integer
// frequencies and the file written so that a failed write keeps the old file.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/histogram.h"
#include "model/report_error.h"

namespace dorvex::model {

// The integer frequencies of a result.
struct ResultFrequencies {
  std::array<std::int64_t, kMaxBins + 1> f{};  // f[1..N]; f[0] unused
  std::int64_t total = 0;                      // f[1] + ... + f[N]
  long double multiplier = 0.0L;               // c after any divisions by 10
};

// f[k] = Round(P[k] * c) (halves to even) with c = the result total (1 / the
// smallest non-zero probability), divided by 10 as long as the frequencies
// would not fit a 64-bit integer sum. The total must be finite and positive.
ResultFrequencies ComputeResultFrequencies(const Histogram& result, long double resultTotal);

// The file's text, CR LF line ends: [Description] with `identification`, the type
// and "Form=Frequency"; [Parameters] with Min and Max (outer edges of a Discrete
// result, end points of a Pure Discrete one) as the shortest text that reads back
// to the same double, Bins and Total; [Bins] with one frequency per interval.
std::string DistributionFileText(const Histogram& result, long double resultTotal,
                                 std::string_view identification);

// Writes the result to `path` (Identification = its file name with extension)
// through a temporary file in the same folder renamed over `path`. On failure the
// existing file is untouched and code 23 names the file.
std::optional<ModelError> WriteResultDistributionFile(const std::string& path,
                                                      const Histogram& result,
                                                      long double resultTotal);

}  // namespace dorvex::model

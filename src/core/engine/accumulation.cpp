#include "engine/accumulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/fp_faults.h"

namespace dorvex::engine::detail {

namespace {

constexpr int kIndexOutOfRangeMessage = 130;

// The index Round(q) + 1 as a decimal integer, for the message.
std::string IndexText(double q) {
  char text[64];
  std::snprintf(text, sizeof text, "%.0Lf", std::nearbyint(static_cast<long double>(q)) + 1.0L);
  return text;
}

}  // namespace

void FillPoints(const model::Histogram& h, Points& points) {
  points.n = std::clamp(h.N, 0, kMaxBins);
  points.p = &h.P;
  for (int i = 1; i <= points.n; ++i) points.x[i] = h.Min + (i - 1) * h.d;
}

Stop Failure(const model::ModelError& error) { return Stop{error, false}; }

Stop Failure(int code) {
  model::ModelError error;
  error.code = code;
  return Failure(error);
}

Stop Cancelled() { return Stop{model::ModelError{}, true}; }

Stop IndexError(double q, const IndexContext& context) {
  if (!std::isfinite(q)) return Failure(NonFiniteFault(q));
  if (auto fault = RaisedFloatingPointFault()) return Failure(*fault);
  model::ModelError error;  // shown directly, not through a code
  if (context.repeatedQuotientStep == 0) {
    error.message = kIndexOutOfRangeMessage;
    error.insert = IndexText(q);
  } else {
    // The repeated quotient has its own text, never translated.
    error.append = "Index pole (" + IndexText(q) + ") není v rozsahu 1 .. 1024 pro n=" +
                   std::to_string(context.repeatedQuotientStep) + " ! \r\n\tVýpočet nelze provést! ";
  }
  return Failure(error);
}

void KeepHighestInterval(Work& w) {
  if (w.highest <= w.N) return;
  w.N = w.highest;
  w.Max = w.Min + (w.N - 1) * w.d;
}

}  // namespace dorvex::engine::detail

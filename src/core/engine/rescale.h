#pragma once
// Reshaping a result: scaling it by the result multiple nAB, and placing its
// probabilities on a new span.

#include <optional>

#include "engine/engine.h"
#include "model/histogram.h"
#include "model/report_error.h"

namespace dorvex::engine {

// A rescaled result.
struct RescaleOutcome {
  // The operation run again and its result scaled by `multiple`; an error of the
  // run is passed on.
  OperationOutcome outcome;
  // Shown before the run, which then goes on with the multiple 1: message 23 for a
  // multiple of 0, code 40 for a fractional multiple of a Pure Discrete result.
  std::optional<model::ModelError> notice;
  double multiple = 1.0;
};

// Runs `request` again and scales its result by nAB (ApplyMultiple: values times
// nAB, widths times |nAB|, reversed for a negative nAB). A negative nAB turns the
// failure probability into that of the mirrored result, sum - Pf.
RescaleOutcome RescaleResult(const OperationRequest& request, double nAB);

enum class RangeEnd { Min, Max };

// Puts the result's probabilities on a new span: Min (or Max) becomes `value`,
// d = (Max - Min) / (N - 1), Range = Max - Min. Refused without any change: a Min
// not below Max (message 31), a Max not above Min (message 30), and for a Pure
// Discrete result a value that is not an integer (code 41 for Min, 42 for Max).
std::optional<model::ModelError> PlaceOnRange(model::Histogram& result, RangeEnd end, double value);

}  // namespace dorvex::engine

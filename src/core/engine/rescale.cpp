#include "engine/rescale.h"

#include <cmath>

namespace dorvex::engine {

namespace {

constexpr int kMultipleZeroMessage = 23;
constexpr int kMaxBelowMinMessage = 30;
constexpr int kMinAboveMaxMessage = 31;
constexpr int kPureDiscreteMultipleCode = 40;
constexpr int kPureDiscreteMinCode = 41;
constexpr int kPureDiscreteMaxCode = 42;

bool IsInteger(double x) { return std::isfinite(x) && x == std::trunc(x); }

model::ModelError Message(int message) {
  model::ModelError error;  // shown directly
  error.message = message;
  return error;
}

model::ModelError Code(int code) {
  model::ModelError error;
  error.code = code;
  return error;
}

}  // namespace

RescaleOutcome RescaleResult(const OperationRequest& request, double nAB) {
  RescaleOutcome rescaled;
  rescaled.multiple = nAB;
  if (nAB == 0.0) {
    rescaled.notice = Message(kMultipleZeroMessage);
    rescaled.multiple = 1.0;
  } else if (ResultType(request) == model::HistogramType::PureDiscrete && !IsInteger(nAB)) {
    rescaled.notice = Code(kPureDiscreteMultipleCode);
    rescaled.multiple = 1.0;
  }

  rescaled.outcome = RunOperation(request);
  if (rescaled.outcome.result) {
    OperationResult& result = *rescaled.outcome.result;
    result.histogram = model::ApplyMultiple(result.histogram, rescaled.multiple);
    result.bounds = ScaleBounds(result.bounds, rescaled.multiple);
    if (rescaled.multiple < 0.0) {
      // Mirrored: what lay above zero now lies below it.
      result.failureProbability =
          static_cast<double>(result.probabilitySum - result.failureProbability);
    }
  }
  return rescaled;
}

std::optional<model::ModelError> PlaceOnRange(model::Histogram& result, RangeEnd end, double value) {
  const bool isMin = end == RangeEnd::Min;
  if (isMin && !(value < result.Max)) return Message(kMinAboveMaxMessage);
  if (!isMin && !(value > result.Min)) return Message(kMaxBelowMinMessage);
  if (result.Type == model::HistogramType::PureDiscrete && !IsInteger(value)) {
    return Code(isMin ? kPureDiscreteMinCode : kPureDiscreteMaxCode);
  }
  (isMin ? result.Min : result.Max) = value;
  // A single value has no width to spread; it keeps its own.
  if (result.N >= 2) result.d = (result.Max - result.Min) / (result.N - 1);
  result.Range = result.Max - result.Min;
  return std::nullopt;
}

}  // namespace dorvex::engine

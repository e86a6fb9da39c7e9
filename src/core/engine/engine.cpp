#include "engine/engine.h"

#include <algorithm>
#include <cmath>

#include "engine/accumulation.h"
#include "engine/arithmetic_faults.h"
#include "engine/operation_table.h"
#include "engine/operations.h"
#include "numeric/round.h"
#include "statvex/conversions.h"

namespace dorvex::engine {

namespace {

using detail::Status;
using detail::Work;

constexpr int kBothInputsMissingCode = 27;
constexpr int kInputAMissingCode = 28;
constexpr int kSumNotOneCode = 30;
constexpr int kNotAnIntegerCode = 48;
constexpr int kDivisorTouchesZeroCode = 49;
constexpr int kZeroExponentCode = 50;
constexpr int kExponentMissingCode = 54;
constexpr int kCountBelowOneCode = 55;

// The smallest probability starts here, so an empty result gets a finite total.
constexpr double kNoProbabilityYet = 1e300;

bool IsOperation(int code) { return code >= kSum && code <= kRepeatedQuotient; }

model::ModelError ErrorOf(int code) {
  model::ModelError error;
  error.code = code;
  return error;
}

// The exponent or count of operations 7..10, or the error that refuses it.
std::optional<model::ModelError> ReadExponent(const OperationRequest& request, std::int32_t& n) {
  if (request.exponent.empty()) return ErrorOf(kExponentMissingCode);
  if (!statvex::ParseInt32(request.exponent, n)) return ErrorOf(kNotAnIntegerCode);
  if (request.code == kPower && n == 0) return ErrorOf(kZeroExponentCode);
  if (request.code != kPower && n < 1) return ErrorOf(kCountBelowOneCode);
  return std::nullopt;
}

// The first non-finite number of the finished result, if any.
std::optional<double> FirstNonFinite(const OperationResult& result) {
  const model::Histogram& h = result.histogram;
  for (double value : {h.Min, h.Max, h.d, result.total, result.failureProbability}) {
    if (!std::isfinite(value)) return value;
  }
  for (int k = 1; k <= h.N; ++k) {
    if (!std::isfinite(h.P[k])) return h.P[k];
  }
  return std::nullopt;
}

// Trims the grid to its values, totals it and checks that it sums to 1.
OperationOutcome Finish(const OperationRequest& request, Work& w) {
  OperationResult result;
  result.histogram = HistogramOf(w, ResultType(request));
  model::Histogram& h = result.histogram;
  if (h.N > 4) model::TrimZeroEnds(h);

  long double sum = 0.0L;
  double smallest = kNoProbabilityYet;
  for (int k = 1; k <= h.N; ++k) {
    sum += h.P[k];
    if (h.P[k] > 0.0 && h.P[k] < smallest) smallest = h.P[k];
  }
  result.probabilitySum = sum;
  result.totalExtended = 1.0L / smallest;
  result.total = static_cast<double>(result.totalExtended);
  h.Total = result.totalExtended;
  // Rounding of the pair sums must not lift it above what the result holds.
  result.failureProbability = static_cast<double>(std::clamp(w.failure, 0.0L, sum));
  result.failureFromOperation = true;
  result.label = OperationLabel(request.code);

  OperationOutcome outcome;
  if (auto value = FirstNonFinite(result)) {
    outcome.error = ArithmeticFaultError(numeric::FaultOf(*value));
    return outcome;
  }
  if (auto fault = ArithmeticFaultError(numeric::RaisedFpFault())) {
    outcome.error = *fault;
    return outcome;
  }
  if (RoundHalfEven(sum) != 1) outcome.error = ErrorOf(kSumNotOneCode);
  outcome.result = std::move(result);
  return outcome;
}

Status Run(const OperationRequest& request, Work& w) {
  detail::Inputs in;
  in.a = request.a;
  in.b = request.b;
  in.type = ResultType(request);
  in.pointLimit = request.pointLimit;
  in.control = detail::Control{&request.progress, &request.cancel};

  const int code = request.code;
  if (IsBinaryOperation(code)) return detail::RunBinaryOperation(code, in, w);
  if (code == kSquare) return detail::RunSquare(in, w);
  if (code == kAbsolute) return detail::RunAbsolute(in, w);

  if (code == kRepeatedQuotient) {
    const detail::Axis a{in.a->Min, in.a->Max, in.a->d};
    if (detail::TouchesZero(a)) return detail::Failure(kDivisorTouchesZeroCode);
  }
  if (auto error = ReadExponent(request, in.n)) return detail::Failure(*error);
  if (code == kPower) return detail::RunPower(in, w);
  return detail::RunRepeated(code, in, w);
}

}  // namespace

bool IsBinaryOperation(int code) { return code >= kSum && code <= kQuotient; }

model::HistogramType ResultType(const OperationRequest& request) {
  const auto discrete = [](const model::Histogram* h) {
    return h != nullptr && h->Type == model::HistogramType::Discrete;
  };
  const bool result = discrete(request.a) || (IsBinaryOperation(request.code) && discrete(request.b));
  return result ? model::HistogramType::Discrete : model::HistogramType::PureDiscrete;
}

std::string OperationLabel(int code) {
  const OperationEntry* entry = FindOperation(code);
  return entry != nullptr ? entry->label : "";
}

OperationOutcome RunOperation(const OperationRequest& request) {
  numeric::ClearFpFaults();
  OperationOutcome outcome;
  const int code = request.code;
  if (IsBinaryOperation(code) && (request.a == nullptr || request.b == nullptr)) {
    outcome.error = ErrorOf(kBothInputsMissingCode);
    return outcome;
  }
  if (IsOperation(code) && request.a == nullptr) {
    outcome.error = ErrorOf(kInputAMissingCode);
    return outcome;
  }

  Work w;
  if (IsOperation(code)) {
    if (auto stop = Run(request, w)) {
      if (stop->cancelled) {
        outcome.cancelled = true;
      } else {
        outcome.error = stop->error;
      }
      return outcome;
    }
  }
  outcome = Finish(request, w);
  if (outcome.result && IsOperation(code) && request.withBounds) {
    BoundsRequest bounds{code, request.a, request.b, 0, request.cutA, request.cutB};
    bounds.distribution = request.withDistributionBounds;
    // The operations from A^n on take a count, which the run has read already.
    if (code < kPower || !ReadExponent(request, bounds.n)) {
      outcome.result->bounds = ComputeBounds(bounds, outcome.result->histogram);
    }
  }
  return outcome;
}

}  // namespace dorvex::engine

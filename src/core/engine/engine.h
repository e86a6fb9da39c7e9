#pragma once
// The operation engine: turns the scaled inputs A' and B' into the result AB by
// combining every pair (or every single) interval and accumulating the
// probabilities into one result grid.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/bounds.h"
#include "model/histogram.h"
#include "model/report_error.h"

namespace dorvex::engine {

// Operation codes: the index of the operation list + 1. Any other code (0 for an
// empty selection) runs no operation and ends with the sum check (error 30).
enum OperationCode : int {
  kSum = 1,               // A + B
  kDifference = 2,        // A - B
  kProduct = 3,           // A * B
  kQuotient = 4,          // A / B
  kSquare = 5,            // A^2
  kAbsolute = 6,          // abs(A)
  kPower = 7,             // A^n
  kRepeatedSum = 8,       // A + A + ... + A, n copies
  kRepeatedProduct = 9,   // A * A * ... * A
  kRepeatedQuotient = 10, // A / A / ... / A
};

// Default limit of points of a Pure Discrete result (settings key
// "Prob_u-Form1.Pocet intervalu").
inline constexpr int kDefaultPointLimit = 256;

// Called after each outer step with the steps done and the steps in all.
using ProgressCallback = std::function<void(std::int64_t done, std::int64_t total)>;
// Asked after each outer step; true abandons the run.
using CancelCallback = std::function<bool()>;

struct OperationRequest {
  int code = 0;
  // The scaled inputs A' and B'; nullptr when the slot holds no histogram.
  const model::Histogram* a = nullptr;
  const model::Histogram* b = nullptr;
  // The exponent or count n as typed (operations 7..10): an optional sign and
  // decimal digits; empty means not given.
  std::string exponent;
  // Points of a Pure Discrete result; taken within 2..1022 so that rounding at the
  // top end stays inside the 1024 intervals.
  int pointLimit = kDefaultPointLimit;
  // Probability each input's span leaves out; widens the bounds.
  model::CutProbability cutA;
  model::CutProbability cutB;
  // False leaves the result's bounds NotComputed.
  bool withBounds = true;
  // True adds the bounding distribution functions (as costly as the run itself).
  bool withDistributionBounds = false;
  ProgressCallback progress;  // optional
  CancelCallback cancel;      // optional
};

// A finished run. `histogram` is AB: P[1..N] (zero beyond N), N, Min and Max the
// values of the first and last interval, d, Range = Max - Min, Type, and Total
// equal to `totalExtended`.
struct OperationResult {
  model::Histogram histogram;
  // P(AB < 0) plus half of P(AB = 0), accumulated from the combined values (for a
  // Discrete result of a nonlinear operation, the share of each image below 0);
  // never above probabilitySum.
  double failureProbability = 0.0;
  // True when failureProbability comes from the operation: P(X <= 0) then answers
  // it. A histogram standing in for a result (a loaded file) leaves it false.
  bool failureFromOperation = false;
  // 1 / the smallest non-zero probability, so that it has frequency 1.
  double total = 0.0;
  long double totalExtended = 0.0L;
  // "(A + B) * nAB" and the like; empty for a code without an operation.
  std::string label;
  // P[1] + ... + P[N], summed in 80-bit precision.
  long double probabilitySum = 0.0L;
  // Where failureProbability and the distribution function can lie, or why
  // there are no bounds.
  FailureBounds bounds;
};

// What a run gives: a result, an error, or both when the probabilities do not
// round to 1 (error 30 keeps the result for display). A cancelled run has neither.
struct OperationOutcome {
  std::optional<OperationResult> result;
  std::optional<model::ModelError> error;
  bool cancelled = false;

  bool ok() const { return result.has_value() && !error.has_value() && !cancelled; }
};

// Runs the operation of `request`. Never throws for user errors; results do not
// depend on the progress or cancel callbacks.
OperationOutcome RunOperation(const OperationRequest& request);

// The result label of an operation code; empty for a code without an operation.
std::string OperationLabel(int code);

// True for the four operations that need both A and B.
bool IsBinaryOperation(int code);

// Type of the result: Discrete when A is, or for a binary operation when B is.
model::HistogramType ResultType(const OperationRequest& request);

}  // namespace dorvex::engine

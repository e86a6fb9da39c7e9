#pragma once
// Arithmetic faults of a run, read from the floating-point exception flags:
// division by zero, overflow and invalid operation stop a run; underflow and
// inexact results are ignored.

#include <optional>

#include "model/report_error.h"

namespace dorvex::engine {

// Error codes of the arithmetic faults.
inline constexpr int kDivisionByZeroCode = 43;
inline constexpr int kOverflowCode = 44;
inline constexpr int kInvalidOperationCode = 46;

// Clears the flags; every run starts with this.
void ClearFloatingPointFaults();

// The error of a fault flagged since the last clearing, or empty. When several are
// flagged, the cause wins over its consequence: division by zero, then overflow,
// then invalid operation.
std::optional<model::ModelError> RaisedFloatingPointFault();

// The fault that a non-finite value stands for: the flagged fault when there is
// one, else invalid operation for NaN and overflow for an infinity.
model::ModelError NonFiniteFault(double value);

}  // namespace dorvex::engine

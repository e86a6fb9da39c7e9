#pragma once
// The engine's error codes of the arithmetic faults that numeric/fp_fault.h reads
// from the floating-point flags.

#include <optional>

#include "model/report_error.h"
#include "numeric/fp_fault.h"

namespace dorvex::engine {

inline constexpr int kDivisionByZeroCode = 43;
inline constexpr int kOverflowCode = 44;
inline constexpr int kInvalidOperationCode = 46;
inline constexpr int kOtherArithmeticCode = 47;

// The error of `fault`; empty for none.
std::optional<model::ModelError> ArithmeticFaultError(numeric::FpFault fault);

}  // namespace dorvex::engine

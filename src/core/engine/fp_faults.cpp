#include "engine/fp_faults.h"

#include "numeric/fp_fault.h"

namespace dorvex::engine {

namespace {

constexpr int kOtherArithmeticCode = 47;

std::optional<model::ModelError> ErrorOf(numeric::FpFault fault) {
  model::ModelError error;
  switch (fault) {
    case numeric::FpFault::None:
      return std::nullopt;
    case numeric::FpFault::DivisionByZero:
      error.code = kDivisionByZeroCode;
      break;
    case numeric::FpFault::Overflow:
      error.code = kOverflowCode;
      break;
    case numeric::FpFault::InvalidOperation:
      error.code = kInvalidOperationCode;
      break;
    case numeric::FpFault::OtherMath:
      error.code = kOtherArithmeticCode;
      break;
  }
  return error;
}

}  // namespace

void ClearFloatingPointFaults() { numeric::ClearFpFaults(); }

std::optional<model::ModelError> RaisedFloatingPointFault() {
  return ErrorOf(numeric::RaisedFpFault());
}

model::ModelError NonFiniteFault(double value) {
  // A non-finite value always stands for some fault.
  return ErrorOf(numeric::FaultOf(value)).value_or(model::ModelError{kInvalidOperationCode, {}, {}, 0});
}

}  // namespace dorvex::engine

#include "engine/arithmetic_faults.h"

namespace dorvex::engine {

std::optional<model::ModelError> ArithmeticFaultError(numeric::FpFault fault) {
  switch (fault) {
    case numeric::FpFault::None: return std::nullopt;
    case numeric::FpFault::DivisionByZero: return model::ModelError{kDivisionByZeroCode, {}, {}, 0};
    case numeric::FpFault::Overflow: return model::ModelError{kOverflowCode, {}, {}, 0};
    case numeric::FpFault::InvalidOperation: return model::ModelError{kInvalidOperationCode, {}, {}, 0};
    case numeric::FpFault::OtherMath: return model::ModelError{kOtherArithmeticCode, {}, {}, 0};
  }
  return std::nullopt;
}

}  // namespace dorvex::engine

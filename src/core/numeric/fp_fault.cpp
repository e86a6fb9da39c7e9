#include "numeric/fp_fault.h"

#include <cfenv>
#include <cmath>

namespace dorvex::numeric {

namespace {
constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
}

void ClearFpFaults() { std::feclearexcept(kFaultFlags); }

FpFault RaisedFpFault() {
  const int raised = std::fetestexcept(kFaultFlags);
  if (raised & FE_DIVBYZERO) return FpFault::DivisionByZero;
  if (raised & FE_OVERFLOW) return FpFault::Overflow;
  if (raised & FE_INVALID) return FpFault::InvalidOperation;
  return FpFault::None;
}

FpFault FaultOf(long double value) {
  const FpFault raised = RaisedFpFault();
  if (raised != FpFault::None) return raised;
  if (std::isnan(value)) return FpFault::InvalidOperation;
  if (std::isinf(value)) return FpFault::Overflow;
  return FpFault::None;
}

}  // namespace dorvex::numeric

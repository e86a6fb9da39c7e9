#include "numeric/math_limits.h"

namespace dorvex::numeric {

thread_local std::int32_t MathError = kMathOk;

void SetMathError(std::int32_t code) { MathError = code; }

double ErrorValue(std::int32_t code, double value) {
  MathError = code;
  return value;
}

}  // namespace dorvex::numeric

#pragma once
// Elementary functions that never raise: at their limits they return a default
// value together with the fault that made it.

#include <cstdint>
#include <optional>

#include "numeric/math_limits.h"

namespace dorvex::numeric {

// e^x; x < MinLog gives 0 (underflow), x > MaxLog gives MaxNum (overflow).
MathValue ExpChecked(double x);
// ln x; x < 0 gives -MaxNum (domain), x = 0 gives -MaxNum (singularity).
MathValue LnChecked(double x);
// log10 x as ln x * log10(e), with the limits of LnChecked.
MathValue Log10Checked(double x);
// -1 for x < 0, else 1.
double SignOf(double x);
// The fixed answer of x^y when it has one (y = 0, y = 1 or x = 0): 0^y with
// y < 0 gives MaxNum (singularity). Empty otherwise.
std::optional<MathValue> PowerSpecial(double x, double y);
// x^n by repeated squaring of a base of magnitude at most 1; a result beyond
// MaxNum gives +-MaxNum (overflow).
MathValue PowerInt(double x, std::int32_t n);
// x^y: integer y (|y| < 2147483647) through PowerInt; otherwise x <= 0 gives 0
// (domain), an underflowing result 0 (underflow), an overflowing one MaxNum
// (overflow).
MathValue PowerReal(double x, double y);

}  // namespace dorvex::numeric

#pragma once
// Elementary functions that never raise: at their limits they return a default
// value and leave a code in MathError.

#include <cstdint>

namespace dorvex::numeric {

// e^x. Clears MathError; x < MinLog gives 0 (underflow), x > MaxLog gives MaxNum
// (overflow).
double ExpChecked(double x);
// ln x. Clears MathError; x < 0 gives -MaxNum (domain), x = 0 gives -MaxNum
// (singularity).
double LnChecked(double x);
// log10 x as ln x * log10(e), with the limits of LnChecked.
double Log10Checked(double x);
// -1 for x < 0, else 1.
double SignOf(double x);
// True when x^y has a fixed answer (y = 0, y = 1 or x = 0), which goes to z;
// 0^y with y < 0 gives MaxNum (singularity). Does not clear MathError.
bool PowerSpecial(double x, double y, double& z);
// x^n by repeated squaring of a base of magnitude at most 1; a result beyond
// MaxNum gives +-MaxNum (overflow). Does not clear MathError.
double PowerInt(double x, std::int32_t n);
// x^y: integer y (|y| < 2147483647) through PowerInt; otherwise x <= 0 gives 0
// (domain), an underflowing result 0 (underflow), an overflowing one MaxNum
// (overflow). Does not clear MathError.
double PowerReal(double x, double y);

}  // namespace dorvex::numeric

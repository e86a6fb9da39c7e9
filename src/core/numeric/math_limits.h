#pragma once
// Error state and limits shared by the special functions.

#include <bit>
#include <cstdint>

namespace dorvex::numeric {

// Codes left in MathError by the last special-function call.
inline constexpr std::int32_t kMathOk = 0;
inline constexpr std::int32_t kMathDomain = -1;       // argument out of the domain
inline constexpr std::int32_t kMathSingularity = -2;  // pole or log of zero
inline constexpr std::int32_t kMathOverflow = -3;
inline constexpr std::int32_t kMathUnderflow = -4;

// The code of the last call. Per thread, so a worker thread cannot disturb it.
extern thread_local std::int32_t MathError;

// The "infinite" default value: a little below the largest double.
inline constexpr double MaxNum = std::bit_cast<double>(std::uint64_t{0x7FEFFFFFFFFFFFFB});
// 1 / MaxNum: below it an integer power's reciprocal would overflow.
inline constexpr double MinNum = 5.562684646268006E-309;
// Smallest argument of exp that does not underflow.
inline constexpr double MinLog = -708.3964185322641;
// Largest argument of exp that does not overflow.
inline constexpr double MaxLog = 709.782712893384;
// Largest argument of the gamma function.
inline constexpr double MaxGam = 171.624376956302;
// sqrt(2 pi), for the Stirling formula.
inline constexpr double Sqrt2Pi = 2.5066282746310005025;
// log10(e), for the decimal logarithm.
inline constexpr double Log10E = 0.43429448190325182765;
// pi / MaxNum: the overflow guard of the gamma reflection formula.
inline constexpr double PiOverMaxNum = 1.7475689218952307E-308;

// Stores code in MathError.
void SetMathError(std::int32_t code);
// Stores code in MathError and returns value unchanged.
double ErrorValue(std::int32_t code, double value);

}  // namespace dorvex::numeric

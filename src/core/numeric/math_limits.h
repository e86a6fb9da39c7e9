#pragma once
// Limits and the answer type shared by the special functions.

#include <bit>
#include <cstdint>

namespace dorvex::numeric {

// How a special function met its limits.
enum class MathFault : std::int32_t {
  None = 0,
  Domain = -1,       // argument out of the domain
  Singularity = -2,  // pole or log of zero
  Overflow = -3,
  Underflow = -4,
};

// A special function's answer: the value, or the default value its limit gives
// together with the fault that made it.
struct MathValue {
  double value = 0.0;
  MathFault fault = MathFault::None;
};

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

}  // namespace dorvex::numeric

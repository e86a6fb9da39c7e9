#pragma once
// The one rounding of the program: to the nearest integer, halves to the even
// neighbour, as a 64-bit integer.

#include <cfenv>
#include <cmath>
#include <cstdint>

namespace dorvex {

// Round-half-to-even of x. The caller keeps x within the int64 range.
inline std::int64_t RoundHalfEven(long double x) {
  // nearbyint honours the current rounding mode, which the program never changes
  // from round-to-nearest-even.
  return static_cast<std::int64_t>(std::nearbyintl(x));
}

inline std::int64_t RoundHalfEven(double x) {
  // Below 2^51 in magnitude, adding and taking away 1.5 * 2^52 rounds x in the
  // current (nearest-even) mode exactly as nearbyint does, inline instead of a
  // library call: the engine rounds once per combined pair.
  constexpr double kShift = 0x1.8p52;
  if (std::fabs(x) < 0x1p51) return static_cast<std::int64_t>((x + kShift) - kShift);
  return static_cast<std::int64_t>(std::nearbyint(x));
}

}  // namespace dorvex

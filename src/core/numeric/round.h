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
  return static_cast<std::int64_t>(std::nearbyint(x));
}

}  // namespace dorvex

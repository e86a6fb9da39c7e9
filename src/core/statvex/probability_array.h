#pragma once
// The fixed probability array every histogram carries.

#include <array>

namespace dorvex {

// Largest number of intervals anywhere in the program.
inline constexpr int kMaxBins = 1024;

// P[1..kMaxBins]; P[0] is unused and stays 0 so that indices match every listing.
using ProbabilityArray = std::array<double, kMaxBins + 1>;

}  // namespace dorvex

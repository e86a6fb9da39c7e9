#pragma once
// The densities of the 24 types with their prepared constants. Densities need not
// be normalised: the discretisation divides by their sum.

#include <array>

namespace dorvex::sources {

// One type's density, its parameters and the constants prepared from them.
struct Density {
  int type = 0;
  long double P1 = 0, P2 = 0, P3 = 0, P4 = 0;
  // Prepared constants; each type uses the ones its formula names.
  long double A = 0, B = 0, C = 0, D = 0, E = 0, G = 0, H = 0, K = 0, L = 0;
  long double S1 = 0, S2 = 0;
  long double alpha = 0, u = 0;       // Gumbel types
  long double r = 0, eta = 0, W = 0;  // LogNormal_3P
  // Values that only save work: the same numbers the formula would compute.
  long double lnC = 0, sqrtC = 0, sqrtLnC = 0, powL = 0, lnW = 0, sqrtW = 0, factor = 0;

  // f(x), in extended precision. Floating-point faults are left in the flags.
  long double At(long double x) const;
};

// The density of `type` for parameters P1 .. P4 that passed the type's checks. For
// LogNormal_3P a zero r leaves eta and W unset (the caller refuses it).
Density PrepareDensity(int type, const std::array<long double, 4>& para);

}  // namespace dorvex::sources

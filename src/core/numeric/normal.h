#pragma once
// The standard normal distribution function and its inverse, accurate far into
// the tails (failure probabilities of 1E-10 and below).

namespace dorvex::numeric {

// Phi(x) = P(Z <= x) for a standard normal Z; 0 and 1 at the infinities.
double NormalCdf(double x);

// Phi^-1(p) for 0 < p < 1, to a few ulps; -infinity at 0, +infinity at 1, NaN
// outside 0 .. 1.
double NormalQuantile(double p);

}  // namespace dorvex::numeric

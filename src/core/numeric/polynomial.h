#pragma once
// Polynomial evaluation for the coefficient tables of the special functions.

#include <span>

namespace dorvex::numeric {

// c0*x^n + c1*x^(n-1) + ... + cn by Horner's scheme, each step rounded to double.
// coef holds at least n + 1 coefficients, highest power first.
double PolyValue(double x, std::span<const double> coef, int n);

}  // namespace dorvex::numeric

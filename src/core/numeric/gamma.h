#pragma once
// The gamma function, after the extended-precision gamma of the Cephes library.

#include <array>

#include "numeric/math_limits.h"

namespace dorvex::numeric {

// Coefficient tables, highest power first (Cephes gammal.c, rounded to double).
namespace gamma_tables {
// Stirling correction, 13 < x <= 1024.
extern const std::array<double, 9> STIR;
// 1/gamma(x) = x * S(x) for 0 < x <= 0.03125.
extern const std::array<double, 9> S;
// 1/gamma(-x) = x * SN(x) for 0 < x <= 0.03125.
extern const std::array<double, 9> SN;
// gamma(x + 2) = P(x) / Q(x) for 0 <= x <= 1.
extern const std::array<double, 8> P;
extern const std::array<double, 9> Q;
}  // namespace gamma_tables

// Sign of gamma(x): 1 for x > 0; for x <= 0, -1 when the integer part of |x| is
// even and 1 when it is odd.
int GammaSign(double x);

// gamma(x). At a pole (0 or a negative integer) the result is
// GammaSign(x) * MaxNum with singularity; above MaxGam, or when the reflection
// formula would overflow, +-MaxNum with overflow.
MathValue GammaFn(double x);

}  // namespace dorvex::numeric

#include "numeric/polynomial.h"

namespace dorvex::numeric {

double PolyValue(double x, std::span<const double> coef, int n) {
  double y = coef[0];
  for (int i = 1; i <= n; ++i) {
    // One step in extended precision, then back to double.
    y = static_cast<double>(static_cast<long double>(y) * x + coef[i]);
  }
  return y;
}

}  // namespace dorvex::numeric

#include "numeric/checked_math.h"

#include <cmath>

#include "numeric/math_limits.h"

namespace dorvex::numeric {

double ExpChecked(double x) {
  MathError = kMathOk;
  if (x < MinLog) return ErrorValue(kMathUnderflow, 0.0);
  if (x > MaxLog) return ErrorValue(kMathOverflow, MaxNum);
  return static_cast<double>(std::exp(static_cast<long double>(x)));
}

double LnChecked(double x) {
  MathError = kMathOk;
  if (x < 0.0) return ErrorValue(kMathDomain, -MaxNum);
  if (x == 0.0) return ErrorValue(kMathSingularity, -MaxNum);
  return static_cast<double>(std::log(static_cast<long double>(x)));
}

double Log10Checked(double x) {
  MathError = kMathOk;
  if (x < 0.0) return ErrorValue(kMathDomain, -MaxNum);
  if (x == 0.0) return ErrorValue(kMathSingularity, -MaxNum);
  return static_cast<double>(std::log(static_cast<long double>(x)) * Log10E);
}

double SignOf(double x) { return x < 0.0 ? -1.0 : 1.0; }

bool PowerSpecial(double x, double y, double& z) {
  if (x != 0.0) {
    if (y == 0.0) {
      z = 1.0;
      return true;
    }
    if (y == 1.0) {
      z = x;
      return true;
    }
    return false;
  }
  if (y == 0.0) {
    z = 1.0;
    return true;
  }
  if (y > 0.0) {
    z = 0.0;
    return true;
  }
  if (y < 0.0) {
    z = ErrorValue(kMathSingularity, MaxNum);
    return true;
  }
  return false;
}

double PowerInt(double x, std::int32_t n) {
  double z = 0.0;
  if (PowerSpecial(x, n, z)) return z;
  // Squaring a base of magnitude <= 1 can only shrink, never overflow.
  const bool small = std::fabs(x) <= 1.0;
  long double b = small ? static_cast<long double>(x) : 1.0L / x;
  long double r = 1.0L;
  std::int64_t k = n < 0 ? -static_cast<std::int64_t>(n) : n;
  while (k > 0) {
    if (k & 1) r *= b;
    k >>= 1;
    if (k > 0) b *= b;
  }
  if (small != (n < 0)) return static_cast<double>(r);
  if (std::fabs(r) < MinNum) return ErrorValue(kMathOverflow, (r < 0.0L ? -1.0 : 1.0) * MaxNum);
  return static_cast<double>(1.0L / r);
}

double PowerReal(double x, double y) {
  double z = 0.0;
  if (PowerSpecial(x, y, z)) return z;
  if (std::fabs(y) < 2147483647.0 && y == std::trunc(y)) {
    return PowerInt(x, static_cast<std::int32_t>(y));
  }
  if (x <= 0.0) return ErrorValue(kMathDomain, 0.0);
  const long double c = y * std::log(static_cast<long double>(x));
  if (c < MinLog) return ErrorValue(kMathUnderflow, 0.0);
  if (c > MaxLog) return ErrorValue(kMathOverflow, MaxNum);
  return static_cast<double>(std::exp(c));
}

}  // namespace dorvex::numeric

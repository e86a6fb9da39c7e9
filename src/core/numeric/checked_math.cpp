#include "numeric/checked_math.h"

#include <cmath>

namespace dorvex::numeric {

namespace {
MathValue Fault(MathFault fault, double value) { return {value, fault}; }
}  // namespace

MathValue ExpChecked(double x) {
  if (x < MinLog) return Fault(MathFault::Underflow, 0.0);
  if (x > MaxLog) return Fault(MathFault::Overflow, MaxNum);
  return {static_cast<double>(std::exp(static_cast<long double>(x)))};
}

MathValue LnChecked(double x) {
  if (x < 0.0) return Fault(MathFault::Domain, -MaxNum);
  if (x == 0.0) return Fault(MathFault::Singularity, -MaxNum);
  return {static_cast<double>(std::log(static_cast<long double>(x)))};
}

MathValue Log10Checked(double x) {
  if (x < 0.0) return Fault(MathFault::Domain, -MaxNum);
  if (x == 0.0) return Fault(MathFault::Singularity, -MaxNum);
  return {static_cast<double>(std::log(static_cast<long double>(x)) * Log10E)};
}

double SignOf(double x) { return x < 0.0 ? -1.0 : 1.0; }

std::optional<MathValue> PowerSpecial(double x, double y) {
  if (x != 0.0) {
    if (y == 0.0) return MathValue{1.0};
    if (y == 1.0) return MathValue{x};
    return std::nullopt;
  }
  if (y == 0.0) return MathValue{1.0};
  if (y > 0.0) return MathValue{0.0};
  if (y < 0.0) return Fault(MathFault::Singularity, MaxNum);
  return std::nullopt;  // y is NaN
}

MathValue PowerInt(double x, std::int32_t n) {
  if (const auto special = PowerSpecial(x, n)) return *special;
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
  if (small != (n < 0)) return {static_cast<double>(r)};
  if (std::fabs(r) < MinNum) return Fault(MathFault::Overflow, (r < 0.0L ? -1.0 : 1.0) * MaxNum);
  return {static_cast<double>(1.0L / r)};
}

MathValue PowerReal(double x, double y) {
  if (const auto special = PowerSpecial(x, y)) return *special;
  if (std::fabs(y) < 2147483647.0 && y == std::trunc(y)) {
    return PowerInt(x, static_cast<std::int32_t>(y));
  }
  if (x <= 0.0) return Fault(MathFault::Domain, 0.0);
  const long double c = y * std::log(static_cast<long double>(x));
  if (c < MinLog) return Fault(MathFault::Underflow, 0.0);
  if (c > MaxLog) return Fault(MathFault::Overflow, MaxNum);
  return {static_cast<double>(std::exp(c))};
}

}  // namespace dorvex::numeric

#include "numeric/gamma.h"

#include <cmath>
#include <numbers>

#include "numeric/polynomial.h"
#include "numeric/math_limits.h"

namespace dorvex::numeric {

namespace gamma_tables {

const std::array<double, 9> STIR = {
    7.147391378143610789273E-4,  -2.363848809501759061727E-5, -5.950237554056330156018E-4,
    6.989332260623193171870E-5,  7.840334842744753003862E-4,  -2.294719747873185405699E-4,
    -2.681327161876304418288E-3, 3.472222222230075327854E-3,  8.333333333333331800504E-2,
};

const std::array<double, 9> S = {
    -1.193945051381510095614E-3, 7.220599478036909672331E-3,  -9.622023360406271645744E-3,
    -4.219773360705915470089E-2, 1.665386113720805206758E-1,  -4.200263503403344054473E-2,
    -6.558780715202540684668E-1, 5.772156649015328608253E-1,  1.000000000000000000000E0,
};

const std::array<double, 9> SN = {
    1.133374167243894382010E-3,  7.220837261893170325704E-3,  9.621911155035976733706E-3,
    -4.219773343731191721664E-2, -1.665386113944413519335E-1, -4.200263503402112910504E-2,
    6.558780715202536547116E-1,  5.772156649015328608727E-1,  -1.000000000000000000000E0,
};

const std::array<double, 8> P = {
    4.212760487471622013093E-5, 4.542931960608009155600E-4, 4.092666828394035500949E-3,
    2.385363243461108252554E-2, 1.113062816019361559013E-1, 3.629515436640239168939E-1,
    8.378004301573126728826E-1, 1.000000000000000000009E0,
};

const std::array<double, 9> Q = {
    -1.397148517476170440917E-5, 2.346584059160635244282E-4,  -1.237799246653152231188E-3,
    -7.955933682494738320586E-4, 2.773706565840072979165E-2,  -4.633887671244534213831E-2,
    -2.243510905670329164562E-1, 4.150160950588455434583E-1,  9.999999999999999999908E-1,
};

}  // namespace gamma_tables

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
// Beyond the reduction towards [2, 3] the argument is small enough for the series.
constexpr long double kSmall = 0.03125L;

// sqrt(2 pi) x^(x - 1/2) e^-x (1 + c(1/x) / x), for x > 13.
long double Stirling(long double x) {
  const long double w = 1.0L / x;
  long double c;
  if (x > 1024.0L) {
    c = 1.0L / 12.0L +
        w * ((((6.9728137583658571E-5L * w + 7.8403922172006662E-4L) * w -
               2.2947209362139917E-4L) *
                  w -
              2.6813271604938273E-3L) *
                 w +
             3.4722222222222222E-3L);
  } else {
    c = PolyValue(static_cast<double>(w), gamma_tables::STIR, 8);
  }
  const long double y = std::exp(std::log(x) * (x - 0.5L) - x);
  return Sqrt2Pi * y * (1.0L + w * c);
}

// z / (1/gamma(t)) for |t| <= 0.03125, t != 0.
long double SmallPart(long double t, long double z) {
  if (t < 0.0L) {
    const long double a = -t;
    return z / (a * PolyValue(static_cast<double>(a), gamma_tables::SN, 8));
  }
  return z / (t * PolyValue(static_cast<double>(t), gamma_tables::S, 8));
}

// The result as a double; one beyond the double range (an argument within about
// 1E-308 of a pole) is the overflow default instead of an infinity.
MathValue Rounded(long double r) {
  if (std::fabs(r) > MaxNum) return {r < 0.0L ? -MaxNum : MaxNum, MathFault::Overflow};
  return {static_cast<double>(r)};
}

}  // namespace

int GammaSign(double x) {
  if (x > 0.0) return 1;
  const double whole = std::trunc(std::fabs(x));
  return std::fmod(whole, 2.0) == 0.0 ? -1 : 1;
}

MathValue GammaFn(double arg) {
  const int s = GammaSign(arg);
  if (arg == 0.0 || (arg < 0.0 && arg == std::trunc(arg))) {
    return {s * MaxNum, MathFault::Singularity};
  }
  if (arg > MaxGam) return {MaxNum, MathFault::Overflow};

  long double x = arg;
  const long double q = std::fabs(x);
  if (q > 13.0L) {
    if (x > 0.0L) return Rounded(s * Stirling(x));
    // Reflection: gamma(x) = pi / (|x| sin(pi x) gamma(|x|)), up to the sign.
    const long double p = std::trunc(q);
    long double f = q - p;
    if (f > 0.5L) f = q - (p + 1.0L);
    const long double z = std::fabs(q * std::sin(kPi * f)) * Stirling(q);
    if (z <= PiOverMaxNum) return {s * MaxNum, MathFault::Overflow};
    return Rounded(s * kPi / z);
  }

  long double z = 1.0L;
  while (x >= 3.0L) {
    x -= 1.0L;
    z *= x;
  }
  while (x < -kSmall) {
    z /= x;
    x += 1.0L;
  }
  if (x == 0.0L) return {MaxNum, MathFault::Singularity};
  if (x <= kSmall) return Rounded(SmallPart(x, z));
  while (x < 2.0L) {
    z /= x;
    x += 1.0L;
  }
  if (x == 2.0L || x == 3.0L) return Rounded(z);
  x -= 2.0L;
  const double u = static_cast<double>(x);
  return Rounded(z * PolyValue(u, gamma_tables::P, 7) / PolyValue(u, gamma_tables::Q, 8));
}

}  // namespace dorvex::numeric

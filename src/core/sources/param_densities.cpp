#include "sources/param_densities.h"

#include <cmath>
#include <numbers>

#include "numeric/gamma.h"
#include "numeric/checked_math.h"
#include "sources/param_types.h"

namespace dorvex::sources {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
const long double kSqrt2Pi = std::sqrt(2.0L * kPi);
// Location shift of the Gumbel types: 0.577 as the program has it, not Euler's
// constant to more places.
constexpr long double kGumbelShift = 0.577L;

// The checked special functions take and return doubles.
long double Exp(long double x) { return numeric::ExpChecked(static_cast<double>(x)).value; }
long double Ln(long double x) { return numeric::LnChecked(static_cast<double>(x)).value; }
long double Pow(long double x, long double y) {
  return numeric::PowerReal(static_cast<double>(x), static_cast<double>(y)).value;
}
long double Gamma(long double x) { return numeric::GammaFn(static_cast<double>(x)).value; }

}  // namespace

Density PrepareDensity(int type, const std::array<long double, 4>& para) {
  Density d;
  d.type = type;
  d.P1 = para[0];
  d.P2 = para[1];
  d.P3 = para[2];
  d.P4 = para[3];
  switch (type) {
    case kNormal:
      d.A = d.P2 * kSqrt2Pi;
      d.B = 2.0L * d.P2 * d.P2;
      break;
    case kLogNormal2P:
      d.C = 1.0L + (d.P2 / d.P1) * (d.P2 / d.P1);
      d.A = kSqrt2Pi;
      d.lnC = Ln(d.C);
      d.sqrtC = std::sqrt(d.C);
      d.sqrtLnC = std::sqrt(d.lnC);
      break;
    case kGumbelI:
      d.alpha = kPi / (std::sqrt(6.0L) * d.P2);
      d.u = d.P1 - kGumbelShift / d.alpha;
      break;
    case kGumbelII:
      // The mirror image of Gumbelovo_I about Mi, so that Mi stays the mean.
      d.alpha = kPi / (std::sqrt(6.0L) * d.P2);
      d.u = d.P1 + kGumbelShift / d.alpha;
      break;
    case kCauchy:
      d.D = kPi * d.P2;
      break;
    case kLaplace:
      d.D = 2.0L * d.P2;
      break;
    case kRayleigh:
      d.D = d.P1 * d.P1;
      break;
    case kLevy:
      d.A = std::sqrt(d.P1 * 0.5L / kPi);
      d.E = -0.5L * d.P1;
      break;
    case kStudent:
      d.H = (d.P1 + 1.0L) / 2.0L;
      d.G = Gamma((d.P1 + 1.0L) / 2.0L) / (Gamma(d.P1 / 2.0L) * std::sqrt(d.P1 * kPi));
      break;
    case kBetaZero:
      d.B = Gamma(d.P1) * Gamma(d.P2) / Gamma(d.P1 + d.P2);
      break;
    case kBetaUniversal:
      d.B = Gamma(d.P1) * Gamma(d.P2) / Gamma(d.P1 + d.P2);
      d.L = d.P4 - d.P3;
      d.powL = Pow(d.L, d.P1 + d.P2 - 1.0L);
      break;
    case kGamma:
      d.D = Pow(d.P2, d.P1) * Gamma(d.P1);
      break;
    case kSnedecor:
      d.K = Pow(d.P1 / d.P2, d.P1 / 2.0L) * Gamma((d.P1 + d.P2) / 2.0L) / Gamma(d.P1 / 2.0L) /
            Gamma(d.P2 / 2.0L);
      break;
    case kPareto:
      d.K = d.P2 * Pow(d.P1, d.P2);
      break;
    case kUniform:
      d.K = 1.0L / (d.P2 - d.P1);
      break;
    case kTriangular:
      d.S1 = (d.P2 - d.P1) * (d.P3 - d.P1) * 2.0L;
      d.S2 = (d.P2 - d.P1) * (d.P2 - d.P3) * 2.0L;
      break;
    case kChiSquare:
      d.G = Gamma(d.P1 / 2.0L);
      d.factor = Pow(2.0L, d.P1 / 2.0L);
      break;
    case kLogNormal3P: {
      const long double g = -std::fabs(d.P3);
      const long double q =
          std::sqrt(g * g + 4.0L) / (2.0L * g * g) - (g * g + 2.0L) / (2.0L * g * g * g);
      d.r = Pow(q, 1.0L / 3.0L);
      if (d.r == 0.0L) break;
      d.eta = 1.0L / (g * g * d.r) + d.r - 1.0L / g;
      if (d.P3 > 0.0L) d.eta = -d.eta;
      d.W = 1.0L / (d.eta * d.eta) + 1.0L;
      d.sqrtW = std::sqrt(d.W);
      d.lnW = std::log(d.W);  // a plain logarithm, as inside the exponent
      d.factor = std::sqrt(Ln(d.W) * 2.0L * kPi);
      break;
    }
    default:
      break;
  }
  return d;
}

long double Density::At(long double x) const {
  switch (type) {
    case kNormal: {
      const long double dx = x - P1;
      return 1.0L / (Exp(dx * dx / B) * A);
    }
    case kLogNormal2P: {
      const long double l = Ln(sqrtC * x / P1);
      return Exp(-(l * l) / (2.0L * lnC)) / (sqrtLnC * x * A);
    }
    case kGumbelI: {
      const long double t = -alpha * (x - u);
      return alpha * Exp(t - Exp(t));
    }
    case kGumbelII: {
      const long double t = alpha * (x - u);
      return alpha * Exp(t - Exp(t));
    }
    case kRaisedCosine:
      return (1.0L + std::cos(kPi * (x - P1) / P2)) / 2.0L / P2;
    case kCauchy: {
      const long double z = (x - P1) / P2;
      return 1.0L / ((z * z + 1.0L) * D);
    }
    case kFisherTippett: {
      const long double e = Exp((P1 - x) / P2);
      return e * Exp(-e) / P2;
    }
    case kLaplace:
      return Exp(-std::fabs(x - P1) / P2) / D;
    case kLogistic: {
      const long double e = Exp(-(x - P1) / P2);
      return e / ((e + 1.0L) * P2 * (e + 1.0L));
    }
    case kWeibull: {
      const long double t = x / P2;
      return Pow(t, P1 - 1.0L) * (P1 / P2) * Exp(-Pow(t, P1));
    }
    case kRayleigh: {
      const long double t = x / P1;
      return Exp(-0.5L * (t * t)) * x / D;
    }
    case kLevy:
      return A / Pow(x, 1.5L) * Exp(E / x);
    case kStudent:
      return Pow(x * x / P1 + 1.0L, -H) * G;
    case kBetaZero:
      return Pow(x, P1 - 1.0L) * Pow(1.0L - x, P2 - 1.0L) / B;
    case kBetaUniversal:
      return Pow(x - P3, P1 - 1.0L) * Pow(P4 - x, P2 - 1.0L) / B / powL;
    case kGamma:
      return Pow(x, P1 - 1.0L) * Exp(-x / P2) / D;
    case kSnedecor:
      return Pow(x, P1 / 2.0L - 1.0L) * K * Pow(P1 * x / P2 + 1.0L, -(P1 + P2) / 2.0L);
    case kPareto:
      return K / Pow(x, P2 + 1.0L);
    case kUniform:
      return K;
    case kTriangular:
      return x <= P3 ? (x - P1) / S1 : (P2 - x) / S2;
    case kExponential:
      return Exp(-x / P1) * (1.0L / P1);
    case kChiSquare:
      return Pow(x, P1 / 2.0L - 1.0L) * Exp(-x / 2.0L) / G / factor;
    case kHalfLogistic: {
      const long double e = Exp(-x);
      return 2.0L * e / ((e + 1.0L) * (e + 1.0L));
    }
    case kLogNormal3P: {
      const long double z = (x - P1) / P2;
      const long double a = std::fabs(z - eta);
      const long double l = std::log(sqrtW * a / std::fabs(eta));
      return Exp(-(l * l) / (2.0L * lnW)) / (factor * a);
    }
    default:
      return 0.0L;
  }
}

}  // namespace dorvex::sources

#include "sources/param_fit.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "numeric/gamma.h"

namespace dorvex::sources {

namespace {

using numeric::FpFault;

constexpr long double kPi = std::numbers::pi_v<long double>;
// Variance of the raised cosine on [mu - s, mu + s] divided by s^2: 1/3 - 2/pi^2.
constexpr long double kRaisedCosineVariance = 0.13069096604865779046L;

std::string ShortestText(double x) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
  return std::string(buffer, end);
}

std::string SampleText(const std::string& text, double value) {
  return text.empty() ? ShortestText(value) : text;
}

std::string Fixed5(long double x) { return FixedText(static_cast<double>(x), 5); }

FitOutcome Rejected(int message = 0) {
  FitOutcome r;
  r.message = message;
  return r;
}

FitOutcome Faulted(FpFault fault) {
  FitOutcome r;
  r.fault = fault;
  return r;
}

// The first fault among freshly computed estimates.
FpFault FaultAmong(std::initializer_list<long double> values) {
  for (const long double v : values) {
    if (const FpFault f = numeric::FaultOf(v); f != FpFault::None) return f;
  }
  return FpFault::None;
}

}  // namespace

std::string FixedText(double x, int decimals) {
  char buffer[400];  // room for the 309 digits of the largest double
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

FitOutcome FitParameters(int type, const FitInputs& fit, double Min, double Max,
                         ParameterTexts& texts) {
  const long double m = fit.m, s = fit.s;
  const std::string M = SampleText(fit.mText, fit.m);
  const std::string S = SampleText(fit.sText, fit.s);
  const double middle = fit.Xmin + (fit.Xmax - fit.Xmin) / 2.0;
  ParameterTexts t = texts;
  FitOutcome r;
  r.fits = true;

  switch (type) {
    case kNormal:
    case kLogNormal2P:
    case kGumbelI:
    case kGumbelII:
      // The Gumbel types need the data's median on their short-tailed side.
      if (type == kGumbelI && !(middle >= fit.Xmed)) return Rejected();
      if (type == kGumbelII && middle > fit.Xmed) return Rejected();
      t[0] = M;
      t[1] = S;
      r.description = "Mi=" + t[0] + ",Sigma=" + t[1] + ")";
      break;
    case kRaisedCosine: {
      const long double width = std::sqrt(s * s / kRaisedCosineVariance);
      if (const FpFault f = FaultAmong({width}); f != FpFault::None) return Faulted(f);
      t[0] = M;
      t[1] = Fixed5(width);
      r.description = "Mi=" + t[0] + ",s=" + t[1] + ")";
      break;
    }
    case kFisherTippett: {
      const long double beta = std::sqrt(6.0L) * s / kPi;
      t[0] = M;
      t[1] = Fixed5(beta);
      r.description = "Mi=" + t[0] + ",Beta=" + t[1] + ")";
      break;
    }
    case kLaplace:
      t[0] = M;
      t[1] = Fixed5(s / std::sqrt(2.0L));
      break;
    case kLogistic: {
      const long double scale = std::sqrt(3.0L) * s / kPi;
      t[0] = M;
      t[1] = Fixed5(scale);
      r.description = "Mi=" + t[0] + ", s=" + t[1] + ")";
      break;
    }
    case kWeibull: {
      const long double k = fit.weibullK;
      const long double lambda = m / numeric::GammaFn(static_cast<double>(1.0L / k + 1.0L)).value;
      if (const FpFault f = FaultAmong({lambda}); f != FpFault::None) return Faulted(f);
      t[0] = Fixed5(k);
      t[1] = Fixed5(lambda);
      r.description = "k=" + t[0] + ", Lambda=" + t[1] + ")";
      break;
    }
    case kRayleigh:
      t[0] = S;
      r.description = "Sigma=" + t[0] + ")";
      break;
    case kStudent: {
      const long double n = 2.0L * s * s / (s * s - 1.0L);
      if (const FpFault f = FaultAmong({n}); f != FpFault::None) return Faulted(f);
      if (n - 1.0L <= 0.0L) return Rejected();
      t[0] = Fixed5(n);
      r.description = "n=" + t[0] + ")";
      break;
    }
    case kBetaZero: {
      const long double a = m * m * (1.0L - m) * s * s / (std::pow(1.0L - m, 4) + m);
      const long double b = a * (1.0L - m) / m;
      if (const FpFault f = FaultAmong({a, b}); f != FpFault::None) return Faulted(f);
      t[0] = Fixed5(a);
      t[1] = Fixed5(b);
      r.description = "alfa=" + t[0] + ",beta=" + t[1] + ")";
      break;
    }
    case kBetaUniversal: {
      const long double a = Min, b = Max;
      if (m == a || m == b || s == 0.0L) return Rejected();
      const long double m1 = (m - a) / (b - a);
      const long double v = s * s / ((b - a) * (b - a));
      const long double alfa = m1 * (m1 * (1.0L - m1) / v - 1.0L);
      const long double beta = alfa * (1.0L - m1) / m1;
      if (const FpFault f = FaultAmong({m1, v, alfa, beta}); f != FpFault::None) return Faulted(f);
      t = {Fixed5(alfa), Fixed5(beta), Fixed5(a), Fixed5(b)};
      r.description = "alfa=" + t[0] + ",beta=" + t[1] + "a=" + t[2] + ",b=" + t[3] + ")";
      break;
    }
    case kGamma: {
      const long double k = m * m / (s * s);
      const long double theta = s * s / m;
      if (const FpFault f = FaultAmong({k, theta}); f != FpFault::None) return Faulted(f);
      t[0] = Fixed5(k);
      t[1] = Fixed5(theta);
      r.description = "k=" + t[0] + ",theta=" + t[1] + ")";
      break;
    }
    case kSnedecor: {
      const long double n2 = 2.0L * m / (m - 1.0L);
      const long double n1 =
          2.0L * n2 * n2 / ((1.0L - 2.0L * n2 * n2) * s * s * (n2 - 2.0L) * (n2 - 4.0L));
      if (const FpFault f = FaultAmong({n2, n1}); f != FpFault::None) return Faulted(f);
      if (n1 <= 0.0L) return Rejected(507);
      t[0] = Fixed5(n1);
      t[1] = Fixed5(n2);
      r.description = "n1=" + t[0] + ",n2=" + t[1] + ")";
      break;
    }
    case kExponential:
      t[0] = M;
      r.description = "delta=" + t[0] + ")";
      break;
    case kChiSquare:
      t[0] = M;
      r.description = "n=" + t[0] + ")";
      break;
    case kHalfLogistic:
      t[0] = M;
      r.description = "Delta=" + t[0] + ")";
      break;
    case kLogNormal3P:
      t[0] = M;
      t[1] = S;
      t[2] = SampleText(fit.gText, fit.g);
      r.description = "Mi=" + t[0] + ",Sigma=" + t[1] + ",Skewness=" + t[2] + ")";
      break;
    default:  // Cauchy, Lévy, Pareto, Uniform and Triangular cannot be fitted
      return Rejected();
  }
  if (const FpFault f = numeric::RaisedFpFault(); f != FpFault::None) return Faulted(f);
  texts = t;
  return r;
}

}  // namespace dorvex::sources

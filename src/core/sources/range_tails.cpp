#include "sources/range_tails.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numeric/fp_fault.h"

namespace dorvex::sources {

namespace {

constexpr long double kHalfPi = std::numbers::pi_v<long double> / 2.0L;

// Tanh-sinh quadrature on [a, b] with step h: it copes with densities that are
// unbounded at an end of their support (Beta, Gamma with shape below 1). Points are
// placed by their distance from the nearer end, so nothing is lost to rounding there.
long double TanhSinh(const auto& g, long double a, long double b, long double h) {
  constexpr long double kReach = 4.0L;  // the ends are reached to far below 1E-30
  const long double half = (b - a) / 2.0L;
  long double sum = 0.0L;
  for (long double t = -kReach; t <= kReach; t += h) {
    const long double u = kHalfPi * std::sinh(t);
    const long double fromEnd = (b - a) / (1.0L + std::exp(2.0L * std::fabs(u)));
    if (!(fromEnd > 0.0L)) continue;
    const long double x = u < 0.0L ? a + fromEnd : (u == 0.0L ? a + half : b - fromEnd);
    const long double c = std::cosh(u);
    const long double weight = half * kHalfPi * std::cosh(t) / (c * c);
    const long double y = g(x);
    if (std::isfinite(y) && std::isfinite(weight)) sum += weight * y;
  }
  return sum * h;
}

// Halves the interval until two step sizes agree: a peak narrow against a wide
// range, or a kink inside it, needs more points than one pass gives.
long double FiniteIntegral(const auto& g, long double a, long double b, int depth = 0) {
  if (!(b > a)) return 0.0L;
  constexpr long double kAgreement = 1E-13L;
  constexpr int kMaxDepth = 40;
  const long double coarse = TanhSinh(g, a, b, 1.0L / 16.0L);
  const long double fine = TanhSinh(g, a, b, 1.0L / 32.0L);
  if (depth >= kMaxDepth || std::fabs(fine - coarse) <= kAgreement * std::fabs(fine)) return fine;
  const long double middle = a + (b - a) / 2.0L;
  return FiniteIntegral(g, a, middle, depth + 1) + FiniteIntegral(g, middle, b, depth + 1);
}

// The integral of f over [a, b]; an infinite end is mapped onto a finite interval
// by x = a + L s / (1 - s), L the length the range gives.
long double Integral(const Density& f, long double a, long double b, long double L) {
  const auto at = [&f](long double x) {
    const long double y = f.At(x);
    return std::isfinite(y) && y > 0.0L ? y : 0.0L;
  };
  if (!(b > a)) return 0.0L;
  const bool lowInfinite = std::isinf(a), highInfinite = std::isinf(b);
  if (lowInfinite && highInfinite) return Integral(f, a, 0.0L, L) + Integral(f, 0.0L, b, L);
  const auto mapped = [&](long double from, long double direction) {
    return FiniteIntegral(
        [&](long double s) { return at(from + direction * L * s / (1.0L - s)) * L / ((1.0L - s) * (1.0L - s)); },
        0.0L, 1.0L);
  };
  if (highInfinite) return mapped(a, 1.0L);
  if (lowInfinite) return mapped(b, -1.0L);
  return FiniteIntegral(at, a, b);
}

long double Probability(long double x) { return std::isfinite(x) ? std::clamp(x, 0.0L, 1.0L) : 0.0L; }

}  // namespace

CutTails IntegratedCutTails(int type, const Parameters& p, long double Min, long double Max) {
  const numeric::KeepFpFlags keep;
  const Distribution& d = DistributionOf(type);
  const Prepared prepared = d.prepare(p);
  if (prepared.refusal) return {};
  const Support s = d.support ? d.support(p) : Support{};
  const long double lo = std::max(s.lo, std::min(Min, s.hi));
  const long double hi = std::min(s.hi, std::max(Max, s.lo));
  const long double L = std::max(Max - Min, 1E-300L);
  const long double below = Integral(prepared.density, s.lo, lo, L);
  const long double inside = Integral(prepared.density, lo, hi, L);
  const long double above = Integral(prepared.density, hi, s.hi, L);
  const long double whole = below + inside + above;
  if (!(whole > 0.0L) || !std::isfinite(whole)) return {};
  return {Probability(below / whole), Probability(above / whole)};
}

CutTails CutByRange(int type, const Parameters& p, long double Min, long double Max) {
  const Distribution& d = DistributionOf(type);
  if (!d.cut) return IntegratedCutTails(type, p, Min, Max);
  const numeric::KeepFpFlags keep;
  const CutTails t = d.cut(p, Min, Max);
  return {Probability(t.lower), Probability(t.upper)};
}

CutTails CutByRange(const ParamState& state) {
  return CutByRange(state.type, state.para, state.Min, state.Max);
}

}  // namespace dorvex::sources

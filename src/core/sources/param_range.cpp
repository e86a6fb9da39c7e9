#include "sources/param_range.h"

#include <algorithm>
#include <cmath>

#include "numeric/checked_math.h"
#include "sources/param_search.h"
#include "sources/param_types.h"

namespace dorvex::sources {

namespace {

using numeric::FpFault;

RangeOutcome From(const SearchResult& s, long double step) {
  RangeOutcome r;
  r.Min = s.Min;
  r.Max = s.Max;
  r.step = step;
  r.fault = s.fault;
  r.fitFailed = s.fitFailed;
  return r;
}

RangeOutcome Fixed(long double Min, long double Max, long double step = 0.1L) {
  RangeOutcome r;
  r.Min = Min;
  r.Max = Max;
  r.step = step;
  return r;
}

RangeOutcome FaultedRange(FpFault fault) {
  RangeOutcome r;
  r.fault = fault;
  return r;
}

// Whether a value test holds at both data ends; a fault in between is reported.
template <class Test>
bool HoldsAtBothEnds(const FitInputs& fit, FpFault& fault, Test test) {
  for (const double x : {fit.Xmin, fit.Xmax}) {
    bool holds = false;
    fault = test(x, holds);
    if (fault != FpFault::None || !holds) return false;
  }
  return true;
}

// Fitting mode: is f at Xmin and at Xmax at most f(x0) * eps?
bool NegligibleAtDataEnds(const Density& f, long double x0, long double eps,
                          const FitInputs& fit, FpFault& fault) {
  const Probe p0 = Evaluate(f, x0);
  if ((fault = p0.fault) != FpFault::None) return false;
  const long double T = p0.value * eps;
  return HoldsAtBothEnds(fit, fault, [&](double x, bool& holds) {
    const Probe p = Evaluate(f, x);
    holds = p.value <= T;
    return p.fault;
  });
}

// Fitting mode: is exp(sign * (x - mu) / s) at most eps at Xmin and at Xmax?
bool ExpNegligibleAtDataEnds(long double mu, long double s, long double sign, long double eps,
                             const FitInputs& fit, FpFault& fault) {
  return HoldsAtBothEnds(fit, fault, [&](double x, bool& holds) {
    const long double e = numeric::ExpChecked(static_cast<double>(sign * (x - mu) / s)).value;
    holds = e <= eps;
    return numeric::FaultOf(e);
  });
}

// Types 1, 5 and 6 in fitting mode: a fit whose data mode lies in the lower half
// of the data also covers the whole data range.
void Widen(RangeOutcome& r, const FitInputs* fit) {
  if (!fit || r.fault != FpFault::None || r.fitFailed) return;
  if (fit->Xmod - fit->Xmin < (fit->Xmax - fit->Xmin) / 2.0) {
    r.Max = std::max<long double>(r.Max, fit->Xmax);
    r.Min = std::min<long double>(r.Min, fit->Xmin);
  }
}

// Two-sided relative search, or in fitting mode the data range when f is
// negligible at both its ends.
RangeOutcome TwoSidedOrKept(const Density& f, long double x0, long double h, long double eps,
                            const FitInputs* fit, double Min0, double Max0) {
  if (fit) {
    FpFault fault = FpFault::None;
    const bool keep = NegligibleAtDataEnds(f, x0, eps, *fit, fault);
    if (fault != FpFault::None) return FaultedRange(fault);
    if (keep) return Fixed(Min0, Max0, h);
  }
  return From(TwoSidedRelative(f, x0, h, eps), h);
}

RangeOutcome PositiveFromZero(const Density& f, long double x0, long double h, long double eps) {
  RangeOutcome r = From(PositiveSupport(f, x0, h, eps), h);
  r.Min = 0.0L;
  return r;
}

}  // namespace

long double ScaledEps(int type, double eps) {
  switch (type) {
    case kCauchy:
      return eps * 10.0L;
    case kWeibull:
    case kRayleigh:
      return eps * 0.01L;
    case kGamma:
      return eps * 0.00001L;
    default:
      return eps;
  }
}

RangeOutcome FindRange(const Density& f, long double eps, const FitInputs* fit, double Min0,
                       double Max0) {
  const long double P1 = f.P1, P2 = f.P2;
  if (fit && f.type == kLogNormal2P) {
    // A lognormal negligible at both data ends does not describe the data.
    FpFault fault = FpFault::None;
    const bool negligible = NegligibleAtDataEnds(f, P1, eps, *fit, fault);
    if (fault != FpFault::None) return FaultedRange(fault);
    if (negligible) {
      RangeOutcome r;
      r.fitFailed = true;
      return r;
    }
  }
  if (fit && fit->userRange && f.type != kRaisedCosine) {
    return Fixed(fit->userRange->Lo, fit->userRange->Hi);
  }

  switch (f.type) {
    case kNormal:
      return TwoSidedOrKept(f, P1, P2 * 0.01L, eps, fit, Min0, Max0);
    case kLogNormal2P: {
      RangeOutcome r = From(RatioSearch(f, P1, P2 * 0.01L, eps), P2 * 0.01L);
      Widen(r, fit);
      return r;
    }
    case kGumbelI:
    case kGumbelII:
      return From(RatioSearch(f, P1, P2 * 0.001L, eps), P2 * 0.001L);
    case kRaisedCosine:
      return Fixed(P1 - P2, P1 + P2);
    case kCauchy: {
      RangeOutcome r = From(TwoSidedRelative(f, P1, P2 * 0.001L, eps), P2 * 0.001L);
      Widen(r, fit);
      return r;
    }
    case kFisherTippett: {
      const long double h = P2 * 0.001L;
      if (fit) {
        FpFault fault = FpFault::None;
        const bool keep = ExpNegligibleAtDataEnds(P1, P2, -1.0L, eps, *fit, fault);
        if (fault != FpFault::None) return FaultedRange(fault);
        if (keep) return Fixed(Min0, Max0, h);
      }
      RangeOutcome r = From(RatioSearch(f, P1, h, eps), h);
      Widen(r, fit);
      return r;
    }
    case kLaplace:
      return TwoSidedOrKept(f, P1, P2 * 0.001L, eps, fit, Min0, Max0);
    case kLogistic: {
      const long double h = P2 * 0.001L;
      if (fit) {
        FpFault fault = FpFault::None;
        const bool keep = ExpNegligibleAtDataEnds(P1, P2, -1.0L, eps, *fit, fault);
        if (fault != FpFault::None) return FaultedRange(fault);
        if (keep) return Fixed(Min0, Max0, h);
      }
      return From(TwoSidedRelative(f, P1, h, eps), h);
    }
    case kWeibull: {
      const long double k = P1, lambda = P2;
      const long double h = 0.001L * (lambda > 1.0L ? std::max(k, lambda) : std::min(k, lambda));
      long double mode = 0.00001L;
      if (fit) {
        const PointResult climbed = ModeClimb(f, 0.000001L, h, false);
        if (climbed.fault != FpFault::None) return FaultedRange(climbed.fault);
        mode = climbed.x;
      } else if (k > 1.0L) {
        mode = lambda * numeric::PowerReal(static_cast<double>((k - 1.0L) / k),
                                           static_cast<double>(1.0L / k)).value;
      }
      return PositiveFromZero(f, mode, h, eps);
    }
    case kRayleigh:
      return PositiveFromZero(f, P1, P1 * 0.001L, eps);
    case kLevy:
      return PositiveFromZero(f, P1 / 3.0L, P1 * 0.001L, eps);
    case kStudent:
      return TwoSidedOrKept(f, 0.0L, 0.1L, eps, fit, Min0, Max0);
    case kBetaZero: {
      const long double mode =
          P1 > 1.0L && P2 > 1.0L ? (P1 - 1.0L) / (P1 + P2 - 2.0L) : 0.00001L;
      return From(BoundedUnit(f, mode, eps), 0.001L);
    }
    case kBetaUniversal:
      return From(BoundedAB(f, f.P3, f.P4, eps, fit != nullptr), 0.0001L);
    case kGamma: {
      const long double h = P2 * 0.001L;
      RangeOutcome r = From(PositiveSupport(f, (P1 - 1.0L) * P2, h, eps), h);
      if (r.fault == FpFault::None && r.Min == r.Max) r.message = 190;
      return r;
    }
    case kSnedecor: {
      const PointResult climbed = ModeClimb(f, 0.01L, 0.01L, true);
      if (climbed.fault != FpFault::None) return FaultedRange(climbed.fault);
      RangeOutcome r = From(PositiveSupport(f, climbed.x, 0.01L, eps), 0.01L);
      if (r.fault == FpFault::None && r.Max < 0.0L) {
        r.message = 507;
        r.field = 2;
      }
      r.Min = 0.0L;
      return r;
    }
    case kPareto: {
      long double h = 0.1L;
      if (P2 > 1.0L) h /= P2;
      if (P1 < 1.0L) h *= P1;
      return From(RightTail(f, P1, h, eps, true), h);
    }
    case kUniform:
    case kTriangular:
      return Fixed(P1, P2);
    case kExponential:
      return From(RightTail(f, P1, 0.1L * P1, eps, false), 0.1L * P1);
    case kChiSquare:
      return PositiveFromZero(f, P1, 0.01L, eps);
    case kHalfLogistic:
      return From(RightTail(f, P1, 0.1L, eps * 0.1L, false), 0.1L);
    case kLogNormal3P:
      return From(RatioSearch(f, P1, P2 * 0.01L, eps), P2 * 0.01L);
    default:
      return FaultedRange(FpFault::OtherMath);
  }
}

}  // namespace dorvex::sources

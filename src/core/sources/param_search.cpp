#include "sources/param_search.h"

#include <cmath>
#include <cstdint>

#include "sources/param_walk.h"

namespace dorvex::sources {

namespace {

using numeric::FpFault;

constexpr long double kUnitStep = 0.001L;
constexpr long double kBetaABStep = 0.0001L;

// The points x0 + j*h (or x0 - j*h) of one walk, remembering the last two values
// so that a judge can compare with the previous step at no extra cost.
class WalkPoints {
 public:
  WalkPoints(const Density& f, long double x0, long double h, bool rightward)
      : f_(f), x0_(x0), h_(h), rightward_(rightward) {}

  long double X(std::int64_t j) const {
    const long double offset = static_cast<long double>(j) * h_;
    return rightward_ ? x0_ + offset : x0_ - offset;
  }

  Probe At(std::int64_t j) {
    if (j == j1_) return p1_;
    if (j == j2_) return p2_;
    const Probe p = Evaluate(f_, X(j));
    j2_ = j1_;
    p2_ = p1_;
    j1_ = j;
    p1_ = p;
    return p;
  }

 private:
  const Density& f_;
  long double x0_;
  long double h_;
  bool rightward_;
  std::int64_t j1_ = -1, j2_ = -1;
  Probe p1_, p2_;
};

SearchResult Faulted(FpFault fault) {
  SearchResult r;
  r.fault = fault;
  return r;
}

FpFault FaultOfEnd(const WalkEnd& end, FpFault judged) {
  if (end.verdict == Verdict::Endless) return FpFault::OtherMath;
  if (end.verdict == Verdict::Fault) return judged;
  return FpFault::None;
}

// Walks one side with a judge of the step's value (and the previous step's).
// Returns the stop step, or the fault in `fault`.
template <class Test>
WalkEnd WalkSide(WalkPoints& points, std::int64_t first, FpFault& fault, Test test) {
  return FirstStop(
      [&](std::int64_t j) {
        const Probe p = points.At(j);
        if (p.fault != FpFault::None) {
          fault = p.fault;
          return Verdict::Fault;
        }
        return test(j, p.value);
      },
      first);
}

}  // namespace

Probe Evaluate(const Density& f, long double x) {
  const long double v = f.At(x);
  return {v, numeric::FaultOf(v)};
}

SearchResult TwoSidedRelative(const Density& f, long double x0, long double h, long double eps) {
  const Probe p0 = Evaluate(f, x0);
  if (p0.fault != FpFault::None) return Faulted(p0.fault);
  const long double T = p0.value * eps;
  SearchResult r;
  for (const bool right : {true, false}) {
    WalkPoints points(f, x0, h, right);
    FpFault fault = FpFault::None;
    const WalkEnd end = WalkSide(points, 0, fault, [&](std::int64_t, long double v) {
      return v <= T ? Verdict::Stop : Verdict::Go;
    });
    if (const FpFault e = FaultOfEnd(end, fault); e != FpFault::None) return Faulted(e);
    (right ? r.Max : r.Min) = points.X(end.j);
  }
  return r;
}

SearchResult RatioSearch(const Density& f, long double x0, long double h, long double eps) {
  const Probe p0 = Evaluate(f, x0);
  if (p0.fault != FpFault::None) return Faulted(p0.fault);
  const long double f0 = p0.value;
  SearchResult r;
  for (const bool right : {true, false}) {
    WalkPoints points(f, x0, h, right);
    FpFault fault = FpFault::None;
    const WalkEnd end = WalkSide(points, 0, fault, [&](std::int64_t j, long double v) {
      const long double ratio = std::fabs(v / f0);
      if (const FpFault e = numeric::FaultOf(ratio); e != FpFault::None) {
        fault = e;
        return Verdict::Fault;
      }
      if (ratio <= eps) return Verdict::Stop;
      if (!right && j >= 1 && v == f0) return Verdict::Stop;
      return Verdict::Go;
    });
    if (const FpFault e = FaultOfEnd(end, fault); e != FpFault::None) return Faulted(e);
    (right ? r.Max : r.Min) = points.X(end.j);
  }
  return r;
}

SearchResult PositiveSupport(const Density& f, long double x0, long double h, long double eps) {
  SearchResult r;
  for (const bool right : {true, false}) {
    WalkPoints points(f, x0, h, right);
    FpFault fault = FpFault::None;
    const WalkEnd end = FirstStop(
        [&](std::int64_t j) {
          if (!right && points.X(j) < 0.0L) return Verdict::Stop;
          const Probe p = points.At(j);
          if (p.fault != FpFault::None) {
            fault = p.fault;
            return Verdict::Fault;
          }
          if (p.value <= eps) return Verdict::Stop;
          if (j >= 1) {
            const Probe previous = points.At(j - 1);
            if (previous.fault != FpFault::None) {
              fault = previous.fault;
              return Verdict::Fault;
            }
            if (p.value == previous.value) return Verdict::Stop;
          }
          return Verdict::Go;
        },
        0);
    if (const FpFault e = FaultOfEnd(end, fault); e != FpFault::None) return Faulted(e);
    (right ? r.Max : r.Min) = points.X(end.j);
  }
  return r;
}

PointResult ModeClimb(const Density& f, long double start, long double h, bool strict) {
  WalkPoints points(f, start, h, true);
  FpFault fault = FpFault::None;
  const WalkEnd end = FirstStop(
      [&](std::int64_t j) {
        const Probe here = points.At(j);
        const Probe next = points.At(j + 1);
        for (const Probe& p : {here, next}) {
          if (p.fault != FpFault::None) {
            fault = p.fault;
            return Verdict::Fault;
          }
        }
        const bool falls = strict ? next.value <= here.value : next.value < here.value;
        return falls ? Verdict::Stop : Verdict::Go;
      },
      0);
  PointResult result;
  result.fault = FaultOfEnd(end, fault);
  result.x = points.X(end.j);
  return result;
}

SearchResult BoundedUnit(const Density& f, long double mode, long double eps) {
  const Probe pm = Evaluate(f, mode);
  if (pm.fault != FpFault::None) return Faulted(pm.fault);
  const long double T = pm.value * eps;
  SearchResult r;
  r.Min = 0.0L;
  r.Max = 1.0L;
  for (const bool right : {false, true}) {
    WalkPoints points(f, mode, kUnitStep, right);
    FpFault fault = FpFault::None;
    const WalkEnd end = FirstStop(
        [&](std::int64_t j) {
          const long double x = points.X(j);
          if (right ? x >= 1.0L : x <= 0.0L) return Verdict::Stop;
          const Probe p = points.At(j);
          if (p.fault != FpFault::None) {
            fault = p.fault;
            return Verdict::Fault;
          }
          return p.value <= T ? Verdict::Stop : Verdict::Go;
        },
        1);
    if (const FpFault e = FaultOfEnd(end, fault); e != FpFault::None) return Faulted(e);
    const long double x = points.X(end.j);
    if (right && x < 1.0L) r.Max = x;
    if (!right && x > 0.0L) r.Min = x;
  }
  return r;
}

SearchResult BoundedAB(const Density& f, long double a, long double b, long double eps,
                       bool fitting) {
  // The climb: a point at or beyond b has density 0.
  WalkPoints climb(f, a, kBetaABStep, true);
  FpFault fault = FpFault::None;
  const WalkEnd top = FirstStop(
      [&](std::int64_t j) {
        const Probe here = climb.At(j);
        if (here.fault != FpFault::None) {
          fault = here.fault;
          return Verdict::Fault;
        }
        long double next = 0.0L;
        if (climb.X(j + 1) < b) {
          const Probe p = climb.At(j + 1);
          if (p.fault != FpFault::None) {
            fault = p.fault;
            return Verdict::Fault;
          }
          next = p.value;
        }
        return next < here.value ? Verdict::Stop : Verdict::Go;
      },
      0);
  if (const FpFault e = FaultOfEnd(top, fault); e != FpFault::None) return Faulted(e);
  const long double mode = climb.X(top.j);
  const Probe pm = Evaluate(f, mode);
  if (pm.fault != FpFault::None) return Faulted(pm.fault);
  const long double T = pm.value * eps;

  SearchResult r;
  r.Min = a;
  r.Max = b;
  for (const bool right : {false, true}) {
    WalkPoints points(f, mode, kBetaABStep, right);
    bool bound = false, flat = false;
    fault = FpFault::None;
    const WalkEnd end = FirstStop(
        [&](std::int64_t j) {
          const long double x = points.X(j);
          if (right ? x >= b : x <= a) {
            bound = true;
            return Verdict::Stop;
          }
          const Probe p = points.At(j);
          const Probe previous = points.At(j - 1);
          for (const Probe& q : {p, previous}) {
            if (q.fault != FpFault::None) {
              fault = q.fault;
              return Verdict::Fault;
            }
          }
          bound = false;
          flat = false;
          if (p.value <= T) return Verdict::Stop;
          if ((right || fitting) && p.value == previous.value) {
            flat = true;
            return Verdict::Stop;
          }
          return Verdict::Go;
        },
        1);
    if (const FpFault e = FaultOfEnd(end, fault); e != FpFault::None) return Faulted(e);
    if (bound) continue;
    if (flat && fitting) {
      r.fitFailed = true;
      return r;
    }
    // The last point still above T: the one before the stop, or the flat point itself.
    const long double x = flat ? points.X(end.j) : points.X(end.j - 1);
    (right ? r.Max : r.Min) = x;
  }
  return r;
}

SearchResult RightTail(const Density& f, long double x0, long double h, long double factor,
                       bool flatStop) {
  const Probe p0 = Evaluate(f, x0);
  if (p0.fault != FpFault::None) return Faulted(p0.fault);
  const long double T = p0.value * factor;
  WalkPoints points(f, x0, h, true);
  FpFault fault = FpFault::None;
  const WalkEnd end = FirstStop(
      [&](std::int64_t j) {
        const Probe p = points.At(j);
        const Probe previous = points.At(j - 1);
        for (const Probe& q : {p, previous}) {
          if (q.fault != FpFault::None) {
            fault = q.fault;
            return Verdict::Fault;
          }
        }
        if (p.value <= T) return Verdict::Stop;
        if (flatStop && p.value == previous.value) return Verdict::Stop;
        return Verdict::Go;
      },
      1);
  if (const FpFault e = FaultOfEnd(end, fault); e != FpFault::None) return Faulted(e);
  SearchResult r;
  r.Min = x0;
  r.Max = points.X(end.j - 1);
  return r;
}

}  // namespace dorvex::sources

#include "sources/range_searches.h"

#include <cmath>
#include <cstdint>

#include "sources/range_walk.h"

namespace dorvex::sources {

namespace {

using numeric::FpFault;

SearchResult Faulted(FpFault fault) {
  SearchResult r;
  r.fault = fault;
  return r;
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

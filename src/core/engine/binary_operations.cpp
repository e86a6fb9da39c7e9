#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "engine/engine.h"
#include "engine/grid.h"
#include "engine/operations.h"

namespace dorvex::engine::detail {

namespace {

constexpr int kDivisorTouchesZeroCode = 49;
constexpr int kDivisionByZeroInOperationCode = 52;

bool IsDiscrete(const model::Histogram& h) { return h.Type == model::HistogramType::Discrete; }

Axis AxisOf(const model::Histogram& h) { return Axis{h.Min, h.Max, h.d}; }

// A Discrete input's values stand for whole intervals, so the span grows by half a
// width on each side for each Discrete input.
void WidenByHalfWidths(const model::Histogram& a, const model::Histogram& b, Work& w) {
  if (IsDiscrete(a)) {
    w.Min -= a.d / 2;
    w.Max += a.d / 2;
  }
  if (IsDiscrete(b)) {
    w.Min -= b.d / 2;
    w.Max += b.d / 2;
  }
}

// The smaller width; B's when they are equal.
double SmallerWidth(const model::Histogram& a, const model::Histogram& b) {
  return a.d < b.d ? a.d : b.d;
}

Status SumGrid(const model::Histogram& a, const model::Histogram& b, model::HistogramType type,
               int pointLimit, Work& w) {
  w.Min = a.Min + b.Min;
  w.Max = a.Max + b.Max;
  w.d = SmallerWidth(a, b);
  if (type == model::HistogramType::Discrete) {
    const double top = w.Max;
    WidenByHalfWidths(a, b, w);
    return DiscreteGrid(w, top);
  }
  return PureDiscreteGrid(w, pointLimit);
}

Status DifferenceGrid(const model::Histogram& a, const model::Histogram& b,
                      model::HistogramType type, int pointLimit, Work& w) {
  w.Min = a.Min - b.Max;
  w.Max = a.Max - b.Min;
  const double top = w.Max;
  if (type == model::HistogramType::Discrete) WidenByHalfWidths(a, b, w);
  w.d = SmallerWidth(a, b);
  if (w.Min == w.Max) {
    w.Min = std::min(a.Min, b.Min);
    w.Max = std::max(a.Max, b.Max);
  }
  if (w.Min > w.Max) std::swap(w.Min, w.Max);
  return GridOfType(w, type, pointLimit, std::max(top, w.Max));
}

// The largest value of a combination: the grid's last interval holds it.
double TopValue(Combination how, const model::Histogram& a, const model::Histogram& b,
                const Work& w) {
  switch (how) {
    case Combination::Sum:
      return a.Max + b.Max;
    case Combination::Difference:
      return a.Max - b.Min;
    default:
      return w.Max;  // the largest corner
  }
}

}  // namespace

bool TouchesZero(const Axis& b) {
  return b.Max == 0.0 || b.Min == 0.0 || (b.Min < 0.0 && b.Max > 0.0);
}

void ProductSpan(const Axis& a, const Axis& b, Work& w) {
  const double corners[] = {a.Min * b.Min, a.Min * b.Max, a.Max * b.Min, a.Max * b.Max};
  w.Min = *std::min_element(std::begin(corners), std::end(corners));
  w.Max = *std::max_element(std::begin(corners), std::end(corners));
  if (w.Min == w.Max) {
    w.Min = std::min(a.Min, b.Min);
    w.Max = std::max(a.Max, b.Max);
  }
  w.d = a.d * b.d;
}

Status QuotientSpan(const Axis& a, const Axis& b, Work& w) {
  // All four corners: for a divisor below zero the extremes sit at the other
  // corners than for a positive one.
  const double corners[] = {a.Min / b.Min, a.Min / b.Max, a.Max / b.Max, a.Max / b.Min};
  w.Min = *std::min_element(std::begin(corners), std::end(corners));
  w.Max = *std::max_element(std::begin(corners), std::end(corners));
  if (w.Min == w.Max) return Failure(kDivisionByZeroInOperationCode);
  w.d = std::fabs((1.0 / (b.Max - b.d) - 1.0 / b.Max) * a.Min);
  if (w.d == 0.0) return Failure(kDivisionByZeroInOperationCode);
  return std::nullopt;
}

Status Accumulate(Combination how, const Points& outer, const Points& inner, Work& w,
                  const PairLoop& loop, bool failure) {
  const bool nonlinear = how == Combination::Product || how == Combination::Quotient;
  const bool spread = nonlinear && w.tie >= 0.0 && (outer.half > 0.0 || inner.half > 0.0);
  if (!spread) return CombineAll(how, outer, inner, w, loop, failure);

  // A divisor interval that reaches zero has no bounded image: its value stands
  // for it as an exact point.
  PairEdges edges;
  edges.outer = &outer;
  edges.inner = &inner;
  edges.quotient = how == Combination::Quotient;
  for (int i = 1; i <= outer.n; ++i) {
    edges.outerLow[i] = outer.x[i] - outer.half;
    edges.outerHigh[i] = outer.x[i] + outer.half;
  }
  for (int j = 1; j <= inner.n; ++j) {
    double lo = inner.x[j] - inner.half;
    double hi = inner.x[j] + inner.half;
    if (edges.quotient) {
      if (lo <= 0.0 && hi >= 0.0) lo = hi = inner.x[j];
      const double reciprocalOfHigh = 1.0 / hi;
      hi = 1.0 / lo;
      lo = reciprocalOfHigh;
    }
    edges.innerLow[j] = lo;
    edges.innerHigh[j] = hi;
  }
  edges.innerPositive = true;
  for (int j = 1; j <= inner.n; ++j) {
    const bool positive = edges.innerLow[j] >= 0.0 && edges.innerLow[j] <= edges.innerHigh[j];
    edges.innerPositive = edges.innerPositive && positive;
  }
  return SpreadPairs(edges, w, loop, failure);
}

double LargestCombined(Combination how, const Points& outer, const Points& inner) {
  const double a = LargestMagnitude(outer);
  const double b = LargestMagnitude(inner);
  switch (how) {
    case Combination::Sum:
    case Combination::Difference:
      return a + b;
    case Combination::Product:
      return a * b;
    case Combination::Quotient: {
      double smallest = std::numeric_limits<double>::infinity();
      for (int j = 1; j <= inner.n; ++j) smallest = std::min(smallest, std::fabs(inner.x[j]));
      return a / smallest;
    }
  }
  return 0.0;
}

Status OperationGrid(Combination how, const model::Histogram& a, const model::Histogram& b,
                     model::HistogramType type, int pointLimit, Work& w) {
  switch (how) {
    case Combination::Sum:
      return SumGrid(a, b, type, pointLimit, w);
    case Combination::Difference:
      return DifferenceGrid(a, b, type, pointLimit, w);
    case Combination::Product:
      ProductSpan(AxisOf(a), AxisOf(b), w);
      return GridOfType(w, type, pointLimit);
    case Combination::Quotient:
      if (auto stop = QuotientSpan(AxisOf(a), AxisOf(b), w)) return stop;
      return GridOfType(w, type, pointLimit);
  }
  return std::nullopt;
}

Status CombineOnGrid(Combination how, const model::Histogram& a, const model::Histogram& b,
                     model::HistogramType type, const StepControl& step, Work& w) {
  Points outer;
  Points inner;
  FillPoints(a, outer);
  FillPoints(b, inner);
  if (how == Combination::Quotient) {
    for (int j = 1; j <= inner.n; ++j) {
      if (inner.x[j] == 0.0) return Failure(kDivisionByZeroInOperationCode);
    }
  }
  SetDiscreteRules(w, type, TopValue(how, a, b, w), LargestCombined(how, outer, inner));
  PairLoop loop;
  loop.control = step.control;
  loop.index = step.index;
  if (step.reportPairs) {
    loop.progressScale = inner.n;
    loop.progressTotal = static_cast<std::int64_t>(outer.n) * inner.n;
  }
  if (auto stop = Accumulate(how, outer, inner, w, loop, step.failure)) return stop;
  KeepHighestInterval(w);
  return std::nullopt;
}

Status RunBinaryOperation(int code, const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  const model::Histogram& b = *in.b;
  Combination how = Combination::Sum;
  switch (code) {
    case kSum:
      break;
    case kDifference:
      how = Combination::Difference;
      break;
    case kProduct:
      how = Combination::Product;
      break;
    case kQuotient:
      how = Combination::Quotient;
      if (TouchesZero(AxisOf(b))) return Failure(kDivisorTouchesZeroCode);
      break;
    default:
      return std::nullopt;
  }
  if (auto stop = OperationGrid(how, a, b, in.type, in.pointLimit, w)) return stop;
  StepControl step;
  step.control = &in.control;
  step.reportPairs = true;
  return CombineOnGrid(how, a, b, in.type, step, w);
}

}  // namespace dorvex::engine::detail

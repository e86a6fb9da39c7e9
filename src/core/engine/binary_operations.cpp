#include <algorithm>
#include <cmath>
#include <cstdint>
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

Status SumGrid(const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  const model::Histogram& b = *in.b;
  w.Min = a.Min + b.Min;
  w.Max = a.Max + b.Max;
  w.d = SmallerWidth(a, b);
  if (in.type == model::HistogramType::Discrete) {
    const double top = w.Max;
    WidenByHalfWidths(a, b, w);
    return DiscreteGrid(w, top);
  }
  return PureDiscreteGrid(w, in.pointLimit);
}

Status DifferenceGrid(const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  const model::Histogram& b = *in.b;
  w.Min = a.Min - b.Max;
  w.Max = a.Max - b.Min;
  const double top = w.Max;
  if (in.type == model::HistogramType::Discrete) WidenByHalfWidths(a, b, w);
  w.d = SmallerWidth(a, b);
  if (w.Min == w.Max) {
    w.Min = std::min(a.Min, b.Min);
    w.Max = std::max(a.Max, b.Max);
  }
  if (w.Min > w.Max) std::swap(w.Min, w.Max);
  return GridOfType(w, in.type, in.pointLimit, std::max(top, w.Max));
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

Status CombineAll(Combination how, const Points& outer, const Points& inner, Work& w,
                  const PairLoop& loop, bool failure) {
  const auto run = [&](auto combine) {
    return failure ? CombinePairs<true>(outer, inner, w, loop, combine)
                   : CombinePairs<false>(outer, inner, w, loop, combine);
  };
  switch (how) {
    case Combination::Sum:
      return run([](double x, double y) { return x + y; });
    case Combination::Difference:
      return run([](double x, double y) { return x - y; });
    case Combination::Product:
      return run([](double x, double y) { return x * y; });
    case Combination::Quotient:
      return run([](double x, double y) { return x / y; });
  }
  return std::nullopt;
}

Status RunBinaryOperation(int code, const Inputs& in, Work& w) {
  const model::Histogram& a = *in.a;
  const model::Histogram& b = *in.b;
  Combination how = Combination::Sum;
  Status stop;
  switch (code) {
    case kSum:
      stop = SumGrid(in, w);
      break;
    case kDifference:
      how = Combination::Difference;
      stop = DifferenceGrid(in, w);
      break;
    case kProduct:
      how = Combination::Product;
      ProductSpan(AxisOf(a), AxisOf(b), w);
      stop = GridOfType(w, in.type, in.pointLimit);
      break;
    case kQuotient:
      how = Combination::Quotient;
      if (TouchesZero(AxisOf(b))) return Failure(kDivisorTouchesZeroCode);
      stop = QuotientSpan(AxisOf(a), AxisOf(b), w);
      if (!stop) stop = GridOfType(w, in.type, in.pointLimit);
      break;
    default:
      return std::nullopt;
  }
  if (stop) return stop;

  Points outer;
  Points inner;
  FillPoints(a, outer);
  FillPoints(b, inner);
  if (how == Combination::Quotient) {
    for (int j = 1; j <= inner.n; ++j) {
      if (inner.x[j] == 0.0) return Failure(kDivisionByZeroInOperationCode);
    }
  }
  PairLoop loop;
  loop.control = &in.control;
  loop.progressScale = inner.n;
  loop.progressTotal = static_cast<std::int64_t>(outer.n) * inner.n;
  stop = CombineAll(how, outer, inner, w, loop, true);
  if (stop) return stop;
  KeepHighestInterval(w);
  return std::nullopt;
}

}  // namespace dorvex::engine::detail

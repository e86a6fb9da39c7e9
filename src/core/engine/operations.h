#pragma once
// Inside the engine: the ten operations, each filling the result grid from the
// scaled inputs. Not for use outside src/core/engine.

#include <cstdint>

#include "engine/accumulation.h"
#include "model/histogram.h"

namespace dorvex::engine::detail {

// What an operation works on.
struct Inputs {
  const model::Histogram* a = nullptr;  // A', never null when an operation runs
  const model::Histogram* b = nullptr;  // B', binary operations only
  model::HistogramType type = model::HistogramType::PureDiscrete;  // of the result
  int pointLimit = kDefaultPointLimit;
  std::int32_t n = 0;  // exponent or count, operations 7..10
  Control control;
};

// The span and first class width of an input or of a running result.
struct Axis {
  double Min = 0.0;
  double Max = 0.0;
  double d = 0.0;
};

// How two values combine.
enum class Combination { Sum, Difference, Product, Quotient };

// Every pair of `outer` and `inner` combined into w (see CombinePairs).
Status CombineAll(Combination how, const Points& outer, const Points& inner, Work& w,
                  const PairLoop& loop, bool failure);

// Span of a product: the extreme corner products; when they coincide, the smaller
// Min and the larger Max of the two factors. d = da * db.
void ProductSpan(const Axis& a, const Axis& b, Work& w);
// Span of a quotient a / b (b clear of zero): the extreme corner quotients and
// d = |(1 / (b.Max - b.d) - 1 / b.Max) * a.Min|. Stops with code 52 when the span
// collapses or d is 0.
Status QuotientSpan(const Axis& a, const Axis& b, Work& w);
// True when the values of b reach or straddle zero (error 49 for a divisor).
bool TouchesZero(const Axis& b);

// A' itself as the result, with its own failure probability.
void CopyInput(const model::Histogram& a, Work& w);

// Operations 1..4.
Status RunBinaryOperation(int code, const Inputs& in, Work& w);
// Operation 5, A^2.
Status RunSquare(const Inputs& in, Work& w);
// Operation 6, abs(A).
Status RunAbsolute(const Inputs& in, Work& w);
// Operation 7, A^n (n != 0).
Status RunPower(const Inputs& in, Work& w);
// Operations 8..10 (n >= 1), including the clearing of tiny probabilities.
Status RunRepeated(int code, const Inputs& in, Work& w);

}  // namespace dorvex::engine::detail

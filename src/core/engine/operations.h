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

// Every pair of `outer` and `inner` combined into w by the point rule: each
// combined value to its nearest interval (pair_rows.cpp).
Status CombineAll(Combination how, const Points& outer, const Points& inner, Work& w,
                  const PairLoop& loop, bool failure);

// Every pair combined into w: a product or quotient of a Discrete result spreads
// each pair over its image (SpreadPairs); sums, differences and Pure Discrete
// results take the point rule (CombineAll). A divisor interval that reaches zero
// has no bounded image: its value stands for it as an exact point.
Status Accumulate(Combination how, const Points& outer, const Points& inner, Work& w,
                  const PairLoop& loop, bool failure);

// The largest |x| that combining values of `outer` and `inner` can give, for the
// tie tolerance.
double LargestCombined(Combination how, const Points& outer, const Points& inner);

// The span and grid of the two-input operation `how` on a and b (for a quotient,
// b is clear of zero).
Status OperationGrid(Combination how, const model::Histogram& a, const model::Histogram& b,
                     model::HistogramType type, int pointLimit, Work& w);

// How one combination runs: the row-by-row cancel check, progress over all pairs
// when reportPairs, the text of an index outside the grid, and whether the values
// count into the failure probability.
struct StepControl {
  const Control* control = nullptr;
  bool reportPairs = false;
  IndexContext index;
  bool failure = true;
};

// Every pair of a and b combined into w, whose grid is set: a zero divisor stops
// with code 52; then the rules of `type` (SetDiscreteRules), Accumulate and
// KeepHighestInterval.
Status CombineOnGrid(Combination how, const model::Histogram& a, const model::Histogram& b,
                     model::HistogramType type, const StepControl& step, Work& w);

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
// Operations 5..7, A^2, abs(A) and A^n (n != 0): a Discrete result spreads each
// interval of A over its image, a Pure Discrete one places each value; every
// value counts into the failure probability.
Status RunSquare(const Inputs& in, Work& w);
Status RunAbsolute(const Inputs& in, Work& w);
Status RunPower(const Inputs& in, Work& w);
// Operations 8..10 (n >= 1): the n-fold sum and product by doubling (each partial
// result cleared of tiny probabilities and trimmed before it is combined again),
// the n-fold quotient as A divided by the product of the other n - 1 copies.
Status RunRepeated(int code, const Inputs& in, Work& w);

}  // namespace dorvex::engine::detail

// Every pair of two inputs combined by the point rule, row by row. This is the
// engine's innermost loop (a million pairs for two 1024-interval inputs), so a
// row's indices are found in a loop the compiler vectorises (and clones for wider
// vectors).

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/operations.h"
#include "engine/vector_clones.h"

namespace dorvex::engine::detail {

namespace {

// How far (x - Min) * (1 / d) may lie from (x - Min) / d for an index in 1..1024:
// a few roundings of at most half a unit in the last place of 1024, with room.
constexpr double kQuotientDrift = 64.0 * 1024.0 * std::numeric_limits<double>::epsilon();

template <Combination How>
inline double Combine(double x, double y) {
  if constexpr (How == Combination::Sum) return x + y;
  if constexpr (How == Combination::Difference) return x - y;
  if constexpr (How == Combination::Product) return x * y;
  if constexpr (How == Combination::Quotient) return x / y;
}

// What a row needs from its grid.
struct RowGrid {
  double min;
  double inverse;  // 1 / d
  double margin;   // around a half, within which a pair takes the quotient's own index
};

// index[j] = Round((combine(xi, bx[j]) - min) / d) + 1 for j = 1..n, with the
// product by 1/d in place of the quotient; nonzero when some pair lies within the
// margin of a half, where the two may round apart.
template <Combination How>
inline std::int64_t Indices(double xi, const double* bx, int n, const RowGrid& grid,
                            std::int32_t* index) {
  std::int64_t nearHalf = 0;
  for (int j = 1; j <= n; ++j) {
    const double q = (Combine<How>(xi, bx[j]) - grid.min) * grid.inverse;
    index[j] = static_cast<std::int32_t>(RoundedBits(q)) + 1;
    nearHalf |= RoundedBits(q - grid.margin) ^ RoundedBits(q + grid.margin);
  }
  return nearHalf;
}

DORVEX_VECTOR_CLONES std::int64_t SumIndices(double xi, const double* bx, int n, const RowGrid& grid,
                                             std::int32_t* index) {
  return Indices<Combination::Sum>(xi, bx, n, grid, index);
}
DORVEX_VECTOR_CLONES std::int64_t DifferenceIndices(double xi, const double* bx, int n,
                                                    const RowGrid& grid, std::int32_t* index) {
  return Indices<Combination::Difference>(xi, bx, n, grid, index);
}
DORVEX_VECTOR_CLONES std::int64_t ProductIndices(double xi, const double* bx, int n,
                                                 const RowGrid& grid, std::int32_t* index) {
  return Indices<Combination::Product>(xi, bx, n, grid, index);
}
DORVEX_VECTOR_CLONES std::int64_t QuotientIndices(double xi, const double* bx, int n,
                                                  const RowGrid& grid, std::int32_t* index) {
  return Indices<Combination::Quotient>(xi, bx, n, grid, index);
}

template <Combination How>
std::int64_t RowIndices(double xi, const double* bx, int n, const RowGrid& grid, std::int32_t* index) {
  if constexpr (How == Combination::Sum) return SumIndices(xi, bx, n, grid, index);
  if constexpr (How == Combination::Difference) return DifferenceIndices(xi, bx, n, grid, index);
  if constexpr (How == Combination::Product) return ProductIndices(xi, bx, n, grid, index);
  if constexpr (How == Combination::Quotient) return QuotientIndices(xi, bx, n, grid, index);
}

// Four partial sums of the result's probabilities, each in an array of its own:
// pairs next to each other often share an interval, and their additions then do
// not wait on each other.
using Lanes = std::array<std::array<double, kMaxBins + 1>, 4>;

// Adds p * pi[j] to the interval index[j] for j = 1..n.
void AddRow(const std::int32_t* index, const double* pi, int n, double p, double* P, Lanes& lanes) {
  const std::int32_t first = index[1];
  const std::int32_t last = index[n];
  const std::int32_t step = last >= first ? 1 : -1;
  bool consecutive = (last - first) * step == n - 1;
  if (consecutive) {
    std::int32_t apart = 0;
    for (int j = 1; j <= n; ++j) apart |= index[j] ^ (first + step * (j - 1));
    consecutive = apart == 0;
  }
  // One interval after another: the row adds as a whole, vectorised.
  if (consecutive && step == 1) {
    double* const row = P + first - 1;
    for (int j = 1; j <= n; ++j) row[j] += p * pi[j];
    return;
  }
  if (consecutive) {
    double* const row = P + first + 1;
    for (int j = 1; j <= n; ++j) row[-j] += p * pi[j];
    return;
  }
  int j = 1;
  for (; j + 3 <= n; j += 4) {
    lanes[0][index[j]] += p * pi[j];
    lanes[1][index[j + 1]] += p * pi[j + 1];
    lanes[2][index[j + 2]] += p * pi[j + 2];
    lanes[3][index[j + 3]] += p * pi[j + 3];
  }
  for (; j <= n; ++j) lanes[0][index[j]] += p * pi[j];
}

// P(x < 0) + P(x = 0) / 2 of a row, before the outer probability.
template <Combination How>
double RowFailure(double xi, const double* bx, const double* pi, int n) {
  double below = 0.0;
  for (int j = 1; j <= n; ++j) {
    const double x = Combine<How>(xi, bx[j]);
    below += x < 0.0 ? pi[j] : (x == 0.0 ? pi[j] / 2.0 : 0.0);
  }
  return below;
}

// Every pair (outer i, inner j): x = combine(outer.x[i], inner.x[j]) with
// p = outer.p[i] * inner.p[j] goes to the interval Round((x - Min) / d) + 1 of w;
// with `failure`, x also counts into the failure probability. A row with a pair
// near a half, a tie of a Discrete result (w.tie >= 0) or an index outside the
// grid goes pair by pair through AddAt. The sums may differ from adding pair by
// pair in order in their last bits only.
template <Combination How>
Status CombinePairs(const Points& outer, const Points& inner, Work& w, const PairLoop& loop,
                    bool failure) {
  const ProbabilityArray& po = *outer.p;
  const double* const pi = inner.p->data();
  const double* const bx = inner.x.data();
  const int n = inner.n;
  const double min = w.Min;
  const double d = w.d;
  const RowGrid grid{min, 1.0 / d, (w.tie >= 0.0 ? w.tie : 0.0) + kQuotientDrift};
  // The inner values rise and every combination is monotone in them (a divisor
  // clear of zero), so a row's values and indices are monotone: its ends tell
  // whether any index leaves the grid and whether any value reaches 0.
  const bool monotone = How != Combination::Quotient || n == 0 || bx[1] > 0.0 || bx[n] < 0.0;
  std::array<std::int32_t, kMaxBins + 1> index;
  Lanes lanes{};
  double* const P = w.P.data();
  for (int i = 1; i <= outer.n; ++i) {
    const double xi = outer.x[i];
    const double pouter = po[i];
    // An empty row adds nothing; its values may lie past the span (the even point
    // of a running Pure Discrete result), where they must not stop the run.
    if (pouter != 0.0 && n > 0) {
      const double firstValue = Combine<How>(xi, bx[1]);
      const double lastValue = Combine<How>(xi, bx[n]);
      const bool inside = monotone && IndexInRange((firstValue - min) * grid.inverse) &&
                          IndexInRange((lastValue - min) * grid.inverse);
      if (!inside || RowIndices<How>(xi, bx, n, grid, index.data()) != 0) [[unlikely]] {
        for (int j = 1; j <= n; ++j) {
          const double x = Combine<How>(xi, bx[j]);
          if (auto stop = AddAt(w, (x - min) / d, x, pouter * pi[j], failure, loop.index)) return stop;
        }
      } else {
        AddRow(index.data(), pi, n, pouter, P, lanes);
        w.highest = std::max({w.highest, index[1], index[n]});
        if (failure && std::min(firstValue, lastValue) <= 0.0) {
          w.failure += static_cast<long double>(pouter) * RowFailure<How>(xi, bx, pi, n);
        }
      }
    }
    if (RowDone(loop, i)) return Cancelled();
  }
  for (int k = 1; k <= kMaxBins; ++k) P[k] += (lanes[0][k] + lanes[1][k]) + (lanes[2][k] + lanes[3][k]);
  return std::nullopt;
}

}  // namespace

Status CombineAll(Combination how, const Points& outer, const Points& inner, Work& w,
                  const PairLoop& loop, bool failure) {
  switch (how) {
    case Combination::Sum:
      return CombinePairs<Combination::Sum>(outer, inner, w, loop, failure);
    case Combination::Difference:
      return CombinePairs<Combination::Difference>(outer, inner, w, loop, failure);
    case Combination::Product:
      return CombinePairs<Combination::Product>(outer, inner, w, loop, failure);
    case Combination::Quotient:
      return CombinePairs<Combination::Quotient>(outer, inner, w, loop, failure);
  }
  return std::nullopt;
}

}  // namespace dorvex::engine::detail

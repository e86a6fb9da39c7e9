#pragma once
// Questions put to a result: the probability of a value and the value of a
// probability (the quantile Qp), with the intervals the chart marks for each.

#include "engine/engine.h"

namespace dorvex::engine {

// P(x) and P(X <= x) for a value x of the result.
struct ValueAnswer {
  // False when x lies outside the result (Discrete: Min - d/2 < x <= Max + d/2,
  // Pure Discrete: Min <= x <= Max); the field is then emptied and nothing shown.
  bool admissible = false;
  double probability = 0.0;        // P(x): the probability of interval k
  long double cumulative = 0.0L;   // P(X <= x)
  int interval = 0;                // k, from 1
  bool atUpperBound = false;       // x is the upper bound: the chart title names x
  int markedIntervals = 0;         // intervals 1..k-1 go into the marker series
};

// The answer for x: Discrete results interpolate linearly inside interval k (at
// x = 0 a result whose failure probability comes from its operation answers that
// instead); Pure Discrete results sum up to the last point not above x.
ValueAnswer ProbabilityOfValue(const OperationResult& result, double x);

// The value Qp with P(X <= Qp) = p.
struct QuantileAnswer {
  bool admissible = false;  // false for p <= 0, p > 1 or NaN: the field is emptied
  double value = 0.0;       // Qp
  int interval = 0;         // k, the interval where the distribution reaches p
  bool probabilityIsOne = false;  // p = 1: the field shows "1"
  int markedIntervals = 0;  // intervals 1..k go into the marker series
};

// Qp for p: the upper bound for p = 1; else, at the first interval k where the
// distribution reaches p, Discrete results step back inside k by the share of its
// probability above p, Pure Discrete results answer the value of k. When rounding
// keeps the sum below p, the answer is that of p = 1.
QuantileAnswer QuantileOfProbability(const OperationResult& result, double p);

}  // namespace dorvex::engine

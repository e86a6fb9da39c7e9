#include "engine/queries.h"

namespace dorvex::engine {

namespace {

bool IsDiscrete(const model::Histogram& h) { return h.Type == model::HistogramType::Discrete; }

// The upper end of the result: the outer edge of a Discrete result, the last point
// of a Pure Discrete one.
double UpperBound(const model::Histogram& h) { return IsDiscrete(h) ? h.Max + h.d / 2 : h.Max; }

}  // namespace

ValueAnswer ProbabilityOfValue(const OperationResult& result, double x) {
  const model::Histogram& h = result.histogram;
  ValueAnswer answer;
  const bool discrete = IsDiscrete(h);
  const double lower = discrete ? h.Min - h.d / 2 : h.Min;
  const double upper = UpperBound(h);
  const bool inside = discrete ? (x > lower && x <= upper) : (x >= lower && x <= upper);
  if (h.N < 1 || !inside) return answer;
  answer.admissible = true;

  if (x == upper) {
    answer.interval = h.N;
    answer.probability = h.P[h.N];
    answer.cumulative = 1.0L;
    answer.atUpperBound = true;
  } else if (discrete) {
    // Interval k holds Min + (k - 1.5) d < x <= Min + (k - 0.5) d.
    int k = 1;
    while (k < h.N && x > h.Min + (k - 0.5) * h.d) ++k;
    const double intervalStart = h.Min + (k - 1.5) * h.d;
    long double below = 0.0L;
    for (int i = 1; i < k; ++i) below += h.P[i];
    answer.interval = k;
    answer.probability = h.P[k];
    answer.cumulative = x == 0.0 && result.failureFromOperation
                            ? static_cast<long double>(result.failureProbability)
                            : below + h.P[k] * static_cast<long double>(x - intervalStart) / h.d;
  } else {
    int k = 1;
    while (k < h.N && h.Min + k * h.d <= x) ++k;
    long double upTo = 0.0L;
    for (int i = 1; i <= k; ++i) upTo += h.P[i];
    answer.interval = k;
    answer.probability = h.P[k];
    answer.cumulative = upTo;
  }
  answer.markedIntervals = answer.interval - 1;
  return answer;
}

QuantileAnswer QuantileOfProbability(const OperationResult& result, double p) {
  const model::Histogram& h = result.histogram;
  QuantileAnswer answer;
  if (h.N < 1 || !(p > 0.0 && p <= 1.0)) return answer;
  answer.admissible = true;
  answer.probabilityIsOne = p == 1.0;

  answer.interval = h.N;
  answer.value = UpperBound(h);
  if (!answer.probabilityIsOne) {
    long double reached = 0.0L;
    for (int k = 1; k <= h.N; ++k) {
      reached += h.P[k];
      if (reached >= p) {
        answer.interval = k;
        answer.value =
            IsDiscrete(h)
                ? static_cast<double>((h.Min - h.d / 2) + k * h.d - (reached - p) / h.P[k] * h.d)
                : h.Min + (k - 1) * h.d;
        break;
      }
    }
  }
  answer.markedIntervals = answer.interval;
  return answer;
}

}  // namespace dorvex::engine

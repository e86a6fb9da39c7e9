#include "engine/grid.h"

#include <algorithm>
#include <cmath>

#include "engine/arithmetic_faults.h"
#include "numeric/round.h"

namespace dorvex::engine::detail {

namespace {

constexpr int kMinDiscreteIntervals = 4;
constexpr int kLargestPointLimit = kMaxBins - 2;
// Beyond this a ratio is counted as it stands: it is an integer already, and the
// halving or the limit of 1024 takes over.
constexpr double kLargestRoundedCount = 0x1p62;

}  // namespace

int ClampPointLimit(int limit) { return std::clamp(limit, 2, kLargestPointLimit); }

Status CountOfWidths(double range, double d, long double& count) {
  const double ratio = range / d;
  if (!std::isfinite(ratio)) return Failure(*ArithmeticFaultError(numeric::FaultOf(ratio)));
  if (ratio < 0.0) {
    count = 0.0L;
  } else if (ratio < kLargestRoundedCount) {
    count = static_cast<long double>(RoundHalfEven(ratio));
  } else {
    count = std::floor(static_cast<long double>(ratio));
  }
  return std::nullopt;
}

Status DiscreteGrid(Work& w, double top) {
  w.Range = w.Max - w.Min;
  long double count = 0.0L;
  if (auto stop = CountOfWidths(w.Range, w.d, count)) return stop;
  count = std::clamp(count, static_cast<long double>(kMinDiscreteIntervals),
                     static_cast<long double>(kMaxBins));
  w.N = static_cast<std::int32_t>(count);
  w.d = w.Range / w.N;
  // Interval 1 is centred on the lower edge, so the top value can land half an
  // interval past the last one; below 1024 intervals the grid grows to it.
  if (w.N == kMaxBins && !IndexInRange((top - w.Min) / w.d)) w.d = w.Range / (kMaxBins - 1);
  return std::nullopt;
}

Status DiscreteGrid(Work& w) { return DiscreteGrid(w, w.Max); }

void LimitPoints(Work& w, long double count, int limit) {
  const long double most = ClampPointLimit(limit);
  if (std::fmod(count, 2.0L) != 0.0L) count += 1.0L;
  while (count > most) {
    count = std::floor(count / 2.0L);
    w.d = 2.0 * w.d;
  }
  if (std::fmod(count, 2.0L) != 0.0L) count += 1.0L;
  w.N = static_cast<std::int32_t>(count);
}

Status PureDiscreteGrid(Work& w, int limit) {
  w.Range = w.Max - w.Min;
  long double count = 0.0L;
  if (auto stop = CountOfWidths(w.Range, w.d, count)) return stop;
  LimitPoints(w, count + 1.0L, limit);
  return std::nullopt;
}

Status GridOfType(Work& w, model::HistogramType type, int limit, double top) {
  return type == model::HistogramType::Discrete ? DiscreteGrid(w, top) : PureDiscreteGrid(w, limit);
}

Status GridOfType(Work& w, model::HistogramType type, int limit) {
  return GridOfType(w, type, limit, w.Max);
}

}  // namespace dorvex::engine::detail

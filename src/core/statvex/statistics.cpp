#include "statvex/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "statvex/number_text.h"

namespace dorvex::statvex {

namespace {

// The values x_1 .. x_n of one array; sums run in long double.
struct Grid {
  int n = 0;
  long double min = 0;
  long double max = 0;
  long double h = 0;

  Grid(int N, double Min, double Max) : n(std::clamp(N, 0, kMaxBins)), min(Min), max(Max) {
    if (n >= 2) h = (max - min) / (n - 1);
  }

  long double Value(int i) const { return i == n && n >= 2 ? max : min + (i - 1) * h; }
};

long double Mass(const ProbabilityArray& P, int n) {
  long double sum = 0;
  for (int i = 1; i <= n; ++i) sum += P[static_cast<std::size_t>(i)];
  return sum;
}

double At(const ProbabilityArray& P, int i) { return P[static_cast<std::size_t>(i)]; }

// The mean of f(x) under the distribution P / sum(P); 0 without probability.
template <class Function>
long double Expectation(const ProbabilityArray& P, const Grid& grid, Function f) {
  const long double mass = Mass(P, grid.n);
  if (!(mass > 0)) return 0;
  long double sum = 0;
  for (int i = 1; i <= grid.n; ++i) sum += At(P, i) * f(grid.Value(i));
  return sum / mass;
}

long double CentralMoment(const ProbabilityArray& P, const Grid& grid, long double centre,
                          int power) {
  return Expectation(P, grid, [centre, power](long double x) {
    long double product = 1;
    for (int k = 0; k < power; ++k) product *= x - centre;
    return product;
  });
}

// A variance this small against the values is the rounding of the mean to a double,
// not a spread: x_2 of a single point P = (0, 1, 0) differs from its own rounded mean.
bool HasSpread(long double variance, const Grid& grid) {
  constexpr long double kRelativeNoise = 64 * std::numeric_limits<double>::epsilon();
  const long double scale = std::max(std::fabs(grid.min), std::fabs(grid.max));
  const long double noise = kRelativeNoise * scale;
  return variance > noise * noise;
}

// Moment ratio m_power / m2^(power / 2) of the shape statistics.
double StandardisedMoment(const ProbabilityArray& P, int N, double Min, double Max,
                          double mean, int power) {
  const Grid grid(N, Min, Max);
  const long double variance = CentralMoment(P, grid, mean, 2);
  if (!HasSpread(variance, grid)) return std::numeric_limits<double>::quiet_NaN();
  const long double moment = CentralMoment(P, grid, mean, power);
  return static_cast<double>(moment / std::pow(variance, power / 2.0L));
}

double PercentOfMean(double mean, double standardDeviation) {
  if (mean == 0) return 0;
  return 100.0 * standardDeviation / std::fabs(mean);
}

// Moments of the pairs (x_i, P_i), each point weighted 1/n.
struct PairMoments {
  long double varianceX = 0;
  long double varianceY = 0;
  long double covariance = 0;
};

PairMoments Pairs(const ProbabilityArray& P, int N, double Min, double Max) {
  const Grid grid(N, Min, Max);
  PairMoments m;
  if (grid.n < 1) return m;
  long double sumX = 0;
  for (int i = 1; i <= grid.n; ++i) sumX += grid.Value(i);
  const long double meanX = sumX / grid.n;
  const long double meanY = Mass(P, grid.n) / grid.n;
  for (int i = 1; i <= grid.n; ++i) {
    const long double dx = grid.Value(i) - meanX;
    const long double dy = At(P, i) - meanY;
    m.varianceX += dx * dx;
    m.varianceY += dy * dy;
    m.covariance += dx * dy;
  }
  m.varianceX /= grid.n;
  m.varianceY /= grid.n;
  m.covariance /= grid.n;
  return m;
}

}  // namespace

double Mean(const ProbabilityArray& P, int N, double Min, double Max) {
  return static_cast<double>(Expectation(P, Grid(N, Min, Max), [](long double x) { return x; }));
}

double Variance(const ProbabilityArray& P, int N, double Min, double Max, double mean) {
  const Grid grid(N, Min, Max);
  const long double variance = CentralMoment(P, grid, mean, 2);
  return HasSpread(variance, grid) ? static_cast<double>(variance) : 0.0;
}

double MeanAbsDeviation(const ProbabilityArray& P, int N, double Min, double Max, double mean) {
  const Grid grid(N, Min, Max);
  if (!HasSpread(CentralMoment(P, grid, mean, 2), grid)) return 0.0;
  const long double centre = mean;
  return static_cast<double>(
      Expectation(P, grid, [centre](long double x) { return std::fabs(x - centre); }));
}

double CoefficientOfVariation(double mean, double standardDeviation) {
  return PercentOfMean(mean, standardDeviation);
}

double Skewness(const ProbabilityArray& P, int N, double Min, double Max, double mean) {
  return StandardisedMoment(P, N, Min, Max, mean, 3);
}

double Kurtosis(const ProbabilityArray& P, int N, double Min, double Max, double mean) {
  return StandardisedMoment(P, N, Min, Max, mean, 4) - 3.0;
}

std::string MedianText(bool discrete, const ProbabilityArray& P, double Min, double Max, int N) {
  const Grid grid(N, Min, Max);
  const long double mass = Mass(P, grid.n);
  if (!(mass > 0)) return DisplayNumber(0);
  const long double half = mass / 2;
  long double F = 0;
  for (int i = 1; i <= grid.n; ++i) {
    const long double before = F;
    F += At(P, i);
    if (F < half) continue;
    if (!discrete) return DisplayNumber(static_cast<double>(grid.Value(i)));
    // F grew past the half inside this interval, so P[i] > 0.
    const long double lowerEdge = grid.Value(i) - grid.h / 2;
    return DisplayNumber(static_cast<double>(lowerEdge + (half - before) / At(P, i) * grid.h));
  }
  // F ends at the mass, so only negative entries, which no histogram holds, get here.
  return DisplayNumber(static_cast<double>(grid.Value(grid.n)));
}

std::string ModeText(const ProbabilityArray& P, int N, double Min, double Max) {
  const Grid grid(N, Min, Max);
  if (!(Mass(P, grid.n) > 0)) return DisplayNumber(0);
  int best = 1;
  for (int i = 2; i <= grid.n; ++i) {
    if (At(P, i) > At(P, best)) best = i;
  }
  return DisplayNumber(static_cast<double>(grid.Value(best)));
}

double MeanOfProbabilities(const ProbabilityArray& P, int N) {
  const int n = std::clamp(N, 0, kMaxBins);
  if (n < 1) return 0;
  return static_cast<double>(Mass(P, n) / n);
}

double VarianceOfProbabilities(const ProbabilityArray& P, int N, double meanY) {
  const int n = std::clamp(N, 0, kMaxBins);
  if (n < 1) return 0;
  long double sum = 0;
  for (int i = 1; i <= n; ++i) {
    const long double deviation = At(P, i) - static_cast<long double>(meanY);
    sum += deviation * deviation;
  }
  return static_cast<double>(sum / n);
}

double CoefficientOfVariationOfProbabilities(double meanY, double standardDeviationY) {
  return PercentOfMean(meanY, standardDeviationY);
}

double Covariance(const ProbabilityArray& P, int N, double Min, double Max) {
  return static_cast<double>(Pairs(P, N, Min, Max).covariance);
}

double Correlation(const ProbabilityArray& P, int N, double Min, double Max) {
  const PairMoments m = Pairs(P, N, Min, Max);
  if (!(m.varianceX > 0) || !(m.varianceY > 0)) return 0;
  return static_cast<double>(m.covariance / std::sqrt(m.varianceX * m.varianceY));
}

double RegressionSlopeYOnX(const ProbabilityArray& P, int N, double Min, double Max) {
  const PairMoments m = Pairs(P, N, Min, Max);
  if (!(m.varianceX > 0)) return 0;
  return static_cast<double>(m.covariance / m.varianceX);
}

double RegressionSlopeXOnY(const ProbabilityArray& P, int N, double Min, double Max) {
  const PairMoments m = Pairs(P, N, Min, Max);
  if (!(m.varianceY > 0)) return 0;
  return static_cast<double>(m.covariance / m.varianceY);
}

double CoefficientOfDetermination(const ProbabilityArray& fitted, const ProbabilityArray& data,
                           int N) {
  const int n = std::clamp(N, 0, kMaxBins);
  if (n < 1) return 0;
  const long double meanData = Mass(data, n) / n;
  long double residual = 0;
  long double spread = 0;
  for (int i = 1; i <= n; ++i) {
    const long double miss = At(fitted, i) - static_cast<long double>(At(data, i));
    const long double deviation = At(data, i) - meanData;
    residual += miss * miss;
    spread += deviation * deviation;
  }
  if (!(spread > 0)) return 0;
  return static_cast<double>(1 - residual / spread);
}

}  // namespace dorvex::statvex

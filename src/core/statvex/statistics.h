#pragma once
// Statistics of a probability array.
// Statistics are those of the discrete distribution P[1..N] over the values
// x_i = Min + (i - 1) * h, h = (Max - Min) / (N - 1); no sample-size correction.

#include <string>
#include <string_view>

#include "statvex/probability_array.h"

namespace dorvex::statvex {


double PrumerX(const ProbabilityArray& P, int N, double Min, double Max);
// The variance (not its root).
double RozptylX(const ProbabilityArray& P, int N, double Min, double Max, double mean);
// Mean absolute deviation.
double StrHodX(const ProbabilityArray& P, int N, double Min, double Max, double mean);
// Coefficient of variation in percent; 0 when the mean is 0.
double KoefVariX(double mean, double standardDeviation);
double Skewness(const ProbabilityArray& P, int N, double Min, double Max, double mean,
                long double Total);
// Excess kurtosis (callers add 3 where the plain kurtosis is shown).
double Kurtosis(const ProbabilityArray& P, int N, double Min, double Max, double mean,
                long double Total);
// Median as display text: Discrete (discrete == true) interpolates inside the
// interval where F reaches 0.5; Pure Discrete takes the first point with F >= 0.5.
std::string VypMedian(bool discrete, const ProbabilityArray& P, double Min, double Max, int N);
// Mode as display text: the value of the largest probability, the first on ties.
std::string VypMode(const ProbabilityArray& P, int N, double Min, double Max);

// Statistics of two arrays of one histogram: Y are the probabilities P[1..N] taken
// as a sample, X the interval values.
double PrumerY(const ProbabilityArray& P, int N);
double RozptylY(const ProbabilityArray& P, int N, double meanY);
double KoefVariY(double meanY, double varianceY);
// Covariance of X and Y.
double PrumerXY(const ProbabilityArray& P, int N, double Min, double Max);
double KoefKorel(const ProbabilityArray& P, int N, double Min, double Max);
double KoefRegreseX(const ProbabilityArray& P, int N, double Min, double Max);
double KoefRegreseY(const ProbabilityArray& P, int N, double Min, double Max);

// Closeness of a fit: R^2 = 1 - sum (fit_i - data_i)^2 / sum (data_i - meanData)^2
// over i = 1..N. `name` identifies the fit in diagnostics only.
double VypocetCharTesnosti(std::string_view name, const ProbabilityArray& fitted,
                           const ProbabilityArray& data, int N, double dataMean,
                           double dataVariance);


}  // namespace dorvex::statvex

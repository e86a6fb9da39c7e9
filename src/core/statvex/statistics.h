#pragma once
// Statistics of a probability array.
//
// The X statistics are those of the discrete distribution P[1..N] over the values
// x_i = Min + (i - 1) * h, h = (Max - Min) / (N - 1) (x_N is Max itself), weighted by
// P[i] / sum(P) and without sample-size correction. N is taken within 0..kMaxBins;
// N = 1 is the single value Min. An array without probability (N < 1 or sum(P) <= 0)
// gives 0 and the text of 0. A spread within the rounding of the values to doubles
// (a variance below (64 * DBL_EPSILON * max(|Min|, |Max|))^2) counts as none.
// The Y statistics take the probabilities P[1..N] as a sample Y of N equally weighted
// points paired with the values X = x_i.

#include <string>

#include "statvex/probability_array.h"

namespace dorvex::statvex {

// Mean of the distribution.
double Mean(const ProbabilityArray& P, int N, double Min, double Max);
// Variance about `mean` (not its root); 0 without spread.
double Variance(const ProbabilityArray& P, int N, double Min, double Max, double mean);
// Mean absolute deviation about `mean`; 0 without spread.
double MeanAbsDeviation(const ProbabilityArray& P, int N, double Min, double Max, double mean);
// Coefficient of variation in percent, 100 * standardDeviation / |mean|; 0 when the
// mean is 0.
double CoefficientOfVariation(double mean, double standardDeviation);
// Third central moment about `mean` over the variance to the power 1.5; NaN
// (DisplayNumber shows "undefined") when the distribution has no spread.
double Skewness(const ProbabilityArray& P, int N, double Min, double Max, double mean);
// Excess kurtosis, fourth central moment over the squared variance minus 3 (callers
// add 3 where the plain kurtosis is shown); NaN when the distribution has no spread.
double Kurtosis(const ProbabilityArray& P, int N, double Min, double Max, double mean);
// Median as DisplayNumber text, where F = P[1] + ... + P[i] reaches half of sum(P):
// Discrete (discrete == true) interpolates linearly inside the interval
// x_i - h/2 ... x_i + h/2 where that happens (as the quantile Qp); Pure Discrete
// takes the value of the first point with F >= half.
std::string MedianText(bool discrete, const ProbabilityArray& P, double Min, double Max, int N);
// Mode as DisplayNumber text: the value of the largest probability, the first on ties.
std::string ModeText(const ProbabilityArray& P, int N, double Min, double Max);

// Mean of the probabilities, sum(P) / N; 0 when N < 1.
double MeanOfProbabilities(const ProbabilityArray& P, int N);
// Variance of the probabilities about `meanY`, divided by N (not its root).
double VarianceOfProbabilities(const ProbabilityArray& P, int N, double meanY);
// Coefficient of variation of the probabilities in percent, as CoefficientOfVariation;
// `standardDeviationY` is the root of VarianceOfProbabilities.
double CoefficientOfVariationOfProbabilities(double meanY, double standardDeviationY);
// Covariance of X and Y, divided by N.
double Covariance(const ProbabilityArray& P, int N, double Min, double Max);
// Correlation coefficient of X and Y; 0 when X or Y has no spread.
double Correlation(const ProbabilityArray& P, int N, double Min, double Max);
// Slope of the regression line of Y on X, covariance / variance of X; 0 when X has no
// spread.
double RegressionSlopeYOnX(const ProbabilityArray& P, int N, double Min, double Max);
// Slope of the regression line of X on Y, covariance / variance of Y; 0 when Y has no
// spread.
double RegressionSlopeXOnY(const ProbabilityArray& P, int N, double Min, double Max);

// Closeness of a fit, the coefficient of determination
// R^2 = 1 - sum (fitted_i - data_i)^2 / sum (data_i - mean(data))^2 over i = 1..N:
// 1 for a perfect fit, negative for a fit worse than the data's mean. 0 when the data
// have no spread (the ratio is undefined) or N < 1.
double CoefficientOfDetermination(const ProbabilityArray& fitted, const ProbabilityArray& data,
                           int N);

}  // namespace dorvex::statvex

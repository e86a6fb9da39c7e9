#pragma once
// The reliability index beta of a failure probability, Pf = Phi(-beta), and its
// conversion between reference periods.

namespace dorvex::numeric {

// The target reliability index a result is measured against unless the user sets
// another (ultimate limit states, a 50-year reference period).
inline constexpr double kDefaultTargetIndex = 3.8;

// beta = -Phi^-1(Pf): +infinity for Pf = 0, -infinity for Pf = 1, NaN outside 0 .. 1.
double ReliabilityIndex(double pf);

// Pf = Phi(-beta).
double FailureProbabilityOfIndex(double beta);

// The index for a reference period n times as long (n > 0, fractions allowed) for
// independent periods: Phi(beta_n) = Phi(beta)^n, computed through 1 - Pf so that
// small failure probabilities keep their digits.
double IndexForPeriods(double beta, double n);

}  // namespace dorvex::numeric

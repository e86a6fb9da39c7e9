#include "numeric/reliability.h"

#include <cmath>

#include "numeric/normal.h"

namespace dorvex::numeric {

double ReliabilityIndex(double pf) { return -NormalQuantile(pf); }

double FailureProbabilityOfIndex(double beta) { return NormalCdf(-beta); }

double IndexForPeriods(double beta, double n) {
  const double pf = FailureProbabilityOfIndex(beta);
  // 1 - (1 - Pf)^n without forming 1 - Pf.
  return ReliabilityIndex(-std::expm1(n * std::log1p(-pf)));
}

}  // namespace dorvex::numeric

#pragma once
// The range rule of each type: which search, from where, in which steps, and the
// extra rules of fitting mode.

#include "numeric/fp_fault.h"
#include "sources/param_densities.h"
#include "sources/param_state.h"

namespace dorvex::sources {

// The range of one computation, or why there is none.
struct RangeOutcome {
  long double Min = 0.0L;
  long double Max = 0.0L;
  long double step = 0.1L;                          // step of the search used
  numeric::FpFault fault = numeric::FpFault::None;  // a fault ended the search
  int message = 0;     // a refusal: 190 (Gama, Min = Max) or 507 (Snedecorovo, Max < 0)
  int field = 0;       // parameter field focused by the refusal
  bool fitFailed = false;  // fitting mode rejected the type for this sample
};

// Eps as the type uses it: x10 for Cauchy, x0.01 for Weibull and Rayleigh,
// x0.00001 for Gama; unchanged otherwise.
long double ScaledEps(int type, double eps);

// The range of the prepared density f. eps is already scaled. In fitting mode
// `fit` is set and Min0..Max0 is the start range (Xmin..Xmax, Lo..Xmax with a user
// range); a user range replaces every rule but Raised-cosine's.
RangeOutcome FindRange(const Density& f, long double eps, const FitInputs* fit, double Min0,
                       double Max0);

}  // namespace dorvex::sources

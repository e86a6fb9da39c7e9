#pragma once
// Fitting mode: the parameters of a type estimated from the sample's moments,
// written as parameter texts, and the fit description built from them.

#include <string>

#include "numeric/fp_fault.h"
#include "sources/param_state.h"

namespace dorvex::sources {

// The estimate of one type for one sample.
struct FitOutcome {
  bool fits = false;    // false: the type cannot be fitted to this sample
  int message = 0;      // the refusal's message when there is one (507, Snedecorovo)
  numeric::FpFault fault = numeric::FpFault::None;  // a fault in the estimate
  std::string description;  // e.g. "Mi=     10.0000,Sigma=     1.00000)"
};

// Estimates the parameters of `type` from the sample in `fit` and, when the type
// fits, writes them into `texts` (a parameter equal to m, s or g takes the sample
// table's text, a computed one fixed notation with 5 decimals). Min and Max are
// the start range (Beta_obecné takes them as a and b).
FitOutcome FitParameters(int type, const FitInputs& fit, double Min, double Max,
                         ParameterTexts& texts);

// x in fixed notation with `decimals` decimals and "." as the decimal point.
std::string FixedText(double x, int decimals);

}  // namespace dorvex::sources

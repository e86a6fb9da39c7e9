#pragma once
// What the descriptor files share: the checked special functions on extended
// reals, the building blocks of range rules and of fitting rules.

#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include "numeric/fp_fault.h"
#include "sources/distribution.h"
#include "sources/range_searches.h"

namespace dorvex::sources::kit {

constexpr long double kPi = std::numbers::pi_v<long double>;
inline const long double kSqrt2Pi = std::sqrt(2.0L * kPi);
// Above this a prepared normalising constant stands for an overflow.
constexpr long double kConstantLimit = 1E308L;

// The checked special functions work in doubles: arguments and results pass
// through double.
long double Exp(long double x);
long double Ln(long double x);
long double Pow(long double x, long double y);
long double Gamma(long double x);

// ---- Range rules ----------------------------------------------------------------

// The range a search found, walked in steps of `step`.
RangeOutcome Searched(const SearchResult& s, long double step);
// Min..Max without a search.
RangeOutcome FixedRange(long double Min, long double Max, long double step = 0.1L);
// No range: a fault ended the rule.
RangeOutcome FaultedRange(numeric::FpFault fault);

// Fitting mode: is f at Xmin and at Xmax at most f(x0) * eps? A fault on the way
// is left in `fault` (and the answer is false).
bool NegligibleAtDataEnds(const Density& f, long double x0, long double eps,
                          const FitInputs& fit, numeric::FpFault& fault);
// Fitting mode: the start range Min0..Max0 when f is negligible at both data ends
// (NegligibleAtDataEnds from x0), or the fault of that test; empty outside fitting
// mode and when the search must run.
std::optional<RangeOutcome> DataRangeWhereNegligible(const RangeInputs& in, long double x0,
                                                     long double h);
// The same with the test exp(-(x - P1) / P2) <= eps at both data ends.
std::optional<RangeOutcome> DataRangeWhereExpNegligible(const RangeInputs& in, long double h);
// Fitting mode: a fit whose data mode lies in the lower half of the data also
// covers the whole data range.
void WidenToData(RangeOutcome& r, const FitInputs* fit);
// The positive-support search from x0, then Min = 0.
RangeOutcome PositiveFromZero(const Density& f, long double x0, long double h, long double eps);

// ---- Parameter checks -------------------------------------------------------------

// Message 505 with the condition's text, focusing `field`.
inline ConditionRefusal Unmet(const char* condition, int field) { return {505, condition, field}; }

// ---- Fitting rules ------------------------------------------------------------------

// x in fixed notation with `decimals` decimals and "." as the decimal point.
std::string FixedText(double x, int decimals);
// A computed parameter's text: fixed notation with 5 decimals.
std::string Fixed5(long double x);
// The sample table's texts of m, s and g (the shortest text of the value when the
// table gave none).
std::string MeanText(const FitInputs& fit);
std::string DeviationText(const FitInputs& fit);
std::string SkewnessText(const FitInputs& fit);

// A fit with its description.
FitOutcome Fitted(std::string description);
// The type cannot be fitted to this sample (message: the refusal's, 0 for none).
FitOutcome Rejected(int message = 0);
// A fault in the estimate.
FitOutcome FaultedFit(numeric::FpFault fault);
// The first fault among freshly computed estimates.
numeric::FpFault FaultAmong(std::initializer_list<long double> values);

// The support of a density that lives on x >= 0, whatever the parameters.
inline Support PositiveAxis(const Parameters&) { return {0.0L, std::numeric_limits<long double>::infinity()}; }

}  // namespace dorvex::sources::kit

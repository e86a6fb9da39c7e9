#include "sources/vyp_para_roz.h"

#include <algorithm>
#include <string>

#include "numeric/fp_fault.h"
#include "numeric/round.h"
#include "sources/param_densities.h"
#include "sources/param_fit.h"
#include "sources/param_range.h"
#include "sources/param_types.h"
#include "statvex/conversions.h"
#include "texts/messages.h"

namespace dorvex::sources {

namespace {

using numeric::FpFault;
using texts::Language;
using texts::MessageText;

constexpr long double kLargestInt64 = 9223372036854775807.0L;
// Above this a prepared Beta or Snedecor constant stands for an overflow.
constexpr long double kConstantLimit = 1E308L;

ParamRefusal Refusal(int message, std::string text, int field, bool shown,
                     int title = texts::kTitleError) {
  ParamRefusal r;
  r.message = message;
  r.text = std::move(text);
  r.field = field;
  r.shown = shown;
  r.titleMessage = title;
  return r;
}

// Refused without a dialog and without a text.
ParamRefusal Silent() { return Refusal(0, "", 0, false); }

// Message 186 with the distribution and the fault; shown in fitting mode too.
ParamRefusal FaultRefusal(int type, FpFault fault, Language language) {
  int detail = 192;
  switch (fault) {
    case FpFault::DivisionByZero:
      detail = 187;
      break;
    case FpFault::Overflow:
      detail = 188;
      break;
    case FpFault::InvalidOperation:
      detail = 190;
      break;
    case FpFault::OtherMath:
      detail = 191;
      break;
    case FpFault::None:
      break;
  }
  return Refusal(186,
                 MessageText(186, language) + ParamListText(type, language) + "\r\n\r\n" + "       " +
                     MessageText(detail, language),
                 0, true);
}

ParamRefusal Condition(const char* condition, int field, bool shown, Language language) {
  return Refusal(505, MessageText(505, language) + condition, field, shown);
}

// The checks of each type on its parameters before anything is prepared.
std::optional<ParamRefusal> CheckConditions(int type, const std::array<long double, 4>& p,
                                            bool shown, Language language) {
  switch (type) {
    case kUniform:
      if (!(p[0] < p[1])) return Condition(" a < b !", 1, shown, language);
      break;
    case kTriangular:
      if (!(p[0] < p[1])) return Condition(" a < b !", 1, shown, language);
      if (!(p[0] <= p[2] && p[2] <= p[1])) return Condition(" a <= c <= b !", 3, shown, language);
      break;
    case kBetaUniversal:
      if (!(p[2] < p[3])) return Condition(" a < b !", 4, shown, language);
      break;
    case kGamma:
      if (p[0] < 1.0L) {
        return Refusal(509, MessageText(509, language) + "(k-1).theta >= 0   !", 1, shown);
      }
      break;
    case kLogNormal3P:
      if (p[2] == 0.0L) return Condition(" Skewness <> 0 !", 3, shown, language);
      break;
    default:
      break;
  }
  return std::nullopt;
}

// The checks of the prepared constants.
std::optional<ParamRefusal> CheckConstants(const Density& f, bool shown, Language language) {
  switch (f.type) {
    case kBetaUniversal:
      if (f.B > kConstantLimit) return Refusal(506, MessageText(506, language), 2, shown);
      break;
    case kSnedecor:
      if (f.K > kConstantLimit) return Refusal(506, MessageText(506, language), 1, shown);
      break;
    case kGamma:
      if (f.D == 0.0L) return Silent();
      break;
    case kLogNormal3P:
      if (f.r == 0.0L) return Refusal(508, MessageText(508, language), 0, shown);
      break;
    default:
      break;
  }
  return std::nullopt;
}

// The types whose density lives on x >= 0: with a user range their intervals
// below 0 stay empty.
bool PositiveSupportType(int type) {
  return type == kWeibull || type == kRayleigh || type == kLevy || type == kGamma ||
         type == kChiSquare;
}

// Step 1: the four parameter texts as numbers, the caption and labels, and the
// positivity checks of P1 and P2.
std::optional<ParamRefusal> ReadParameters(ParamState& st, std::array<long double, 4>& para,
                                           bool shown, Language language) {
  const int type = st.type;
  for (int i = 0; i < 4; ++i) {
    if (!statvex::ParseLenientLongDouble(st.parameterTexts[i], para[i])) {
      return Refusal(501,
                     MessageText(501, language) + "\r\n\r\n" + "        " + MessageText(502, language) +
                         ParamLabel(type, i + 1) + " : " + st.parameterTexts[i],
                     i + 1, shown);
    }
  }
  st.para = para;
  st.caption = ParamCaption(type, language);
  for (int field = 1; field <= 4; ++field) st.labels[field - 1] = ParamLabel(type, field);
  for (int field = 1; field <= 2; ++field) {
    if (ParamMustBePositive(type, field) && para[field - 1] <= 0.0L) {
      return Refusal(503,
                     MessageText(503, language) + "\r\n\r\n" + "     " + ParamLabel(type, field) +
                         MessageText(504, language),
                     field, shown);
    }
  }
  return std::nullopt;
}

// Step 4: the density at the mid-points of N intervals over Min..Max, into P;
// returns their extended sum. Mid-points below `lower` (when set) stay empty.
long double Discretise(const Density& f, int N, double Min, double w,
                       std::optional<long double> lower, ProbabilityArray& P) {
  long double S = 0.0L;
  for (int i = 1; i <= N; ++i) {
    const long double x = Min + (i - 0.5L) * w;
    if (lower && x < *lower) continue;
    // A formula can turn negative outside its support (fitting mode grids); no
    // probability is negative.
    P[i] = static_cast<double>(std::max(f.At(x), 0.0L));
    S += P[i];
  }
  return S;
}

std::optional<ParamRefusal> Compute(ParamState& st, Language language) {
  if (!IsParamType(st.type)) return Refusal(100, MessageText(100, language), 0, true);
  if (st.N < 3 || st.N > kMaxBins) {
    return Refusal(88, MessageText(88, language) + std::to_string(kMaxBins) + " !", 0, true);
  }
  const int type = st.type;
  if (st.firstRun) {
    st.parameterTexts = DefaultParameterTexts(type, st.parameterTexts);
    st.firstRun = false;
  }
  numeric::ClearFpFaults();
  st.fitDescription.clear();

  const FitInputs* fit = st.fitting ? &*st.fitting : nullptr;
  const bool shown = fit == nullptr;
  double Min0 = 0.0, Max0 = 0.0;
  if (fit) {
    Min0 = fit->userRange ? fit->userRange->Lo : fit->Xmin;
    Max0 = fit->Xmax;
    const FitOutcome fitted = FitParameters(type, *fit, Min0, Max0, st.parameterTexts);
    if (fitted.fault != FpFault::None) return FaultRefusal(type, fitted.fault, language);
    if (!fitted.fits) {
      if (fitted.message == 0) return Silent();
      return Refusal(fitted.message, MessageText(fitted.message, language), 0, false,
                     fitted.message == 507 ? texts::kTitleInformation : texts::kTitleError);
    }
    st.fitDescription = fitted.description;
  }

  std::array<long double, 4> para{};
  if (auto refused = ReadParameters(st, para, shown, language)) return refused;
  const long double eps = ScaledEps(type, st.Eps);
  if (auto refused = CheckConditions(type, para, shown, language)) return refused;

  const Density f = PrepareDensity(type, para);
  if (const FpFault fault = numeric::RaisedFpFault(); fault != FpFault::None) {
    return FaultRefusal(type, fault, language);
  }
  if (auto refused = CheckConstants(f, shown, language)) return refused;

  const RangeOutcome range = FindRange(f, eps, fit, Min0, Max0);
  if (range.fault != FpFault::None) return FaultRefusal(type, range.fault, language);
  if (range.fitFailed) return Silent();
  if (range.message != 0) {
    return Refusal(range.message, MessageText(range.message, language), range.field, shown,
                   range.message == 507 ? texts::kTitleInformation : texts::kTitleError);
  }
  const double Min = static_cast<double>(range.Min);
  const double Max = static_cast<double>(range.Max);
  if (const FpFault fault = numeric::RaisedFpFault(); fault != FpFault::None) {
    return FaultRefusal(type, fault, language);
  }
  // A range of no width would put every interval on one point.
  if (!(Max > Min)) return Refusal(217, MessageText(217, language), 0, shown);

  ProbabilityArray P{};
  const double w = (Max - Min) / st.N;
  std::optional<long double> lower;
  if (fit && fit->userRange) lower = PositiveSupportType(type) ? 0.0L : fit->userRange->Lo;
  const long double S = Discretise(f, st.N, Min, w, lower, P);
  // A fault fails the run: normalising what was summed before it would hand over
  // a truncated distribution as if it were whole.
  if (const FpFault fault = numeric::FaultOf(S); fault != FpFault::None) {
    return FaultRefusal(type, fault, language);
  }
  if (S == 0.0L) return Silent();
  for (int i = 1; i <= st.N; ++i) P[i] = static_cast<double>(P[i] / S);

  const long double total = ApplyTotalRule(P, st.N);
  st.Min = Min;
  st.Max = Max;
  st.w = w;
  st.P = P;
  st.Total = static_cast<double>(total);
  st.step = range.step;
  return std::nullopt;
}

}  // namespace

long double ApplyTotalRule(ProbabilityArray& P, int N) {
  long double R = 0.0L;
  for (int i = 1; i <= N; ++i) {
    if (P[i] != 0.0) R += 1.0L / P[i];
  }
  while (R > kLargestInt64) R /= 10.0L;
  for (int i = 1; i <= N; ++i) {
    if (RoundHalfEven(R * P[i]) == 0) P[i] = 0.0;
  }
  const double p = std::min(P[1], P[N]);
  return p != 0.0 ? 1.0L / p : R;
}

std::optional<ParamRefusal> VypParaRoz(ParamState& state, Language language) {
  auto refusal = Compute(state, language);
  state.ok = !refusal.has_value();
  return refusal;
}

std::optional<ParamRefusal> VypParaRoz(ParamState& state) {
  return VypParaRoz(state, texts::CurrentLanguage());
}

}  // namespace dorvex::sources

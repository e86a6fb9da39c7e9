#include "sources/parametric_histogram.h"

#include <algorithm>
#include <string>

#include "numeric/fp_fault.h"
#include "numeric/round.h"
#include "sources/distribution.h"
#include "statvex/conversions.h"
#include "texts/messages.h"

namespace dorvex::sources {

namespace {

using numeric::FpFault;
using texts::Language;
using texts::MessageText;

constexpr long double kLargestInt64 = 9223372036854775807.0L;

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

// A message that stands alone (507 is information, the rest errors).
ParamRefusal MessageRefusal(int message, int field, bool shown, Language language) {
  return Refusal(message, MessageText(message, language), field, shown,
                 message == 507 ? texts::kTitleInformation : texts::kTitleError);
}

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

// Fitting mode: the type's estimate written into the parameter texts. The texts
// change only when the type fits.
FitOutcome FitParameters(const Distribution& d, const FitInputs& fit, double Min, double Max,
                         ParameterTexts& texts) {
  if (d.fit == nullptr) return FitOutcome{};
  const FitSample sample{fit, Min, Max, fit.Xmin + (fit.Xmax - fit.Xmin) / 2.0};
  ParameterTexts estimated = texts;
  FitOutcome outcome = d.fit(sample, estimated);
  if (!outcome.fits) return outcome;
  if (const FpFault f = numeric::RaisedFpFault(); f != FpFault::None) {
    FitOutcome faulted;
    faulted.fault = f;
    return faulted;
  }
  texts = estimated;
  return outcome;
}

// Step 1: the four parameter texts as numbers, the caption and labels, and the
// positivity checks of P1 and P2.
std::optional<ParamRefusal> ReadParameters(ParamState& st, Parameters& para, bool shown,
                                           Language language) {
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

// The type's range, or in fitting mode with a user range that range itself.
RangeOutcome FindRange(const Distribution& d, const RangeInputs& in) {
  if (in.fit && d.fitCheck) {
    RangeOutcome checked = d.fitCheck(in);
    if (checked.fault != FpFault::None || checked.fitFailed) return checked;
  }
  if (in.fit && in.fit->userRange && d.userRangeReplacesRange) {
    RangeOutcome r;
    r.Min = in.fit->userRange->Lo;
    r.Max = in.fit->userRange->Hi;
    return r;
  }
  return d.range(in);
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
  const Distribution& d = DistributionOf(type);
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
    const FitOutcome fitted = FitParameters(d, *fit, Min0, Max0, st.parameterTexts);
    if (fitted.fault != FpFault::None) return FaultRefusal(type, fitted.fault, language);
    if (!fitted.fits) {
      if (fitted.message == 0) return Silent();
      return MessageRefusal(fitted.message, 0, false, language);
    }
    st.fitDescription = fitted.description;
  }

  Parameters para{};
  if (auto refused = ReadParameters(st, para, shown, language)) return refused;
  const long double eps = st.Eps * d.epsFactor;
  if (d.check) {
    if (const auto unmet = d.check(para)) {
      return Refusal(unmet->message, MessageText(unmet->message, language) + unmet->condition,
                     unmet->field, shown);
    }
  }

  const Prepared prepared = d.prepare(para);
  if (const FpFault fault = numeric::RaisedFpFault(); fault != FpFault::None) {
    return FaultRefusal(type, fault, language);
  }
  if (const auto& refused = prepared.refusal) {
    if (refused->message == 0) return Silent();
    return MessageRefusal(refused->message, refused->field, shown, language);
  }
  const Density& f = prepared.density;

  const RangeOutcome range = FindRange(d, RangeInputs{f, para, eps, fit, Min0, Max0});
  if (range.fault != FpFault::None) return FaultRefusal(type, range.fault, language);
  if (range.fitFailed) return Silent();
  if (range.message != 0) return MessageRefusal(range.message, range.field, shown, language);
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
  if (fit && fit->userRange) lower = d.emptyBelowZero ? 0.0L : fit->userRange->Lo;
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

std::optional<ParamRefusal> ComputeParametricHistogram(ParamState& state, Language language) {
  auto refusal = Compute(state, language);
  state.ok = !refusal.has_value();
  return refusal;
}

}  // namespace dorvex::sources

#include "sources/distributions/distribution_kit.h"

#include <algorithm>
#include <charconv>

#include "numeric/checked_math.h"
#include "numeric/gamma.h"

namespace dorvex::sources::kit {

using numeric::FpFault;

namespace {

// Whether a value test holds at both data ends; a fault in between is reported.
template <class Test>
bool HoldsAtBothEnds(const FitInputs& fit, FpFault& fault, Test test) {
  for (const double x : {fit.Xmin, fit.Xmax}) {
    bool holds = false;
    fault = test(x, holds);
    if (fault != FpFault::None || !holds) return false;
  }
  return true;
}

std::string ShortestText(double x) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
  return std::string(buffer, end);
}

std::string SampleText(const std::string& text, double value) {
  return text.empty() ? ShortestText(value) : text;
}

}  // namespace

long double Exp(long double x) { return numeric::ExpChecked(static_cast<double>(x)).value; }
long double Ln(long double x) { return numeric::LnChecked(static_cast<double>(x)).value; }
long double Pow(long double x, long double y) {
  return numeric::PowerReal(static_cast<double>(x), static_cast<double>(y)).value;
}
long double Gamma(long double x) { return numeric::GammaFn(static_cast<double>(x)).value; }

RangeOutcome Searched(const SearchResult& s, long double step) {
  RangeOutcome r;
  r.Min = s.Min;
  r.Max = s.Max;
  r.step = step;
  r.fault = s.fault;
  return r;
}

RangeOutcome FixedRange(long double Min, long double Max, long double step) {
  RangeOutcome r;
  r.Min = Min;
  r.Max = Max;
  r.step = step;
  return r;
}

RangeOutcome FaultedRange(FpFault fault) {
  RangeOutcome r;
  r.fault = fault;
  return r;
}

bool NegligibleAtDataEnds(const Density& f, long double x0, long double eps,
                          const FitInputs& fit, FpFault& fault) {
  const Probe p0 = Evaluate(f, x0);
  if ((fault = p0.fault) != FpFault::None) return false;
  const long double T = p0.value * eps;
  return HoldsAtBothEnds(fit, fault, [&](double x, bool& holds) {
    const Probe p = Evaluate(f, x);
    holds = p.value <= T;
    return p.fault;
  });
}

std::optional<RangeOutcome> DataRangeWhereNegligible(const RangeInputs& in, long double x0,
                                                     long double h) {
  if (!in.fit) return std::nullopt;
  FpFault fault = FpFault::None;
  const bool keep = NegligibleAtDataEnds(in.f, x0, in.eps, *in.fit, fault);
  if (fault != FpFault::None) return FaultedRange(fault);
  if (keep) return FixedRange(in.Min0, in.Max0, h);
  return std::nullopt;
}

std::optional<RangeOutcome> DataRangeWhereExpNegligible(const RangeInputs& in, long double h) {
  if (!in.fit) return std::nullopt;
  const long double mu = in.p[0], s = in.p[1];
  FpFault fault = FpFault::None;
  const bool keep = HoldsAtBothEnds(*in.fit, fault, [&](double x, bool& holds) {
    const long double e = numeric::ExpChecked(static_cast<double>(-(x - mu) / s)).value;
    holds = e <= in.eps;
    return numeric::FaultOf(e);
  });
  if (fault != FpFault::None) return FaultedRange(fault);
  if (keep) return FixedRange(in.Min0, in.Max0, h);
  return std::nullopt;
}

void WidenToData(RangeOutcome& r, const FitInputs* fit) {
  if (!fit || r.fault != FpFault::None || r.fitFailed) return;
  if (fit->Xmod - fit->Xmin < (fit->Xmax - fit->Xmin) / 2.0) {
    r.Max = std::max<long double>(r.Max, fit->Xmax);
    r.Min = std::min<long double>(r.Min, fit->Xmin);
  }
}

RangeOutcome PositiveFromZero(const Density& f, long double x0, long double h, long double eps) {
  RangeOutcome r = Searched(PositiveSupport(f, x0, h, eps), h);
  r.Min = 0.0L;
  return r;
}

std::string FixedText(double x, int decimals) {
  char buffer[400];  // room for the 309 digits of the largest double
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

std::string Fixed5(long double x) { return FixedText(static_cast<double>(x), 5); }

std::string MeanText(const FitInputs& fit) { return SampleText(fit.mText, fit.m); }
std::string DeviationText(const FitInputs& fit) { return SampleText(fit.sText, fit.s); }
std::string SkewnessText(const FitInputs& fit) { return SampleText(fit.gText, fit.g); }

FitOutcome Fitted(std::string description) {
  FitOutcome r;
  r.fits = true;
  r.description = std::move(description);
  return r;
}

FitOutcome Rejected(int message) {
  FitOutcome r;
  r.message = message;
  return r;
}

FitOutcome FaultedFit(FpFault fault) {
  FitOutcome r;
  r.fault = fault;
  return r;
}

FpFault FaultAmong(std::initializer_list<long double> values) {
  for (const long double v : values) {
    if (const FpFault f = numeric::FaultOf(v); f != FpFault::None) return f;
  }
  return FpFault::None;
}

}  // namespace dorvex::sources::kit

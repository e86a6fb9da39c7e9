#include "sources/parametric_request.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "sources/distribution.h"
#include "sources/parametric_display.h"
#include "sources/parametric_histogram.h"
#include "sources/range_tails.h"
#include "texts/messages.h"

namespace dorvex::sources {

namespace {

constexpr double kSmallestEps = 1E-8;
constexpr double kLargestEps = 1.0;

ParamRefusal Message(int message, std::string text) {
  ParamRefusal r;
  r.message = message;
  r.text = std::move(text);
  return r;
}

}  // namespace

std::optional<ParamRefusal> CheckParamBins(std::int32_t bins, texts::Language language) {
  if (bins >= 3 && bins <= kMaxBins) return std::nullopt;
  return Message(88, texts::MessageText(88, language) + std::to_string(kMaxBins) + " !");
}

std::optional<ParamRefusal> CheckParamEps(double eps, texts::Language language) {
  if (!(eps > 0.0)) return Message(97, texts::MessageText(97, language));
  if (!(eps >= kSmallestEps && eps <= kLargestEps)) return Message(98, texts::MessageText(98, language));
  return std::nullopt;
}

model::HandOverBuffer HandOverParametric(const ParamState& state, bool pureDiscrete) {
  model::HandOverBuffer buffer;
  model::Histogram& h = buffer.histogram;
  h.P = state.P;
  h.N = state.N;
  h.Range = state.Max - state.Min;
  h.Total = state.Total;
  h.Type = pureDiscrete ? model::HistogramType::PureDiscrete : model::HistogramType::Discrete;
  if (pureDiscrete) {
    h.d = (state.Max - state.Min) / (state.N - 1);
    h.Min = state.Min;
    h.Max = state.Max;
  } else {
    h.d = (state.Max - state.Min) / state.N;
    h.Min = state.Min + h.d / 2.0;
    h.Max = state.Max - h.d / 2.0;
  }
  const CutTails cut = CutByRange(state);
  buffer.cut = {static_cast<double>(cut.lower), static_cast<double>(cut.upper)};
  // The type and the parameters it uses, as typed, for the record of a result.
  buffer.origin = ParamListText(state.type, texts::Language::English) + " (";
  for (int i = 0; i < ParamCount(state.type); ++i) {
    if (i > 0) buffer.origin += ", ";
    buffer.origin += state.parameterTexts[static_cast<std::size_t>(i)];
  }
  char eps[32];
  std::snprintf(eps, sizeof eps, "%g", state.Eps);
  buffer.origin += "), " + std::to_string(state.N) + " intervals, Eps " + eps;
  return buffer;
}

ParametricResult ComputeParametric(const ParametricRequest& request, texts::Language language) {
  ParametricResult result;
  if ((result.error = CheckParamBins(request.bins, language))) return result;
  if ((result.error = CheckParamEps(request.eps, language))) return result;
  ParamState& state = result.state;
  state.type = request.type;
  if (IsParamType(request.type)) {
    state.parameterTexts = DefaultParameterTexts(request.type, state.parameterTexts);
  }
  const std::size_t given = std::min<std::size_t>(request.parameters.size(), 4);
  std::copy_n(request.parameters.begin(), given, state.parameterTexts.begin());
  state.N = request.bins;
  state.Eps = request.eps;
  if ((result.error = ComputeParametricHistogram(state, language))) return result;
  result.buffer = HandOverParametric(state, request.pureDiscrete);
  result.histogramType =
      request.pureDiscrete ? model::HistogramType::PureDiscrete : model::HistogramType::Discrete;
  result.name = ParametricSlotName(request.type, language);
  return result;
}

}  // namespace dorvex::sources

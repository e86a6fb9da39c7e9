#include "sources/parametric_display.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "numeric/fp_fault.h"
#include "sources/distribution.h"
#include "sources/parametric_request.h"
#include "sources/range_tails.h"
#include "statvex/number_text.h"
#include "statvex/statistics.h"
#include "texts/messages.h"
#include "workbench/number_field.h"

namespace dorvex::sources {

namespace {

constexpr int kCurvePointsPerBar = 8;
constexpr int kCurvePointsMost = 4096;

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

ParamRefusal Refusal(int message, std::string text) {
  ParamRefusal r;
  r.message = message;
  r.text = std::move(text);
  return r;
}

}  // namespace

workbench::FieldKey FilterParamKey(ParamField field, char32_t typed) {
  using workbench::KeyAction;
  const bool digit = typed >= U'0' && typed <= U'9';
  if (digit) return {KeyAction::Pass, 0};
  switch (field) {
    case ParamField::Count:
      break;
    case ParamField::Parameter:
      return workbench::FilterNumberKey(typed);
    case ParamField::Positive:
      if (typed == U'.') return {KeyAction::Pass, 0};
      if (typed == U',') return {KeyAction::Replace, '.'};
      break;
    case ParamField::Eps:
      if (typed == U'-' || typed == U'.' || typed == U'E' || typed == U'e') return {KeyAction::Pass, 0};
      if (typed == U',') return {KeyAction::Replace, '.'};
      break;
  }
  return {KeyAction::Refuse, 0};
}

BinsReading ReadParamBins(std::string_view text, texts::Language language) {
  const std::string t = Trimmed(text);
  std::int64_t n = 0;
  const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), n);
  BinsReading reading;
  const bool whole = error == std::errc() && end == t.data() + t.size() && !t.empty();
  reading.bins = whole && n >= 0 && n <= 100000 ? static_cast<std::int32_t>(n) : 0;
  reading.refusal = CheckParamBins(reading.bins, language);
  return reading;
}

EpsReading ReadParamEps(std::string_view text, double saved, texts::Language language) {
  EpsReading reading;
  const std::optional<double> value = workbench::ReadFieldNumber(text);
  if (!value) {
    reading.refusal = Refusal(99, texts::MessageText(99, language) + " Eps : " + std::string(text));
  } else {
    reading.refusal = CheckParamEps(*value, language);
  }
  reading.eps = reading.refusal ? saved : *value;
  return reading;
}

std::string UnsetParamLabel(int field) { return std::to_string(field) + ".parametr"; }

std::string UnsetParamCaption(texts::Language language) {
  return texts::MessageText(166, language) + " : F ( x | ? , ? , ? )";
}

std::string ShownParamLabel(int field, const std::string& label, texts::Language language) {
  if (field == 1 && (label == "Mi" || label == "Xo")) return texts::MessageText(89, language);
  if (field == 2 && label == "Sigma") return texts::MessageText(90, language);
  return label;
}

ParametricView ViewParametric(const ParamState& state, bool pureDiscrete, const workbench::ClockReading& clock,
                              workbench::DateTimeSeparators separators, texts::Language language) {
  ParametricView view;
  std::string line = texts::MessageText(57, language) + " : " + ParamListText(state.type, language) + "  F ( x |  ";
  for (int i = 0; i < ParamCount(state.type); ++i) {
    if (i > 0) line += " , ";
    line += state.labels[i] + "=" + state.parameterTexts[i];
  }
  view.titleLines = {workbench::ShortDateText(clock, separators) + " , " + workbench::LongTimeText(clock, separators),
                     line + " )"};
  view.caption = "  " + state.caption + "  ";

  view.bars = HandOverParametric(state, pureDiscrete).histogram;
  const model::Histogram& h = view.bars;
  const CutTails cut = CutByRange(state);
  view.summary = {statvex::NumberText(h.Min),
                  statvex::NumberText(h.Max),
                  statvex::MedianText(!pureDiscrete, h.P, h.Min, h.Max, h.N),
                  statvex::ModeText(h.P, h.N, h.Min, h.Max),
                  statvex::NumberText(static_cast<double>(cut.lower)),
                  statvex::NumberText(static_cast<double>(cut.upper))};
  view.minText = statvex::NumberText(state.Min);
  view.maxText = statvex::NumberText(state.Max);

  // The curve is scaled as the discretisation scales the bars: by the density's sum
  // over the bars' places.
  const numeric::KeepFpFlags keep;
  const Prepared prepared = DistributionOf(state.type).prepare(state.para);
  if (prepared.refusal || h.N < 1) return view;
  const auto at = [&](double bars) {
    const long double y = prepared.density.At(h.Min + bars * h.d);
    return std::isfinite(y) && y > 0.0L ? y : 0.0L;
  };
  long double sum = 0.0L;
  for (int i = 0; i < h.N; ++i) sum += at(i);
  if (!(sum > 0.0L)) return view;
  const double from = pureDiscrete ? 0.0 : -0.5;
  const double to = pureDiscrete ? h.N - 1.0 : h.N - 0.5;
  const int points = std::min(kCurvePointsMost, kCurvePointsPerBar * h.N);
  view.curve.reserve(points + 1);
  for (int k = 0; k <= points; ++k) {
    const double bars = from + (to - from) * k / points;
    view.curve.emplace_back(bars, static_cast<double>(at(bars) / sum));
  }
  return view;
}

std::vector<unsigned> IntervalGridRowColours(int rows) {
  constexpr unsigned kEvenRow = 16769505;   // red 225, green 225, blue 255
  constexpr unsigned kTotalRow = 11783167;  // red 255, green 203, blue 179
  std::vector<unsigned> colours(static_cast<std::size_t>(std::max(rows, 0)), 0u);
  for (int r = 2; r < rows - 1; r += 2) colours[static_cast<std::size_t>(r)] = kEvenRow;
  if (rows > 1) colours.back() = kTotalRow;
  return colours;
}

std::string ParametricCharacteristicsTitle(int type, texts::Language language) {
  return texts::MessageText(80, language) + ParamListText(type, language);
}

std::string GeneratingSlotTitle(model::SlotId slot) {
  return slot == model::SlotId::A ? "Histogram :   A x X" : "Histogram :   B x X";
}

std::string ParametricSlotName(int type, texts::Language language) {
  return "ParRoz_" + ParamListText(type, language);
}

}  // namespace dorvex::sources

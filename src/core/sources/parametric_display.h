#pragma once
// What the parametric distribution window reads from its fields and shows of a
// computation: the checks of the interval count and of Eps, the parameter labels,
// the chart's title, bars and density curve, the summary grid.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/histogram.h"
#include "sources/parametric_state.h"
#include "texts/language.h"
#include "workbench/date_time_text.h"
#include "workbench/number_field.h"

namespace dorvex::sources {

// The window's edit fields by the characters they take.
enum class ParamField {
  Count,      // the interval count: digits
  Parameter,  // P1 .. P3 and the range: digits, "-", ".", "E"; "e" becomes "E", "," becomes "."
  Positive,   // P4: digits and "."; "," becomes "."
  Eps,        // digits, "-", ".", "E", "e"; "," becomes "."
};
// What a typed printable character does to the field.
workbench::FieldKey FilterParamKey(ParamField field, char32_t typed);

// The interval count of a field's text: a whole number in 3 .. 1024, else message 88.
struct BinsReading {
  std::int32_t bins = 0;
  std::optional<ParamRefusal> refusal;
};
BinsReading ReadParamBins(std::string_view text, texts::Language language);

// Eps of a field's text. Refused: message 99 + " Eps : " + the text for a text that
// is no number, 97 for a value <= 0, 98 outside 1E-8 .. 1; `eps` is then `saved`.
struct EpsReading {
  double eps = 0.0;
  std::optional<ParamRefusal> refusal;
};
EpsReading ReadParamEps(std::string_view text, double saved, texts::Language language);

// The labels and caption of the parameter box before any type is computed.
std::string UnsetParamLabel(int field);
std::string UnsetParamCaption(texts::Language language);
// A parameter label as shown after a computation: "Mi" and "Xo" in field 1 become
// message 89, "Sigma" in field 2 message 90; other labels stay.
std::string ShownParamLabel(int field, const std::string& label, texts::Language language);

// What the window shows of a successful computation.
struct ParametricView {
  std::vector<std::string> titleLines;  // date and time; the distribution with its parameters
  std::string caption;                  // the parameter box's caption with two blanks each side
  model::Histogram bars;                // bar i (0-based) stands at bars.Min + i * bars.d
  std::vector<std::string> summary;     // Xmin, Xmax, Median, Mode, cut below, cut above
  std::string minText;                  // the computed range's ends
  std::string maxText;
  // The exact density in bar units: x in bars (bar i at i), y scaled so that the
  // density at the bars sums to 1 as their probabilities do.
  std::vector<std::pair<double, double>> curve;
};

ParametricView ViewParametric(const ParamState& state, bool pureDiscrete, const workbench::ClockReading& clock,
                              workbench::DateTimeSeparators separators, texts::Language language);

// Row colours (0x00BBGGRR, 0: none) of the interval table with `rows` rows, row 0
// the headers: the even rows from 2 to the last but one 0xFFE1E1, the total row
// (the last) 0xB3CBFF.
std::vector<unsigned> IntervalGridRowColours(int rows);

// The characteristics report's title: message 80 + the list text.
std::string ParametricCharacteristicsTitle(int type, texts::Language language);

// The title of a slot's chart while the window generates its histogram:
// "Histogram :   A x X" (B: "Histogram :   B x X").
std::string GeneratingSlotTitle(model::SlotId slot);

// The slot's name: "ParRoz_" + the list text.
std::string ParametricSlotName(int type, texts::Language language);

}  // namespace dorvex::sources

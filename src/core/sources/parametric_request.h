#pragma once
// One call from parameter texts to the histogram handed to an input slot.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/histogram.h"
#include "sources/parametric_state.h"
#include "texts/language.h"

namespace dorvex::sources {

// The window's defaults: 128 intervals, Eps 1E-7.
inline constexpr std::int32_t kDefaultParamBins = 128;
inline constexpr double kDefaultParamEps = 1E-7;

// What the command line asks for.
struct ParametricRequest {
  int type = kNormal;
  // Texts of P1, P2, ... in order; parameters not given take the type's default
  // texts; texts beyond the fourth are not read.
  std::vector<std::string> parameters;
  std::int32_t bins = kDefaultParamBins;
  double eps = kDefaultParamEps;
  bool pureDiscrete = false;
};

// The histogram for a slot, or the refusal to show.
struct ParametricResult {
  std::optional<ParamRefusal> error;  // empty on success
  model::HandOverBuffer buffer;       // set on success
  model::HistogramType histogramType = model::HistogramType::Discrete;
  std::string name;                   // "ParRoz_" + the list text
  ParamState state;                   // the computation: range edges, caption, labels

  bool ok() const { return !error.has_value(); }
};

// Message 88 when bins is outside 3 .. 1024.
std::optional<ParamRefusal> CheckParamBins(std::int32_t bins, texts::Language language);
// Message 97 when eps <= 0, message 98 when it is outside 1E-8 .. 1.
std::optional<ParamRefusal> CheckParamEps(double eps, texts::Language language);

// The histogram of a successful computation as handed to a slot: P[1..N], Total,
// the Range Max - Min of the computed range, and for Discrete the end intervals'
// mid-points as Min and Max with d = w; for Pure Discrete Min and Max unchanged
// and d = (Max - Min) / (N - 1).
model::HandOverBuffer HandOverParametric(const ParamState& state, bool pureDiscrete);

// Checks bins and eps, runs the computation and hands the result over; texts in
// `language`.
ParametricResult ComputeParametric(const ParametricRequest& request, texts::Language language);

}  // namespace dorvex::sources

#pragma once
// The non-parametric histogram of a sample over a range Lo .. Hi of N intervals,
// the checks of the fields that set it, and the histogram handed to a slot.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/histogram.h"
#include "statvex/probability_array.h"
#include "texts/language.h"

namespace dorvex::rawdata {

// Probabilities P[1..N] over the range Lo .. Hi (outer edges), class width
// w = (Hi - Lo) / N, and the Total, the number of values.
struct SampleHistogram {
  ProbabilityArray P{};
  int N = 0;
  double Lo = 0.0;
  double Hi = 0.0;
  double w = 0.0;
  long double Total = 0.0L;
  // First and last interval mid-points, Lo + w/2 and Hi - w/2.
  double Xmin() const { return Lo + w / 2.0; }
  double Xmax() const { return Hi - w / 2.0; }
};

// Counts each value x into interval k + 1, k = round((x - Lo)/w - 0.5) with halves
// to even (so values on inner boundaries alternate: with Lo 0, w 1 the value 1 goes
// to interval 1, 2 to interval 3); values beyond Hi count into the last interval
// and values below Lo into the first, so every value is counted. Each count is
// divided by the number of values. Requires 3 <= N <= 1024, Lo < Hi and a
// non-empty sample.
SampleHistogram BuildSampleHistogram(const std::vector<double>& values, int N, double Lo, double Hi);

// The interval-count field: a refusal (message 114 + the text for no number, 115
// for 0, 88 + "1024" + " !" outside 3 .. 1024; the field then returns to its last
// accepted text), or the count with, when it is below Sturges' minimum for n
// values, the warning text (message 116 with n in place of "%s", then the minimum
// and "   !"; title message 4). The count is kept despite the warning.
struct IntervalCountReading {
  int bins = 0;
  std::optional<std::string> refusal;  // error text, title message 3
  std::optional<std::string> warning;  // warning text, title message 4
};
IntervalCountReading ReadIntervalCount(std::string_view text, std::int64_t n, texts::Language language);

// Which end of the range a field holds.
enum class RangeEnd { Lo, Hi };

// A range field Lo or Hi typed as `text`, with the other end `other`: a refusal
// (message 20 + " MinX " / " MaxX " + the text for no number, "MinX >= MaxX !" /
// "MaxX <= MinX !" when Lo >= Hi; the field returns to its saved text), or the value
// and its field text rewritten as DisplayNumber.
struct RangeReading {
  double value = 0.0;
  std::string text;
  std::optional<std::string> refusal;  // error text, title message 3
};
RangeReading ReadRangeEnd(RangeEnd end, std::string_view text, double other, texts::Language language);

// The histogram a primary-data window hands to a slot: P[1..N] over Lo .. Hi with
// values at the interval mid-points (Min = Lo + w/2, Max = Hi - w/2, d = w,
// Range = Hi - Lo), `total` as its Total, Pure Discrete or Discrete.
model::Histogram HandOverHistogram(const ProbabilityArray& P, int N, double Lo, double Hi, long double total,
                                   bool pureDiscrete);

// The texts of the histogram on display: its first and last values Lo + w/2 and
// Hi - w/2 (DisplayNumber), its median (interpolated inside the interval, or for
// Pure Discrete the first point where F reaches one half) and its mode.
std::array<std::string, 4> DisplaySummaryTexts(const ProbabilityArray& P, int N, double Lo, double Hi,
                                               bool pureDiscrete);

// The slot's name after a hand-over: "RawData_(" + the file name without folder
// and extension, then "-" + the chosen fit's list text + ")" or only ")".
std::string RawDataSlotName(const std::string& path, const std::optional<std::string>& fitListText);

}  // namespace dorvex::rawdata

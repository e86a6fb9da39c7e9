#include "rawdata/sample_histogram.h"

#include <algorithm>
#include <filesystem>

#include "numeric/round.h"
#include "rawdata/raw_sample.h"
#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "statvex/statistics.h"
#include "texts/messages.h"

namespace dorvex::rawdata {

namespace {

using texts::Language;
using texts::MessageText;

}  // namespace

SampleHistogram BuildSampleHistogram(const std::vector<double>& values, int N, double Lo, double Hi) {
  SampleHistogram h;
  h.N = N;
  h.Lo = Lo;
  h.Hi = Hi;
  h.w = (Hi - Lo) / N;
  std::vector<std::int64_t> counts(static_cast<std::size_t>(N) + 1, 0);
  for (const double x : values) {
    const double position = (x - Lo) / h.w - 0.5;
    // Far outside the range the position may not fit an integer; it is clamped anyway.
    std::int64_t k = 0;
    if (position >= static_cast<double>(N)) {
      k = N - 1;
    } else if (position > 0.0) {
      k = std::min<std::int64_t>(RoundHalfEven(position), N - 1);
    }
    ++counts[static_cast<std::size_t>(k) + 1];
  }
  const long double n = static_cast<long double>(values.size());
  for (int i = 1; i <= N; ++i) h.P[i] = static_cast<double>(counts[i] / n);
  h.Total = n;
  return h;
}

IntervalCountReading ReadIntervalCount(std::string_view text, std::int64_t n, Language language) {
  IntervalCountReading r;
  std::int32_t bins = 0;
  if (!statvex::ParseInt32(text, bins)) {
    r.refusal = MessageText(114, language) + std::string(text);
    return r;
  }
  if (bins == 0) {
    r.refusal = MessageText(115, language);
    return r;
  }
  if (bins < 3 || bins > kMaxBins) {
    r.refusal = MessageText(88, language) + std::to_string(kMaxBins) + " !";
    return r;
  }
  r.bins = bins;
  const int minimum = SturgesMinimum(n);
  if (bins < minimum) {
    r.warning = texts::InsertText(MessageText(116, language), std::to_string(n)) + std::to_string(minimum) + "   !";
  }
  return r;
}

RangeReading ReadRangeEnd(RangeEnd end, std::string_view text, double other, Language language) {
  RangeReading r;
  const bool lo = end == RangeEnd::Lo;
  double value = 0.0;
  if (!statvex::ParseLenient(text, value)) {
    r.refusal = MessageText(20, language) + (lo ? " MinX " : " MaxX ") + std::string(text);
    return r;
  }
  if (lo ? value >= other : other >= value) {
    r.refusal = lo ? "MinX >= MaxX !" : "MaxX <= MinX !";
    return r;
  }
  r.value = value;
  r.text = statvex::DisplayNumber(value);
  return r;
}

model::Histogram HandOverHistogram(const ProbabilityArray& P, int N, double Lo, double Hi, long double total,
                                   bool pureDiscrete) {
  model::Histogram h;
  const double w = (Hi - Lo) / N;
  h.N = N;
  std::copy(P.begin() + 1, P.begin() + 1 + N, h.P.begin() + 1);
  h.Min = Lo + w / 2.0;
  h.Max = Hi - w / 2.0;
  h.d = w;
  h.Range = Hi - Lo;
  h.Total = total;
  h.Type = pureDiscrete ? model::HistogramType::PureDiscrete : model::HistogramType::Discrete;
  return h;
}

std::array<std::string, 4> DisplaySummaryTexts(const ProbabilityArray& P, int N, double Lo, double Hi,
                                               bool pureDiscrete) {
  const double w = (Hi - Lo) / N;
  const double Xmin = Lo + w / 2.0;
  const double Xmax = Hi - w / 2.0;
  return {statvex::DisplayNumber(Xmin), statvex::DisplayNumber(Xmax),
          statvex::MedianText(!pureDiscrete, P, Xmin, Xmax, N), statvex::ModeText(P, N, Xmin, Xmax)};
}

std::string RawDataSlotName(const std::string& path, const std::optional<std::string>& fitListText) {
  const std::string stem = std::filesystem::path(path).stem().string();
  return "RawData_(" + stem + (fitListText ? "-" + *fitListText + ")" : ")");
}

}  // namespace dorvex::rawdata

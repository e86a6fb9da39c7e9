#include "model/histogram.h"

#include <algorithm>
#include <cmath>

namespace dorvex::model {

const char* TypeText(HistogramType type) {
  return type == HistogramType::Discrete ? " Discrete" : " Pure Discrete";
}

Histogram ApplyMultiple(const Histogram& base, double n) {
  Histogram scaled = base;
  scaled.Min = base.Min * n;
  scaled.Max = base.Max * n;
  scaled.d = std::fabs(n) * base.d;
  scaled.Range = std::fabs(n) * base.Range;
  if (n < 0) {
    const int count = std::clamp(base.N, 0, kMaxBins);
    std::reverse(scaled.P.begin() + 1, scaled.P.begin() + 1 + count);
    std::swap(scaled.Min, scaled.Max);
  }
  return scaled;
}

void TrimZeroEnds(Histogram& h) {
  const int n = std::clamp(h.N, 0, kMaxBins);
  if (n == 0 || (h.P[1] != 0.0 && h.P[n] != 0.0)) return;

  int first = 1;
  while (first <= n && h.P[first] == 0.0) ++first;
  int last = n;
  while (last >= first && h.P[last] == 0.0) --last;

  // Min moves by one d per dropped interval, added step by step as the
  // original does, so the value lands on the same double.
  for (int k = 1; k < first; ++k) h.Min += h.d;
  const int kept = last >= first ? last - first + 1 : 0;
  if (first > 1) std::copy(h.P.begin() + first, h.P.begin() + first + kept, h.P.begin() + 1);
  std::fill(h.P.begin() + 1 + kept, h.P.begin() + 1 + n, 0.0);
  h.N = kept;
  h.Max = h.Min + (kept - 1) * h.d;
  h.Range = h.Max - h.Min;
}

void AcceptGenerated(const HandOverBuffer& buffer, HistogramSlot& slot) {
  slot.base = buffer.histogram;
  slot.cut = buffer.cut;
  slot.origin = buffer.origin;
  slot.scaled = ApplyMultiple(slot.base, slot.multiple);
  slot.loaded = true;
}

}  // namespace dorvex::model

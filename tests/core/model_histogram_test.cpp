#include <gtest/gtest.h>

#include <initializer_list>

#include "model/histogram.h"
#include "support/histogram_builders.h"

using dorvex::model::AcceptGenerated;
using dorvex::model::ApplyMultiple;
using dorvex::model::HandOverBuffer;
using dorvex::model::Histogram;
using dorvex::model::HistogramSlot;
using dorvex::model::HistogramType;
using dorvex::model::TrimZeroEnds;
using dorvex::test_support::MakeHistogram;

namespace {

Histogram Make(double min, double d, std::initializer_list<double> p) {
  Histogram h;
  int i = 0;
  for (double value : p) h.P[++i] = value;
  h.N = i;
  h.Min = min;
  h.d = d;
  h.Max = min + (i - 1) * d;
  h.Range = h.Max - h.Min;
  h.Total = 1000.0L;
  return h;
}

TEST(TrimZeroEnds, LeavesAHistogramWithNonEmptyEndsAloneRangeIncluded) {
  // A Discrete file Min=0, Max=10, Bins=10: mid-points 0.5 .. 9.5, Range 10 = N * d.
  Histogram h = Make(0.5, 1.0, {0.1, 0, 0.2, 0.1, 0.1, 0.1, 0.1, 0.1, 0, 0.2});
  h.Range = 10.0;
  const Histogram before = h;
  TrimZeroEnds(h);
  EXPECT_EQ(h.N, 10);
  EXPECT_EQ(h.Min, 0.5);
  EXPECT_EQ(h.Max, 9.5);
  EXPECT_EQ(h.Range, 10.0);
  EXPECT_EQ(h.P, before.P);
}

TEST(TrimZeroEnds, DropsThreeLeadingAndTwoTrailingEmptyIntervals) {
  Histogram h = Make(0.1, 0.1, {0, 0, 0, 0.1, 0.2, 0, 0.3, 0.4, 0, 0});
  TrimZeroEnds(h);
  // Min moves by one d per dropped interval, added one step at a time.
  double expectedMin = 0.1;
  for (int k = 0; k < 3; ++k) expectedMin += 0.1;
  EXPECT_EQ(h.N, 5);
  EXPECT_EQ(h.Min, expectedMin);
  EXPECT_EQ(h.Max, expectedMin + 4 * 0.1);
  EXPECT_EQ(h.Range, h.Max - h.Min);
  // The interior zero stays; everything past the new N is empty.
  const double kept[] = {0.1, 0.2, 0, 0.3, 0.4};
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(h.P[i], kept[i - 1]) << "P[" << i << "]";
  for (int i = 6; i <= 10; ++i) EXPECT_EQ(h.P[i], 0.0) << "P[" << i << "]";
}

TEST(TrimZeroEnds, TreatsOnlyExactZerosAsEmpty) {
  Histogram h = Make(1.0, 1.0, {1e-300, 0.5, 0.5, 0});
  TrimZeroEnds(h);
  EXPECT_EQ(h.N, 3);
  EXPECT_EQ(h.Min, 1.0);
  EXPECT_EQ(h.P[1], 1e-300);
  EXPECT_EQ(h.Max, 3.0);
}

TEST(ApplyMultiple, ScalesByANegativeMultipleAndReversesTheProbabilities) {
  // Min = 1, Max = 5, d = 1, P = (0.1, 0.2, 0.3, 0.4) scaled by -2.
  Histogram base = Make(1.0, 1.0, {0.1, 0.2, 0.3, 0.4});
  base.Max = 5.0;
  base.Range = 4.0;
  const Histogram scaled = ApplyMultiple(base, -2.0);
  EXPECT_EQ(scaled.Min, -10.0);
  EXPECT_EQ(scaled.Max, -2.0);
  EXPECT_EQ(scaled.d, 2.0);
  EXPECT_EQ(scaled.Range, 8.0);
  EXPECT_EQ(scaled.N, 4);
  EXPECT_EQ(scaled.Total, base.Total);
  const double reversed[] = {0.4, 0.3, 0.2, 0.1};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(scaled.P[i], reversed[i - 1]) << "P[" << i << "]";
}

TEST(ApplyMultiple, ScalesByAPositiveMultipleWithoutMovingProbabilities) {
  Histogram base = Make(-1.0, 0.5, {0.25, 0.5, 0.25});
  base.Type = HistogramType::Discrete;
  const Histogram scaled = ApplyMultiple(base, 3.0);
  EXPECT_EQ(scaled.Min, -3.0);
  EXPECT_EQ(scaled.Max, 0.0);
  EXPECT_EQ(scaled.d, 1.5);
  EXPECT_EQ(scaled.Range, 3.0);
  EXPECT_EQ(scaled.P, base.P);
  EXPECT_EQ(scaled.Type, HistogramType::Discrete);
}

TEST(AcceptGenerated, CopiesTheBufferAndAppliesTheSlotMultiple) {
  HandOverBuffer buffer;
  buffer.histogram = MakeHistogram(HistogramType::Discrete, 1.5, 1.0, {0.25, 0.75});
  buffer.histogram.Total = 4.0L;
  HistogramSlot slot;
  slot.base.Type = HistogramType::PureDiscrete;
  slot.multiple = -2.0;
  slot.name = "kept";

  AcceptGenerated(buffer, slot);

  EXPECT_TRUE(slot.loaded);
  EXPECT_EQ(slot.base.Type, HistogramType::Discrete);
  EXPECT_EQ(slot.base.P, buffer.histogram.P);
  EXPECT_EQ(slot.base.N, 2);
  EXPECT_EQ(slot.base.Min, 1.5);
  EXPECT_EQ(slot.base.Max, 2.5);
  EXPECT_EQ(slot.base.d, 1.0);
  EXPECT_EQ(slot.base.Range, 1.0);
  EXPECT_EQ(slot.base.Total, 4.0L);
  // The scaled copy by -2: values -5 .. -3, probabilities reversed.
  EXPECT_EQ(slot.scaled.Min, -5.0);
  EXPECT_EQ(slot.scaled.Max, -3.0);
  EXPECT_EQ(slot.scaled.d, 2.0);
  EXPECT_EQ(slot.scaled.P[1], 0.75);
  EXPECT_EQ(slot.scaled.P[2], 0.25);
  EXPECT_EQ(slot.name, "kept");  // the generator names the slot itself
}

}  // namespace

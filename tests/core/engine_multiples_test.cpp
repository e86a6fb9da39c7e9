#include <gtest/gtest.h>

#include <optional>

#include "engine/multiples.h"
#include "support/histogram_builders.h"

namespace dorvex::engine {
namespace {

using model::HistogramType;
using model::SlotId;
using test_support::MakeHistogram;

TEST(CheckInputMultiple, RefusesZeroFractionsOfPointsAndTinyMultiplesBySlot) {
  struct Case {
    double n;
    HistogramType type;
    SlotId slot;
    std::optional<int> code;  // empty: the multiple is taken
  };
  const Case cases[] = {
      {0.0, HistogramType::Discrete, SlotId::A, 25},
      {-0.0, HistogramType::PureDiscrete, SlotId::B, 25},
      {2.5, HistogramType::PureDiscrete, SlotId::A, 40},
      {2.5, HistogramType::Discrete, SlotId::A, std::nullopt},
      {-3.0, HistogramType::PureDiscrete, SlotId::B, std::nullopt},  // negative allowed
      {0.005, HistogramType::Discrete, SlotId::A, 37},
      {-0.005, HistogramType::Discrete, SlotId::B, 38},
      {0.01, HistogramType::Discrete, SlotId::B, std::nullopt},  // the limit itself is taken
  };
  for (const Case& c : cases) {
    const auto refusal = CheckInputMultiple(c.n, c.type, c.slot);
    ASSERT_EQ(refusal.has_value(), c.code.has_value()) << "n = " << c.n;
    if (c.code) {
      EXPECT_EQ(refusal->code, *c.code) << "n = " << c.n;
    }
  }
}

TEST(FailureProbabilityOf, SumsTheNegativeValuesAndHalfOfZero) {
  // Values -2, -1, 0, 1: P(X < 0) = 0.1 + 0.2, half of P(X = 0) = 0.15.
  const auto straddling = MakeHistogram(HistogramType::Discrete, -2.0, 1.0, {0.1, 0.2, 0.3, 0.4});
  EXPECT_DOUBLE_EQ(FailureProbabilityOf(straddling), 0.45);
  // Values -0.5, 0.5: zero lies between two values and counts with neither.
  const auto offset = MakeHistogram(HistogramType::PureDiscrete, -0.5, 1.0, {0.25, 0.75});
  EXPECT_DOUBLE_EQ(FailureProbabilityOf(offset), 0.25);
  const auto positive = MakeHistogram(HistogramType::Discrete, 1.0, 1.0, {0.5, 0.5});
  EXPECT_EQ(FailureProbabilityOf(positive), 0.0);
}

}  // namespace
}  // namespace dorvex::engine

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "numeric/polynomial.h"

using namespace dorvex::numeric;

namespace {

TEST(PolyValue, EvaluatesHighestPowerFirstByHorner) {
  const double coef[] = {1.0, -3.0, 2.0};  // x^2 - 3x + 2
  EXPECT_EQ(PolyValue(5.0, coef, 2), 12.0);
  EXPECT_EQ(PolyValue(1.0, coef, 2), 0.0);
  // n = 0 is the first coefficient alone.
  EXPECT_EQ(PolyValue(7.0, coef, 0), 1.0);
}

}  // namespace

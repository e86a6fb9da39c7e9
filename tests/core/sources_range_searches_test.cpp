#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "numeric/fp_fault.h"
#include "sources/range_searches.h"

using namespace dorvex::sources;
using dorvex::numeric::FpFault;

namespace {

// A tent of height 10 on [-10, 10]: every step of 1 from its peak lowers it by 1,
// so the stops are found by counting.
struct Tent {
  long double peak;
  long double At(long double x) const { return std::max(0.0L, 10.0L - std::fabs(x - peak)); }
};

// Rises by 1 per step up to 3 at x = 3, stays 3 up to x = 6, then falls.
struct Plateau {
  long double At(long double x) const { return x <= 6.0L ? std::min(x, 3.0L) : 9.0L - x; }
};

// 1 + the square root of 3 - x: never below 1, invalid beyond x = 3.
struct RootPlusOne {
  long double At(long double x) const { return 1.0L + std::sqrt(3.0L - x); }
};

TEST(RangeSearches, StopWhereTheTentFallsToTheThreshold) {
  const Density tent(Tent{0});
  // T = 10 * 0.25 = 2.5: 10 - j <= 2.5 first at j = 8.
  for (const SearchResult& r : {TwoSidedRelative(tent, 0, 1, 0.25L), RatioSearch(tent, 0, 1, 0.25L)}) {
    EXPECT_EQ(r.fault, FpFault::None);
    EXPECT_EQ(r.Max, 8.0L);
    EXPECT_EQ(r.Min, -8.0L);
  }
  // The absolute test f <= 2.5 on the right; on the left the first negative x.
  const SearchResult positive = PositiveSupport(tent, 0, 1, 2.5L);
  EXPECT_EQ(positive.Max, 8.0L);
  EXPECT_EQ(positive.Min, -1.0L);
  // The point before the stop.
  const SearchResult tail = RightTail(tent, 0, 1, 0.25L, false);
  EXPECT_EQ(tail.Min, 0.0L);
  EXPECT_EQ(tail.Max, 7.0L);
}

TEST(ModeClimb, StopsBeforeTheFallOrStrictlyAtTheFirstLevelStep) {
  const Density plateau(Plateau{});
  EXPECT_EQ(ModeClimb(plateau, 0, 1, false).x, 6.0L);
  EXPECT_EQ(ModeClimb(plateau, 0, 1, true).x, 3.0L);
  EXPECT_EQ(ModeClimb(Density(Tent{5}), 0, 1, false).x, 5.0L);
}

TEST(RangeSearches, ReportTheFaultThatEndsAWalk) {
  dorvex::numeric::ClearFpFaults();
  // The rightward walk from 0 meets the square root of a negative number at x = 4
  // before the density falls to 1E-3 of its start.
  const SearchResult r = TwoSidedRelative(Density(RootPlusOne{}), 0, 1, 1e-3L);
  EXPECT_EQ(r.fault, FpFault::InvalidOperation);
  dorvex::numeric::ClearFpFaults();
}

}  // namespace

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>

#include "numeric/fp_fault.h"
#include "sources/range_walk.h"

using dorvex::sources::Density;
using dorvex::sources::FirstStop;
using dorvex::sources::kWalkOneByOne;
using dorvex::sources::Verdict;
using dorvex::sources::WalkPoints;

namespace {

// A judge whose verdict turns to Stop at `stop` and to Fault from `fault` on,
// counting how often it is asked.
struct Threshold {
  std::int64_t stop;
  std::int64_t fault = INT64_MAX;
  int asked = 0;
  Verdict operator()(std::int64_t j) {
    ++asked;
    if (j >= fault) {
      std::feraiseexcept(FE_INVALID);
      return Verdict::Fault;
    }
    return j >= stop ? Verdict::Stop : Verdict::Go;
  }
};

TEST(FirstStop, FindsTheSameStepAsWalkingOneByOne) {
  const std::int64_t stops[] = {0, 1, 100, kWalkOneByOne - 1, kWalkOneByOne, kWalkOneByOne + 1,
                                123456789, 5'000'000'000'000LL};
  for (const std::int64_t stop : stops) {
    Threshold judge{stop};
    const auto end = FirstStop(judge, 0);
    EXPECT_EQ(end.j, stop);
    EXPECT_EQ(end.verdict, Verdict::Stop);
    // Beyond the one-by-one part, doubling and halving need about 2 log2(j) judgements.
    EXPECT_LT(judge.asked, kWalkOneByOne + 2 * 64 + 2) << "stop " << stop;
  }
}

TEST(FirstStop, StartsAtTheGivenFirstStep) {
  Threshold judge{0};
  EXPECT_EQ(FirstStop(judge, 1).j, 1);
}

TEST(FirstStop, IgnoresAFaultBeyondTheStopButReportsOneBeforeIt) {
  dorvex::numeric::ClearFpFaults();
  Threshold later{3'000'000, 5'000'000};
  const auto clean = FirstStop(later, 0);
  EXPECT_EQ(clean.j, 3'000'000);
  EXPECT_EQ(clean.verdict, Verdict::Stop);
  // The faulting probe's flags were cleared again.
  EXPECT_EQ(dorvex::numeric::RaisedFpFault(), dorvex::numeric::FpFault::None);

  Threshold earlier{3'000'000, 2'000'000};
  const auto faulted = FirstStop(earlier, 0);
  EXPECT_EQ(faulted.j, 2'000'000);
  EXPECT_EQ(faulted.verdict, Verdict::Fault);
  dorvex::numeric::ClearFpFaults();
}

TEST(FirstStop, GivesUpOnAWalkThatNeverStops) {
  Threshold never{INT64_MAX};
  EXPECT_EQ(FirstStop(never, 0).verdict, Verdict::Endless);
}

// The density x, counting how often it is asked.
struct CountingIdentity {
  int* asked;
  long double At(long double x) const {
    ++*asked;
    return x;
  }
};

TEST(WalkPoints, StepFromTheStartEitherWayAndRememberTheLastTwoValues) {
  int asked = 0;
  const Density f(CountingIdentity{&asked});
  WalkPoints right(f, 1.0L, 0.5L, true);
  const WalkPoints left(f, 1.0L, 0.5L, false);
  EXPECT_EQ(right.X(4), 3.0L);
  EXPECT_EQ(left.X(4), -1.0L);
  EXPECT_EQ(right.At(3).value, 2.5L);
  EXPECT_EQ(right.At(4).value, 3.0L);
  EXPECT_EQ(right.At(3).value, 2.5L);
  EXPECT_EQ(right.At(4).value, 3.0L);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(right.At(5).value, 3.5L);
  EXPECT_EQ(right.At(3).value, 2.5L);  // forgotten: asked again
  EXPECT_EQ(asked, 4);
}

}  // namespace

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "numeric/fp_fault.h"

namespace dorvex::numeric {
namespace {

// Volatile so that the compiler cannot fold the faulting operations away.
volatile double zero = 0.0;
volatile double huge = 1E308;
volatile double sink = 0.0;

TEST(FpFault, EachFlagGivesItsFaultAndClearingForgetsIt) {
  ClearFpFaults();
  EXPECT_EQ(RaisedFpFault(), FpFault::None);
  sink = 1.0 / zero;
  EXPECT_EQ(RaisedFpFault(), FpFault::DivisionByZero);
  ClearFpFaults();
  sink = huge * 10.0;
  EXPECT_EQ(RaisedFpFault(), FpFault::Overflow);
  ClearFpFaults();
  sink = zero / zero;
  EXPECT_EQ(RaisedFpFault(), FpFault::InvalidOperation);
  ClearFpFaults();
  EXPECT_EQ(RaisedFpFault(), FpFault::None);
}

TEST(FpFault, TheCauseWinsOverItsConsequence) {
  ClearFpFaults();
  sink = 1.0 / zero;  // division by zero ...
  sink = sink - sink;  // ... then inf - inf, an invalid operation
  EXPECT_EQ(RaisedFpFault(), FpFault::DivisionByZero);
  ClearFpFaults();
}

TEST(FpFault, UnderflowAndInexactAreNoFaults) {
  ClearFpFaults();
  sink = 1E-308 / huge;
  sink = 1.0 / 3.0 + zero;
  EXPECT_EQ(RaisedFpFault(), FpFault::None);
}

TEST(FaultOf, ANonFiniteValueStandsForAFaultWhenNoFlagIsRaised) {
  ClearFpFaults();
  EXPECT_EQ(FaultOf(std::numeric_limits<long double>::quiet_NaN()), FpFault::InvalidOperation);
  EXPECT_EQ(FaultOf(-std::numeric_limits<long double>::infinity()), FpFault::Overflow);
  EXPECT_EQ(FaultOf(2.5L), FpFault::None);
  // A raised flag names the fault even for a finite value.
  sink = 1.0 / zero;
  EXPECT_EQ(FaultOf(2.5L), FpFault::DivisionByZero);
  ClearFpFaults();
}

}  // namespace
}  // namespace dorvex::numeric

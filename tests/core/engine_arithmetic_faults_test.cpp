#include <gtest/gtest.h>

#include "engine/arithmetic_faults.h"

namespace dorvex::engine {
namespace {

using numeric::FpFault;

TEST(ArithmeticFaultError, EachFaultHasItsCodeAndNoFaultNoError) {
  struct Case {
    FpFault fault;
    int code;
  };
  const Case cases[] = {
      {FpFault::DivisionByZero, 43},
      {FpFault::Overflow, 44},
      {FpFault::InvalidOperation, 46},
      {FpFault::OtherMath, 47},
  };
  for (const Case& c : cases) {
    const auto error = ArithmeticFaultError(c.fault);
    ASSERT_TRUE(error.has_value()) << c.code;
    EXPECT_EQ(error->code, c.code);
    EXPECT_EQ(error->message, 0);
  }
  EXPECT_FALSE(ArithmeticFaultError(FpFault::None).has_value());
}

}  // namespace
}  // namespace dorvex::engine

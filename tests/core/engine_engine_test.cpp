// Every refusal of the engine, each reached once.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/accumulation.h"
#include "engine/engine.h"
#include "model/histogram.h"
#include "support/histogram_builders.h"

namespace dorvex::engine {
namespace {

using model::Histogram;
using model::HistogramType;

using test_support::MakeHistogram;

Histogram Uniform(double min, double d, int n) {
  return MakeHistogram(HistogramType::PureDiscrete, min, d, std::vector<double>(n, 1.0 / n));
}

struct ErrorCase {
  const char* name;
  int operation;
  std::optional<Histogram> a;
  std::optional<Histogram> b;
  std::string exponent;
  int expectedCode;
};

class EngineRefusal : public testing::TestWithParam<ErrorCase> {};

TEST_P(EngineRefusal, ReportsItsCodeWithoutAResult) {
  const ErrorCase& c = GetParam();
  OperationRequest request;
  request.code = c.operation;
  request.a = c.a ? &*c.a : nullptr;
  request.b = c.b ? &*c.b : nullptr;
  request.exponent = c.exponent;
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.error.has_value());
  EXPECT_EQ(outcome.error->code, c.expectedCode);
  EXPECT_FALSE(outcome.result.has_value());
  EXPECT_FALSE(outcome.cancelled);
}

// A single value repeated: width 0.
const Histogram kPoint = MakeHistogram(HistogramType::PureDiscrete, 2.0, 0.0, {0.5, 0.5});
const Histogram kOneToThree = Uniform(1.0, 1.0, 3);
const Histogram kZeroToTwo = Uniform(0.0, 1.0, 3);
const Histogram kMinusOneToOne = Uniform(-1.0, 1.0, 3);
const Histogram kMinusOneAndOne = Uniform(-1.0, 2.0, 2);
// Values 1e200 and 2e200: their products overflow.
const Histogram kHuge = Uniform(1e200, 1e200, 2);

INSTANTIATE_TEST_SUITE_P(
    Cases, EngineRefusal,
    testing::Values(
        ErrorCase{"BinaryWithoutB", kSum, kOneToThree, std::nullopt, "", 27},
        ErrorCase{"BinaryWithoutA", kProduct, std::nullopt, kOneToThree, "", 27},
        ErrorCase{"UnaryWithoutA", kSquare, std::nullopt, std::nullopt, "", 28},
        // d = 0 against a span of 3: Range / d.
        ErrorCase{"DivisionByZero", kProduct, kPoint, kOneToThree, "", 43},
        ErrorCase{"Overflow", kProduct, kHuge, kHuge, "", 44},
        // A span of 0 and a width of 0: 0 / 0.
        ErrorCase{"InvalidOperation", kSum, kPoint, kPoint, "", 46},
        ErrorCase{"ExponentNotAnInteger", kPower, kOneToThree, std::nullopt, "2.5", 48},
        ErrorCase{"DivisorStartsAtZero", kQuotient, kOneToThree, kZeroToTwo, "", 49},
        ErrorCase{"DivisorStraddlesZero", kQuotient, kOneToThree, kMinusOneToOne, "", 49},
        // Checked before the count is read, so the empty count is not reported.
        ErrorCase{"RepeatedQuotientOfZero", kRepeatedQuotient, kMinusOneToOne, std::nullopt, "", 49},
        ErrorCase{"ZeroExponent", kPower, kOneToThree, std::nullopt, "0", 50},
        // (-1)^-2 = 1^-2 = 1: a single value.
        ErrorCase{"ResultCollapses", kPower, kMinusOneAndOne, std::nullopt, "-2", 51},
        // dAB = |(1/2 - 1/3) * MinA| is 0 for MinA = 0.
        ErrorCase{"QuotientWidthZero", kQuotient, kZeroToTwo, kOneToThree, "", 52},
        ErrorCase{"NegativePowerOfZero", kPower, kMinusOneToOne, std::nullopt, "-1", 52},
        ErrorCase{"CountMissing", kRepeatedSum, kOneToThree, std::nullopt, "", 54},
        ErrorCase{"ExponentMissing", kPower, kOneToThree, std::nullopt, "", 54},
        ErrorCase{"CountZero", kRepeatedProduct, kOneToThree, std::nullopt, "0", 55},
        ErrorCase{"CountNegative", kRepeatedSum, kOneToThree, std::nullopt, "-3", 55}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

TEST(EngineRefusal, NoOperationEndsWithTheSumCheckAndAnEmptyResult) {
  OperationRequest request;  // code 0: nothing selected
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.error.has_value());
  EXPECT_EQ(outcome.error->code, 30);
  ASSERT_TRUE(outcome.result.has_value());
  EXPECT_EQ(outcome.result->histogram.N, 0);
}

TEST(EngineRefusal, SumNotRoundingToOneKeepsTheResult) {
  // Probabilities summing to 0.4 round to 0.
  const Histogram a = MakeHistogram(HistogramType::PureDiscrete, 1.0, 1.0, {0.1, 0.1, 0.1, 0.1});
  OperationRequest request;
  request.code = kSquare;
  request.a = &a;
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.error.has_value());
  EXPECT_EQ(outcome.error->code, 30);
  ASSERT_TRUE(outcome.result.has_value());
  EXPECT_NEAR(static_cast<double>(outcome.result->probabilitySum), 0.4, 1e-15);
  EXPECT_FALSE(outcome.ok());
}

TEST(EngineRefusal, IndexPastTheGridNamesTheIndex) {
  // An input whose Max understates its values (1023 steps of 1 from 0, Max 1):
  // the span 0 .. 2 cannot hold 0 + 1024, which rounds to index 1025.
  Histogram a = Uniform(0.0, 1.0, 1024);
  a.Max = 1.0;
  OperationRequest request;
  request.code = kSum;
  request.a = &a;
  request.b = &a;
  const OperationOutcome outcome = RunOperation(request);
  ASSERT_TRUE(outcome.error.has_value());
  EXPECT_EQ(outcome.error->code, 0);
  EXPECT_EQ(outcome.error->message, 130);
  EXPECT_EQ(outcome.error->insert, "1025");
  EXPECT_FALSE(outcome.result.has_value());
}

TEST(EngineRefusal, RepeatedQuotientIndexTextNamesIndexAndStep) {
  detail::IndexContext context;
  context.repeatedQuotientStep = 3;
  const detail::Stop stop = detail::IndexError(-2.0, context);
  EXPECT_EQ(stop.error.code, 0);
  EXPECT_EQ(stop.error.append,
            "Index pole (-1) není v rozsahu 1 .. 1024 pro n=3 ! \r\n\tVýpočet nelze provést! ");
}

}  // namespace
}  // namespace dorvex::engine

// The number syntax of the main window's edit fields.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/report_error.h"
#include "workbench/number_field.h"

namespace dorvex::workbench {
namespace {

TEST(FilterNumberKey, NumberCharactersPassCommaAndSmallEAreReplacedTheRestRefused) {
  struct Case {
    char32_t typed;
    KeyAction action;
    char replacement;
  };
  const Case cases[] = {
      {U'0', KeyAction::Pass, 0},    {U'9', KeyAction::Pass, 0},     {U'-', KeyAction::Pass, 0},
      {U'.', KeyAction::Pass, 0},    {U'E', KeyAction::Pass, 0},     {U',', KeyAction::Replace, '.'},
      {U'e', KeyAction::Replace, 'E'}, {U'a', KeyAction::Refuse, 0}, {U' ', KeyAction::Refuse, 0},
      {U'+', KeyAction::Refuse, 0},  {U'č', KeyAction::Refuse, 0},
  };
  for (const Case& c : cases) {
    const FieldKey key = FilterNumberKey(c.typed);
    EXPECT_EQ(key.action, c.action) << static_cast<unsigned>(c.typed);
    EXPECT_EQ(key.replacement, c.replacement) << static_cast<unsigned>(c.typed);
  }
}

TEST(FilterExponentKey, DigitsSignsAndEPassSmallEBecomesEAndTheRestIsRefused) {
  struct Case {
    char32_t typed;
    KeyAction action;
    char replacement;
  };
  const Case cases[] = {
      {U'0', KeyAction::Pass, 0},   {U'7', KeyAction::Pass, 0},      {U'+', KeyAction::Pass, 0},
      {U'-', KeyAction::Pass, 0},   {U'E', KeyAction::Pass, 0},      {U'e', KeyAction::Replace, 'E'},
      {U'.', KeyAction::Refuse, 0}, {U',', KeyAction::Refuse, 0},    {U'x', KeyAction::Refuse, 0},
  };
  for (const Case& c : cases) {
    const FieldKey key = FilterExponentKey(c.typed);
    EXPECT_EQ(key.action, c.action) << static_cast<unsigned>(c.typed);
    EXPECT_EQ(key.replacement, c.replacement) << static_cast<unsigned>(c.typed);
  }
}

TEST(InForceText, TheValueInForceOrNothing) {
  EXPECT_EQ(InForceText(10.5), "10.5");
  EXPECT_EQ(InForceText(0.001), "0.001");
  EXPECT_EQ(InForceText(std::nullopt), "");
}

TEST(ReadFieldNumber, ReadsNumbersAndRefusesTheRest) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"2.5", 2.5},   {" -1,5E2 ", -150.0}, {"1E-3", 0.001}, {"E5", std::nullopt}, {"e5", std::nullopt},
      {"", std::nullopt}, {"-", std::nullopt}, {"1-2", std::nullopt}, {"0..5", std::nullopt},
      {"-.", std::nullopt}, {"1E999", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadFieldNumber(c.text), c.value) << c.text;
}

TEST(RefusedNumberErrors, EachFieldKindHasItsCodeOrMessage) {
  const model::ModelError value = RefusedValueError("1-2");
  EXPECT_EQ(value.code, 18);
  EXPECT_EQ(value.append, "1-2");
  EXPECT_EQ(RefusedNumberError().code, 20);
  const model::ModelError range = RefusedRangeError("x");
  EXPECT_EQ(range.code, 0);
  EXPECT_EQ(range.message, 20);
  EXPECT_EQ(range.append, "x");
  // Both say the same to the user; only the code's beep and clean-up differ.
  EXPECT_EQ(model::ComposeReportError(value, texts::Language::English).text,
            model::ComposeReportError(RefusedRangeError("1-2"), texts::Language::English).text);
}

}  // namespace
}  // namespace dorvex::workbench

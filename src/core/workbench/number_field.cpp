#include "workbench/number_field.h"

#include <string>

#include "statvex/conversions.h"
#include "statvex/number_text.h"

namespace dorvex::workbench {

namespace {

constexpr int kRefusedValueCode = 18;
constexpr int kRefusedNumberCode = 20;
constexpr int kInvalidNumberMessage = 20;
// What the fields take for blanks around a number.
constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

FieldKey FilterNumberKey(char32_t typed) {
  if ((typed >= U'0' && typed <= U'9') || typed == U'-' || typed == U'.' || typed == U'E') {
    return {KeyAction::Pass, 0};
  }
  if (typed == U',') return {KeyAction::Replace, '.'};
  if (typed == U'e') return {KeyAction::Replace, 'E'};
  return {KeyAction::Refuse, 0};
}

FieldKey FilterExponentKey(char32_t typed) {
  if ((typed >= U'0' && typed <= U'9') || typed == U'+' || typed == U'-' || typed == U'E') {
    return {KeyAction::Pass, 0};
  }
  if (typed == U'e') return {KeyAction::Replace, 'E'};
  return {KeyAction::Refuse, 0};
}

std::string InForceText(const std::optional<double>& value) {
  return value ? statvex::NumberText(*value) : std::string();
}

std::optional<double> ReadFieldNumber(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  if (!trimmed.empty() && (trimmed.front() == 'E' || trimmed.front() == 'e')) return std::nullopt;
  double value = 0.0;
  if (!statvex::ParseLenient(trimmed, value)) return std::nullopt;
  return value;
}

model::ModelError RefusedValueError(std::string_view typed) {
  return model::ModelError{kRefusedValueCode, {}, std::string(typed), 0};
}

model::ModelError RefusedNumberError() { return model::ModelError{kRefusedNumberCode, {}, {}, 0}; }

model::ModelError RefusedRangeError(std::string_view typed) {
  return model::ModelError{0, {}, std::string(typed), kInvalidNumberMessage};
}

}  // namespace dorvex::workbench

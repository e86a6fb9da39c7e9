#pragma once
// The number syntax of the edit fields that take a value, a probability, a multiple
// or a range: which typed characters pass, how a text reads, and the error a refused
// text gives.

#include <optional>
#include <string>
#include <string_view>

#include "model/report_error.h"

namespace dorvex::workbench {

// What a typed character does to a number field.
enum class KeyAction {
  Pass,     // the character goes in as typed
  Replace,  // `replacement` goes in instead
  Refuse,   // nothing goes in; the field beeps
};

struct FieldKey {
  KeyAction action = KeyAction::Refuse;
  char replacement = 0;
};

// Digits, "-", "." and "E" pass; "," becomes "." and "e" becomes "E"; every other
// printable character is refused.
FieldKey FilterNumberKey(char32_t typed);
// The key filter of the exponent field (the integer n): digits, "+", "-" and "E"
// pass, "e" becomes "E"; every other printable character is refused.
FieldKey FilterExponentKey(char32_t typed);

// The text a number field returns to after a refused text: the value in force, or
// nothing when there is none.
std::string InForceText(const std::optional<double>& value);

// The number of a field's text, surrounding blanks ignored, "," read as "."; empty
// when the text does not convert or begins with "E" (or "e").
std::optional<double> ReadFieldNumber(std::string_view text);

// The error of a refused text in the value field: code 18, message 20 and the text.
model::ModelError RefusedValueError(std::string_view typed);
// The error of a refused probability or input multiple: code 20, message 136.
model::ModelError RefusedNumberError();
// The error of a refused range or result multiple, shown without a code: message 20
// and the text.
model::ModelError RefusedRangeError(std::string_view typed);

}  // namespace dorvex::workbench

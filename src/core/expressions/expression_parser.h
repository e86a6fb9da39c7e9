#pragma once
// Reading a limit-state expression: names, numbers (and pi), + - * /, unary minus,
// ^ with an integer exponent, abs(), parentheses.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "expressions/expression_tree.h"
#include "texts/language.h"

namespace dorvex::expressions {

// Why the text is not an expression, and where (0-based byte offset).
struct SyntaxError {
  std::size_t position = 0;
  std::string message;
};

struct ParseResult {
  NodePtr tree;                       // set on success
  std::optional<SyntaxError> error;   // set on failure
  bool ok() const { return tree != nullptr; }
};

// Parses `text`; a fault is returned, never thrown. Messages in `language`.
ParseResult ParseExpression(const std::string& text, texts::Language language);

// The expression, and under it a caret at `position`, then the message:
//   R*/S
//     ^ ...
std::string SyntaxErrorText(const std::string& text, const SyntaxError& error);

}  // namespace dorvex::expressions

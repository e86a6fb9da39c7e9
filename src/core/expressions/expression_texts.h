#pragma once
// The texts of expression parsing, the independence audit and evaluation, in both
// languages. "%1" and "%2" are replaced by the arguments.

#include <string>

#include "texts/language.h"

namespace dorvex::expressions {


enum class Phrase {
  Empty,              // the expression is empty
  UnexpectedChar,     // %1 the character
  ExpectedOperand,    // a name, number or "(" expected
  ExpectedClose,      // ")" expected
  ExpectedEnd,        // an operator or the end expected
  ExpectedOpenAbs,    // "(" after abs
  IntegerExponent,    // the exponent must be an integer
  BadNumber,          // %1 is not a number
  TooDeep,            // nesting too deep
  RepeatedName,       // %1 name, %2 count
  RewriteOffered,     // %1 rewritten expression
  UnknownName,        // %1 name
  NoHistogram,        // the expression has no histogram
  ZeroMultiple,       // %1 sub-expression
  DivisionByZero,     // %1 sub-expression
  NotFinite,          // %1 sub-expression
  EngineRefused,      // %1 sub-expression
  RecordExpression,   // label of the expression line
  RecordEvaluatedAs,  // label of the rewritten expression
  RecordInput,        // label of an input line
  RecordStep,         // label of a step line
};

std::string PhraseText(Phrase phrase, texts::Language language, const std::string& first = {},
                       const std::string& second = {});

}  // namespace dorvex::expressions

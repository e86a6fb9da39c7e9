#pragma once
// The independence audit: the engine combines its inputs as independent
// quantities, so a name used twice in one expression would silently stand for two
// independent copies. Such expressions are rewritten exactly where that is possible
// (R*R -> R^2, G + 1.35*G -> 2.35*G) or refused.

#include <string>

#include "expressions/expression_tree.h"
#include "texts/language.h"

namespace dorvex::expressions {

enum class AuditVerdict {
  Independent,  // every name is used once
  Rewritable,   // a name is used more than once; `rewritten` uses each name once
  Refused,      // a name is used more than once and no exact rewrite exists
};

struct AuditResult {
  AuditVerdict verdict = AuditVerdict::Independent;
  // The exact rewrite (Rewritable only).
  NodePtr rewritten;
  // The first name used more than once, and its number of uses in the expression.
  std::string variable;
  int uses = 0;
  // For Rewritable and Refused: the text to show, naming the variable.
  std::string message;
};

// Audits `tree`. Sub-expressions that depend on one name only and reduce to one
// multiple or one power of it (plus a constant) are rewritten; the rest stays.
AuditResult AuditIndependence(const Node& tree, texts::Language language);

}  // namespace dorvex::expressions

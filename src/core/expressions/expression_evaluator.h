#pragma once
// Evaluating a limit-state expression over named histograms: every node runs as
// the engine's own operation (A+B, A-B, A*B, A/B, A^n, abs(A)); numbers act as
// multiples (0.6*S, R/1.15) or shifts (R - 5), and numbers alone are folded.

#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "expressions/independence_audit.h"
#include "model/histogram.h"
#include "model/report_error.h"
#include "texts/language.h"

namespace dorvex::expressions {

// Where an input came from, for the record kept with the result.
struct InputProvenance {
  std::string name;
  // "file" with the file's path and the SHA-256 of its contents (lower-case hex),
  // or "parametric" with the type and parameters as given in `source`.
  std::string kind;
  std::string source;
  std::string sha256;
};

struct ExpressionInput {
  InputProvenance provenance;  // provenance.name is the name the expression uses
  model::Histogram histogram;
};

// One intermediate (or the final) result: the sub-expression and its histogram.
struct EvaluationStep {
  std::string text;
  engine::OperationResult result;
};

struct EvaluationFailure {
  // The sub-expression that failed (the repeated name for a refused audit); empty
  // for a fault of the whole text.
  std::string subexpression;
  // The engine's own refusal, when the engine refused.
  std::optional<model::ModelError> engineError;
  // The full text to show (for a syntax error: the expression, a caret line and
  // the message).
  std::string message;
};

struct EvaluationOptions {
  bool rewrite = false;  // evaluate the audit's exact rewrite instead of refusing
  int pointLimit = engine::kDefaultPointLimit;
  texts::Language language = texts::Language::English;
};

struct Evaluation {
  std::string expression;           // as given
  std::string evaluatedExpression;  // as evaluated (the rewrite when applied)
  bool rewritten = false;
  AuditVerdict audit = AuditVerdict::Independent;
  std::string offeredRewrite;       // the exact rewrite, when one exists
  std::vector<InputProvenance> inputs;  // those the expression uses, in order of use
  std::vector<EvaluationStep> steps;    // in order of computation; the last is the result
  std::optional<engine::OperationResult> result;
  std::optional<EvaluationFailure> failure;

  bool ok() const { return result.has_value() && !failure.has_value(); }
};

// Parses, audits and evaluates `expression`. Never throws for bad input: a syntax
// error, a refused audit, an unknown name or an engine refusal comes back in
// `failure`, with the steps done so far.
Evaluation EvaluateExpression(const std::string& expression, const std::vector<ExpressionInput>& inputs,
                              const EvaluationOptions& options = {});

// The record kept with a result, one line each: the expression, the rewrite when
// one was evaluated, every input (name, source, "sha256:" digest of a file) and
// every step (sub-expression, N, Min, Max, Pf). Labels in `language`, padded to 21
// characters as the command line's summary.
std::vector<std::string> ProvenanceLines(const Evaluation& evaluation, texts::Language language);

// The record of a histogram that stands alone as a result: Pf from its values,
// probability sum, total (1 / the smallest non-zero probability) and `label`.
engine::OperationResult StandaloneResult(const model::Histogram& h, const std::string& label);

}  // namespace dorvex::expressions

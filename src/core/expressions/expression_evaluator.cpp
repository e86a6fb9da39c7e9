#include "expressions/expression_evaluator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <variant>

#include "engine/multiples.h"
#include "expressions/expression_parser.h"
#include "expressions/expression_texts.h"

namespace dorvex::expressions {

namespace {

using engine::OperationResult;

// A value is a number or a histogram result.
using Value = std::variant<double, OperationResult>;

struct Stop {
  EvaluationFailure failure;
};

void Summarise(OperationResult& r) {
  long double sum = 0.0L;
  double smallest = 1E300;
  for (int i = 1; i <= r.histogram.N; ++i) {
    sum += r.histogram.P[i];
    if (r.histogram.P[i] > 0 && r.histogram.P[i] < smallest) smallest = r.histogram.P[i];
  }
  r.probabilitySum = sum;
  r.total = 1.0 / smallest;
  r.totalExtended = 1.0L / smallest;
  r.histogram.Total = r.totalExtended;
}

class Evaluator {
 public:
  Evaluator(const std::vector<ExpressionInput>& inputs, const EvaluationOptions& options,
            std::vector<EvaluationStep>& steps)
      : inputs_(inputs), options_(options), steps_(steps) {}

  Value Run(const Node& node) {
    switch (node.kind) {
      case NodeKind::Number: return node.number;
      case NodeKind::Name: return Input(node.name);
      case NodeKind::Negate: return Negate(node);
      case NodeKind::Absolute: return Absolute(node);
      case NodeKind::Power: return Power(node);
      default: return Binary(node);
    }
  }

 private:
  [[noreturn]] void Fail(const Node& node, Phrase phrase) {
    const std::string text = ExpressionText(node);
    throw Stop{{text, std::nullopt, PhraseText(phrase, options_.language, text)}};
  }

  Value Record(const Node& node, OperationResult result) {
    result.label = ExpressionText(node);
    steps_.push_back({result.label, result});
    return result;
  }

  Value Input(const std::string& name) {
    const auto it = std::find_if(inputs_.begin(), inputs_.end(),
                                 [&](const ExpressionInput& in) { return in.provenance.name == name; });
    return StandaloneResult(it->histogram, name);
  }

  // The engine's own operation on one or two histogram results.
  Value Engine(const Node& node, int code, const OperationResult& a, const OperationResult* b,
               const std::string& exponent = {}) {
    engine::OperationRequest request;
    request.code = code;
    request.a = &a.histogram;
    request.b = b ? &b->histogram : nullptr;
    request.exponent = exponent;
    request.pointLimit = options_.pointLimit;
    engine::OperationOutcome outcome = engine::RunOperation(request);
    if (!outcome.ok()) {
      const std::string text = ExpressionText(node);
      std::string message = PhraseText(Phrase::EngineRefused, options_.language, text);
      if (outcome.error) message.append("\n").append(model::ComposeReportError(*outcome.error, options_.language).text);
      throw Stop{{text, outcome.error, message}};
    }
    return Record(node, std::move(*outcome.result));
  }

  // c * H: the grid scaled exactly; Pf follows the sign.
  Value Scale(const Node& node, const OperationResult& h, double factor) {
    if (factor == 0.0) Fail(node, Phrase::ZeroMultiple);
    OperationResult r = h;
    r.histogram = model::ApplyMultiple(h.histogram, factor);
    RequireFinite(node, r.histogram);
    if (factor < 0) r.failureProbability = static_cast<double>(h.probabilitySum) - h.failureProbability;
    Summarise(r);
    return Record(node, r);
  }

  // H + c: the grid moved exactly; Pf read from the moved values.
  Value Shift(const Node& node, const OperationResult& h, double offset) {
    OperationResult r = h;
    r.histogram.Min += offset;
    r.histogram.Max += offset;
    RequireFinite(node, r.histogram);
    r.failureProbability = engine::FailureProbabilityOf(r.histogram);
    r.failureFromOperation = false;
    return Record(node, r);
  }

  void RequireFinite(const Node& node, const model::Histogram& h) {
    if (!std::isfinite(h.Min) || !std::isfinite(h.Max) || !std::isfinite(h.d) || !std::isfinite(h.Max - h.Min))
      Fail(node, Phrase::NotFinite);
  }

  Value Negate(const Node& node) {
    Value a = Run(*node.left);
    if (auto* c = std::get_if<double>(&a)) return -*c;
    return Scale(node, std::get<OperationResult>(a), -1.0);
  }

  Value Absolute(const Node& node) {
    Value a = Run(*node.left);
    if (auto* c = std::get_if<double>(&a)) return std::fabs(*c);
    return Engine(node, engine::kAbsolute, std::get<OperationResult>(a), nullptr);
  }

  Value Power(const Node& node) {
    Value a = Run(*node.left);
    if (auto* c = std::get_if<double>(&a)) return Folded(node, std::pow(*c, node.exponent));
    return Engine(node, engine::kPower, std::get<OperationResult>(a), nullptr, std::to_string(node.exponent));
  }

  double Folded(const Node& node, double value) {
    if (!std::isfinite(value)) Fail(node, Phrase::NotFinite);
    return value;
  }

  Value Binary(const Node& node) {
    Value left = Run(*node.left);
    Value right = Run(*node.right);
    const double* a = std::get_if<double>(&left);
    const double* b = std::get_if<double>(&right);
    switch (node.kind) {
      case NodeKind::Add:
        if (a && b) return *a + *b;
        if (a) return Shift(node, std::get<OperationResult>(right), *a);
        if (b) return Shift(node, std::get<OperationResult>(left), *b);
        return Engine(node, engine::kSum, std::get<OperationResult>(left), &std::get<OperationResult>(right));
      case NodeKind::Subtract:
        if (a && b) return *a - *b;
        if (b) return Shift(node, std::get<OperationResult>(left), -*b);
        if (a) {
          // c - H = (-H) + c, one grid move after the exact reflection.
          OperationResult reflected = std::get<OperationResult>(right);
          reflected.histogram = model::ApplyMultiple(reflected.histogram, -1.0);
          reflected.failureProbability = 0.0;
          return Shift(node, reflected, *a);
        }
        return Engine(node, engine::kDifference, std::get<OperationResult>(left),
                      &std::get<OperationResult>(right));
      case NodeKind::Multiply:
        if (a && b) return Folded(node, *a * *b);
        if (a) return Scale(node, std::get<OperationResult>(right), *a);
        if (b) return Scale(node, std::get<OperationResult>(left), *b);
        return Engine(node, engine::kProduct, std::get<OperationResult>(left), &std::get<OperationResult>(right));
      case NodeKind::Divide:
        if (b && *b == 0.0) Fail(node, Phrase::DivisionByZero);
        if (a && b) return Folded(node, *a / *b);
        if (b) return Scale(node, std::get<OperationResult>(left), 1.0 / *b);
        if (a) {
          // c / H = c * H^(-1): the engine's reciprocal, then the multiple.
          const Value inverse = Engine(node, engine::kPower, std::get<OperationResult>(right), nullptr, "-1");
          if (*a == 1.0) return inverse;
          // The node's one step is the scaled reciprocal, not the reciprocal itself.
          steps_.pop_back();
          return Scale(node, std::get<OperationResult>(inverse), *a);
        }
        return Engine(node, engine::kQuotient, std::get<OperationResult>(left), &std::get<OperationResult>(right));
      default: break;
    }
    return 0.0;
  }

  const std::vector<ExpressionInput>& inputs_;
  const EvaluationOptions& options_;
  std::vector<EvaluationStep>& steps_;
};

}  // namespace

engine::OperationResult StandaloneResult(const model::Histogram& h, const std::string& label) {
  OperationResult r;
  r.histogram = h;
  r.failureProbability = engine::FailureProbabilityOf(h);
  r.failureFromOperation = false;
  r.label = label;
  Summarise(r);
  return r;
}

namespace {

std::string Padded(std::string label) {
  // Pads by characters, not bytes, so Czech labels line up too.
  std::size_t characters = 0;
  for (const char c : label) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  label.append(characters < 21 ? 21 - characters : 1, ' ');
  return label;
}

std::string Shortest(double value) {
  char buffer[64];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

}  // namespace

std::vector<std::string> ProvenanceLines(const Evaluation& evaluation, texts::Language language) {
  std::vector<std::string> lines;
  lines.push_back(Padded(PhraseText(Phrase::RecordExpression, language)) + evaluation.expression);
  if (evaluation.rewritten)
    lines.push_back(Padded(PhraseText(Phrase::RecordEvaluatedAs, language)) + evaluation.evaluatedExpression);
  for (const InputProvenance& in : evaluation.inputs)
    lines.push_back(Padded(PhraseText(Phrase::RecordInput, language) + " " + in.name) + in.source +
                    (in.sha256.empty() ? "" : "  sha256:" + in.sha256));
  for (const EvaluationStep& step : evaluation.steps)
    lines.push_back(Padded(PhraseText(Phrase::RecordStep, language)) + step.text + "  N=" +
                    std::to_string(step.result.histogram.N) + " Min=" + Shortest(step.result.histogram.Min) +
                    " Max=" + Shortest(step.result.histogram.Max) + " Pf=" + Shortest(step.result.failureProbability));
  return lines;
}

Evaluation EvaluateExpression(const std::string& expression, const std::vector<ExpressionInput>& inputs,
                              const EvaluationOptions& options) {
  Evaluation evaluation;
  evaluation.expression = expression;
  ParseResult parsed = ParseExpression(expression, options.language);
  if (!parsed.ok()) {
    evaluation.failure = EvaluationFailure{{}, std::nullopt, SyntaxErrorText(expression, *parsed.error)};
    return evaluation;
  }

  AuditResult audit = AuditIndependence(*parsed.tree, options.language);
  evaluation.audit = audit.verdict;
  if (audit.rewritten) evaluation.offeredRewrite = ExpressionText(*audit.rewritten);
  if (audit.verdict == AuditVerdict::Refused ||
      (audit.verdict == AuditVerdict::Rewritable && !options.rewrite)) {
    evaluation.failure = EvaluationFailure{audit.variable, std::nullopt, audit.message};
    return evaluation;
  }
  const Node& tree = audit.rewritten ? *audit.rewritten : *parsed.tree;
  evaluation.rewritten = audit.rewritten != nullptr;
  evaluation.evaluatedExpression = ExpressionText(tree);

  for (const NameUse& use : NameUses(tree)) {
    const auto it = std::find_if(inputs.begin(), inputs.end(),
                                 [&](const ExpressionInput& in) { return in.provenance.name == use.name; });
    if (it == inputs.end()) {
      evaluation.failure = EvaluationFailure{use.name, std::nullopt,
                                             PhraseText(Phrase::UnknownName, options.language, use.name)};
      return evaluation;
    }
    evaluation.inputs.push_back(it->provenance);
  }

  try {
    Value value = Evaluator(inputs, options, evaluation.steps).Run(tree);
    if (std::holds_alternative<double>(value)) {
      evaluation.failure = EvaluationFailure{{}, std::nullopt, PhraseText(Phrase::NoHistogram, options.language)};
      return evaluation;
    }
    OperationResult result = std::get<OperationResult>(std::move(value));
    result.label = evaluation.evaluatedExpression;
    // The last operation's bounds hold for its inputs as histograms; an intermediate
    // result is itself only near its true distribution, so over several steps there
    // are no rigorous bounds.
    if (evaluation.steps.size() > 1) result.bounds = engine::FailureBounds{};
    evaluation.result = std::move(result);
  } catch (const Stop& stop) {
    evaluation.failure = stop.failure;
  }
  return evaluation;
}

}  // namespace dorvex::expressions

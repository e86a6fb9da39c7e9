#include "expressions/independence_audit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "expressions/expression_texts.h"

namespace dorvex::expressions {

namespace {

// A sub-expression of at most one name: sum of coefficient * name^exponent over
// the terms (exponent 0 is the constant). `name` is empty for a constant.
struct Polynomial {
  std::string name;
  std::map<int, double> terms;

  bool IsConstant() const { return name.empty(); }
  double Constant() const {
    auto it = terms.find(0);
    return it == terms.end() ? 0.0 : it->second;
  }
  // One term with a non-zero exponent and no constant.
  bool IsMonomial() const { return terms.size() == 1 && !terms.contains(0) && !name.empty(); }
};

using Form = std::optional<Polynomial>;

Polynomial Constant(double value) { return {"", {{0, value}}}; }

void DropZeros(Polynomial& p) {
  std::erase_if(p.terms, [](const auto& term) { return term.first != 0 && term.second == 0.0; });
  if (p.terms.size() == 1 && p.terms.contains(0)) p.name.clear();
  if (p.terms.empty()) p = Constant(0.0);
}

Polynomial Scaled(Polynomial p, double factor) {
  for (auto& term : p.terms) term.second *= factor;
  DropZeros(p);
  return p;
}

Form Sum(const Form& a, const Form& b, double sign) {
  if (!a || !b) return std::nullopt;
  if (!a->IsConstant() && !b->IsConstant() && a->name != b->name) return std::nullopt;
  Polynomial p = *a;
  if (p.name.empty()) p.name = b->name;
  for (const auto& [exponent, coefficient] : b->terms) p.terms[exponent] += sign * coefficient;
  DropZeros(p);
  return p;
}

Form Product(const Form& a, const Form& b) {
  if (!a || !b) return std::nullopt;
  if (a->IsConstant()) return Scaled(*b, a->Constant());
  if (b->IsConstant()) return Scaled(*a, b->Constant());
  if (!a->IsMonomial() || !b->IsMonomial() || a->name != b->name) return std::nullopt;
  const auto& [ea, ca] = *a->terms.begin();
  const auto& [eb, cb] = *b->terms.begin();
  Polynomial p{a->name, {{ea + eb, ca * cb}}};
  DropZeros(p);
  return p;
}

Form Quotient(const Form& a, const Form& b) {
  if (!a || !b) return std::nullopt;
  // Division by zero is left for the evaluation to report.
  if (b->IsConstant()) return b->Constant() == 0.0 ? Form{} : Form{Scaled(*a, 1.0 / b->Constant())};
  if (!b->IsMonomial()) return std::nullopt;
  const auto& [eb, cb] = *b->terms.begin();
  if (a->IsConstant()) return Polynomial{b->name, {{-eb, a->Constant() / cb}}};
  if (!a->IsMonomial() || a->name != b->name) return std::nullopt;
  const auto& [ea, ca] = *a->terms.begin();
  Polynomial p{a->name, {{ea - eb, ca / cb}}};
  DropZeros(p);
  return p;
}

Form Power(const Form& a, int n) {
  if (!a) return std::nullopt;
  if (a->IsConstant()) return Constant(std::pow(a->Constant(), n));
  if (!a->IsMonomial()) return std::nullopt;
  const auto& [e, c] = *a->terms.begin();
  Polynomial p{a->name, {{e * n, std::pow(c, n)}}};
  DropZeros(p);
  return p;
}

Form Absolute(const Form& a) {
  if (!a) return std::nullopt;
  if (a->IsConstant()) return Constant(std::fabs(a->Constant()));
  if (!a->IsMonomial() || a->terms.begin()->first % 2 != 0) return std::nullopt;
  return Scaled(*a, a->terms.begin()->second < 0 ? -1.0 : 1.0);
}

Form FormOf(const Node& node) {
  switch (node.kind) {
    case NodeKind::Number: return Constant(node.number);
    case NodeKind::Name: return Polynomial{node.name, {{1, 1.0}}};
    case NodeKind::Add: return Sum(FormOf(*node.left), FormOf(*node.right), 1.0);
    case NodeKind::Subtract: return Sum(FormOf(*node.left), FormOf(*node.right), -1.0);
    case NodeKind::Multiply: return Product(FormOf(*node.left), FormOf(*node.right));
    case NodeKind::Divide: return Quotient(FormOf(*node.left), FormOf(*node.right));
    case NodeKind::Negate: {
      Form a = FormOf(*node.left);
      return a ? Form{Scaled(*a, -1.0)} : Form{};
    }
    case NodeKind::Power: return Power(FormOf(*node.left), node.exponent);
    case NodeKind::Absolute: return Absolute(FormOf(*node.left));
  }
  return std::nullopt;
}

// coefficient * name^exponent + constant, with a single use of the name.
NodePtr Build(const Polynomial& p) {
  const double constant = p.Constant();
  if (p.IsConstant()) return MakeNumber(constant);
  const auto& [exponent, coefficient] = *std::find_if(p.terms.begin(), p.terms.end(),
                                                      [](const auto& t) { return t.first != 0; });
  NodePtr term = MakeName(p.name);
  if (exponent != 1) term = MakeUnary(NodeKind::Power, std::move(term), exponent);
  if (coefficient == -1.0) term = MakeUnary(NodeKind::Negate, std::move(term));
  else if (coefficient != 1.0) term = MakeBinary(NodeKind::Multiply, MakeNumber(coefficient), std::move(term));
  if (constant > 0) return MakeBinary(NodeKind::Add, std::move(term), MakeNumber(constant));
  if (constant < 0) return MakeBinary(NodeKind::Subtract, std::move(term), MakeNumber(-constant));
  return term;
}

bool RepeatsAName(const Node& node) {
  for (const NameUse& use : NameUses(node))
    if (use.uses > 1) return true;
  return false;
}

// Replaces the largest sub-expressions that repeat a name and reduce to one term.
NodePtr Rewrite(const Node& node) {
  if (RepeatsAName(node)) {
    const Form form = FormOf(node);
    const bool oneTerm = form && std::count_if(form->terms.begin(), form->terms.end(),
                                               [](const auto& t) { return t.first != 0; }) <= 1;
    if (oneTerm) return Build(*form);
  }
  NodePtr copy = Clone(node);
  if (node.left) copy->left = Rewrite(*node.left);
  if (node.right) copy->right = Rewrite(*node.right);
  return copy;
}

}  // namespace

AuditResult AuditIndependence(const Node& tree, texts::Language language) {
  AuditResult result;
  const std::vector<NameUse> uses = NameUses(tree);
  const auto repeated = std::find_if(uses.begin(), uses.end(), [](const NameUse& u) { return u.uses > 1; });
  if (repeated == uses.end()) return result;

  NodePtr rewritten = Rewrite(tree);
  for (const NameUse& use : NameUses(*rewritten)) {
    if (use.uses <= 1) continue;
    const auto original = std::find_if(uses.begin(), uses.end(), [&](const NameUse& u) { return u.name == use.name; });
    result.verdict = AuditVerdict::Refused;
    result.variable = use.name;
    result.uses = original->uses;
    result.message = PhraseText(Phrase::RepeatedName, language, use.name, std::to_string(original->uses));
    return result;
  }
  result.verdict = AuditVerdict::Rewritable;
  result.variable = repeated->name;
  result.uses = repeated->uses;
  result.message = PhraseText(Phrase::RewriteOffered, language, repeated->name, ExpressionText(*rewritten));
  result.rewritten = std::move(rewritten);
  return result;
}

}  // namespace dorvex::expressions

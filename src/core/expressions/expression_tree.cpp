#include "expressions/expression_tree.h"

#include <algorithm>
#include <charconv>
#include <numbers>

namespace dorvex::expressions {

NodePtr MakeNumber(double value) {
  auto node = std::make_unique<Node>();
  node->kind = NodeKind::Number;
  node->number = value;
  return node;
}

NodePtr MakeName(const std::string& name) {
  auto node = std::make_unique<Node>();
  node->kind = NodeKind::Name;
  node->name = name;
  return node;
}

NodePtr MakeUnary(NodeKind kind, NodePtr operand, int exponent) {
  auto node = std::make_unique<Node>();
  node->kind = kind;
  node->exponent = exponent;
  node->left = std::move(operand);
  return node;
}

NodePtr MakeBinary(NodeKind kind, NodePtr left, NodePtr right) {
  auto node = std::make_unique<Node>();
  node->kind = kind;
  node->left = std::move(left);
  node->right = std::move(right);
  return node;
}

NodePtr Clone(const Node& node) {
  auto copy = std::make_unique<Node>();
  copy->kind = node.kind;
  copy->number = node.number;
  copy->name = node.name;
  copy->exponent = node.exponent;
  copy->position = node.position;
  if (node.left) copy->left = Clone(*node.left);
  if (node.right) copy->right = Clone(*node.right);
  return copy;
}

namespace {

// Binding strength: sums 1, products 2, unary minus 3, powers 4, atoms 5.
int Strength(const Node& node) {
  switch (node.kind) {
    case NodeKind::Add:
    case NodeKind::Subtract: return 1;
    case NodeKind::Multiply:
    case NodeKind::Divide: return 2;
    case NodeKind::Negate: return 3;
    case NodeKind::Power: return 4;
    case NodeKind::Number: return node.number < 0 ? 3 : 5;
    default: return 5;
  }
}

std::string NumberText(double value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

std::string Wrapped(const Node& node, bool parenthesise) {
  const std::string text = ExpressionText(node);
  return parenthesise ? std::string("(").append(text).append(")") : text;
}

std::string BinaryText(const Node& node, const char* sign, int strength) {
  // Left-associative: the right operand needs parentheses at equal strength.
  return Wrapped(*node.left, Strength(*node.left) < strength) + sign +
         Wrapped(*node.right, Strength(*node.right) <= strength);
}

void CountNames(const Node& node, std::vector<NameUse>& uses) {
  if (node.kind == NodeKind::Name) {
    auto it = std::find_if(uses.begin(), uses.end(), [&](const NameUse& u) { return u.name == node.name; });
    if (it == uses.end()) uses.push_back({node.name, 1});
    else ++it->uses;
  }
  if (node.left) CountNames(*node.left, uses);
  if (node.right) CountNames(*node.right, uses);
}

}  // namespace

std::string ExpressionText(const Node& node) {
  switch (node.kind) {
    case NodeKind::Number: return node.number == std::numbers::pi ? "pi" : NumberText(node.number);
    case NodeKind::Name: return node.name;
    case NodeKind::Add: return BinaryText(node, " + ", 1);
    case NodeKind::Subtract: return BinaryText(node, " - ", 1);
    case NodeKind::Multiply: return BinaryText(node, "*", 2);
    case NodeKind::Divide: return BinaryText(node, "/", 2);
    case NodeKind::Negate: return std::string("-").append(Wrapped(*node.left, Strength(*node.left) < 3));
    case NodeKind::Power:
    {
      const std::string exponent = std::to_string(node.exponent);
      return Wrapped(*node.left, Strength(*node.left) <= 4).append("^").append(
          node.exponent < 0 ? std::string("(").append(exponent).append(")") : exponent);
    }
    case NodeKind::Absolute: return std::string("abs(").append(ExpressionText(*node.left)).append(")");
  }
  return {};
}

std::vector<NameUse> NameUses(const Node& node) {
  std::vector<NameUse> uses;
  CountNames(node, uses);
  return uses;
}

}  // namespace dorvex::expressions

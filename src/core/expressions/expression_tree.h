#pragma once
// The tree of a limit-state expression over named histograms, and its text.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace dorvex::expressions {

enum class NodeKind { Number, Name, Add, Subtract, Multiply, Divide, Negate, Power, Absolute };

// One node. Binary kinds use left and right; Negate, Power and Absolute use left.
// `position` is the 0-based byte offset in the source text (0 for built nodes).
struct Node {
  NodeKind kind = NodeKind::Number;
  double number = 0.0;   // Number
  std::string name;      // Name
  int exponent = 0;      // Power
  std::size_t position = 0;
  std::unique_ptr<Node> left;
  std::unique_ptr<Node> right;
};

using NodePtr = std::unique_ptr<Node>;

NodePtr MakeNumber(double value);
NodePtr MakeName(const std::string& name);
NodePtr MakeUnary(NodeKind kind, NodePtr operand, int exponent = 0);
NodePtr MakeBinary(NodeKind kind, NodePtr left, NodePtr right);
NodePtr Clone(const Node& node);

// The expression written back with only the parentheses its meaning needs; numbers
// as the shortest text that reads back to the same double.
std::string ExpressionText(const Node& node);

// Every name the expression reads, in order of first use, with the count of uses.
struct NameUse {
  std::string name;
  int uses = 0;
};
std::vector<NameUse> NameUses(const Node& node);

}  // namespace dorvex::expressions

#include "expressions/expression_parser.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <numbers>

#include "expressions/expression_texts.h"

namespace dorvex::expressions {

namespace {

// The Greek letter pi in UTF-8.
constexpr std::string_view kPiLetter = "\xCF\x80";

struct Failure {
  SyntaxError error;
};

// Recursive descent; a fault is thrown as Failure inside and returned as a value.
class Parser {
 public:
  Parser(const std::string& text, texts::Language language) : text_(text), language_(language) {}

  NodePtr Parse() {
    SkipSpaces();
    if (at_ == text_.size()) Fail(at_, Phrase::Empty);
    NodePtr tree = Sum();
    SkipSpaces();
    if (at_ != text_.size()) {
      const char c = text_[at_];
      if (!std::isalnum(static_cast<unsigned char>(c)) && std::string_view("_.()+-*/^").find(c) == std::string_view::npos)
        FailUnexpected();
      Fail(at_, Phrase::ExpectedEnd);
    }
    return tree;
  }

 private:
  [[noreturn]] void Fail(std::size_t position, Phrase phrase, const std::string& first = {}) {
    throw Failure{{position, PhraseText(phrase, language_, first)}};
  }

  void SkipSpaces() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }

  bool Take(char c) {
    SkipSpaces();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  NodePtr Sum() {
    NodePtr left = Product();
    for (;;) {
      SkipSpaces();
      const std::size_t position = at_;
      NodeKind kind;
      if (Take('+')) kind = NodeKind::Add;
      else if (Take('-')) kind = NodeKind::Subtract;
      else return left;
      left = MakeBinary(kind, std::move(left), Product());
      left->position = position;
    }
  }

  NodePtr Product() {
    NodePtr left = Unary();
    for (;;) {
      SkipSpaces();
      const std::size_t position = at_;
      NodeKind kind;
      if (Take('*')) kind = NodeKind::Multiply;
      else if (Take('/')) kind = NodeKind::Divide;
      else return left;
      left = MakeBinary(kind, std::move(left), Unary());
      left->position = position;
    }
  }

  NodePtr Unary() {
    SkipSpaces();
    const std::size_t position = at_;
    // Nesting is bounded so that a hostile text cannot exhaust the stack.
    if (++depth_ > kMaxDepth) Fail(at_, Phrase::TooDeep);
    struct Leave {
      int& depth;
      ~Leave() { --depth; }
    } leave{depth_};
    if (Take('-')) {
      NodePtr node = MakeUnary(NodeKind::Negate, Unary());
      node->position = position;
      return node;
    }
    if (Take('+')) return Unary();
    return Power();
  }

  NodePtr Power() {
    NodePtr base = Primary();
    SkipSpaces();
    const std::size_t position = at_;
    if (!Take('^')) return base;
    NodePtr node = MakeUnary(NodeKind::Power, std::move(base), Exponent());
    node->position = position;
    return node;
  }

  // An integer with an optional sign, or the same in parentheses: R^2, R^-1, R^(-1).
  int Exponent() {
    const bool parenthesised = Take('(');
    SkipSpaces();
    const std::size_t start = at_;
    bool negative = false;
    if (Take('-')) negative = true;
    else Take('+');
    SkipSpaces();
    const std::size_t digits = at_;
    while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) ++at_;
    if (at_ == digits) Fail(digits, Phrase::IntegerExponent);
    if (at_ < text_.size() && (text_[at_] == '.' || text_[at_] == 'e' || text_[at_] == 'E'))
      Fail(start, Phrase::IntegerExponent);
    int value = 0;
    const auto [end, fault] = std::from_chars(text_.data() + digits, text_.data() + at_, value);
    if (fault != std::errc() || end != text_.data() + at_) Fail(start, Phrase::IntegerExponent);
    if (parenthesised && !Take(')')) Fail(at_, Phrase::ExpectedClose);
    return negative ? -value : value;
  }

  NodePtr Primary() {
    SkipSpaces();
    const std::size_t position = at_;
    if (at_ == text_.size()) Fail(at_, Phrase::ExpectedOperand);
    const char c = text_[at_];
    if (Take('(')) {
      NodePtr inner = Sum();
      if (!Take(')')) Fail(at_, Phrase::ExpectedClose);
      return inner;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return Number();
    if (text_.compare(at_, kPiLetter.size(), kPiLetter) == 0) {
      at_ += kPiLetter.size();
      NodePtr node = MakeNumber(std::numbers::pi);
      node->position = position;
      return node;
    }
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      while (at_ < text_.size() &&
             (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_'))
        ++at_;
      const std::string word = text_.substr(position, at_ - position);
      if (word == "pi") {
        NodePtr node = MakeNumber(std::numbers::pi);
        node->position = position;
        return node;
      }
      if (word == "abs") {
        if (!Take('(')) Fail(at_, Phrase::ExpectedOpenAbs);
        NodePtr node = MakeUnary(NodeKind::Absolute, Sum());
        if (!Take(')')) Fail(at_, Phrase::ExpectedClose);
        node->position = position;
        return node;
      }
      NodePtr node = MakeName(word);
      node->position = position;
      return node;
    }
    if (c == ')' || c == '*' || c == '/' || c == '^' || c == '+') Fail(at_, Phrase::ExpectedOperand);
    FailUnexpected();
  }

  [[noreturn]] void FailUnexpected() {
    // The whole UTF-8 character, for the message.
    std::size_t length = 1;
    while (at_ + length < text_.size() && (static_cast<unsigned char>(text_[at_ + length]) & 0xC0) == 0x80)
      ++length;
    Fail(at_, Phrase::UnexpectedChar, text_.substr(at_, length));
  }

  // Digits, an optional fraction and an optional exponent: 2, 0.6, .5, 1.2E-3.
  NodePtr Number() {
    const std::size_t start = at_;
    auto digits = [&] {
      while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) ++at_;
    };
    digits();
    if (at_ < text_.size() && text_[at_] == '.') {
      ++at_;
      digits();
    }
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      digits();
    }
    // A number running straight into a name ("2R") is not a product.
    while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_' ||
                                  text_[at_] == '.'))
      ++at_;
    const std::string word = text_.substr(start, at_ - start);
    double value = 0.0;
    const auto [end, fault] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (fault != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
      Fail(start, Phrase::BadNumber, word);
    NodePtr node = MakeNumber(value);
    node->position = start;
    return node;
  }

  const std::string& text_;
  texts::Language language_;
  std::size_t at_ = 0;
  int depth_ = 0;
  static constexpr int kMaxDepth = 200;
};

}  // namespace

ParseResult ParseExpression(const std::string& text, texts::Language language) {
  ParseResult result;
  try {
    result.tree = Parser(text, language).Parse();
  } catch (const Failure& failure) {
    result.error = failure.error;
  }
  return result;
}

std::string SyntaxErrorText(const std::string& text, const SyntaxError& error) {
  // The caret's column counts characters, not the bytes of multi-byte ones.
  std::size_t column = 0;
  for (std::size_t i = 0; i < error.position && i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++column;
  return text + "\n" + std::string(column, ' ') + "^\n" + error.message;
}

}  // namespace dorvex::expressions

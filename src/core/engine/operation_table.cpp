#include "engine/operation_table.h"

namespace dorvex::engine {

namespace {

// The list texts are the same in both languages: they are formulas.
constexpr OperationEntry kOperations[] = {
    {kSum, "add", " A + B", " A + B", "(A + B) * nAB", Arity::Binary},
    {kDifference, "sub", " A - B", " A - B", "(A - B) * nAB", Arity::Binary},
    {kProduct, "mul", " A * B", " A * B", "(A * B) * nAB", Arity::Binary},
    {kQuotient, "div", " A / B", " A / B", "(A / B) * nAB", Arity::Binary},
    {kSquare, "sq", " A ^ 2", " A ^ 2", "A^2 * nAB", Arity::Unary},
    {kAbsolute, "abs", " abs (A)", " abs (A)", "abs(A) * nAB", Arity::Unary},
    {kPower, "pow", " A ^ n", " A ^ n", "A^n * nAB", Arity::NeedsCount},
    {kRepeatedSum, "sum", " A + A +...+ A", " A + A +...+ A", "(A+A+A+ ... +A) + nAB", Arity::NeedsCount},
    {kRepeatedProduct, "prod", " A * A *...* A", " A * A *...* A", "(A*A*A* ... *A) * nAB", Arity::NeedsCount},
    {kRepeatedQuotient, "quot", " A / A /... / A", " A / A /... / A", "(A/A/A/ ... /A) + nAB",
     Arity::NeedsCount},
};

}  // namespace

std::span<const OperationEntry> OperationTable() { return kOperations; }

const OperationEntry* FindOperation(int code) {
  for (const OperationEntry& entry : kOperations) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

const OperationEntry* FindOperationByCommand(std::string_view command) {
  for (const OperationEntry& entry : kOperations) {
    if (entry.command == command) return &entry;
  }
  return nullptr;
}

int OperationCodeAt(int item) {
  const std::span<const OperationEntry> table = OperationTable();
  if (item < 0 || item >= static_cast<int>(table.size())) return 0;
  return table[static_cast<std::size_t>(item)].code;
}

std::string OperationListText(int code, texts::Language language) {
  const OperationEntry* entry = FindOperation(code);
  if (entry == nullptr) return std::string();
  return language == texts::Language::Czech ? entry->czech : entry->english;
}

std::string CharacteristicsTitle(int code, texts::Language language) {
  const std::string item = OperationListText(code, language);
  const std::size_t first = item.find_first_not_of(' ');
  std::string title = "Histogram : ";
  if (first != std::string::npos) title += item.substr(first);
  return title;
}

}  // namespace dorvex::engine

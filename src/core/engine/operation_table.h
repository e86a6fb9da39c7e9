#pragma once
// The ten operations as the operation list and the command line name them: one
// entry per OperationCode, in the order of the list.

#include <span>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "texts/language.h"

namespace dorvex::engine {

// What an operation works on.
enum class Arity {
  Unary,       // A alone
  Binary,      // A and B
  NeedsCount,  // A and the exponent or count n
};

struct OperationEntry {
  OperationCode code;
  const char* command;  // word of dorvex-cli calc: "add"
  const char* english;  // item of the operation list: " A + B"
  const char* czech;
  const char* label;    // the result label OperationLabel(code) gives
  Arity arity;
};

// Every operation, in the order of the list (item i holds code i + 1).
std::span<const OperationEntry> OperationTable();

// The entry of `code`; nullptr for a code without an operation.
const OperationEntry* FindOperation(int code);
// The entry whose command word is `command`; nullptr when there is none.
const OperationEntry* FindOperationByCommand(std::string_view command);

// The code of list item `item`; 0 (no operation) for an item outside the list,
// such as -1 for an empty selection.
int OperationCodeAt(int item);

// The item text of `code` in `language`; empty for a code without an operation.
std::string OperationListText(int code, texts::Language language);

// Title of the characteristics of the result computed by `code`: "Histogram : " and
// its item text without the leading blank.
std::string CharacteristicsTitle(int code, texts::Language language);

}  // namespace dorvex::engine

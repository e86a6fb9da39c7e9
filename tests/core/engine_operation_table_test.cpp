// The table of the ten operations that the operation list and the command line share.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/engine.h"
#include "engine/operation_table.h"

namespace dorvex::engine {
namespace {

using texts::Language;

TEST(OperationTable, ListItemIHoldsCodeIPlusOneInTheEnginesOrder) {
  const auto table = OperationTable();
  ASSERT_EQ(table.size(), 10u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int item = static_cast<int>(i);
    EXPECT_EQ(table[i].code, item + 1);
    EXPECT_EQ(OperationCodeAt(item), item + 1);
  }
  // The labels results carry; the repeated sum and quotient keep their "+ nAB".
  EXPECT_EQ(OperationLabel(kSum), "(A + B) * nAB");
  EXPECT_EQ(OperationLabel(kAbsolute), "abs(A) * nAB");
  EXPECT_EQ(OperationLabel(kRepeatedSum), "(A+A+A+ ... +A) + nAB");
  EXPECT_EQ(OperationLabel(kRepeatedQuotient), "(A/A/A/ ... /A) + nAB");
  EXPECT_EQ(OperationLabel(0), "");
  EXPECT_EQ(OperationCodeAt(-1), 0);
  EXPECT_EQ(OperationCodeAt(10), 0);
}

TEST(OperationTable, ArityAgreesWithTheEngine) {
  for (const OperationEntry& entry : OperationTable()) {
    EXPECT_EQ(entry.arity == Arity::Binary, IsBinaryOperation(entry.code)) << entry.command;
  }
  EXPECT_EQ(FindOperation(kSquare)->arity, Arity::Unary);
  EXPECT_EQ(FindOperation(kAbsolute)->arity, Arity::Unary);
  for (int code : {kPower, kRepeatedSum, kRepeatedProduct, kRepeatedQuotient}) {
    EXPECT_EQ(FindOperation(code)->arity, Arity::NeedsCount) << code;
  }
}

TEST(OperationTable, CommandWordsAreUniqueAndFindTheirEntry) {
  std::set<std::string> words;
  for (const OperationEntry& entry : OperationTable()) {
    words.insert(entry.command);
    EXPECT_EQ(FindOperationByCommand(entry.command), &entry);
  }
  EXPECT_EQ(words.size(), 10u);
  EXPECT_EQ(FindOperationByCommand("frobnicate"), nullptr);
  EXPECT_EQ(FindOperation(0), nullptr);
}

TEST(OperationTable, ListTextsAndCharacteristicsTitles) {
  EXPECT_EQ(OperationListText(kSum, Language::English), " A + B");
  EXPECT_EQ(OperationListText(kRepeatedQuotient, Language::Czech), " A / A /... / A");
  EXPECT_EQ(OperationListText(0, Language::English), "");
  EXPECT_EQ(CharacteristicsTitle(kAbsolute, Language::English), "Histogram : abs (A)");
  EXPECT_EQ(CharacteristicsTitle(0, Language::Czech), "Histogram : ");
}

}  // namespace
}  // namespace dorvex::engine

#include <gtest/gtest.h>

#include <string>

#include "texts/table_texts.h"

using dorvex::texts::Language;
namespace texts = dorvex::texts;

TEST(TableTexts, HeadingsOfBothTablesInBothLanguages) {
  for (Language language : {Language::English, Language::Czech}) {
    const auto summary = texts::SummaryColumnHeadings(language);
    const auto combination = texts::CombinationColumnHeadings(language);
    ASSERT_EQ(summary.size(), 9u);
    ASSERT_EQ(combination.size(), 8u);
    // Columns 1..7 are the same texts in both tables; 3 and 4 in both languages.
    for (std::size_t c = 0; c < combination.size(); ++c) EXPECT_EQ(summary[c], combination[c]);
    EXPECT_EQ(summary[3], "Min");
    EXPECT_EQ(summary[4], "Max");
  }
  EXPECT_EQ(texts::SummaryColumnHeadings(Language::English)[5], " Intervals");
  EXPECT_EQ(texts::SummaryColumnHeadings(Language::Czech)[8], " Váha");
}

TEST(TableTexts, RefusalsNameWhatTheyRefuse) {
  for (Language language : {Language::English, Language::Czech}) {
    const std::string limit = texts::SummaryIntervalLimitText("2001", language);
    EXPECT_NE(limit.find("2001"), std::string::npos);
    EXPECT_NE(limit.find("1024"), std::string::npos);
    EXPECT_NE(texts::InvalidTableRowText(7, language).find('7'), std::string::npos);
    EXPECT_NE(texts::TableReadErrorText("/tmp/a.sum", language).find("/tmp/a.sum"), std::string::npos);
  }
  EXPECT_NE(texts::TableReadErrorText("x", Language::English), texts::TableReadErrorText("x", Language::Czech));
}

#include <gtest/gtest.h>

#include <string>

#include "texts/language.h"
#include "texts/messages.h"

using dorvex::texts::InsertText;
using dorvex::texts::Language;
using dorvex::texts::MessageText;
using dorvex::texts::RefusedValueMessage;

namespace {

struct MessageCase {
  int number;
  Language language;
  const char* expected;
};

// Texts copied from the message table as the program must show them: letter
// spacing, tabs and line breaks are part of the text.
const MessageCase kMessages[] = {
    {1, Language::English, "C o n f i r m a t i o n"},
    {3, Language::English, "E r r o r"},
    {3, Language::Czech, "C h y b a"},
    {4, Language::Czech, "U p o z o r n \xC4\x9B n \xC3\xAD"},
    {11, Language::English, "Incorrect type ( Discrete | Pure Discrete )!\r\n\r\n\t( Contained: Type= %s )"},
    {13, Language::Czech, "Nebylo zadáno klíčové slovo [Bins] !"},
    {49, Language::English, "   Total"},
    {49, Language::Czech, "  Celkem"},
    {122, Language::English, " Frequency"},
    {122, Language::Czech, "   Četnost"},
    {509, Language::Czech, "Není splněna podmínka "},
    // No entry in one language: the unknown-number text, number inserted.
    {60, Language::English, "TextCis[60] no exist !"},
    {60, Language::Czech, "  v absolutní hodnotě."},
    {177, Language::Czech, "TextCis[177] neexistuje !"},
    {177, Language::English, ""},
    // Empty texts stay empty in both languages.
    {77, Language::English, ""},
    {77, Language::Czech, ""},
    // Numbers outside the table.
    {8, Language::English, "TextCis[8] no exist !"},
    {0, Language::Czech, "TextCis[0] neexistuje !"},
    {-5, Language::English, "TextCis[-5] no exist !"},
    {510, Language::English, "TextCis[510] no exist !"},
};

TEST(MessageText, ReturnsTheTableTextOrTheUnknownNumberText) {
  for (const auto& c : kMessages) {
    EXPECT_EQ(MessageText(c.number, c.language), c.expected)
        << "message " << c.number << (c.language == Language::Czech ? " cs" : " en");
  }
}

TEST(MessageText, Message137IsComposedAroundTheRefusedValue) {
  EXPECT_EQ(RefusedValueMessage("1.5", Language::English),
            "Number out of range (0,1)\r\n\r\n Entered: 1.5\r\n Select e.g. = ");
  EXPECT_EQ(RefusedValueMessage("-2", Language::Czech),
            "Číslo mimo rozsah (0,1)\r\n\r\nZadáno : -2\r\nZvolte na př.  = ");
  EXPECT_EQ(MessageText(137, Language::English), RefusedValueMessage("", Language::English));
}

TEST(InsertText, ReplacesOnlyTheFirstPlaceholder) {
  EXPECT_EQ(InsertText("Data file  %s   does not exist !", "a.dis"),
            "Data file  a.dis   does not exist !");
  EXPECT_EQ(InsertText("%s and %s", "x"), "x and %s");
  EXPECT_EQ(InsertText("no placeholder", "x"), "no placeholder");
}

// Message 10 asks about a file that is gone, 28 about one that is there but no
// histogram; the English of 28 must not say the file does not exist.
TEST(MessageText, TheReOpenQuestionsTellAMissingFileFromAnUnreadableOne) {
  for (Language language : {Language::English, Language::Czech}) {
    EXPECT_NE(MessageText(10, language), MessageText(28, language));
    EXPECT_NE(InsertText(MessageText(28, language), "/d/x.dis").find("/d/x.dis"), std::string::npos);
  }
  EXPECT_EQ(MessageText(28, Language::English).find("does not exist"), std::string::npos);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "texts/desktop_texts.h"

namespace dorvex::texts {
namespace {

TEST(DesktopTexts, SpeakTheGivenLanguageAndNameTheWorkbook) {
  const std::string path = "/home/u/Documents/Probability/Graphs and Prints/beam.xlsx";
  for (const Language language : {Language::English, Language::Czech}) {
    const std::string text = SpreadsheetNotOpenedText(path, language);
    EXPECT_EQ(text.substr(text.size() - path.size()), path);
    EXPECT_FALSE(WordProcessorNotStartedText(language).empty());
  }
  EXPECT_EQ(DesktopWarningTitle(Language::Czech), "Upozornění");
  EXPECT_EQ(DesktopWarningTitle(Language::English), "Warning");
  EXPECT_NE(SpreadsheetNotOpenedText("x", Language::English), SpreadsheetNotOpenedText("x", Language::Czech));
  EXPECT_NE(WordProcessorNotStartedText(Language::English), WordProcessorNotStartedText(Language::Czech));
}

}  // namespace
}  // namespace dorvex::texts

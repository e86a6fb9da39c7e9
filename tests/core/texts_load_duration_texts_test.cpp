#include <gtest/gtest.h>

#include <string>

#include "texts/language.h"
#include "texts/load_duration_texts.h"

namespace {

using dorvex::texts::Language;
using namespace dorvex::texts;

TEST(LoadDurationTexts, TitleAndAxisTitlesInBothLanguages) {
  EXPECT_EQ(LoadDurationWindowTitle(Language::Czech), "  Dorvex   :   Graf distribuční funkce");
  EXPECT_EQ(LoadDurationWindowTitle(Language::English), "  Dorvex :  Graph Distribution function");
  EXPECT_EQ(LoadDurationValueAxisTitle(Language::English), "Value x");
  EXPECT_EQ(LoadDurationValueAxisTitle(Language::Czech), "Hodnota x");
  EXPECT_EQ(LoadDurationFunctionAxisTitle(Language::English), "Value F(x)");
  EXPECT_EQ(LoadDurationFunctionAxisTitle(Language::Czech), "Hodnota F(x)");
}

TEST(LoadDurationTexts, EveryNamedControlHasACaptionOrHintInBothLanguages) {
  for (const char* name : {"CheckBox1", "GrafDo", "Schranka", "Bitmapa", "Metafile", "JPGFile", "CheckLogF"}) {
    EXPECT_FALSE(LoadDurationCaption(name, Language::Czech).empty()) << name;
    EXPECT_FALSE(LoadDurationCaption(name, Language::English).empty()) << name;
  }
  for (const char* name : {"OtevriWord", "UlozGraf", "SpeedButton1", "ExitBtn", "CheckLogF"}) {
    for (Language language : {Language::Czech, Language::English}) {
      const std::string hint = LoadDurationHint(name, language);
      EXPECT_NE(hint.find('|'), std::string::npos) << name;
    }
  }
  EXPECT_EQ(LoadDurationCaption("Schranka", Language::Czech), "&Schránky");
  EXPECT_EQ(LoadDurationCaption("CheckBox1", Language::English), "Marks");
  EXPECT_TRUE(LoadDurationCaption("nothing", Language::English).empty());
}

TEST(LoadDurationTexts, ListsOfMarksAndAxisLabels) {
  EXPECT_EQ(LoadDurationListItems("CBMarks", Language::Czech).size(), 5u);
  EXPECT_EQ(LoadDurationListItems("CBMarks", Language::English)[2], "x & P(x)");
  const auto axis = LoadDurationListItems("CBValInd", Language::Czech);
  ASSERT_EQ(axis.size(), 3u);
  EXPECT_EQ(axis[0], "Index  X");
  EXPECT_EQ(axis[1], "Hodnota x");
  EXPECT_EQ(axis[2], "");
  EXPECT_TRUE(LoadDurationListItems("other", Language::English).empty());
}

TEST(LoadDurationTexts, BoundsAndTargetInBothLanguages) {
  EXPECT_EQ(LoadDurationBoundName(BoundSide::Lower, Language::English), "Lower bound of F");
  EXPECT_EQ(LoadDurationBoundName(BoundSide::Upper, Language::Czech), "Horní mez F");
  EXPECT_EQ(LoadDurationBoundHeadings(Language::Czech), (std::vector<std::string>{"   dolní F", "   horní F"}));
  EXPECT_EQ(LoadDurationTargetCaption(Language::Czech), "Cílové β");
  EXPECT_EQ(LoadDurationCaption("CheckLogF", Language::English), "Log. F axis");
}

}  // namespace

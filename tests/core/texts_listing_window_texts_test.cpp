// The listing buttons' texts in both languages.

#include <gtest/gtest.h>

#include "texts/listing_window_texts.h"

namespace dorvex::texts {
namespace {

TEST(ListingButtonText, CaptionsAndHintsInBothLanguages) {
  struct Case {
    const char* name;
    Language language;
    const char* caption;
    const char* hintShort;
  };
  const Case cases[] = {
      {"KontTisk", Language::English, "Excel", "Excel|"}, {"KontTisk", Language::Czech, "Excel", "Excel|"},
      {"ExitBtn", Language::English, "Exit", "Exit|"},     {"ExitBtn", Language::Czech, "Konec", "Konec|"},
  };
  for (const Case& c : cases) {
    const ButtonText text = ListingButtonText(c.name, c.language);
    EXPECT_EQ(text.caption, c.caption) << c.name;
    EXPECT_EQ(text.hint.rfind(c.hintShort, 0), 0u) << text.hint;
  }
  EXPECT_NE(ListingButtonText("ExitBtn", Language::English).hint, ListingButtonText("ExitBtn", Language::Czech).hint);
  EXPECT_EQ(ListingButtonText("StringGrid1", Language::Czech), ButtonText{});
}

}  // namespace
}  // namespace dorvex::texts

// The chart tool bar's hints in both languages.

#include <gtest/gtest.h>

#include <string>

#include "texts/chart_tool_bar_texts.h"

namespace dorvex::texts {
namespace {

TEST(ChartToolBarHint, EachButtonInBothLanguages) {
  struct Case {
    const char* name;
    const char* englishShort;
    const char* czechShort;
  };
  const Case cases[] = {
      {"ChartZoomIn", "Zoom in", "Zvětšit"},       {"ChartZoomOut", "Zoom out", "Zmenšit"},
      {"ChartMoveLeft", "Move left", "Posunout vlevo"}, {"ChartMoveRight", "Move right", "Posunout vpravo"},
      {"ChartWhole", "Whole chart", "Celý graf"},
  };
  for (const Case& c : cases) {
    for (const Language language : {Language::English, Language::Czech}) {
      const std::string hint = ChartToolBarHint(c.name, language);
      const std::size_t bar = hint.find('|');
      ASSERT_NE(bar, std::string::npos) << c.name;
      EXPECT_EQ(hint.substr(0, bar), language == Language::Czech ? c.czechShort : c.englishShort);
      EXPECT_GT(hint.size(), bar + 1) << "a long part: " << c.name;
    }
  }
  EXPECT_EQ(ChartToolBarHint("Panel3", Language::Czech), "");
}

}  // namespace
}  // namespace dorvex::texts

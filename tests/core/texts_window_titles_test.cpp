// The windows' titles in both languages, blanks included.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "texts/window_titles.h"

namespace dorvex::texts {
namespace {

TEST(WindowTitle, EachWindowInBothLanguages) {
  struct Case {
    int window;
    std::optional<std::string> english;
    std::optional<std::string> czech;
  };
  const Case cases[] = {
      {3, "Histogram description", " Dorvex - Výpis"},
      {4, std::nullopt, ""},
      {5, "  Dorvex  -  SetUp colours", "  Dorvex  -  Nastavení barev"},
      {7, "Histogram description", " Popis histogramu"},
      {8, "  Dorvex :  Graph Distribution function", "  Dorvex   :   Graf distribuční funkce"},
      {9, "Histogram description", "  Dorvex : Popis "},
      {12, "  Dorvex :   Parametric distribution", "  Dorvex :   Parametrické rozdělení"},
      {15, "  Dorvex :   Histogram description", "  Dorvex :   Výpis histogramu "},
      {16, "  Dorvex :   Information ", "  Dorvex :   Informace "},
      {19, "  Dorvex : Table of applicable histograms with parametric probability distribution",
       "  Dorvex : Tabulka vhodných histogramů s parametrickým rozdělením pravděpodobnosti"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowTitle(c.window, Language::English), c.english) << c.window;
    EXPECT_EQ(WindowTitle(c.window, Language::Czech), c.czech) << c.window;
  }
}

TEST(WindowTitle, TheMainWindowTheAboutBoxAndTheSplashAreNotInTheTable) {
  for (const int window : {1, 2, 17, 0, 20}) {
    for (const Language language : {Language::English, Language::Czech}) {
      EXPECT_EQ(WindowTitle(window, language), std::nullopt) << window;
    }
  }
}

}  // namespace
}  // namespace dorvex::texts

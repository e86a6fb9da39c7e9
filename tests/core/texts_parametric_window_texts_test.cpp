// The parametric window's texts: its own captions, and those it shares with the
// main window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "texts/main_window_texts.h"
#include "texts/messages.h"
#include "texts/parametric_window_texts.h"

namespace dorvex::texts {
namespace {

TEST(ParametricControlCaption, OwnCaptionsInBothLanguages) {
  struct Case {
    const char* name;
    const char* english;
    const char* czech;
  };
  const Case cases[] = {
      {"Label11", "Type", "Typ"},
      {"Label4", "Intervals", "Intervalů"},
      {"Label6", "Eps for Min (x) ", "Eps pro Min (x) "},
      {"CheckBox1", "Data labels", "Popisky dat"},
      {"ChB_TypHist", "Pure Discrete", "Pure Discrete"},
      {"NoSuchControl", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParametricControlCaption(c.name, Language::English), c.english) << c.name;
    EXPECT_EQ(ParametricControlCaption(c.name, Language::Czech), c.czech) << c.name;
  }
}

TEST(ParametricControlCaption, TheExportMenuSpeaksAsTheMainWindows) {
  struct Case {
    const char* own;
    const char* main;
    const char* czech;
  };
  const Case cases[] = {
      {"PopupMenu2", "PopupMenu2", "&Graf do"},
      {"Schranka", "Schranka1", "&Schránky"},
      {"Bitmapa", "Bitmapa1", "&Bitmapy"},
      {"Metafile", "Metafile1", "&MetaFile"},
      {"JPGFile", "JpgFile", "&JPGFile"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParametricControlCaption(c.own, Language::Czech), c.czech) << c.own;
    for (const Language language : {Language::English, Language::Czech}) {
      EXPECT_EQ(ParametricControlCaption(c.own, language), MainWindowCaption(c.main, language)) << c.own;
    }
  }
  EXPECT_EQ(ParametricControlCaption("Schranka", Language::English), "&Clipboard");
}

TEST(ParametricListItems, TheValueItemIsTheMainWindowsMessage) {
  for (const Language language : {Language::English, Language::Czech}) {
    EXPECT_EQ(ParametricListItems("CBValInd", language),
              (std::vector<std::string>{"Index x", MessageText(208, language)}));
    EXPECT_EQ(ParametricListItems("CBValInd", language), MainWindowListItems("CBValInd", language));
  }
  EXPECT_EQ(ParametricListItems("CBValInd", Language::Czech)[1], "Hodnota x");
}

TEST(ParametricWindowTitle, FollowsTheLanguage) {
  EXPECT_EQ(ParametricWindowTitle(Language::English), "  Dorvex :   Parametric distribution");
  EXPECT_EQ(ParametricWindowTitle(Language::Czech), "  Dorvex :   Parametrické rozdělení");
}

}  // namespace
}  // namespace dorvex::texts

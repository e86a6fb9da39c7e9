// The main window's texts: captions and hints by objectName in both languages, and
// the texts composed around a value.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "texts/main_window_texts.h"
#include "texts/messages.h"

namespace dorvex::texts {
namespace {

const ControlText* Find(const std::vector<ControlText>& texts, const std::string& name) {
  const auto it = std::find_if(texts.begin(), texts.end(), [&](const ControlText& t) { return t.objectName == name; });
  return it == texts.end() ? nullptr : &*it;
}

TEST(MainWindowControlTexts, CaptionsFollowTheLanguage) {
  struct Case {
    const char* name;
    const char* english;
    const char* czech;
  };
  const Case cases[] = {
      {"Soubor1", "&File", "&Soubor"},
      {"GroupBox3", "F i n a l   h i s t o g r a m", "V ý s l e d n ý   h i s t o g r a m"},
      {"Label17", "Prob. P(x<=Qp)", "Pravd. P(x<=Qp)"},
      {"HistogramA1", "Histogram &A ...", "Histogram &A ..."},
  };
  const auto english = MainWindowControlTexts(Language::English);
  const auto czech = MainWindowControlTexts(Language::Czech);
  for (const Case& c : cases) {
    ASSERT_NE(Find(english, c.name), nullptr) << c.name;
    EXPECT_EQ(Find(english, c.name)->caption, c.english);
    EXPECT_EQ(Find(czech, c.name)->caption, c.czech);
  }
  // A button keeps its picture: no caption of its own.
  EXPECT_FALSE(Find(english, "VstupA")->caption);
}

TEST(MainWindowCaption, OneControlsCaptionOrNone) {
  struct Case {
    const char* name;
    const char* english;
    const char* czech;
  };
  const Case cases[] = {
      {"Cestina", "&Czech", "&Čeština"},
      {"Anglictina", "&English", "&Angličtina"},
      {"Jazyk1", "&Language", "&Jazyk"},
      {"PopupMenu2", "&Graph to", "&Graf do"},
      {"Oprogramu1", "About &Program", "&O programu "},
      {"VstupA", "", ""},
      {"NoSuchControl", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MainWindowCaption(c.name, Language::English), c.english) << c.name;
    EXPECT_EQ(MainWindowCaption(c.name, Language::Czech), c.czech) << c.name;
  }
}

TEST(MainWindowControlTexts, TheEnglishWindowShowsNoCzechText) {
  for (const ControlText& text : MainWindowControlTexts(Language::English)) {
    for (const std::optional<std::string>& shown : {text.caption, text.hint}) {
      if (!shown) continue;
      const bool ascii = std::all_of(shown->begin(), shown->end(), [](char c) { return (c & 0x80) == 0; });
      EXPECT_TRUE(ascii) << text.objectName << ": " << *shown;
    }
  }
  for (const char* grid : {"StringGrid3", "StringGrid5", "StringGrid7"}) {
    for (const std::string& label : MainWindowGridLabels(grid, Language::English)) {
      EXPECT_TRUE(std::all_of(label.begin(), label.end(), [](char c) { return (c & 0x80) == 0; })) << label;
    }
  }
}

TEST(MainWindowControlTexts, ButtonsAndItemsOfOneActionShareTheHint) {
  const auto texts = MainWindowControlTexts(Language::English);
  EXPECT_EQ(Find(texts, "BitBtn13")->hint, Find(texts, "Konec1")->hint);
  EXPECT_EQ(Find(texts, "HistogramA1")->hint, Find(texts, "VstupA")->hint);
  EXPECT_EQ(MainWindowHint("BitBtn13", Language::Czech), "Konec|Ukončit program Dorvex");
  EXPECT_EQ(MainWindowHint("Soubor1", Language::English), "");
  for (const ControlText& text : texts) {
    if (text.hint) {
      EXPECT_NE(text.hint->find('|'), std::string::npos) << text.objectName;
    }
  }
}

TEST(SlotListingHints, NameTheSlotAfterBothPartsOfTheHint) {
  EXPECT_EQ(HintNaming("Description A|Description table of input histogram A", "loads"),
            "Description A : loads|Description table of input histogram A : loads");
  EXPECT_EQ(HintNaming("Short|Long", ""), "Short|Long");
  const auto hints = SlotListingHints(Language::English, "loads", "");
  ASSERT_EQ(hints.size(), 4u);
  EXPECT_EQ(hints[0].objectName, "PopisA");
  EXPECT_EQ(hints[0].hint, HintNaming(MainWindowHint("VypisVstHistA", Language::English), "loads"));
  EXPECT_EQ(hints[3].objectName, "VypisHistB");
  EXPECT_EQ(hints[3].hint, MainWindowHint("histogramuB1", Language::English));
}

TEST(MainWindowGridLabels, RowLabelsOfTheSummaryGrids) {
  EXPECT_EQ(MainWindowGridLabels("StringGrid3", Language::Czech),
            (std::vector<std::string>{"Typ", "Počet intervalů", "Suma četností"}));
  EXPECT_EQ(MainWindowGridLabels("StringGrid4", Language::English), MainWindowGridLabels("StringGrid3", Language::English));
  // The input's third row totals its frequencies, in both languages.
  EXPECT_EQ(MainWindowGridLabels("StringGrid3", Language::English).back(), "Sum of frequencies");
  EXPECT_EQ(MainWindowGridLabels("StringGrid5", Language::English).size(), 6u);
  EXPECT_EQ(MainWindowGridLabels("StringGrid6", Language::Czech), (std::vector<std::string>{"Qp"}));
  EXPECT_TRUE(MainWindowGridLabels("StringGrid2", Language::English).empty());
}

TEST(MainWindowListItems, TypeSelectorsTakeTheirItemsFromTheMessageTable) {
  const auto items = MainWindowListItems("CBTypHistB", Language::Czech);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0], "Histogram");
  EXPECT_EQ(items[1], MessageText(55, Language::Czech));
  EXPECT_EQ(items[4], MessageText(58, Language::Czech));
  EXPECT_EQ(MainWindowListItems("CBValInd", Language::English),
            (std::vector<std::string>{"Index x", MessageText(208, Language::English)}));
  EXPECT_EQ(MainWindowListItems("CBMarks", Language::English).size(), 5u);
}

TEST(MainWindowTexts, TitleWarningQuestionAndDialogs) {
  EXPECT_EQ(MainWindowTitle(Language::English, "0.1.0"), "D o r v e x  -  Version 0.1.0");
  EXPECT_EQ(MainWindowTitle(Language::Czech, "0.1.0"), "D o r v e x  -  Verze 0.1.0");
  const std::string warning = ScreenWidthWarning(800, Language::English);
  EXPECT_EQ(warning.substr(0, 1), "\t");
  EXPECT_EQ(warning.substr(1), InsertText(MessageText(7, Language::English), "800"));
  EXPECT_EQ(OverwriteQuestion("/tmp/a.bmp", Language::Czech), InsertText(MessageText(21, Language::Czech), "/tmp/a.bmp"));

  const FileDialogTexts open = DistributionOpenDialog('B');
  EXPECT_EQ(open.title, "Histogram B");
  EXPECT_EQ(open.filters, (std::vector<std::string>{"Distributions Files (*.dis)", "All files (*)"}));
  EXPECT_EQ(open.defaultSuffix, "dis");
  const FileDialogTexts picture = PictureSaveDialog("jpg", Language::Czech);
  EXPECT_EQ(picture.title, "Graf ...");
  EXPECT_EQ(picture.filters.front(), "Distributions Files (*.jpg)");
  EXPECT_EQ(picture.defaultSuffix, "jpg");
}

TEST(NamingTheFile, PutsThePathOnALineOfItsOwnUnlessTheTextNamesIt) {
  struct Case {
    const char* name;
    const char* text;
    Language language;
    const char* expected;
  };
  const Case cases[] = {
      {"English", "Number of intervals < 2 !", Language::English, "Number of intervals < 2 !\r\n\r\nFile: /d/a.dis"},
      {"Czech", "Počet intervalů < 2 !", Language::Czech, "Počet intervalů < 2 !\r\n\r\nSoubor: /d/a.dis"},
      {"already named", "Input error in file reading/d/a.dis", Language::English,
       "Input error in file reading/d/a.dis"},
  };
  for (const Case& c : cases) EXPECT_EQ(NamingTheFile(c.text, "/d/a.dis", c.language), c.expected) << c.name;
}

TEST(MainWindowTexts, NotesOfTheStatusBarAndTheStartInBothLanguages) {
  EXPECT_EQ(ValueOutsideResultText("0.5", "19.5", false, Language::English),
            "No answer: x lies outside the result, which answers for 0.5 < x <= 19.5");
  EXPECT_EQ(ValueOutsideResultText("-1.5", "0.5", true, Language::Czech),
            "Bez odpovědi: x leží mimo výsledný histogram, odpověď je pro -1.5 <= x <= 0.5");
  for (Language language : {Language::English, Language::Czech}) {
    EXPECT_NE(ProbabilityOutsideText(language).find("0 < p <= 1"), std::string::npos);
    EXPECT_NE(ChartCopiedText(language), WindowCopiedText(language));
    const std::string folders = FoldersNotMadeText({"/d/Histograms", "/d/Raw data"}, language);
    EXPECT_NE(folders.find("\r\n/d/Histograms\r\n/d/Raw data\r\n"), std::string::npos) << folders;
  }
  EXPECT_NE(ChartCopiedText(Language::English), ChartCopiedText(Language::Czech));
}

}  // namespace
}  // namespace dorvex::texts

// The main window's texts: captions and hints by objectName in both languages, and
// the texts composed around a value.

#include <gtest/gtest.h>

#include <algorithm>
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

}  // namespace
}  // namespace dorvex::texts

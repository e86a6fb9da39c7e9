#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "settings/settings_file.h"

using dorvex::settings::kSectionNastaveni;
using dorvex::settings::kSectionPosition;
using dorvex::settings::kSectionReOpen;
using dorvex::settings::kSectionSetting;
using dorvex::settings::SectionName;
using dorvex::settings::SettingsFile;

namespace {

// A fresh folder per test, removed afterwards.
class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              (std::string("dorvex_settings_") + info->name() + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  static std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path folder_;
};

TEST(SectionName, FramesTheNameWithTwoDashesAndTwoBlanksOnEachSide) {
  EXPECT_EQ(SectionName("Position"), "--  Position  --");
  EXPECT_EQ(SectionName("ReOpen histogram"), std::string(kSectionReOpen));
}

TEST_F(SettingsFileTest, EveryTypeReadsBackAfterSaveAndLoad) {
  const std::string path = PathOf("Dorvex.INI");
  SettingsFile written(path);
  written.WriteInteger(kSectionPosition, "Prob_u-Form1.width", 720);
  // A system colour (0xFF00000F) is a negative 32-bit value.
  written.WriteInteger(kSectionSetting, "Color- pozadí", -16777201);
  written.WriteBool(kSectionNastaveni, "Form1 Prikazova radka", true);
  written.WriteBool(kSectionNastaveni, "Form1 Kontrolni vypis A", false);
  written.WriteFloat(kSectionSetting, "ratio", 0.1);
  written.WriteString(kSectionReOpen, "ReOpen soubor  [0]", "/home/u/Probability/Histograms/Wind load.dis");
  ASSERT_FALSE(written.Save());

  SettingsFile read(path);
  ASSERT_FALSE(read.Load());
  EXPECT_EQ(read.ReadInteger(kSectionPosition, "Prob_u-Form1.width", 0), 720);
  EXPECT_EQ(read.ReadInteger(kSectionSetting, "Color- pozadí", 0), -16777201);
  EXPECT_TRUE(read.ReadBool(kSectionNastaveni, "Form1 Prikazova radka", false));
  EXPECT_FALSE(read.ReadBool(kSectionNastaveni, "Form1 Kontrolni vypis A", true));
  // Shortest round-trip text: the same double comes back exactly.
  EXPECT_EQ(read.ReadFloat(kSectionSetting, "ratio", 0.0), 0.1);
  EXPECT_EQ(read.ReadString(kSectionReOpen, "ReOpen soubor  [0]", ""),
            "/home/u/Probability/Histograms/Wind load.dis");
}

TEST_F(SettingsFileTest, KeysAndSectionsMatchWithoutRegardToCase) {
  SettingsFile settings(PathOf("case.ini"));
  // Some windows read "width" and write "Width": both address one key.
  settings.WriteInteger(kSectionPosition, "VistaHlp-Form16.width", 600);
  settings.WriteInteger(kSectionPosition, "VistaHlp-Form16.Width", 640);
  EXPECT_EQ(settings.ReadInteger(kSectionPosition, "VISTAHLP-FORM16.WIDTH", 0), 640);
  EXPECT_EQ(settings.ReadInteger("--  position  --", "vistahlp-form16.width", 0), 640);
  EXPECT_EQ(settings.Text(), "[--  Position  --]\r\nVistaHlp-Form16.width=640\r\n");
}

TEST_F(SettingsFileTest, WritesSectionsAndKeysInTheOrderFirstWrittenWithCrLf) {
  SettingsFile settings(PathOf("order.ini"));
  settings.WriteInteger(kSectionPosition, "Prob_u-Form1.left", 0);
  settings.WriteInteger(kSectionSetting, "DateSeparator", 46);
  settings.WriteInteger(kSectionPosition, "Prob_u-Form1.top", 5);
  settings.WriteInteger(kSectionPosition, "Prob_u-Form1.left", 7);  // replaced in place
  EXPECT_EQ(settings.Text(),
            "[--  Position  --]\r\nProb_u-Form1.left=7\r\nProb_u-Form1.top=5\r\n\r\n"
            "[--  Setting  --]\r\nDateSeparator=46\r\n");
}

TEST(SettingsFileSections, AnAddedSectionKeepsItsPlaceBeforeLaterOnes) {
  SettingsFile settings("unused.ini");
  settings.AddSection(kSectionPosition);
  settings.WriteString(kSectionSetting, "k", "1");
  settings.WriteInteger(kSectionPosition, "Prob_u-Form1.left", 3);
  settings.AddSection(kSectionPosition);  // known already: nothing moves
  EXPECT_EQ(settings.Text(), "[--  Position  --]\r\nProb_u-Form1.left=3\r\n\r\n[--  Setting  --]\r\nk=1\r\n");
}

TEST_F(SettingsFileTest, KeepsTheOrderOfAFileItReadAndKeysItDoesNotKnow) {
  SettingsFile settings(PathOf("kept.ini"));
  // Written elsewhere with mixed line ends.
  settings.LoadText("[--  Setting  --]\r\nZeta=1\nAlpha=2\r\n[--  Position  --]\nOther-Form9.left=3\r\n");
  settings.WriteInteger(kSectionSetting, "Beta", 4);
  EXPECT_EQ(settings.Text(),
            "[--  Setting  --]\r\nZeta=1\r\nAlpha=2\r\nBeta=4\r\n\r\n"
            "[--  Position  --]\r\nOther-Form9.left=3\r\n");
}

struct FallbackCase {
  const char* stored;  // nullptr: key missing
  int expectedInteger;
  bool expectedBool;
  double expectedFloat;
};

// Fallbacks are 99, true and 2.5; a stored text either converts or gives them.
const FallbackCase kFallbackCases[] = {
    {nullptr, 99, true, 2.5},
    {"", 99, true, 2.5},
    {"abc", 99, true, 2.5},
    {"12abc", 99, true, 2.5},
    {"0", 0, false, 0.0},
    {" 42 ", 42, true, 42.0},
    {"-7", -7, true, -7.0},
    {"$FF", 255, true, 2.5},
    {"0xFF00000F", -16777201, true, 2.5},
    {"4294967296", 99, true, 4294967296.0},  // beyond 32 bits
    {"1.5", 99, true, 1.5},
    {"1,5", 99, true, 2.5},  // the file's decimal point is "."
    {"1E-7", 99, true, 1e-7},
};

TEST(SettingsFileRead, ConvertsOrFallsBackForEveryStoredText) {
  for (const auto& c : kFallbackCases) {
    SettingsFile settings("unused.ini");
    if (c.stored != nullptr) settings.WriteString("s", "k", c.stored);
    const std::string label = c.stored ? c.stored : "(missing)";
    EXPECT_EQ(settings.ReadInteger("s", "k", 99), c.expectedInteger) << label;
    EXPECT_EQ(settings.ReadBool("s", "k", true), c.expectedBool) << label;
    EXPECT_EQ(settings.ReadFloat("s", "k", 2.5), c.expectedFloat) << label;
    EXPECT_EQ(settings.ReadString("s", "k", "fallback"), c.stored ? c.stored : "fallback") << label;
  }
}

TEST_F(SettingsFileTest, AMissingFileLoadsAsAnEmptySetWithoutError) {
  SettingsFile settings(PathOf("never-written.ini"));
  settings.WriteInteger(kSectionPosition, "x", 1);
  EXPECT_FALSE(settings.Load());
  EXPECT_FALSE(settings.FileExists());
  EXPECT_FALSE(settings.HasKey(kSectionPosition, "x"));
  EXPECT_EQ(settings.ReadInteger(kSectionPosition, "Prob_u-Form1.height", 627), 627);
}

TEST_F(SettingsFileTest, AFailedSaveReportsTheErrorAndLeavesTheTargetAndNoTemporaryFile) {
  // A folder in the file's place: the write into the temporary file succeeds and
  // the rename over the target fails, the last step that could hurt the target.
  const std::string path = PathOf("Dorvex.INI");
  std::filesystem::create_directories(path);
  { std::ofstream(PathOf("Dorvex.INI/inside")) << "kept"; }
  SettingsFile settings(path);
  settings.WriteInteger(kSectionPosition, "Prob_u-Form1.left", 2);
  EXPECT_TRUE(settings.Save());
  EXPECT_EQ(ReadAll(PathOf("Dorvex.INI/inside")), "kept");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

TEST(SettingsFileSave, AMissingFolderIsReportedAsAnError) {
  SettingsFile settings("/nonexistent-dorvex-folder/Dorvex.INI");
  settings.WriteInteger(kSectionPosition, "Prob_u-Form1.left", 2);
  EXPECT_TRUE(settings.Save());
}

TEST_F(SettingsFileTest, SaveReplacesTheFileAndLeavesNoTemporaryFileBehind) {
  const std::string path = PathOf("Dorvex.INI");
  {
    std::ofstream old(path, std::ios::binary);
    old << "[old]\r\nkey=1\r\n";
  }
  SettingsFile settings(path);
  settings.WriteString(kSectionSetting, "new", "2");
  ASSERT_FALSE(settings.Save());
  EXPECT_EQ(ReadAll(path), "[--  Setting  --]\r\nnew=2\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

}  // namespace

namespace {

using dorvex::settings::SettingsTextDefect;
using dorvex::settings::SettingsTrouble;

// Files that are not settings files load as an empty set and say where they went wrong.
TEST_F(SettingsFileTest, ADamagedFileLoadsAsAnEmptySetAndIsKeptAsATrouble) {
  struct Case {
    const char* name;
    std::string contents;
    std::string where;
  };
  std::string garbage = "[--  Position  --]\r\nProb_u-Form1.left=5\r\n";
  for (int i = 0; i < 256; ++i) garbage += static_cast<char>((i * 37) & 0xFF);
  const Case cases[] = {
      {"binary garbage", garbage, "line 3"},
      {"a 10 MB line", "[--  Position  --]\r\nProb_u-Form1.left=5\r\n" + std::string(10 * 1024 * 1024, 'x'), "line 3"},
      {"a line that is no key", "[--  Position  --]\r\nProb_u-Form1.left=5\r\nnonsense\r\n", "line 3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    { std::ofstream(PathOf("Dorvex.INI"), std::ios::binary) << c.contents; }
    SettingsFile settings(PathOf("Dorvex.INI"));
    EXPECT_FALSE(settings.Load());
    EXPECT_FALSE(settings.HasKey(kSectionPosition, "Prob_u-Form1.left"));
    EXPECT_EQ(settings.Troubles(), (std::vector<SettingsTrouble>{{SettingsTrouble::Kind::Damaged, c.where}}));
  }
}

TEST(SettingsTextDefect, CommentsSectionsKeysAndEmptyLinesAreASettingsFile) {
  EXPECT_EQ(SettingsTextDefect("\xEF\xBB\xBF[a]\r\n; note\r\n# note\r\n\r\nkey = value\r\nempty=\r\n"), "");
  EXPECT_EQ(SettingsTextDefect("[a]\r\n=value\r\n"), "line 2");
  EXPECT_EQ(SettingsTextDefect(std::string("k=v\r\nx=\0y\r\n", 11)), "line 2");
}

TEST(SettingsFileRead, AValueOfTheWrongKindIsKeptAsATroubleOnce) {
  SettingsFile settings("unused.ini");
  settings.WriteString(kSectionPosition, "Prob_u-Form1.left", "left of the screen");
  settings.WriteString(kSectionPosition, "ok", "12");
  EXPECT_EQ(settings.ReadInteger(kSectionPosition, "Prob_u-Form1.left", 7), 7);
  EXPECT_EQ(settings.ReadInteger(kSectionPosition, "Prob_u-Form1.left", 7), 7);
  EXPECT_EQ(settings.ReadInteger(kSectionPosition, "ok", 7), 12);
  EXPECT_EQ(settings.ReadInteger(kSectionPosition, "missing", 7), 7);
  EXPECT_EQ(settings.Troubles(),
            (std::vector<SettingsTrouble>{{SettingsTrouble::Kind::WrongKind, "Prob_u-Form1.left"}}));
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsATrouble) {
  // A folder in the file's place cannot be read as a file, whoever runs the test.
  const std::string path = PathOf("Dorvex.INI");
  std::filesystem::create_directories(path);
  SettingsFile settings(path);
  EXPECT_TRUE(settings.Load());
  ASSERT_EQ(settings.Troubles().size(), 1u);
  EXPECT_EQ(settings.Troubles()[0].kind, SettingsTrouble::Kind::Unreadable);
  EXPECT_FALSE(settings.Troubles()[0].detail.empty());
}

}  // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/document_folders.h"

using dorvex::settings::CreateMissingDocumentFolders;
using dorvex::settings::MakeDocumentFolders;
using dorvex::settings::OpenDialogFolder;

namespace {

TEST(MakeDocumentFolders, BuildsTheDataFoldersUnderProbability) {
  const auto folders = MakeDocumentFolders("/opt/Dorvex/bin", "/home/u/Documents", "/opt/Dorvex/bin");
  EXPECT_EQ(folders.startFolder, "/opt/Dorvex/bin");
  EXPECT_EQ(folders.documentsRoot, "/home/u/Documents/Probability");
  EXPECT_EQ(folders.histograms, "/home/u/Documents/Probability/Histograms");
  EXPECT_EQ(folders.calculated, "/home/u/Documents/Probability/Histograms/Calculated");
  EXPECT_EQ(folders.graphs, "/home/u/Documents/Probability/Graphs and Prints");
  EXPECT_EQ(folders.rawData, "/home/u/Documents/Probability/Raw data");
  EXPECT_EQ(folders.helpFile, "/opt/Dorvex/bin/Dorvex.hlp");
}

TEST(MakeDocumentFolders, AnUnknownDocumentsFolderLeavesTheRootAtProbability) {
  const auto folders = MakeDocumentFolders("/opt/Dorvex", "", "/opt/Dorvex");
  EXPECT_EQ(folders.documentsRoot, "/Probability");
  EXPECT_EQ(folders.histograms, "/Probability/Histograms");
  EXPECT_FALSE(folders.documentsKnown);
  // Nothing is made at the root of the file system for an unknown documents folder.
  EXPECT_TRUE(CreateMissingDocumentFolders(folders).empty());
  EXPECT_FALSE(std::filesystem::exists("/Probability/Histograms"));
}

TEST(CreateMissingDocumentFolders, MakesEveryDataFolderOnAFreshHomeAndKeepsWhatIsThere) {
  namespace fs = std::filesystem;
  const fs::path home = fs::temp_directory_path() / "dorvex_fresh_home";
  fs::remove_all(home);
  const auto folders = MakeDocumentFolders("/opt/Dorvex", (home / "Documents").string(), "/opt/Dorvex");
  EXPECT_TRUE(CreateMissingDocumentFolders(folders).empty());
  for (const std::string& folder : {folders.histograms, folders.calculated, folders.graphs, folders.rawData}) {
    EXPECT_TRUE(fs::is_directory(folder)) << folder;
  }
  std::ofstream(fs::path(folders.graphs) / "kept.png") << "picture";
  EXPECT_TRUE(CreateMissingDocumentFolders(folders).empty());
  EXPECT_TRUE(fs::exists(fs::path(folders.graphs) / "kept.png"));

  // A file where a folder should be cannot become one: that folder is reported.
  fs::remove_all(folders.rawData);
  std::ofstream(folders.rawData) << "in the way";
  EXPECT_EQ(CreateMissingDocumentFolders(folders), std::vector<std::string>{folders.rawData});
  fs::remove_all(home);
}

struct DialogFolderCase {
  const char* name;
  bool makeFolders;       // the data folders exist
  const char* file;       // a file put under the histograms folder; empty for none
  bool examplesKnown;     // the bundled examples were found
  bool startsInExamples;  // else in the histograms folder
};

const DialogFolderCase kDialogFolderCases[] = {
    {"no histograms folder yet", false, "", true, true},
    {"a fresh, empty histograms folder", true, "", true, true},
    {"only other files", true, "notes.txt", true, true},
    {"a histogram of the user's", true, "loads.dis", true, false},
    {"a saved result in a sub-folder, any letter case", true, "Calculated/result.DIS", true, false},
    {"no examples to offer", true, "", false, false},
};

TEST(OpenDialogFolder, StartsInTheExamplesUntilTheHistogramsFolderHoldsAHistogram) {
  namespace fs = std::filesystem;
  for (const DialogFolderCase& c : kDialogFolderCases) {
    const fs::path home = fs::temp_directory_path() / "dorvex_dialog_home";
    fs::remove_all(home);
    const auto folders = MakeDocumentFolders("/opt/Dorvex", (home / "Documents").string(), "/opt/Dorvex");
    if (c.makeFolders) {
      ASSERT_TRUE(CreateMissingDocumentFolders(folders).empty()) << c.name;
    }
    if (*c.file != '\0') std::ofstream(fs::path(folders.histograms) / c.file) << "x";
    const std::string examples = c.examplesKnown ? "/opt/Dorvex/examples/Histograms" : "";
    EXPECT_EQ(OpenDialogFolder(folders, examples), c.startsInExamples ? examples : folders.histograms) << c.name;
    fs::remove_all(home);
  }
}

TEST(MakeDocumentFolders, ViewerPathsCutTheStartFolderBeforeDorvexWithoutAddingASeparator) {
  const auto inside = MakeDocumentFolders("/opt/Dorvex/bin", "/d", "/opt/Dorvex/bin");
  EXPECT_EQ(inside.graphicViewer, "/opt/Morvalin/Binview.exe");
  EXPECT_EQ(inside.textViewer, "/opt/Morvalin/Textview.exe");
  const auto outside = MakeDocumentFolders("/home/u/work", "/d", "/usr/bin");
  EXPECT_EQ(outside.graphicViewer, "/home/u/workMorvalin/Binview.exe");
  EXPECT_EQ(outside.textViewer, "/home/u/workMorvalin/Textview.exe");
}

}  // namespace

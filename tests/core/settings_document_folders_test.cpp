#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/document_folders.h"

using dorvex::settings::CreateMissingDocumentFolders;
using dorvex::settings::MakeDocumentFolders;

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

TEST(MakeDocumentFolders, ViewerPathsCutTheStartFolderBeforeDorvexWithoutAddingASeparator) {
  const auto inside = MakeDocumentFolders("/opt/Dorvex/bin", "/d", "/opt/Dorvex/bin");
  EXPECT_EQ(inside.graphicViewer, "/opt/Morvalin/Binview.exe");
  EXPECT_EQ(inside.textViewer, "/opt/Morvalin/Textview.exe");
  const auto outside = MakeDocumentFolders("/home/u/work", "/d", "/usr/bin");
  EXPECT_EQ(outside.graphicViewer, "/home/u/workMorvalin/Binview.exe");
  EXPECT_EQ(outside.textViewer, "/home/u/workMorvalin/Textview.exe");
}

}  // namespace

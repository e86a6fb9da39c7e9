#pragma once
// The data folders under the user's documents folder, fixed at start.

#include <string>
#include <string_view>
#include <vector>

namespace dorvex::settings {

struct DocumentFolders {
  std::string startFolder;    // current folder at start; home of the help files
  std::string documentsRoot;  // <documents>/Probability
  std::string histograms;     // initial folder of the open dialogs for A and B
  std::string calculated;     // initial folder for saving results
  std::string graphs;         // picture export; current folder while a viewer runs
  std::string rawData;        // primary data
  std::string graphicViewer;  // start folder cut before "Dorvex" + "Morvalin/Binview.exe"
  std::string textViewer;     // start folder cut before "Dorvex" + "Morvalin/Textview.exe"
  std::string helpFile;       // <executable dir>/Dorvex.hlp
  bool documentsKnown = true;  // false when the user's documents folder was not found
};

// The folders for a start folder, the user's documents folder (empty when it
// cannot be determined: the root is then "/Probability") and the executable's
// folder. Nothing is created.
DocumentFolders MakeDocumentFolders(std::string_view startFolder, std::string_view documentsFolder,
                                    std::string_view executableDir);

// Makes the data folders (histograms, calculated, graphs, raw data) that do not
// exist yet, so that no save fails for a folder nobody made. Returns the folders
// that could not be made; nothing is made when the documents folder is unknown.
std::vector<std::string> CreateMissingDocumentFolders(const DocumentFolders& folders);

// True when `folder` or a folder inside it holds a distribution file (".dis", any
// letter case); false for a folder that is missing or cannot be read.
bool HoldsHistogram(const std::string& folder);

// Where the open dialogs for A and B start: the histograms folder once it holds a
// histogram; before that the bundled examples (when given), so that a new user
// finds something to open.
std::string OpenDialogFolder(const DocumentFolders& folders, const std::string& examplesFolder);

}  // namespace dorvex::settings

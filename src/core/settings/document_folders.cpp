#include "settings/document_folders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace dorvex::settings {

namespace {

// The viewers of the same maker live in a sibling folder of the program's: the
// start folder is cut where "Dorvex" begins and no separator is added.
std::string SiblingProgram(std::string_view startFolder, std::string_view program) {
  std::string base(startFolder.substr(0, startFolder.find("Dorvex")));
  return base + std::string(program);
}

std::string WithoutTrailingSlash(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return std::string(folder);
}

bool IsDistributionFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".dis";
}

}  // namespace

DocumentFolders MakeDocumentFolders(std::string_view startFolder, std::string_view documentsFolder,
                                    std::string_view executableDir) {
  DocumentFolders folders;
  folders.startFolder = std::string(startFolder);
  const std::string documents = documentsFolder == "/" ? std::string() : WithoutTrailingSlash(documentsFolder);
  folders.documentsKnown = !documents.empty();
  folders.documentsRoot = documents + "/Probability";
  folders.histograms = folders.documentsRoot + "/Histograms";
  folders.calculated = folders.histograms + "/Calculated";
  folders.graphs = folders.documentsRoot + "/Graphs and Prints";
  folders.rawData = folders.documentsRoot + "/Raw data";
  folders.graphicViewer = SiblingProgram(startFolder, "Morvalin/Binview.exe");
  folders.textViewer = SiblingProgram(startFolder, "Morvalin/Textview.exe");
  folders.helpFile = WithoutTrailingSlash(executableDir) + "/Dorvex.hlp";
  return folders;
}

std::vector<std::string> CreateMissingDocumentFolders(const DocumentFolders& folders) {
  std::vector<std::string> failed;
  if (!folders.documentsKnown) return failed;
  for (const std::string* folder : {&folders.histograms, &folders.calculated, &folders.graphs, &folders.rawData}) {
    std::error_code error;
    std::filesystem::create_directories(*folder, error);
    if (error || !std::filesystem::is_directory(*folder, error)) failed.push_back(*folder);
  }
  return failed;
}

bool HoldsHistogram(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    std::error_code unreadable;
    if (IsDistributionFile(it->path()) && it->is_regular_file(unreadable)) return true;
  }
  return false;
}

std::string OpenDialogFolder(const DocumentFolders& folders, const std::string& examplesFolder) {
  if (examplesFolder.empty() || HoldsHistogram(folders.histograms)) return folders.histograms;
  return examplesFolder;
}

}  // namespace dorvex::settings

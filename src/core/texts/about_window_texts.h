#pragma once
// The version window's texts and its contact addresses, and the folder overview.

#include <array>
#include <string>
#include <string_view>

#include "texts/language.h"

namespace dorvex::texts {

// One contact button: its caption and the address a new mail goes to.
struct ContactButton {
  std::string caption;
  std::string address;
};

struct AboutTexts {
  std::string title;
  std::string programName;               // "Dorvex"
  std::string versionLine;               // message 62 + " :  " + the version
  std::array<std::string, 6> lines;      // purpose, maker, tools, system
  std::array<ContactButton, 3> contacts;
};

AboutTexts AboutWindowTexts(Language language);

// Message 34 with the five folders in their order: the last folder chosen in a
// dialog, histograms, graphs, raw data, calculated results.
std::string FolderOverviewText(const std::array<std::string, 5>& folders, Language language);

}  // namespace dorvex::texts

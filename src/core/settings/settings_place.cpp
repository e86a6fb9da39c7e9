#include "settings/settings_place.h"

namespace dorvex::settings {

namespace {

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

std::string ChooseSettingsPath(const SettingsPlaceFacts& facts) {
  if (!facts.commandLinePath.empty()) return facts.commandLinePath;
  if (!facts.environmentPath.empty()) return facts.environmentPath;
  if (facts.executableDirWritable) return Join(facts.executableDir, "Dorvex.INI");
  return Join(Join(facts.configHome, "Dorvex"), "Dorvex.INI");
}

}  // namespace dorvex::settings

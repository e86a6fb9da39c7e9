#pragma once
// Where the settings file lives.

#include <string>

namespace dorvex::settings {

// What the start-up knows about the places the settings file may take.
struct SettingsPlaceFacts {
  std::string commandLinePath;  // the FILE of "--settings FILE"; empty when not given
  std::string environmentPath;  // the value of DORVEX_INI; empty when unset
  std::string executableDir;    // folder of the running executable
  bool executableDirWritable = false;
  std::string configHome;       // $XDG_CONFIG_HOME, or ~/.config when that is unset
};

// The settings file's path: the command line wins over the environment; without
// either, "Dorvex.INI" beside the executable when that folder is writable, else
// configHome + "/Dorvex/Dorvex.INI".
std::string ChooseSettingsPath(const SettingsPlaceFacts& facts);

}  // namespace dorvex::settings

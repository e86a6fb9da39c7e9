#pragma once
// The settings file as the settings-listing window shows it, and the keys of the
// other windows that "Default values" sets back.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/settings_file.h"

namespace dorvex::settings {

// One row of the listing: a key line gives its key and value (split at the first
// "="), a section line the whole line as key and no value; empty lines give none.
using SettingsListingRow = std::pair<std::string, std::string>;
std::vector<SettingsListingRow> SettingsListingRows(std::string_view text);
// The rows of the file at `path`; none when it does not exist or cannot be read.
std::optional<std::vector<SettingsListingRow>> ReadSettingsListing(const std::string& path);

// Writes what "Default values" gives the windows other than the main one: every
// placement (0, 0 and the reset size; a screen-wide window `screenWidth` wide), the
// marks style 2 and angle 90 of windows 8, 12 and 14, and Eps "0.0000001" with 128
// intervals in windows 12 and 14. A window created later reads them.
void WriteDefaultWindowSettings(SettingsFile& file, int screenWidth);

}  // namespace dorvex::settings

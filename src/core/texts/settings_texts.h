#pragma once
// Texts of the settings file in both languages: what the user is told when the file
// could not be used or written, the re-open grid and the settings listing.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "settings/reopen_list.h"
#include "settings/settings_file.h"
#include "texts/language.h"

namespace dorvex::texts {

// Why the program runs on default settings: the file at `path` and each trouble on
// a line of its own.
std::string SettingsTroubleText(std::string_view path, const std::vector<settings::SettingsTrouble>& troubles,
                                Language language);
// The settings could not be saved to `path`: `reason` and what is lost.
std::string SettingsNotWrittenText(std::string_view path, std::string_view reason, Language language);

// The settings-listing window's title and the headings of its two columns.
std::string SettingsListingTitle(Language language);
std::array<std::string, 2> SettingsListingHeadings(Language language);

// The re-open grid: the heading row, then one row per entry — its number after two
// blanks (one from 10 on), the file name without its last four characters (".dis"),
// the multiple text, the interval count text and the file's folder.
using ReOpenGridRow = std::array<std::string, 5>;
std::vector<ReOpenGridRow> ReOpenGridRows(const settings::ReOpenList& list, Language language);

}  // namespace dorvex::texts

#include "settings/settings_listing.h"

#include <fstream>
#include <sstream>

#include "settings/window_placement.h"

namespace dorvex::settings {

namespace {

constexpr int kFirstWindow = 2;
constexpr int kLastWindow = 19;
constexpr int kDefaultMarksItem = 2;
constexpr int kDefaultMarksAngle = 90;

constexpr const char* kMarkedWindows[] = {"KrivkaTrvani-Form8.", "ParamRozdel-Form12.", "PrvotniData-Form14."};
constexpr const char* kEpsWindows[] = {"ParamRozdel-Form12.", "PrvotniData-Form14."};

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return line;
}

}  // namespace

std::vector<SettingsListingRow> SettingsListingRows(std::string_view text) {
  std::vector<SettingsListingRow> rows;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = WithoutLineEnd(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    const std::size_t equals = line.find('=');
    if (line.front() == '[' || equals == std::string_view::npos) {
      rows.emplace_back(std::string(line), std::string());
    } else {
      rows.emplace_back(std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)));
    }
  }
  return rows;
}

std::optional<std::vector<SettingsListingRow>> ReadSettingsListing(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return SettingsListingRows(text.str());
}

void WriteDefaultWindowSettings(SettingsFile& file, int screenWidth) {
  for (int number = kFirstWindow; number <= kLastWindow; ++number) {
    if (PlacementKeysOf(number)) WriteWindowPlacement(file, number, ResetWindowPlacement(number, screenWidth));
  }
  for (const char* prefix : kMarkedWindows) {
    file.WriteInteger(kSectionSetting, std::string(prefix) + "CBMarks.ItemIndex", kDefaultMarksItem);
    file.WriteInteger(kSectionSetting, std::string(prefix) + "SpinEdAngle.Value", kDefaultMarksAngle);
  }
  for (const char* prefix : kEpsWindows) {
    file.WriteString(kSectionPosition, std::string(prefix) + "Eps", "0.0000001");
    file.WriteString(kSectionPosition, std::string(prefix) + "PocetIntervalu", "128");
  }
}

}  // namespace dorvex::settings

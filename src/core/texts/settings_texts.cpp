#include "texts/settings_texts.h"

#include <filesystem>

#include "texts/messages.h"

namespace dorvex::texts {

namespace {

constexpr int kMultipleMessage = 159;
constexpr int kIntervalsMessage = 160;
constexpr int kAddressMessage = 161;
constexpr std::size_t kExtensionLength = 4;  // ".dis"

const char* Pick(Language language, const char* czech, const char* english) {
  return language == Language::Czech ? czech : english;
}

std::string TroubleLine(const settings::SettingsTrouble& trouble, Language language) {
  using Kind = settings::SettingsTrouble::Kind;
  switch (trouble.kind) {
    case Kind::Unreadable:
      return Pick(language, "Soubor nelze číst: ", "The file cannot be read: ") + trouble.detail;
    case Kind::Damaged:
      return Pick(language, "Soubor není inicializační soubor (", "The file is not a settings file (") +
             trouble.detail + ")";
    case Kind::WrongKind:
      return Pick(language, "Chybná hodnota klíče \"", "Wrong kind of value for \"") + trouble.detail + "\"";
  }
  return {};
}

}  // namespace

std::string SettingsTroubleText(std::string_view path, const std::vector<settings::SettingsTrouble>& troubles,
                                Language language) {
  std::string text = Pick(language, "Inicializační soubor\r\n\r\n", "The settings file\r\n\r\n");
  text += path;
  text += "\r\n\r\n";
  for (const settings::SettingsTrouble& trouble : troubles) text += TroubleLine(trouble, language) + "\r\n";
  text += Pick(language, "\r\nProgram použije výchozí hodnoty; soubor bude při ukončení přepsán.",
               "\r\nThe program uses the default values; the file is written anew at exit.");
  return text;
}

std::string SettingsNotWrittenText(std::string_view path, std::string_view reason, Language language) {
  std::string text = Pick(language, "Inicializační soubor\r\n\r\n", "The settings file\r\n\r\n");
  text += path;
  text += Pick(language, "\r\n\r\nnelze zapsat: ", "\r\n\r\ncould not be written: ");
  text += reason;
  text += Pick(language, "\r\n\r\nNastavení tohoto běhu programu nebylo uloženo.",
               "\r\n\r\nThe settings of this session were not saved.");
  return text;
}

std::string SettingsListingTitle(Language language) {
  return Pick(language, "  Dorvex :  Inicializační soubor", "  Dorvex :  Settings file");
}

std::array<std::string, 2> SettingsListingHeadings(Language language) {
  return {Pick(language, "Klíč", "Key"), Pick(language, "Hodnota", "Value")};
}

std::vector<ReOpenGridRow> ReOpenGridRows(const settings::ReOpenList& list, Language language) {
  std::vector<ReOpenGridRow> rows;
  rows.push_back({std::string(), "Histogram  (.dis)", std::string(1, ' ') + MessageText(kMultipleMessage, language),
                  MessageText(kIntervalsMessage, language), std::string(6, ' ') + MessageText(kAddressMessage, language)});
  int number = 0;
  for (const settings::ReOpenEntry& entry : list.Entries()) {
    ++number;
    const std::filesystem::path path(entry.path);
    std::string name = path.filename().string();
    name.resize(name.size() > kExtensionLength ? name.size() - kExtensionLength : 0);
    rows.push_back({std::string(number < 10 ? 2 : 1, ' ') + std::to_string(number), name, entry.multiple, entry.intervals,
                    path.parent_path().string()});
  }
  return rows;
}

}  // namespace dorvex::texts

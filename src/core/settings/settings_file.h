#pragma once
// The INI settings file: window placements, check marks, colours, separators and the
// recently used files. Read once at start, held in memory, written once at exit.

#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace dorvex::settings {

// Section names of the file, framed by "--  " and "  --" as the file has always had them.
inline constexpr std::string_view kSectionPosition = "--  Position  --";
inline constexpr std::string_view kSectionSetting = "--  Setting  --";
inline constexpr std::string_view kSectionNastaveni = "--  Nastaveni  --";
inline constexpr std::string_view kSectionComponent = "--  Component  --";
inline constexpr std::string_view kSectionOperation = "--  Mat.operace  --";
inline constexpr std::string_view kSectionReOpen = "--  ReOpen histogram  --";
inline constexpr std::string_view kSectionInputFile = "--  InputFile  --";
inline constexpr std::string_view kSectionOutputFile = "--  OutputFile  --";

// "--  " + name + "  --".
std::string SectionName(std::string_view name);

// Something wrong with the file that made the program use a default: the file
// could not be read, it is not a settings file (binary, a line far too long, a line
// that is neither a section, a key nor a comment), or a key holds a value of the
// wrong kind (`detail` names the key; for a damaged file the line).
struct SettingsTrouble {
  enum class Kind { Unreadable, Damaged, WrongKind };
  Kind kind = Kind::Damaged;
  std::string detail;

  bool operator==(const SettingsTrouble&) const = default;
};

// The longest line a settings file may hold; no setting comes near it.
inline constexpr std::size_t kLongestSettingsLine = 64 * 1024;

// Why `text` is not a settings file ("line 3"), or an empty text when it is one.
std::string SettingsTextDefect(std::string_view text);

// Keys compare without regard to ASCII case; sections and keys keep the order in
// which they were read or first written. A value that does not convert to the
// asked type reads as the fallback.
class SettingsFile {
 public:
  // An empty set of settings belonging to the file at `path` (not read yet).
  explicit SettingsFile(std::string path);
  ~SettingsFile();
  SettingsFile(SettingsFile&&) noexcept;
  SettingsFile& operator=(SettingsFile&&) noexcept;
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // The file this set is read from and saved to.
  const std::string& Path() const;

  // Replaces the set by the file's contents. A missing file gives an empty set and
  // no error; a file that exists but cannot be read gives its error and an empty set;
  // a file that is not a settings file gives an empty set. Both are kept as troubles.
  std::error_code Load();
  // Replaces the set by INI text (CR LF or LF line ends).
  void LoadText(std::string_view text);

  // What made reading fall back to defaults since the last Load, each key once.
  const std::vector<SettingsTrouble>& Troubles() const;

  // True when the file exists on disk (it is first written when the program ends).
  bool FileExists() const;

  // True when the key exists in the section.
  bool HasKey(std::string_view section, std::string_view key) const;
  // The value text, or the fallback when the key is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // A decimal (or "0x"/"$" hexadecimal) 32-bit integer; else the fallback (a value of
  // another kind is kept as a trouble).
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  // An integer value other than 0 is true; a missing or non-integer value is the fallback.
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
  // A decimal number with "." as decimal point; else the fallback (kept as a trouble).
  double ReadFloat(std::string_view section, std::string_view key, double fallback) const;

  // Creates the (empty) section at the end when it is new, so that it keeps its place.
  void AddSection(std::string_view section);
  // Sets the value, creating the section and key at the end when they are new.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Written in decimal; colours therefore appear as signed numbers.
  void WriteInteger(std::string_view section, std::string_view key, int value);
  // Written as "1" / "0".
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Written as the shortest text that reads back to the same double.
  void WriteFloat(std::string_view section, std::string_view key, double value);
  // Removes the key; nothing happens when it does not exist.
  void DeleteKey(std::string_view section, std::string_view key);

  // The whole set as INI text with CR LF line ends and no blanks around "=".
  std::string Text() const;
  // Writes Text() to Path() through a temporary file in the same folder; the
  // previous file survives a failed write. Empty error_code on success.
  std::error_code Save() const;

 private:
  struct Impl;
  std::string path_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace dorvex::settings

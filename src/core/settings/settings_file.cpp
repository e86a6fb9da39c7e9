#include "settings/settings_file.h"

#define SI_NO_CONVERSION  // UTF-8 text in and out; no wide-character variant is used
#define SI_IMPLEMENTATION  // Debian's header keeps the template bodies behind this switch
#include <SimpleIni.h>

#include <cctype>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "io/atomic_file.h"

namespace dorvex::settings {

struct SettingsFile::Impl {
  // SI_NoCase: keys and sections compare without regard to ASCII case.
  CSimpleIniA ini{true /*UTF-8*/, false /*multi key*/, false /*multi line*/};

  std::vector<SettingsTrouble> troubles;

  Impl() { ini.SetSpaces(false); }

  void Note(SettingsTrouble::Kind kind, std::string detail) {
    SettingsTrouble trouble{kind, std::move(detail)};
    for (const SettingsTrouble& known : troubles) {
      if (known == trouble) return;
    }
    troubles.push_back(std::move(trouble));
  }
};

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

// Whole text as an integer in the given base, within int32.
bool ParseInt32(std::string_view text, int base, int& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() == '-' || text.front() == '+') return false;
  std::int64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc{} || end != text.data() + text.size()) return false;
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  // Hexadecimal colours up to 0xFFFFFFFF are 32-bit patterns, read as signed.
  if (base == 16 && !negative && magnitude <= 0xFFFFFFFFLL) {
    value = static_cast<int>(static_cast<std::uint32_t>(magnitude));
    return true;
  }
  if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max()) {
    return false;
  }
  value = static_cast<int>(signedValue);
  return true;
}

std::string Owned(std::string_view text) { return std::string(text); }

}  // namespace

std::string SettingsTextDefect(std::string_view text) {
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view raw = text.substr(start, end - start);
    start = end + 1;
    ++number;
    const std::string where = "line " + std::to_string(number);
    if (raw.size() > kLongestSettingsLine) return where;
    for (char c : raw) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x20 && c != '\t' && c != '\r') return where;
    }
    std::string_view line = Trim(raw);
    // A byte-order mark may open the file.
    if (number == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line = Trim(line.substr(3));
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[' && line.back() == ']') continue;
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos && !Trim(line.substr(0, equals)).empty()) continue;
    return where;
  }
  return {};
}

std::string SectionName(std::string_view name) { return "--  " + std::string(name) + "  --"; }

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {}
SettingsFile::~SettingsFile() = default;
SettingsFile::SettingsFile(SettingsFile&&) noexcept = default;
SettingsFile& SettingsFile::operator=(SettingsFile&&) noexcept = default;

const std::string& SettingsFile::Path() const { return path_; }

std::error_code SettingsFile::Load() {
  impl_ = std::make_unique<Impl>();
  std::error_code error;
  if (!std::filesystem::exists(path_, error)) return error;
  std::ifstream file(path_, std::ios::binary);
  std::error_code failed;
  std::ostringstream text;
  if (!std::filesystem::is_regular_file(path_, error)) {
    failed = std::make_error_code(std::errc::is_a_directory);
  } else if (!file.is_open()) {
    failed = std::make_error_code(std::errc::permission_denied);
  } else {
    text << file.rdbuf();
    if (file.bad()) failed = std::make_error_code(std::errc::io_error);
  }
  if (failed) {
    impl_->Note(SettingsTrouble::Kind::Unreadable, failed.message());
    return failed;
  }
  const std::string contents = text.str();
  if (std::string defect = SettingsTextDefect(contents); !defect.empty()) {
    impl_->Note(SettingsTrouble::Kind::Damaged, std::move(defect));
    return {};
  }
  LoadText(contents);
  return {};
}

const std::vector<SettingsTrouble>& SettingsFile::Troubles() const { return impl_->troubles; }

void SettingsFile::LoadText(std::string_view text) {
  impl_ = std::make_unique<Impl>();
  impl_->ini.LoadData(text.data(), text.size());
}

bool SettingsFile::FileExists() const {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path_, ignored);
}

bool SettingsFile::HasKey(std::string_view section, std::string_view key) const {
  return impl_->ini.GetValue(Owned(section).c_str(), Owned(key).c_str(), nullptr) != nullptr;
}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
  const char* value = impl_->ini.GetValue(Owned(section).c_str(), Owned(key).c_str(), nullptr);
  return value != nullptr ? std::string(value) : std::string(fallback);
}

int SettingsFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  const char* raw = impl_->ini.GetValue(Owned(section).c_str(), Owned(key).c_str(), nullptr);
  if (raw == nullptr) return fallback;
  std::string_view text = Trim(raw);
  int base = 10;
  if (text.size() > 1 && text.front() == '$') {
    text.remove_prefix(1);
    base = 16;
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  int value = 0;
  if (ParseInt32(text, base, value)) return value;
  impl_->Note(SettingsTrouble::Kind::WrongKind, std::string(key));
  return fallback;
}

bool SettingsFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double SettingsFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
  const char* raw = impl_->ini.GetValue(Owned(section).c_str(), Owned(key).c_str(), nullptr);
  if (raw == nullptr) return fallback;
  std::string_view text = Trim(raw);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    impl_->Note(SettingsTrouble::Kind::WrongKind, std::string(key));
    return fallback;
  }
  return value;
}

void SettingsFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  impl_->ini.SetValue(Owned(section).c_str(), Owned(key).c_str(), Owned(value).c_str());
}

void SettingsFile::AddSection(std::string_view section) {
  impl_->ini.SetValue(Owned(section).c_str(), nullptr, nullptr);
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void SettingsFile::WriteFloat(std::string_view section, std::string_view key, double value) {
  char buffer[32];
  const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
  WriteString(section, key, std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

void SettingsFile::DeleteKey(std::string_view section, std::string_view key) {
  impl_->ini.Delete(Owned(section).c_str(), Owned(key).c_str(), false);
}

std::string SettingsFile::Text() const {
  std::string lf;
  impl_->ini.Save(lf, false);
  // One empty line between sections (the library leaves two) and CR LF line ends.
  std::string crlf;
  crlf.reserve(lf.size() + lf.size() / 16);
  bool lineEmpty = true;
  bool previousLineEmpty = false;
  for (char c : lf) {
    if (c == '\r') continue;
    if (c == '\n') {
      if (lineEmpty && previousLineEmpty) continue;
      crlf += "\r\n";
      previousLineEmpty = lineEmpty;
      lineEmpty = true;
      continue;
    }
    crlf += c;
    lineEmpty = false;
  }
  return crlf;
}

std::error_code SettingsFile::Save() const { return io::WriteFileAtomically(path_, Text()); }

}  // namespace dorvex::settings

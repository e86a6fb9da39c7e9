#include "rawdata/raw_data_file.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "io/atomic_file.h"
#include "statvex/conversions.h"
#include "texts/messages.h"

namespace dorvex::rawdata {

namespace {

using texts::Language;
using texts::MessageText;

constexpr std::size_t kShownLineLength = 80;

RawDataError Error(int message, std::string text, std::size_t line = 0) {
  return RawDataError{message, std::move(text), line};
}

// Length of the valid UTF-8 sequence at s[i], 0 when none starts there.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  std::size_t length = 0;
  if (c >= 0xC2 && c <= 0xDF) length = 2;
  else if (c >= 0xE0 && c <= 0xEF) length = 3;
  else if (c >= 0xF0 && c <= 0xF4) length = 4;
  if (length == 0 || i + length > s.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  // Overlong three-byte forms, surrogates and code points beyond U+10FFFF.
  if (c == 0xE0 && byte(i + 1) < 0xA0) return 0;
  if (c == 0xED && byte(i + 1) >= 0xA0) return 0;
  if (c == 0xF0 && byte(i + 1) < 0x90) return 0;
  if (c == 0xF4 && byte(i + 1) >= 0x90) return 0;
  return length;
}

// A refused line as a message can show it: a binary file's line may be long and
// hold bytes no dialog can draw.
std::string ShownLine(std::string_view line) {
  std::string shown;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < line.size() && characters < kShownLineLength; ++characters) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (c < 0x80) {
      shown += (c < 0x20 && c != '\t') || c == 0x7F ? '?' : static_cast<char>(c);
      ++i;
    } else if (const std::size_t length = Utf8SequenceLength(line, i); length > 0) {
      shown.append(line.substr(i, length));
      i += length;
    } else {
      shown += '?';
      ++i;
    }
  }
  if (characters == kShownLineLength && shown.size() < line.size()) shown += "...";
  return shown;
}

}  // namespace

bool ParseRawValue(std::string_view line, double& out) {
  std::string text(line);
  if (const auto comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  return statvex::ParseStrict(text, out);
}

RawDataReading ParseRawData(std::string_view bytes, Language language) {
  RawDataReading reading;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start = next;
    ++lineNumber;
    if (lineNumber > kMaxRawValues) {
      reading.values.clear();
      reading.error = Error(113, MessageText(113, language) + std::to_string(kMaxRawValues) + " !", lineNumber);
      return reading;
    }
    double value = 0.0;
    if (!ParseRawValue(line, value)) {
      reading.values.clear();
      reading.error = Error(118,
                            MessageText(118, language) + "\r\n\r\n\t" + "Line " + std::to_string(lineNumber) +
                                " : " + ShownLine(line),
                            lineNumber);
      return reading;
    }
    reading.values.push_back(value);
  }
  if (reading.values.size() < 3) {
    reading.values.clear();
    reading.error = Error(213, MessageText(213, language) + " !");
  }
  return reading;
}

RawDataReading ReadRawDataFile(const std::string& path, Language language) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  if (!in || in.bad()) {
    RawDataReading refused;
    refused.error = Error(112, texts::InsertText(MessageText(112, language), path));
    return refused;
  }
  return ParseRawData(bytes.view(), language);
}

RawDataSaveText ComposeRawDataFile(const std::vector<std::string>& lines, Language language) {
  RawDataSaveText save;
  if (lines.empty()) {
    save.error = Error(185, MessageText(185, language));
    return save;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    double value = 0.0;
    if (!line.empty() && !ParseRawValue(line, value)) {
      save.bytes.clear();
      save.error = Error(194,
                         MessageText(194, language) + "\r\n\r\n\t" + MessageText(195, language) +
                             std::to_string(i + 1) + "\r\n\t" + MessageText(196, language) + line,
                         i + 1);
      return save;
    }
    save.bytes += line.empty() ? std::string("0") : line;
    save.bytes += "\r\n";
  }
  return save;
}

std::optional<RawDataError> WriteRawDataFile(const std::string& path, const std::vector<std::string>& lines,
                                             Language language) {
  RawDataSaveText save = ComposeRawDataFile(lines, language);
  if (save.error) return save.error;
  if (io::WriteFileAtomically(path, save.bytes)) {
    return Error(22, texts::InsertText(MessageText(22, language), path));
  }
  return std::nullopt;
}

}  // namespace dorvex::rawdata

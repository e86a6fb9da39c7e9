#pragma once
// The raw-data file: measured values, one per line, as the primary-data window
// opens them and as its editor saves them.
//
// Reading: the first "," of a line becomes "." and the whole line must then be a
// decimal number; no header, no comments, no further columns. CR LF and LF line
// ends are both read; a UTF-8 byte-order mark before the first line is skipped.
// An empty line is no number. A file is read whole or refused whole: a refusal
// returns no values, so the caller's previous sample stays as it was.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace dorvex::rawdata {

// Most values a file may hold; the next line refuses the file.
inline constexpr std::size_t kMaxRawValues = 500000;

// Why a raw-data file was refused or not written: the leading message number
// (112 cannot open, 113 too many values, 118 not a number, 213 fewer than three
// values; when saving 185 empty editor, 194 not a number, 22 write error), the
// complete dialog text in the caller's language, and the 1-based line concerned
// (0 when no line is). The title is always message 3.
struct RawDataError {
  int message = 0;
  std::string text;
  std::size_t line = 0;
};

// The values of a file in file order, or why it was refused (values then empty).
struct RawDataReading {
  std::vector<double> values;
  std::optional<RawDataError> error;
};

// One line as a value: its first "," replaced by ".", then the whole line (blanks
// around it allowed) a finite decimal number. False leaves `out` unchanged.
bool ParseRawValue(std::string_view line, double& out);

// The values of a file's bytes. Refusals: line 500 001 (message 113 + "500000" +
// " !"), a line that is no number (message 118 + "\r\n\r\n\t" + "Line " + its
// number + " : " + the line, shown with control bytes and broken UTF-8 replaced
// by "?" and cut to 80 characters). Fewer than three values are refused with
// message 213 + " !".
RawDataReading ParseRawData(std::string_view bytes, texts::Language language);

// The values of the file at `path`; a file that cannot be opened or read gives
// message 112 with the path in place of its "%s". Otherwise as ParseRawData.
RawDataReading ReadRawDataFile(const std::string& path, texts::Language language);

// The bytes the editor saves for its lines: each line unchanged (a decimal comma
// stays), an empty line as "0", each ended by CR LF. Refused before anything is
// written: no lines (message 185), a non-empty line that is no number (message
// 194 + "\r\n\r\n\t" + message 195 + the line number + "\r\n\t" + message 196 +
// the line).
struct RawDataSaveText {
  std::string bytes;
  std::optional<RawDataError> error;
};
RawDataSaveText ComposeRawDataFile(const std::vector<std::string>& lines, texts::Language language);

// Composes the lines and writes them atomically to `path`: a refused or failed
// save leaves any file already there untouched. A write failure gives message 22
// with the path in place of its "%s". Empty on success.
std::optional<RawDataError> WriteRawDataFile(const std::string& path, const std::vector<std::string>& lines,
                                             texts::Language language);

// The open and save dialogs' proposals: name "Raw_Data", extension "txt" and the
// filter text "Distributions Files (*.txt)|*.txt|All files (*.*)|*.*".
inline constexpr const char* kRawDataDefaultName = "Raw_Data";
inline constexpr const char* kRawDataExtension = "txt";
inline constexpr const char* kRawDataFilter = "Distributions Files (*.txt)|*.txt|All files (*.*)|*.*";

}  // namespace dorvex::rawdata

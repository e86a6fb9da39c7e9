#pragma once
// What the two distribution file readers share: lines as the readers see them,
// the scan of the keys up to "[Bins]", the syntax of a frequency line and the
// conversion of the file's Min and Max to the histogram's values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

#include "model/histogram.h"

namespace dorvex::model::dis {

// No line of a distribution file comes near this; a longer one refuses the file
// without being read further, so a huge or binary file cannot fill the memory.
inline constexpr std::size_t kMaxLineLength = 64 * 1024;

// Lines of a text: LF, CR LF and a lone CR all end a line; a UTF-8 byte order
// mark at the start is skipped; every blank (space) is removed from a line.
class LineSource {
 public:
  enum class Status { Ok, TooLong };

  // Reads from `buffer`, which must outlive the source.
  explicit LineSource(std::streambuf& buffer);

  // True when no character is left: after the last line, or at once for an empty text.
  bool AtEnd();

  // The next line without its end and its blanks (empty at the end of the text).
  // TooLong: the line exceeds kMaxLineLength characters; `line` holds its blank-free
  // start and the rest of the text is left unread.
  Status Next(std::string& line);

 private:
  std::streambuf& buffer_;
};

// A read-only stream buffer over text held in memory (no copy is made).
class MemoryBuffer : public std::streambuf {
 public:
  // `text` must outlive the buffer.
  explicit MemoryBuffer(std::string_view text) {
    char* begin = const_cast<char*>(text.data());
    setg(begin, begin, begin + text.size());
  }
};

// How key values are converted: the prevod_ family ("." or ",") of the main
// window, or the standard conversions ("." only) of the table-row reader.
enum class NumberSyntax { Prevod, Standard };

struct HeaderValues {
  double min = 0.0;
  double max = 0.0;
  std::int32_t bins = 0;
  long double total = 0.0L;
  // The values as read: the text after the key, blanks removed.
  std::string minText;
  std::string maxText;
  std::string binsText;
  std::string totalText;
  std::optional<HistogramType> type;  // empty when no Type line was read
};

// The first check of the header that failed, in the readers' order.
enum class HeaderFault {
  None,
  MinNotNumber,    // text: the value after "Min"
  MaxNotNumber,    // text: the value after "Max"
  UnknownType,     // text: the value after "Type"
  BinsNotInteger,  // text: the value after "Bins="
  BinsAbove1024,   // text: the value after "Bins="
  BinsBelow2,
  TotalNotNumber,  // text: the value after "Total"
  NoBinsSection,   // no "[Bins]" line, or nothing after it
  KeyMissing,      // Min, Max, Bins or Total not given exactly once
};

struct HeaderScan {
  HeaderValues values;
  HeaderFault fault = HeaderFault::None;
  std::string text;  // the text the fault names, shortened when the line was too long
};

// Reads lines up to and including "[Bins]" and checks the keys. On HeaderFault::None
// the source stands on the first line after "[Bins]". An over-long line fails as
// the key it begins with would (its value is not a number / not a type), and as
// NoBinsSection when it begins with no key.
HeaderScan ScanHeader(LineSource& lines, NumberSyntax syntax);

enum class FrequencyFault { None, NotInteger, Negative };

// A blank-free frequency line: a 64-bit signed integer that is not negative.
FrequencyFault ParseFrequency(std::string_view line, std::int64_t& value);

// The frequencies under [Bins], read up to the end or the first fault.
struct FrequencyRead {
  enum class Stop { End, NotInteger, Negative, TooMany };
  Stop stop = Stop::End;
  std::array<long double, kMaxBins + 1> frequency{};  // [1..count]
  long double sum = 0.0L;                              // in 80-bit precision
  int count = 0;   // values taken; n + 1 after TooMany
  std::string line;  // the refused line (shortened when over-long), for NotInteger
};

// Reads frequency lines, skipping empty ones, until the end or the first line that
// is not a non-negative 64-bit integer or would be value n + 1. `seen` (may be
// empty) gets each accepted value with its 1-based position before the count check.
FrequencyRead ReadFrequencies(LineSource& lines, int n,
                              const std::function<void(int position, long double value)>& seen);

// The histogram's Min, Max and d from the file's, by type; Range = file Max - file Min.
struct Geometry {
  double min = 0.0;
  double max = 0.0;
  double d = 0.0;
  double range = 0.0;
};
Geometry ConvertByType(const HeaderValues& values, HistogramType type);

// A value text for a message: at most 64 characters, "..." marking a cut.
std::string Shortened(std::string_view text);

// The decimal integer nearest to a non-negative x, halves to even, for messages.
std::string IntegerText(long double x);

}  // namespace dorvex::model::dis

#include "model/distribution_file_lines.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "numeric/round.h"
#include "statvex/conversions.h"

namespace dorvex::model::dis {

namespace {

using Traits = std::streambuf::traits_type;

bool StartsWith(std::string_view line, std::string_view key) {
  return line.substr(0, key.size()) == key;
}

// The value of a key line: everything after the first `skip` characters.
std::string ValueAfter(std::string_view line, std::size_t skip) {
  return std::string(line.substr(std::min(skip, line.size())));
}

bool ToDouble(NumberSyntax syntax, std::string_view text, double& out) {
  return syntax == NumberSyntax::Prevod ? statvex::ParseLenient(text, out)
                                        : statvex::ParseStrict(text, out);
}

bool ToInt32(NumberSyntax syntax, std::string_view text, std::int32_t& out) {
  return syntax == NumberSyntax::Prevod ? statvex::ParseLenientInt32(text, out)
                                        : statvex::ParseInt32(text, out);
}

bool ToLongDouble(NumberSyntax syntax, std::string_view text, long double& out) {
  return syntax == NumberSyntax::Prevod ? statvex::ParseLenientLongDouble(text, out)
                                        : statvex::ParseStrictLongDouble(text, out);
}

}  // namespace

LineSource::LineSource(std::streambuf& buffer) : buffer_(buffer) {
  static constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
  // A partial mark is left alone: only the three bytes together are skipped.
  for (unsigned char byte : kBom) {
    if (buffer_.sgetc() != byte) return;
    buffer_.sbumpc();
  }
}

bool LineSource::AtEnd() { return Traits::eq_int_type(buffer_.sgetc(), Traits::eof()); }

LineSource::Status LineSource::Next(std::string& line) {
  line.clear();
  std::size_t length = 0;
  for (;;) {
    const auto c = buffer_.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof()) || c == '\n') return Status::Ok;
    if (c == '\r') {
      if (buffer_.sgetc() == '\n') buffer_.sbumpc();
      return Status::Ok;
    }
    if (++length > kMaxLineLength) return Status::TooLong;
    if (c != ' ') line += Traits::to_char_type(c);
  }
}

HeaderScan ScanHeader(LineSource& lines, NumberSyntax syntax) {
  HeaderScan scan;
  HeaderValues& v = scan.values;
  int minSeen = 0;
  int maxSeen = 0;
  int binsSeen = 0;
  int totalSeen = 0;
  std::string line;
  bool tooLong = false;
  auto fail = [&](HeaderFault fault, std::string_view text) {
    scan.fault = fault;
    scan.text = tooLong ? Shortened(text) : std::string(text);
    return scan;
  };

  for (;;) {
    tooLong = lines.Next(line) == LineSource::Status::TooLong;
    if (StartsWith(line, "Min")) {
      const std::string value = ValueAfter(line, 4);
      if (tooLong || !ToDouble(syntax, value, v.min)) return fail(HeaderFault::MinNotNumber, value);
      v.minText = value;
      ++minSeen;
    }
    if (StartsWith(line, "Max")) {
      const std::string value = ValueAfter(line, 4);
      if (tooLong || !ToDouble(syntax, value, v.max)) return fail(HeaderFault::MaxNotNumber, value);
      v.maxText = value;
      ++maxSeen;
    }
    if (StartsWith(line, "Type")) {
      const std::string value = ValueAfter(line, 5);
      if (!tooLong && value.find("Pure") != std::string::npos) {
        v.type = HistogramType::PureDiscrete;
      } else if (!tooLong && value.find("Discrete") != std::string::npos) {
        v.type = HistogramType::Discrete;
      } else {
        return fail(HeaderFault::UnknownType, value);
      }
    }
    if (StartsWith(line, "Bins=")) {
      const std::string value = ValueAfter(line, 5);
      if (tooLong || !ToInt32(syntax, value, v.bins))
        return fail(HeaderFault::BinsNotInteger, value);
      if (v.bins > kMaxBins) return fail(HeaderFault::BinsAbove1024, value);
      if (v.bins <= 1) return fail(HeaderFault::BinsBelow2, value);
      v.binsText = value;
      ++binsSeen;
    }
    if (StartsWith(line, "Total")) {
      const std::string value = ValueAfter(line, 6);
      if (tooLong || !ToLongDouble(syntax, value, v.total)) {
        return fail(HeaderFault::TotalNotNumber, value);
      }
      v.totalText = value;
      ++totalSeen;
    }
    if (tooLong) return fail(HeaderFault::NoBinsSection, "");
    if (line == "[Bins]" || lines.AtEnd()) break;
  }
  if (lines.AtEnd()) return fail(HeaderFault::NoBinsSection, "");
  if (minSeen != 1 || maxSeen != 1 || binsSeen != 1 || totalSeen != 1) {
    return fail(HeaderFault::KeyMissing, "");
  }
  return scan;
}

FrequencyFault ParseFrequency(std::string_view line, std::int64_t& value) {
  if (!statvex::ParseInt64(line, value)) return FrequencyFault::NotInteger;
  return value < 0 ? FrequencyFault::Negative : FrequencyFault::None;
}

FrequencyRead ReadFrequencies(LineSource& lines, int n,
                              const std::function<void(int position, long double value)>& seen) {
  FrequencyRead read;
  std::string line;
  while (!lines.AtEnd()) {
    const bool tooLong = lines.Next(line) == LineSource::Status::TooLong;
    if (line.empty() && !tooLong) continue;
    std::int64_t value = 0;
    const FrequencyFault fault = tooLong ? FrequencyFault::NotInteger : ParseFrequency(line, value);
    if (fault == FrequencyFault::NotInteger) {
      read.stop = FrequencyRead::Stop::NotInteger;
      read.line = tooLong ? Shortened(line) : line;
      return read;
    }
    if (fault == FrequencyFault::Negative) {
      read.stop = FrequencyRead::Stop::Negative;
      return read;
    }
    const auto real = static_cast<long double>(value);
    if (seen) seen(read.count + 1, real);
    ++read.count;
    if (read.count > n) {
      read.stop = FrequencyRead::Stop::TooMany;
      return read;
    }
    read.frequency[static_cast<std::size_t>(read.count)] = real;
    read.sum += real;
  }
  return read;
}

Geometry ConvertByType(const HeaderValues& values, HistogramType type) {
  Geometry g;
  g.range = values.max - values.min;
  if (type == HistogramType::Discrete) {
    g.d = g.range / values.bins;
    g.min = values.min + g.d / 2;
    g.max = values.max - g.d / 2;
  } else {
    g.d = g.range / (values.bins - 1);
    g.min = values.min;
    g.max = values.max;
  }
  return g;
}

std::string Shortened(std::string_view text) {
  constexpr std::size_t kShown = 64;
  if (text.size() <= kShown) return std::string(text);
  return std::string(text.substr(0, kShown)) + "...";
}

std::string IntegerText(long double x) {
  constexpr auto kLimit = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
  if (x >= 0 && x <= kLimit) return std::to_string(RoundHalfEven(x));
  char buffer[128];
  const auto fixed =
      std::to_chars(buffer, buffer + sizeof buffer, std::nearbyintl(x), std::chars_format::fixed);
  if (fixed.ec == std::errc{}) return std::string(buffer, fixed.ptr);
  const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, x);
  return std::string(buffer, shortest.ptr);
}

}  // namespace dorvex::model::dis

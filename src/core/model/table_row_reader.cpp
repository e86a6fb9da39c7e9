#include "model/table_row_reader.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "model/distribution_file_lines.h"
#include "statvex/number_text.h"

namespace dorvex::model {

namespace {

using dis::FrequencyFault;
using dis::HeaderFault;
using dis::LineSource;

ModelError Message(int message, std::string insert = {}, std::string append = {}) {
  return ModelError{0, std::move(insert), std::move(append), message};
}

ModelError HeaderMessage(const dis::HeaderScan& scan) {
  switch (scan.fault) {
    case HeaderFault::MinNotNumber:
      return Message(35, {}, scan.text);
    case HeaderFault::MaxNotNumber:
      return Message(36, {}, scan.text);
    case HeaderFault::UnknownType:
      return Message(11, scan.text);
    case HeaderFault::BinsNotInteger:
      return Message(37, {}, scan.text);
    case HeaderFault::BinsAbove1024:
      return Message(12, "1024", scan.text);
    case HeaderFault::BinsBelow2:
      return Message(152);
    case HeaderFault::TotalNotNumber:
      return Message(38, {}, scan.text);
    case HeaderFault::NoBinsSection:
      return Message(13);
    case HeaderFault::KeyMissing:
    case HeaderFault::None:
      break;
  }
  return Message(14);
}

TableRowReadResult Fail(ModelError error) {
  TableRowReadResult result;
  result.error = std::move(error);
  result.clearRowFromColumn2 = true;
  return result;
}

TableRowReadResult Read(LineSource& lines, HistogramType typeWhenMissing) {
  const dis::HeaderScan scan = ScanHeader(lines, dis::NumberSyntax::Standard);
  if (scan.fault != HeaderFault::None) return Fail(HeaderMessage(scan));
  const dis::HeaderValues& keys = scan.values;
  const int n = keys.bins;

  TableRowReadResult result;
  TableRowRecord& row = result.record;
  row.Type = keys.type.value_or(typeWhenMissing);
  const dis::Geometry geometry = dis::ConvertByType(keys, row.Type);
  // A span beyond the range of a double would make every value infinite.
  if (!std::isfinite(geometry.range)) return Fail(Message(36, {}, keys.maxText));
  row.Bins = n;
  row.Min = geometry.min;
  row.Max = geometry.max;
  row.Range = geometry.range;
  row.d = geometry.d;
  row.Total = keys.total;

  // Divided by Total only after the checks, when Total is known to equal the sum.
  const dis::FrequencyRead read = dis::ReadFrequencies(lines, n, nullptr);
  const std::string position = std::to_string(read.count + 1);
  switch (read.stop) {
    case dis::FrequencyRead::Stop::NotInteger:
      return Fail(Message(15, position, read.line));
    case dis::FrequencyRead::Stop::Negative:
      return Fail(Message(16, position));
    case dis::FrequencyRead::Stop::TooMany:
      return Fail(Message(18, std::to_string(n), std::to_string(read.count)));
    case dis::FrequencyRead::Stop::End:
      break;
  }
  const long double sum = read.sum;
  const int i = read.count;

  // A zero Total with zero frequencies passes the equality but would give 0/0.
  if (sum != keys.total || sum == 0.0L) {
    return Fail(Message(17, dis::IntegerText(sum), keys.totalText));
  }
  if (i != n) return Fail(Message(18, std::to_string(n), std::to_string(i)));
  if (row.Min > row.Max) return Fail(Message(19, keys.minText, keys.maxText));
  if (row.Min == 0.0 && row.Max == 0.0) return Fail(ModelError{16, {}, {}, 0});

  for (int k = 1; k <= n; ++k) {
    const auto at = static_cast<std::size_t>(k);
    row.P[at] = static_cast<double>(read.frequency[at] / keys.total);
  }
  result.cells = {statvex::DisplayNumber(row.Min), statvex::DisplayNumber(row.Max), keys.binsText};
  return result;
}

}  // namespace

TableRowReadResult ReadTableRowFile(const std::string& path, HistogramType typeWhenMissing) {
  std::error_code ignored;
  std::ifstream file;
  if (!std::filesystem::is_directory(path, ignored)) file.open(path, std::ios::binary);
  if (!file.is_open()) return Fail(Message(9, path));
  return ReadTableRow(file, typeWhenMissing);
}

TableRowReadResult ReadTableRow(std::istream& in, HistogramType typeWhenMissing) {
  dis::MemoryBuffer nothing({});
  LineSource lines(in.rdbuf() != nullptr ? *in.rdbuf() : nothing);
  return Read(lines, typeWhenMissing);
}

TableRowReadResult ReadTableRowText(std::string_view text, HistogramType typeWhenMissing) {
  dis::MemoryBuffer buffer(text);
  LineSource lines(buffer);
  return Read(lines, typeWhenMissing);
}

}  // namespace dorvex::model

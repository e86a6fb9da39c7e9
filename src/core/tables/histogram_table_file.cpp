#include "tables/histogram_table_file.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "io/atomic_file.h"
#include "tables/table_rows.h"
#include "texts/table_texts.h"

namespace dorvex::tables {

namespace {

constexpr std::uint8_t kInt8Tag = 0x02;
constexpr std::uint8_t kInt16Tag = 0x03;
constexpr std::uint8_t kInt32Tag = 0x04;
constexpr std::uint8_t kExtendedTag = 0x05;
constexpr std::size_t kExtendedBytes = 10;
constexpr std::size_t kLongestText = 255;

constexpr int kMessageFileMissing = 9;
constexpr int kMessageWriteError = 22;

static_assert(LDBL_MANT_DIG == 64, "the table file holds x87 80-bit extended reals");

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

// The byte length of the longest prefix of `text` that is at most `limit` bytes
// and does not end inside a UTF-8 sequence.
std::size_t CutAtCharacter(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t cut = limit;
  // Step back over continuation bytes to the start of the character that crosses.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U) --cut;
  return cut;
}

// The 80-bit value rounded to a double; values beyond the double range become
// infinities rather than an undefined conversion.
double NarrowExtended(long double value) {
  // DBL_MAX plus half its last place: from here on, rounding gives infinity.
  constexpr long double kOverflow = 0x1.fffffffffffff8p1023L;
  if (std::isnan(value)) return static_cast<double>(value);  // keeps its sign and payload
  if (std::fabs(value) >= kOverflow) {
    return std::signbit(value) ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
  }
  return static_cast<double>(value);
}

// Reads elements front to back; every method leaves the position unchanged and
// records the fault when the element is not there.
class ElementReader {
 public:
  explicit ElementReader(std::string_view bytes) : bytes_(bytes) {}

  TableReadOutcome Outcome() const { return {fault_, faultOffset_}; }
  bool Failed() const { return fault_ != TableReadFault::None; }

  bool Integer(std::int32_t& out) {
    if (!Need(1)) return false;
    const auto tag = static_cast<std::uint8_t>(bytes_[position_]);
    int size = 0;
    switch (tag) {
      case kInt8Tag: size = 1; break;
      case kInt16Tag: size = 2; break;
      case kInt32Tag: size = 4; break;
      default: return Fail(TableReadFault::WrongTag);
    }
    if (!Need(1 + static_cast<std::size_t>(size))) return false;
    std::uint32_t raw = 0;
    for (int i = 0; i < size; ++i) {
      raw |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes_[position_ + 1 + i])) << (8 * i);
    }
    // Sign-extend the smaller forms.
    const int unused = 32 - 8 * size;
    out = static_cast<std::int32_t>(raw << unused) >> unused;
    position_ += 1 + static_cast<std::size_t>(size);
    return true;
  }

  bool Real(double& out) {
    if (!Need(1)) return false;
    if (static_cast<std::uint8_t>(bytes_[position_]) != kExtendedTag) return Fail(TableReadFault::WrongTag);
    if (!Need(1 + kExtendedBytes)) return false;
    long double value = 0.0L;
    std::memcpy(&value, bytes_.data() + position_ + 1, kExtendedBytes);
    out = NarrowExtended(value);
    position_ += 1 + kExtendedBytes;
    return true;
  }

  bool Text(std::string& out) {
    if (!Need(1)) return false;
    const auto length = static_cast<std::uint8_t>(bytes_[position_]);
    if (!Need(1 + static_cast<std::size_t>(length))) return false;
    out.assign(bytes_.substr(position_ + 1, length));
    position_ += 1 + static_cast<std::size_t>(length);
    return true;
  }

 private:
  bool Need(std::size_t count) {
    if (bytes_.size() - position_ >= count) return true;
    return Fail(TableReadFault::Truncated);
  }
  bool Fail(TableReadFault fault) {
    fault_ = fault;
    faultOffset_ = position_;
    return false;
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
  TableReadFault fault_ = TableReadFault::None;
  std::size_t faultOffset_ = 0;
};

struct FolderName {
  std::string_view czech;
  std::string_view english;
};

// The Czech example folders below "Histogramy" and their English names.
constexpr FolderName kExampleFolders[] = {
    {"Normální rozdělení", "Normal distributions"},
    {"Pevnostní charakteristiky", "Solidity and material characterics"},
    {"Počáteční imperfekce", "Initial imperfections"},
    {"Testovací", "Tests"},
    {"Variabilita průřezu", "Cross-section variability"},
    {"Vypočtené", "Calculated"},
    {"Zatížení", "Loads"},
};

}  // namespace

TableShape ShapeOf(TableKind kind) {
  return kind == TableKind::Summary ? TableShape{9, 17, 16} : TableShape{8, 11, 10};
}

HistogramTable BlankTable(TableKind kind) {
  const TableShape shape = ShapeOf(kind);
  HistogramTable table;
  table.kind = kind;
  table.cells.assign(static_cast<std::size_t>(shape.rows),
                     std::vector<std::string>(static_cast<std::size_t>(shape.columns)));
  table.parameters.assign(static_cast<std::size_t>(shape.dataRows), RowParameters{});
  table.probabilities.assign(static_cast<std::size_t>(shape.dataRows), ProbabilityArray{});
  return table;
}

std::string EncodeInteger(std::int32_t value) {
  std::string out;
  if (value >= -128 && value <= 127) {
    out.push_back(static_cast<char>(kInt8Tag));
    AppendLittleEndian(out, static_cast<std::uint32_t>(value), 1);
  } else if (value >= -32768 && value <= 32767) {
    out.push_back(static_cast<char>(kInt16Tag));
    AppendLittleEndian(out, static_cast<std::uint32_t>(value), 2);
  } else {
    out.push_back(static_cast<char>(kInt32Tag));
    AppendLittleEndian(out, static_cast<std::uint32_t>(value), 4);
  }
  return out;
}

std::string EncodeReal(double value) {
  const long double wide = value;  // exact
  char raw[sizeof(long double)] = {};
  std::memcpy(raw, &wide, kExtendedBytes);
  std::string out(1, static_cast<char>(kExtendedTag));
  out.append(raw, kExtendedBytes);
  return out;
}

std::string EncodeText(std::string_view text) {
  const std::size_t length = CutAtCharacter(text, kLongestText);
  std::string out(1, static_cast<char>(static_cast<std::uint8_t>(length)));
  out.append(text.substr(0, length));
  return out;
}

std::string EncodeTable(const HistogramTable& table, std::int32_t filledCount) {
  const TableShape shape = ShapeOf(table.kind);
  std::string out = EncodeInteger(shape.columns) + EncodeInteger(shape.rows);
  for (int row = 0; row < shape.rows; ++row) {
    for (int column = 0; column < shape.columns; ++column) {
      const auto r = static_cast<std::size_t>(row);
      const auto c = static_cast<std::size_t>(column);
      const bool present = r < table.cells.size() && c < table.cells[r].size();
      out += EncodeText(present ? std::string_view(table.cells[r][c]) : std::string_view());
    }
  }
  for (int row = 0; row < shape.dataRows; ++row) {
    const auto r = static_cast<std::size_t>(row);
    for (int k = 0; k < kRowParameterCount; ++k) {
      out += EncodeReal(r < table.parameters.size() ? table.parameters[r][static_cast<std::size_t>(k)] : 0.0);
    }
  }
  for (int row = 0; row < shape.dataRows; ++row) {
    const auto r = static_cast<std::size_t>(row);
    for (int k = 1; k <= kMaxBins; ++k) {
      out += EncodeReal(r < table.probabilities.size() ? table.probabilities[r][static_cast<std::size_t>(k)] : 0.0);
    }
  }
  out += EncodeInteger(filledCount);
  return out;
}

TableReadOutcome DecodeTable(std::string_view bytes, HistogramTable& table) {
  const TableShape shape = ShapeOf(table.kind);
  // A table of another size than its kind's is made whole first.
  if (table.cells.size() != static_cast<std::size_t>(shape.rows) ||
      table.parameters.size() != static_cast<std::size_t>(shape.dataRows) ||
      table.probabilities.size() != static_cast<std::size_t>(shape.dataRows)) {
    HistogramTable whole = BlankTable(table.kind);
    for (std::size_t r = 0; r < whole.cells.size() && r < table.cells.size(); ++r) {
      for (std::size_t c = 0; c < whole.cells[r].size() && c < table.cells[r].size(); ++c) {
        whole.cells[r][c] = table.cells[r][c];
      }
    }
    table = std::move(whole);
  }
  for (auto& row : table.cells) row.resize(static_cast<std::size_t>(shape.columns));

  ElementReader reader(bytes);
  std::int32_t columns = 0;
  std::int32_t rows = 0;
  if (!reader.Integer(columns) || !reader.Integer(rows)) return reader.Outcome();
  // Another table's counts would put every later element in the wrong place.
  if (columns != shape.columns || rows != shape.rows) return {TableReadFault::WrongShape, 0};

  std::string text;
  for (int row = 0; row < shape.rows; ++row) {
    for (int column = 0; column < shape.columns; ++column) {
      if (!reader.Text(text)) return reader.Outcome();
      if (row == 0) continue;  // the headings stay those of the current language
      table.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
          column == kFolderColumn ? TranslateExampleFolder(text) : text;
    }
  }
  for (auto& parameters : table.parameters) {
    for (double& value : parameters) {
      if (!reader.Real(value)) return reader.Outcome();
    }
  }
  for (auto& probabilities : table.probabilities) {
    for (int k = 1; k <= kMaxBins; ++k) {
      if (!reader.Real(probabilities[static_cast<std::size_t>(k)])) return reader.Outcome();
    }
  }
  std::int32_t count = 0;
  if (!reader.Integer(count)) return reader.Outcome();
  table.storedCount = count;
  return reader.Outcome();
}

TableFileReadOutcome ReadTableFile(const std::string& path, HistogramTable& table,
                                   texts::Language language) {
  TableFileReadOutcome outcome;
  std::error_code ignored;
  std::ifstream file;
  if (!std::filesystem::is_directory(path, ignored)) file.open(path, std::ios::binary);
  if (!file.is_open()) {
    outcome.error = model::ModelError{0, path, {}, kMessageFileMissing};
    outcome.read.fault = TableReadFault::Truncated;
    return outcome;
  }
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  outcome.read = DecodeTable(bytes, table);
  if (!outcome.read.complete()) {
    outcome.error = model::ModelError{0, {}, texts::TableReadErrorText(path, language), 0};
  }
  return outcome;
}

std::optional<model::ModelError> WriteTableFile(const std::string& path, const HistogramTable& table,
                                                std::int32_t filledCount) {
  if (io::WriteFileAtomically(path, EncodeTable(table, filledCount))) {
    return model::ModelError{0, path, {}, kMessageWriteError};
  }
  return std::nullopt;
}

std::string TranslateExampleFolder(std::string_view text) {
  for (const char separator : {'\\', '/'}) {
    const std::string parent = std::string("Histogramy") + separator;
    if (text.find(parent) == std::string_view::npos) continue;
    for (const FolderName& folder : kExampleFolders) {
      if (text == parent + std::string(folder.czech)) {
        return std::string("Histograms") + separator + std::string(folder.english);
      }
    }
  }
  return std::string(text);
}

}  // namespace dorvex::tables

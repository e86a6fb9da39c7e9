#include "analysis/listing_rows.h"

#include <fstream>
#include <iterator>

#include "numeric/round.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::analysis {

namespace {

constexpr int kTotalMessage = 49;
constexpr int kGridTotalMessage = 127;
constexpr int kValueHeaderMessage = 167;
constexpr int kProbabilityHeaderMessage = 168;
constexpr int kFrequencyHeaderMessage = 169;
constexpr int kFileListingTitleMessage = 173;
constexpr long double kExponentFrom = 1000000.0L;

// 0x00BBGGRR colours of the description tables.
constexpr unsigned kResultRowColour = 0xFFE1E1;
constexpr unsigned kInputRowColour = 0xC1FFFF;
constexpr unsigned kBelowQueryColour = 0xB0D8FF;
constexpr unsigned kTotalRowColour = 0xB3CBFF;

// 0x00BBGGRR colours of a file listing.
constexpr unsigned kHeaderLineColour = 0x8000;
constexpr unsigned kFrequencyLineColour = 0xFF;
constexpr unsigned kRuleColour = 0x000000;
constexpr std::size_t kRuleLength = 115;
constexpr std::size_t kLineNumberWidth = 4;

const std::string kFour = "    ";

std::string Number(double x) { return statvex::DisplayNumber(x); }

bool IsDiscrete(const Histogram& h) { return h.Type == HistogramType::Discrete; }

// Rows of a listing of h: Discrete a bound row around every interval row, else one
// row per point; a heading row and a total row either way.
int ListingRowCount(const Histogram& h) { return IsDiscrete(h) ? 2 * h.N + 3 : h.N + 2; }

// The row of interval k in a listing of h.
int IntervalRow(const Histogram& h, int k) { return IsDiscrete(h) ? 2 * k : k; }

// The value a query is compared with for interval k: the bound shown in the row
// above (Discrete) or the point itself (Pure Discrete).
double RowValue(const Histogram& h, int k) {
  return IsDiscrete(h) ? h.Min + (k - 1.5) * h.d : h.Min + (k - 1) * h.d;
}

// The rule of every listing: a row lies below a query unless its value less
// `width` reaches the queried number.
bool BelowQuery(double rowValue, double width, double queried) { return !(rowValue - width >= queried); }

std::string Numbered(int number, std::string_view line) {
  std::string digits = std::to_string(number);
  if (digits.size() < kLineNumberWidth) digits.insert(0, kLineNumberWidth - digits.size(), ' ');
  std::string listed = "[";
  listed += digits;
  listed += "]    ";
  listed += line;
  return listed;
}

}  // namespace

long double FrequencyMultiplier(long double t1, long double t2, long double resultTotal) {
  if (t1 != 1.0L && t2 != 1.0L) return resultTotal;
  return t2 == 0.0L ? t1 : t1 * t2;
}

std::string ListingFrequencyText(long double frequency) {
  if (frequency >= kExponentFrom) return "  " + Number(static_cast<double>(frequency));
  return kFour + std::to_string(RoundHalfEven(frequency));
}

std::vector<ListingRow> ResultListingRows(const Histogram& h, long double c, texts::Language language) {
  const bool discrete = IsDiscrete(h);
  const int n = h.N;
  std::vector<ListingRow> rows(ListingRowCount(h));
  rows[0] = {"   INT", "  " + texts::MessageText(kValueHeaderMessage, language),
             "  " + texts::MessageText(kProbabilityHeaderMessage, language),
             "  " + texts::MessageText(kFrequencyHeaderMessage, language)};
  long double sum = 0.0L;
  const auto intervalRow = [&](int k) -> ListingRow {
    return {statvex::CountText(5, k), kFour + Number(h.Min + (k - 1) * h.d), kFour + Number(h.P[k]),
            ListingFrequencyText(c * h.P[k])};
  };
  if (discrete) {
    rows[1][1] = kFour + Number(h.Min - h.d / 2);
    for (int k = 1; k <= n; ++k) {
      sum += h.P[k];
      rows[2 * k] = intervalRow(k);
      rows[2 * k + 1][1] = kFour + Number(h.Min + (k - 0.5) * h.d);
    }
  } else {
    for (int k = 1; k <= n; ++k) {
      sum += h.P[k];
      rows[k] = intervalRow(k);
    }
  }
  rows.back() = {std::string(), texts::MessageText(kTotalMessage, language),
                 kFour + Number(static_cast<double>(RoundHalfEven(sum))), ListingFrequencyText(c)};
  return rows;
}

std::vector<ListingShade> ResultListingShades(const Histogram& h, ListingQuery query, double queried) {
  std::vector<ListingShade> shades(ListingRowCount(h), ListingShade::Grid);
  // The result listing compares a bound as it stands and a point less its width.
  const double width = IsDiscrete(h) ? 0.0 : h.d;
  for (int k = 1; k <= h.N; ++k) {
    ListingShade& shade = shades[IntervalRow(h, k)];
    if (query == ListingQuery::None || !BelowQuery(RowValue(h, k), width, queried)) shade = ListingShade::Plain;
    else shade = query == ListingQuery::Value ? ListingShade::BelowValue : ListingShade::BelowQuantile;
  }
  if (shades.size() > 3) shades.back() = ListingShade::Total;
  return shades;
}

std::vector<RowPaint> DescriptionPaint(const Histogram& h, const DescriptionShading& shading) {
  std::vector<RowPaint> paint(ListingRowCount(h));
  if (!shading.coloured || paint.size() < 2) return paint;
  paint.back() = RowPaint{kTotalRowColour, 1, 3};
  for (int k = 1; k <= h.N; ++k) {
    unsigned colour = shading.listsResult ? kResultRowColour : kInputRowColour;
    // The description tables subtract the result's class width from every row value.
    if (shading.quantileQuery) {
      colour = BelowQuery(RowValue(h, k), shading.resultClassWidth, *shading.quantileQuery) ? kBelowQueryColour
                                                                                              : kResultRowColour;
    }
    paint[IntervalRow(h, k)].colour = colour;
  }
  return paint;
}

std::vector<ProbabilityGridRow> ProbabilityGridRows(std::span<const double> probabilities, double d, double min,
                                                    bool discrete, texts::Language language) {
  const int count = static_cast<int>(probabilities.size());
  std::vector<ProbabilityGridRow> rows(discrete ? 2 * count + 3 : count + 2);
  rows[0] = {" INT", "        x", "     P(x)"};
  long double sum = 0.0L;
  for (int i = 1; i <= count; ++i) {
    const double p = probabilities[i - 1];
    sum += p;
    const ProbabilityGridRow row{statvex::CountText(4, i), Number(min + (i - 1) * d), Number(p)};
    if (discrete) {
      rows[2 * i] = row;
      rows[2 * i + 1][1] = Number(min + (i - 0.5) * d);
    } else {
      rows[i] = row;
    }
  }
  if (discrete) rows[1][1] = Number(min - d / 2);
  rows.back() = {std::string(), texts::MessageText(kGridTotalMessage, language), Number(static_cast<double>(sum))};
  return rows;
}

std::vector<FileListingLine> FileListingLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  // The text after the last line end is no line of its own.
  if (lines.back().empty()) lines.pop_back();

  std::vector<FileListingLine> listed;
  bool inBins = false;
  int number = 1;
  for (std::string_view line : lines) {
    if (!inBins) {
      listed.push_back({Numbered(number++, line), kHeaderLineColour});
      if (line.find("[Bins]") != std::string_view::npos) {
        inBins = true;
        number = 0;
      }
    } else if (!line.empty()) {
      listed.push_back({Numbered(number++, line), kFrequencyLineColour});
    }
  }
  listed.push_back({std::string(kRuleLength, '-'), kRuleColour});
  return listed;
}

std::vector<FileListingLine> ReadFileListing(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return FileListingLines(text);
}

std::string FileListingTitle(const std::string& slotName, texts::Language language) {
  return texts::MessageText(kFileListingTitleMessage, language) + " :   " + slotName + ".dis";
}

}  // namespace dorvex::analysis

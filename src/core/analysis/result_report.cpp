#include "analysis/result_report.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>

#include "analysis/characteristics.h"
#include "io/atomic_file.h"
#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::analysis {

namespace {

using statvex::DisplayNumber;
using statvex::CountText;
using texts::Language;
using texts::MessageText;

constexpr int kWriteErrorCode = 23;
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kBlankLine = " ";
constexpr std::size_t kTableRule = 66;
constexpr std::size_t kTitleRule = 52;

constexpr int kMessageResultingTitle = 44;
constexpr int kMessageDate = 46;
constexpr int kMessageTotalShort = 49;
constexpr int kMessageCharacteristics = 79;
constexpr int kMessageBasic = 81;
constexpr int kMessageTotalSpaced = 127;
constexpr int kMessageMultipleA = 156;
constexpr int kMessageMultipleB = 157;
constexpr int kMessageProbability = 168;
constexpr int kMessageFrequency = 169;
constexpr int kMessageDistribution = 216;

// The cell indents of the description tables.
const std::string kIndent4(4, ' ');
const std::string kIndent3(3, ' ');

int Count(const Histogram& h) { return std::clamp(h.N, 0, kMaxBins); }

double Value(const Histogram& h, int k) { return h.Min + (k - 1) * h.d; }

long double ProbabilitySum(const Histogram& h) {
  long double sum = 0;
  for (int k = 1; k <= Count(h); ++k) sum += h.P[static_cast<std::size_t>(k)];
  return sum;
}

std::string HeaderLine(Language language) {
  return language == Language::Czech
             ? "|  INT |       X      |  Pravd.P(x)  |   Četnost    | Distr. F(x)  |"
             : "|  INT |       X      |  Probab.P(x) |  Frequency   | Distr. F(x)  |";
}

std::string BoundLine(double bound, double F) {
  return "|      | " + DisplayNumber(bound) + " |              |              | " + DisplayNumber(F) +
         " |";
}

std::string IntervalLine(int k, double x, double p, long double frequency, double F) {
  // Appended piece by piece: `"|" + text` trips a false -Wrestrict of g++ 12.
  std::string line = "|";
  for (const std::string& cell : {CountText(5, k), DisplayNumber(x), DisplayNumber(p), CountText(12, frequency)}) {
    line += cell;
    line += " | ";
  }
  line += DisplayNumber(F);
  line += " |";
  return line;
}

void AppendTableLines(std::vector<std::string>& lines, const Histogram& h, long double r) {
  const bool discrete = h.Type == HistogramType::Discrete;
  double F = 0;
  if (discrete) lines.push_back(BoundLine(h.Min - h.d / 2, F));
  for (int k = 1; k <= Count(h); ++k) {
    const double p = h.P[static_cast<std::size_t>(k)];
    F += p;
    const double shownF = discrete ? F - p / 2 : F;
    lines.push_back(IntervalLine(k, Value(h, k), p, r * p, shownF));
    if (discrete) lines.push_back(BoundLine(h.Min + (k - 0.5) * h.d, F));
  }
}

}  // namespace

std::vector<std::string> ResultReportLines(const ResultReportInput& input, Language language) {
  const Histogram& h = input.result;
  std::vector<std::string> lines;
  lines.push_back(MessageText(kMessageResultingTitle, language));
  lines.emplace_back(kTitleRule, '_');
  lines.emplace_back(kBlankLine);
  lines.push_back("Histogram   : " + input.label);
  lines.push_back("Histogram A : " + input.nameA);
  lines.push_back(MessageText(kMessageMultipleA, language) + input.multipleA);
  lines.push_back("Histogram B : " + input.nameB);
  lines.push_back(MessageText(kMessageMultipleB, language) + input.multipleB);
  lines.push_back(MessageText(kMessageDate, language) + input.date + " / " + input.time);
  lines.push_back("Program     : Dorvex ( " + input.version + " )");
  lines.emplace_back(kBlankLine);

  const analysis::CharacteristicsTable table = analysis::MakeCharacteristicsTable(
      analysis::ComputeCharacteristics(h.P, h.N, h.Min, h.Max, input.resultTotal, h.Type),
      language);
  lines.push_back(MessageText(kMessageBasic, language) + MessageText(kMessageCharacteristics, language));
  lines.emplace_back();
  for (std::size_t i = 0; i < table.labels.size(); ++i) {
    lines.push_back(table.labels[i] + "\t" + table.values[i]);
  }
  if (input.failureProbability) {
    lines.push_back(FailureProbabilityLabel(language) + "\t" + DisplayNumber(*input.failureProbability));
    lines.insert(lines.end(), input.reliabilityLines.begin(), input.reliabilityLines.end());
  }

  const std::string rule(kTableRule, '_');
  lines.emplace_back(kBlankLine);
  lines.push_back(" " + rule);
  lines.push_back(HeaderLine(language));
  lines.push_back("|" + rule + "|");
  AppendTableLines(lines, h, input.resultTotal);
  lines.push_back("|" + rule + "|");
  lines.push_back("|    " + MessageText(kMessageTotalSpaced, language) + "    | " +
                  DisplayNumber(static_cast<double>(ProbabilitySum(h))) + " | " +
                  CountText(12, input.resultTotal) + " |              |");
  lines.push_back("|" + rule + "|");
  return lines;
}

std::string ResultReportText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

std::optional<ModelError> WriteResultReport(const std::string& path,
                                            const std::vector<std::string>& lines) {
  if (io::WriteFileAtomically(path, ResultReportText(lines))) {
    ModelError error;
    error.code = kWriteErrorCode;
    error.insert = std::filesystem::path(path).filename().string();
    return error;
  }
  return std::nullopt;
}

DescriptionGrid DescriptionTable(const Histogram& h, const std::string& title, long double c,
                                 Language language) {
  const int n = Count(h);
  const bool discrete = h.Type == HistogramType::Discrete;
  DescriptionGrid grid;
  grid.title = title;
  grid.multiplier = c;
  const std::size_t rowCount = static_cast<std::size_t>(discrete ? 2 * n + 3 : n + 2);
  grid.rows.assign(rowCount, std::vector<std::string>(5));
  grid.rows[0] = {"  INT", "      x", MessageText(kMessageProbability, language),
                  // Appended rather than `" " + text`, which trips a false -Wrestrict of g++ 12.
                  std::string(1, ' ').append(MessageText(kMessageFrequency, language)),
                  MessageText(kMessageDistribution, language)};
  const auto distributionCell = [](long double F) {
    return kIndent4 + DisplayNumber(static_cast<double>(F));
  };
  long double F = 0;
  if (discrete) {
    grid.rows[1][1] = DisplayNumber(h.Min - h.d / 2);
    grid.rows[1][4] = distributionCell(F);
  }
  for (int k = 1; k <= n; ++k) {
    const double p = h.P[static_cast<std::size_t>(k)];
    const long double before = F;
    F += p;
    if (discrete) {
      grid.rows[static_cast<std::size_t>(2 * k)] = {CountText(5, k), DisplayNumber(Value(h, k)),
                                                    kIndent3 + DisplayNumber(p), CountText(12, c * p),
                                                    distributionCell(before + p / 2.0L)};
      auto& bound = grid.rows[static_cast<std::size_t>(2 * k + 1)];
      bound[1] = DisplayNumber(h.Min + (k - 0.5) * h.d);
      bound[4] = distributionCell(F);
    } else {
      // The last point is Max itself, not Min + (N - 1) * d with its rounding.
      const double x = k == n ? h.Max : Value(h, k);
      grid.rows[static_cast<std::size_t>(k)] = {CountText(5, k), DisplayNumber(x),
                                                kIndent3 + DisplayNumber(p), CountText(12, c * p),
                                                distributionCell(F)};
    }
  }
  const std::string sum = DisplayNumber(static_cast<double>(F));
  grid.rows.back() = {"", MessageText(kMessageTotalShort, language), discrete ? sum : kIndent3 + sum,
                      CountText(12, c), ""};
  return grid;
}

std::string InputDescriptionTitle(const std::string& name) {
  return "  " + name.substr(0, name.find('.'));
}

}  // namespace dorvex::analysis

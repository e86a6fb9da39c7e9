#include "analysis/characteristics.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

#include "statvex/conversions.h"
#include "statvex/number_text.h"
#include "statvex/statistics.h"
#include "texts/messages.h"
#include "texts/report_labels.h"

namespace dorvex::analysis {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr std::size_t kLabelWidth = 33;
constexpr std::size_t kRuleLength = 40;
constexpr int kMessageTooFewIntervals = 215;
constexpr int kMessageBasic = 81;

// Characters, not bytes: the Czech labels hold two-byte letters.
std::size_t CodePoints(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string PaddedLabel(std::string_view label) {
  std::string text(label);
  const std::size_t length = CodePoints(label);
  if (length < kLabelWidth) text.append(kLabelWidth - length, ' ');
  return text;
}

// Blanks before N in the text: fewer for longer numbers so the digits end in one column.
std::size_t CountIndent(int N, std::size_t base) {
  if (N > 999) return base - 3;
  if (N > 99) return base - 2;
  if (N > 9) return base - 1;
  return base;
}

double ReadBack(const std::string& text) {
  double value = std::numeric_limits<double>::quiet_NaN();
  statvex::ParseStrict(text, value);
  return value;
}

}  // namespace

Characteristics ComputeCharacteristics(const ProbabilityArray& P, int N, double Min, double Max,
                                       long double total, model::HistogramType type) {
  using namespace statvex;
  // The statistics may work on the array as they like; the caller's stays as it was.
  const ProbabilityArray copy = P;
  const double h = N >= 2 ? (Max - Min) / (N - 1) : 0.0;
  Characteristics c;
  c.intervals = N;
  c.total = total;
  c.mean = Mean(copy, N, Min, Max);
  c.variance = Variance(copy, N, Min, Max, c.mean);
  c.standardDeviation = std::sqrt(c.variance);
  c.meanAbsoluteDeviation = MeanAbsDeviation(copy, N, Min, Max, c.mean);
  c.coefficientOfVariation = CoefficientOfVariation(c.mean, c.standardDeviation);
  c.skewness = Skewness(copy, N, Min, Max, c.mean);
  c.kurtosis = Kurtosis(copy, N, Min, Max, c.mean);
  c.concentration = c.kurtosis + 3.0;
  const bool discrete = type == model::HistogramType::Discrete;
  c.medianText = MedianText(discrete, copy, Min, Max, N);
  c.modeText = ModeText(copy, N, Min, Max);
  c.median = ReadBack(c.medianText);
  c.mode = ReadBack(c.modeText);
  c.lowerBound = discrete ? Min - h / 2 : Min;
  c.upperBound = discrete ? Max + h / 2 : Max;
  return c;
}

Characteristics ComputeCharacteristics(const model::Histogram& h) {
  return ComputeCharacteristics(h.P, h.N, h.Min, h.Max, h.Total, h.Type);
}

Characteristics ComputeCharacteristics(const engine::OperationResult& result) {
  const model::Histogram& h = result.histogram;
  return ComputeCharacteristics(h.P, h.N, h.Min, h.Max, result.totalExtended, h.Type);
}

std::string IntervalCountText(int N) {
  return std::string(CountIndent(N, 11), ' ') + std::to_string(N);
}

std::string FailureProbabilityLabel(texts::Language language) {
  return PaddedLabel(language == texts::Language::Czech ? "Pravděpodobnost poruchy P(X<0)"
                                                        : "Failure probability P(X<0)");
}

std::string ReliabilityLabel(ReliabilityRow row, texts::Language language) {
  const bool czech = language == texts::Language::Czech;
  switch (row) {
    case ReliabilityRow::PfLower: return PaddedLabel(czech ? "Dolní mez Pf" : "Pf lower bound");
    case ReliabilityRow::PfUpper: return PaddedLabel(czech ? "Horní mez Pf" : "Pf upper bound");
    case ReliabilityRow::PfBounds: return PaddedLabel(czech ? "Meze Pf" : "Pf bounds");
    case ReliabilityRow::Beta: return PaddedLabel(czech ? "Index spolehlivosti \u03b2" : "Reliability index \u03b2");
    case ReliabilityRow::TargetBeta: return PaddedLabel(czech ? "Cílový index \u03b2" : "Target index \u03b2");
    case ReliabilityRow::BetaLonger: return PaddedLabel(czech ? "\u03b2 za 50 období" : "\u03b2 over 50 periods");
    case ReliabilityRow::BetaShorter: return PaddedLabel(czech ? "\u03b2 za 1/50 období" : "\u03b2 over 1/50 period");
  }
  return "";
}

std::array<std::string, kCharacteristicsLines> CharacteristicsLabels(texts::Language language) {
  static_assert(kCharacteristicsLines == texts::kCharacteristicsLabelCount);
  return texts::CharacteristicsLabelTexts(language);
}

CharacteristicsTable MakeCharacteristicsTable(const Characteristics& c, texts::Language language) {
  using statvex::NumberText;
  CharacteristicsTable table;
  table.labels = CharacteristicsLabels(language);
  table.values = {NumberText(c.lowerBound),
                  NumberText(c.upperBound),
                  IntervalCountText(c.intervals),
                  NumberText(static_cast<double>(c.total)),
                  NumberText(c.mean),
                  NumberText(c.variance),
                  NumberText(c.standardDeviation),
                  NumberText(c.meanAbsoluteDeviation),
                  NumberText(c.coefficientOfVariation),
                  NumberText(c.skewness),
                  NumberText(c.concentration),
                  NumberText(c.kurtosis),
                  c.medianText,
                  c.modeText};
  return table;
}

CharacteristicsReport CharacteristicsText(const std::string& title, const ProbabilityArray& P,
                                          int N, double Min, double Max, long double total,
                                          model::HistogramType type, texts::Language language) {
  CharacteristicsReport report;
  if (N < 3) {
    model::ModelError error;
    error.message = kMessageTooFewIntervals;
    report.error = error;
    return report;
  }
  const CharacteristicsTable table =
      MakeCharacteristicsTable(ComputeCharacteristics(P, N, Min, Max, total, type), language);
  const auto& label = table.labels;
  const auto& value = table.values;
  const std::string rule(kRuleLength, '_');
  // The Czech variance label is short enough that one tab would not reach the column.
  const char* varianceGap = language == texts::Language::Czech ? "\t\t" : "\t";

  std::string& text = report.text;
  const auto line = [&text](const std::string& content) {
    text += content;
    text += kLineEnd;
  };
  line(title);
  line(rule);
  line("");
  line(texts::MessageText(kMessageBasic, language));
  line("");
  line(label[0] + "\t\t" + value[0]);
  line(label[1] + "\t\t" + value[1]);
  line(label[2] + "\t" + std::string(CountIndent(N, 9), ' ') + value[2]);
  line(label[3] + "\t" + value[3]);
  line(label[4] + "\t" + value[4]);
  line(label[5] + varianceGap + value[5]);
  for (std::size_t i = 6; i <= 11; ++i) line(label[i] + "\t" + value[i]);
  line("");
  line(rule);
  line("");
  line("\t   M e d i a n    \t" + value[12]);
  line("\t   M o d e        \t" + value[13]);
  line("");
  return report;
}

CharacteristicsReport CharacteristicsText(const std::string& title, const model::Histogram& h,
                                         texts::Language language) {
  return CharacteristicsText(title, h.P, h.N, h.Min, h.Max, h.Total, h.Type, language);
}

namespace {

// Characters of a UTF-8 text: its bytes that do not continue a character.
std::size_t Characters(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string TabsExpanded(std::string_view text) {
  constexpr std::size_t kTabStop = 8;
  std::string out;
  for (const char c : text) {
    if (c == '\t') {
      out.append(kTabStop - Characters(out) % kTabStop, ' ');
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string FixedPitchText(std::string_view text) {
  struct Line {
    std::string label;
    std::string value;
    bool pair = false;
  };
  std::vector<Line> lines;
  std::size_t labelWidth = 0;
  std::size_t valueWidth = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(kLineEnd, start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view content = text.substr(start, end - start);
    start = end + std::string_view(kLineEnd).size();
    const std::size_t lastTab = content.rfind('\t');
    if (lastTab == std::string_view::npos) {
      lines.push_back({std::string(content), {}, false});
      continue;
    }
    std::string_view label = content.substr(0, lastTab);
    while (!label.empty() && label.back() == '\t') label.remove_suffix(1);
    Line line{TabsExpanded(label), std::string(Trim(content.substr(lastTab + 1))), true};
    line.label.erase(line.label.find_last_not_of(' ') + 1);
    labelWidth = std::max(labelWidth, Characters(line.label));
    valueWidth = std::max(valueWidth, Characters(line.value));
    lines.push_back(std::move(line));
  }
  constexpr std::size_t kColumnGap = 2;
  std::string out;
  for (const Line& line : lines) {
    out += line.label;
    if (line.pair) {
      out.append(labelWidth - Characters(line.label) + kColumnGap + valueWidth - Characters(line.value), ' ');
      out += line.value;
    }
    out += kLineEnd;
  }
  return out;
}

}  // namespace dorvex::analysis

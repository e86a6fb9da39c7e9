#include "tables/summary.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/arithmetic_faults.h"
#include "numeric/round.h"
#include "statvex/conversions.h"
#include "texts/table_texts.h"

namespace dorvex::tables {

namespace {

constexpr int kTooFewRowsMessage = 64;
constexpr int kNotNumberMessage = 99;
constexpr int kZeroMultipleMessage = 70;
constexpr int kIndexOutOfRangeMessage = 130;
// A row of exactly this many intervals (a die) makes the grid one of unit width.
constexpr double kUnitGridBins = 6.0;
// Sums that are to be rounded to a 64-bit integer stay below this.
constexpr long double kLargestRounded = 9.0e18L;

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

model::ModelError Message(int message, std::string append = {}) {
  return model::ModelError{0, {}, std::move(append), message};
}

model::ModelError OwnText(std::string_view text) { return model::ModelError{0, {}, std::string(text), 0}; }

TableOutcome Fail(model::ModelError error) {
  TableOutcome outcome;
  outcome.error = std::move(error);
  return outcome;
}

TableOutcome Ask(int question) {
  TableOutcome outcome;
  outcome.question = question;
  return outcome;
}

TableOutcome Overflow() { return Fail(model::ModelError{engine::kOverflowCode, {}, {}, 0}); }

// One row scaled and weighted.
struct ScaledRow {
  std::vector<double> f;  // f[0..N-1]: weighted frequencies from the smallest value
  double lo = 0.0;        // smallest value
  double s = 0.0;         // distance between values
};

}  // namespace

TableOutcome ComputeSummary(HistogramTable& table, int selectedRow, texts::Language language) {
  const int n = FilledRowCount(table);
  if (n <= 1) return Fail(Message(kTooFewRowsMessage));
  if (selectedRow > n) return {};
  auto cell = [&](int row, int column) -> std::string& { return table.cells[Index(row)][Index(column)]; };

  for (int row = 1; row <= n; ++row) {
    const std::string& multiple = cell(row, kMultipleColumn);
    const std::string& weight = cell(row, kWeightColumn);
    if ((!multiple.empty() && !IsTableNumber(multiple)) || (!weight.empty() && !IsTableNumber(weight))) {
      return Fail(Message(kNotNumberMessage, RowText(table, row)));
    }
  }
  for (int row = 1; row <= n; ++row) {
    if (cell(row, kMultipleColumn).empty()) return Ask(kMissingMultiplesQuestion);
  }
  for (int row = 1; row <= n; ++row) {
    if (cell(row, kWeightColumn).empty()) return Ask(kMissingWeightsQuestion);
  }

  std::vector<double> multiples(Index(n + 1));
  std::vector<double> weights(Index(n + 1));
  for (int row = 1; row <= n; ++row) {
    std::string& text = cell(row, kMultipleColumn);
    double m = 0.0;
    const bool number = statvex::ParseStrict(text, m);
    // Every spelling of zero: a zero multiple would fold the row onto 0.
    if (text == "0" || (number && m == 0.0)) {
      text.clear();
      return Fail(Message(kZeroMultipleMessage));
    }
    if (!number) return Fail(OwnText(texts::kMultipleNotNumberText));
    multiples[Index(row)] = m;
  }
  for (int row = 1; row <= n; ++row) {
    std::string& text = cell(row, kWeightColumn);
    double w = 0.0;
    if (!statvex::ParseStrict(text, w)) return Fail(OwnText(texts::kWeightNotNumberText));
    if (w <= 0.0) {
      text.clear();
      return Fail(OwnText(texts::kWeightNotPositiveText));
    }
    weights[Index(row)] = w;
  }
  for (int row = 1; row <= n; ++row) {
    if (!RowHoldsHistogram(table, row)) return Fail(OwnText(texts::InvalidTableRowText(row, language)));
  }

  // Scaling, mirroring and the span.
  std::vector<ScaledRow> rows(Index(n + 1));
  double spanLow = std::numeric_limits<double>::infinity();
  double spanHigh = -std::numeric_limits<double>::infinity();
  long double roundedTotals = 0.0L;
  long double frequencySum = 0.0L;
  for (int row = 1; row <= n; ++row) {
    const RowParameters& p = table.parameters[Index(row - 1)];
    const ProbabilityArray& P = table.probabilities[Index(row - 1)];
    const int bins = static_cast<int>(RoundHalfEven(p[kBinsParameter]));
    const double m = multiples[Index(row)];
    const double w = weights[Index(row)];
    const double total = p[kTotalParameter];
    ScaledRow& scaled = rows[Index(row)];
    scaled.f.resize(Index(bins));
    for (int k = 1; k <= bins; ++k) {
      scaled.f[Index(k - 1)] = P[Index(k)] * total * w;
      frequencySum += scaled.f[Index(k - 1)];
    }
    double lo = m * p[kMinParameter];
    double hi = m * p[kMaxParameter];
    scaled.s = std::fabs(m) * p[kWidthParameter];
    if (m < 0.0) {
      std::swap(lo, hi);
      std::reverse(scaled.f.begin(), scaled.f.end());
    }
    scaled.lo = lo;
    // The span takes each row's own width, not scaled by the multiple.
    spanLow = std::min(spanLow, lo - p[kWidthParameter] / 2);
    spanHigh = std::max(spanHigh, hi + p[kWidthParameter] / 2);
    roundedTotals += static_cast<long double>(RoundHalfEven(total)) * w;
  }
  const double range = spanHigh - spanLow;
  if (!std::isfinite(range) || !std::isfinite(static_cast<double>(frequencySum)) ||
      !(roundedTotals < kLargestRounded)) {
    return Overflow();
  }

  // The grid.
  double h = 0.0;
  long double count = 0.0L;
  if (table.parameters[0][kBinsParameter] == kUnitGridBins) {
    h = 1.0;
    count = std::nearbyint(static_cast<long double>(range) + 1.0L);
  } else {
    count = MaxIntervalCount(table);
    h = range / static_cast<double>(count);
  }
  if (!(count >= 2.0L && count <= kMaxBins)) {
    const long double shown = std::min(count, 1.0e18L);
    return Fail(OwnText(texts::SummaryIntervalLimitText(std::to_string(RoundHalfEven(shown)), language)));
  }
  const auto N = static_cast<std::int32_t>(count);
  const double min = spanLow + h / 2;
  const double max = spanHigh - h / 2;

  // Accumulation and normalisation.
  ProbabilityArray R{};
  for (int row = 1; row <= n; ++row) {
    const ScaledRow& scaled = rows[Index(row)];
    for (std::size_t k = 0; k < scaled.f.size(); ++k) {
      const double x = scaled.lo + static_cast<double>(k) * scaled.s;
      const double q = (x - min + h) / h;
      if (!(q >= 0.5 && q < N + 0.5)) {
        return Fail(model::ModelError{0, std::isfinite(q) ? std::to_string(RoundHalfEven(std::clamp(q, -1e18, 1e18))) : "?",
                                      {}, kIndexOutOfRangeMessage});
      }
      R[Index(static_cast<int>(RoundHalfEven(q)))] += scaled.f[k];
    }
  }
  // Over the sum of the weighted frequencies, so the probabilities sum to 1 even
  // when the totals or the weights are not whole numbers.
  for (int k = 1; k <= N; ++k) R[Index(k)] = static_cast<double>(R[Index(k)] / frequencySum);

  model::Histogram result;
  result.P = R;
  result.N = N;
  result.Min = min;
  result.Max = max;
  result.d = h;
  result.Range = range;
  result.Total = static_cast<long double>(RoundHalfEven(roundedTotals));
  result.Type = model::HistogramType::Discrete;
  TableOutcome outcome;
  outcome.result = result;
  return outcome;
}

}  // namespace dorvex::tables

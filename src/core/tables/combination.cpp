#include "tables/combination.h"

#include <cmath>
#include <vector>

#include "engine/arithmetic_faults.h"
#include "engine/grid_sum.h"
#include "numeric/round.h"
#include "statvex/conversions.h"
#include "texts/table_texts.h"

namespace dorvex::tables {

namespace {

constexpr int kTooFewRowsMessage = 74;
constexpr int kNotNumberMessage = 99;
constexpr int kZeroMultipleMessage = 70;

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

TableOutcome Fail(model::ModelError error) {
  TableOutcome outcome;
  outcome.error = std::move(error);
  return outcome;
}

model::ModelError NotNumber(const HistogramTable& table, int row) {
  return model::ModelError{0, {}, RowText(table, row), kNotNumberMessage};
}

}  // namespace

TableOutcome ComputeCombination(HistogramTable& table, texts::Language language) {
  const int n = FilledRowCount(table);
  if (n <= 1) return Fail(model::ModelError{0, {}, {}, kTooFewRowsMessage});
  auto multipleText = [&](int row) -> std::string& { return table.cells[Index(row)][kMultipleColumn]; };

  for (int row = 1; row <= n; ++row) {
    const std::string& text = multipleText(row);
    if (!text.empty() && !IsTableNumber(text)) return Fail(NotNumber(table, row));
  }
  // Every spelling of zero: a zero multiple would fold the row onto 0.
  bool zero = false;
  for (int row = 1; row <= n; ++row) {
    double m = 0.0;
    std::string& text = multipleText(row);
    if (text == "0" || (statvex::ParseStrict(text, m) && m == 0.0)) {
      text.clear();
      zero = true;
    }
  }
  if (zero) return Fail(model::ModelError{0, {}, {}, kZeroMultipleMessage});
  for (int row = 1; row <= n; ++row) {
    if (multipleText(row).empty()) {
      TableOutcome outcome;
      outcome.question = kMissingMultiplesQuestion;
      return outcome;
    }
  }
  std::vector<double> multiples(Index(n + 1));
  for (int row = 1; row <= n; ++row) {
    if (!statvex::ParseStrict(multipleText(row), multiples[Index(row)])) return Fail(NotNumber(table, row));
    if (!RowHoldsHistogram(table, row)) return Fail(model::ModelError{0, {}, texts::InvalidTableRowText(row, language), 0});
  }

  const int intervals = MaxIntervalCount(table);
  model::Histogram sum = model::ApplyMultiple(RowHistogram(table, 1), multiples[1]);
  long double total = static_cast<long double>(RoundHalfEven(table.parameters[0][kTotalParameter]));
  double range = sum.Range;
  for (int row = 2; row <= n; ++row) {
    total *= static_cast<long double>(RoundHalfEven(table.parameters[Index(row - 1)][kTotalParameter]));
    const model::Histogram next = model::ApplyMultiple(RowHistogram(table, row), multiples[Index(row)]);
    // The span of the two, widened by both half widths; M intervals over it.
    const double low = sum.Min + next.Min - (sum.d + next.d) / 2;
    const double high = sum.Max + next.Max + (sum.d + next.d) / 2;
    range = high - low;
    const double h = range / intervals;
    if (!std::isfinite(range) || !std::isfinite(h) || !(h > 0.0)) {
      return Fail(model::ModelError{engine::kOverflowCode, {}, {}, 0});
    }
    engine::GridSumOutcome step = engine::SumOnGrid(sum, next, {low + h / 2, h, intervals});
    if (step.error) return Fail(*step.error);
    sum = *step.histogram;
  }
  sum.Range = range;
  model::TrimZeroEnds(sum);
  sum.Total = total;
  sum.Type = model::HistogramType::Discrete;
  TableOutcome outcome;
  outcome.result = sum;
  return outcome;
}

}  // namespace dorvex::tables

#include "analysis/load_duration.h"

#include <algorithm>
#include <cmath>

#include "analysis/reliability_summary.h"
#include "numeric/reliability.h"
#include "statvex/number_text.h"
#include "texts/load_duration_texts.h"

namespace dorvex::analysis {

namespace {

constexpr int kIntervalNumberWidth = 4;
constexpr unsigned kRowColour = kLoadDurationRowColour;

bool IsDiscrete(const model::Histogram& h) { return h.Type == model::HistogramType::Discrete; }

std::string Number(double x) { return statvex::DisplayNumber(x); }

std::string IntervalNumber(int i) { return statvex::CountText(kIntervalNumberWidth, i); }

}  // namespace

std::vector<double> DistributionFunction(const model::Histogram& h) {
  std::vector<double> f;
  f.reserve(static_cast<std::size_t>(std::max(h.N, 0)));
  double sum = 0.0;
  for (int i = 1; i <= h.N; ++i) {
    sum += h.P[static_cast<std::size_t>(i)];
    f.push_back(sum);
  }
  return f;
}

bool HasDistributionBounds(const model::Histogram& h, const engine::DistributionBounds& bounds) {
  const std::size_t edges = static_cast<std::size_t>(std::max(h.N, 0)) + 1;
  return h.N > 0 && bounds.lower.size() == edges && bounds.upper.size() == edges;
}

std::vector<LoadDurationRow> LoadDurationTable(const model::Histogram& h, const engine::DistributionBounds* bounds,
                                               texts::Language language) {
  const std::vector<double> f = DistributionFunction(h);
  const int n = static_cast<int>(f.size());
  const bool withBounds = bounds != nullptr && HasDistributionBounds(h, *bounds);
  std::vector<LoadDurationRow> rows;
  rows.push_back({" INT", "     x", "     F(x)"});
  // The bounds at row x: the lower one at edge `below`, the upper one at edge `above`.
  const auto add = [&](LoadDurationRow row, int below, int above) {
    if (withBounds) {
      row.push_back(Number(bounds->lower[static_cast<std::size_t>(below)]));
      row.push_back(Number(bounds->upper[static_cast<std::size_t>(above)]));
    }
    rows.push_back(std::move(row));
  };
  if (withBounds) {
    for (std::string& heading : texts::LoadDurationBoundHeadings(language)) rows[0].push_back(std::move(heading));
  }
  if (!IsDiscrete(h)) {
    for (int i = 1; i <= n; ++i) add({IntervalNumber(i), Number(h.Min + (i - 1) * h.d), Number(f[i - 1])}, i, i);
    return rows;
  }
  add({std::string(), Number(h.Min - h.d / 2), Number(0.0)}, 0, 0);
  double below = 0.0;  // F_{i-1}
  for (int i = 1; i <= n; ++i) {
    const double p = h.P[static_cast<std::size_t>(i)];
    add({IntervalNumber(i), Number(h.Min + (i - 1) * h.d), Number(below + p / 2)}, i - 1, i);
    add({std::string(), Number(h.Min + (i - 0.5) * h.d), Number(f[i - 1])}, i, i);
    below = f[i - 1];
  }
  return rows;
}

std::vector<std::optional<unsigned>> LoadDurationRowColours(const model::Histogram& h) {
  const std::size_t count = LoadDurationTable(h).size();
  std::vector<std::optional<unsigned>> colours(count);
  for (std::size_t row = 1; row < count; ++row) {
    if (!IsDiscrete(h) || row % 2 == 0) colours[row] = kRowColour;
  }
  return colours;
}

BoundSteps DistributionBoundSteps(const model::Histogram& h, const engine::DistributionBounds& bounds,
                                  double floor) {
  BoundSteps steps;
  if (!HasDistributionBounds(h, bounds)) return steps;
  const auto raised = [floor](double v) { return std::max(v, floor); };
  const auto edge = [](int k) { return k - 0.5; };  // edge k closes bar k - 1
  const int n = h.N;
  steps.lower.push_back({edge(0), raised(bounds.lower[0])});
  steps.upper.push_back({edge(0), raised(bounds.upper[0])});
  for (int k = 1; k <= n; ++k) {
    const std::size_t at = static_cast<std::size_t>(k);
    steps.lower.push_back({edge(k), raised(bounds.lower[at - 1])});
    steps.lower.push_back({edge(k), raised(bounds.lower[at])});
    steps.upper.push_back({edge(k - 1), raised(bounds.upper[at])});
    steps.upper.push_back({edge(k), raised(bounds.upper[at])});
  }
  return steps;
}

TargetReference LoadDurationTarget(const model::Histogram& h, double targetBeta, texts::Language language) {
  TargetReference target;
  target.beta = targetBeta;
  target.pf = numeric::FailureProbabilityOfIndex(targetBeta);
  if (h.N > 0 && h.d > 0.0) {
    const double at = (0.0 - h.Min) / h.d;
    if (at >= -0.5 && at <= h.N - 0.5) target.zeroAt = at;
  } else if (h.N == 1 && h.Min == 0.0) {
    target.zeroAt = 0.0;
  }
  target.label = texts::LoadDurationTargetCaption(language) + " = " + IndexText(targetBeta) + ", Pf = " +
                 ProbabilityText(target.pf);
  return target;
}

double LogAxisMinimum(double targetPf, double pf, const engine::FailureBounds& bounds) {
  double smallest = 1.0;
  const auto take = [&smallest](double p) {
    if (p > 0.0) smallest = std::min(smallest, p);
  };
  take(targetPf);
  take(pf);
  if (bounds.kind == engine::BoundsKind::Bounded) take(bounds.lower);
  return std::max(kLowestLogProbability, std::pow(10.0, std::floor(std::log10(smallest)) - 1.0));
}

std::vector<double> RaisedTo(std::vector<double> values, double floor) {
  for (double& v : values) v = std::max(v, floor);
  return values;
}

}  // namespace dorvex::analysis

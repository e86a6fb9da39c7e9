#include "analysis/load_duration.h"

#include <algorithm>

#include "statvex/number_text.h"

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

std::vector<LoadDurationRow> LoadDurationTable(const model::Histogram& h) {
  const std::vector<double> f = DistributionFunction(h);
  const int n = static_cast<int>(f.size());
  std::vector<LoadDurationRow> rows;
  rows.push_back({" INT", "     x", "     F(x)"});
  if (!IsDiscrete(h)) {
    for (int i = 1; i <= n; ++i) rows.push_back({IntervalNumber(i), Number(h.Min + (i - 1) * h.d), Number(f[i - 1])});
    return rows;
  }
  rows.push_back({std::string(), Number(h.Min - h.d / 2), Number(0.0)});
  double below = 0.0;  // F_{i-1}
  for (int i = 1; i <= n; ++i) {
    const double p = h.P[static_cast<std::size_t>(i)];
    rows.push_back({IntervalNumber(i), Number(h.Min + (i - 1) * h.d), Number(below + p / 2)});
    rows.push_back({std::string(), Number(h.Min + (i - 0.5) * h.d), Number(f[i - 1])});
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

}  // namespace dorvex::analysis

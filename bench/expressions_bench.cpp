// Speed of a whole limit-state expression: five 1024-interval inputs through
// R*W - (G + Q + 0.6*S), four engine operations of 1024 x 1024 pairs each and one
// multiple, parsing and the independence audit included.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "expressions/expression_evaluator.h"
#include "model/histogram.h"

namespace {

using dorvex::expressions::EvaluateExpression;
using dorvex::expressions::ExpressionInput;
using dorvex::model::Histogram;
using dorvex::model::HistogramType;

// A Discrete, bell-shaped histogram of 1024 intervals on min .. max.
Histogram Bell(double min, double max) {
  constexpr int n = 1024;
  Histogram h;
  h.Type = HistogramType::Discrete;
  h.N = n;
  h.Min = min;
  h.Max = max;
  h.d = (max - min) / (n - 1);
  h.Range = max - min;
  h.Total = 1e6L;
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) sum += h.P[i] = std::min(i, n + 1 - i);
  for (int i = 1; i <= n; ++i) h.P[i] /= sum;
  return h;
}

ExpressionInput Named(const char* name, double min, double max) {
  return {{name, "parametric", name, ""}, Bell(min, max)};
}

void BM_FiveVariableLimitState(benchmark::State& state) {
  const std::vector<ExpressionInput> inputs{Named("R", 200, 300), Named("W", 0.9, 1.1), Named("G", 60, 100),
                                            Named("Q", 20, 80), Named("S", 0, 60)};
  for (auto _ : state) {
    const auto evaluation = EvaluateExpression("R*W - (G + Q + 0.6*S)", inputs);
    if (!evaluation.ok()) state.SkipWithError("evaluation refused");
    benchmark::DoNotOptimize(evaluation.result->failureProbability);
  }
}
BENCHMARK(BM_FiveVariableLimitState)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

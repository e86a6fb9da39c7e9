// Speed of a whole limit-state expression: five 1024-interval inputs through
// R*W - (G + Q + 0.6*S), four engine operations of 1024 x 1024 pairs each and one
// multiple, parsing and the independence audit included.

#include <benchmark/benchmark.h>

#include <vector>

#include "bench_histograms.h"
#include "expressions/expression_evaluator.h"
#include "model/histogram.h"

namespace {

using dorvex::expressions::EvaluateExpression;
using dorvex::expressions::ExpressionInput;

ExpressionInput Named(const char* name, double min, double max) {
  return {{name, "parametric", name, ""}, dorvex::bench::Bell(1024, min, max)};
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

// Speed of the operation engine on the largest inputs: every pair of two
// 1024-interval histograms, the one-input operations on 1024 intervals, pairs of
// coarse inputs whose images spread over many result intervals, and the n-fold
// sum, whose time grows with the number of binary digits of n. The runs leave out
// the bounds, which the *WithBounds runs add.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_histograms.h"
#include "engine/engine.h"
#include "model/histogram.h"

namespace {

using dorvex::engine::OperationRequest;
using dorvex::engine::RunOperation;
using dorvex::bench::Bell;
using dorvex::model::Histogram;

// Which bounds a run adds.
enum class Bounds { None, FailureProbability, AndDistribution };

void Run(benchmark::State& state, int code, const Histogram& a, const Histogram* b,
         const std::string& n, Bounds bounds = Bounds::None) {
  OperationRequest request;
  request.code = code;
  request.a = &a;
  request.b = b;
  request.exponent = n;
  request.withBounds = bounds != Bounds::None;
  request.withDistributionBounds = bounds == Bounds::AndDistribution;
  for (auto _ : state) {
    auto outcome = RunOperation(request);
    if (!outcome.ok()) state.SkipWithError("the operation failed");
    benchmark::DoNotOptimize(outcome);
  }
}

const Histogram kA = Bell(1024, 1.0, 5.0);
const Histogram kB = Bell(1024, 2.0, 3.0);
// The size of the bundled examples: each pair's image covers several result intervals.
const Histogram kCoarseA = Bell(128, 100.0, 300.0);
const Histogram kCoarseB = Bell(128, 2.0, 3.0);

void BM_Sum(benchmark::State& state) { Run(state, dorvex::engine::kSum, kA, &kB, ""); }
// The value and both bounds on Pf; then also the bounding distribution functions.
void BM_SumWithBounds(benchmark::State& state) {
  Run(state, dorvex::engine::kSum, kA, &kB, "", Bounds::FailureProbability);
}
void BM_DifferenceWithBounds(benchmark::State& state) {
  Run(state, dorvex::engine::kDifference, kA, &kB, "", Bounds::FailureProbability);
}
void BM_ProductWithBounds(benchmark::State& state) {
  Run(state, dorvex::engine::kProduct, kA, &kB, "", Bounds::FailureProbability);
}
void BM_SumWithDistributionBounds(benchmark::State& state) {
  Run(state, dorvex::engine::kSum, kA, &kB, "", Bounds::AndDistribution);
}
void BM_ProductWithDistributionBounds(benchmark::State& state) {
  Run(state, dorvex::engine::kProduct, kA, &kB, "", Bounds::AndDistribution);
}
void BM_Product(benchmark::State& state) { Run(state, dorvex::engine::kProduct, kA, &kB, ""); }
void BM_Quotient(benchmark::State& state) { Run(state, dorvex::engine::kQuotient, kA, &kB, ""); }
void BM_ProductOfCoarse(benchmark::State& state) {
  Run(state, dorvex::engine::kProduct, kCoarseA, &kCoarseB, "");
}
void BM_Square(benchmark::State& state) { Run(state, dorvex::engine::kSquare, kA, nullptr, ""); }
void BM_SquareOfCoarse(benchmark::State& state) {
  Run(state, dorvex::engine::kSquare, kCoarseA, nullptr, "");
}
void BM_Cube(benchmark::State& state) { Run(state, dorvex::engine::kPower, kA, nullptr, "3"); }
void BM_RepeatedSum(benchmark::State& state) {
  Run(state, dorvex::engine::kRepeatedSum, kA, nullptr, std::to_string(state.range(0)));
}
// The value and both bounds on Pf: two more doubling chains, at most 2048 points each.
void BM_RepeatedSumWithBounds(benchmark::State& state) {
  Run(state, dorvex::engine::kRepeatedSum, kA, nullptr, std::to_string(state.range(0)),
      Bounds::FailureProbability);
}

BENCHMARK(BM_Sum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumWithBounds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DifferenceWithBounds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProductWithBounds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumWithDistributionBounds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProductWithDistributionBounds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Product)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Quotient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProductOfCoarse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Square)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SquareOfCoarse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Cube)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepeatedSum)->Arg(10)->Arg(100)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepeatedSumWithBounds)->Arg(10)->Arg(100)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

// Time of one parametric-distribution computation per type: default parameters,
// 1024 intervals, Eps 1E-7. Every type must stay below 20 ms.

#include <benchmark/benchmark.h>

#include "sources/distribution.h"
#include "sources/parametric_histogram.h"

namespace {

using namespace dorvex::sources;

void BM_ParametricHistogram(benchmark::State& state) {
  const int type = static_cast<int>(state.range(0));
  state.SetLabel(ParamListText(type, dorvex::texts::Language::English));
  for (auto _ : state) {
    ParamState st;
    st.type = type;
    st.firstRun = true;
    st.N = 1024;
    st.Eps = 1E-7;
    const auto refusal = ComputeParametricHistogram(st, dorvex::texts::Language::English);
    if (refusal) state.SkipWithError(refusal->text.c_str());
    benchmark::DoNotOptimize(st.P);
  }
}

BENCHMARK(BM_ParametricHistogram)->DenseRange(0, kParamTypeCount - 1)->Unit(benchmark::kMillisecond);

}  // namespace

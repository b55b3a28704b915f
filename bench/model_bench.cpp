// The model's own cost per table row, with no rendering and no stream: the
// floor that the end-to-end row is measured against.

#include <benchmark/benchmark.h>

#include "bench_tables.hpp"
#include "minimum_statistic.hpp"
#include "horn/beamwidth.hpp"
#include "horn/dimensions.hpp"
#include "horn/gain.hpp"

namespace {

void designRow(benchmark::State& state) {
    TableRows rows(kDesignRange);
    Real radius = 0, slant = 0;
    for (auto _ : state) {
        const Real S = rows.next();
        HCRGN(kDesignFrequency, kDesignGain, S, radius, slant);
        benchmark::DoNotOptimize(radius);
        benchmark::DoNotOptimize(slant);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(designRow)->Name("model/design-row/HCRGN")
    ->ComputeStatistics("min", minimumOfRepetitions);

void analysisRow(benchmark::State& state) {
    TableRows rows(kAnalysisRange);
    Real gain = 0, beam3E = 0, beam3H = 0, beam10E = 0, beam10H = 0;
    for (auto _ : state) {
        const Real f = rows.next();
        CHNGN(f, kAnalysisRadius, kAnalysisSlant, gain);
        HCWBW(f, kAnalysisRadius, kAnalysisSlant, beam3E, beam3H, beam10E, beam10H);
        benchmark::DoNotOptimize(gain);
        benchmark::DoNotOptimize(beam3E);
        benchmark::DoNotOptimize(beam3H);
        benchmark::DoNotOptimize(beam10E);
        benchmark::DoNotOptimize(beam10H);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(analysisRow)->Name("model/analysis-row/CHNGN+HCWBW")
    ->ComputeStatistics("min", minimumOfRepetitions);

}  // namespace

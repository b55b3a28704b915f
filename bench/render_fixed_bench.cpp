// RENDERFIXED beside snprintf("%*.*f") on the same values, for every width
// and decimal count the layouts use. One value per iteration, cycling
// through 1024 of one kind, so the branches see a realistic mix.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "dialogue/render_fixed.hpp"
#include "field_values.hpp"
#include "minimum_statistic.hpp"

namespace {

constexpr std::size_t kValueCount = 1024;  // a power of two: the index wraps by masking

struct Format {
    int width;
    int decimals;
};
constexpr Format kLayoutFormats[] = {{7, 2}, {7, 3}, {7, 4}, {8, 1}, {9, 3}, {9, 4}, {10, 4}};

struct Kind {
    FieldKind kind;
    const char* name;
};
constexpr Kind kKinds[] = {{FieldKind::typical, "typical"}, {FieldKind::tie, "tie"}, {FieldKind::overflow, "overflow"}};

void renderFixed(benchmark::State& state, Format format, FieldKind kind) {
    const std::vector<Real> values = fieldValues(format.width, format.decimals, kind, kValueCount);
    char field[32];
    std::size_t i = 0;
    for (auto _ : state) {
        RENDERFIXED(field, values[i++ & (kValueCount - 1)], format.width, format.decimals);
        benchmark::DoNotOptimize(field);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

// The C library's conversion of the same value widened to double. It pads
// rather than filling with asterisks and rounds ties to even, so it is a
// cost baseline only, never an oracle.
void snprintfFixed(benchmark::State& state, Format format, FieldKind kind) {
    const std::vector<Real> values = fieldValues(format.width, format.decimals, kind, kValueCount);
    char field[64];
    std::size_t i = 0;
    for (auto _ : state) {
        std::snprintf(field, sizeof field, "%*.*f", format.width, format.decimals,
                      double(values[i++ & (kValueCount - 1)]));
        benchmark::DoNotOptimize(field);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

// Names sort as RENDERFIXED/<w>.<d>/<kind> and snprintf/<w>.<d>/<kind>.
const bool kRegistered = [] {
    for (const Format& format : kLayoutFormats) {
        for (const Kind& kind : kKinds) {
            char suffix[32];
            std::snprintf(suffix, sizeof suffix, "/%d.%d/%s", format.width, format.decimals, kind.name);
            benchmark::RegisterBenchmark((std::string("RENDERFIXED") + suffix).c_str(), renderFixed, format, kind.kind)
                ->ComputeStatistics("min", minimumOfRepetitions);
            benchmark::RegisterBenchmark((std::string("snprintf") + suffix).c_str(), snprintfFixed, format, kind.kind)
                ->ComputeStatistics("min", minimumOfRepetitions);
        }
    }
    return true;
}();

}  // namespace

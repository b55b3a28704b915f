// The benchmarks run in the build's own arithmetic environment, as velmor
// does: flush-to-zero (vector) or a 53-bit x87 significand.

#include <benchmark/benchmark.h>

#include "horn/arithmetic.hpp"

int main(int argc, char** argv) {
    setArithmeticEnvironment();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// READANSWER on typical three-value answer lines, from memory: the scanner
// and the conversion of each value, without the console.

#include <benchmark/benchmark.h>

#include <string_view>

#include "dialogue/answer_reader.hpp"
#include "minimum_statistic.hpp"

namespace {

// Answers a user types at the frequency-range and phase-deviation prompts.
constexpr std::string_view kAnswerLines[] = {
    "9 18.99999 0.00001", "10,12,.5", "10 , 12 , 0.5", "0.2 0.4 0.05", "1.5e1 2.5D1 3", "9\t11\t1",
    "8.2 12.4 0.001", "0.05,0.7,0.01",
};
constexpr std::size_t kLineCount = std::size(kAnswerLines);

// Hands out the lines over and over.
class RepeatingLines final : public LineSource {
public:
    bool nextLine(std::string_view& line) override {
        line = kAnswerLines[next_];
        next_ = next_ + 1 == kLineCount ? 0 : next_ + 1;
        return true;
    }

private:
    std::size_t next_ = 0;
};

void readAnswer(benchmark::State& state) {
    RepeatingLines input;
    Real start = 0, stop = 0, step = 0;
    const AnswerTarget targets[] = {&start, &stop, &step};
    for (auto _ : state) {
        READANSWER(input, targets);
        benchmark::DoNotOptimize(start);
        benchmark::DoNotOptimize(stop);
        benchmark::DoNotOptimize(step);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(readAnswer)->Name("READANSWER/three-values")
    ->ComputeStatistics("min", minimumOfRepetitions);

}  // namespace

// One analysis row end to end, as the driver runs it: the row frequency,
// CHNGN and HCWBW, then WRITELAYOUT rendering the row once and writing it to
// the report file and then the console. The console is /dev/null; the
// report is a file in the working directory (local disk) or /dev/null.
// Beside them, the rendering of the row alone.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <vector>

#include "bench_tables.hpp"
#include "minimum_statistic.hpp"
#include "dialogue/text_streams.hpp"
#include "horn/beamwidth.hpp"
#include "horn/gain.hpp"

namespace {

constexpr const char* kNullDevice = "/dev/null";
constexpr const char* kReportFile = "velmor-bench-report.txt";

// The report file is emptied every 2^20 rows (about 64 MiB of report), with
// the clock stopped, so a long run does not fill the disk.
constexpr std::int64_t kRowsPerReport = std::int64_t{1} << 20;

// The streams of a run, with the console on /dev/null in plain lines, as
// when velmor's output is redirected.
struct BenchStreams {
    explicit BenchStreams(const char* reportName) {
        consoleFd = ::open(kNullDevice, O_WRONLY | O_CLOEXEC);
        io.console = ConsoleOutput(consoleFd, ConsoleOutput::Discipline::plainLines, false);
        io.report.open(reportName);
    }
    ~BenchStreams() {
        io.report.complete();
        io.console.stream().flush();
        ::close(consoleFd);
    }

    // Empties a regular report file; the buffered bytes go out first.
    void restartReport() {
        io.report.stream().flush();
        const int fd = io.report.stream().fd();
        if (::ftruncate(fd, 0) == 0) ::lseek(fd, 0, SEEK_SET);
    }

    TextStreams io;
    int consoleFd;
};

void endToEnd(benchmark::State& state, const char* reportName, bool reportIsFile) {
    std::int64_t rowsWritten = 0;
    {
        BenchStreams streams(reportName);
        TableRows rows(kAnalysisRange);
        Real gain = 0, beam3E = 0, beam3H = 0, beam10E = 0, beam10H = 0;
        for (auto _ : state) {
            const Real f = rows.next();
            CHNGN(f, kAnalysisRadius, kAnalysisSlant, gain);
            HCWBW(f, kAnalysisRadius, kAnalysisSlant, beam3E, beam3H, beam10E, beam10H);
            WRITELAYOUT(streams.io, Route::reportThenConsole, Layout::analysisRow,
                        {f, gain, beam3E, beam3H, beam10E, beam10H});
            if (++rowsWritten % kRowsPerReport == 0) {
                state.PauseTiming();
                streams.restartReport();
                state.ResumeTiming();
            }
        }
    }
    if (reportIsFile) ::unlink(reportName);
    state.SetItemsProcessed(state.iterations());
}
void endToEndReportFile(benchmark::State& state) { endToEnd(state, kReportFile, true); }
void endToEndNullReport(benchmark::State& state) { endToEnd(state, kNullDevice, false); }
BENCHMARK(endToEndReportFile)->Name("row/analysis/end-to-end/report-file")
    ->ComputeStatistics("min", minimumOfRepetitions);
BENCHMARK(endToEndNullReport)->Name("row/analysis/end-to-end/dev-null")
    ->ComputeStatistics("min", minimumOfRepetitions);

// renderLayout alone, on the model's values of 4096 rows computed up front.
void renderOnly(benchmark::State& state) {
    constexpr std::size_t kRows = 4096;
    std::vector<std::array<Real, 6>> values(kRows);
    TableRows rows(kAnalysisRange);
    for (auto& v : values) {
        v[0] = rows.next();
        CHNGN(v[0], kAnalysisRadius, kAnalysisSlant, v[1]);
        HCWBW(v[0], kAnalysisRadius, kAnalysisSlant, v[2], v[3], v[4], v[5]);
    }
    RenderedLayout rendered;
    std::size_t i = 0;
    for (auto _ : state) {
        renderLayout(Layout::analysisRow, values[i++ & (kRows - 1)], {}, rendered);
        benchmark::DoNotOptimize(rendered);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(renderOnly)->Name("row/analysis/render")
    ->ComputeStatistics("min", minimumOfRepetitions);

}  // namespace

// The program as a Unix tool: --help and --version, and standard output
// that cannot be written.

#include <gtest/gtest.h>

#include "pattern/run_pattern.hpp"

namespace {

TEST(ProgramTest, HelpIsTheUsageOnStandardOutput) {
    const Outcome outcome = runPattern({"--help"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.diagnostics, "");
    EXPECT_TRUE(outcome.console.starts_with(
        "Usage: velmor-pattern [--unit in|cm] [--step DEG] [--to DEG] [--csv | --json]\n"
        "                      RADIUS SLANT FREQUENCY\n"))
        << outcome.console;
    for (const char* option : {"--unit", "--step", "--to", "--csv", "--json", "--help", "--version", "Exit status"})
        EXPECT_NE(outcome.console.find(option), std::string::npos) << option;
}

TEST(ProgramTest, VersionIsTheProjects) {
    const Outcome outcome = runPattern({"--version"});
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.diagnostics, "");
    EXPECT_EQ(outcome.console, "velmor-pattern " VELMOR_VERSION "\n");
}

struct UnwritableOutput {
    Invocation::Output output;
    std::string reason;
};

void PrintTo(const UnwritableOutput& output, std::ostream* out) { *out << output.reason; }

class UnwritableOutputTest : public testing::TestWithParam<UnwritableOutput> {};

TEST_P(UnwritableOutputTest, StatusOneAndOneLineWhateverWasAskedFor) {
    const std::string line = "velmor-pattern: cannot write standard output: " + GetParam().reason + "\n";
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"2", "8", "10"}, {"--csv", "--step", "0.1", "2", "8", "10"}, {"--json", "2", "8", "10"}, {"--help"},
             {"--version"}}) {
        const Outcome outcome = runPattern(arguments, GetParam().output);
        EXPECT_EQ(outcome.exitCode, 1) << arguments[0];
        EXPECT_EQ(outcome.signal, 0) << arguments[0];
        EXPECT_EQ(outcome.diagnostics, line) << arguments[0];
    }
}

INSTANTIATE_TEST_SUITE_P(Table, UnwritableOutputTest,
                         testing::Values(UnwritableOutput{Invocation::Output::devFull, "No space left on device"},
                                         UnwritableOutput{Invocation::Output::brokenPipe, "Broken pipe"},
                                         UnwritableOutput{Invocation::Output::closed, "Bad file descriptor"}));

TEST(ProgramTest, AFileSizeLimitIsAWriteErrorNotASignal) {
    Invocation request;
    request.binary = VELMOR_PATTERN_BINARY;
    request.arguments = {"--csv", "2", "8", "10"};  // some 4 KiB
    request.fileSizeLimit = 1024;
    const Outcome outcome = invoke(request);
    EXPECT_EQ(outcome.signal, 0);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.diagnostics, "velmor-pattern: cannot write standard output: File too large\n");
}

TEST(ProgramTest, UsageErrorsWriteNothingEvenWhereOutputWouldFail) {
    const Outcome outcome = runPattern({"2", "8"}, Invocation::Output::devFull);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.diagnostics, "velmor-pattern: missing FREQUENCY; see velmor-pattern --help\n");
}

}  // namespace

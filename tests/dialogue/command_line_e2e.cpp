// --help, --version and wrong arguments through the real binary: what goes
// to which stream, the exit status, and that nothing is read from standard
// input and no report file is made.

#include <gtest/gtest.h>

#include "support/run_binary.hpp"

namespace {

const std::string kProgram = kBuildName == "x87" ? "velmor-x87" : "velmor";
const std::string kAnswers = "r.txt\n2\n10 20\n0.2 0.4 0.1\n0 0\n0 0 0\n0 0\n";

struct RunResult {
    Outcome outcome;
    std::vector<std::string> files;  // left in the working directory
};

RunResult runWith(const std::vector<std::string>& arguments, Invocation::Output output = Invocation::Output::captured) {
    TempDir work;
    Invocation request;
    request.arguments = arguments;
    request.input = kAnswers;
    request.directory = work.path();
    request.output = output;
    RunResult run{invoke(request), {}};
    run.files = directoryEntries(work.path());
    return run;
}

void expectNothingReadAndNoReport(const RunResult& run) {
    EXPECT_EQ(run.outcome.inputOffset, 0);
    EXPECT_TRUE(run.files.empty()) << run.files.front();
}

TEST(Arguments, VersionIsOneLineOnStandardOutput) {
    const RunResult run = runWith({"--version"});
    EXPECT_EQ(run.outcome.exitCode, 0);
    EXPECT_EQ(run.outcome.console, kProgram + " " + VELMOR_VERSION + "\n");
    EXPECT_EQ(run.outcome.diagnostics, "");
    expectNothingReadAndNoReport(run);
}

TEST(Arguments, HelpIsTheUsageOnStandardOutput) {
    const RunResult run = runWith({"--help"});
    EXPECT_EQ(run.outcome.exitCode, 0);
    EXPECT_EQ(run.outcome.console.rfind("Usage: " + kProgram + " [--help | --version]\n", 0), 0u)
        << run.outcome.console;
    EXPECT_EQ(run.outcome.diagnostics, "");
    expectNothingReadAndNoReport(run);
}

TEST(Arguments, TheHelpsPipedExampleRunsAWholeSession) {
    const std::string help = runWith({"--help"}).outcome.console;
    const std::size_t start = help.find("\n  printf ");
    ASSERT_NE(start, std::string::npos) << help;
    const std::string example = help.substr(start + 3, help.find('\n', start + 1) - start - 3);
    const std::string binary = VELMOR_BINARY;

    TempDir work;
    Invocation shell;
    shell.binary = "/bin/sh";
    shell.arguments = {"-c", "PATH=\"$1:$PATH\" && " + example, "sh", binary.substr(0, binary.rfind('/'))};
    shell.directory = work.path();
    const Outcome outcome = invoke(shell);
    EXPECT_EQ(outcome.exitCode, 0) << example << "\n" << outcome.diagnostics;
    EXPECT_EQ(outcome.diagnostics, "");

    // The same answers typed directly give the same report: a design table.
    TempDir direct;
    Invocation typed;
    typed.input = "horn.txt\n2\n10 20\n0.2 0.4 0.1\n0 0\n0 0 0\n0 0\n";
    typed.directory = direct.path();
    ASSERT_EQ(invoke(typed).exitCode, 0);
    const std::string report = readFile(work.file("horn.txt"));
    EXPECT_NE(report.find("Aperture Radius   Slant Length"), std::string::npos) << report;
    EXPECT_EQ(report, readFile(direct.file("horn.txt")));
}

TEST(Arguments, AnyOtherArgumentIsStatusTwoAndOneLineOnStandardError) {
    struct Case {
        std::vector<std::string> arguments;
        std::string diagnostic;
    };
    const std::string see = "; see " + kProgram + " --help\n";
    const Case cases[] = {
        {{"--bogus"}, "velmor: unrecognised option \"--bogus\"" + see},
        {{"r.txt"}, "velmor: unexpected argument \"r.txt\": the answers come from standard input" + see},
        {{"--help", "-x"}, "velmor: unrecognised option \"-x\"" + see},
    };
    for (const Case& c : cases) {
        const RunResult run = runWith(c.arguments);
        EXPECT_EQ(run.outcome.exitCode, 2) << c.arguments.front();
        EXPECT_EQ(run.outcome.console, "");
        EXPECT_EQ(run.outcome.diagnostics, c.diagnostic);
        expectNothingReadAndNoReport(run);
    }
}

TEST(Arguments, HelpOrVersionThatCannotBeWrittenIsAnErrorOnUnitSix) {
    struct Case {
        const char* argument;
        Invocation::Output output;
        int status;
        const char* diagnostic;
    };
    const Case cases[] = {
        {"--help", Invocation::Output::devFull, 28,
         "velmor: error 28 on unit 6 (standard output): cannot write: No space left on device\n"},
        {"--version", Invocation::Output::closed, 9,
         "velmor: error 9 on unit 6 (standard output): cannot write: Bad file descriptor\n"},
        {"--version", Invocation::Output::brokenPipe, 32,
         "velmor: error 32 on unit 6 (standard output): cannot write: Broken pipe\n"},
    };
    for (const Case& c : cases) {
        const RunResult run = runWith({c.argument}, c.output);
        EXPECT_EQ(run.outcome.signal, 0);
        EXPECT_EQ(run.outcome.exitCode, c.status) << c.argument;
        EXPECT_EQ(run.outcome.diagnostics, c.diagnostic);
        expectNothingReadAndNoReport(run);
    }
}

}  // namespace

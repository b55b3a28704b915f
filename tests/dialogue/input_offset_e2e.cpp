// A script that runs velmor on part of a file and reads on from there
// (`{ velmor; cat; } < answers`) finds the file's offset just after the last
// line the run consumed, whichever way the run ended: velmor reads its input
// in blocks and hands back what it did not use.

#include <gtest/gtest.h>

#include <csignal>

#include "support/run_binary.hpp"

namespace {

const std::string kLeftOver = "left for the next command\nand this line too\n";

struct Ending {
    const char* name;
    std::string session;  // the lines the run consumes
    std::string after;    // what follows in the file
    int status;
};

const Ending kEndings[] = {
    {"UnitZero", "r.txt\n0\n", kLeftOver, 0},
    {"RestOfTheAnswerLineIsConsumed", "r.txt\n0 7 8\n", kLeftOver, 0},
    {"AnswersOverSeveralLines", "r.txt\n2\n10\n20\n0.2\n0.4 0.1\n0\n0\n0 0 0\n0 0\n", kLeftOver, 0},
    {"BlankNameAskedAgain", "\nr.txt\n0\n", kLeftOver, 0},
    {"LineLongerThanAReadBlock", "r.txt\n" + std::string(100'000, ' ') + "\n0\n", kLeftOver, 0},
    {"MoreThanAReadBlockLeftOver", "r.txt\n0\n", std::string(100'000, '\n'), 0},
    {"BadValue", "r.txt\n2\n10 20\nabc 1\n", kLeftOver, 59},
    {"ReportCannotBeOpened", "none/r.txt\n", kLeftOver, 2},
    {"EndOfInput", "r.txt\n2\n10 20\n", "", 24},
    {"EndOfInputInALastLineWithoutItsEnd", "r.txt\n2\n10", "", 24},
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class InputOffset : public testing::TestWithParam<Ending> {};

TEST_P(InputOffset, StandsJustAfterTheLastLineConsumed) {
    const Ending& ending = GetParam();
    TempDir work;
    Invocation request;
    request.input = ending.session + ending.after;
    request.directory = work.path();
    const Outcome outcome = invoke(request);
    EXPECT_EQ(outcome.exitCode, ending.status) << outcome.diagnostics;
    EXPECT_EQ(outcome.inputOffset, static_cast<long long>(ending.session.size()));
}

INSTANTIATE_TEST_SUITE_P(Endings, InputOffset, testing::ValuesIn(kEndings),
                         [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

TEST(InputOffset, InterruptedInALongTableStandsAfterTheAnswerBeingTabulated) {
    const std::string session = "report.txt\n2\n10 20\n0.1 0.1 1\n2 8\n10 12 0.000000001\n";  // 2e9 rows
    TempDir work;
    Invocation request;
    request.input = session + kLeftOver;
    request.directory = work.path();
    request.output = Invocation::Output::devNull;
    RunningVelmor velmor(request);
    ASSERT_TRUE(waitForFileSize(work.file("report.txt"), 10000));
    velmor.sendSignal(SIGTERM);
    const Outcome outcome = velmor.finish();
    EXPECT_EQ(outcome.exitCode, 128 + SIGTERM);
    EXPECT_EQ(outcome.inputOffset, static_cast<long long>(session.size()));
}

}  // namespace

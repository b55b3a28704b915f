// The diagnostic line and the exit status of each kind of failure.

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

#include "dialogue/diagnostic.hpp"

namespace {

constexpr bool kX87 = kBuild == Build::x87;

TEST(Diagnostic, NamesNumberUnitFileAndWhat) {
    struct Case {
        RunFailure failure;
        const char* line;
    };
    const Case cases[] = {
        {badValue("1..5"), "velmor: error 59 on unit 5 (standard input): bad value \"1..5\" in an answer"},
        {endOfInput(), "velmor: error 24 on unit 5 (standard input): end of input"},
        {{RunFailure::Kind::system, ENOSPC, Unit::report, "cannot write"},
         "velmor: error 28 on unit 66 (file \"out.txt\"): cannot write: No space left on device"},
        {{RunFailure::Kind::system, EPIPE, Unit::consoleOutput, "cannot write"},
         "velmor: error 32 on unit 6 (standard output): cannot write: Broken pipe"},
        {{RunFailure::Kind::interrupted, SIGTERM, Unit::consoleInput, {}}, "velmor: run interrupted by SIGTERM"},
    };
    for (const Case& c : cases) EXPECT_EQ(diagnosticLine(c.failure, "out.txt"), c.line);
    EXPECT_EQ(diagnosticLine(MathError{"log", "singularity"}), "velmor: mathematics error in log: singularity");
}

TEST(Diagnostic, QuotedTextIsOneLineOfPrintableCharacters) {
    EXPECT_EQ(quotedForDiagnostic("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(quotedForDiagnostic(std::string("\0\n\r\t\x7F\x80\xFF", 7)), "\"\\x00\\x0A\\x0D\\x09\\x7F\\x80\\xFF\"");
    EXPECT_EQ(quotedForDiagnostic(std::string(100, 'x'), 5), "\"xxxxx\"...");
    EXPECT_EQ(quotedForDiagnostic(""), "\"\"");
}

TEST(ExitStatus, FollowsTheBuild) {
    struct Case {
        RunFailure failure;
        unsigned vector, x87;
    };
    const Case cases[] = {
        {badValue("x"), 59, 3221225531u},  // 0xC000003B
        {endOfInput(), 24, 3221225496u},   // 0xC0000018
        {{RunFailure::Kind::system, ENOENT, Unit::report, "cannot open the report file"}, 2, 0xC0000002u},
        {{RunFailure::Kind::system, ENOSPC, Unit::report, "cannot write"}, 28, 0xC000001Cu},
        {{RunFailure::Kind::interrupted, SIGINT, Unit::consoleInput, {}}, 130, 130},
        {{RunFailure::Kind::interrupted, SIGHUP, Unit::consoleInput, {}}, 129, 129},
    };
    for (const Case& c : cases) {
        const unsigned status = exitStatus(c.failure);
        EXPECT_EQ(status, kX87 ? c.x87 : c.vector) << diagnosticLine(c.failure, "r");
        EXPECT_EQ(status & 0xFF, c.vector & 0xFF) << "the parent sees the same low byte";
    }
    EXPECT_EQ(exitStatus(MathError{"sqrt", "domain error"}), 3u);
}

}  // namespace

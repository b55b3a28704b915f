// Recorded sessions, run through the real binary of this build.
//
// Each directory under sessions/ is one session:
//   input           the bytes typed, fed on standard input
//   report-name     the report file's name (default report.txt)
//   before          an existing report file, there before the run
//   console, report, diagnostic, status
//                   what the run must leave: console bytes, report bytes
//                   (no file: the report must not exist), the one line on
//                   standard error (no file: nothing), the exit status.
// A file with the build's suffix (console.x87) overrides the shared one for
// that build only.
//
// VELMOR_REGENERATE=1 records the current outputs instead of comparing;
// run it for vector, then x87, and read the diff before committing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "support/run_binary.hpp"

namespace {

const std::string kSessions = std::string(VELMOR_TEST_DATA) + "/dialogue/sessions";

bool regenerating() {
    const char* flag = std::getenv("VELMOR_REGENERATE");
    return flag != nullptr && std::string(flag) == "1";
}

// The expected file for this build: NAME.<build> if present, else NAME.
std::string expectedPath(const std::string& dir, const std::string& name) {
    const std::string specific = dir + "/" + name + "." + kBuildName;
    return fileExists(specific) ? specific : dir + "/" + name;
}

// Records this build's output as the expectation, keeping one shared file
// where both builds agree and a file of each build's own where they differ.
void record(const std::string& dir, const std::string& name, const std::string* actual) {
    const std::string shared = dir + "/" + name, mine = shared + "." + kBuildName;
    const std::string other = shared + "." + (kBuildName == "vector" ? "x87" : "vector");
    std::optional<std::string> theirs;  // what the other build expects now
    if (fileExists(other)) {
        theirs = readFile(other);
    } else if (fileExists(shared)) {
        theirs = readFile(shared);
    }
    for (const std::string& path : {shared, mine, other}) std::remove(path.c_str());
    const bool agree = actual ? theirs == *actual : !theirs;
    if (agree) {
        if (actual) writeFile(shared, *actual);
        return;
    }
    if (theirs) writeFile(other, *theirs);
    if (actual) writeFile(mine, *actual);
}

std::vector<std::string> sessionNames() {
    std::vector<std::string> names = directoryEntries(kSessions);
    std::sort(names.begin(), names.end());
    return names;
}

class Session : public testing::TestWithParam<std::string> {};

TEST_P(Session, ConsoleReportDiagnosticAndStatusAreExact) {
    const std::string dir = kSessions + "/" + GetParam();
    TempDir work;
    std::string reportName = "report.txt";
    if (fileExists(dir + "/report-name")) {
        reportName = readFile(dir + "/report-name");
        reportName.erase(reportName.find_last_not_of('\n') + 1);
    }
    const bool reportInWorkDir = !reportName.empty() && reportName[0] != '/';
    if (fileExists(dir + "/before")) writeFile(work.file(reportName), readFile(dir + "/before"));

    Invocation request;
    request.input = readFile(dir + "/input");
    request.directory = work.path();
    const Outcome outcome = invoke(request);
    ASSERT_EQ(outcome.signal, 0) << "killed by signal " << outcome.signal;

    const std::string reportPath = work.file(reportName);
    const bool reportExists = reportInWorkDir && fileExists(reportPath);
    const std::string report = reportExists ? readFile(reportPath) : std::string();
    const std::string status = std::to_string(outcome.exitCode) + "\n";

    if (regenerating()) {
        record(dir, "console", &outcome.console);
        if (reportInWorkDir) record(dir, "report", reportExists ? &report : nullptr);
        record(dir, "diagnostic", outcome.diagnostics.empty() ? nullptr : &outcome.diagnostics);
        record(dir, "status", &status);
        GTEST_SKIP() << "recorded";
    }

    EXPECT_EQ(outcome.console, readFile(expectedPath(dir, "console"))) << "console bytes";
    const std::string expectedReport = expectedPath(dir, "report");
    if (reportInWorkDir) {
        ASSERT_EQ(reportExists, fileExists(expectedReport)) << "report file existence";
        if (reportExists) {
            EXPECT_EQ(report, readFile(expectedReport)) << "report bytes";
        }
    }
    const std::string expectedDiagnostic = expectedPath(dir, "diagnostic");
    EXPECT_EQ(outcome.diagnostics, fileExists(expectedDiagnostic) ? readFile(expectedDiagnostic) : "")
        << "standard error";
    EXPECT_EQ(status, readFile(expectedPath(dir, "status"))) << "exit status";
}

INSTANTIATE_TEST_SUITE_P(Recorded, Session, testing::ValuesIn(sessionNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace

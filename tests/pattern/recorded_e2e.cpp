// Recorded outputs of the real binary, compared byte for byte.
//
// Each directory under recorded/ is one run:
//   arguments   the command line after the program name, one per line
//   stdout      what it must write; it must also write nothing on standard
//               error and exit 0.
// VELMOR_REGENERATE=1 records the current outputs instead of comparing;
// read the diff before committing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "pattern/run_pattern.hpp"

namespace {

const std::string kRecorded = std::string(VELMOR_TEST_DATA) + "/pattern/recorded";

bool regenerating() {
    const char* flag = std::getenv("VELMOR_REGENERATE");
    return flag != nullptr && std::string(flag) == "1";
}

std::vector<std::string> runNames() {
    std::vector<std::string> names = directoryEntries(kRecorded);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> argumentLines(const std::string& path) {
    std::vector<std::string> arguments;
    std::istringstream in(readFile(path));
    for (std::string line; std::getline(in, line);) arguments.push_back(line);
    return arguments;
}

class RecordedRun : public testing::TestWithParam<std::string> {};

TEST_P(RecordedRun, OutputIsExact) {
    const std::string dir = kRecorded + "/" + GetParam();
    const Outcome outcome = runPattern(argumentLines(dir + "/arguments"));
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.diagnostics, "");
    if (regenerating()) {
        writeFile(dir + "/stdout", outcome.console);
        return;
    }
    EXPECT_EQ(outcome.console, readFile(dir + "/stdout"));
}

INSTANTIATE_TEST_SUITE_P(Recorded, RecordedRun, testing::ValuesIn(runNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace

// Every bad command line through the real binary: exit status 2, exactly
// its one line on standard error, nothing on standard output.

#include <gtest/gtest.h>

#include "pattern/bad_arguments.hpp"
#include "pattern/run_pattern.hpp"

namespace {

class UsageErrorTest : public testing::TestWithParam<BadArguments> {};

TEST_P(UsageErrorTest, StatusTwoOneLineAndNoOutput) {
    const Outcome outcome = runPattern(GetParam().arguments);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.diagnostics, GetParam().diagnostic + "\n");
    EXPECT_EQ(outcome.console, "");
}

INSTANTIATE_TEST_SUITE_P(Table, UsageErrorTest, testing::ValuesIn(kBadArguments));

}  // namespace

// The arguments velmor accepts, and the one line a wrong one gets.

#include <gtest/gtest.h>

#include <vector>

#include "dialogue/command_line.hpp"
#include "horn/arithmetic.hpp"

namespace {

using Action = CommandLine::Action;

const std::string kProgram = kBuild == Build::x87 ? "velmor-x87" : "velmor";

CommandLine read(const std::vector<std::string_view>& arguments) { return readCommandLine(arguments, "9.8.7"); }

struct Case {
    std::vector<std::string_view> arguments;
    Action action;
};

TEST(CommandLine, HelpVersionOrTheDialogue) {
    const Case cases[] = {
        {{}, Action::runDialogue},
        {{"--"}, Action::runDialogue},
        {{"--help"}, Action::showHelp},
        {{"--version"}, Action::showVersion},
        {{"--", "--"}, Action::usageError},  // the second is an operand
        // the first of the two decides
        {{"--help", "--version"}, Action::showHelp},
        {{"--version", "--help"}, Action::showVersion},
        {{"--version", "--version"}, Action::showVersion},
        {{"--help", "--"}, Action::showHelp},
    };
    for (const Case& c : cases) {
        const CommandLine command = read(c.arguments);
        EXPECT_EQ(command.action, c.action) << testing::PrintToString(c.arguments);
        if (c.action == Action::runDialogue) {
            EXPECT_EQ(command.text, "");
        }
    }
}

TEST(CommandLine, VersionIsTheProgramAndTheNumberGiven) {
    EXPECT_EQ(read({"--version"}).text, kProgram + " 9.8.7\n");
}

TEST(CommandLine, HelpNamesThisBuildAndEndsWithItsManual) {
    const std::string help = read({"--help"}).text;
    EXPECT_EQ(help.rfind("Usage: " + kProgram + " [--help | --version]\n\n", 0), 0u) << help;
    const std::string manual = "The manual: man " + kProgram + "\n";
    ASSERT_GE(help.size(), manual.size());
    EXPECT_EQ(help.substr(help.size() - manual.size()), manual);
    EXPECT_EQ(help.find('{'), std::string::npos) << "a field left unfilled: " << help;
    EXPECT_NE(help.find("| " + kProgram + "\n"), std::string::npos) << "the piped example runs this build";
}

TEST(CommandLine, AnyOtherArgumentIsOneUsageErrorNamingIt) {
    struct Error {
        std::vector<std::string_view> arguments;
        std::string line;  // after "velmor: ", before "; see PROGRAM --help"
    };
    const std::string operand = ": the answers come from standard input";
    const Error errors[] = {
        {{"--bogus"}, "unrecognised option \"--bogus\""},
        {{"-h"}, "unrecognised option \"-h\""},
        {{"--hel"}, "unrecognised option \"--hel\""},
        {{"--help=yes"}, "unrecognised option \"--help=yes\""},
        {{"---help"}, "unrecognised option \"---help\""},
        {{"horn.txt"}, "unexpected argument \"horn.txt\"" + operand},
        {{"-"}, "unexpected argument \"-\"" + operand},
        {{""}, "unexpected argument \"\"" + operand},
        {{"--", "--help"}, "unexpected argument \"--help\"" + operand},
        // a wrong argument wins over --help and --version wherever it stands
        {{"--help", "horn.txt"}, "unexpected argument \"horn.txt\"" + operand},
        {{"--version", "--verbose"}, "unrecognised option \"--verbose\""},
        // the first wrong one is named
        {{"--a", "--b"}, "unrecognised option \"--a\""},
        // shown as the diagnostics show text: escaped, and cut after 60
        {{"\x1b[2J"}, "unexpected argument \"\\x1B[2J\"" + operand},
        {{std::string_view("a\0b", 3)}, "unexpected argument \"a\\x00b\"" + operand},
    };
    for (const Error& e : errors) {
        const CommandLine command = read(e.arguments);
        EXPECT_EQ(command.action, Action::usageError) << testing::PrintToString(e.arguments);
        EXPECT_EQ(command.text, "velmor: " + e.line + "; see " + kProgram + " --help\n");
    }
    const std::string longName(100, 'x');
    EXPECT_EQ(read({longName}).text,
              "velmor: unexpected argument \"" + longName.substr(0, 60) + "\"..." + operand + "; see " + kProgram +
                  " --help\n");
}

}  // namespace

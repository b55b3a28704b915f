#pragma once
// The program's arguments. velmor is driven by its prompts and takes none
// but --help and --version; without arguments it runs the dialogue.

#include <span>
#include <string>
#include <string_view>

// A usage error exits with 2 in both builds: it is not a failure of a run.
inline constexpr int kUsageErrorStatus = 2;

struct CommandLine {
    enum class Action { runDialogue, showHelp, showVersion, usageError };
    Action action;
    // showHelp, showVersion: the text for standard output. usageError: the
    // one line for standard error, beginning "velmor:". Each ends in a line
    // feed; empty for runDialogue.
    std::string text;
};

// Reads the arguments after the program's name; `version` is the release's
// number. Every argument is looked at: any that is not --help or --version
// is a usage error naming it (the first such), even after one of them, so a
// mistyped command never does something else quietly. Otherwise the first
// of --help and --version decides. "--" ends the options; velmor takes no
// operands, so anything after it is a usage error too.
CommandLine readCommandLine(std::span<const std::string_view> arguments, std::string_view version);

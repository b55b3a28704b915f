#include "dialogue/command_line.hpp"

#include <utility>

#include "dialogue/diagnostic.hpp"
#include "horn/arithmetic.hpp"

namespace {

constexpr std::string_view kProgram = kBuild == Build::x87 ? "velmor-x87" : "velmor";

// The help, with the build's name, its arithmetic and its exit statuses put
// in for {program}, {build} and {status}.
constexpr std::string_view kHelpTemplate = R"(Usage: {program} [--help | --version]

Designs and analyses conical waveguide horns fed in the TE-11 mode of
circular waveguide: the aperture radius and slant length for a required
gain, and the gain and beamwidths of a given horn over a range of
frequencies. {build}

{program} takes no other arguments: it asks for what it needs at its
prompts and reads each answer from a line of standard input, so a script
can pipe the answers in:

  printf '%s\n' horn.txt 2 '10 20' '0.2 0.4 0.1' '0 0' '0 0 0' '0 0' | {program}

The first answer names the report file, which gets the same tables as the
console, in lines that end in CR LF. Diagnostics go to standard error.

{status}

  --help     show this help and exit
  --version  show the version and exit

The manual: man {program}
)";

constexpr std::string_view kThisBuild =
    kBuild == Build::x87
        ? "This is the x87 build (the x87 unit with a 53-bit\n"
          "significand, rounding to single precision where a value is stored);\n"
          "velmor is the vector build."
        : "This is the vector build (single-precision SSE with\n"
          "flush-to-zero); velmor-x87 is the x87 build.";

constexpr std::string_view kExitStatus =
    kBuild == Build::x87
        ? "Exit status: 0 at a normal end; 2 for a usage error; 3 for a\n"
          "mathematics error; 59 for a bad answer; 24 for the end of input; the\n"
          "system's error number when the report or the console cannot be opened\n"
          "or written; 128 plus the signal's number after SIGINT, SIGTERM or\n"
          "SIGHUP. For 59, 24 and the system's errors velmor-x87 exits with\n"
          "0xC0000000 plus the number, of which a shell sees the number itself."
        : "Exit status: 0 at a normal end; 2 for a usage error; 59 for a bad\n"
          "answer; 24 for the end of input; the system's error number when the\n"
          "report or the console cannot be opened or written; 128 plus the\n"
          "signal's number after SIGINT, SIGTERM or SIGHUP.";

std::string helpText() {
    std::string text(kHelpTemplate);
    const std::pair<std::string_view, std::string_view> fields[] = {
        {"{program}", kProgram}, {"{build}", kThisBuild}, {"{status}", kExitStatus}};
    for (const auto& [field, value] : fields)
        for (std::size_t at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size()))
            text.replace(at, field.size(), value);
    return text;
}

CommandLine usageError(const std::string& what) {
    return {CommandLine::Action::usageError, "velmor: " + what + "; see " + std::string(kProgram) + " --help\n"};
}

}  // namespace

CommandLine readCommandLine(std::span<const std::string_view> arguments, std::string_view version) {
    CommandLine::Action action = CommandLine::Action::runDialogue;
    bool optionsEnded = false;
    for (const std::string_view argument : arguments) {
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (isOption && argument == "--") {
            optionsEnded = true;
        } else if (isOption && (argument == "--help" || argument == "--version")) {
            if (action == CommandLine::Action::runDialogue)
                action = argument == "--help" ? CommandLine::Action::showHelp : CommandLine::Action::showVersion;
        } else if (isOption) {
            return usageError("unrecognised option " + quotedForDiagnostic(argument));
        } else {
            return usageError("unexpected argument " + quotedForDiagnostic(argument) +
                              ": the answers come from standard input");
        }
    }
    if (action == CommandLine::Action::showHelp) return {action, helpText()};
    if (action == CommandLine::Action::showVersion)
        return {action, std::string(kProgram) + " " + std::string(version) + "\n"};
    return {action, {}};
}

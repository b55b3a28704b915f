// velmor: design and analysis of conical waveguide horns in the TE-11 mode.
//
// Every failure of the run arrives here as an exception: the report is
// completed after its last record, the console's open line is ended, one
// diagnostic goes to standard error, and the process exits with the build's
// status for the failure. At every end of the run, standard input is left
// just after the last line the run consumed.

#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "dialogue/command_line.hpp"
#include "dialogue/diagnostic.hpp"
#include "dialogue/driver.hpp"
#include "dialogue/interrupts.hpp"
#include "horn/arithmetic.hpp"

namespace {

void writeToStandardError(const std::string& line) {
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
}

int fail(TextStreams& io, const std::string& diagnostic, unsigned status) {
    completeAfterFailure(io);
    writeToStandardError(diagnostic + "\n");
    return static_cast<int>(status);  // the parent sees the low byte
}

// The help or the version goes out like console output: a write error
// there is a failure on unit 6, not a silent success.
void show(const std::string& text) {
    OutputStream out(STDOUT_FILENO, Unit::consoleOutput);
    out.append(text);
    out.flush();
}

int run(TextStreams& io, const CommandLine& command) {
    try {
        if (command.action == CommandLine::Action::runDialogue) {
            runDialogue(io);
        } else {
            show(command.text);
        }
        return 0;
    } catch (const RunFailure& failure) {
        return fail(io, diagnosticLine(failure, io.report.name()), exitStatus(failure));
    } catch (const MathError& error) {
        return fail(io, diagnosticLine(error), exitStatus(error));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);  // argc may be 0
    const CommandLine command = readCommandLine(arguments, VELMOR_VERSION);
    if (command.action == CommandLine::Action::usageError) {
        writeToStandardError(command.text);
        return kUsageErrorStatus;
    }
    setArithmeticEnvironment();
    installInterruptHandlers();
    TextStreams io;
    const int status = run(io, command);
    io.input.giveBackUnread();
    return status;
}

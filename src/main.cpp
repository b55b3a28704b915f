// velmor: design and analysis of conical waveguide horns in the TE-11 mode.
//
// Every failure of the run arrives here as an exception: the report is
// completed after its last record, the console's open line is ended, one
// diagnostic goes to standard error, and the process exits with the build's
// status for the failure. At every end of the run, standard input is left
// just after the last line the run consumed.

#include <string>
#include <unistd.h>

#include "dialogue/diagnostic.hpp"
#include "dialogue/driver.hpp"
#include "dialogue/interrupts.hpp"
#include "horn/arithmetic.hpp"

namespace {

int fail(TextStreams& io, const std::string& diagnostic, unsigned status) {
    completeAfterFailure(io);
    const std::string line = diagnostic + "\n";
    [[maybe_unused]] const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
    return static_cast<int>(status);  // the parent sees the low byte
}

int run(TextStreams& io) {
    try {
        runDialogue(io);
        return 0;
    } catch (const RunFailure& failure) {
        return fail(io, diagnosticLine(failure, io.report.name()), exitStatus(failure));
    } catch (const MathError& error) {
        return fail(io, diagnosticLine(error), exitStatus(error));
    }
}

}  // namespace

int main() {
    setArithmeticEnvironment();
    installInterruptHandlers();
    TextStreams io;
    const int status = run(io);
    io.input.giveBackUnread();
    return status;
}

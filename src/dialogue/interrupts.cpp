#include "dialogue/interrupts.hpp"

#include "dialogue/failure.hpp"

namespace {

volatile sig_atomic_t gSignal = 0;
sigset_t gSet;

void recordSignal(int signal) {
    if (gSignal == 0) gSignal = signal;
}

}  // namespace

void installInterruptHandlers() {
    sigemptyset(&gSet);
    struct sigaction action = {};
    action.sa_handler = recordSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&gSet, signal);
        sigaction(signal, &action, nullptr);
    }
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    for (int signal : {SIGPIPE, SIGXFSZ}) sigaction(signal, &ignore, nullptr);
}

int pendingInterrupt() { return gSignal; }

void stopIfInterrupted() {
    if (gSignal != 0) throw RunFailure{RunFailure::Kind::interrupted, gSignal, Unit::consoleInput, {}};
}

const sigset_t& interruptSignals() { return gSet; }

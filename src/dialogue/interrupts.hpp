#pragma once
// SIGINT, SIGTERM and SIGHUP stop the run cleanly. The handler only records
// the signal; the streams look at it before every layout they write and
// while waiting for input, and end the run through the one failure path.

#include <signal.h>

// Installs the handlers (without SA_RESTART, so a blocked read or write
// returns EINTR) and ignores SIGPIPE and SIGXFSZ, so a vanished reader
// (EPIPE) and a file-size limit (EFBIG) are reported as write errors, with
// the report cut back to its last whole record, instead of killing the
// process in the middle of one.
void installInterruptHandlers();

// The signal that arrived, or 0.
int pendingInterrupt();

// Throws RunFailure interrupted if a signal has arrived.
void stopIfInterrupted();

// The set of the three signals, for blocking them around a wait.
const sigset_t& interruptSignals();

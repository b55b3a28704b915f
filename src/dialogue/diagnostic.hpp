#pragma once
// What the user is told when a run fails, and the exit status it ends with.

#include <string>
#include <string_view>

#include "dialogue/failure.hpp"
#include "horn/arithmetic.hpp"

// One line, without its line end, beginning "velmor:". It names the error
// number, what went wrong, the unit and its file; an error 59 quotes the
// offending value. `reportName` is the report file's name as opened.
std::string diagnosticLine(const RunFailure& failure, std::string_view reportName);
std::string diagnosticLine(const MathError& error);

// The vector build exits with the error number itself. The x87 build adds
// the error base 0xC0000000; the parent sees the low byte, the same number.
// An interrupted run exits with 128 plus the signal, a mathematics error
// with 3.
unsigned exitStatus(const RunFailure& failure);
unsigned exitStatus(const MathError& error);

// Text as it may be shown in a diagnostic: in double quotes, with control
// characters, bytes above 126, quotes and backslashes escaped, and cut to
// `limit` characters of the original with "..." after it.
std::string quotedForDiagnostic(std::string_view text, std::size_t limit = 60);

#pragma once
// Why a run ends before ENDRUN. Thrown where the failure is found; only the
// program's entry catches it, writes the diagnostic, completes the report
// and exits with the build's status.

#include <string>
#include <string_view>

// Unit numbers: the user sees them in the blank-name prompt and diagnostics.
enum class Unit : int { consoleInput = 5, consoleOutput = 6, report = 66 };

struct RunFailure {
    enum class Kind {
        badValue,     // an answer's value is not of the free form: error 59
        endOfInput,   // console input ended while an answer was awaited: 24
        system,       // opening or writing a stream failed: errno
        interrupted,  // SIGINT, SIGTERM or SIGHUP: number is the signal
    };
    Kind kind;
    int number;
    Unit unit;
    std::string detail;  // badValue: the offending value as typed
};

inline constexpr int kBadValueError = 59;
inline constexpr int kEndOfInputError = 24;

inline RunFailure badValue(std::string_view typed) {
    return {RunFailure::Kind::badValue, kBadValueError, Unit::consoleInput, std::string(typed)};
}
inline RunFailure endOfInput() {
    return {RunFailure::Kind::endOfInput, kEndOfInputError, Unit::consoleInput, {}};
}

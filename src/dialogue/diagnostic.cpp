#include "dialogue/diagnostic.hpp"

#include <cstring>
#include <signal.h>

namespace {

constexpr unsigned kX87ErrorBase = 0xC0000000u;
constexpr unsigned kInterruptBase = 128;   // the shell's convention for a signal
constexpr unsigned kMathErrorStatus = 3;

std::string fileOfUnit(Unit unit, std::string_view reportName) {
    switch (unit) {
    case Unit::consoleInput: return "standard input";
    case Unit::consoleOutput: return "standard output";
    case Unit::report: return "file " + quotedForDiagnostic(reportName);
    }
    return {};
}

const char* signalName(int signal) {
    switch (signal) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    case SIGHUP: return "SIGHUP";
    }
    return "a signal";
}

}  // namespace

std::string quotedForDiagnostic(std::string_view text, std::size_t limit) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c > 0x7E) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += char(c);
        }
    }
    out += '"';
    if (text.size() > limit) out += "...";
    return out;
}

std::string diagnosticLine(const RunFailure& failure, std::string_view reportName) {
    if (failure.kind == RunFailure::Kind::interrupted)
        return std::string("velmor: run interrupted by ") + signalName(failure.number);

    std::string what;
    switch (failure.kind) {
    case RunFailure::Kind::badValue: what = "bad value " + quotedForDiagnostic(failure.detail) + " in an answer"; break;
    case RunFailure::Kind::endOfInput: what = "end of input"; break;
    case RunFailure::Kind::system: what = failure.detail + ": " + std::strerror(failure.number); break;
    case RunFailure::Kind::interrupted: break;
    }
    return "velmor: error " + std::to_string(failure.number) + " on unit " + std::to_string(int(failure.unit)) +
           " (" + fileOfUnit(failure.unit, reportName) + "): " + what;
}

std::string diagnosticLine(const MathError& error) {
    return std::string("velmor: mathematics error in ") + error.function + ": " + error.kind;
}

unsigned exitStatus(const RunFailure& failure) {
    if (failure.kind == RunFailure::Kind::interrupted) return kInterruptBase + unsigned(failure.number);
    if constexpr (kBuild == Build::x87) return kX87ErrorBase + unsigned(failure.number);
    return unsigned(failure.number);
}

unsigned exitStatus(const MathError&) { return kMathErrorStatus; }

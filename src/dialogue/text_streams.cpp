#include "dialogue/text_streams.hpp"

#include <algorithm>
#include <unistd.h>

#include "dialogue/failure.hpp"

namespace {

constexpr int kConsoleInputFd = 0;
constexpr int kConsoleOutputFd = 1;

constexpr std::string_view kBlankNameMessage = "File name missing or blank - please enter file name";
constexpr std::string_view kBlankNamePrompt = "UNIT 66?";
constexpr std::string_view kClosingLine = "Stop - Program terminated.";

ConsoleOutput::Discipline consoleDiscipline() {
    if (kBuild == Build::x87 && ::isatty(kConsoleOutputFd)) return ConsoleOutput::Discipline::firstCharacterControl;
    return ConsoleOutput::Discipline::plainLines;
}

void flushOutputs(TextStreams& io) {
    io.report.stream().flush();
    io.console.stream().flush();
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

}  // namespace

TextStreams::TextStreams()
    : input(kConsoleInputFd),
      console(kConsoleOutputFd, consoleDiscipline(), ::isatty(kConsoleInputFd) && ::isatty(kConsoleOutputFd)) {}

void WRITELAYOUT(TextStreams& io, Route route, Layout layout, std::initializer_list<Real> values,
                 std::string_view label) {
    RenderedLayout rendered;
    renderLayout(layout, std::span<const Real>(values.begin(), values.size()), label, rendered);
    if (route != Route::console) io.report.write(rendered);
    if (route != Route::report) io.console.write(rendered);
}

void READANSWER(TextStreams& io, std::initializer_list<AnswerTarget> targets) {
    flushOutputs(io);
    READANSWER(io.input, std::span<const AnswerTarget>(targets.begin(), targets.size()));
    io.console.answerRead();
}

void READNAME(TextStreams& io, ReportName& name) {
    flushOutputs(io);
    std::string_view line;
    if (!io.input.nextLine(line)) throw endOfInput();
    io.console.answerRead();
    const std::size_t kept = std::min(line.size(), name.size());
    std::copy_n(line.begin(), kept, name.begin());
    std::fill(name.begin() + kept, name.end(), ' ');
}

void OPENREPORT(TextStreams& io, const ReportName& name) {
    ReportName field = name;
    std::string_view trimmed = withoutTrailingBlanks({field.data(), field.size()});
    while (trimmed.empty()) {
        io.console.fullLine(kBlankNameMessage);
        io.console.fullPrompt(kBlankNamePrompt);
        READNAME(io, field);
        trimmed = withoutTrailingBlanks({field.data(), field.size()});
    }
    io.report.open(trimmed);
}

void ENDRUN(TextStreams& io) {
    io.report.complete();
    if constexpr (kBuild == Build::x87) io.console.fullLine(kClosingLine);
    io.console.endOpenLine();
    io.console.stream().flush();
}

void completeAfterFailure(TextStreams& io) noexcept {
    io.report.completeAfterFailure();
    try {
        io.console.endOpenLine();
        io.console.stream().flush();
    } catch (const RunFailure&) {
        io.console.stream().discard();
    }
}

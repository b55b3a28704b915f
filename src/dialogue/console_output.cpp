#include "dialogue/console_output.hpp"

#include "dialogue/interrupts.hpp"

static constexpr std::string_view kLineEnd = "\r\n";

ConsoleOutput::ConsoleOutput(int fd, Discipline discipline, bool echoEndsAnswerLine)
    : stream_(fd, Unit::consoleOutput), discipline_(discipline), echoEndsAnswerLine_(echoEndsAnswerLine) {}

void ConsoleOutput::startLine(std::string_view shown, bool endsLine) {
    if (discipline_ == Discipline::firstCharacterControl) {
        if (lineOpen_) stream_.append(kLineEnd);
        stream_.append(shown);
        lineOpen_ = true;  // the next record's advance ends this line
        return;
    }
    stream_.append(shown);
    if (endsLine) stream_.append(kLineEnd);
    lineOpen_ = !endsLine;
}

void ConsoleOutput::write(const RenderedLayout& layout) {
    for (int i = 0; i < layout.count(); ++i) {
        stopIfInterrupted();
        std::string_view text = layout.record(i);
        if (discipline_ == Discipline::firstCharacterControl && !text.empty()) text.remove_prefix(1);
        startLine(text, !(layout.staysOnLine() && i == layout.count() - 1));
    }
}

void ConsoleOutput::fullLine(std::string_view text) { startLine(text, true); }

void ConsoleOutput::fullPrompt(std::string_view text) { startLine(text, false); }

void ConsoleOutput::answerRead() {
    if (!echoEndsAnswerLine_) stream_.append(kLineEnd);
    lineOpen_ = false;
}

void ConsoleOutput::endOpenLine() {
    if (lineOpen_) stream_.append(kLineEnd);
    lineOpen_ = false;
}

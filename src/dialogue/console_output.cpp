#include "dialogue/console_output.hpp"

#include "dialogue/interrupts.hpp"

// The line end of every line, the one the rendered records carry.
static constexpr std::string_view kLineEnd = RenderedLayout::kLineEnd;

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
    if (layout.count() == 0) return;
    if (discipline_ == Discipline::plainLines) {
        // The layout's lines as they stand, less the line end of a prompt.
        stopIfInterrupted();
        std::string_view bytes = layout.lines();
        if (layout.staysOnLine()) bytes.remove_suffix(kLineEnd.size());
        stream_.append(bytes);
        lineOpen_ = layout.staysOnLine();
        return;
    }
    for (int i = 0; i < layout.count(); ++i) {
        stopIfInterrupted();
        std::string_view text = layout.record(i);
        if (!text.empty()) text.remove_prefix(1);  // the control character
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

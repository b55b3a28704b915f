#pragma once
// Console output (unit 6) and its line discipline.
//
// Plain lines: a record is its characters and CR LF; a prompt is its
// characters, and the cursor stays after them.
//
// First-character control (the x87 build on a terminal): the first character
// of a record steers the line advance and is not shown. Every record begins
// with a blank or is empty, so a record is shown as CR LF and the rest of
// its text; the CR LF is left out where the cursor already stands at the
// start of a fresh line (the first record of the run, after an answer typed
// at a terminal). The line a record starts stays open until the next one.
//
// After an answer has been read, the line it was typed on must end. A
// terminal's echo of the Enter key does that when input and output are both
// terminals; otherwise the program writes the line end itself.

#include <string_view>

#include "dialogue/layouts.hpp"
#include "dialogue/output_stream.hpp"

class ConsoleOutput {
public:
    enum class Discipline { plainLines, firstCharacterControl };

    ConsoleOutput(int fd, Discipline discipline, bool echoEndsAnswerLine);

    void write(const RenderedLayout& layout);

    // A line that is not a layout record: shown in full under either
    // discipline. The prompt form leaves the cursor on its line.
    void fullLine(std::string_view text);
    void fullPrompt(std::string_view text);

    // An answer has been read from the line the cursor stands on.
    void answerRead();

    // Ends a line left open, as at the end of the run.
    void endOpenLine();

    OutputStream& stream() { return stream_; }

private:
    void startLine(std::string_view shown, bool endsLine);

    OutputStream stream_;
    Discipline discipline_;
    bool echoEndsAnswerLine_;
    bool lineOpen_ = false;  // the cursor is not at the start of a line
};

#pragma once
// The run's text streams and the operations the dialogue driver needs of
// them: READNAME, OPENREPORT, READANSWER, WRITELAYOUT and ENDRUN. Failures
// are thrown as RunFailure; none is handled here.

#include <array>
#include <initializer_list>
#include <span>
#include <string_view>

#include "dialogue/answer_reader.hpp"
#include "dialogue/console_input.hpp"
#include "dialogue/console_output.hpp"
#include "dialogue/layouts.hpp"
#include "dialogue/report_file.hpp"

// The report-file name as typed: exactly 70 characters, blank-padded.
using ReportName = std::array<char, 70>;

struct TextStreams {
    // Console input and output on the standard descriptors, with the line
    // discipline the build and the terminals call for.
    TextStreams();

    ConsoleInput input;
    ConsoleOutput console;
    ReportFile report;
};

enum class Route { console, report, reportThenConsole };

// Renders the layout once and writes it to the streams of the route.
void WRITELAYOUT(TextStreams& io, Route route, Layout layout, std::initializer_list<Real> values = {},
                 std::string_view label = {});

// Reads one answer; before waiting, everything written so far goes out.
void READANSWER(TextStreams& io, std::initializer_list<AnswerTarget> targets);

// Reads the next whole line into the name field: its first 70 characters,
// padded with blanks.
void READNAME(TextStreams& io, ReportName& name);

// Opens the report under the name, trailing blanks removed. A blank name is
// asked for again, as often as needed.
void OPENREPORT(TextStreams& io, const ReportName& name);

// The normal end: completes and closes the report, ends the console's open
// line (the x87 build first shows its closing line) and writes everything
// out. The process then exits with status 0.
void ENDRUN(TextStreams& io);

// After a failure: the same completion, reporting nothing, so that the
// diagnostic that follows stands on a line of its own.
void completeAfterFailure(TextStreams& io) noexcept;

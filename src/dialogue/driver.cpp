#include "dialogue/driver.hpp"

#include <cstdint>
#include <string_view>

#include "dialogue/table_rows.hpp"
#include "dialogue/units.hpp"
#include "horn/beamwidth.hpp"
#include "horn/dimensions.hpp"
#include "horn/gain.hpp"

namespace {

// The dialogue variables: zero at the start, kept for the whole run, never
// reset when a loop is left or entered again.
struct DialogueVariables {
    std::int32_t unit = 0;
    bool bannerWritten = false;
    Real designFrequency = 0, requiredGain = 0;
    Real sStart = 0, sStop = 0, sStep = 0, phaseDeviation = 0;
    Real apertureRadius = 0;  // shared: HCRGN writes it, the horn-size prompt too
    Real designSlant = 0, hornSlant = 0;
    Real frequencyStart = 0, frequencyStop = 0, frequencyStep = 0, rowFrequency = 0;
    Real hornGain = 0, beam3E = 0, beam3H = 0, beam10E = 0, beam10H = 0;
    ReportName reportName{};
};

Real toPrinted(Real inches, std::int32_t unit) { return Real(Wide(inches) * UNITFAC[unit]); }
Real toInches(Real entered, std::int32_t unit) { return Real(Wide(entered) / UNITFAC[unit]); }

void designTable(TextStreams& io, DialogueVariables& v) {
    const std::int32_t rows = tableRowCount(v.sStart, v.sStop, v.sStep);
    WRITELAYOUT(io, Route::report, Layout::designHeading, {v.requiredGain, v.designFrequency}, UNITLBL[v.unit]);
    WRITELAYOUT(io, Route::console, Layout::designColumnHeading);
    for (std::int32_t row = 1; row <= rows; ++row) {
        v.phaseDeviation = tableRowValue(row, v.sStart, v.sStep);
        HCRGN(v.designFrequency, v.requiredGain, v.phaseDeviation, v.apertureRadius, v.designSlant);
        WRITELAYOUT(io, Route::reportThenConsole, Layout::designRow,
                    {v.phaseDeviation, toPrinted(v.apertureRadius, v.unit), toPrinted(v.designSlant, v.unit)});
    }
}

void analysisTable(TextStreams& io, DialogueVariables& v) {
    const std::int32_t rows = tableRowCount(v.frequencyStart, v.frequencyStop, v.frequencyStep);
    WRITELAYOUT(io, Route::reportThenConsole, Layout::analysisHeading,
                {toPrinted(v.apertureRadius, v.unit), toPrinted(v.hornSlant, v.unit)});
    for (std::int32_t row = 1; row <= rows; ++row) {
        v.rowFrequency = tableRowValue(row, v.frequencyStart, v.frequencyStep);
        CHNGN(v.rowFrequency, v.apertureRadius, v.hornSlant, v.hornGain);
        HCWBW(v.rowFrequency, v.apertureRadius, v.hornSlant, v.beam3E, v.beam3H, v.beam10E, v.beam10H);
        WRITELAYOUT(io, Route::reportThenConsole, Layout::analysisRow,
                    {v.rowFrequency, v.hornGain, v.beam3E, v.beam3H, v.beam10E, v.beam10H});
    }
}

// Each loop below is one prompt of the chain; an answer whose tested value
// is exactly zero (negative zero included, NaN never) leaves it for the
// prompt before.
void hornSizePrompt(TextStreams& io, DialogueVariables& v) {
    for (;;) {
        WRITELAYOUT(io, Route::console, Layout::hornSizePrompt);
        READANSWER(io, {&v.apertureRadius, &v.hornSlant});
        v.apertureRadius = toInches(v.apertureRadius, v.unit);
        v.hornSlant = toInches(v.hornSlant, v.unit);
        if (v.apertureRadius == 0) return;
        for (;;) {
            WRITELAYOUT(io, Route::console, Layout::frequencyRangePrompt);
            READANSWER(io, {&v.frequencyStart, &v.frequencyStop, &v.frequencyStep});
            if (v.frequencyStep == 0) break;
            analysisTable(io, v);
        }
    }
}

void phaseDeviationPrompt(TextStreams& io, DialogueVariables& v) {
    for (;;) {
        WRITELAYOUT(io, Route::console, Layout::phaseDeviationPrompt);
        READANSWER(io, {&v.sStart, &v.sStop, &v.sStep});
        if (v.sStep == 0) return;
        designTable(io, v);
        hornSizePrompt(io, v);
    }
}

}  // namespace

void runDialogue(TextStreams& io) {
    DialogueVariables v;
    WRITELAYOUT(io, Route::console, Layout::openingTitle);
    WRITELAYOUT(io, Route::console, Layout::fileNamePrompt);
    READNAME(io, v.reportName);
    OPENREPORT(io, v.reportName);

    // Only codes 1 and 2 have a label and a factor: any other code is asked
    // for again.
    do {
        WRITELAYOUT(io, Route::console, Layout::unitPrompt);
        READANSWER(io, {&v.unit});
        if (v.unit == 0) return ENDRUN(io);
    } while (v.unit != 1 && v.unit != 2);

    for (;;) {
        WRITELAYOUT(io, Route::console, Layout::frequencyGainPrompt);
        READANSWER(io, {&v.designFrequency, &v.requiredGain});
        if (v.designFrequency == 0) return ENDRUN(io);
        if (!v.bannerWritten) {
            WRITELAYOUT(io, Route::report, Layout::bannerNameLine);
            WRITELAYOUT(io, Route::report, Layout::bannerCreditLine);
            v.bannerWritten = true;
        }
        phaseDeviationPrompt(io, v);
    }
}

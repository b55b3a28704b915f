// The report on fixed values: its layout, velmor's digits for the table
// model, dashes where no value exists, and the notes.

#include "pattern/report_output.hpp"

#include <gtest/gtest.h>

#include "pattern/report_notes.hpp"
#include "pattern/summary_fixture.hpp"

namespace pattern {
namespace {

TEST(ReportOutputTest, Layout) {
    StringSink out;
    // The grid of the axis alone, from a horn of its own: the table rows
    // come from the pattern, the rest from the summary.
    writeReport(sampleSummary(), aperture::HornPattern(2.0943951023931953, 0.020833333333333332), angleGrid(1, 0.5),
                out);
    EXPECT_EQ(out.text(), R"(Conical horn in the TE11 mode: the pattern from its aperture field

Horn
  aperture radius a                   1.2500 cm
  slant length L                     10.0000 cm
  flare half-angle asin(a/L)          7.1808 deg
  axial length sqrt(L^2-a^2)          9.9216 cm

Frequency
  f                                   8.0000 GHz
  wavelength lambda                   3.7500 cm
  ka = 2 pi a / lambda                2.0944
  S = a^2 / (2 lambda L)              0.0208 wavelengths

                                 table model  integrated
  gain, directivity (dB)                1.50       0.000
  3 dB E-plane beamwidth (deg)         100.3      120.12
  3 dB H-plane beamwidth (deg)           NaN        0.06
  10 dB E-plane beamwidth (deg)          0.1           -
  10 dB H-plane beamwidth (deg)          NaN        0.10

Phase centre, behind the aperture     d (cm)    d/lambda   fitted over
  E plane                             0.0000      0.0000   0 to 90.00 deg
  H plane                                  -           -   0 to 0.05 deg

Cross-polar peak, 45 deg plane
  level                                 -inf dB
  at theta                              0.00 deg

Notes
- No table 3 dB H-plane beamwidth: its pattern point u = 2.0377
  lies beyond ka = 2.0944, where sin(theta) = u / ka has no angle.
- No table 10 dB H-plane beamwidth: its pattern point u = 3.5191
  lies beyond ka = 2.0944, where sin(theta) = u / ka has no angle.
- The E-plane pattern stays above -10 dB up to 90 deg: it has no integrated
  10 dB beamwidth, and its phase centre is fitted from 0 to 90 deg.
- No H-plane phase centre: fewer than two fit points, one each 0.1 deg,
  lie within its 10 dB angle.

Pattern: levels in dB relative to the on-axis co-polar power; phases in deg
relative to the axis, referred to the centre of the aperture
   theta   E plane   H plane  cross 45   E phase   H phase
     deg        dB        dB        dB       deg       deg
       0      0.00      0.00      -inf       0.0       0.0
)");
}

bool hasNote(const std::vector<std::string>& notes, std::string_view start) {
    for (const std::string& note : notes) {
        if (note.starts_with(start)) return true;
    }
    return false;
}

TEST(ReportNotesTest, TheTablesEndsAndTheRim) {
    HornSummary summary = sampleSummary();
    const struct {
        double s;
        double lastAngle;
        bool gain, beamwidths, rim;
    } cases[] = {
        {0.72, 60, false, false, false},
        {0.7200001, 60.001, false, true, true},
        {0.8, 90, false, true, true},
        {0.8000001, 180, true, true, true},
    };
    for (const auto& c : cases) {
        summary.horn.s = c.s;
        const std::vector<std::string> notes = reportNotes(summary, c.lastAngle);
        EXPECT_EQ(hasNote(notes, "- S is above 0.8,"), c.gain) << c.s;
        EXPECT_EQ(hasNote(notes, "- S is above 0.72,"), c.beamwidths) << c.s;
        EXPECT_EQ(hasNote(notes, "- Beyond about 60 deg"), c.rim) << c.lastAngle;
    }
}

TEST(ReportNotesTest, NoneForAHornInEveryRange) {
    HornSummary summary = sampleSummary();
    summary.table.beamwidth[1] = summary.table.beamwidth[3] = 20;
    for (auto& width : summary.integrated.beamwidthDeg) width = 20;
    summary.integrated.phaseCentre[1].wavelengths = 0.1;
    EXPECT_TRUE(reportNotes(summary, 60).empty());
}

TEST(ReportNotesTest, EachLineFitsEighty) {
    HornSummary summary = sampleSummary();
    summary.horn.s = 0.9;
    for (const std::string& note : reportNotes(summary, 90)) {
        for (std::size_t start = 0, end; start < note.size(); start = end + 1) {
            end = note.find('\n', start);
            ASSERT_NE(end, std::string::npos) << note;
            EXPECT_LE(end - start, 80u) << note;
        }
    }
}

}  // namespace
}  // namespace pattern

#include "pattern/report_output.hpp"

#include <cmath>
#include <string>

#include "dialogue/render_fixed.hpp"
#include "pattern/beamwidths.hpp"
#include "pattern/decimal_text.hpp"
#include "pattern/pattern_row.hpp"
#include "pattern/report_notes.hpp"

namespace pattern {

namespace {

constexpr int kLabelWidth = 32;   // "  label" padded to this
constexpr int kValueWidth = 12;   // each value column, right-justified
constexpr int kAngleWidth = 8;    // the pattern table's theta column
constexpr int kColumnWidth = 10;  // its other columns
constexpr int kLengthDecimals = 4;
constexpr int kTableLevelDecimals = 2;
constexpr int kTablePhaseDecimals = 1;
constexpr std::string_view kMissing = "-";

// The fields of velmor's analysis row: its digits are the table model's.
struct VelmorField {
    int width, decimals;
};
constexpr VelmorField kGainField{7, 2};
constexpr VelmorField kBeamwidthField{8, 1};

void rightJustified(std::string& out, std::string_view text, int width) {
    if (static_cast<int>(text.size()) < width) out.append(width - text.size(), ' ');
    out += text;
}

std::string fixed(double value, int decimals) {
    std::string text;
    appendFixed(text, value, decimals);
    return text;
}

std::string fixed(const std::optional<double>& value, int decimals) {
    return value ? fixed(*value, decimals) : std::string(kMissing);
}

// velmor's field for a table value, without its leading blanks.
std::string velmorField(Real value, VelmorField shape) {
    char field[20];
    const std::string_view text(field, RENDERFIXED(field, value, shape.width, shape.decimals));
    return std::string(text.substr(text.find_first_not_of(' ')));
}

// Contract: text shorter than kLabelWidth - 2.
void label(std::string& out, std::string_view text) {
    out += "  ";
    out += text;
    out.append(kLabelWidth - 2 - text.size(), ' ');
}

// "  label          value unit"
void quantity(std::string& out, std::string_view name, const std::string& value, std::string_view unit = {}) {
    label(out, name);
    rightJustified(out, value, kValueWidth);
    if (!unit.empty()) {
        out += ' ';
        out += unit;
    }
    out += '\n';
}

void hornSection(std::string& out, const HornSummary& summary) {
    const HornQuantities& horn = summary.horn;
    const std::string_view unit = unitName(summary.unit);
    out += "Horn\n";
    quantity(out, "aperture radius a", fixed(horn.radius, kLengthDecimals), unit);
    quantity(out, "slant length L", fixed(horn.slant, kLengthDecimals), unit);
    quantity(out, "flare half-angle asin(a/L)", fixed(horn.flareHalfAngleDeg, 4), "deg");
    quantity(out, "axial length sqrt(L^2-a^2)", fixed(horn.axialLength, kLengthDecimals), unit);
    out += '\n';
    out += "Frequency\n";
    quantity(out, "f", fixed(horn.frequencyGHz, 4), "GHz");
    quantity(out, "wavelength lambda", fixed(horn.wavelength, kLengthDecimals), unit);
    quantity(out, "ka = 2 pi a / lambda", fixed(horn.ka, 4));
    quantity(out, "S = a^2 / (2 lambda L)", fixed(horn.s, 4), "wavelengths");
    out += '\n';
}

void comparisonSection(std::string& out, const HornSummary& summary) {
    label(out, "");
    rightJustified(out, "table model", kValueWidth);
    rightJustified(out, "integrated", kValueWidth);
    out += '\n';
    label(out, "gain, directivity (dB)");
    rightJustified(out, velmorField(summary.table.gain, kGainField), kValueWidth);
    rightJustified(out, fixed(summary.integrated.directivityDb, 3), kValueWidth);
    out += '\n';
    for (int n = 0; n < 4; ++n) {
        label(out, std::string(kBeamwidths[n].name) + " beamwidth (deg)");
        rightJustified(out, velmorField(summary.table.beamwidth[n], kBeamwidthField), kValueWidth);
        rightJustified(out, fixed(summary.integrated.beamwidthDeg[n], 2), kValueWidth);
        out += '\n';
    }
    out += '\n';
}

void phaseCentreSection(std::string& out, const HornSummary& summary) {
    constexpr std::string_view kTitle = "Phase centre, behind the aperture";
    out += kTitle;
    rightJustified(out, "d (" + std::string(unitName(summary.unit)) + ")",
                   kLabelWidth + kValueWidth - static_cast<int>(kTitle.size()));
    rightJustified(out, "d/lambda", kValueWidth);
    out += "   fitted over\n";
    const char* planes[2] = {"E plane", "H plane"};
    for (int plane = 0; plane < 2; ++plane) {
        const PhaseCentre& centre = summary.integrated.phaseCentre[plane];
        label(out, planes[plane]);
        if (centre.wavelengths) {
            rightJustified(out, fixed(*centre.wavelengths * summary.horn.wavelength, kLengthDecimals), kValueWidth);
            rightJustified(out, fixed(*centre.wavelengths, 4), kValueWidth);
        } else {
            rightJustified(out, kMissing, kValueWidth);
            rightJustified(out, kMissing, kValueWidth);
        }
        out += "   0 to " + fixed(centre.fitEdgeDeg, 2) + " deg\n";
    }
    out += '\n';
}

void crossPolarSection(std::string& out, const HornSummary& summary) {
    out += "Cross-polar peak, 45 deg plane\n";
    quantity(out, "level", fixed(summary.integrated.crossPolarPeakDb, 2), "dB");
    quantity(out, "at theta", fixed(summary.integrated.crossPolarPeakAngleDeg, 2), "deg");
    out += '\n';
}

void notesSection(std::string& out, const HornSummary& summary, const AngleGrid& grid) {
    const std::vector<std::string> notes = reportNotes(summary, grid.angle(grid.last));
    if (notes.empty()) return;
    out += "Notes\n";
    for (const std::string& note : notes) out += note;
    out += '\n';
}

void tableHeading(std::string& out) {
    out += "Pattern: levels in dB relative to the on-axis co-polar power; phases in deg\n"
           "relative to the axis, referred to the centre of the aperture\n";
    const std::string_view names[] = {"theta", "E plane", "H plane", "cross 45", "E phase", "H phase"};
    const std::string_view units[] = {"deg", "dB", "dB", "dB", "deg", "deg"};
    for (const auto* row : {names, units}) {
        for (int column = 0; column < 6; ++column) rightJustified(out, row[column], column == 0 ? kAngleWidth : kColumnWidth);
        out += '\n';
    }
}

void tableRow(std::string& line, const PatternRow& row, int angleDecimals) {
    rightJustified(line, fixed(row.thetaDeg, angleDecimals), kAngleWidth);
    for (const double level : {row.eDb, row.hDb, row.crossDb})
        rightJustified(line, fixed(level, kTableLevelDecimals), kColumnWidth);
    for (const double phase : {row.ePhaseDeg, row.hPhaseDeg}) {
        std::string text(kMissing);
        if (!std::isnan(phase)) {
            text.clear();
            appendPhase(text, phase, kTablePhaseDecimals);
        }
        rightJustified(line, text, kColumnWidth);
    }
    line += '\n';
}

}  // namespace

void writeReport(const HornSummary& summary, const aperture::HornPattern& pattern, const AngleGrid& grid,
                 TextSink& out) {
    std::string text = "Conical horn in the TE11 mode: the pattern from its aperture field\n\n";
    hornSection(text, summary);
    comparisonSection(text, summary);
    phaseCentreSection(text, summary);
    crossPolarSection(text, summary);
    notesSection(text, summary, grid);
    tableHeading(text);
    out.put(text);
    for (std::int64_t k = 0; k <= grid.last; ++k) {
        text.clear();
        tableRow(text, patternRow(pattern, grid.angle(k)), grid.decimals);
        out.put(text);
    }
}

}  // namespace pattern

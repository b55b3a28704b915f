#include "pattern/report_notes.hpp"

#include <cmath>

#include "pattern/beamwidths.hpp"
#include "pattern/decimal_text.hpp"

namespace pattern {

static std::string planeName(aperture::Plane plane) { return plane == aperture::Plane::E ? "E-plane" : "H-plane"; }

std::vector<std::string> reportNotes(const HornSummary& summary, double lastAngleDeg) {
    std::vector<std::string> notes;
    const double s = summary.horn.s;
    if (s > kGainTableEnd)
        notes.push_back("- S is above 0.8, where the gain table ends: the table gain is extrapolated\n"
                        "  from its last three entries.\n");
    if (s > kBeamwidthTableEnd)
        notes.push_back("- S is above 0.72, where the beamwidth tables end: the table beamwidths are\n"
                        "  extrapolated from their last three entries. From S of about 0.74 the\n"
                        "  E-plane pattern peaks off the axis, and a beamwidth measured down from\n"
                        "  the axis loses its meaning.\n");

    for (int n = 0; n < 4; ++n) {
        // HCWBW's width is NaN exactly where u / ka, rounded, exceeds 1.
        if (!std::isnan(summary.table.beamwidth[n])) continue;
        std::string note = "- No table " + std::string(kBeamwidths[n].name) + " beamwidth: its pattern point u = ";
        appendFixed(note, summary.table.patternPoint[n], 4);
        note += "\n  lies beyond ka = ";
        appendFixed(note, summary.table.ka, 4);
        notes.push_back(note + ", where sin(theta) = u / ka has no angle.\n");
    }

    for (int n = 0; n < 4; ++n) {
        if (summary.integrated.beamwidthDeg[n]) continue;
        const std::string level = kBeamwidths[n].power == aperture::kHalfPower ? "3 dB" : "10 dB";
        std::string note = "- The " + planeName(kBeamwidths[n].plane) + " pattern stays above -" + level +
                           " up to 90 deg: it has no integrated\n  " + level + " beamwidth";
        // A plane without a 10 dB angle has its phase centre fitted to 90.
        if (n == kTenDbE || n == kTenDbH) note += ", and its phase centre is fitted from 0 to 90 deg";
        notes.push_back(note + ".\n");
    }

    for (int plane = 0; plane < 2; ++plane) {
        if (summary.integrated.phaseCentre[plane].wavelengths) continue;
        notes.push_back("- No " + planeName(plane == 0 ? aperture::Plane::E : aperture::Plane::H) +
                        " phase centre: fewer than two fit points, one each 0.1 deg,\n"
                        "  lie within its 10 dB angle.\n");
    }

    if (lastAngleDeg > kRimDiffractionFromDeg)
        notes.push_back("- Beyond about 60 deg the diffraction at the rim, which aperture integration\n"
                        "  leaves out, matters: read the pattern there as a guide only.\n");
    return notes;
}

}  // namespace pattern

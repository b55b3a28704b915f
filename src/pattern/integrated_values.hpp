#pragma once
// The summary of the integrated pattern: directivity, beamwidths, phase
// centres and the cross-polar peak.

#include <optional>

#include "aperture/horn_pattern.hpp"

namespace pattern {

struct PhaseCentre {
    std::optional<double> wavelengths;  // d / lambda, positive behind the aperture
    double fitEdgeDeg;                  // the fit's last angle: the plane's 10 dB angle, or 90
};

struct IntegratedValues {
    double directivityDb;
    // Full widths in degrees, in kBeamwidths' order; nothing where the level
    // is not reached before 90 degrees.
    std::optional<double> beamwidthDeg[4];
    PhaseCentre phaseCentre[2];  // E plane, H plane
    double crossPolarPeakDb;     // relative to the on-axis co-polar power
    double crossPolarPeakAngleDeg;
};

// Cost: the crossings' scans and bisections, two phase fits of one pattern
// point per 0.1 degree inside the 10 dB beam, and the cross-polar scan; a
// few thousand pattern points for ka up to 40.
IntegratedValues integratedValues(const aperture::HornPattern& pattern);

}  // namespace pattern

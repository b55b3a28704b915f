#pragma once
// A horn summary made by hand, with every kind of value a renderer must
// handle: a NaN table beamwidth, beamwidths and a phase centre that do not
// exist, negative zeros, and a cross-polar peak of no power at all.

#include <cmath>
#include <limits>

#include "pattern/horn_summary.hpp"

namespace pattern {

inline HornSummary sampleSummary() {
    constexpr float kNaNf = std::numeric_limits<float>::quiet_NaN();
    HornSummary summary{};
    summary.unit = LengthUnit::centimetre;
    summary.horn = {.radius = 1.25,
                    .slant = 10,
                    .frequencyGHz = 8,
                    .wavelength = 3.75,
                    .ka = 2.0943951023931953,
                    .s = 0.020833333333333332,
                    .flareHalfAngleDeg = 7.180755781458282,
                    .axialLength = 9.921567416492215};
    summary.table = {.gain = 1.5f,
                     .beamwidth = {100.25f, kNaNf, 0.05f, kNaNf},
                     .patternPoint = {1.6165f, 2.0377f, 2.7320f, 3.5191f},
                     .ka = 2.0944f};
    summary.integrated.directivityDb = -0.0;
    summary.integrated.beamwidthDeg[0] = 120.125;
    summary.integrated.beamwidthDeg[1] = 0.06;
    summary.integrated.beamwidthDeg[3] = 0.1;
    summary.integrated.phaseCentre[0] = {-0.0, 90};
    summary.integrated.phaseCentre[1] = {std::nullopt, 0.05};
    summary.integrated.crossPolarPeakDb = -std::numeric_limits<double>::infinity();
    summary.integrated.crossPolarPeakAngleDeg = 0;
    return summary;
}

}  // namespace pattern

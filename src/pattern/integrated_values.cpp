#include "pattern/integrated_values.hpp"

#include <cmath>
#include <numbers>

#include "aperture/cross_polar_peak.hpp"
#include "aperture/level_crossing.hpp"
#include "aperture/phase_centre.hpp"
#include "pattern/beamwidths.hpp"

namespace pattern {

static constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
static constexpr double kQuarterTurn = std::numbers::pi / 2;

static PhaseCentre phaseCentre(const aperture::HornPattern& pattern, aperture::Plane plane,
                               const std::optional<double>& tenDbHalfAngle) {
    // Where the plane stays above -10 dB up to 90 degrees, the fit runs to 90.
    const double edge = tenDbHalfAngle.value_or(kQuarterTurn);
    return {aperture::phaseCentreWavelengths(pattern, plane, edge), edge * kDegreesPerRadian};
}

IntegratedValues integratedValues(const aperture::HornPattern& pattern) {
    IntegratedValues values{};
    values.directivityDb = pattern.directivityDb();
    std::optional<double> halfAngle[4];
    for (int n = 0; n < 4; ++n) {
        halfAngle[n] = aperture::firstCrossing(pattern, kBeamwidths[n].plane, kBeamwidths[n].power);
        if (halfAngle[n]) values.beamwidthDeg[n] = 2 * *halfAngle[n] * kDegreesPerRadian;
    }
    values.phaseCentre[0] = phaseCentre(pattern, aperture::Plane::E, halfAngle[kTenDbE]);
    values.phaseCentre[1] = phaseCentre(pattern, aperture::Plane::H, halfAngle[kTenDbH]);
    const aperture::CrossPolarPeak peak = aperture::crossPolarPeak(pattern);
    values.crossPolarPeakDb = 10 * std::log10(peak.power);
    values.crossPolarPeakAngleDeg = peak.theta * kDegreesPerRadian;
    return values;
}

}  // namespace pattern

// The integrated summary's wiring: each beamwidth from its plane and level,
// each phase fit bounded by its own plane's 10 dB angle, or 90 degrees.

#include "pattern/integrated_values.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "aperture/cross_polar_peak.hpp"
#include "aperture/level_crossing.hpp"
#include "aperture/phase_centre.hpp"

namespace pattern {
namespace {

constexpr double kDegrees = 180 / std::numbers::pi;

TEST(IntegratedValuesTest, EachValueFromItsPlaneAndLevel) {
    const aperture::HornPattern horn(10.6, 0.21);
    const IntegratedValues values = integratedValues(horn);
    using aperture::Plane;
    const double e10 = *aperture::firstCrossing(horn, Plane::E, aperture::kTenthPower);
    const double h10 = *aperture::firstCrossing(horn, Plane::H, aperture::kTenthPower);
    EXPECT_EQ(values.beamwidthDeg[0], 2 * *aperture::firstCrossing(horn, Plane::E, aperture::kHalfPower) * kDegrees);
    EXPECT_EQ(values.beamwidthDeg[1], 2 * *aperture::firstCrossing(horn, Plane::H, aperture::kHalfPower) * kDegrees);
    EXPECT_EQ(values.beamwidthDeg[2], 2 * e10 * kDegrees);
    EXPECT_EQ(values.beamwidthDeg[3], 2 * h10 * kDegrees);
    EXPECT_EQ(values.phaseCentre[0].wavelengths, aperture::phaseCentreWavelengths(horn, Plane::E, e10));
    EXPECT_EQ(values.phaseCentre[1].wavelengths, aperture::phaseCentreWavelengths(horn, Plane::H, h10));
    EXPECT_EQ(values.phaseCentre[0].fitEdgeDeg, e10 * kDegrees);
    EXPECT_EQ(values.phaseCentre[1].fitEdgeDeg, h10 * kDegrees);
    EXPECT_EQ(values.directivityDb, horn.directivityDb());
    const aperture::CrossPolarPeak peak = aperture::crossPolarPeak(horn);
    EXPECT_EQ(values.crossPolarPeakDb, 10 * std::log10(peak.power));
    EXPECT_EQ(values.crossPolarPeakAngleDeg, peak.theta * kDegrees);
}

TEST(IntegratedValuesTest, APlaneAboveMinus10dBTo90IsFittedTo90) {
    // ka = 1: the E plane never falls 10 dB in the forward hemisphere.
    const aperture::HornPattern horn(1.0, 0.01);
    const IntegratedValues values = integratedValues(horn);
    EXPECT_FALSE(values.beamwidthDeg[2]);
    EXPECT_EQ(values.phaseCentre[0].fitEdgeDeg, 90);
    EXPECT_EQ(values.phaseCentre[0].wavelengths,
              aperture::phaseCentreWavelengths(horn, aperture::Plane::E, std::numbers::pi / 2));
}

}  // namespace
}  // namespace pattern

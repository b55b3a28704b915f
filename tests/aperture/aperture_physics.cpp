// The product's far field against the slow reference (slow_reference.hpp),
// on horns drawn once at random (seed 20261211) from ka in [3, 40] and S in
// [0, 0.8] with a < L, plus the in-phase and far corners of that range.
//
// The bounds are those the headers of src/aperture/ claim, far inside what a
// user is promised (levels to 0.01 dB above -30 dB, phases to 0.1 degree in
// the 10 dB beam, beamwidths to 0.01 degree, phase centres to 0.001
// wavelength, directivity to 0.002 dB): a fault in the fast path shows here
// long before it could show there.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <string>

#include "aperture/cross_polar_peak.hpp"
#include "aperture/horn_pattern.hpp"
#include "aperture/level_crossing.hpp"
#include "aperture/phase_centre.hpp"
#include "aperture/slow_reference.hpp"

namespace {

using aperture::Plane;

struct Horn {
    double ka, s;
};

const Horn kHorns[] = {
    // drawn at random
    {20.887, 0.083}, {13.789, 0.321}, {18.214, 0.657}, {10.858, 0.482}, {10.621, 0.172}, {30.253, 0.27},
    // the corners: a small horn in phase, a large one at the largest S
    {3.6, 0}, {38.0, 0.78},
};

constexpr double kFieldTolerance = 1e-13;  // of the on-axis field
constexpr double kEdgeTolerance = 1e-9;    // radians
constexpr double kCentreTolerance = 1e-8;  // wavelengths
constexpr double kDirectivityTolerance = 1e-10;  // dB

class AgainstTheSlowReference : public testing::TestWithParam<Horn> {
protected:
    const aperture::HornPattern pattern{GetParam().ka, GetParam().s};
    const slow::Horn reference = slow::referenceHorn(GetParam().ka, GetParam().s);
};

TEST_P(AgainstTheSlowReference, FieldsInEveryDirection) {
    for (int k = 0; k <= 180; k += 2) {
        const double theta = k * slow::kPi / 180 + (k > 0 && k < 180 ? 0.0123 : 0);
        const aperture::FarField fast = pattern.at(theta);
        const slow::Fields slow = slow::fields(reference, theta);
        EXPECT_LT(std::abs(fast.e - slow.e), kFieldTolerance) << "theta " << theta;
        EXPECT_LT(std::abs(fast.h - slow.h), kFieldTolerance) << "theta " << theta;
        EXPECT_LT(std::abs(fast.cross - slow.cross), kFieldTolerance) << "theta " << theta;
    }
}

TEST_P(AgainstTheSlowReference, DirectivityBeamEdgesAndPhaseCentres) {
    EXPECT_NEAR(pattern.directivityDb(), slow::directivityDb(reference), kDirectivityTolerance);
    for (Plane plane : {Plane::E, Plane::H}) {
        const bool e = plane == Plane::E;
        const char* name = e ? "E plane" : "H plane";
        for (double level : {aperture::kHalfPower, aperture::kTenthPower}) {
            const std::optional<double> fast = aperture::firstCrossing(pattern, plane, level);
            const std::optional<double> slow = slow::beamEdge(reference, e, level);
            ASSERT_EQ(bool(fast), bool(slow)) << name << " level " << level;
            if (fast) {
                EXPECT_NEAR(*fast, *slow, kEdgeTolerance) << name << " level " << level;
            }
        }
        const double edge = slow::beamEdge(reference, e, aperture::kTenthPower).value_or(slow::kPi / 2);
        const std::optional<double> fast = aperture::phaseCentreWavelengths(pattern, plane, edge);
        const std::optional<double> slow = slow::phaseCentreWavelengths(reference, e, edge);
        ASSERT_TRUE(fast && slow) << name;
        EXPECT_NEAR(*fast, *slow, kCentreTolerance) << name;
        if (GetParam().s == 0) {
            EXPECT_NEAR(*fast, 0, kCentreTolerance) << name;  // the aperture itself
        }
    }
}

TEST_P(AgainstTheSlowReference, CrossPolarPeak) {
    const aperture::CrossPolarPeak fast = aperture::crossPolarPeak(pattern);
    const slow::Peak slow = slow::crossPolarPeak(reference);
    EXPECT_NEAR(fast.power / slow.power, 1, 1e-9);
    EXPECT_NEAR(fast.theta, slow.theta, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Horns, AgainstTheSlowReference, testing::ValuesIn(kHorns),
                         [](const testing::TestParamInfo<Horn>& info) {
                             char text[40];
                             std::snprintf(text, sizeof text, "ka%gS%g", info.param.ka, info.param.s);
                             std::string name = text;
                             for (char& c : name) {
                                 if (c == '.') c = '_';
                             }
                             return name;
                         });

}  // namespace

// The phase-centre fit: where it must be zero, where it has no answer, and
// where physics bounds it.

#include <gtest/gtest.h>

#include <cmath>

#include "aperture/level_crossing.hpp"
#include "aperture/phase_centre.hpp"
#include "aperture/slow_reference.hpp"

namespace {

using aperture::Plane;

const double kDegree = slow::kPi / 180;

TEST(PhaseCentre, InPhaseApertureIsItsOwnPhaseCentre) {
    for (double ka : {3.0, 10.6, 40.0}) {
        const aperture::HornPattern pattern(ka, 0);
        for (Plane plane : {Plane::E, Plane::H}) {
            const double edge = *aperture::firstCrossing(pattern, plane, aperture::kTenthPower);
            EXPECT_NEAR(*aperture::phaseCentreWavelengths(pattern, plane, edge), 0, 1e-12) << "ka " << ka;
        }
    }
}

TEST(PhaseCentre, NeedsTwoGridPointsInsideTheEdge) {
    const aperture::HornPattern pattern(10, 0.3);
    EXPECT_FALSE(aperture::phaseCentreWavelengths(pattern, Plane::E, 0));
    EXPECT_FALSE(aperture::phaseCentreWavelengths(pattern, Plane::E, 0.099 * kDegree));
    EXPECT_TRUE(aperture::phaseCentreWavelengths(pattern, Plane::E, 0.1001 * kDegree));
}

// The wave front of a flared horn lags towards the rim, so its phase centre
// lies behind the aperture; for a small phase error the lag is the
// quadratic S t^2 alone and d grows in proportion to S.
TEST(PhaseCentre, LiesBehindTheApertureAndGrowsWithTheFlare) {
    for (double ka : {4.0, 10.6, 30.0}) {
        for (Plane plane : {Plane::E, Plane::H}) {
            auto centre = [&](double s) {
                const aperture::HornPattern pattern(ka, s);
                return *aperture::phaseCentreWavelengths(pattern, plane, *aperture::firstCrossing(pattern, plane, aperture::kTenthPower));
            };
            const double d1 = centre(0.025), d2 = centre(0.05);
            EXPECT_GT(d1, 0) << "ka " << ka;
            EXPECT_NEAR(d2 / d1, 2, 0.02) << "ka " << ka;
            for (double s : {0.1, 0.3, 0.6}) EXPECT_GT(centre(s), 0) << "ka " << ka << " S " << s;
        }
    }
}

}  // namespace

// The phase-centre fit: where it must be zero, where it has no answer, and
// where physics bounds it.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

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

// A point source d wavelengths behind the origin radiates the phase
// 2pi d (1 - cos theta) relative to the axis: the fit on any grid returns d,
// through a phase that wraps many times, and the product's own grid agrees
// with the samples it hands over.
TEST(PhaseCentre, SamplesOfAPointSourceGiveItsDistance) {
    struct Case {
        double d, stepDegrees, lastDegrees;
    };
    for (const Case& c : {Case{0.7, 0.1, 25}, Case{-1.3, 0.5, 40}, Case{12.0, 0.1, 60}, Case{0, 1, 10}}) {
        std::vector<double> theta;
        std::vector<std::complex<double>> field;
        for (double t = 0; t <= c.lastDegrees * kDegree; t += c.stepDegrees * kDegree) {
            theta.push_back(t);
            field.push_back(3.0 * std::polar(1.0, 2 * slow::kPi * c.d * (1 - std::cos(t)) + 0.4));
        }
        EXPECT_NEAR(*aperture::phaseCentreOfSamples(theta, field), c.d, 1e-12) << "d " << c.d;
    }
    const double one[] = {0.1};
    const std::complex<double> oneField[] = {1.0};
    EXPECT_FALSE(aperture::phaseCentreOfSamples(one, oneField));

    const aperture::HornPattern pattern(10, 0.3);
    const double edge = *aperture::firstCrossing(pattern, Plane::H, aperture::kTenthPower);
    std::vector<double> theta;
    std::vector<std::complex<double>> field;
    const double step = aperture::kPhaseFitStep * slow::kPi / 180;
    for (int k = 0; k * step <= edge; ++k) {
        theta.push_back(k * step);
        field.push_back(pattern.copolar(Plane::H, theta.back()));
    }
    EXPECT_EQ(*aperture::phaseCentreOfSamples(theta, field), *aperture::phaseCentreWavelengths(pattern, Plane::H, edge));
}

// The wave front of a flared horn lags towards the rim, so its phase centre
// lies behind the aperture; for a small phase error the lag is the
// quadratic S t^2 alone and d grows in proportion to S.
TEST(PhaseCentre, LiesBehindTheApertureAndGrowsWithTheFlare) {
    for (double ka : {4.0, 10.6, 30.0}) {
        for (Plane plane : {Plane::E, Plane::H}) {
            auto centre = [&](double s) {
                const aperture::HornPattern pattern(ka, s);
                // A wide beam that never falls 10 dB is fitted out to 90
                // degrees, as velmor-pattern does (ka 4 at S 0.6, E plane).
                const double edge =
                    aperture::firstCrossing(pattern, plane, aperture::kTenthPower).value_or(slow::kPi / 2);
                return *aperture::phaseCentreWavelengths(pattern, plane, edge);
            };
            const double d1 = centre(0.025), d2 = centre(0.05);
            EXPECT_GT(d1, 0) << "ka " << ka;
            EXPECT_NEAR(d2 / d1, 2, 0.02) << "ka " << ka;
            for (double s : {0.1, 0.3, 0.6}) EXPECT_GT(centre(s), 0) << "ka " << ka << " S " << s;
        }
    }
}

}  // namespace

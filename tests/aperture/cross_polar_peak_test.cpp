// The cross-polar peak of an in-phase aperture, whose 45-degree field has a
// closed form, found by a scan ten times finer than the product's.

#include <gtest/gtest.h>

#include <cmath>

#include "aperture/cross_polar_peak.hpp"
#include "aperture/slow_reference.hpp"

namespace {

TEST(CrossPolarPeak, InPhasePeakMatchesTheClosedForm) {
    for (double ka : {3.0, 10.6, 40.0}) {
        auto power = [&](double theta) {
            const double x = (1 + std::cos(theta)) / 2 * slow::inPhaseCross(ka * std::sin(theta));
            return x * x;
        };
        // The closed form's 0/0 at u = chi is far from its peak (u near 2.9
        // for the first lobe), but the scan steps round it.
        double bestPower = 0, bestTheta = 0;
        const int steps = 200000;
        for (int k = 1; k <= steps; ++k) {
            const double theta = slow::kPi / 2 * k / steps;
            if (std::abs(ka * std::sin(theta) - slow::kChi) < 1e-3) continue;
            if (power(theta) > bestPower) {
                bestPower = power(theta);
                bestTheta = theta;
            }
        }
        const double theta = slow::ternaryMaximum(power, bestTheta - slow::kPi / 2 / steps, bestTheta + slow::kPi / 2 / steps);
        const aperture::CrossPolarPeak peak = aperture::crossPolarPeak(aperture::HornPattern(ka, 0));
        EXPECT_NEAR(peak.power / power(theta), 1, 1e-12) << "ka " << ka;
        EXPECT_NEAR(peak.theta, theta, 1e-7) << "ka " << ka;
    }
}

// A tiny horn's cross-polar field is B(u) ~ u^2 = (ka sin theta)^2 times
// the Huygens factor: |X|^2 ~ (1 + cos theta)^2 sin^4 theta, largest at
// cos theta = 1/3.
TEST(CrossPolarPeak, ATinyHornPeaksWhereTheHuygensFactorMeetsSinSquared) {
    const aperture::CrossPolarPeak peak = aperture::crossPolarPeak(aperture::HornPattern(0.01, 0));
    EXPECT_NEAR(peak.theta, std::acos(1.0 / 3), 1e-5);
}

}  // namespace

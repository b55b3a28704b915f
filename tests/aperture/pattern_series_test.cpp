// The Chebyshev series of A(u) and B(u) against the direct sums they
// interpolate, to the accuracy their header claims.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "aperture/aperture_field.hpp"
#include "aperture/pattern_series.hpp"
#include "aperture/radial_integrals.hpp"

namespace {

struct Horn {
    double uMax;
    double s;
    double tolerance;  // of |A(0)|
};

const Horn kHorns[] = {
    // small, moderate and large apertures, in phase and with the largest
    // phase error of the tables and of a cone (S < uMax / 4pi)
    {0.5, 0, 2e-14},   {3, 0.2, 2e-14},   {10.6, 0.21, 2e-14}, {10, 0.79, 2e-14},
    {40, 0, 2e-14},    {40, 0.8, 2e-14},  {40, 3.15, 2e-14},   {200, 0.5, 2e-13},
    {1000, 0, 5e-12},  {1000, 79, 5e-12},
};

TEST(PatternSeries, MatchesTheDirectSumsAcrossTheRange) {
    std::mt19937_64 random(20261211);
    for (const Horn& horn : kHorns) {
        const aperture::ApertureField field = aperture::sampleAperture(horn.s, aperture::radialNodes(horn.uMax, horn.s));
        const aperture::PatternSeries series(field, horn.uMax);
        const double scale = std::abs(aperture::radialIntegrals(field, 0).a);
        std::uniform_real_distribution<double> anywhere(0, horn.uMax);
        double worst = 0;
        for (int i = 0; i < 300; ++i) {
            // Random points, and the ends and the near-axis region densely.
            const double u = i < 20 ? horn.uMax * i / 19.0 : i < 40 ? horn.uMax * 1e-4 * (i - 20) : anywhere(random);
            const aperture::RadialIntegrals direct = aperture::radialIntegrals(field, u);
            const aperture::RadialIntegrals fitted = series.at(u);
            worst = std::max({worst, std::abs(fitted.a - direct.a), std::abs(fitted.b - direct.b)});
        }
        EXPECT_LT(worst, horn.tolerance * scale) << "uMax " << horn.uMax << " S " << horn.s;
    }
}

TEST(PatternSeries, OnTheAxisBVanishesExactly) {
    for (const Horn& horn : kHorns) {
        const aperture::ApertureField field = aperture::sampleAperture(horn.s, aperture::radialNodes(horn.uMax, horn.s));
        const aperture::PatternSeries series(field, horn.uMax);
        const aperture::RadialIntegrals onAxis = series.at(0);
        EXPECT_EQ(onAxis.b, std::complex<double>(0, 0)) << "uMax " << horn.uMax;
        const std::complex<double> direct = aperture::radialIntegrals(field, 0).a;
        EXPECT_LT(std::abs(onAxis.a - direct), horn.tolerance * std::abs(direct)) << "uMax " << horn.uMax;
    }
}

}  // namespace

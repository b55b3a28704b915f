// Beam edges and pattern points: the scan and bisection on functions whose
// crossings are known, then on in-phase apertures, whose patterns have
// closed forms.

#include <gtest/gtest.h>

#include <cmath>

#include "aperture/aperture_field.hpp"
#include "aperture/level_crossing.hpp"
#include "aperture/pattern_series.hpp"
#include "aperture/slow_reference.hpp"

namespace {

using aperture::Plane;

// The root of power(x) = level in [lo, hi], power falling through it.
template <class Power>
double bisect(const Power& power, double level, double lo, double hi) {
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (power(mid) > level ? lo : hi) = mid;
    }
    return hi;
}

// ---- the scan and bisection ---------------------------------------------

TEST(FirstFall, NarrowsTheCrossingToAdjacentDoubles) {
    auto power = [](double x) { return std::cos(x) * std::cos(x); };
    const std::optional<double> x = aperture::firstFall(power, 0.5, 2, 7);
    ASSERT_TRUE(x);
    EXPECT_LE(power(*x), 0.5);
    EXPECT_GT(power(std::nextafter(*x, 0.0)), 0.5);
    EXPECT_NEAR(*x, slow::kPi / 4, 1e-15);
}

TEST(FirstFall, FindsTheFirstOfSeveralCrossings) {
    // Falls below a quarter near 1.05, rises again, falls again near 5.2.
    auto power = [](double x) { return (1 + std::cos(x)) / 2; };
    EXPECT_NEAR(*aperture::firstFall(power, 0.25, 12, 1200), 2 * slow::kPi / 3, 1e-15);
}

TEST(FirstFall, ASampleExactlyAtTheLevelCounts) {
    auto power = [](double x) { return -x; };  // exact, unlike 1 - x near 0.5
    EXPECT_EQ(*aperture::firstFall(power, -0.5, 1, 2), 0.5);
    EXPECT_EQ(*aperture::firstFall(power, -1.0, 1, 2), 1.0);  // at the end itself
}

TEST(FirstFall, NothingWhenTheLevelIsNeverReached) {
    auto power = [](double x) { return -x; };
    EXPECT_FALSE(aperture::firstFall(power, -1.1, 1, 100));
}

// ---- beam edges of horns ------------------------------------------------

TEST(FirstCrossing, InPhaseBeamEdgesMatchTheClosedForms) {
    for (double ka : {3.0, 10.6, 40.0}) {
        const aperture::HornPattern pattern(ka, 0);
        for (Plane plane : {Plane::E, Plane::H}) {
            auto power = [&](double theta) {
                const double u = ka * std::sin(theta), h = (1 + std::cos(theta)) / 2;
                const double f = plane == Plane::E ? slow::inPhaseE(u) : slow::inPhaseH(u);
                return h * h * f * f;
            };
            for (double level : {aperture::kHalfPower, aperture::kTenthPower}) {
                // The main lobe falls monotonically to the first null, so
                // its one crossing lies between the axis and that null.
                const double firstNull = std::asin(std::min(1.0, (plane == Plane::E ? 3.8317 : 5.3314) / ka));
                const double exact = bisect(power, level, 0, firstNull);
                const std::optional<double> edge = aperture::firstCrossing(pattern, plane, level);
                ASSERT_TRUE(edge) << "ka " << ka;
                EXPECT_NEAR(*edge, exact, 1e-12) << "ka " << ka << " level " << level;
            }
        }
    }
}

// A horn far smaller than a wavelength radiates the Huygens factor alone:
// h^2 = 1/2 at cos(theta) = sqrt 2 - 1, 65.53 degrees; h^2 = 1/10 lies
// beyond 90 degrees, so there is no 10 dB edge in the forward hemisphere.
TEST(FirstCrossing, ATinyHornHasOnlyTheHuygensFactor) {
    const aperture::HornPattern pattern(1e-6, 0);
    for (Plane plane : {Plane::E, Plane::H}) {
        EXPECT_NEAR(*aperture::firstCrossing(pattern, plane, aperture::kHalfPower), std::acos(std::sqrt(2.0) - 1), 1e-9);
        EXPECT_FALSE(aperture::firstCrossing(pattern, plane, aperture::kTenthPower));
    }
}

// ---- pattern points of the tables ---------------------------------------

TEST(PatternPoint, InPhasePointsMatchTheClosedForms) {
    const double uMax = 20;
    const aperture::PatternSeries series(aperture::sampleAperture(0, aperture::radialNodes(uMax, 0)), uMax);
    auto e = [](double u) { return std::pow(slow::inPhaseE(u), 2); };
    auto h = [](double u) { return std::pow(slow::inPhaseH(u), 2); };
    const struct {
        const char* name;
        Plane plane;
        double level, closedForm;
    } cases[] = {
        {"3 dB E", Plane::E, aperture::kHalfPower, bisect(e, 0.5, 1, 2)},
        {"3 dB H", Plane::H, aperture::kHalfPower, bisect(h, 0.5, 1.5, 2.5)},
        {"10 dB E", Plane::E, aperture::kTenthPower, bisect(e, 0.1, 2, 3.5)},
        {"10 dB H", Plane::H, aperture::kTenthPower, bisect(h, 0.1, 3, 4)},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(*aperture::patternPoint(series, c.plane, c.level, uMax), c.closedForm, 1e-12) << c.name;
    }
}

TEST(PatternPoint, NothingWhenThePowerNeverFallsThatFar) {
    const double uMax = 3;
    const aperture::PatternSeries series(aperture::sampleAperture(0, aperture::radialNodes(uMax, 0)), uMax);
    EXPECT_FALSE(aperture::patternPoint(series, Plane::E, 1e-9, uMax));
}

}  // namespace

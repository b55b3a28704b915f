// The horn's quantities against their closed forms, in both units.

#include "pattern/horn_quantities.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace pattern {
namespace {

// Relative agreement to a few units in the last place.
void expectNear(double actual, double expected) { EXPECT_NEAR(actual, expected, 4e-16 * std::abs(expected)); }

TEST(HornQuantitiesTest, TwoByEightInchesAtTenGHz) {
    const HornQuantities horn = hornQuantities(2, 8, 10, LengthUnit::inch);
    const double lambda = 0.0299792458 / 0.0254;  // c / 10 GHz, in inches
    expectNear(horn.wavelength, lambda);
    expectNear(horn.ka, 2 * std::numbers::pi * 2 / lambda);
    expectNear(horn.s, 4 / (2 * lambda * 8));
    expectNear(horn.flareHalfAngleDeg, std::asin(0.25) * 180 / std::numbers::pi);
    expectNear(horn.axialLength, std::sqrt(60.0));
    EXPECT_EQ(horn.radius, 2);
    EXPECT_EQ(horn.slant, 8);
    EXPECT_EQ(horn.frequencyGHz, 10);
}

TEST(HornQuantitiesTest, CentimetresGiveTheSameHornAsTheirInches) {
    const HornQuantities inches = hornQuantities(2, 8, 10, LengthUnit::inch);
    const HornQuantities centimetres = hornQuantities(5.08, 20.32, 10, LengthUnit::centimetre);
    expectNear(centimetres.wavelength, 2.99792458);
    expectNear(centimetres.ka, inches.ka);
    expectNear(centimetres.s, inches.s);
    expectNear(centimetres.flareHalfAngleDeg, inches.flareHalfAngleDeg);
    expectNear(centimetres.axialLength, inches.axialLength * 2.54);
}

TEST(HornQuantitiesTest, NothingOverflowsAtTheEndsOfSinglePrecision) {
    const HornQuantities huge = hornQuantities(3e38, 3.4e38, 3e38, LengthUnit::inch);
    EXPECT_TRUE(std::isfinite(huge.ka));
    EXPECT_TRUE(std::isfinite(huge.s));
    expectNear(huge.axialLength, std::sqrt(0.4e38 * 6.4e38));
    const HornQuantities tiny = hornQuantities(1e-45, 2e-45, 1e-45, LengthUnit::centimetre);
    EXPECT_GT(tiny.ka, 0);
    EXPECT_GT(tiny.s, 0);
    EXPECT_GT(tiny.axialLength, 0);
}

TEST(HornQuantitiesTest, UnitNames) {
    EXPECT_EQ(unitName(LengthUnit::inch), "in");
    EXPECT_EQ(unitName(LengthUnit::centimetre), "cm");
}

}  // namespace
}  // namespace pattern

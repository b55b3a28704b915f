// A row of the pattern table: levels, phases, and the exact zeros on the
// axis and at the back.

#include "pattern/pattern_row.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace pattern {
namespace {

TEST(LevelTest, ZeroFieldIsMinusInfinityAndATinyOneIsNot) {
    EXPECT_EQ(levelDb(0.0), -INFINITY);
    EXPECT_EQ(levelDb(1.0), 0);
    EXPECT_EQ(levelDb({0, -1}), 0);
    // |P|^2 would underflow to zero; |P| does not.
    EXPECT_NEAR(levelDb({1e-200, 1e-200}), -4000 + 20 * std::log10(std::sqrt(2.0)), 1e-9);
    EXPECT_NEAR(levelDb(0.5), -6.0206, 1e-4);
}

TEST(PhaseTest, InTheHalfOpenIntervalAndNoneForAZeroField) {
    EXPECT_TRUE(std::isnan(phaseDeg(0.0)));
    EXPECT_TRUE(std::isnan(phaseDeg({-0.0, -0.0})));
    EXPECT_EQ(phaseDeg({-1, -0.0}), 180);  // arg gives -pi
    EXPECT_EQ(phaseDeg({-1, 0.0}), 180);
    EXPECT_EQ(phaseDeg({0, 1}), 90);
    EXPECT_EQ(phaseDeg({0, -1}), -90);
    EXPECT_EQ(phaseDeg({1e-300, 0}), 0);
}

TEST(PatternRowTest, TheAxisIsTheReference) {
    const aperture::HornPattern horn(10.6, 0.21);
    const PatternRow axis = patternRow(horn, 0);
    EXPECT_EQ(axis.eDb, 0);
    EXPECT_EQ(axis.hDb, 0);
    EXPECT_EQ(axis.crossDb, -INFINITY);  // no cross-polar field on the axis
    EXPECT_EQ(axis.ePhaseDeg, 0);
    EXPECT_EQ(axis.hPhaseDeg, 0);
}

TEST(PatternRowTest, NoFieldAtAllStraightBack) {
    const PatternRow back = patternRow(aperture::HornPattern(10.6, 0.21), 180);
    EXPECT_EQ(back.eDb, -INFINITY);
    EXPECT_EQ(back.hDb, -INFINITY);
    EXPECT_EQ(back.crossDb, -INFINITY);
    EXPECT_TRUE(std::isnan(back.ePhaseDeg));
    EXPECT_TRUE(std::isnan(back.hPhaseDeg));
}

TEST(PatternRowTest, DegreesMapToThePatternsRadians) {
    const aperture::HornPattern horn(10.6, 0.21);
    for (const double degrees : {90.0, 30.0, 12.5}) {
        const aperture::FarField field = horn.at(degrees * std::numbers::pi / 180);
        const PatternRow row = patternRow(horn, degrees);
        EXPECT_NEAR(row.eDb, levelDb(field.e), 1e-12) << degrees;
        EXPECT_NEAR(row.hDb, levelDb(field.h), 1e-12) << degrees;
        EXPECT_NEAR(row.crossDb, levelDb(field.cross), 1e-12) << degrees;
        EXPECT_NEAR(row.ePhaseDeg, phaseDeg(field.e), 1e-10) << degrees;
    }
    EXPECT_EQ(patternRow(horn, 90).eDb, levelDb(horn.at(std::numbers::pi / 2).e));
}

}  // namespace
}  // namespace pattern

// HCRGN: the aperture radius and slant length for a required gain.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "expectations.hpp"
#include "horn/dimensions.hpp"
#include "reference_evaluation.hpp"

namespace {

constexpr Real kInf = std::numeric_limits<Real>::infinity();
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

// Caller's values before the call, to see whether the outputs were written.
constexpr Real kRadiusBefore = 1.5f;
constexpr Real kSlantBefore = 2.5f;

struct Design {
    Real a = kRadiusBefore;
    Real L = kSlantBefore;
};

Design design(Real f, Real G, Real S) {
    Design d;
    HCRGN(f, G, S, d.a, d.L);
    return d;
}

struct DesignCase {
    const char* name;
    Real f, G, S;
    double a, L;  // an infinite L is expected exactly
};

const DesignCase kDesigns[] = {
    // S = 0: loss 0.774 (entry 1), L infinite with the sign of f.
    {"S zero", 10.0f, 20.0f, 0.0f, 2.0536, kInf},
    {"S zero, negative frequency", -10.0f, 20.0f, 0.0f, -2.0536, -kInf},
    {"S 0.3, window 16", 10.0f, 20.0f, 0.3f, 2.3602, 7.8664},
    {"S 0.8, entries 39 to 41", 10.0f, 20.0f, 0.8f, 6.4962, 22.3464},
    {"S 0.2 at 3 GHz", 3.0f, 15.0f, 0.2f, 4.0915, 10.6377},
    {"negative frequency", -10.0f, 20.0f, 0.3f, -2.3602, -7.8664},
    // Inside the GAINLOSS strip: loss about 0.77404, L negative.
    {"S in the strip below zero", 10.0f, 20.0f, -0.001f, 2.05357, -1786.49},
};

TEST(Hcrgn, GivesTheDimensionsForTheGain) {
    for (const DesignCase& c : kDesigns) {
        SCOPED_TRACE(c.name);
        const Design d = design(c.f, c.G, c.S);
        EXPECT_NEAR(d.a, c.a, 1e-4);
        if (std::isinf(c.L))
            EXPECT_EQ(d.L, Real(c.L));
        else
            EXPECT_NEAR(d.L, c.L, 2e-4 * std::fabs(c.L));
    }
}

TEST(Hcrgn, SAboveTheTableLeavesTheCallersValues) {
    for (const Real S : {std::nextafter(0.8f, 1.0f), 0.81f, 5.0f, kInf}) {
        SCOPED_TRACE(S);
        const Design d = design(10.0f, 20.0f, S);
        EXPECT_EQ(d.a, kRadiusBefore);
        EXPECT_EQ(d.L, kSlantBefore);
    }
}

// No valid window start: the loss is NaN and both outputs are written NaN.
TEST(Hcrgn, NoWindowWritesNaNOutputs) {
    for (const Real S : {kNaN, -0.01f, -kInf}) {
        SCOPED_TRACE(S);
        const Design d = design(10.0f, 20.0f, S);
        EXPECT_TRUE(std::isnan(d.a));
        EXPECT_TRUE(std::isnan(d.L));
    }
}

TEST(Hcrgn, MatchesTheReferenceInTheBuildsPrecision) {
    std::mt19937 rng(13);
    std::uniform_real_distribution<Real> anyF(-40.0f, 40.0f), anyG(0.0f, 45.0f), anyS(-0.002f, 0.8f);
    for (int n = 0; n < 20000; ++n) {
        const Real f = anyF(rng), G = anyG(rng), S = anyS(rng);
        const Design d = design(f, G, S);
        const reference::Dimensions r = reference::dimensions<BuildPrecision>(f, G, S);
        ASSERT_TRUE(sameReal(d.a, r.a) && sameReal(d.L, r.L)) << "f=" << f << " G=" << G << " S=" << S;
    }
}

TEST(Hcrgn, FloatAndDoubleEvaluationsDifferInTheLastBit) {
    const reference::Dimensions inFloat = reference::dimensions<float>(3.0f, 15.0f, 0.2f);
    const reference::Dimensions inDouble = reference::dimensions<double>(3.0f, 15.0f, 0.2f);
    EXPECT_EQ(ulpDistance(inFloat.a, inDouble.a), 1);
    const Design d = design(3.0f, 15.0f, 0.2f);
    EXPECT_EQ(d.a, kBuild == Build::x87 ? inDouble.a : inFloat.a);
}

}  // namespace

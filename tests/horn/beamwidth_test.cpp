// HCWBW: the 3 dB and 10 dB beamwidths of a given horn in the E and H planes.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "expectations.hpp"
#include "horn/beamwidth.hpp"
#include "reference_evaluation.hpp"

namespace {

struct Widths {
    Real w[4] = {-1.0f, -1.0f, -1.0f, -1.0f};  // 3 dB E, 3 dB H, 10 dB E, 10 dB H
};

Widths beamwidths(Real f, Real a, Real L) {
    Widths b;
    HCWBW(f, a, L, b.w[0], b.w[1], b.w[2], b.w[3]);
    return b;
}

struct WidthCase {
    const char* name;
    Real f, a, L;
    double w[4];
};

const WidthCase kWidths[] = {
    {"S 0.2118, window 6", 10.0f, 2.0f, 8.0f, {17.71, 21.90, 31.59, 38.89}},
    // Near S 0.59 the E-plane beams are the wider ones.
    {"S 0.5866, window 15", 10.0f, 3.0f, 6.5f, {21.97, 16.06, 44.34, 40.03}},
    {"S near 0, entry 1 of each table", 10.0f, 2.5f, 1e30f, {13.88, 17.47, 23.58, 30.43}},
};

TEST(Hcwbw, GivesTheFourBeamwidths) {
    for (const WidthCase& c : kWidths) {
        SCOPED_TRACE(c.name);
        const Widths b = beamwidths(c.f, c.a, c.L);
        for (int n = 0; n < 4; ++n) EXPECT_NEAR(b.w[n], c.w[n], 0.006) << "output " << n + 4;
    }
}

TEST(Hcwbw, RadiusSignDoesNotMatter) {
    const Widths plus = beamwidths(10.0f, 2.0f, 8.0f), minus = beamwidths(10.0f, -2.0f, 8.0f);
    for (int n = 0; n < 4; ++n) EXPECT_TRUE(sameReal(plus.w[n], minus.w[n])) << "output " << n + 4;
}

// cos(theta / 2) rounds to 1 for ka in the thousands: E = -inf, c = 1.
TEST(Hcwbw, VeryLargeApertureHasZeroWidth) {
    const Widths b = beamwidths(10.0f, 1e4f, 1e30f);
    for (int n = 0; n < 4; ++n) EXPECT_EQ(b.w[n], 0.0f) << "output " << n + 4;
}

// u above |ka|: the 10 dB values need ka above 2.73138 and 3.518897 at S 0.
TEST(Hcwbw, ApertureTooSmallForTenDecibelsIsNaNOrEndsTheRun) {
    if constexpr (kBuild == Build::x87) {
        expectMathError([] { beamwidths(10.0f, 0.5f, 3.0f); }, "sqrt", "domain error");
    } else {
        const Widths b = beamwidths(10.0f, 0.5f, 3.0f);
        EXPECT_NEAR(b.w[0], 65.44, 0.006);
        EXPECT_NEAR(b.w[1], 80.31, 0.006);
        EXPECT_TRUE(std::isnan(b.w[2]));
        EXPECT_TRUE(std::isnan(b.w[3]));
    }
}

// A NaN u (no window start) or an infinite x reaches the first square root.
struct AllNaNCase {
    const char* name;
    Real f, a, L;
};

const AllNaNCase kAllNaN[] = {
    {"frequency zero: ka 0, x infinite", 0.0f, 2.0f, 8.0f},
    {"zero slant length: S infinite, u NaN", 10.0f, 2.0f, 0.0f},
    {"negative slant length: no window", 10.0f, 2.0f, -8.0f},
    {"radius zero and zero slant: S NaN", 10.0f, 0.0f, 0.0f},
};

TEST(Hcwbw, NaNPathGivesNaNOrEndsTheRun) {
    for (const AllNaNCase& c : kAllNaN) {
        SCOPED_TRACE(c.name);
        if constexpr (kBuild == Build::x87) {
            expectMathError([&] { beamwidths(c.f, c.a, c.L); }, "sqrt", "domain error");
        } else {
            const Widths b = beamwidths(c.f, c.a, c.L);
            for (int n = 0; n < 4; ++n) EXPECT_TRUE(std::isnan(b.w[n])) << "output " << n + 4;
        }
    }
}

TEST(Hcwbw, MatchesTheReferenceInTheBuildsPrecision) {
    std::mt19937 rng(17);
    // S up to 0.8 extrapolates beyond 0.72; ka from 10 keeps every |x| < 1.
    std::uniform_real_distribution<Real> anyF(0.5f, 40.0f), anyKa(10.0f, 300.0f), anyS(0.0f, 0.8f);
    for (int n = 0; n < 20000; ++n) {
        const Real f = anyF(rng), a = anyKa(rng) * 1.878482f / f;
        const Real L = a * a * f / (23.6057f * anyS(rng));
        const Widths b = beamwidths(f, a, L);
        const reference::Beamwidths r = reference::beamwidths<BuildPrecision>(f, a, L);
        for (int k = 0; k < 4; ++k)
            ASSERT_TRUE(sameReal(b.w[k], r.w[k])) << "output " << k + 4 << " f=" << f << " a=" << a << " L=" << L;
    }
}

TEST(Hcwbw, FloatAndDoubleEvaluationsDifferInTheLastBit) {
    const reference::Beamwidths inFloat = reference::beamwidths<float>(10.0f, 2.0f, 8.0f);
    const reference::Beamwidths inDouble = reference::beamwidths<double>(10.0f, 2.0f, 8.0f);
    EXPECT_EQ(ulpDistance(inFloat.w[1], inDouble.w[1]), 1);
    EXPECT_EQ(beamwidths(10.0f, 2.0f, 8.0f).w[1], kBuild == Build::x87 ? inDouble.w[1] : inFloat.w[1]);
}

}  // namespace

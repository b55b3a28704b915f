// CHNGN: the on-axis gain of a given horn.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "expectations.hpp"
#include "horn/gain.hpp"
#include "reference_evaluation.hpp"

namespace {

constexpr Real kInf = std::numeric_limits<Real>::infinity();

Real gain(Real f, Real a, Real L) {
    Real G = -1.0f;
    CHNGN(f, a, L, G);
    return G;
}

struct GainCase {
    const char* name;
    Real f, a, L;
    double G, tolerance;
};

const GainCase kGains[] = {
    // Inside the table.
    {"S 0.16945, window 9", 10.0f, 2.0f, 10.0f, 19.3907, 1e-4},
    {"S 0.042363, window 3", 5.0f, 1.0f, 5.0f, 7.7058, 1e-4},
    {"S 0.41007, window 21", 30.0f, 2.2f, 15.0f, 27.8344, 1e-4},
    // Extrapolated above it: loss about 18.00 dB at S 1.0167.
    {"above the table", 12.0f, 4.0f, 8.0f, 10.149, 1e-3},
    // S = 0: the loss is entry 1, 0.774 dB, and G = 20 log10(ka) - 0.774.
    {"very long slant", 10.0f, 2.0f, 1e30f, 8.685889 * std::log(20.0 / 1.878482) - 0.774, 1e-5},
    // Frequency and radius both negative: S and ka as for both positive.
    {"signs cancel in pairs", -10.0f, -2.0f, -10.0f, 19.3907, 1e-4},
    // lambda 0.1: (2 lambda) L stays finite where L * 2 would overflow a
    // Real, so S is 2.5 (loss about 121 dB, extrapolated) and not 0.
    {"wavelength doubled before the slant length", 118.0285f, 1e19f, 2e38f, 294.94, 0.02},
};

TEST(Chngn, GivesTheGainOfTheHorn) {
    for (const GainCase& c : kGains) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(gain(c.f, c.a, c.L), c.G, c.tolerance);
    }
}

TEST(Chngn, LeavesItsInputsUnchanged) {
    const Real f = 10.0f, a = 2.0f, L = 10.0f;
    Real G;
    CHNGN(f, a, L, G);
    EXPECT_EQ(f, 10.0f);
    EXPECT_EQ(a, 2.0f);
    EXPECT_EQ(L, 10.0f);
}

// The logarithm of a non-positive ka: -inf or NaN in the vector build, the
// end of the run in the x87 build.
struct LogEdgeCase {
    const char* name;
    Real f, a, L;
    Real vectorG;
    const char* x87Kind;
};

const LogEdgeCase kLogEdges[] = {
    {"frequency zero", 0.0f, 2.0f, 10.0f, -kInf, "singularity"},
    {"radius zero", 10.0f, 0.0f, 10.0f, -kInf, "singularity"},
    {"radius and frequency of opposite signs", 10.0f, -2.0f, 10.0f, std::numeric_limits<Real>::quiet_NaN(),
     "domain error"},
};

TEST(Chngn, NonPositiveKaEndsTheRunOnlyInTheX87Build) {
    for (const LogEdgeCase& c : kLogEdges) {
        SCOPED_TRACE(c.name);
        if constexpr (kBuild == Build::x87)
            expectMathError([&] { gain(c.f, c.a, c.L); }, "log", c.x87Kind);
        else
            EXPECT_TRUE(sameReal(gain(c.f, c.a, c.L), c.vectorG));
    }
}

// S with no valid window start, or an infinite S extrapolated to inf - inf:
// the loss is NaN, and so is G, in both builds.
struct NaNCase {
    const char* name;
    Real f, a, L;
};

const NaNCase kNaNGains[] = {
    {"zero slant length, S infinite", 10.0f, 2.0f, 0.0f},
    {"negative slant length, S below the strip", 10.0f, 2.0f, -10.0f},
    {"negative frequency and radius, positive slant", -10.0f, -2.0f, 10.0f},
};

TEST(Chngn, NoWindowGivesNaNInBothBuilds) {
    for (const NaNCase& c : kNaNGains) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(std::isnan(gain(c.f, c.a, c.L)));
    }
}

TEST(Chngn, MatchesTheReferenceInTheBuildsPrecision) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<Real> anyF(0.5f, 40.0f), anyA(0.2f, 12.0f), anyS(0.0f, 1.1f);
    for (int n = 0; n < 20000; ++n) {
        const Real f = anyF(rng), a = anyA(rng);
        // A slant length that puts S over the table and a little above it.
        const Real L = a * a * f / (23.6057f * anyS(rng));
        ASSERT_TRUE(sameReal(gain(f, a, L), reference::gain<BuildPrecision>(f, a, L)))
            << "f=" << f << " a=" << a << " L=" << L;
    }
}

TEST(Chngn, FloatAndDoubleEvaluationsDifferInTheLastBit) {
    const Real inFloat = reference::gain<float>(5.0f, 1.0f, 5.0f);
    const Real inDouble = reference::gain<double>(5.0f, 1.0f, 5.0f);
    EXPECT_EQ(ulpDistance(inFloat, inDouble), 1);
    EXPECT_EQ(gain(5.0f, 1.0f, 5.0f), kBuild == Build::x87 ? inDouble : inFloat);
}

}  // namespace

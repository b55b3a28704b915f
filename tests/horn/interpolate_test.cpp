// The window rule, ALGIP and the shared-weights interpolation of the
// characteristic tables.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

#include "expectations.hpp"
#include "horn/interpolate.hpp"
#include "horn/tables.hpp"
#include "reference_evaluation.hpp"

namespace {

constexpr Real kInf = std::numeric_limits<Real>::infinity();
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

struct StartCase {
    const char* name;
    Real S;
    int start;
};

const StartCase kGainLossStarts[] = {
    // Lower end and the offset strip below the first grid point.
    {"first grid point", 0.0f, 1},
    {"minus zero", -0.0f, 1},
    {"inside the strip", -0.001f, 1},
    {"near the foot of the strip", -0.0019f, 1},
    {"below the strip", -0.0021f, kNoWindow},
    {"far below", -0.5f, kNoWindow},
    {"minus infinity", -kInf, kNoWindow},
    {"NaN", kNaN, kNoWindow},
    // A tenth of a step below a grid point already starts there.
    {"more than a tenth below 0.02", 0.017f, 1},
    {"just over a tenth below 0.02", 0.0179f, 1},
    {"just under a tenth below 0.02", 0.0181f, 2},
    {"less than a tenth below 0.02", 0.0185f, 2},
    {"grid point 0.30", 0.3f, 16},
    {"a tenth below 0.76, above", 0.7581f, 39},
    {"a tenth below 0.76, below", 0.7579f, 38},
    // Top: the rule gives 40 or more, the start stays at 39.
    {"grid point 0.78", 0.78f, 39},
    {"between the last grid points", 0.79f, 39},
    {"last grid point", 0.8f, 39},
    {"above the table", 0.9f, 39},
    {"t just beyond the int range", 4.3e7f, 39},
    {"t far beyond the int range", 1e30f, 39},
    {"largest Real", FLT_MAX, 39},
    {"plus infinity", kInf, 39},
};

const StartCase kPatternStarts[] = {
    {"first grid point", 0.0f, 1},
    {"minus zero", -0.0f, 1},
    {"just below zero", -1e-7f, kNoWindow},
    {"one step below zero", -0.04f, kNoWindow},
    {"minus infinity", -kInf, kNoWindow},
    {"NaN", kNaN, kNoWindow},
    {"just below 0.04", 0.039f, 1},
    {"just above 0.04", 0.041f, 2},
    {"just below 0.64", 0.6399f, 16},
    {"grid point 0.64", 0.64f, 17},
    {"grid point 0.68, rule gives 18", 0.68f, 17},
    {"0.70, rule gives 18", 0.70f, 17},
    {"last grid point", 0.72f, 17},
    {"t just beyond the int range", 8.6e7f, 17},
    {"t far beyond the int range", 1e30f, 17},
    {"plus infinity", kInf, 17},
};

TEST(WindowStart, GainLossStartsAtTheRightEntry) {
    for (const StartCase& c : kGainLossStarts) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(windowStart(c.S, kGainLossRule), c.start);
    }
}

TEST(WindowStart, PatternTablesStartAtTheRightEntry) {
    for (const StartCase& c : kPatternStarts) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(windowStart(c.S, kPatternRule), c.start);
    }
}

TEST(WindowStart, NeverLeavesTheTable) {
    for (const WindowRule* rule : {&kGainLossRule, &kPatternRule}) {
        for (Real S = -1.0f; S < 100.0f; S += 0.0009765625f) {
            const int start = windowStart(S, *rule);
            EXPECT_TRUE(start == kNoWindow || (start >= 1 && start <= rule->highestStart)) << S;
        }
    }
}

// t is truncated from the Wide value, so an S whose t lies within rounding
// distance of an integer starts in adjacent windows in the two builds.
struct BuildStartCase {
    const char* name;
    const WindowRule* rule;
    Real S;
    int vectorStart, x87Start;
};

const BuildStartCase kBuildStarts[] = {
    {"foot of the GAINLOSS strip", &kGainLossRule, -0x1.0624e2p-9f, 1, kNoWindow},
    {"a tenth of a step below 0.02", &kGainLossRule, 0x1.26e976p-6f, 2, 1},
    {"just below the pattern point 0.20", &kPatternRule, 0x1.999998p-3f, 6, 5},
    {"just below the pattern point 0.40", &kPatternRule, 0x1.999998p-2f, 11, 10},
};

TEST(WindowStart, TruncatesTInTheBuildsPrecision) {
    for (const BuildStartCase& c : kBuildStarts) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(windowStart(c.S, *c.rule), kBuild == Build::x87 ? c.x87Start : c.vectorStart);
    }
}

TEST(Interpolate, NoWindowGivesNaNAtTheFootOfTheStripOnlyInTheX87Build) {
    const Real loss = interpolateAt(-0x1.0624e2p-9f, kGainLossRule, GAINLOSS);
    if constexpr (kBuild == Build::x87)
        EXPECT_TRUE(std::isnan(loss));
    else
        EXPECT_NEAR(loss, 0.7741, 1e-4);
}

struct AlgipCase {
    const char* name;
    int N;
    Real XA[4], YA[4];
    Real X, Y;
};

const AlgipCase kAlgipCases[] = {
    {"no points", 0, {}, {}, 1.0f, 0.0f},
    {"negative count", -2, {1.0f}, {5.0f}, 1.0f, 0.0f},
    {"one point is a constant", 1, {1.0f}, {7.5f}, 3.0f, 7.5f},
    {"line between its points", 2, {1.0f, 3.0f}, {2.0f, 6.0f}, 2.0f, 4.0f},
    {"parabola at a point", 3, {0.0f, 1.0f, 2.0f}, {0.0f, 1.0f, 4.0f}, 2.0f, 4.0f},
    {"parabola between points", 3, {0.0f, 1.0f, 2.0f}, {0.0f, 1.0f, 4.0f}, 0.5f, 0.25f},
    {"parabola extrapolated", 3, {0.0f, 1.0f, 2.0f}, {0.0f, 1.0f, 4.0f}, 3.0f, 9.0f},
    {"parabola, points unordered", 3, {2.0f, 0.0f, 1.0f}, {4.0f, 0.0f, 1.0f}, -1.0f, 1.0f},
    {"cubic extrapolated", 4, {0.0f, 1.0f, 2.0f, 3.0f}, {0.0f, 1.0f, 8.0f, 27.0f}, 4.0f, 64.0f},
};

TEST(Algip, EvaluatesTheLagrangePolynomial) {
    for (const AlgipCase& c : kAlgipCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ALGIP(c.X, c.XA, c.YA, c.N), c.Y);
    }
}

TEST(Algip, EqualAbscissaeGiveANonFiniteValue) {
    const Real XA[3] = {1.0f, 1.0f, 2.0f}, YA[3] = {1.0f, 2.0f, 3.0f};
    EXPECT_FALSE(std::isfinite(ALGIP(1.5f, XA, YA, 3)));
}

// The model's abscissae: the entry's integer times the step, once.
void fillAbscissae(int start, Real step, Real XA[3]) {
    for (int J = 0; J < 3; ++J) XA[J] = Real(start - 1 + J) * step;
}

struct TableCase {
    const char* name;
    const Real* table;
    int entries;
    const WindowRule* rule;
};

const TableCase kTables[] = {
    {"GAINLOSS", GAINLOSS, kGainLossEntries, &kGainLossRule},
    {"U3DBE", U3DBE, kPatternEntries, &kPatternRule},
    {"U3DBH", U3DBH, kPatternEntries, &kPatternRule},
    {"U10DBE", U10DBE, kPatternEntries, &kPatternRule},
    {"U10DBH", U10DBH, kPatternEntries, &kPatternRule},
};

TEST(Interpolate, GivesEveryEntryExactlyAtItsGridPoint) {
    for (const TableCase& t : kTables) {
        SCOPED_TRACE(t.name);
        for (int k = 1; k <= t.entries; ++k) {
            const Real S = Real(k - 1) * t.rule->step;
            EXPECT_EQ(interpolateAt(S, *t.rule, t.table), t.table[k - 1]) << "entry " << k;
        }
    }
}

// The shared-weights path and ALGIP on the same window agree bit for bit.
TEST(Interpolate, SharedWeightsEqualAlgip) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<Real> anyS(-0.01f, 1.2f);
    for (int n = 0; n < 20000; ++n) {
        const Real S = anyS(rng);
        for (const TableCase& t : kTables) {
            const int start = windowStart(S, *t.rule);
            if (start == kNoWindow) continue;
            Real XA[3];
            fillAbscissae(start, t.rule->step, XA);
            ASSERT_TRUE(sameReal(interpolateAt(S, *t.rule, t.table), ALGIP(S, XA, t.table + start - 1, 3)))
                << t.name << " S=" << S;
        }
    }
}

TEST(Interpolate, NoWindowGivesNaNWithoutReadingTheTable) {
    // A window start of 0 would read before the table; none is taken.
    const Window window{kNoWindow, {1.0f, 0.0f, 0.0f}};
    EXPECT_TRUE(std::isnan(interpolate(window, GAINLOSS)));
    for (const Real S : {-0.01f, -kInf, kNaN}) EXPECT_TRUE(std::isnan(interpolateAt(S, kGainLossRule, GAINLOSS)));
    for (const Real S : {-1e-7f, -kInf, kNaN}) EXPECT_TRUE(std::isnan(interpolateAt(S, kPatternRule, U3DBE)));
}

struct ValueCase {
    const char* name;
    const Real* table;
    const WindowRule* rule;
    Real S;
    double value, tolerance;
};

const ValueCase kValues[] = {
    // Exact entries.
    {"GAINLOSS at 0", GAINLOSS, &kGainLossRule, 0.0f, 0.774f, 0},
    {"U3DBE at 0", U3DBE, &kPatternRule, 0.0f, 1.61634f, 0},
    {"U3DBH at 0", U3DBH, &kPatternRule, 0.0f, 2.037624f, 0},
    {"U10DBE at 0", U10DBE, &kPatternRule, 0.0f, 2.73138f, 0},
    {"U10DBH at 0", U10DBH, &kPatternRule, 0.0f, 3.518897f, 0},
    {"U3DBE at 0.64", U3DBE, &kPatternRule, 0.64f, 4.365573f, 0},
    {"U10DBH at 0.64", U10DBH, &kPatternRule, 0.64f, 6.086282f, 0},
    // Between grid points and in the strip.
    {"GAINLOSS at 0.3", GAINLOSS, &kGainLossRule, 0.3f, 1.9830, 1e-4},
    {"GAINLOSS in the strip", GAINLOSS, &kGainLossRule, -0.001f, 0.77404, 1e-5},
    {"GAINLOSS between the last points", GAINLOSS, &kGainLossRule, 0.79f, 10.4919, 1e-4},
    // Extrapolated above the table.
    {"GAINLOSS above the table", GAINLOSS, &kGainLossRule, 0.9f, 13.862, 1e-3},
    {"U3DBE at 0.70", U3DBE, &kPatternRule, 0.70f, 5.0067, 1e-4},
};

TEST(Interpolate, ReadsTheTablesValues) {
    for (const ValueCase& c : kValues) {
        SCOPED_TRACE(c.name);
        const Real value = interpolateAt(c.S, *c.rule, c.table);
        if (c.tolerance == 0)
            EXPECT_EQ(value, Real(c.value));
        else
            EXPECT_NEAR(value, c.value, c.tolerance);
    }
}

// The parabola through the entries of the window that exact arithmetic picks,
// evaluated in long double. The model's error is a few Real roundings of the
// terms P_J YA(J), which grow where the parabola is extrapolated.
TEST(Interpolate, FollowsTheParabolaThroughItsWindow) {
    constexpr long double kRealEpsilon = 0x1p-24L;
    constexpr long double kRoundings = 8;  // two per weight, one per term and sum, with margin
    for (const TableCase& t : kTables) {
        SCOPED_TRACE(t.name);
        const long double h = t.rule->step, c = t.rule->offset;
        const Real top = Real(t.entries - 1) * t.rule->step;
        for (Real S = 0.0f; S < 1.25f * top; S += 0.0007f) {
            const long double tExact = S / h + c;
            if (std::fabs(tExact - std::round(tExact)) < 1e-4L) continue;  // window edge
            const int start = std::min(int(tExact), t.rule->highestStart);
            Real XA[3];
            fillAbscissae(start, t.rule->step, XA);
            long double parabola = 0, magnitude = 0;
            for (int J = 0; J < 3; ++J) {
                long double P = 1;
                for (int K = 0; K < 3; ++K)
                    if (K != J) P *= (S - (long double)XA[K]) / ((long double)XA[J] - XA[K]);
                parabola += P * t.table[start - 1 + J];
                magnitude += std::fabs(P * t.table[start - 1 + J]);
            }
            EXPECT_NEAR(interpolateAt(S, *t.rule, t.table), parabola, kRoundings * kRealEpsilon * magnitude)
                << "S=" << S;
        }
    }
}

// Window rule and interpolation in the build's evaluation type, bit for bit.
TEST(Interpolate, MatchesTheReferenceInTheBuildsPrecision) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<Real> anyS(-0.003f, 1.0f);
    const reference::Rule* rules[] = {&reference::kGainLoss, &reference::kPattern};
    for (int n = 0; n < 20000; ++n) {
        const Real S = anyS(rng);
        for (const TableCase& t : kTables) {
            const reference::Rule& rule = *rules[t.rule == &kGainLossRule ? 0 : 1];
            ASSERT_TRUE(sameReal(interpolateAt(S, *t.rule, t.table),
                                 reference::interpolate<BuildPrecision>(S, rule, t.table)))
                << t.name << " S=" << S;
        }
    }
}

TEST(Interpolate, FloatAndDoubleEvaluationsDifferInTheLastBit) {
    const Real inFloat = reference::interpolate<float>(0.79f, reference::kGainLoss, GAINLOSS);
    const Real inDouble = reference::interpolate<double>(0.79f, reference::kGainLoss, GAINLOSS);
    EXPECT_EQ(ulpDistance(inFloat, inDouble), 1);
    const Real model = interpolateAt(0.79f, kGainLossRule, GAINLOSS);
    EXPECT_EQ(model, kBuild == Build::x87 ? inDouble : inFloat);
}

}  // namespace

// The build's arithmetic environment is in force in the test binaries, as it
// is in the program: the precision of Wide, flush-to-zero, masked exceptions,
// and the mathematics functions' behaviour at the edges of their domains.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "expectations.hpp"
#include "horn/arithmetic.hpp"

namespace {

// Volatile operands: nothing below may be folded at compile time, where long
// double constants get a 64-bit significand and no exception can trap.
volatile Real vZero = 0.0f;
volatile Real vOne = 1.0f;
volatile Real vTwo = 2.0f;
volatile Real vThree = 3.0f;
volatile Real vSmallestNormal = FLT_MIN;
volatile Real vLargest = FLT_MAX;

constexpr Real kInf = std::numeric_limits<Real>::infinity();
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

TEST(ArithmeticEnvironment, WideQuotientHasTheBuildsSignificand) {
    const Wide third = Wide(vOne) / Wide(vThree);
    if constexpr (kBuild == Build::x87) {
        EXPECT_GT(sizeof(Wide), sizeof(double));
        EXPECT_EQ(third, Wide(1.0 / 3.0)) << "53-bit precision control is not set";
        // The compiler folds this constant with the full 64-bit significand.
        EXPECT_NE(third, 1.0L / 3.0L);
    } else {
        EXPECT_EQ(sizeof(Wide), sizeof(float));
        EXPECT_EQ(third, 1.0f / 3.0f);
    }
}

TEST(ArithmeticEnvironment, OnlyTheVectorBuildFlushesSubnormalResults) {
    const Real half = Real(Wide(vSmallestNormal) / Wide(vTwo));
    if constexpr (kBuild == Build::x87) {
        EXPECT_EQ(std::fpclassify(half), FP_SUBNORMAL);
        EXPECT_EQ(half, FLT_MIN / 2);
    } else {
        EXPECT_EQ(half, 0.0f);
        EXPECT_FALSE(std::signbit(half));
    }
}

// A trap would end the test binary; masked, each gives its IEEE value. Both
// the Wide unit and plain Real arithmetic are checked, since the x87 build
// uses two units.
TEST(ArithmeticEnvironment, EveryExceptionIsMasked) {
    EXPECT_EQ(Real(Wide(vOne) / Wide(vZero)), kInf);
    EXPECT_EQ(Real(-Wide(vOne) / Wide(vZero)), -kInf);
    EXPECT_TRUE(std::isnan(Real(Wide(vZero) / Wide(vZero))));
    EXPECT_EQ(Real(Wide(vLargest) * Wide(vTwo)), kInf);
    EXPECT_EQ(Real(Wide(vLargest) * Wide(vLargest) * Wide(vLargest)), kInf);
    EXPECT_EQ(Real(Wide(vSmallestNormal) * Wide(vSmallestNormal)), 0.0f);

    EXPECT_EQ(vOne / vZero, kInf);
    EXPECT_TRUE(std::isnan(vZero / vZero));
    EXPECT_EQ(vLargest * vTwo, kInf);
}

// One mathematics function at one argument: what the x87 build raises, if
// anything, and otherwise the result both builds return.
struct MathCase {
    const char* name;
    Wide (*function)(Wide);
    Real argument;
    const char* x87Function;  // nullptr: returns in the x87 build as well
    const char* x87Kind;
    Real vectorResult;        // NaN compares equal to NaN
};

constexpr const char* kDomain = "domain error";
constexpr const char* kSingularity = "singularity";

Wide callSqrt(Wide x) { return wide::sqrt(x); }
Wide callLog(Wide x) { return wide::log(x); }
Wide callCos(Wide x) { return wide::cos(x); }
Wide callAtan(Wide x) { return wide::atan(x); }

const MathCase kMathCases[] = {
    // sqrt: negatives and NaN are domain errors; minus zero is accepted.
    {"sqrt of -1", callSqrt, -1.0f, "sqrt", kDomain, kNaN},
    {"sqrt of -inf", callSqrt, -kInf, "sqrt", kDomain, kNaN},
    {"sqrt of NaN", callSqrt, kNaN, "sqrt", kDomain, kNaN},
    {"sqrt of -0", callSqrt, -0.0f, nullptr, nullptr, -0.0f},
    {"sqrt of 4", callSqrt, 4.0f, nullptr, nullptr, 2.0f},
    // log: zero is a singularity, below zero and NaN a domain error.
    {"log of 0", callLog, 0.0f, "log", kSingularity, -kInf},
    {"log of -0", callLog, -0.0f, "log", kSingularity, -kInf},
    {"log of -1", callLog, -1.0f, "log", kDomain, kNaN},
    {"log of -inf", callLog, -kInf, "log", kDomain, kNaN},
    {"log of NaN", callLog, kNaN, "log", kDomain, kNaN},
    {"log of 1", callLog, 1.0f, nullptr, nullptr, 0.0f},
    {"log of +inf", callLog, kInf, nullptr, nullptr, kInf},
    // cos and atan test only for NaN.
    {"cos of NaN", callCos, kNaN, "cos", kDomain, kNaN},
    {"cos of +inf", callCos, kInf, nullptr, nullptr, kNaN},
    {"cos of 0", callCos, 0.0f, nullptr, nullptr, 1.0f},
    {"atan of NaN", callAtan, kNaN, "atan", kDomain, kNaN},
    {"atan of 0", callAtan, 0.0f, nullptr, nullptr, 0.0f},
};

TEST(MathFunctions, TestTheirArgumentsOnlyInTheX87Build) {
    for (const MathCase& c : kMathCases) {
        SCOPED_TRACE(c.name);
        volatile Real argument = c.argument;
        if (kBuild == Build::x87 && c.x87Function != nullptr) {
            expectMathError([&] { c.function(Wide(argument)); }, c.x87Function, c.x87Kind);
        } else {
            Real result = 0;
            EXPECT_NO_THROW(result = Real(c.function(Wide(argument))));
            EXPECT_TRUE(sameReal(result, c.vectorResult)) << result;
        }
    }
}

TEST(MathFunctions, AtanOfInfinityIsAQuarterTurn) {
    volatile Real inf = kInf;
    EXPECT_EQ(Real(wide::atan(Wide(inf))), Real(std::atan(double(kInf))));
    EXPECT_EQ(Real(wide::atan(-Wide(inf))), -Real(std::atan(double(kInf))));
}

struct PowCase {
    const char* name;
    Real base, exponent, result;
};

const PowCase kPowCases[] = {
    {"negative base, fractional exponent", -1.0f, 0.5f, kNaN},
    {"zero to a negative power", 0.0f, -1.0f, kInf},
    {"NaN to the zeroth power", kNaN, 0.0f, 1.0f},
    {"NaN base", kNaN, 1.0f, kNaN},
    {"NaN exponent", 10.0f, kNaN, kNaN},
    {"one to a NaN power", 1.0f, kNaN, 1.0f},
    {"minus zero exponent", 0.5f, -0.0f, 1.0f},
    {"overflow", 10.0f, 100.0f, kInf},
    {"plain", 10.0f, 2.0f, 100.0f},
};

TEST(MathFunctions, PowNeverRaisesAndGivesIeeeResults) {
    for (const PowCase& c : kPowCases) {
        SCOPED_TRACE(c.name);
        volatile Real base = c.base, exponent = c.exponent;
        Real result = 0;
        EXPECT_NO_THROW(result = Real(wide::pow(Wide(base), Wide(exponent))));
        EXPECT_TRUE(sameReal(result, c.result)) << result;
    }
}

}  // namespace

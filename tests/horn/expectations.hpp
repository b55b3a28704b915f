#pragma once
// Comparisons the horn tests share: bit equality of Reals, distance in units
// in the last place, the mathematics error of the x87 build, and the
// evaluation type that matches the build's arithmetic.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <type_traits>

#include "horn/arithmetic.hpp"

// float for the vector build; double, the 53-bit significand of the x87
// build's precision control, for the x87 build.
using BuildPrecision = std::conditional_t<kBuild == Build::x87, double, float>;

// Equal bit for bit, or both NaN.
inline bool sameReal(Real x, Real y) {
    return (std::isnan(x) && std::isnan(y)) || std::bit_cast<std::uint32_t>(x) == std::bit_cast<std::uint32_t>(y);
}

// Number of Reals from x to y: 1 for neighbours, 0 for equal values.
inline std::int64_t ulpDistance(Real x, Real y) {
    auto ordered = [](Real v) {
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(v);
        const std::int64_t magnitude = bits & 0x7fffffffu;
        return (bits >> 31) ? -magnitude : magnitude;
    };
    const std::int64_t d = ordered(x) - ordered(y);
    return d < 0 ? -d : d;
}

// Runs call and expects it to throw MathError{function, kind}.
template <class Call>
void expectMathError(Call&& call, const char* function, const char* kind) {
    try {
        call();
        ADD_FAILURE() << "expected MathError from " << function << " (" << kind << ")";
    } catch (const MathError& error) {
        EXPECT_STREQ(error.function, function);
        EXPECT_STREQ(error.kind, kind);
    }
}

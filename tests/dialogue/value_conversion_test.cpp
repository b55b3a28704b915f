// The value converter alone: the free form, nearest-Real conversion and exact
// integer truncation. Expected bit patterns come from exact rational rounding
// (round to nearest, ties to even), not from another float parser.
#include "dialogue/value_conversion.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace {

std::uint32_t bitsOf(Real value) { return std::bit_cast<std::uint32_t>(value); }

// ---------------------------------------------------------------------------
// Form

struct FormCase {
    std::string text;
    bool negative;
    const char* whole;
    const char* fraction;
    std::int64_t exponent;
};

const FormCase kGoodForms[] = {
    // plain and signed
    {"15", false, "15", "", 0},
    {"+15.", false, "15", "", 0},
    {"-.5", true, "", "5", 0},
    {"5.", false, "5", "", 0},
    {"007", false, "007", "", 0},
    {"-0", true, "0", "", 0},
    // every exponent letter, either case, with and without its sign
    {"1.5e1", false, "1", "5", 1},
    {"1.5E1", false, "1", "5", 1},
    {"1.5D-1", false, "1", "5", -1},
    {"1.5d+1", false, "1", "5", 1},
    {"150Q+01", false, "150", "", 1},
    {"1.5q1", false, "1", "5", 1},
    // the letter may follow the point, as long as a digit came before it
    {"1.e5", false, "1", "", 5},
    {".5e-3", false, "", "5", -3},
    // long and huge exponents
    {"1e0000000000000000000000003", false, "1", "", 3},
    {"1e99999999999999999999", false, "1", "", kExponentClamp},
    {"1e-99999999999999999999", false, "1", "", -kExponentClamp},
};

TEST(ValueForm, AcceptsTheFreeFormAndTakesItApart) {
    for (const FormCase& c : kGoodForms) {
        SCOPED_TRACE(c.text);
        const std::optional<ValueForm> form = parseValueForm(c.text);
        ASSERT_TRUE(form.has_value());
        EXPECT_EQ(form->negative, c.negative);
        EXPECT_EQ(form->whole, c.whole);
        EXPECT_EQ(form->fraction, c.fraction);
        EXPECT_EQ(form->exponent, c.exponent);
    }
}

const std::string kBadForms[] = {
    // no digit at all
    "", "+", "-", ".", "+.", "-.",
    // exponent letter not preceded by a digit
    "e5", ".e5", "+e5", "D", "q1",
    // two signs in a row, sign inside
    "+-1", "--1", "1-", "1.5+3", "1.5-3",
    // second point, second exponent letter, exponent without digits
    "1..5", "1.5.", "1.5.2", "1ee5", "1e5e5", "1e5d5", "1e1.5", "1.5e", "1.5e+", "1.5e-",
    // other characters: blanks, words, quotes, parentheses, other radixes
    " 1", "1 ", "1\t", "1,", "abc", "T", "F", ".TRUE.", ".F.", "'a'", "\"1\"", "(1", "1)",
    "inf", "nan", "Infinity", "0x10", "1f", "1_000", "1h",
    // control and non-ASCII bytes
    std::string{'1', '\0'}, std::string{'\0'}, "1\r", "1\xC3\xA9", "\xB9", "1\x7F",
};

TEST(ValueForm, RejectsEveryOtherText) {
    for (const std::string& text : kBadForms) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_FALSE(parseValueForm(text).has_value());
    }
}

// ---------------------------------------------------------------------------
// Nearest Real

std::optional<Real> readReal(const std::string& text) {
    const std::optional<ValueForm> form = parseValueForm(text);
    EXPECT_TRUE(form.has_value()) << text;
    return form ? toReal(*form) : std::nullopt;
}

struct RealCase {
    std::string text;
    std::uint32_t bits;
};

// Exact halfway points between adjacent Reals, written in full.
const std::string kHalfOnePlusUlp = "1.000000059604644775390625";  // 1 + 2^-24
// 2^-150: half the smallest subnormal.
const std::string kHalfSmallestSubnormal =
    "7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319094181"
    "060791015625e-46";
// (2^25 - 1) * 2^-150, between 0x00FFFFFF and 0x01000000: 113 significant
// digits, the longest a halfway point has.
const std::string kLongestHalfway =
    "2.35098863157965179969661952825801219114152454953107794919171482470342032441990021141009492566"
    "80905818939208984375e-38";
const std::string kLongestHalfwayLess =
    "2.35098863157965179969661952825801219114152454953107794919171482470342032441990021141009492566"
    "80905818939208984374e-38";
// 2^128 - 2^103: halfway between the largest finite Real and 2^128.
const std::string kOverflowThreshold = "340282356779733661637539395458142568448";
const std::string kOverflowThresholdLess = "340282356779733661637539395458142568447.99999";

const RealCase kNearestReals[] = {
    // ordinary values and every spelling of 15
    {"0.1", 0x3DCCCCCD}, {"0.25", 0x3E800000}, {"-0.5", 0xBF000000}, {"15", 0x41700000},
    {"+15.", 0x41700000}, {"1.5e1", 0x41700000}, {"1.5D1", 0x41700000}, {"150e-1", 0x41700000},
    {"1.5q1", 0x41700000}, {"0.0000015e7", 0x41700000},
    {"3.14159265358979323846264338327950288419716939937510", 0x40490FDB},
    {"000000000000000000000000000000001.5", 0x3FC00000},
    // zeros keep their sign, whatever the exponent
    {"0", 0x00000000}, {"-0", 0x80000000}, {"-0.000", 0x80000000}, {"0e99999999999", 0x00000000},
    // ties to even in binary: 2^24 + 1 and 2^24 + 3 lie halfway
    {"16777217", 0x4B800000}, {"16777219", 0x4B800002},
    {"16777217.000000000000000000001", 0x4B800001}, {"16777216.99999999", 0x4B800000},
    {kHalfOnePlusUlp, 0x3F800000},
    {kHalfOnePlusUlp + "000000000000000000001", 0x3F800001},
    {"1.000000059604644775390624999999", 0x3F800000},
    // a digit far past the 113th still breaks a tie
    {kHalfOnePlusUlp + std::string(300, '0') + "1", 0x3F800001},
    {kHalfOnePlusUlp + std::string(300, '0'), 0x3F800000},
    {kLongestHalfway, 0x01000000}, {kLongestHalfwayLess, 0x00FFFFFF},
    // subnormals and underflow: the nearest Real, zero below half the smallest
    {"1e-40", 0x000116C2}, {"-1e-40", 0x800116C2}, {"1.1754942e-38", 0x007FFFFF},
    {"1.1754943e-38", 0x00800000}, {"1e-45", 0x00000001}, {"1.401298464324817e-45", 0x00000001},
    {"7.1e-46", 0x00000001}, {"7e-46", 0x00000000}, {kHalfSmallestSubnormal, 0x00000000},
    {kHalfSmallestSubnormal.substr(0, kHalfSmallestSubnormal.size() - 4) + "0001e-46", 0x00000001},
    {"1e-46", 0x00000000}, {"-1e-46", 0x80000000}, {"1e-99999999999999999999", 0x00000000},
    {"0." + std::string(1000, '0') + "1e1000", 0x3DCCCCCD},
    // the top: the largest finite Real up to just below the threshold
    {"3.4028235e38", 0x7F7FFFFF}, {"-3.4028235e38", 0xFF7FFFFF},
    {kOverflowThresholdLess, 0x7F7FFFFF}, {"0.000000001e47", 0x7E967699},
};

TEST(RealConversion, GivesTheNearestRealTiesToEven) {
    for (const RealCase& c : kNearestReals) {
        SCOPED_TRACE(c.text);
        const std::optional<Real> value = readReal(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(bitsOf(*value), c.bits);
    }
}

const std::string kBeyondLargestReal[] = {
    kOverflowThreshold,  // exactly halfway: ties to the even 2^128, which is out
    "3.4028236e38", "-3.4028236e38", "1e39", "1e99999999999999999999",
    "0.00000000000000000000000000000000000000000001e84", std::string(40, '9'),
};

TEST(RealConversion, RefusesMagnitudesThatRoundBeyondTheLargestReal) {
    for (const std::string& text : kBeyondLargestReal) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(readReal(text).has_value());
    }
}

// The vector build flushes results below the smallest normal Real to zero;
// a subnormal answer must come through all the same.
TEST(RealConversion, SubnormalsSurviveTheBuildsArithmetic) {
    if constexpr (kBuild == Build::vector) {
        volatile Real tiny = 1e-30f;
        ASSERT_EQ(tiny * 1e-10f, 0.0f) << "flush-to-zero is not in effect";
    }
    EXPECT_EQ(bitsOf(*readReal("1e-40")), 0x000116C2u);
    EXPECT_EQ(bitsOf(*readReal("5.877472e-39")), 0x00400000u);
}

// Over a prime-strided walk of the finite positive Reals: each one written
// exactly reads back as itself; the exact midpoint to its successor reads as
// whichever of the two is even; a hair above or below the midpoint reads as
// the nearer. glibc writes these doubles digit-exactly (they are short binary
// fractions), so no rounding happens in the oracle.
TEST(RealConversion, MidpointsOverAStridedWalkRoundToEven) {
    constexpr std::uint32_t kStride = 65521;  // largest prime below 2^16
    constexpr std::uint32_t kLargestFinite = 0x7F7FFFFF;
    char text[512];
    for (std::uint32_t bits = 1; bits < kLargestFinite; bits += kStride) {
        const Real low = std::bit_cast<Real>(bits);
        const Real high = std::bit_cast<Real>(bits + 1);
        const double midpoint = (static_cast<double>(low) + static_cast<double>(high)) / 2;
        const Real even = (bits & 1) ? high : low;

        std::snprintf(text, sizeof text, "%.150e", static_cast<double>(low));
        ASSERT_EQ(bitsOf(*readReal(text)), bits) << text;

        std::snprintf(text, sizeof text, "%.150e", midpoint);
        ASSERT_EQ(bitsOf(*readReal(text)), bitsOf(even)) << text;

        const double below = std::nextafter(midpoint, 0.0);
        std::snprintf(text, sizeof text, "%.200e", below);
        ASSERT_EQ(bitsOf(*readReal(text)), bits) << text;

        const double above = std::nextafter(midpoint, std::numeric_limits<double>::infinity());
        std::snprintf(text, sizeof text, "%.200e", above);
        ASSERT_EQ(bitsOf(*readReal(text)), bits + 1) << text;
    }
}

// ---------------------------------------------------------------------------
// Integer truncation

std::optional<std::int32_t> readInteger(const std::string& text) {
    const std::optional<ValueForm> form = parseValueForm(text);
    EXPECT_TRUE(form.has_value()) << text;
    return form ? toInteger(*form) : std::nullopt;
}

struct IntegerCase {
    std::string text;
    std::int32_t value;
};

const IntegerCase kTruncations[] = {
    // integers as written, both ends of the range
    {"0", 0}, {"-0", 0}, {"7", 7}, {"+7", 7}, {"0000000000000000000042", 42},
    {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
    // toward zero, never through a float
    {"2.9", 2}, {"0.5", 0}, {"-0.5", 0}, {"-2.9", -2}, {"2.", 2}, {".9", 0},
    {"16777217.9", 16777217}, {"2147483647.999999999", 2147483647},
    {"-2147483648.9", -2147483647 - 1},
    // the exponent moves the point exactly
    {"1e3", 1000}, {"1.5D1", 15}, {"150e-1", 15}, {"159q-1", 15}, {"0.000001e6", 1},
    {"0.0000009e6", 0}, {"21474836479e-1", 2147483647}, {"2.147483647e9", 2147483647},
    {"123456789012345678901234567890e-28", 12}, {"12e-1", 1}, {"-12e-1", -1},
    // huge exponents: no overflow on the way
    {"1e-99999999999999999999", 0}, {"0e99999999999999999999", 0},
    {"0." + std::string(1000, '0') + "5e1001", 5},
    {"5" + std::string(1000, '0') + "e-1000", 5},
};

TEST(IntegerConversion, TruncatesTowardZeroExactly) {
    for (const IntegerCase& c : kTruncations) {
        SCOPED_TRACE(c.text);
        const std::optional<std::int32_t> value = readInteger(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value);
    }
}

const std::string kOutsideInt32[] = {
    "2147483648", "-2147483649", "2147483648.5", "-2147483649.0", "1e10", "2.147483648e9",
    "99999999999", "1e99999999999999999999", "0.1e11", std::string(400, '9'),
};

TEST(IntegerConversion, RefusesValuesOutsideTheSigned32BitRange) {
    for (const std::string& text : kOutsideInt32) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(readInteger(text).has_value());
    }
}

}  // namespace

// RENDERFIXED case tables. Expected fields are worked out from each float's
// exact stored value (given in the comments where it is not the literal).
#include "dialogue/render_fixed.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// Renders into the middle of a guarded buffer, so a renderer that writes one
// byte too many or too few, or returns the wrong end, fails the case.
constexpr char kGuard = '#';
constexpr int kGuardLength = 8;

std::string rendered(Real value, int width, int decimals) {
    std::array<char, kGuardLength + 20 + kGuardLength> buffer;
    buffer.fill(kGuard);
    char* const field = buffer.data() + kGuardLength;
    const char* const end = RENDERFIXED(field, value, width, decimals);
    EXPECT_EQ(end, field + width) << "returned end for width " << width;
    for (const char* p = buffer.data(); p != field; ++p) EXPECT_EQ(*p, kGuard) << "wrote before the field";
    for (const char* p = field + width; p != buffer.data() + buffer.size(); ++p) {
        EXPECT_EQ(*p, kGuard) << "wrote past the field";
    }
    return std::string(field, static_cast<std::size_t>(width));
}

Real fromBits(std::uint32_t bits) { return std::bit_cast<Real>(bits); }

struct Case {
    Real value;
    int width;
    int decimals;
    const char* expected;
};

void expectAll(const std::initializer_list<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(rendered(c.value, c.width, c.decimals), c.expected)
            << "value " << c.value << " (bits 0x" << std::hex << std::bit_cast<std::uint32_t>(c.value)
            << std::dec << ") in " << c.width << "." << c.decimals;
    }
}

constexpr Real kInfinity = std::numeric_limits<Real>::infinity();

TEST(RenderFixed, WorkedExamplesOfTheFieldRules) {
    expectAll({
        {0.5f, 7, 4, " 0.5000"},
        {0.5f, 6, 4, "0.5000"},
        {0.5f, 5, 4, ".5000"},
        {0.5f, 4, 4, "****"},
        {-0.5f, 7, 4, "-0.5000"},
        {-0.5f, 6, 4, "-.5000"},
        {12.345678f, 10, 4, "   12.3457"},  // 12.3456783294677734375
        {0.125f, 7, 2, "   0.13"},
        {12.25f, 8, 1, "    12.3"},
        {-0.004f, 7, 2, "   0.00"},
        {-0.006f, 7, 2, "  -0.01"},
        {123456.0f, 7, 2, "*******"},
    });
}

TEST(RenderFixed, WorkedExamplesOfNonFiniteFieldsPerBuild) {
    const bool x87 = kBuild == Build::x87;
    EXPECT_EQ(rendered(kInfinity, 9, 3), " Infinity");
    EXPECT_EQ(rendered(std::numeric_limits<Real>::quiet_NaN(), 8, 1), x87 ? " NaN    " : "     NaN");
    EXPECT_EQ(rendered(-kInfinity, 7, 2), x87 ? "*******" : "   -Inf");
}

// Halfway values are j / 2^(d+1) with j odd: the only exact ties at d decimals.
// Each goes away from zero, where printf's ties-to-even would often go down.
TEST(RenderFixed, TieRoundsAwayFromZero) {
    expectAll({
        // d = 0
        {0.5f, 3, 0, " 1."},
        {1.5f, 3, 0, " 2."},
        {2.5f, 3, 0, " 3."},
        {-2.5f, 3, 0, "-3."},
        {-0.5f, 3, 0, "-1."},
        {9.5f, 3, 0, "10."},
        // d = 1
        {0.25f, 5, 1, "  0.3"},
        {-0.75f, 5, 1, " -0.8"},
        {12.25f, 8, 1, "    12.3"},
        // d = 2
        {0.375f, 7, 2, "   0.38"},
        {2.625f, 7, 2, "   2.63"},
        {-0.125f, 7, 2, "  -0.13"},
        {1000.125f, 9, 2, "  1000.13"},
        // d = 3
        {0.0625f, 7, 3, "  0.063"},
        {-0.0625f, 7, 3, " -0.063"},
        {12.3125f, 7, 3, " 12.313"},
        // d = 4
        {0.03125f, 7, 4, " 0.0313"},
        {0.09375f, 7, 4, " 0.0938"},
        {-0.03125f, 7, 4, "-0.0313"},
        {1234.03125f, 10, 4, " 1234.0313"},
        // d = 5 to 9
        {0.015625f, 8, 5, " 0.01563"},
        {0.0078125f, 9, 6, " 0.007813"},
        {0.00390625f, 10, 7, " 0.0039063"},
        {0.001953125f, 11, 8, " 0.00195313"},
        {0.0009765625f, 12, 9, " 0.000976563"},
    });
}

// One ulp either side of a tie is no tie: it goes to the nearer neighbour.
TEST(RenderFixed, NeighboursOfATieRoundToNearest) {
    expectAll({
        {0.124999992549419403076171875f, 7, 2, "   0.12"},
        {0.12500001490116119384765625f, 7, 2, "   0.13"},
        {12.24999904632568359375f, 8, 1, "    12.2"},
        {12.25000095367431640625f, 8, 1, "    12.3"},
        {2.4999997615814208984375f, 3, 0, " 2."},
        {2.5000002384185791015625f, 3, 0, " 3."},
        {0.03124999813735485076904296875f, 7, 4, " 0.0312"},
        {0.0312500037252902984619140625f, 7, 4, " 0.0313"},
    });
}

// For each layout the largest float below 10^k - 0.5 * 10^-d, where k is the
// room for integer digits, and the next float up, which rounds to 10^k.
TEST(RenderFixed, WidestValueFitsAndNextOverflows) {
    expectAll({
        // 7.2
        {9999.994140625f, 7, 2, "9999.99"},
        {9999.9951171875f, 7, 2, "*******"},
        {-999.9949951171875f, 7, 2, "-999.99"},
        {-999.99505615234375f, 7, 2, "*******"},
        // 7.3
        {999.99945068359375f, 7, 3, "999.999"},
        {999.99951171875f, 7, 3, "*******"},
        {-99.9994964599609375f, 7, 3, "-99.999"},
        {-99.99950408935546875f, 7, 3, "*******"},
        // 7.4
        {99.99994659423828125f, 7, 4, "99.9999"},
        {99.9999542236328125f, 7, 4, "*******"},
        {-9.99994945526123046875f, 7, 4, "-9.9999"},
        {-9.999950408935546875f, 7, 4, "*******"},
        // 8.1
        {999999.9375f, 8, 1, "999999.9"},
        {1000000.0f, 8, 1, "********"},
        {-99999.9453125f, 8, 1, "-99999.9"},
        {-99999.953125f, 8, 1, "********"},
        // 9.3
        {99999.9921875f, 9, 3, "99999.992"},
        {100000.0f, 9, 3, "*********"},
        {-9999.9990234375f, 9, 3, "-9999.999"},
        {-10000.0f, 9, 3, "*********"},
        // 9.4
        {9999.9990234375f, 9, 4, "9999.9990"},
        {10000.0f, 9, 4, "*********"},
        {-999.99993896484375f, 9, 4, "-999.9999"},
        {-1000.0f, 9, 4, "*********"},
        // 10.4
        {99999.9921875f, 10, 4, "99999.9922"},
        {100000.0f, 10, 4, "**********"},
        {-9999.9990234375f, 10, 4, "-9999.9990"},
        {-10000.0f, 10, 4, "**********"},
    });
}

// Dropping the integer part's 0 buys one position, and only when it is 0.
TEST(RenderFixed, LeadingZeroGivesWayOnlyWhenTheFieldIsFull) {
    expectAll({
        {-0.5f, 6, 4, "-.5000"},
        {-0.5f, 5, 4, "*****"},
        {0.999949991703033447265625f, 5, 4, ".9999"},
        {0.999949991703033447265625f, 6, 4, "0.9999"},
        {0.99995f, 5, 4, ".9999"},  // 0.999949991703...: below the tie
        {0.9999600648880005f, 5, 4, "*****"},  // rounds to 1.0000
        {0.00004999999873689375817775726318359375f, 5, 4, ".0000"},
        {0.00015000000712461769580841064453125f, 5, 4, ".0002"},
        {0.5f, 2, 0, "1."},
        {0.0f, 2, 0, "0."},
        {0.0f, 1, 0, "."},
        {0.4f, 1, 0, "."},
        {0.5f, 1, 0, "*"},
    });
}

// The minus sign belongs to a nonzero rendered digit, not to the sign bit.
TEST(RenderFixed, NegativeThatRoundsToZeroShowsNoMinus) {
    expectAll({
        {-0.0f, 7, 2, "   0.00"},
        {-0.0f, 3, 0, " 0."},
        {-0.004f, 7, 2, "   0.00"},
        {-0.005f, 7, 2, "   0.00"},  // -0.004999999888...: below the tie
        {-0.00004999999873689375817775726318359375f, 7, 4, " 0.0000"},
        {-0.4f, 3, 0, " 0."},
        {-1e-30f, 10, 4, "    0.0000"},
        {fromBits(0x8000'0001u), 10, 4, "    0.0000"},  // smallest subnormal
        {-0.0f, 5, 4, ".0000"},
        {-0.00005000000237487256526947021484375f, 7, 4, "-0.0001"},
        // at 9 decimals: the scaled value is shifted right by 45 bits
        {-6e-10f, 12, 9, "-0.000000001"},  // -5.99999994133...e-10
        {-5e-10f, 12, 9, " 0.000000000"},  // -4.99999985859...e-10: below the tie
        {6e-10f, 12, 9, " 0.000000001"},
    });
}

TEST(RenderFixed, CarryRipplesAcrossAPowerOfTen) {
    expectAll({
        {9.99995f, 7, 4, "10.0000"},   // 9.999950408935546875
        {99.995f, 7, 2, " 100.00"},     // 99.99500274658203125
        {-9.99995f, 8, 4, "-10.0000"},
        {999.9995f, 8, 3, "1000.000"},  // 999.99951171875
        {0.99995f, 7, 4, " 0.9999"},    // 0.999949991703...: no carry
        {9.5f, 2, 0, "**"},             // "10." needs three positions
    });
}

TEST(RenderFixed, ExtremeFiniteFloats) {
    expectAll({
        // largest finite float, 340282346638528859811704183484516925440
        {std::numeric_limits<Real>::max(), 7, 2, "*******"},
        {std::numeric_limits<Real>::max(), 20, 0, "********************"},
        {std::numeric_limits<Real>::max(), 20, 9, "********************"},
        {-std::numeric_limits<Real>::max(), 10, 4, "**********"},
        // smallest subnormal 2^-149, largest subnormal, smallest normal 2^-126
        {fromBits(0x0000'0001u), 7, 2, "   0.00"},
        {fromBits(0x0000'0001u), 20, 9, "         0.000000000"},
        {fromBits(0x007F'FFFFu), 10, 4, "    0.0000"},
        {std::numeric_limits<Real>::min(), 7, 4, " 0.0000"},
    });
}

// The widest field holds 19 digits: the rounded scaled value must stay below
// 10^19, which is where 64-bit digit generation stops.
TEST(RenderFixed, NineteenDigitsFitTheWidestField) {
    expectAll({
        {9223372036854775808.0f, 20, 0, "9223372036854775808."},  // 2^63
        {1e19f, 20, 0, "9999999980506447872."},
        {10000001080018075648.0f, 20, 0, "********************"},  // next float above 10^19
        {18446744073709551616.0f, 20, 0, "********************"},  // 2^64
        {1e9f, 20, 9, "1000000000.000000000"},
        {-1e9f, 20, 9, "********************"},
        {9999998976.0f, 20, 9, "9999998976.000000000"},  // largest float below 10^10
        {1e10f, 20, 9, "********************"},
        {17179869184.0f, 20, 9, "********************"},  // 2^34
        {9.99999904632568359375f, 20, 9, "         9.999999046"},
    });
}

// Infinity and NaN in every layout's width and a few narrow ones. A NaN shows
// the same whatever its sign bit and payload.
TEST(RenderFixed, NonFiniteFieldsPerBuild) {
    struct Row {
        int width;
        int decimals;
        const char* vectorInf;
        const char* vectorNegInf;
        const char* vectorNaN;
        const char* x87Inf;
        const char* x87NegInf;
        const char* x87NaN;
    };
    const Row rows[] = {
        // narrow
        {1, 0, "*", "*", "*", "*", "*", "*"},
        {2, 0, "**", "**", "**", "**", "**", "**"},
        {3, 1, "Inf", "***", "NaN", "***", "***", "***"},
        {4, 2, " Inf", "-Inf", " NaN", "****", "****", " NaN"},
        // layouts
        {7, 2, "    Inf", "   -Inf", "    NaN", "*******", "*******", " NaN   "},
        {7, 3, "    Inf", "   -Inf", "    NaN", "*******", "*******", " NaN   "},
        {7, 4, "    Inf", "   -Inf", "    NaN", "*******", "*******", " NaN   "},
        {8, 1, "Infinity", "    -Inf", "     NaN", "********", "********", " NaN    "},
        {9, 3, " Infinity", "-Infinity", "      NaN", " Infinity", "*********", " NaN     "},
        {9, 4, " Infinity", "-Infinity", "      NaN", " Infinity", "*********", " NaN     "},
        {10, 4, "  Infinity", " -Infinity", "       NaN", " Infinity ", " -Infinity", " NaN      "},
        // wide
        {20, 9, "            Infinity", "           -Infinity", "                 NaN",
         " Infinity           ", " -Infinity          ", " NaN                "},
    };
    const Real nans[] = {
        fromBits(0x7FC0'0000u),  // quiet
        fromBits(0xFFC0'0000u),  // quiet, sign bit set
        fromBits(0x7F80'0001u),  // signalling
        fromBits(0xFFFF'FFFFu),  // every payload bit, sign bit set
    };
    const bool x87 = kBuild == Build::x87;
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "field " << r.width << "." << r.decimals);
        EXPECT_EQ(rendered(kInfinity, r.width, r.decimals), x87 ? r.x87Inf : r.vectorInf);
        EXPECT_EQ(rendered(-kInfinity, r.width, r.decimals), x87 ? r.x87NegInf : r.vectorNegInf);
        for (Real nan : nans) {
            EXPECT_EQ(rendered(nan, r.width, r.decimals), x87 ? r.x87NaN : r.vectorNaN)
                << "NaN bits 0x" << std::hex << std::bit_cast<std::uint32_t>(nan);
        }
    }
}

}  // namespace

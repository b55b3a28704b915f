// RENDERFIXED against the exact decimal oracle over many floats: every bit
// pattern at a prime stride, the range that fits the fields densely, every
// exact tie of the layouts, and the neighbourhood of every rounding boundary.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/exact_decimal.hpp"
#include "dialogue/render_fixed.hpp"

namespace {

struct Shape {
    int width;
    int decimals;
};

// The fields of the prompt and report layouts.
constexpr Shape kLayoutShapes[] = {{7, 2}, {7, 3}, {7, 4}, {8, 1}, {9, 3}, {9, 4}, {10, 4}};

// Every field the contract allows: widths 1 to 20, decimals 0 to 9.
constexpr int kMaxWidth = 20;
constexpr int kMaxDecimals = 9;
std::vector<Shape> everyShape() {
    std::vector<Shape> shapes;
    for (int w = 1; w <= kMaxWidth; ++w) {
        for (int d = 0; d <= kMaxDecimals; ++d) shapes.push_back({w, d});
    }
    return shapes;
}

constexpr std::uint32_t kSignBit = 0x8000'0000u;
constexpr std::uint32_t kInfinityBits = 0x7F80'0000u;
constexpr std::uint64_t kBitPatterns = std::uint64_t{1} << 32;

Real fromBits(std::uint32_t bits) { return std::bit_cast<Real>(bits); }
std::uint32_t toBits(Real value) { return std::bit_cast<std::uint32_t>(value); }

// Compares the renderer with the oracle field by field; the first mismatches
// are reported in full, the rest only counted.
class OracleCheck {
public:
    ~OracleCheck() {
        EXPECT_EQ(mismatches_, 0u) << "of " << checked_ << " fields";
    }

    void check(Real value, std::span<const Shape> shapes) {
        const bool finite = std::isfinite(value);
        const exact_decimal::Expansion exact =
            finite ? exact_decimal::expand(value) : exact_decimal::Expansion{};
        for (const Shape& s : shapes) {
            const auto width = static_cast<std::size_t>(s.width);
            std::array<char, kMaxWidth + 1> field;
            field[width] = kGuard;
            const char* end = RENDERFIXED(field.data(), value, s.width, s.decimals);
            const std::string_view got(field.data(), width);
            const std::string expected =
                finite ? exact_decimal::finiteField(exact, s.width, s.decimals)
                       : exact_decimal::nonFiniteField(value, s.width, kBuild);
            ++checked_;
            const bool exactWidth = end == field.data() + width && field[width] == kGuard;
            if (exactWidth && got == expected) continue;
            if (++mismatches_ <= kReported) {
                ADD_FAILURE() << "bits 0x" << std::hex << toBits(value) << std::dec << " (" << value
                              << ") in " << s.width << "." << s.decimals << ": got \"" << got
                              << "\", exact \"" << expected << "\""
                              << (exactWidth ? "" : ", wrong field length");
            }
        }
    }

    void checkBothSigns(Real value, std::span<const Shape> shapes) {
        check(value, shapes);
        check(fromBits(toBits(value) ^ kSignBit), shapes);
    }

private:
    static constexpr char kGuard = '#';
    static constexpr std::uint64_t kReported = 20;
    std::uint64_t checked_ = 0;
    std::uint64_t mismatches_ = 0;
};

// The oracle itself, on expansions worked out by hand.
TEST(RenderFixedSweep, OracleExpandsFloatsExactly) {
    struct Case {
        Real value;
        const char* integer;
        const char* fraction;
    };
    const Case cases[] = {
        {0.1f, "0", "100000001490116119384765625"},
        {-12.25f, "12", "25"},
        {16777216.0f, "16777216", ""},
        {std::numeric_limits<Real>::max(), "340282346638528859811704183484516925440", ""},
        {1e19f, "9999999980506447872", ""},
    };
    for (const Case& c : cases) {
        const exact_decimal::Expansion x = exact_decimal::expand(c.value);
        EXPECT_EQ(x.negative, c.value < 0) << c.value;
        EXPECT_EQ(x.integer, c.integer) << c.value;
        EXPECT_EQ(x.fraction, c.fraction) << c.value;
    }
    // 2^-149 = 5^149 / 10^149: 149 fraction digits, 44 zeros and then the
    // 105 digits of 5^149 (1401298464...5).
    const exact_decimal::Expansion tiny = exact_decimal::expand(fromBits(1));
    EXPECT_EQ(tiny.integer, "0");
    EXPECT_EQ(tiny.fraction.size(), 149u);
    EXPECT_EQ(tiny.fraction.substr(0, 46), "0000000000000000000000000000000000000000000014");
    EXPECT_EQ(tiny.fraction.back(), '5');
}

// Zeros, infinities, NaNs and the extreme finite floats in every shape.
TEST(RenderFixedSweep, SpecialValuesInEveryShapeMatchOracle) {
    OracleCheck oracle;
    const std::uint32_t specials[] = {
        0x0000'0000u,  // zero
        0x0000'0001u,  // smallest subnormal
        0x007F'FFFFu,  // largest subnormal
        0x0080'0000u,  // smallest normal
        0x7F7F'FFFFu,  // largest finite
        0x7F80'0000u,  // infinity
        0x7F80'0001u,  // signalling NaN
        0x7FC0'0000u,  // quiet NaN
        0x7FFF'FFFFu,  // NaN, every payload bit
    };
    const std::vector<Shape> shapes = everyShape();
    for (std::uint32_t bits : specials) oracle.checkBothSigns(fromBits(bits), shapes);
}

// VELMOR_SWEEP_THINNING=k visits every k-th point of each sweep: the
// sanitizer run, some ten times slower, still meets every part of it. Odd k
// keeps the tie sweep on odd multiples.
std::uint32_t thinning() {
    static const std::uint32_t k = [] {
        const char* text = std::getenv("VELMOR_SWEEP_THINNING");
        const long value = text ? std::strtol(text, nullptr, 10) : 1;
        return value > 0 ? std::uint32_t(value) : 1u;
    }();
    return k;
}

// Every sign, exponent and NaN payload class is met; a prime stride keeps the
// low significand bits from repeating.
constexpr std::uint64_t kPrimeStride = 4099;

TEST(RenderFixedSweep, AllBitPatternsAtPrimeStrideMatchOracle) {
    OracleCheck oracle;
    for (std::uint64_t bits = 0; bits < kBitPatterns; bits += kPrimeStride * thinning()) {
        oracle.check(fromBits(static_cast<std::uint32_t>(bits)), kLayoutShapes);
    }
}

// Up to 2^20 > 10^6, past the widest magnitude any layout shows (8.1).
constexpr std::uint32_t kFittingRangeEnd = 0x4980'0000u;
constexpr std::uint32_t kDenseStride = 257;

TEST(RenderFixedSweep, FittingRangeDenselyMatchesOracle) {
    OracleCheck oracle;
    for (std::uint32_t bits = 0; bits < kFittingRangeEnd; bits += kDenseStride * thinning()) {
        oracle.checkBothSigns(fromBits(bits), kLayoutShapes);
    }
}

// The exact ties at d decimals are j / 2^(d+1) with j odd. All of them up to
// twice the largest magnitude the field shows, in both signs.
TEST(RenderFixedSweep, EveryTieOfTheLayoutsMatchesOracle) {
    OracleCheck oracle;
    for (const Shape& s : kLayoutShapes) {
        const std::span<const Shape> shape(&s, 1);
        const double unit = std::ldexp(1.0, -(s.decimals + 1));
        const double limit = 2 * std::pow(10.0, s.width - 1 - s.decimals);
        for (std::uint32_t j = 1; j * unit < limit; j += 2 * thinning()) {
            oracle.checkBothSigns(static_cast<Real>(j * unit), shape);
        }
    }
}

// Floats on both sides of 10^k - 0.5 * 10^-d, where rounding adds a digit,
// and of 0.5 * 10^-d, where a negative value starts to show its minus.
constexpr int kBoundaryUlps = 16;

TEST(RenderFixedSweep, RoundingBoundariesOfEveryShapeMatchOracle) {
    OracleCheck oracle;
    for (const Shape& s : everyShape()) {
        const std::span<const Shape> shape(&s, 1);
        const double halfUnit = 0.5 * std::pow(10.0, -s.decimals);
        std::vector<double> boundaries{halfUnit};
        for (int k = 0; k <= s.width; ++k) boundaries.push_back(std::pow(10.0, k) - halfUnit);
        for (double boundary : boundaries) {
            const auto centre = static_cast<std::int64_t>(toBits(static_cast<Real>(boundary)));
            for (std::int64_t bits = centre - kBoundaryUlps; bits <= centre + kBoundaryUlps; ++bits) {
                if (bits < 0 || bits >= kInfinityBits) continue;
                oracle.checkBothSigns(fromBits(static_cast<std::uint32_t>(bits)), shape);
            }
        }
    }
}

// Fields the layouts do not use, down to width 1 and up to 20.9, where the
// 19-digit limit of the widest field is met.
constexpr std::uint64_t kSparseStride = 1'000'003;
constexpr std::uint32_t kSparseFittingStride = 40'009;

TEST(RenderFixedSweep, EveryShapeAtSparseStrideMatchesOracle) {
    OracleCheck oracle;
    const std::vector<Shape> shapes = everyShape();
    for (std::uint64_t bits = 0; bits < kBitPatterns; bits += kSparseStride * thinning()) {
        oracle.check(fromBits(static_cast<std::uint32_t>(bits)), shapes);
    }
    for (std::uint32_t bits = 0; bits < kInfinityBits; bits += kSparseFittingStride * thinning()) {
        oracle.checkBothSigns(fromBits(bits), shapes);
    }
}

}  // namespace

#include "dialogue/render_fixed.hpp"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// IEEE binary32: sign, 8 exponent bits biased by 127, 23 fraction bits. A
// normal number is (2^23 + fraction) * 2^(exponent - 150); a subnormal
// (exponent field 0) is fraction * 2^-149.
constexpr std::uint32_t kSignBit = 0x8000'0000u;
constexpr int kFractionBits = 23;
constexpr std::uint32_t kFractionMask = (1u << kFractionBits) - 1;
constexpr std::uint32_t kHiddenBit = 1u << kFractionBits;
constexpr std::uint32_t kExponentField = 0xFFu;  // all ones: infinity or NaN
constexpr int kExponentOffset = 127 + kFractionBits;

// m * 5^d < 2^24 * 5^9 < 2^45: a right shift by more than 45 leaves less
// than one half, which rounds to 0.
constexpr int kScaledBits = 45;

constexpr std::uint32_t kPow5[] = {1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125};
constexpr std::uint64_t kPow10[] = {1,         10,         100,         1000,
                                    10000,     100000,     1000000,     10000000,
                                    100000000, 1000000000};

// The widest field, 20, has room for at most 19 digits beside the point.
constexpr std::uint64_t kNoFit = 10'000'000'000'000'000'000ull;  // 10^19
constexpr int kMaxText = 21;  // sign, point and the at most 19 digits of N

// N = floor(|value| * 10^decimals + 1/2) for a finite value, or kNoFit when
// that is at least 10^19.
std::uint64_t roundedScaled(std::uint32_t bits, int decimals) {
    const std::uint32_t exponent = (bits >> kFractionBits) & kExponentField;
    std::uint32_t m = bits & kFractionMask;
    int e = 1 - kExponentOffset;
    if (exponent != 0) {
        m |= kHiddenBit;
        e = static_cast<int>(exponent) - kExponentOffset;
    }
    const std::uint64_t scaled = std::uint64_t{m} * kPow5[decimals];
    const int shift = e + decimals;
    if (shift >= 0) {
        if (scaled == 0) return 0;
        if (shift >= 64 || scaled > (kNoFit - 1) >> shift) return kNoFit;
        return scaled << shift;
    }
    const int drop = -shift;
    if (drop > kScaledBits) return 0;
    return (scaled + (std::uint64_t{1} << (drop - 1))) >> drop;
}

char* asterisks(char* field, int width) {
    std::memset(field, '*', static_cast<std::size_t>(width));
    return field + width;
}

char* rightJustified(char* field, int width, const char* text, int length) {
    std::memset(field, ' ', static_cast<std::size_t>(width - length));
    std::memcpy(field + width - length, text, static_cast<std::size_t>(length));
    return field + width;
}

char* leftJustified(char* field, int width, const char* text, int length) {
    std::memcpy(field, text, static_cast<std::size_t>(length));
    std::memset(field + length, ' ', static_cast<std::size_t>(width - length));
    return field + width;
}

char* nonFinite(char* field, std::uint32_t bits, int width) {
    const bool isNaN = (bits & kFractionMask) != 0;
    const bool negative = (bits & kSignBit) != 0;
    if constexpr (kBuild == Build::x87) {
        // Never shortened; the leading blank is part of what must fit.
        const char* text = isNaN ? " NaN" : negative ? " -Infinity" : " Infinity";
        const int length = static_cast<int>(std::strlen(text));
        if (length > width) return asterisks(field, width);
        return leftJustified(field, width, text, length);
    } else {
        if (isNaN) {
            if (width < 3) return asterisks(field, width);
            return rightJustified(field, width, "NaN", 3);
        }
        const int sign = negative ? 1 : 0;
        const char* full = negative ? "-Infinity" : "Infinity";
        const char* shortened = negative ? "-Inf" : "Inf";
        if (width >= 8 + sign) return rightJustified(field, width, full, 8 + sign);
        if (width >= 3 + sign) return rightJustified(field, width, shortened, 3 + sign);
        return asterisks(field, width);
    }
}

}  // namespace

char* RENDERFIXED(char* field, Real value, int width, int decimals) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    if (((bits >> kFractionBits) & kExponentField) == kExponentField) {
        return nonFinite(field, bits, width);
    }
    const std::uint64_t n = roundedScaled(bits, decimals);
    if (n >= kNoFit) return asterisks(field, width);

    // Built from the right end: fraction digits, point, integer digits.
    char text[kMaxText];
    char* const end = text + kMaxText;
    char* p = end;
    std::uint64_t integer = n / kPow10[decimals];
    auto fraction = static_cast<std::uint32_t>(n - integer * kPow10[decimals]);
    for (int i = 0; i < decimals; ++i) {
        *--p = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    *--p = '.';
    const bool integerIsZero = integer == 0;
    do {
        *--p = static_cast<char>('0' + integer % 10);
        integer /= 10;
    } while (integer != 0);

    const int sign = (bits & kSignBit) != 0 && n != 0 ? 1 : 0;
    if (integerIsZero && static_cast<int>(end - p) + sign > width) ++p;
    if (static_cast<int>(end - p) + sign > width) return asterisks(field, width);
    if (sign != 0) *--p = '-';
    return rightJustified(field, width, p, static_cast<int>(end - p));
}

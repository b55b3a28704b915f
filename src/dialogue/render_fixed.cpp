#include "dialogue/render_fixed.hpp"

#include <array>
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

// The widest field, 20, has room for at most 19 digits beside the point.
constexpr std::uint64_t kNoFit = 10'000'000'000'000'000'000ull;  // 10^19

// 10^k for k = 0..19: the split at the point and the fit of an integer part.
constexpr auto kPow10 = [] {
    std::array<std::uint64_t, 20> pow10{};
    pow10[0] = 1;
    for (std::size_t k = 1; k < pow10.size(); ++k) pow10[k] = pow10[k - 1] * 10;
    return pow10;
}();

// "00" to "99": digits are written two at a time from the right.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

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

// The rare fields, out of the way of the digit path.
[[gnu::cold]] char* asterisks(char* field, int width) {
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

[[gnu::cold]] char* nonFinite(char* field, std::uint32_t bits, int width) {
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

// Writes the digits of `value` leftwards from `end`, two at a time, at
// least one. Returns the new start.
char* integerLeftwards(char* end, std::uint64_t value) {
    while (value >= 100) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * (value % 100), 2);
        value /= 100;
    }
    if (value >= 10) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * value, 2);
    } else {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

// Writes exactly D digits of `value` (< 10^D) leftwards from `end`.
template <int D>
char* fractionLeftwards(char* end, std::uint32_t value) {
    for (int i = 0; i < D / 2; ++i) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * (value % 100), 2);
        value /= 100;
    }
    if constexpr (D % 2 == 1) *--end = static_cast<char>('0' + value);
    return end;
}

// The whole field for D decimals. D is a constant, so 5^D and 10^D are:
// the split at the point is a multiplication by a reciprocal, and where the
// width is a constant too, the blank fill is a few stores.
//
// Fit: `room` = width - 1 - D positions lie left of the point, for the sign
// and the integer digits. A nonzero integer part fits when it is below
// 10^(room - sign); a zero one shows its 0 when 1 + sign <= room, else
// drops it and fits when sign <= room.
template <int D>
inline char* fixedField(char* field, Real value, int width) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    if (((bits >> kFractionBits) & kExponentField) == kExponentField) return nonFinite(field, bits, width);
    const std::uint64_t n = roundedScaled(bits, D);
    if (n >= kNoFit) return asterisks(field, width);

    const std::uint64_t integer = n / kPow10[D];
    const auto fraction = static_cast<std::uint32_t>(n - integer * kPow10[D]);
    const int sign = (bits & kSignBit) != 0 && n != 0 ? 1 : 0;
    const int room = width - 1 - D;
    const int integerRoom = room - sign;
    bool showZero = false;
    if (integer == 0) {
        if (integerRoom < 0) return asterisks(field, width);
        showZero = integerRoom >= 1;
    } else if (integerRoom <= 0 || integer >= kPow10[integerRoom]) {
        return asterisks(field, width);
    }

    // Blanks first, then the text over their right end.
    std::memset(field, ' ', static_cast<std::size_t>(width));
    char* const end = field + width;
    char* p = fractionLeftwards<D>(end, fraction);
    *--p = '.';
    if (integer != 0 || showZero) p = integerLeftwards(p, integer);
    if (sign != 0) p[-1] = '-';
    return end;
}

template <int D>
char* fixedFieldOfWidth(char* field, Real value, int width) {
    return fixedField<D>(field, value, width);
}

using FieldOfWidth = char* (*)(char*, Real, int);
constexpr FieldOfWidth kFieldsByDecimals[] = {
    fixedFieldOfWidth<0>, fixedFieldOfWidth<1>, fixedFieldOfWidth<2>, fixedFieldOfWidth<3>, fixedFieldOfWidth<4>,
    fixedFieldOfWidth<5>, fixedFieldOfWidth<6>, fixedFieldOfWidth<7>, fixedFieldOfWidth<8>, fixedFieldOfWidth<9>};

}  // namespace

char* RENDERFIXED(char* field, Real value, int width, int decimals) {
    return kFieldsByDecimals[decimals](field, value, width);
}

template <int Width, int Decimals>
char* RENDERFIXED(char* field, Real value) {
    static_assert(1 <= Width && Width <= 20 && 0 <= Decimals && Decimals <= 9);
    return fixedField<Decimals>(field, value, Width);
}

// The shapes of the layouts' number items.
template char* RENDERFIXED<7, 2>(char*, Real);
template char* RENDERFIXED<7, 3>(char*, Real);
template char* RENDERFIXED<7, 4>(char*, Real);
template char* RENDERFIXED<8, 1>(char*, Real);
template char* RENDERFIXED<9, 3>(char*, Real);
template char* RENDERFIXED<9, 4>(char*, Real);
template char* RENDERFIXED<10, 4>(char*, Real);

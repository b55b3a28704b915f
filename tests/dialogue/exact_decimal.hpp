#pragma once
// Test-only oracle for RENDERFIXED, built to share nothing with it: the float
// is split by frexp, expanded into all of its decimal digits with base-10^9
// big integers (a float m * 2^e with e < 0 is m * 5^-e / 10^-e), rounded on
// the digit string, and laid out by string rules. Slow (heap, strings) and
// exact for every float.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "horn/arithmetic.hpp"

namespace exact_decimal {

// Every decimal digit of |value|: `integer` has no leading zeros ("0" when
// the value is below one); `fraction` has no trailing zeros and may be empty.
struct Expansion {
    bool negative;
    std::string integer;
    std::string fraction;
};

namespace detail {

// Little-endian limbs of nine decimal digits.
using Big = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimbBase = 1'000'000'000;
constexpr int kLimbDigits = 9;
constexpr std::uint32_t kFivePow13 = 1'220'703'125;  // largest power of 5 below 2^32
constexpr std::uint32_t kTwoPow31 = 1u << 31;        // limb * factor stays below 2^63

inline void multiply(Big& big, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : big) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % kLimbBase);
        carry = product / kLimbBase;
    }
    while (carry != 0) {
        big.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
        carry /= kLimbBase;
    }
}

// big *= base^count, in steps of at most base^chunk = chunkFactor.
inline void multiplyByPower(Big& big, std::uint32_t base, int count, std::uint32_t chunkFactor,
                            int chunk) {
    for (; count >= chunk; count -= chunk) multiply(big, chunkFactor);
    std::uint32_t rest = 1;
    for (int i = 0; i < count; ++i) rest *= base;
    multiply(big, rest);
}

inline std::string decimalDigits(const Big& big) {
    std::string out = std::to_string(big.back());
    for (auto limb = big.rbegin() + 1; limb != big.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        out.append(static_cast<std::size_t>(kLimbDigits) - part.size(), '0');
        out += part;
    }
    return out;
}

}  // namespace detail

// Exact expansion of a finite float.
inline Expansion expand(Real value) {
    constexpr int kSignificandBits = 24;
    Expansion x{std::signbit(value), "0", ""};
    if (value == 0) return x;
    // frexp in double is exact for every float, subnormals included.
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(static_cast<double>(value)), &exponent);
    const auto m = static_cast<std::uint32_t>(std::ldexp(mantissa, kSignificandBits));
    const int e = exponent - kSignificandBits;  // |value| = m * 2^e

    detail::Big big{m};  // m < 2^24: one limb
    if (e >= 0) {
        detail::multiplyByPower(big, 2, e, detail::kTwoPow31, 31);
        x.integer = detail::decimalDigits(big);
        return x;
    }
    detail::multiplyByPower(big, 5, -e, detail::kFivePow13, 13);
    std::string digits = detail::decimalDigits(big);
    const auto fractionDigits = static_cast<std::size_t>(-e);
    if (digits.size() <= fractionDigits) digits.insert(0, fractionDigits - digits.size() + 1, '0');
    x.integer = digits.substr(0, digits.size() - fractionDigits);
    x.fraction = digits.substr(digits.size() - fractionDigits);
    x.integer.erase(0, x.integer.find_first_not_of('0'));
    if (x.integer.empty()) x.integer = "0";
    x.fraction.erase(x.fraction.find_last_not_of('0') + 1);
    return x;
}

// The expansion rounded to `decimals` digits, half away from zero, laid out
// in a field of `width`.
inline std::string finiteField(const Expansion& x, int width, int decimals) {
    const auto d = static_cast<std::size_t>(decimals);
    std::string fraction = x.fraction;
    if (fraction.size() < d + 1) fraction.append(d + 1 - fraction.size(), '0');
    // The first dropped digit decides: 5 and up is at least half a unit.
    std::string kept = x.integer + fraction.substr(0, d);
    if (fraction[d] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
        if (i == 0) {
            kept.insert(0, 1, '1');
        } else {
            ++kept[i - 1];
        }
    }
    std::string integer = kept.substr(0, kept.size() - d);
    const std::string rounded = kept.substr(kept.size() - d);
    integer.erase(0, integer.find_first_not_of('0'));
    if (integer.empty()) integer = "0";

    const bool minus = x.negative && (integer + rounded).find_first_not_of('0') != std::string::npos;
    std::string text = (minus ? "-" : "") + integer + "." + rounded;
    const auto w = static_cast<std::size_t>(width);
    if (text.size() > w && integer == "0") text.erase(minus ? 1 : 0, 1);
    if (text.size() > w) return std::string(w, '*');
    return std::string(w - text.size(), ' ') + text;
}

// Infinity and NaN in the style of `build`.
inline std::string nonFiniteField(Real value, int width, Build build) {
    const auto w = static_cast<std::size_t>(width);
    const bool nan = std::isnan(value);
    const std::string sign = !nan && std::signbit(value) ? "-" : "";
    if (build == Build::x87) {
        const std::string text = " " + sign + (nan ? "NaN" : "Infinity");
        if (text.size() > w) return std::string(w, '*');
        return text + std::string(w - text.size(), ' ');
    }
    const std::vector<std::string> words =
        nan ? std::vector<std::string>{"NaN"} : std::vector<std::string>{"Infinity", "Inf"};
    for (const std::string& word : words) {
        const std::string text = sign + word;
        if (text.size() <= w) return std::string(w - text.size(), ' ') + text;
    }
    return std::string(w, '*');
}

}  // namespace exact_decimal

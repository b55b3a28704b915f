#pragma once
// One value of a free-form answer: its form checked, then converted to a Real
// or a 32-bit integer. Syntax first, conversion second; both pure.

#include <cstdint>
#include <optional>
#include <string_view>

#include "horn/arithmetic.hpp"

// Exponents are clamped to this magnitude while they are read. A line is far
// shorter than 10^15 characters, so the clamp never moves the point across a
// written digit and a clamped value overflows or underflows like the original.
inline constexpr std::int64_t kExponentClamp = 1'000'000'000'000'000;

// A value of the free form, taken apart: sign, the digits before and after
// the decimal point (views into the checked text), and the exponent.
struct ValueForm {
    bool negative = false;
    std::string_view whole;     // digits before the point; may be empty
    std::string_view fraction;  // digits after the point; may be empty
    std::int64_t exponent = 0;  // 0 when none is written; clamped
};

// Checks `text` against the free form: an optional sign; digits with at most
// one decimal point among them, at least one digit; then optionally a letter
// E, D or Q in either case and an optionally signed integer of at least one
// digit. Nothing else, not even a blank. Returns nullopt for any other text.
std::optional<ValueForm> parseValueForm(std::string_view text);

// The nearest Real, ties to even: correctly rounded from every written digit.
// Underflow gives the nearest Real, a subnormal or a signed zero; the result
// is formed from integer digits, so flush-to-zero cannot touch it. nullopt
// when the magnitude rounds beyond the largest finite Real (from
// 3.40282357e38 up, exactly 2^128 - 2^103 included).
std::optional<Real> toReal(const ValueForm& form);

// The value truncated toward zero, computed exactly from the decimal digits
// (2.9 gives 2, -0.5 gives 0, 1e3 gives 1000). A value with neither point
// nor exponent is so read as itself. nullopt when the truncated value lies
// outside the signed 32-bit range.
std::optional<std::int32_t> toInteger(const ValueForm& form);

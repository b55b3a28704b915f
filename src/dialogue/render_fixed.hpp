#pragma once
// RENDERFIXED: a Real in a fixed-point field of the report and the console.

#include "horn/arithmetic.hpp"

// RENDERFIXED: writes exactly `width` characters for `value` into `field`,
// fixed-point with `decimals` digits after the point, right-justified.
// Returns field + width. Contract: 1 <= width <= 20, 0 <= decimals <= 9.
//
// Accuracy: exact. A finite Real is m * 2^e with m < 2^24, so
// |value| * 10^d = m * 5^d * 2^(e + d) with m * 5^d < 2^45; one shift with a
// half-unit added gives N = floor(|value| * 10^d + 1/2), the exact value
// rounded to d decimals with ties away from zero. A field holds at most 19
// digits (< 10^19 < 2^64), so every N that can fit is formed exactly in
// 64 bits; a larger value is known not to fit before N is formed.
//
// Text: '-' only when a rendered digit is nonzero; the integer part without
// leading zeros, or 0; '.'; d digits. Too long with integer part 0: the 0 is
// dropped; still too long: `width` asterisks.
//
// Infinity and NaN: vector build, the word ("Infinity", shortened to "Inf"
// when narrow, "NaN") is right-justified with '-' directly before a negative
// infinity. x87 build, a blank, '-' for a negative infinity and the full word
// are left-justified. A field too narrow for its text is asterisks.
//
// Cost: one 64-bit multiply and shift, a multiplication by the reciprocal
// of 10^d to split at the point, one step per two digits written; no
// division instruction, no heap, no locale, no printf. Pure: no streams.
char* RENDERFIXED(char* field, Real value, int width, int decimals);

// The same field, character for character, with its shape fixed at compile
// time, for the layouts' number items: the blank fill is then a few stores.
// Instantiated for the shapes the layouts use (7.2, 7.3, 7.4, 8.1, 9.3, 9.4,
// 10.4); another shape fails to link.
template <int Width, int Decimals>
char* RENDERFIXED(char* field, Real value);

#pragma once
// Numbers as text, as the CSV, the JSON object, the report and the
// diagnostics print them.

#include <string>

namespace pattern {

// Appends `value` rounded to `decimals` digits after the point (the exact
// binary value rounded to nearest, ties to even), without a sign when every
// printed digit is zero: -0.00001 prints as 0.0000, never -0.0000.
// Infinities print as "inf" and "-inf", a NaN as "nan".
// Contract: 0 <= decimals <= 340.
void appendFixed(std::string& out, double value, int decimals);

// A phase in degrees in (-180, 180], printed as appendFixed does, except
// that a phase that rounds to -180 at `decimals` prints as 180: the printed
// value stays in the half-open interval too.
void appendPhase(std::string& out, double degrees, int decimals);

// The shortest text that reads back as the same double (or float): what
// std::to_chars writes without a format, "1.25", "1e-05", "9000001".
// Contract: finite.
void appendShortest(std::string& out, double value);
void appendShortest(std::string& out, float value);

// `value` to `digits` significant digits, fixed or scientific as the value
// needs ("1597.04", "4.83275e+77"). Contract: finite, 1 <= digits <= 17.
void appendSignificant(std::string& out, double value, int digits);

}  // namespace pattern

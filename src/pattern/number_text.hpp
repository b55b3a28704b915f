#pragma once
// The numbers of the command line, read whole with std::from_chars.
//
// The form is from_chars's general format: an optional '-', digits with at
// most one decimal point among them, an optional exponent (e or E, an
// optional sign, digits). No blank, no '+', no hexadecimal, nothing after
// the number. "inf", "infinity" and "nan" have that form but are not
// finite.

#include <optional>
#include <string_view>

#include "horn/arithmetic.hpp"

namespace pattern {

enum class NumberError {
    none,
    notANumber,  // not of the form, or text after the number
    notFinite,   // infinity or NaN
    outOfRange,  // finite text whose magnitude lies beyond a double's range
};

struct NumberReading {
    double value;  // the nearest double; meaningful when error is none
    NumberError error;
};

NumberReading readNumber(std::string_view text);

// The same text as velmor reads an answer into a Real: rounded once,
// straight from the decimal digits to the nearest float. A double rounded to
// float would round twice, which differs where the decimal value lies just
// beside a midpoint between two floats. Nothing when the value rounds to
// zero or beyond the largest float. Contract: readNumber accepts the text.
std::optional<Real> readReal(std::string_view text);

// Whether an argument that begins with '-' is a negative number rather than
// an option: '-' then a digit or a point, or a text that readNumber takes
// for a number ("-inf", "-nan"). No option of the program looks like that.
bool looksLikeNegativeNumber(std::string_view text);

}  // namespace pattern

#pragma once
// The horn and the frequency of one run, in double precision: what the
// physics takes (ka, S) and what the report shows beside it.

#include <string_view>

namespace pattern {

enum class LengthUnit { inch, centimetre };

// "in" or "cm", as --unit takes it and the outputs print it.
std::string_view unitName(LengthUnit unit);

// The speed of light, exactly, and the two units, exactly, in metres.
inline constexpr double kSpeedOfLight = 299792458;  // m/s
inline constexpr double kMetresPerInch = 0.0254;
inline constexpr double kMetresPerCentimetre = 0.01;

struct HornQuantities {
    double radius;             // a, in the unit
    double slant;              // L, in the unit
    double frequencyGHz;
    double wavelength;         // lambda = c / f, in the unit
    double ka;                 // 2 pi a / lambda
    double s;                  // a^2 / (2 lambda L), wavelengths
    double flareHalfAngleDeg;  // asin(a / L)
    double axialLength;        // sqrt(L^2 - a^2), in the unit
};

// Contract: radius, slant and frequency finite and above zero. Every
// quantity is formed so that nothing overflows for inputs of single-
// precision range: S as (a / lambda)(a / L) / 2, the axial length as
// sqrt((L - a)(L + a)). A radius at or above the slant length gives a NaN
// flare angle and axial length; the argument check refuses it first.
HornQuantities hornQuantities(double radius, double slant, double frequencyGHz, LengthUnit unit);

}  // namespace pattern

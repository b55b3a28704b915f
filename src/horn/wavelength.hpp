#pragma once
// The two constants that turn a frequency into lengths of the horn model.

#include "horn/arithmetic.hpp"

// The speed of light in inches times GHz: lambda = 11.80285 / f inches for f
// in GHz.
inline constexpr Real kWavelengthInchGHz = 11.80285f;

// Inches times GHz per radian, 11.80285 / (2 pi): the electrical aperture
// radius is ka = 2 pi a / lambda = (a * f) / 1.878482.
inline constexpr Real kInchGHzPerRadian = 1.878482f;

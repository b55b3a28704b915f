#pragma once
// The TE11 mode of a circular guide of radius a, as it arrives at the
// aperture of a conical horn. With t = r / a,
//     E_y = J0(chi t) - J2(chi t) cos 2phi,    E_x = J2(chi t) sin 2phi,
// times the flare's quadratic phase error exp(-j 2pi S t^2), S being the
// phase deviation at the rim in wavelengths (S = a^2 / (2 lambda L)).

namespace aperture {

// First zero of J1'(x) = J0(x) - J1(x)/x, the TE11 cut-off: the field's
// tangential E vanishes at the wall. 1.841184 to seven figures.
inline constexpr double kChi = 1.8411837813406593;

enum class Plane { E, H };

}  // namespace aperture

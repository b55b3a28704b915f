#pragma once
// Where a principal-plane pattern first falls to a power level: the
// half-angle of a beamwidth.

#include <optional>

#include "aperture/horn_pattern.hpp"

namespace aperture {

// Half power and a tenth of it: "3 dB" and "10 dB" are these exactly.
inline constexpr double kHalfPower = 0.5;
inline constexpr double kTenthPower = 0.1;

// The first theta in (0, pi/2] at which |P(theta)|^2 <= level, in radians,
// or nothing when the power stays above the level up to 90 degrees.
//
// A scan in steps of at most 0.01 in u = ka sin(theta) (and at most 0.1
// degree) finds the first sample at or below the level; bisection of the
// bracketing step then narrows it to adjacent doubles. A lobe that dips
// below the level and rises again within one step (0.01 in u, a hundredth
// of the narrowest lobe) would be missed; the crossing is otherwise exact
// to the pattern's own accuracy. Cost: one pattern point per scan step up
// to the crossing, plus about 60 for the bisection.
std::optional<double> firstCrossing(const HornPattern& pattern, Plane plane, double level);

// The scan step in theta for a horn of electrical radius ka: the largest
// step of the form (pi/2) / M that moves u by at most `uStep` and theta by
// at most 0.1 degree.
int scanSteps(double ka, double uStep);

}  // namespace aperture

#pragma once
// The strongest cross-polar field of the forward hemisphere.

#include "aperture/horn_pattern.hpp"

namespace aperture {

struct CrossPolarPeak {
    double power;  // |X|^2, relative to the on-axis co-polar power
    double theta;  // radians, in [0, pi/2]
};

// The maximum of |X(theta)|^2 over 0 <= theta <= pi/2, X the 45-degree
// cross-polar field. A scan in steps of at most 0.05 in u (a lobe is about
// pi wide in u, so every lobe gets dozens of samples) picks the largest
// sample; golden-section search between its neighbours then finds the
// peak to about 1e-8 rad, where the power is flat to rounding. Cost: one
// pattern point per scan step, ka pi/2 / 0.05 of them and never fewer than
// 900, plus about 80.
CrossPolarPeak crossPolarPeak(const HornPattern& pattern);

}  // namespace aperture

#pragma once
// Where a principal-plane pattern first falls to a power level: the edge of
// a beam, in theta for a horn's pattern or in u for the bare integrals.

#include <optional>

#include "aperture/horn_pattern.hpp"
#include "aperture/pattern_series.hpp"

namespace aperture {

// Half power and a tenth of it: "3 dB" and "10 dB" are these exactly.
inline constexpr double kHalfPower = 0.5;
inline constexpr double kTenthPower = 0.1;

// The scan's step in u: a lobe of a pattern of exponential type 1 is about
// pi wide, so a lobe would have to dip below a level and rise again within
// a three-hundredth of its width to be missed.
inline constexpr double kCrossingScanU = 0.01;

// The first x in (0, end] with power(x) <= level, or nothing. A scan of
// `steps` equal steps from 0 finds the first sample at or below the level;
// bisection of the bracketing step then narrows it to adjacent doubles and
// returns the one at or below. The last sample is `end` exactly. Cost: one
// power(x) per step up to the crossing, plus about 60.
template <class Power>
std::optional<double> firstFall(const Power& power, double level, double end, int steps) {
    double above = 0;
    for (int k = 1; k <= steps; ++k) {
        const double x = end * (static_cast<double>(k) / steps);
        if (power(x) > level) {
            above = x;
            continue;
        }
        double below = x;
        for (;;) {
            const double mid = above + (below - above) / 2;
            if (mid <= above || mid >= below) return below;
            (power(mid) <= level ? below : above) = mid;
        }
    }
    return std::nullopt;
}

// Scan steps over theta in [0, pi/2] for a horn of electrical radius ka:
// enough that u = ka sin(theta) moves by at most uStep per step, and never
// fewer than 900 (0.1 degree).
int scanSteps(double ka, double uStep);

// The beam edge: the first theta in (0, pi/2] at which |P(theta)|^2 <=
// level, in radians, or nothing when the power stays above the level up to
// 90 degrees. The scan moves u by at most kCrossingScanU per step.
std::optional<double> firstCrossing(const HornPattern& pattern, Plane plane, double level);

// The pattern point of the characteristic tables: the first u in
// (0, uMax] at which |F(u)|^2 <= level |F(0)|^2, F = A - B (E plane) or
// A + B (H plane), without the Huygens factor; nothing if there is none.
// The scan steps by at most kCrossingScanU in u.
std::optional<double> patternPoint(const PatternSeries& series, Plane plane, double level, double uMax);

}  // namespace aperture

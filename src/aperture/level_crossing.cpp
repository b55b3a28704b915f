#include "aperture/level_crossing.hpp"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace aperture {

static constexpr double kQuarterTurn = std::numbers::pi / 2;
// 0.01 in u: a lobe of a pattern of exponential type 1 is about pi wide.
static constexpr double kCrossingScanU = 0.01;
// 900 steps of 0.1 degree: small horns still get a fine scan in theta.
static constexpr int kFewestScanSteps = 900;

int scanSteps(double ka, double uStep) {
    // du/dtheta = ka cos(theta) <= ka.
    return std::max(kFewestScanSteps, static_cast<int>(std::ceil(kQuarterTurn * ka / uStep)));
}

std::optional<double> firstCrossing(const HornPattern& pattern, Plane plane, double level) {
    auto reached = [&](double theta) { return std::norm(pattern.copolar(plane, theta)) <= level; };
    const int steps = scanSteps(pattern.ka(), kCrossingScanU);
    double above = 0;
    for (int k = 1; k <= steps; ++k) {
        // k / steps is exactly 1 at the last step: the scan ends at pi/2.
        const double theta = kQuarterTurn * (static_cast<double>(k) / steps);
        if (!reached(theta)) {
            above = theta;
            continue;
        }
        double below = theta;
        for (;;) {
            const double mid = above + (below - above) / 2;
            if (mid <= above || mid >= below) break;  // adjacent doubles
            (reached(mid) ? below : above) = mid;
        }
        return below;
    }
    return std::nullopt;
}

}  // namespace aperture

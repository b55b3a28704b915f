#include "aperture/level_crossing.hpp"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace aperture {

static constexpr double kQuarterTurn = std::numbers::pi / 2;
// 900 steps of 0.1 degree: small horns still get a fine scan in theta.
static constexpr int kFewestScanSteps = 900;

int scanSteps(double ka, double uStep) {
    // du/dtheta = ka cos(theta) <= ka.
    return std::max(kFewestScanSteps, static_cast<int>(std::ceil(kQuarterTurn * ka / uStep)));
}

std::optional<double> firstCrossing(const HornPattern& pattern, Plane plane, double level) {
    auto power = [&](double theta) { return std::norm(pattern.copolar(plane, theta)); };
    return firstFall(power, level, kQuarterTurn, scanSteps(pattern.ka(), kCrossingScanU));
}

std::optional<double> patternPoint(const PatternSeries& series, Plane plane, double level, double uMax) {
    const double onAxis = std::norm(series.at(0).a);
    auto power = [&](double u) { return std::norm(planeIntegral(series.at(u), plane)) / onAxis; };
    return firstFall(power, level, uMax, static_cast<int>(std::ceil(uMax / kCrossingScanU)));
}

}  // namespace aperture

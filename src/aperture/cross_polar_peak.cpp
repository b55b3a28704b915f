#include "aperture/cross_polar_peak.hpp"

#include <cmath>
#include <complex>
#include <numbers>

#include "aperture/level_crossing.hpp"

namespace aperture {

static constexpr double kQuarterTurn = std::numbers::pi / 2;
static constexpr double kPeakScanU = 0.05;
// (sqrt 5 - 1) / 2: each golden-section step keeps this much of the bracket.
static constexpr double kGoldenRatio = 0.6180339887498949;
// The bracket's width at which the power no longer changes to rounding:
// near a maximum it moves with the square of the distance.
static constexpr double kPeakWidth = 1e-9;

CrossPolarPeak crossPolarPeak(const HornPattern& pattern) {
    auto power = [&](double theta) { return std::norm(pattern.at(theta).cross); };
    const int steps = scanSteps(pattern.ka(), kPeakScanU);
    // The scan's samples, the last one pi/2 exactly.
    auto angle = [&](int k) { return kQuarterTurn * (static_cast<double>(k) / steps); };
    int best = 0;
    double bestPower = power(0);
    for (int k = 1; k <= steps; ++k) {
        const double p = power(angle(k));
        if (p > bestPower) {
            best = k;
            bestPower = p;
        }
    }
    CrossPolarPeak peak{bestPower, angle(best)};
    double lo = angle(best > 0 ? best - 1 : 0);
    double hi = angle(best < steps ? best + 1 : steps);
    double left = hi - kGoldenRatio * (hi - lo), right = lo + kGoldenRatio * (hi - lo);
    double leftPower = power(left), rightPower = power(right);
    while (hi - lo > kPeakWidth) {
        if (leftPower >= rightPower) {
            hi = right;
            right = left;
            rightPower = leftPower;
            left = hi - kGoldenRatio * (hi - lo);
            leftPower = power(left);
        } else {
            lo = left;
            left = right;
            leftPower = rightPower;
            right = lo + kGoldenRatio * (hi - lo);
            rightPower = power(right);
        }
    }
    if (leftPower > peak.power) peak = {leftPower, left};
    if (rightPower > peak.power) peak = {rightPower, right};
    return peak;
}

}  // namespace aperture

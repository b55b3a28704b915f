#include "aperture/phase_centre.hpp"

#include <cmath>
#include <numbers>
#include <vector>

namespace aperture {

std::optional<double> phaseCentreWavelengths(const HornPattern& pattern, Plane plane, double edge) {
    const double step = kPhaseFitStep * std::numbers::pi / 180;
    std::vector<double> theta;
    std::vector<std::complex<double>> field;
    for (int k = 0;; ++k) {
        const double t = k * step;
        if (t > edge) break;
        theta.push_back(t);
        field.push_back(pattern.copolar(plane, t));
    }
    return phaseCentreOfSamples(theta, field);
}

std::optional<double> phaseCentreOfSamples(std::span<const double> theta,
                                           std::span<const std::complex<double>> field) {
    constexpr double kTwoPi = 2 * std::numbers::pi;
    std::vector<double> x, psi;
    for (std::size_t i = 0; i < theta.size(); ++i) {
        double phase = std::arg(field[i]);
        if (!psi.empty()) phase += kTwoPi * std::round((psi.back() - phase) / kTwoPi);
        const double half = std::sin(theta[i] / 2);
        x.push_back(2 * half * half);
        psi.push_back(phase);
    }
    if (x.size() < 2) return std::nullopt;
    const double n = static_cast<double>(x.size());
    double xMean = 0, psiMean = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        xMean += x[i];
        psiMean += psi[i];
    }
    xMean /= n;
    psiMean /= n;
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - xMean) * (psi[i] - psiMean);
        sxx += (x[i] - xMean) * (x[i] - xMean);
    }
    return sxy / sxx / kTwoPi;
}

}  // namespace aperture

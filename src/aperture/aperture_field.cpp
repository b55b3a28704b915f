#include "aperture/aperture_field.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "aperture/bessel.hpp"
#include "aperture/gauss_legendre.hpp"
#include "aperture/te11_mode.hpp"

namespace aperture {

// See radialNodes: n = W/4 + 4 (W/2)^(1/3) + 10, with the chirp 8pi S.
static constexpr double kNodesPerFrequency = 0.25;
static constexpr double kCubeRootMargin = 4;
static constexpr double kFixedMargin = 10;
static constexpr int kFewestNodes = 16;

int radialNodes(double uMax, double s) {
    const double w = kChi + uMax + 8 * std::numbers::pi * s;
    const double n = kNodesPerFrequency * w + kCubeRootMargin * std::cbrt(w / 2) + kFixedMargin;
    return std::max(kFewestNodes, static_cast<int>(std::ceil(n)));
}

ApertureField sampleAperture(double s, int nodes) {
    const Quadrature q = gaussLegendre(nodes);
    ApertureField field{q.t, {}, {}, 0};
    field.a0.reserve(nodes);
    field.a2.reserve(nodes);
    for (int i = 0; i < nodes; ++i) {
        const double t = q.t[i];
        const BesselJ0J2 mode = besselJ0J2(kChi * t);
        const std::complex<double> phase = std::polar(1.0, -2 * std::numbers::pi * s * t * t);
        field.a0.push_back(q.w[i] * t * mode.j0 * phase);
        field.a2.push_back(q.w[i] * t * mode.j2 * phase);
        field.power += q.w[i] * t * (mode.j0 * mode.j0 + mode.j2 * mode.j2);
    }
    return field;
}

double apertureEfficiency(const ApertureField& field) {
    std::complex<double> onAxis = 0;
    for (const std::complex<double>& v : field.a0) onAxis += v;
    return 2 * std::norm(onAxis) / field.power;
}

}  // namespace aperture

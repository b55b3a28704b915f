#pragma once
// The radial integrals A(u) and B(u) of the aperture field (see
// aperture_field.hpp), summed over the sampled field.

#include <complex>

#include "aperture/aperture_field.hpp"
#include "aperture/te11_mode.hpp"

namespace aperture {

struct RadialIntegrals {
    std::complex<double> a;  // int J0(chi t) J0(u t) e t dt
    std::complex<double> b;  // int J2(chi t) J2(u t) e t dt; 0 at u = 0
};

// F_E = A - B or F_H = A + B.
inline std::complex<double> planeIntegral(const RadialIntegrals& f, Plane plane) {
    return plane == Plane::E ? f.a - f.b : f.a + f.b;
}

// Direct sum over the nodes. Accuracy: that of the rule (radialNodes) plus
// about 1e-16 of A(0) per node from the Bessel functions. Cost: one j0 and
// one j1 per node, about 60 ns each.
RadialIntegrals radialIntegrals(const ApertureField& field, double u);

}  // namespace aperture

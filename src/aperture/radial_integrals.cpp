#include "aperture/radial_integrals.hpp"

#include "aperture/bessel.hpp"

namespace aperture {

RadialIntegrals radialIntegrals(const ApertureField& field, double u) {
    RadialIntegrals sums{0, 0};
    for (std::size_t i = 0; i < field.t.size(); ++i) {
        const BesselJ0J2 j = besselJ0J2(u * field.t[i]);
        sums.a += field.a0[i] * j.j0;
        sums.b += field.a2[i] * j.j2;
    }
    return sums;
}

}  // namespace aperture

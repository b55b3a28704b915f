#include "aperture/horn_pattern.hpp"

#include <cmath>

#include "aperture/aperture_field.hpp"

namespace aperture {

HornPattern::HornPattern(double ka, double s) : HornPattern(ka, s, sampleAperture(s, radialNodes(ka, s))) {}

HornPattern::HornPattern(double ka, double s, const ApertureField& field)
    : ka_(ka), s_(s), efficiency_(apertureEfficiency(field)), series_(field, ka), onAxis_(series_.at(0).a) {}

// h f / r as h (f conj r) / |r|^2, with |r|^2 summed in the same order as
// the real part of f conj r: for f = r the quotient is exactly 1 + 0i, so the
// axis has level 0 dB and phase 0 to the last bit.
static std::complex<double> relative(std::complex<double> f, std::complex<double> r, double h) {
    const double norm = r.real() * r.real() + r.imag() * r.imag();
    const double re = f.real() * r.real() + f.imag() * r.imag();
    const double im = f.imag() * r.real() - f.real() * r.imag();
    return {h * (re / norm), h * (im / norm)};
}

FarField HornPattern::at(double theta) const {
    const RadialIntegrals f = series_.at(ka_ * std::sin(theta));
    const double huygens = (1 + std::cos(theta)) / 2;
    return {relative(f.a - f.b, onAxis_, huygens), relative(f.a + f.b, onAxis_, huygens),
            relative(-f.b, onAxis_, huygens)};
}

std::complex<double> HornPattern::copolar(Plane plane, double theta) const {
    const FarField field = at(theta);
    return plane == Plane::E ? field.e : field.h;
}

double HornPattern::directivityDb() const { return 20 * std::log10(ka_) + 10 * std::log10(efficiency_); }

}  // namespace aperture

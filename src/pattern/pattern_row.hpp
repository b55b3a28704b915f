#pragma once
// One row of the pattern table.

#include <complex>

#include "aperture/horn_pattern.hpp"

namespace pattern {

struct PatternRow {
    double thetaDeg;
    double eDb;      // levels: dB relative to the on-axis co-polar power,
    double hDb;      // -inf where the field is exactly zero
    double crossDb;  // the 45-degree cross-polar field
    double ePhaseDeg;  // phases relative to the axis, referred to the centre
    double hPhaseDeg;  // of the aperture, in (-180, 180]; NaN where the field is exactly zero
};

// 20 log10 |P|: -inf exactly where P is zero. |P| is formed without
// squaring, so a tiny field far down the pattern keeps its level.
double levelDb(std::complex<double> field);

// arg P in degrees, in (-180, 180]; NaN where P is exactly zero, whose phase
// does not exist.
double phaseDeg(std::complex<double> field);

// theta in degrees from 0 to 180. 90 and 180 map to exactly pi/2 and pi,
// so that at 180 degrees, where cos theta = -1, the Huygens factor and with
// it every field is exactly zero.
PatternRow patternRow(const aperture::HornPattern& pattern, double thetaDeg);

}  // namespace pattern

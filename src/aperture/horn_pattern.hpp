#pragma once
// The far field of one conical TE11 horn at one frequency, from its
// aperture field: ka = 2pi a / lambda and the phase deviation S.
//
// In the direction theta from the axis, with u = ka sin(theta) and the
// Huygens factor h = (1 + cos theta) / 2 on both planes,
//     E plane   P_E = h F_E(u) / F_E(0),    F_E = A - B,
//     H plane   P_H = h F_H(u) / F_H(0),    F_H = A + B,
//     45 deg    X   = h (F_E - F_H) / 2 / F_E(0) = -h B(u) / A(0),
// the co-polar fields of the principal planes and the cross-polar field in
// the 45 degree plane (Ludwig's third definition), each relative to the
// on-axis co-polar field. F_E(0) = F_H(0) = A(0), as B(0) = 0. Phases are
// referred to the centre of the aperture.
//
// Accuracy: that of PatternSeries, 2e-14 of the on-axis field for ka up to
// 40 and 5e-12 at ka = 1000. Exactly 1 on the axis in both planes, 0
// cross-polar there, and 0 at theta = pi, where h vanishes.
//
// Cost: building, a few thousand Bessel calls for ka up to 40 (tens of
// microseconds); each direction, one sincos and a Clenshaw sum of
// ka/2 + 6 ka^(1/3) + 6 terms.

#include <complex>

#include "aperture/pattern_series.hpp"
#include "aperture/te11_mode.hpp"

namespace aperture {

struct FarField {
    std::complex<double> e;      // P_E
    std::complex<double> h;      // P_H
    std::complex<double> cross;  // X
};

class HornPattern {
public:
    // Contract: 0 < ka, finite; 0 <= s. A cone with a < L has
    // S < ka / 4pi, which bounds the work.
    HornPattern(double ka, double s);

    double ka() const { return ka_; }
    double s() const { return s_; }

    // theta in radians, 0 to pi.
    FarField at(double theta) const;
    std::complex<double> copolar(Plane plane, double theta) const;

    // 10 log10((ka)^2 eta(S)): the integrated counterpart of the table
    // model's gain, written as 20 log10 ka + 10 log10 eta so that no tiny
    // ka underflows.
    double directivityDb() const;

private:
    HornPattern(double ka, double s, const ApertureField& field);

    double ka_;
    double s_;
    double efficiency_;
    PatternSeries series_;
    std::complex<double> onAxis_;  // A(0) as the series gives it
};

}  // namespace aperture

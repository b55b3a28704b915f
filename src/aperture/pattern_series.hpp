#pragma once
// A(u) and B(u) over 0 <= u <= uMax as Chebyshev series, so that a pattern
// point costs a few hundred flops instead of a Bessel function per node.
//
// Both integrals are even entire functions of u of exponential type at most
// 1 (t <= 1 in J_n(u t)), so in y = 2 (u / uMax)^2 - 1 on [-1, 1] their
// Chebyshev coefficients fall off super-geometrically beyond degree
// uMax / 2. The series interpolates the direct sums at the N + 1
// Chebyshev-Lobatto points y_j = cos(pi j / N), i.e. u_j = uMax cos(pi j / 2N),
// with N = uMax/2 + 6 uMax^(1/3) + 6: the truncation then lies below the
// rounding of the sums. Against the direct sum the series is good to 2e-14
// of |A(0)| for uMax up to 40, 2e-13 at 200 and 5e-12 at 1000 (Clenshaw's
// rounding over N terms).
//
// Cost: fitting, (N + 1) direct sums and O(N^2) flops, once per horn;
// evaluating, one Clenshaw recurrence of N steps on two complex series.
//
// Edges: B is shifted by its value at u = 0, so that B(0) = 0 exactly, as
// J2(0) = 0; the shift is within the series' error. Contract: uMax > 0 and
// 0 <= u <= uMax; a u outside extrapolates the polynomial.

#include <complex>
#include <vector>

#include "aperture/aperture_field.hpp"
#include "aperture/radial_integrals.hpp"

namespace aperture {

// The series degree N for A and B on [0, uMax]; at least 8.
int seriesDegree(double uMax);

class PatternSeries {
public:
    PatternSeries(const ApertureField& field, double uMax);

    RadialIntegrals at(double u) const;

    int degree() const { return static_cast<int>(a_.size()) - 1; }

private:
    RadialIntegrals sum(double y) const;  // the two series at y

    double uMax_;
    std::vector<std::complex<double>> a_;
    std::vector<std::complex<double>> b_;
    std::complex<double> bAtZero_;
};

}  // namespace aperture

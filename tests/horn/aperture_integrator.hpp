#pragma once
// Radiation of a conical horn's aperture in the TE11 mode, integrated from
// the field: the independent check of the characteristic tables. Test code;
// double precision throughout, std::cyl_bessel_j for the Bessel functions.
//
// Field. In a circular guide of radius a the TE11 aperture field is, with
// x = chi r / a,
//     E_y = J0(x) - J2(x) cos 2phi,    E_x = J2(x) sin 2phi,
// and the horn's flare multiplies it by the quadratic phase error
// exp(-j 2pi S (r/a)^2), S being the phase deviation at the rim in
// wavelengths. No obliquity factor is applied.
//
// The phi integrals are done in closed form,
//     int_0^2pi exp(j u t cos(phi' - phi)) cos(n phi') dphi'
//         = 2pi j^n J_n(u t) cos(n phi),
// which leaves one radial integral over t = r/a in [0, 1] per quantity:
//     E plane  F(u) = int [J0(chi t) J0(u t) - J2(chi t) J2(u t)] e t dt
//     H plane  F(u) = int [J0(chi t) J0(u t) + J2(chi t) J2(u t)] e t dt
// with e = exp(-j 2pi S t^2) and u = ka sin(theta). The E_x part vanishes
// in both principal planes.
//
// Accuracy. The integrands are entire functions of t. For u <= 10 and
// S <= 0.8 their Taylor terms fall below 1e-16 well before degree 127 (the
// phase factor's, (2pi S)^m / m!, by m = 40, degree 80), so Gauss-Legendre
// with kNodes = 64 points, exact to degree 127, integrates them to rounding
// error. The tests check this against 256 points.
//
// Cost. One F(u) costs 2 kNodes Bessel calls (about 40 us); a pattern point
// is a scan of F at kScanStep plus a bisection, a few hundred F in all.

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace aperture {

// First zero of J1'(x) = J0(x) - J1(x)/x: the TE11 cut-off, 1.841184 to
// seven figures.
inline constexpr double kChi = 1.8411837813406593;

// Radial quadrature points; see Accuracy above.
inline constexpr int kNodes = 64;

// 10 log10 2: "3 dB" below is half power exactly.
inline constexpr double kHalfPower = 0.5;
inline constexpr double kTenthPower = 0.1;

// Scan step in u for the first crossing of a level. Up to S = 0.66 the main
// lobes fall monotonically to the 10 dB point. Above, the E-plane lobe dips
// and rises again, but the dips are a unit of u wide and stay above 0.72 of
// the on-axis power up to S = 0.8: no step crosses a level and back.
inline constexpr double kScanStep = 0.01;
// The crossing is bisected to this width in u.
inline constexpr double kCrossingTolerance = 1e-12;

enum class Plane { E, H };

// Gauss-Legendre points and weights mapped from [-1, 1] to [0, 1].
struct Quadrature {
    std::vector<double> t;
    std::vector<double> w;
};

// Newton's iteration on P_n from the Tricomi starting values; converges to
// rounding error in a handful of steps for every root.
inline Quadrature gaussLegendre(int n) {
    Quadrature q{std::vector<double>(n), std::vector<double>(n)};
    for (int i = 0; i < (n + 1) / 2; ++i) {
        double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
        double derivative = 0;
        for (int step = 0; step < 100; ++step) {
            double p0 = 1, p1 = x;  // P_0, P_1, then the recurrence up to P_n
            for (int k = 2; k <= n; ++k) {
                double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = n * (x * p1 - p0) / (x * x - 1);
            double dx = p1 / derivative;
            x -= dx;
            if (std::abs(dx) < 1e-16) break;
        }
        double weight = 2 / ((1 - x * x) * derivative * derivative);
        q.t[i] = (1 - x) / 2;
        q.t[n - 1 - i] = (1 + x) / 2;
        q.w[i] = q.w[n - 1 - i] = weight / 2;
    }
    return q;
}

// The aperture at one S, sampled at the quadrature points with the weight,
// the area element t and the phase error folded in:
//     a0[i] = w_i t_i J0(chi t_i) e(t_i),   a2[i] = w_i t_i J2(chi t_i) e(t_i).
struct SampledAperture {
    std::vector<double> t;
    std::vector<std::complex<double>> a0;
    std::vector<std::complex<double>> a2;
    double power;  // int_0^1 (J0(chi t)^2 + J2(chi t)^2) t dt, S-independent
};

inline SampledAperture sampleAperture(double s, int nodes = kNodes) {
    Quadrature q = gaussLegendre(nodes);
    SampledAperture ap{q.t, {}, {}, 0};
    for (int i = 0; i < nodes; ++i) {
        double t = q.t[i];
        double j0 = std::cyl_bessel_j(0.0, kChi * t);
        double j2 = std::cyl_bessel_j(2.0, kChi * t);
        std::complex<double> phase = std::polar(1.0, -2 * std::numbers::pi * s * t * t);
        ap.a0.push_back(q.w[i] * t * j0 * phase);
        ap.a2.push_back(q.w[i] * t * j2 * phase);
        ap.power += q.w[i] * t * (j0 * j0 + j2 * j2);
    }
    return ap;
}

// Loss in dB of the on-axis gain below (2 pi a / lambda)^2:
//     -10 log10(2 |int J0(chi t) e t dt|^2 / int (J0^2 + J2^2) t dt).
// From the aperture gain (4pi / lambda^2) |int E dA|^2 / int |E|^2 dA, whose
// phi integrals give 2pi a^2 times each radial integral:
//     gain = (2pi a / lambda)^2 * 2 |int J0 e t dt|^2 / int (J0^2 + J2^2) t dt.
inline double gainLossDb(const SampledAperture& ap) {
    std::complex<double> onAxis = 0;
    for (auto v : ap.a0) onAxis += v;
    return -10 * std::log10(2 * std::norm(onAxis) / ap.power);
}

// Far-field amplitude F(u) in a principal plane (header comment); F(0) is
// the same in both planes, as J2(0) = 0.
inline std::complex<double> pattern(const SampledAperture& ap, Plane plane, double u) {
    double sign = plane == Plane::E ? -1 : 1;
    std::complex<double> sum = 0;
    for (std::size_t i = 0; i < ap.t.size(); ++i) {
        double x = u * ap.t[i];
        sum += ap.a0[i] * std::cyl_bessel_j(0.0, x) + sign * ap.a2[i] * std::cyl_bessel_j(2.0, x);
    }
    return sum;
}

// |F(u)|^2 / |F(0)|^2.
inline double relativePower(const SampledAperture& ap, Plane plane, double u, double onAxisPower) {
    return std::norm(pattern(ap, plane, u)) / onAxisPower;
}

// The first u > 0 at which the relative power falls to `level`: a scan at
// kScanStep up to uMax, then bisection of the bracketing step. Returns NaN
// when the power stays above the level up to uMax.
inline double patternPoint(const SampledAperture& ap, Plane plane, double level, double uMax = 20) {
    double onAxisPower = std::norm(pattern(ap, plane, 0));
    double below = 0;
    double above = 0;
    for (int k = 1; below == 0; ++k) {
        double u = k * kScanStep;
        if (u > uMax) return std::nan("");
        if (relativePower(ap, plane, u, onAxisPower) <= level) {
            below = u;
        } else {
            above = u;
        }
    }
    while (below - above > kCrossingTolerance) {
        double mid = (above + below) / 2;
        if (relativePower(ap, plane, mid, onAxisPower) <= level) {
            below = mid;
        } else {
            above = mid;
        }
    }
    return (above + below) / 2;
}

}  // namespace aperture

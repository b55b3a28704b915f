#pragma once
// The far field of a conical TE11 horn evaluated the slow, obvious way, as
// the yardstick for src/aperture/. Nothing here is shared with the product:
//   - the radial integrals by composite 5-point Gauss-Legendre, whose nodes
//     and weights are the closed forms of the textbooks, on equal panels,
//     twice as many panels as the integrand's highest frequency
//     W = chi + u + 4pi S (a panel then spans half a radian of phase and the
//     rule's error, about 4e-13 (W h)^10 per unit length, is far below 1e-15);
//   - every Bessel function from std::cyl_bessel_j;
//   - the fields straight from the formulas, divided by F(0) as complex
//     numbers;
//   - crossings by a scan in u steps of 0.02 and bisection to adjacent
//     doubles; the phase-centre fit as written, with 1 - cos theta as it
//     stands; the cross-polar peak by a scan in u steps of 0.05 and
//     ternary search.
// Build a horn with referenceHorn(ka, s).
// A pattern point costs about a millisecond: use it on a few horns.

#include <cmath>
#include <complex>
#include <numbers>
#include <optional>
#include <vector>

namespace slow {

using Complex = std::complex<double>;

inline constexpr double kPi = std::numbers::pi;
// First zero of J1', from its defining equation J0(x) = J1(x) / x, checked
// in the tests against std::cyl_bessel_j.
inline constexpr double kChi = 1.8411837813406593;

inline double besselJ(int n, double x) { return std::cyl_bessel_j(double(n), x); }

// 5-point Gauss-Legendre on [-1, 1].
inline const double kNode5[5] = {-std::sqrt(5 + 2 * std::sqrt(10.0 / 7)) / 3, -std::sqrt(5 - 2 * std::sqrt(10.0 / 7)) / 3, 0,
                                 std::sqrt(5 - 2 * std::sqrt(10.0 / 7)) / 3, std::sqrt(5 + 2 * std::sqrt(10.0 / 7)) / 3};
inline const double kWeight5[5] = {(322 - 13 * std::sqrt(70.0)) / 900, (322 + 13 * std::sqrt(70.0)) / 900, 128.0 / 225,
                                   (322 + 13 * std::sqrt(70.0)) / 900, (322 - 13 * std::sqrt(70.0)) / 900};

struct Horn {
    double ka;
    double s;
    std::vector<double> t, w;      // composite rule on [0, 1]
    std::vector<Complex> j0e, j2e; // J0(chi t) e(t), J2(chi t) e(t)
    Complex fe0, fh0;              // F_E(0), F_H(0)
};

inline Horn makeHorn(double ka, double s) {
    Horn horn{ka, s, {}, {}, {}, {}, 0, 0};
    const int panels = int(std::ceil(2 * (kChi + ka + 4 * kPi * s))) + 10;
    const double h = 1.0 / panels;
    for (int p = 0; p < panels; ++p) {
        for (int i = 0; i < 5; ++i) {
            const double t = (p + (1 + kNode5[i]) / 2) * h;
            const Complex e = std::exp(Complex(0, -2 * kPi * s * t * t));
            horn.t.push_back(t);
            horn.w.push_back(kWeight5[i] * h / 2);
            horn.j0e.push_back(besselJ(0, kChi * t) * e);
            horn.j2e.push_back(besselJ(2, kChi * t) * e);
        }
    }
    return horn;
}

// A(u) = int J0(chi t) J0(u t) e t dt and B(u) = int J2(chi t) J2(u t) e t dt.
inline Complex integralA(const Horn& horn, double u) {
    Complex sum = 0;
    for (std::size_t i = 0; i < horn.t.size(); ++i) sum += horn.w[i] * horn.t[i] * horn.j0e[i] * besselJ(0, u * horn.t[i]);
    return sum;
}
inline Complex integralB(const Horn& horn, double u) {
    Complex sum = 0;
    for (std::size_t i = 0; i < horn.t.size(); ++i) sum += horn.w[i] * horn.t[i] * horn.j2e[i] * besselJ(2, u * horn.t[i]);
    return sum;
}

// The horn with its on-axis integrals, F_E(0) = A(0) - B(0), F_H(0) = A(0) + B(0).
inline Horn referenceHorn(double ka, double s) {
    Horn horn = makeHorn(ka, s);
    horn.fe0 = integralA(horn, 0) - integralB(horn, 0);
    horn.fh0 = integralA(horn, 0) + integralB(horn, 0);
    return horn;
}

struct Fields {
    Complex e, h, cross;
};

// P_E, P_H and X at theta (radians), as the formulas read:
//     P_E = h F_E(u) / F_E(0),  P_H = h F_H(u) / F_H(0),  X = h (F_E - F_H) / 2 / F_E(0).
inline Fields fields(const Horn& horn, double theta) {
    const double u = horn.ka * std::sin(theta);
    const double huygens = (1 + std::cos(theta)) / 2;
    const Complex a = integralA(horn, u), b = integralB(horn, u);
    const Complex fe = a - b, fh = a + b;
    return {huygens * fe / horn.fe0, huygens * fh / horn.fh0, huygens * (fe - fh) / 2.0 / horn.fe0};
}

inline Complex copolar(const Horn& horn, bool ePlane, double theta) {
    const Fields f = fields(horn, theta);
    return ePlane ? f.e : f.h;
}

inline double levelDb(Complex field) { return 10 * std::log10(std::norm(field)); }
inline double phaseDeg(Complex field) { return std::arg(field) * 180 / kPi; }

// 10 log10((ka)^2 eta), eta = 2 |A(0)|^2 / int (J0^2 + J2^2) t dt.
inline double directivityDb(const Horn& horn) {
    double power = 0;
    for (std::size_t i = 0; i < horn.t.size(); ++i) power += horn.w[i] * horn.t[i] * std::norm(horn.j0e[i]) + horn.w[i] * horn.t[i] * std::norm(horn.j2e[i]);
    const double eta = 2 * std::norm(integralA(horn, 0)) / power;
    return 10 * std::log10(horn.ka * horn.ka * eta);
}

// Scan steps over [0, pi/2] that move u by at most uStep.
inline int scanSteps(const Horn& horn, double uStep) { return std::max(900, int(std::ceil(kPi / 2 * horn.ka / uStep))); }

// First theta in (0, pi/2] with |P|^2 <= level, bisected to adjacent doubles.
inline std::optional<double> beamEdge(const Horn& horn, bool ePlane, double level) {
    auto below = [&](double theta) { return std::norm(copolar(horn, ePlane, theta)) <= level; };
    const int steps = scanSteps(horn, 0.02);
    for (int k = 1; k <= steps; ++k) {
        double lo = kPi / 2 * (k - 1) / steps, hi = kPi / 2 * k / steps;
        if (!below(hi)) continue;
        while (std::nextafter(lo, hi) < hi) {
            const double mid = (lo + hi) / 2;
            if (mid == lo || mid == hi) break;
            (below(mid) ? hi : lo) = mid;
        }
        return hi;
    }
    return std::nullopt;
}

// d / lambda minimising sum (psi - psi0 - k d (1 - cos theta))^2 over
// theta = 0, 0.1, ... degrees up to edge.
inline std::optional<double> phaseCentreWavelengths(const Horn& horn, bool ePlane, double edge) {
    std::vector<double> x, psi;
    for (int k = 0; k * 0.1 * kPi / 180 <= edge; ++k) {
        const double theta = k * 0.1 * kPi / 180;
        double phase = std::arg(copolar(horn, ePlane, theta));
        while (!psi.empty() && phase - psi.back() > kPi) phase -= 2 * kPi;
        while (!psi.empty() && phase - psi.back() < -kPi) phase += 2 * kPi;
        x.push_back(1 - std::cos(theta));
        psi.push_back(phase);
    }
    if (x.size() < 2) return std::nullopt;
    // Normal equations of psi = psi0 + slope x.
    double n = double(x.size()), sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += psi[i];
        sxx += x[i] * x[i];
        sxy += x[i] * psi[i];
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return slope / (2 * kPi);  // k d = slope, d / lambda = slope / 2pi
}

struct Peak {
    double power, theta;
};

// The maximum of a function unimodal on [lo, hi], by ternary search to
// rounding: where power(m1) < power(m2) the peak cannot lie left of m1.
template <class Power>
double ternaryMaximum(const Power& power, double lo, double hi) {
    for (int i = 0; i < 100; ++i) {
        const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
        if (power(m1) < power(m2)) {
            lo = m1;
        } else {
            hi = m2;
        }
    }
    return (lo + hi) / 2;
}

inline Peak crossPolarPeak(const Horn& horn) {
    auto power = [&](double theta) { return std::norm(fields(horn, theta).cross); };
    const int steps = scanSteps(horn, 0.05);
    int best = 0;
    double bestPower = power(0);
    for (int k = 1; k <= steps; ++k) {
        const double p = power(kPi / 2 * k / steps);
        if (p > bestPower) {
            bestPower = p;
            best = k;
        }
    }
    const double theta =
        ternaryMaximum(power, kPi / 2 * std::max(best - 1, 0) / steps, kPi / 2 * std::min(best + 1, steps) / steps);
    return power(theta) > bestPower ? Peak{power(theta), theta} : Peak{bestPower, kPi / 2 * best / steps};
}

// ---- closed forms at S = 0 (Lommel's integrals) ----------------------------
//   int_0^1 t J_n(alpha t) J_n(beta t) dt
//       = (beta J_{n-1}(beta) J_n(alpha) - alpha J_{n-1}(alpha) J_n(beta)) / (alpha^2 - beta^2).

// E plane: 2 J1(u) / u; H plane: 2 J1'(u) / (1 - (u / chi)^2); both 1 at u = 0.
inline double inPhaseE(double u) { return u == 0 ? 1 : 2 * besselJ(1, u) / u; }
inline double inPhaseH(double u) {
    const double derivative = u == 0 ? 0.5 : besselJ(0, u) - besselJ(1, u) / u;
    return 2 * derivative / (1 - (u / kChi) * (u / kChi));
}
// X / h at S = 0: -B(u) / A(0), with A(0) = J1(chi) / chi.
inline double inPhaseCross(double u) {
    const double b = (u * besselJ(1, u) * besselJ(2, kChi) - kChi * besselJ(1, kChi) * besselJ(2, u)) / (kChi * kChi - u * u);
    return -b / (besselJ(1, kChi) / kChi);
}

}  // namespace slow

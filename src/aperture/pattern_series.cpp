#include "aperture/pattern_series.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace aperture {

// N = uMax/2 + 6 uMax^(1/3) + 6; see the header.
static constexpr double kDegreePerU = 0.5;
static constexpr double kCubeRootMargin = 6;
static constexpr double kFixedMargin = 6;
static constexpr int kLowestDegree = 8;

int seriesDegree(double uMax) {
    const double n = kDegreePerU * uMax + kCubeRootMargin * std::cbrt(uMax) + kFixedMargin;
    return std::max(kLowestDegree, static_cast<int>(std::ceil(n)));
}

PatternSeries::PatternSeries(const ApertureField& field, double uMax)
    : uMax_(uMax), a_(seriesDegree(uMax) + 1), b_(a_.size()) {
    const int n = degree();
    const double step = std::numbers::pi / n;
    // cos(pi m / N) for m = 0 .. 2N - 1: every product j k reduces to one.
    std::vector<double> cosine(2 * n);
    for (int m = 0; m < 2 * n; ++m) cosine[m] = std::cos(step * m);
    // u_j = uMax cos(pi j / 2N), written as a sine so that u_N = 0 exactly.
    std::vector<RadialIntegrals> samples(n + 1);
    for (int j = 0; j <= n; ++j) samples[j] = radialIntegrals(field, uMax * std::sin(step * (n - j) / 2));
    // c_k = (2 / N) sum'' f_j cos(pi j k / N), the end terms halved, and
    // c_0 and c_N halved again.
    for (int k = 0; k <= n; ++k) {
        std::complex<double> a = 0, b = 0;
        for (int j = 0; j <= n; ++j) {
            const double c = cosine[(static_cast<long>(j) * k) % (2 * n)] * (j == 0 || j == n ? 0.5 : 1.0);
            a += samples[j].a * c;
            b += samples[j].b * c;
        }
        const double scale = (k == 0 || k == n ? 1.0 : 2.0) / n;
        a_[k] = a * scale;
        b_[k] = b * scale;
    }
    bAtZero_ = sum(-1).b;
}

RadialIntegrals PatternSeries::sum(double y) const {
    // Clenshaw: b_k = 2 y b_{k+1} - b_{k+2} + c_k, sum = y b_1 - b_2 + c_0.
    std::complex<double> a1 = 0, a2 = 0, b1 = 0, b2 = 0;
    const double twoY = 2 * y;
    for (int k = degree(); k >= 1; --k) {
        const std::complex<double> a0 = twoY * a1 - a2 + a_[k];
        const std::complex<double> b0 = twoY * b1 - b2 + b_[k];
        a2 = a1;
        a1 = a0;
        b2 = b1;
        b1 = b0;
    }
    return {y * a1 - a2 + a_[0], y * b1 - b2 + b_[0]};
}

RadialIntegrals PatternSeries::at(double u) const {
    const double x = u / uMax_;
    const RadialIntegrals s = sum(2 * x * x - 1);
    return {s.a, s.b - bAtZero_};
}

}  // namespace aperture

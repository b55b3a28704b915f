#include "aperture/gauss_legendre.hpp"

#include <cmath>
#include <numbers>

namespace aperture {

// A Newton step below this is rounding noise: the root is found.
static constexpr double kRootTolerance = 1e-16;
// Newton converges in five or six steps from Tricomi's values; the bound
// only guards against a cycle between two neighbouring doubles.
static constexpr int kMaxNewtonSteps = 100;

Quadrature gaussLegendre(int n) {
    Quadrature q{std::vector<double>(n), std::vector<double>(n)};
    for (int i = 0; i < (n + 1) / 2; ++i) {
        double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
        double derivative = 0;
        for (int step = 0; step < kMaxNewtonSteps; ++step) {
            double p0 = 1, p1 = x;  // P_0 and P_1, then up to P_{n-1} and P_n
            for (int k = 2; k <= n; ++k) {
                const double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = n * (x * p1 - p0) / (x * x - 1);
            const double dx = p1 / derivative;
            x -= dx;
            if (std::abs(dx) < kRootTolerance) break;
        }
        // The weight on [-1, 1] is 2 / ((1 - x^2) P_n'(x)^2); [0, 1] halves it.
        const double weight = 1 / ((1 - x * x) * derivative * derivative);
        q.t[i] = (1 - x) / 2;
        q.t[n - 1 - i] = (1 + x) / 2;
        q.w[i] = q.w[n - 1 - i] = weight;
    }
    return q;
}

}  // namespace aperture

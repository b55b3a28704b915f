// The quadrature rule against what defines it: exactness for polynomials up
// to degree 2n - 1, and the shape of its nodes and weights.

#include <gtest/gtest.h>

#include <cmath>

#include "aperture/gauss_legendre.hpp"

namespace {

// int_0^1 t^d dt = 1 / (d + 1), for every degree the rule must get exactly.
TEST(GaussLegendre, ExactForPolynomialsUpToDegreeTwoNMinusOne) {
    for (int n : {1, 2, 3, 5, 16, 64, 301}) {
        const aperture::Quadrature q = aperture::gaussLegendre(n);
        for (int degree = 0; degree <= 2 * n - 1; ++degree) {
            double sum = 0;
            for (int i = 0; i < n; ++i) sum += q.w[i] * std::pow(q.t[i], degree);
            ASSERT_NEAR(sum, 1.0 / (degree + 1), 4e-16 * n) << n << " points, degree " << degree;
        }
    }
}

TEST(GaussLegendre, MissesDegreeTwoN) {
    // The first degree beyond the rule: t^(2n) is integrated short by the
    // known error (n!)^4 / ((2n + 1) ((2n)!)^2) on [0, 1].
    const int n = 3;
    const aperture::Quadrature q = aperture::gaussLegendre(n);
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += q.w[i] * std::pow(q.t[i], 2 * n);
    const double error = std::pow(6.0, 4) / (7 * 720.0 * 720.0);
    EXPECT_NEAR(1.0 / 7 - sum, error, 1e-15);
}

TEST(GaussLegendre, NodesAscendInsideTheIntervalAndMirrorAboutTheMiddle) {
    for (int n : {1, 2, 7, 64, 800}) {
        const aperture::Quadrature q = aperture::gaussLegendre(n);
        ASSERT_EQ(q.t.size(), std::size_t(n));
        EXPECT_GT(q.t.front(), 0);
        EXPECT_LT(q.t.back(), 1);
        for (int i = 0; i < n; ++i) {
            if (i > 0) {
                EXPECT_LT(q.t[i - 1], q.t[i]) << n << " points, node " << i;
            }
            EXPECT_GT(q.w[i], 0);
            EXPECT_EQ(q.t[i] + q.t[n - 1 - i], 1.0) << n << " points, node " << i;
            EXPECT_EQ(q.w[i], q.w[n - 1 - i]);
        }
    }
}

}  // namespace

#pragma once
// Gauss-Legendre quadrature on [0, 1].

#include <vector>

namespace aperture {

struct Quadrature {
    std::vector<double> t;  // nodes, ascending, symmetric about 1/2
    std::vector<double> w;  // weights, summing to 1
};

// The n-point rule, exact for polynomials up to degree 2n - 1.
//
// Newton's iteration on P_n from Tricomi's starting values, P_n and its
// derivative by the three-term recurrence. Converges to rounding error in a
// handful of steps for every root; nodes and weights are then good to a few
// units in the last place. Cost O(n^2), once per horn. Contract: n >= 1.
Quadrature gaussLegendre(int n);

}  // namespace aperture

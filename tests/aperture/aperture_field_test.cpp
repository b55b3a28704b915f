// The sampled TE11 field: the cut-off constant, the efficiency's closed
// form, and the node rule against the slow reference over the whole range
// of horns a cone allows.

#include <gtest/gtest.h>

#include <cmath>

#include "aperture/aperture_field.hpp"
#include "aperture/radial_integrals.hpp"
#include "aperture/te11_mode.hpp"
#include "aperture/slow_reference.hpp"

namespace {

using slow::besselJ;

TEST(TE11Mode, ChiIsTheFirstZeroOfTheBesselDerivative) {
    auto j1Derivative = [](double x) { return besselJ(0, x) - besselJ(1, x) / x; };
    EXPECT_NEAR(j1Derivative(aperture::kChi), 0, 1e-15);
    EXPECT_GT(j1Derivative(aperture::kChi - 1e-3), 0);  // J1 still rising just below
    EXPECT_LT(j1Derivative(aperture::kChi + 1e-3), 0);
    EXPECT_EQ(aperture::kChi, slow::kChi);
}

// In phase the integrals have closed forms (Lommel's integrals):
//     int J0(chi t) t dt = J1(chi) / chi,
//     int Jn(chi t)^2 t dt = (Jn'(chi)^2 + (1 - n^2/chi^2) Jn(chi)^2) / 2.
TEST(ApertureField, InPhaseEfficiencyMatchesTheClosedForm) {
    const double chi = aperture::kChi;
    const double onAxis = besselJ(1, chi) / chi;
    const double j2Derivative = besselJ(1, chi) - 2 * besselJ(2, chi) / chi;
    const double power = (besselJ(1, chi) * besselJ(1, chi) + besselJ(0, chi) * besselJ(0, chi)) / 2 +
                         (j2Derivative * j2Derivative + (1 - 4 / (chi * chi)) * besselJ(2, chi) * besselJ(2, chi)) / 2;
    const aperture::ApertureField field = aperture::sampleAperture(0, aperture::radialNodes(10, 0));
    EXPECT_NEAR(aperture::apertureEfficiency(field), 2 * onAxis * onAxis / power, 1e-15);
    EXPECT_NEAR(field.power, power, 1e-15);
}

TEST(ApertureField, EfficiencyFallsWithThePhaseError) {
    double previous = 1;
    for (double s : {0.0, 0.1, 0.2, 0.4, 0.6, 0.8}) {
        const double eta = aperture::apertureEfficiency(aperture::sampleAperture(s, aperture::radialNodes(10, s)));
        EXPECT_LT(eta, previous) << "S " << s;
        previous = eta;
    }
}

// The rule of radialNodes against the slow reference: A(u) and B(u) for u
// across [0, uMax], at the smallest and largest phase deviation and the
// largest a cone allows (S < ka / 4pi, as a < L).
TEST(ApertureField, NodeRuleIntegratesEveryHornToRoundingError) {
    struct Case {
        double uMax;
        double tolerance;  // of |A(0)|
    } cases[] = {{1, 1e-14}, {3, 1e-14}, {10, 1e-14}, {40, 2e-14}, {200, 1e-13}, {1000, 1e-12}};
    for (const Case& c : cases) {
        for (double s : {0.0, 0.8, 0.99 * c.uMax / (4 * slow::kPi)}) {
            const aperture::ApertureField field = aperture::sampleAperture(s, aperture::radialNodes(c.uMax, s));
            const slow::Horn reference = slow::makeHorn(c.uMax, s);
            const double scale = std::abs(slow::integralA(reference, 0));
            for (double fraction : {0.0, 0.013, 0.1, 0.37, 0.5, 0.81, 1.0}) {
                const double u = fraction * c.uMax;
                const aperture::RadialIntegrals f = aperture::radialIntegrals(field, u);
                EXPECT_LT(std::abs(f.a - slow::integralA(reference, u)), c.tolerance * scale)
                    << "uMax " << c.uMax << " S " << s << " u " << u;
                EXPECT_LT(std::abs(f.b - slow::integralB(reference, u)), c.tolerance * scale)
                    << "uMax " << c.uMax << " S " << s << " u " << u;
            }
        }
    }
}

}  // namespace

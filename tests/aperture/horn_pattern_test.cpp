// The far field of a horn against the closed forms of an in-phase aperture,
// and the directions where it is exact by construction.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "aperture/horn_pattern.hpp"
#include "aperture/slow_reference.hpp"

namespace {

using Complex = std::complex<double>;

// In phase (S = 0) the fields are real:
//     P_E = h 2 J1(u) / u,  P_H = h 2 J1'(u) / (1 - (u/chi)^2),  X = -h B(u) / A(0),
// with B from Lommel's integral. The H-plane and cross-polar forms are 0/0
// at u = chi, so points that close to it are left out.
TEST(HornPattern, InPhaseFieldsMatchTheClosedForms) {
    for (double ka : {0.7, 3.0, 10.6, 40.0}) {
        const aperture::HornPattern pattern(ka, 0);
        for (int k = 0; k <= 180; ++k) {
            const double theta = k * slow::kPi / 180;
            const double u = ka * std::sin(theta);
            if (std::abs(u - slow::kChi) < 0.05) continue;
            const double h = (1 + std::cos(theta)) / 2;
            const aperture::FarField f = pattern.at(theta);
            EXPECT_NEAR(f.e.real(), h * slow::inPhaseE(u), 1e-13) << "ka " << ka << " theta " << k;
            EXPECT_NEAR(f.h.real(), h * slow::inPhaseH(u), 1e-13) << "ka " << ka << " theta " << k;
            EXPECT_NEAR(f.cross.real(), h * slow::inPhaseCross(u), 1e-13) << "ka " << ka << " theta " << k;
            EXPECT_NEAR(f.e.imag(), 0, 1e-15);
            EXPECT_NEAR(f.h.imag(), 0, 1e-15);
            EXPECT_NEAR(f.cross.imag(), 0, 1e-15);
        }
    }
}

// On the axis both planes are exactly 1 and the cross-polar field exactly
// 0, so levels and phases there are 0 dB and 0 degrees to the last bit;
// straight behind (theta = pi, cos = -1 exactly) the Huygens factor is 0.
TEST(HornPattern, ExactOnTheAxisAndStraightBehind) {
    const struct {
        double ka, s;
    } horns[] = {{0.7, 0}, {10.6, 0.21}, {25, 0.55}, {40, 0.8}, {300, 20}};
    for (const auto& horn : horns) {
        const aperture::HornPattern pattern(horn.ka, horn.s);
        const aperture::FarField axis = pattern.at(0);
        EXPECT_EQ(axis.e, Complex(1, 0)) << "ka " << horn.ka;
        EXPECT_EQ(axis.h, Complex(1, 0)) << "ka " << horn.ka;
        EXPECT_EQ(std::norm(axis.cross), 0.0) << "ka " << horn.ka;
        const aperture::FarField behind = pattern.at(slow::kPi);
        EXPECT_EQ(std::norm(behind.e), 0.0) << "ka " << horn.ka;
        EXPECT_EQ(std::norm(behind.h), 0.0) << "ka " << horn.ka;
        EXPECT_EQ(std::norm(behind.cross), 0.0) << "ka " << horn.ka;
    }
}

// 10 log10((ka)^2 eta) with eta from Lommel's integrals at S = 0: the
// in-phase TE11 aperture has 0.7736 dB less gain than a uniform one
// (GAINLOSS starts at 0.774).
TEST(HornPattern, InPhaseDirectivityMatchesTheClosedForm) {
    using slow::besselJ;
    const double chi = slow::kChi;
    const double onAxis = besselJ(1, chi) / chi;
    const double j2Derivative = besselJ(1, chi) - 2 * besselJ(2, chi) / chi;
    const double power = (besselJ(1, chi) * besselJ(1, chi) + besselJ(0, chi) * besselJ(0, chi)) / 2 +
                         (j2Derivative * j2Derivative + (1 - 4 / (chi * chi)) * besselJ(2, chi) * besselJ(2, chi)) / 2;
    const double lossDb = -10 * std::log10(2 * onAxis * onAxis / power);
    EXPECT_NEAR(lossDb, 0.7736, 5e-5);
    for (double ka : {1e-200, 3.0, 40.0, 1000.0}) {
        EXPECT_NEAR(aperture::HornPattern(ka, 0).directivityDb(), 20 * std::log10(ka) - lossDb, 1e-12) << "ka " << ka;
    }
}

}  // namespace

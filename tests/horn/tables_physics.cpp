// The characteristic tables reproduced from the aperture field.
//
// The integrator (aperture_integrator.hpp) knows nothing of the model's code:
// it reads only the five tables. Every GAINLOSS entry must agree with the
// integrated gain loss within 0.002 dB and every pattern entry with the
// integrated pattern point within 1e-4 in u. They agree within about
// 0.0005 dB and 2e-5, so a change of 0.01 in any entry fails.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "horn/aperture_integrator.hpp"
#include "horn/tables.hpp"

namespace {

using aperture::kChi;
using aperture::Plane;

constexpr double kGainLossToleranceDb = 0.002;
constexpr double kPatternToleranceU = 1e-4;

double j(int n, double x) { return std::cyl_bessel_j(double(n), x); }

TEST(ApertureIntegrator, ChiIsTheFirstZeroOfTheBesselDerivative) {
    auto j1Derivative = [](double x) { return j(0, x) - j(1, x) / x; };
    EXPECT_NEAR(j1Derivative(kChi), 0, 1e-15);
    EXPECT_GT(j1Derivative(kChi - 1e-3), 0);  // J1 still rising just below
    EXPECT_LT(j1Derivative(kChi + 1e-3), 0);
}

TEST(ApertureIntegrator, QuadratureIsExactForPolynomialsUpToDegree127) {
    aperture::Quadrature q = aperture::gaussLegendre(aperture::kNodes);
    for (int degree = 0; degree <= 2 * aperture::kNodes - 1; ++degree) {
        double sum = 0;
        for (int i = 0; i < aperture::kNodes; ++i) sum += q.w[i] * std::pow(q.t[i], degree);
        EXPECT_NEAR(sum, 1.0 / (degree + 1), 1e-15) << "degree " << degree;
    }
}

// 64 points against 256 at the far corner of the tables' range (largest S,
// largest u): if these agree, every smaller S and u has converged too.
TEST(ApertureIntegrator, SixtyFourPointsHaveConverged) {
    constexpr double kS = 0.8;
    constexpr double kU = 10;
    aperture::SampledAperture coarse = aperture::sampleAperture(kS);
    aperture::SampledAperture fine = aperture::sampleAperture(kS, 256);
    EXPECT_NEAR(aperture::gainLossDb(coarse), aperture::gainLossDb(fine), 1e-12);
    for (Plane plane : {Plane::E, Plane::H}) {
        EXPECT_LT(std::abs(aperture::pattern(coarse, plane, kU) - aperture::pattern(fine, plane, kU)), 1e-14);
    }
}

// In phase the integrals have closed forms (Lommel's integrals):
//     int J0(chi t) t dt = J1(chi) / chi,
//     int Jn(chi t)^2 t dt = (Jn'(chi)^2 + (1 - n^2/chi^2) Jn(chi)^2) / 2.
TEST(ApertureIntegrator, InPhaseGainLossMatchesClosedForm) {
    double onAxis = j(1, kChi) / kChi;
    double j2Derivative = j(1, kChi) - 2 * j(2, kChi) / kChi;
    double power = (j(1, kChi) * j(1, kChi) + j(0, kChi) * j(0, kChi)) / 2 +
                   (j2Derivative * j2Derivative + (1 - 4 / (kChi * kChi)) * j(2, kChi) * j(2, kChi)) / 2;
    double closedForm = -10 * std::log10(2 * onAxis * onAxis / power);
    EXPECT_NEAR(aperture::gainLossDb(aperture::sampleAperture(0)), closedForm, 1e-12);
}

// In phase the TE11 aperture radiates 2 J1(u)/u in the E plane and
// J1'(u) / (1 - (u/chi)^2) in the H plane; the latter is 1/2 on the axis.
TEST(ApertureIntegrator, InPhasePatternsMatchClosedForms) {
    aperture::SampledAperture ap = aperture::sampleAperture(0);
    std::complex<double> axis = aperture::pattern(ap, Plane::E, 0);
    const double us[] = {
        // near the axis, where both forms tend to 1
        1e-6, 0.3,
        // around the 3 dB and 10 dB points
        1.6, 2.0, 2.7, 3.5,
        // close to u = chi, the H-plane form's removable 0/0
        kChi - 1e-3, kChi + 1e-3,
        // nulls and sidelobes
        3.8317, 5.0, 7.0156, 9.5};
    for (double u : us) {
        double e = 2 * j(1, u) / u;
        double h = 2 * (j(0, u) - j(1, u) / u) / (1 - (u / kChi) * (u / kChi));
        std::complex<double> fe = aperture::pattern(ap, Plane::E, u) / axis;
        std::complex<double> fh = aperture::pattern(ap, Plane::H, u) / axis;
        EXPECT_NEAR(fe.real(), e, 1e-9) << "u " << u;
        EXPECT_NEAR(fh.real(), h, 1e-9) << "u " << u;
        EXPECT_NEAR(fe.imag(), 0, 1e-15) << "u " << u;
        EXPECT_NEAR(fh.imag(), 0, 1e-15) << "u " << u;
    }
}

// The points of the in-phase patterns, from the closed forms by bisection:
// an independent check of the scan and its level test.
TEST(ApertureIntegrator, InPhasePatternPointsMatchClosedForms) {
    auto root = [](auto power, double level, double lo, double hi) {
        for (int i = 0; i < 200; ++i) {
            double mid = (lo + hi) / 2;
            (power(mid) > level ? lo : hi) = mid;
        }
        return lo;
    };
    auto e = [](double u) { return std::pow(2 * j(1, u) / u, 2); };
    auto h = [](double u) { return std::pow(2 * (j(0, u) - j(1, u) / u) / (1 - (u / kChi) * (u / kChi)), 2); };
    aperture::SampledAperture ap = aperture::sampleAperture(0);
    struct Case {
        const char* name;
        Plane plane;
        double level;
        double closedForm;
    } cases[] = {
        {"3 dB E", Plane::E, aperture::kHalfPower, root(e, 0.5, 1, 2)},
        {"3 dB H", Plane::H, aperture::kHalfPower, root(h, 0.5, 1.5, 2.5)},
        {"10 dB E", Plane::E, aperture::kTenthPower, root(e, 0.1, 2, 3.5)},
        {"10 dB H", Plane::H, aperture::kTenthPower, root(h, 0.1, 3, 4)},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(aperture::patternPoint(ap, c.plane, c.level), c.closedForm, 1e-9) << c.name;
    }
}

TEST(ApertureIntegrator, PatternPointIsNaNWhenThePowerNeverFallsThatFar) {
    aperture::SampledAperture ap = aperture::sampleAperture(0);
    EXPECT_TRUE(std::isnan(aperture::patternPoint(ap, Plane::E, 1e-9, 3)));
}

TEST(CharacteristicTables, GainLossAgreesWithTheApertureIntegral) {
    for (int k = 0; k < kGainLossEntries; ++k) {
        double s = k * 0.02;
        double integrated = aperture::gainLossDb(aperture::sampleAperture(s));
        // Entry 30 (S = 0.58) holds 5.607 where the integral gives 5.60874:
        // 0.0017 dB off, the one entry well outside the 0.0005 dB of the rest,
        // and kept as it stands.
        EXPECT_NEAR(GAINLOSS[k], integrated, kGainLossToleranceDb)
            << "GAINLOSS entry " << k + 1 << " (S = " << s << ")";
    }
}

TEST(CharacteristicTables, PatternPointsAgreeWithTheApertureIntegral) {
    struct Table {
        const char* name;
        const Real* entries;
        Plane plane;
        double level;
    } tables[] = {
        {"U3DBE", U3DBE, Plane::E, aperture::kHalfPower},
        {"U3DBH", U3DBH, Plane::H, aperture::kHalfPower},
        {"U10DBE", U10DBE, Plane::E, aperture::kTenthPower},
        {"U10DBH", U10DBH, Plane::H, aperture::kTenthPower},
    };
    for (int k = 0; k < kPatternEntries; ++k) {
        double s = k * 0.04;
        aperture::SampledAperture ap = aperture::sampleAperture(s);
        for (const Table& table : tables) {
            EXPECT_NEAR(table.entries[k], aperture::patternPoint(ap, table.plane, table.level), kPatternToleranceU)
                << table.name << " entry " << k + 1 << " (S = " << s << ")";
        }
    }
}

}  // namespace

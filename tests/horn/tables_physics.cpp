// The characteristic tables reproduced from the aperture field.
//
// The aperture physics (src/aperture/) knows nothing of the model's code:
// the test reads only the five tables. Every GAINLOSS entry must agree with
// the integrated gain loss within 0.002 dB and every pattern entry with the
// integrated pattern point within 1e-4 in u. They agree within about
// 0.0005 dB and 2e-5, so a change of 0.01 in any entry fails.

#include <gtest/gtest.h>

#include <cmath>

#include "aperture/aperture_field.hpp"
#include "aperture/level_crossing.hpp"
#include "aperture/pattern_series.hpp"
#include "horn/tables.hpp"

namespace {

using aperture::Plane;

constexpr double kGainLossToleranceDb = 0.002;
constexpr double kPatternToleranceU = 1e-4;
// Every pattern point of the tables lies below u = 10.
constexpr double kUMax = 20;

aperture::ApertureField apertureAt(double s) { return aperture::sampleAperture(s, aperture::radialNodes(kUMax, s)); }

TEST(CharacteristicTables, GainLossAgreesWithTheApertureIntegral) {
    for (int k = 0; k < kGainLossEntries; ++k) {
        const double s = k * 0.02;
        const double integrated = -10 * std::log10(aperture::apertureEfficiency(apertureAt(s)));
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
        const double s = k * 0.04;
        const aperture::PatternSeries series(apertureAt(s), kUMax);
        for (const Table& table : tables) {
            const std::optional<double> point = aperture::patternPoint(series, table.plane, table.level, kUMax);
            ASSERT_TRUE(point) << table.name << " entry " << k + 1;
            EXPECT_NEAR(table.entries[k], *point, kPatternToleranceU)
                << table.name << " entry " << k + 1 << " (S = " << s << ")";
        }
    }
}

}  // namespace

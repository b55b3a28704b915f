// velmor-pattern's --json and --csv against an independent evaluation of
// the same formulas: the slow reference of tests/aperture, on horns it was
// not tuned for, within the accuracy the program promises:
//   levels        0.01 dB, wherever the reference is above -30 dB;
//   phases        0.1 degree, inside the plane's 10 dB beam;
//   beamwidths    0.01 degree;    phase centres  0.001 wavelength;
//   directivity   0.002 dB;       the cross-polar peak's level 0.01 dB.
// ka and S come from the arguments by the closed forms, here, and must be
// what the program printed.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <sstream>

#include "aperture/slow_reference.hpp"
#include "pattern/run_pattern.hpp"

namespace {

struct Horn {
    std::string unit, radius, slant, frequency;
};

void PrintTo(const Horn& horn, std::ostream* out) {
    *out << horn.unit << " " << horn.radius << " " << horn.slant << " " << horn.frequency;
}

constexpr double kDegrees = 180 / std::numbers::pi;
constexpr double kLevelTolerance = 0.01;        // dB
constexpr double kPhaseTolerance = 0.1;         // degrees
constexpr double kBeamwidthTolerance = 0.01;    // degrees
constexpr double kCentreTolerance = 0.001;      // wavelengths
constexpr double kDirectivityTolerance = 0.002; // dB
constexpr double kLevelFloor = -30;             // dB

std::vector<std::string> withHorn(const Horn& horn, std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--unit", horn.unit, horn.radius, horn.slant, horn.frequency});
    return arguments;
}

// The number after "key": in the JSON text; nothing for null.
std::optional<double> jsonNumber(const std::string& json, const std::string& key, std::size_t from = 0) {
    const std::size_t at = json.find("\"" + key + "\": ", from);
    EXPECT_NE(at, std::string::npos) << key;
    if (at == std::string::npos) return std::nullopt;
    const char* value = json.c_str() + at + key.size() + 4;
    if (std::string_view(value, 4) == "null") return std::nullopt;
    return std::strtod(value, nullptr);
}

double degreesApart(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

class AccuracyTest : public testing::TestWithParam<Horn> {};

TEST_P(AccuracyTest, JsonAndCsvAgreeWithTheSlowReference) {
    const Horn& given = GetParam();
    // The horn, independently: lambda = c / f in the unit.
    const double metres = given.unit == "in" ? 0.0254 : 0.01;
    const double lambda = 299792458 / (std::stod(given.frequency) * 1e9) / metres;
    const double a = std::stod(given.radius), L = std::stod(given.slant);
    const double ka = 2 * std::numbers::pi * a / lambda, s = a * a / (2 * lambda * L);
    const slow::Horn horn = slow::referenceHorn(ka, s);

    const Outcome json = runPattern(withHorn(given, {"--json"}));
    ASSERT_EQ(json.exitCode, 0) << json.diagnostics;
    EXPECT_NEAR(*jsonNumber(json.console, "ka"), ka, 1e-12 * ka);
    EXPECT_NEAR(*jsonNumber(json.console, "s"), s, 1e-12 * s);
    EXPECT_NEAR(*jsonNumber(json.console, "directivity_db"), slow::directivityDb(horn), kDirectivityTolerance);

    const std::size_t integrated = json.console.find("\"integrated\"");
    const char* keys[4] = {"3db_e", "3db_h", "10db_e", "10db_h"};
    std::optional<double> edges[4];
    for (int n = 0; n < 4; ++n) {
        edges[n] = slow::beamEdge(horn, n % 2 == 0, n < 2 ? 0.5 : 0.1);
        const std::optional<double> width = jsonNumber(json.console, keys[n], integrated);
        ASSERT_EQ(width.has_value(), edges[n].has_value()) << keys[n];
        if (width) {
            EXPECT_NEAR(*width, 2 * *edges[n] * kDegrees, kBeamwidthTolerance) << keys[n];
        }
    }
    const std::size_t centres = json.console.find("\"phase_center_wavelengths\"");
    for (int plane = 0; plane < 2; ++plane) {
        const double edge = edges[2 + plane].value_or(std::numbers::pi / 2);
        const std::optional<double> expected = slow::phaseCentreWavelengths(horn, plane == 0, edge);
        const std::optional<double> centre = jsonNumber(json.console, plane == 0 ? "e" : "h", centres);
        ASSERT_EQ(centre.has_value(), expected.has_value()) << plane;
        if (centre) {
            EXPECT_NEAR(*centre, *expected, kCentreTolerance) << (plane == 0 ? "E" : "H");
        }
    }
    const slow::Peak peak = slow::crossPolarPeak(horn);
    EXPECT_NEAR(*jsonNumber(json.console, "cross_polar_peak_db"), 10 * std::log10(peak.power), kLevelTolerance);

    const Outcome csv = runPattern(withHorn(given, {"--csv", "--step", "2.5"}));
    ASSERT_EQ(csv.exitCode, 0) << csv.diagnostics;
    std::istringstream lines(csv.console);
    std::string line;
    std::getline(lines, line);  // the header
    int rows = 0;
    while (std::getline(lines, line)) {
        double value[6];
        std::istringstream fields(line);
        for (double& v : value) {
            std::string field;
            std::getline(fields, field, ',');
            v = std::strtod(field.c_str(), nullptr);
        }
        const double theta = value[0] / kDegrees;
        EXPECT_EQ(value[0], 2.5 * rows++);
        const slow::Fields f = slow::fields(horn, theta);
        const std::complex<double> copolar[2] = {f.e, f.h};
        for (int column = 1; column <= 3; ++column) {
            const double expected = slow::levelDb(column == 3 ? f.cross : copolar[column - 1]);
            if (expected > kLevelFloor) {
                EXPECT_NEAR(value[column], expected, kLevelTolerance) << line;
            }
        }
        for (int plane = 0; plane < 2; ++plane) {
            if (edges[2 + plane] && theta >= *edges[2 + plane]) continue;
            EXPECT_LE(degreesApart(value[4 + plane], slow::phaseDeg(copolar[plane])), kPhaseTolerance) << line;
        }
    }
    EXPECT_EQ(rows, 37);  // 0 to 90 in steps of 2.5
}

// Drawn once at random (seed 9): ka from 3 to 40, S from 0 to 0.8, a < L,
// the unit and a frequency from 1 to 40 GHz, each length and the frequency
// then written to four figures. Then the ends of the range: S near 0, and
// S near 0.8 at ka 35.
INSTANTIATE_TEST_SUITE_P(
    Table, AccuracyTest,
    testing::Values(Horn{"in", "4.578", "24.56", "8.26"},   // ka 20.1, S 0.299
                    Horn{"cm", "3.712", "30.6", "36.03"},   // ka 28.0, S 0.271
                    Horn{"in", "0.3827", "0.4115", "29.4"}, // ka 5.99, S 0.443
                    Horn{"in", "0.711", "7.526", "31.19"},  // ka 11.8, S 0.089
                    Horn{"in", "0.8768", "2.01", "36.84"},  // ka 17.2, S 0.597
                    Horn{"cm", "1.415", "6.64", "35.69"},   // ka 10.6, S 0.179
                    Horn{"cm", "2", "5000", "10"},           // ka 4.19, S 0.00013
                    Horn{"in", "6.575", "23.48", "10"}));    // ka 35.0, S 0.780

}  // namespace

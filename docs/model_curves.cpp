// model-curves OUTDIR: the curves behind docs/model.md.
//
// Writes gnuplot data files into OUTDIR and prints the figures the page
// quotes. Each curve is sampled three ways: integrated from the TE11
// aperture field (src/aperture/), read from the tables
// as velmor reads them (window rule and three-point interpolation of the
// vector build), and, for the gain loss, the cubic fit of the handbooks.
//
//   gainloss.dat        S, integrated, velmor, cubic fit          (dB)
//   gainloss-table.dat  S, GAINLOSS entry
//   points.dat          S, integrated u of 3 dB E, 3 dB H, 10 dB E, 10 dB H,
//                       then velmor's u of the same four
//   points-table.dat    S, U3DBE, U3DBH, U10DBE, U10DBH entries
//   shoulder.dat        u, E-plane relative power (dB) at each S of
//                       kShoulderS, then H-plane at the same S
//
// Runs in a few seconds: the pattern points are a few thousand scans.

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "aperture/aperture_field.hpp"
#include "aperture/level_crossing.hpp"
#include "aperture/pattern_series.hpp"
#include "horn/interpolate.hpp"
#include "horn/tables.hpp"

namespace {

using aperture::Plane;

// Sampling of the curves: fine enough that the E-plane points' steep rise
// (up to about 60 in u per unit S) is drawn smoothly.
constexpr double kGainLossStep = 0.005;
constexpr double kGainLossTop = 0.9;     // beyond the table, to show the extrapolation
constexpr double kPointsStep = 0.0025;
constexpr double kPointsTop = 0.8;       // beyond the last entry at 0.72
constexpr double kGainValidTop = 0.8;    // last GAINLOSS grid point
constexpr double kPointsValidTop = 0.72; // last pattern grid point

// E-plane cuts on both sides of the two shoulders.
constexpr double kShoulderS[] = {0.30, 0.34, 0.38, 0.56, 0.60, 0.64};

// Every pattern point up to S = 0.8 lies below u = 10.
constexpr double kUMax = 20;

aperture::ApertureField apertureAt(double s) { return aperture::sampleAperture(s, aperture::radialNodes(kUMax, s)); }

// The integrated counterparts of GAINLOSS and of the pattern tables.
double integratedGainLoss(double s) { return -10 * std::log10(aperture::apertureEfficiency(apertureAt(s))); }

aperture::PatternSeries seriesAt(double s) { return aperture::PatternSeries(apertureAt(s), kUMax); }

// The cubic fit of the gain loss of a conical TE11 horn quoted in antenna
// handbooks, in dB.
double cubicFit(double s) { return 0.8 - 1.71 * s + 26.25 * s * s - 17.79 * s * s * s; }

double velmorGainLoss(double s) {
    Real real = Real(s);
    return interpolateAt(real, kGainLossRule, GAINLOSS);
}

double velmorPoint(double s, const Real table[]) {
    Real real = Real(s);
    return interpolateAt(real, kPatternRule, table);
}

struct PointTable {
    const char* name;
    const Real* entries;
    Plane plane;
    double level;
};
const PointTable kPointTables[] = {
    {"U3DBE", U3DBE, Plane::E, aperture::kHalfPower},
    {"U3DBH", U3DBH, Plane::H, aperture::kHalfPower},
    {"U10DBE", U10DBE, Plane::E, aperture::kTenthPower},
    {"U10DBH", U10DBH, Plane::H, aperture::kTenthPower},
};

std::ofstream openData(const std::string& dir, const char* name) {
    std::ofstream out(dir + "/" + name);
    if (!out) {
        std::cerr << "model-curves: cannot write " << dir << "/" << name << "\n";
        std::exit(1);
    }
    out << std::setprecision(8);
    return out;
}

void writeGainLoss(const std::string& dir) {
    std::ofstream curve = openData(dir, "gainloss.dat");
    double worstFitBelowHalf = 0;
    double worstVelmor = 0;
    for (int k = 0; k * kGainLossStep <= kGainLossTop + 1e-9; ++k) {
        double s = k * kGainLossStep;
        double integrated = integratedGainLoss(s);
        double velmor = velmorGainLoss(s);
        curve << s << ' ' << integrated << ' ' << velmor << ' ' << cubicFit(s) << '\n';
        if (s <= 0.5 + 1e-9) worstFitBelowHalf = std::max(worstFitBelowHalf, std::abs(cubicFit(s) - integrated));
        if (s <= kGainValidTop + 1e-9) worstVelmor = std::max(worstVelmor, std::abs(velmor - integrated));
    }
    std::ofstream table = openData(dir, "gainloss-table.dat");
    for (int k = 0; k < kGainLossEntries; ++k) table << k * 0.02 << ' ' << GAINLOSS[k] << '\n';

    std::printf("gain loss, velmor against the integral, S 0 to 0.8: worst %.4f dB\n", worstVelmor);
    std::printf("cubic fit against the integral, S 0 to 0.5: worst %.3f dB\n", worstFitBelowHalf);
    for (double s : {0.6, 0.7, 0.8}) {
        std::printf("cubic fit against the integral at S = %.1f: %+.2f dB\n", s,
                    cubicFit(s) - integratedGainLoss(s));
    }
    for (double s : {0.9, 1.0}) {
        std::printf("gain loss extrapolated to S = %.1f: velmor %.3f dB, integral %.3f dB\n", s, velmorGainLoss(s),
                    integratedGainLoss(s));
    }
}

// Length of the horn for a given gain: the gain (ka)^2 eta(S) fixes
// a^2 = G lambda^2 / (4 pi^2 eta), and L = a^2 / (2 lambda S) is then
// proportional to 1 / (S eta(S)). The shortest horn maximises S eta(S).
void writeShortestHorn() {
    auto efficiency = [](double loss) { return std::pow(10.0, -loss / 10); };
    double bestS = 0;
    double bestValue = 0;
    for (int k = 1; k <= 8000; ++k) {
        double s = k * 1e-4;
        double value = s * efficiency(integratedGainLoss(s));
        if (value > bestValue) bestValue = value, bestS = s;
    }
    double bestVelmorS = 0;
    double bestVelmorValue = 0;
    for (int k = 1; k <= 8000; ++k) {
        double s = k * 1e-4;
        double value = s * efficiency(velmorGainLoss(s));
        if (value > bestVelmorValue) bestVelmorValue = value, bestVelmorS = s;
    }
    std::printf("shortest horn, integral: S = %.4f, loss %.3f dB\n", bestS,
                integratedGainLoss(bestS));
    std::printf("shortest horn, velmor: S = %.4f, loss %.3f dB\n", bestVelmorS, velmorGainLoss(bestVelmorS));
    for (double s : {0.30, 0.50}) {
        double value = s * efficiency(integratedGainLoss(s));
        std::printf("slant length at S = %.2f against the shortest: %+.1f %%\n", s, 100 * (bestValue / value - 1));
    }
}

// A local peak of du/dS above this marks a shoulder (the slope elsewhere in
// S <= 0.72 stays below about 15 per unit S).
constexpr double kSteepSlope = 20;
// Below the first shoulder every pattern point is smooth in S.
constexpr double kSmoothTop = 0.30;

void writePoints(const std::string& dir) {
    std::ofstream curve = openData(dir, "points.dat");
    double worst[4] = {};
    double worstAt[4] = {};
    double worstSmooth[4] = {};  // S <= kSmoothTop, below both shoulders
    std::vector<double> slope[4];
    double previous[4] = {};
    for (int k = 0; k * kPointsStep <= kPointsTop + 1e-9; ++k) {
        double s = k * kPointsStep;
        const aperture::PatternSeries series = seriesAt(s);
        curve << s;
        double integrated[4];
        for (int i = 0; i < 4; ++i) {
            integrated[i] = aperture::patternPoint(series, kPointTables[i].plane, kPointTables[i].level, kUMax).value_or(NAN);
            curve << ' ' << integrated[i];
        }
        for (int i = 0; i < 4; ++i) {
            double velmor = velmorPoint(s, kPointTables[i].entries);
            curve << ' ' << velmor;
            if (s <= kPointsValidTop + 1e-9 && std::abs(velmor - integrated[i]) > worst[i]) {
                worst[i] = std::abs(velmor - integrated[i]);
                worstAt[i] = s;
            }
            if (s <= kSmoothTop + 1e-9) worstSmooth[i] = std::max(worstSmooth[i], std::abs(velmor - integrated[i]));
            if (s >= kPointsTop - 1e-9) {
                std::printf("%s extrapolated to S = %.2f: velmor %.3f, integral %.3f\n", kPointTables[i].name, s,
                            velmor, integrated[i]);
            }
            if (k > 0 && s <= kPointsValidTop + 1e-9) slope[i].push_back((integrated[i] - previous[i]) / kPointsStep);
            previous[i] = integrated[i];
        }
        curve << '\n';
    }
    std::ofstream table = openData(dir, "points-table.dat");
    for (int k = 0; k < kPatternEntries; ++k) {
        table << k * 0.04;
        for (const PointTable& t : kPointTables) table << ' ' << t.entries[k];
        table << '\n';
    }
    for (int i = 0; i < 4; ++i) {
        std::printf("%s, velmor against the integral, S 0 to 0.72: worst %.3f in u at S = %.4f; "
                    "S 0 to %.2f: worst %.4f\n",
                    kPointTables[i].name, worst[i], worstAt[i], kSmoothTop, worstSmooth[i]);
        const std::vector<double>& d = slope[i];
        for (std::size_t k = 1; k + 1 < d.size(); ++k) {
            if (d[k] > kSteepSlope && d[k] >= d[k - 1] && d[k] >= d[k + 1]) {
                // slope[k] spans grid points k and k + 1
                std::printf("%s rises %.0f in u per unit S at S = %.4f\n", kPointTables[i].name, d[k],
                            (k + 0.5) * kPointsStep);
            }
        }
    }
}

void writeShoulder(const std::string& dir) {
    std::vector<aperture::PatternSeries> apertures;
    for (double s : kShoulderS) apertures.push_back(seriesAt(s));
    std::ofstream out = openData(dir, "shoulder.dat");
    for (int k = 0; k <= 900; ++k) {
        double u = k * 0.01;
        out << u;
        for (Plane plane : {Plane::E, Plane::H}) {
            for (const aperture::PatternSeries& series : apertures) {
                double axis = std::norm(series.at(0).a);
                out << ' ' << 10 * std::log10(std::norm(aperture::planeIntegral(series.at(u), plane)) / axis);
            }
        }
        out << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: model-curves OUTDIR\n";
        return 2;
    }
    std::string dir = argv[1];
    writeGainLoss(dir);
    writeShortestHorn();
    writePoints(dir);
    writeShoulder(dir);
    return 0;
}

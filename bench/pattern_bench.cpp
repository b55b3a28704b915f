// The aperture physics of velmor-pattern for one horn, part by part and as
// a whole: the horn of radius 2 in and slant length 8 in at 10 GHz
// (ka = 10.65, S = 0.212), its pattern table from 0 to 90 degrees in steps
// of 0.1 degree (901 angles), the four beamwidth crossings, the two phase
// centres and the cross-polar peak. Beside them, what the series and the C
// library's Bessel functions save: the same table by direct sums over the
// nodes, and J0 and J2 from std::cyl_bessel_j.
//
// Plain IEEE double, as velmor-pattern runs its physics: this binary does
// not set a build's arithmetic environment.

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

#include "minimum_statistic.hpp"
#include "aperture/aperture_field.hpp"
#include "aperture/bessel.hpp"
#include "aperture/cross_polar_peak.hpp"
#include "aperture/horn_pattern.hpp"
#include "aperture/level_crossing.hpp"
#include "aperture/phase_centre.hpp"
#include "aperture/radial_integrals.hpp"

namespace {

using aperture::Plane;

// The horn, as velmor-pattern forms it from "2 8 10": lambda = c / f in
// inches, ka = 2 pi a / lambda, S = (a / lambda) (a / L) / 2.
constexpr double kRadius = 2, kSlant = 8, kFrequencyGHz = 10;
const double kWavelength = 299792458.0 / (kFrequencyGHz * 1e9) / 0.0254;
const double kKa = 2 * std::numbers::pi * kRadius / kWavelength;
const double kS = (kRadius / kWavelength) * (kRadius / kSlant) / 2;

constexpr int kTableAngles = 901;  // 0 to 90 degrees in steps of 0.1
constexpr double kDegree = std::numbers::pi / 180;

double table(int k) { return k * 0.1 * kDegree; }

double levelDb(std::complex<double> field) { return 10 * std::log10(std::norm(field)); }
double phaseDeg(std::complex<double> field) { return std::arg(field) / kDegree; }

// One row's numbers as the CSV needs them: three levels and two phases.
struct Row {
    double e, h, cross, ePhase, hPhase;
};
Row row(const aperture::FarField& f) {
    return {levelDb(f.e), levelDb(f.h), levelDb(f.cross), phaseDeg(f.e), phaseDeg(f.h)};
}

void buildHorn(benchmark::State& state) {
    for (auto _ : state) {
        aperture::HornPattern pattern(kKa, kS);
        benchmark::DoNotOptimize(pattern);
    }
}
BENCHMARK(buildHorn)->Name("pattern/build-horn")->ComputeStatistics("min", minimumOfRepetitions);

void patternTable(benchmark::State& state) {
    const aperture::HornPattern pattern(kKa, kS);
    for (auto _ : state) {
        for (int k = 0; k < kTableAngles; ++k) {
            Row r = row(pattern.at(table(k)));
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(state.iterations() * kTableAngles);
}
BENCHMARK(patternTable)->Name("pattern/table-901")->ComputeStatistics("min", minimumOfRepetitions);

// The same table with A(u) and B(u) summed over the nodes at every angle:
// one j0 and one j1 per node and direction instead of a Clenshaw sum.
void patternTableDirect(benchmark::State& state) {
    const aperture::ApertureField field = aperture::sampleAperture(kS, aperture::radialNodes(kKa, kS));
    const std::complex<double> onAxis = aperture::radialIntegrals(field, 0).a;
    for (auto _ : state) {
        for (int k = 0; k < kTableAngles; ++k) {
            const double theta = table(k);
            const aperture::RadialIntegrals f = aperture::radialIntegrals(field, kKa * std::sin(theta));
            const double huygens = (1 + std::cos(theta)) / 2;
            Row r = row({huygens * (f.a - f.b) / onAxis, huygens * (f.a + f.b) / onAxis, -huygens * f.b / onAxis});
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(state.iterations() * kTableAngles);
}
BENCHMARK(patternTableDirect)->Name("pattern/table-901/direct-sums")->ComputeStatistics("min", minimumOfRepetitions);

struct Crossings {
    std::optional<double> e3, h3, e10, h10;
};
Crossings crossings(const aperture::HornPattern& pattern) {
    return {aperture::firstCrossing(pattern, Plane::E, aperture::kHalfPower),
            aperture::firstCrossing(pattern, Plane::H, aperture::kHalfPower),
            aperture::firstCrossing(pattern, Plane::E, aperture::kTenthPower),
            aperture::firstCrossing(pattern, Plane::H, aperture::kTenthPower)};
}

void beamwidthCrossings(benchmark::State& state) {
    const aperture::HornPattern pattern(kKa, kS);
    for (auto _ : state) {
        Crossings c = crossings(pattern);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(beamwidthCrossings)->Name("pattern/crossings-4")->ComputeStatistics("min", minimumOfRepetitions);

struct PhaseCentres {
    std::optional<double> e, h;
};
PhaseCentres phaseCentres(const aperture::HornPattern& pattern, const Crossings& c) {
    const double quarterTurn = std::numbers::pi / 2;
    return {aperture::phaseCentreWavelengths(pattern, Plane::E, c.e10.value_or(quarterTurn)),
            aperture::phaseCentreWavelengths(pattern, Plane::H, c.h10.value_or(quarterTurn))};
}

void phaseCentreFits(benchmark::State& state) {
    const aperture::HornPattern pattern(kKa, kS);
    const Crossings c = crossings(pattern);
    for (auto _ : state) {
        PhaseCentres d = phaseCentres(pattern, c);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(phaseCentreFits)->Name("pattern/phase-centres-2")->ComputeStatistics("min", minimumOfRepetitions);

void crossPolarPeak(benchmark::State& state) {
    const aperture::HornPattern pattern(kKa, kS);
    for (auto _ : state) {
        aperture::CrossPolarPeak peak = aperture::crossPolarPeak(pattern);
        benchmark::DoNotOptimize(peak);
    }
}
BENCHMARK(crossPolarPeak)->Name("pattern/cross-polar-peak")->ComputeStatistics("min", minimumOfRepetitions);

// Everything velmor-pattern computes for the horn, from ka and S on: the
// compute-only figure beside the numpy reference's physics time.
void wholeHorn(benchmark::State& state) {
    for (auto _ : state) {
        const aperture::HornPattern pattern(kKa, kS);
        for (int k = 0; k < kTableAngles; ++k) {
            Row r = row(pattern.at(table(k)));
            benchmark::DoNotOptimize(r);
        }
        const Crossings c = crossings(pattern);
        PhaseCentres d = phaseCentres(pattern, c);
        aperture::CrossPolarPeak peak = aperture::crossPolarPeak(pattern);
        double directivity = pattern.directivityDb();
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(peak);
        benchmark::DoNotOptimize(directivity);
    }
}
BENCHMARK(wholeHorn)->Name("pattern/whole-horn")->ComputeStatistics("min", minimumOfRepetitions);

// J0 and J2 at the u t of the table's directions: the C library's j0 and
// j1 with the recurrence (what the physics uses), against the general-order
// std::cyl_bessel_j.
std::vector<double> besselArguments() {
    const aperture::ApertureField field = aperture::sampleAperture(kS, aperture::radialNodes(kKa, kS));
    std::vector<double> x;
    for (int k = 0; k < kTableAngles; ++k)
        for (double t : field.t) x.push_back(kKa * std::sin(table(k)) * t);
    return x;
}

void besselLibm(benchmark::State& state) {
    const std::vector<double> x = besselArguments();
    for (auto _ : state) {
        for (double v : x) {
            aperture::BesselJ0J2 j = aperture::besselJ0J2(v);
            benchmark::DoNotOptimize(j);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(x.size()));
}
BENCHMARK(besselLibm)->Name("bessel/j0-j2/libm-j0-j1")->ComputeStatistics("min", minimumOfRepetitions);

void besselGeneral(benchmark::State& state) {
    const std::vector<double> x = besselArguments();
    for (auto _ : state) {
        for (double v : x) {
            aperture::BesselJ0J2 j{std::cyl_bessel_j(0.0, v), std::cyl_bessel_j(2.0, v)};
            benchmark::DoNotOptimize(j);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(x.size()));
}
BENCHMARK(besselGeneral)->Name("bessel/j0-j2/cyl_bessel_j")->ComputeStatistics("min", minimumOfRepetitions);

}  // namespace

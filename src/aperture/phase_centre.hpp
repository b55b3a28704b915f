#pragma once
// The phase centre of a principal plane: the point on the axis from which
// the pattern's phase looks most nearly spherical over the main beam.

#include <complex>
#include <optional>
#include <span>

#include "aperture/horn_pattern.hpp"

namespace aperture {

// The phase-fit grid: theta = 0, 0.1, 0.2, ... degrees.
inline constexpr double kPhaseFitStep = 0.1;  // degrees

// The distance d, in wavelengths, behind the aperture (towards the apex)
// that minimises
//     sum (psi(theta) - psi0 - k d (1 - cos theta))^2,    k = 2pi / lambda,
// over the grid points up to `edge` (radians; the plane's 10 dB angle, or
// pi/2 where the pattern never falls that far). psi is the phase of the
// plane's co-polar field, unwrapped along the grid; psi0 is free, so this
// is an unweighted least-squares line in x = 1 - cos theta, and
// d / lambda = slope / 2pi. x is formed as 2 sin^2(theta / 2), which keeps
// its digits near the axis.
//
// Nothing when fewer than two grid points lie within the edge. At S = 0 the
// field is real and d = 0: the aperture itself. Unwrapping assumes the
// phase moves by less than pi between grid points, which holds inside the
// 10 dB beam, where the field has no null. Accuracy: that of the pattern's
// phase, divided by the spread of x. Cost: one pattern point per grid point.
std::optional<double> phaseCentreWavelengths(const HornPattern& pattern, Plane plane, double edge);

// The same fit on any samples of a co-polar field: field[i] at theta[i]
// radians from the axis, theta increasing, every sample used. It serves a
// measured or simulated pattern as it serves the model's grid. Nothing when
// fewer than two samples; theta and field the same length.
std::optional<double> phaseCentreOfSamples(std::span<const double> theta,
                                           std::span<const std::complex<double>> field);

}  // namespace aperture

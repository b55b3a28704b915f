#include "pattern/horn_quantities.hpp"

#include <cmath>
#include <numbers>

namespace pattern {

std::string_view unitName(LengthUnit unit) { return unit == LengthUnit::inch ? "in" : "cm"; }

static constexpr double kHertzPerGHz = 1e9;
static constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

HornQuantities hornQuantities(double radius, double slant, double frequencyGHz, LengthUnit unit) {
    const double metresPerUnit = unit == LengthUnit::inch ? kMetresPerInch : kMetresPerCentimetre;
    const double wavelength = kSpeedOfLight / (frequencyGHz * kHertzPerGHz) / metresPerUnit;
    const double radiusInWavelengths = radius / wavelength;
    const double sine = radius / slant;  // of the flare half-angle
    return {
        .radius = radius,
        .slant = slant,
        .frequencyGHz = frequencyGHz,
        .wavelength = wavelength,
        .ka = 2 * std::numbers::pi * radiusInWavelengths,
        .s = radiusInWavelengths * sine / 2,
        .flareHalfAngleDeg = std::asin(sine) * kDegreesPerRadian,
        .axialLength = std::sqrt((slant - radius) * (slant + radius)),
    };
}

}  // namespace pattern

#include "pattern/pattern_row.hpp"

#include <cmath>
#include <limits>
#include <numbers>

namespace pattern {

static constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

double levelDb(std::complex<double> field) { return 20 * std::log10(std::abs(field)); }

double phaseDeg(std::complex<double> field) {
    if (field == 0.0) return std::numeric_limits<double>::quiet_NaN();
    const double degrees = std::arg(field) * kDegreesPerRadian;
    // arg gives -pi for a negative real part with a negative-zero imaginary part.
    return degrees <= -180 ? degrees + 360 : degrees;
}

PatternRow patternRow(const aperture::HornPattern& pattern, double thetaDeg) {
    const aperture::FarField field = pattern.at(thetaDeg / 180 * std::numbers::pi);
    return {thetaDeg, levelDb(field.e), levelDb(field.h), levelDb(field.cross), phaseDeg(field.e), phaseDeg(field.h)};
}

}  // namespace pattern

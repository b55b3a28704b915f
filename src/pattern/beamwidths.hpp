#pragma once
// The four beamwidths, in the order of HCWBW's outputs: 3 dB E plane,
// 3 dB H plane, 10 dB E plane, 10 dB H plane.

#include <string_view>

#include "aperture/level_crossing.hpp"
#include "aperture/te11_mode.hpp"

namespace pattern {

struct Beamwidth {
    std::string_view key;   // in the JSON object
    std::string_view name;  // in the report
    aperture::Plane plane;
    double power;           // the level, as a power relative to the axis
};

inline constexpr Beamwidth kBeamwidths[4] = {
    {"3db_e", "3 dB E-plane", aperture::Plane::E, aperture::kHalfPower},
    {"3db_h", "3 dB H-plane", aperture::Plane::H, aperture::kHalfPower},
    {"10db_e", "10 dB E-plane", aperture::Plane::E, aperture::kTenthPower},
    {"10db_h", "10 dB H-plane", aperture::Plane::H, aperture::kTenthPower},
};

// The 10 dB beamwidth of each plane, which bounds its phase-centre fit.
inline constexpr int kTenDbE = 2;
inline constexpr int kTenDbH = 3;

}  // namespace pattern

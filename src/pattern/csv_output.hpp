#pragma once
// The pattern table as CSV, for a script or a plot.

#include "aperture/horn_pattern.hpp"
#include "pattern/angle_grid.hpp"
#include "pattern/text_sink.hpp"

namespace pattern {

inline constexpr std::string_view kCsvHeader =
    "theta_deg,e_plane_db,h_plane_db,cross_45_db,e_phase_deg,h_phase_deg\n";

// Decimals: four for levels (the pattern is good to 0.01 dB), three for
// phases (good to 0.1 degree); angles as the step is written.
inline constexpr int kCsvLevelDecimals = 4;
inline constexpr int kCsvPhaseDecimals = 3;

// The header, then one line per angle of the grid, each put to the sink as
// it is computed: no memory grows with the table. A level of exactly zero
// power is -inf; the phase of an exactly zero field, which does not exist,
// is nan.
void writeCsv(const aperture::HornPattern& pattern, const AngleGrid& grid, TextSink& out);

}  // namespace pattern

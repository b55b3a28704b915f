#pragma once
// The summary as one JSON object, for a script.

#include "pattern/horn_summary.hpp"
#include "pattern/text_sink.hpp"

namespace pattern {

// One object, a key per line, in this order: unit, radius, slant,
// frequency_ghz, wavelength, ka, s, flare_half_angle_deg, axial_length,
// gain_db, directivity_db, beamwidth_deg {table, integrated}, phase_center,
// phase_center_wavelengths, cross_polar_peak_db, cross_polar_peak_angle_deg.
// Lengths in the unit, angles in degrees, beamwidths full widths.
//
// Numbers: the table model's values as the shortest text that reads back
// as the same float, the physics' as the shortest that reads back as the
// same double; negative zero as 0. null for a value that does not exist
// (a beamwidth whose level is not reached before 90 degrees) and for one
// that is NaN or infinite, which JSON cannot write.
void writeJson(const HornSummary& summary, TextSink& out);

}  // namespace pattern

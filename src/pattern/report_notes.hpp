#pragma once
// The notes of the report: where the horn lies outside the range in which
// velmor's table model holds (docs/model.md), where the integrated pattern
// has no value to give, and where aperture integration itself stops being
// a good guide.

#include <string>
#include <vector>

#include "pattern/horn_summary.hpp"

namespace pattern {

inline constexpr double kGainTableEnd = 0.8;        // GAINLOSS: S from 0 to 0.80
inline constexpr double kBeamwidthTableEnd = 0.72;  // U3DBE to U10DBH: S from 0 to 0.72
// Aperture integration is good over the main beam and the first sidelobes;
// beyond about 60 degrees the diffraction at the rim, which it leaves out,
// matters.
inline constexpr double kRimDiffractionFromDeg = 60;

// Each note is one or more lines of text, each line ending in '\n'; the
// first begins "- ", the others are indented to follow it. Nothing when
// the horn lies in every range and the table stops at kRimDiffractionFromDeg.
std::vector<std::string> reportNotes(const HornSummary& summary, double lastAngleDeg);

}  // namespace pattern

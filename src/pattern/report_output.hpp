#pragma once
// The report for a person: the horn, the frequency, the table model beside
// the integrated pattern, the phase centres, the cross-polar peak, the
// notes, and the pattern table. Plain ASCII, lines of at most 80
// characters but for a table angle of very many decimals.

#include "aperture/horn_pattern.hpp"
#include "pattern/angle_grid.hpp"
#include "pattern/horn_summary.hpp"
#include "pattern/text_sink.hpp"

namespace pattern {

// The table model's values are velmor's digits: RENDERFIXED at the shapes of
// velmor's analysis row (gain 7.2, beamwidths 8.1). In the pattern table
// levels have two decimals, phases one; a level of zero power is -inf, and
// the phase of a zero field, which does not exist, is a dash. A value that
// does not exist elsewhere is a dash too, and a note says why.
void writeReport(const HornSummary& summary, const aperture::HornPattern& pattern, const AngleGrid& grid,
                 TextSink& out);

}  // namespace pattern

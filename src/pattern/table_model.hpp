#pragma once
// velmor's own values for the horn: the analysis row of the vector build.

#include "horn/arithmetic.hpp"
#include "pattern/horn_quantities.hpp"

namespace pattern {

struct TableModelValues {
    Real gain;             // CHNGN, dB
    Real beamwidth[4];     // HCWBW, degrees, full widths, in kBeamwidths' order
    Real patternPoint[4];  // the u = ka sin(theta) each beamwidth comes from
    Real ka;               // the model's electrical radius, (a f) / 1.878482
};

// The radius, slant length and frequency as velmor reads them from the same
// text (Reals, see readReal); the lengths divided by UNITFAC of the unit as
// velmor's driver divides them, then CHNGN and HCWBW, all under
// TableModelArithmetic: the bits of velmor's analysis row for the horn.
// The arguments are references so that the compiler reads them, and so
// does every float operation on them, after the environment is set.
TableModelValues tableModelValues(const Real& radius, const Real& slant, const Real& frequency, LengthUnit unit);

}  // namespace pattern

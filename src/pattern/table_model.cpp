#include "pattern/table_model.hpp"

#include <cstdint>

#include "dialogue/units.hpp"
#include "horn/beamwidth.hpp"
#include "horn/gain.hpp"
#include "horn/interpolate.hpp"
#include "horn/tables.hpp"
#include "horn/wavelength.hpp"
#include "pattern/table_arithmetic.hpp"

namespace pattern {

// velmor's unit codes.
static constexpr std::int32_t kCentimetres = 1;
static constexpr std::int32_t kInches = 2;

// The 2 of the doubled slant length in HCWBW's S = a^2 / ((L 2) lambda).
static constexpr Real kTwo = 2.0f;

// In kBeamwidths' order.
static const Real* const kPatternTables[4] = {U3DBE, U3DBH, U10DBE, U10DBH};

TableModelValues tableModelValues(const Real& radius, const Real& slant, const Real& frequency, LengthUnit unit) {
    const TableModelArithmetic arithmetic;
    const std::int32_t code = unit == LengthUnit::centimetre ? kCentimetres : kInches;
    const Real a = Real(Wide(radius) / UNITFAC[code]);
    const Real L = Real(Wide(slant) / UNITFAC[code]);
    TableModelValues values;
    CHNGN(frequency, a, L, values.gain);
    HCWBW(frequency, a, L, values.beamwidth[0], values.beamwidth[1], values.beamwidth[2], values.beamwidth[3]);

    // The pattern points and ka, formed as HCWBW forms them, so that the
    // report can name the point of a beamwidth that the model cannot give.
    const Real lambda = Real(Wide(kWavelengthInchGHz) / Wide(frequency));
    const Real S = Real((Wide(a) * Wide(a)) / ((Wide(L) * Wide(kTwo)) * Wide(lambda)));
    Window window;
    locateWindow(S, kPatternRule, window);
    for (int n = 0; n < 4; ++n) values.patternPoint[n] = interpolate(window, kPatternTables[n]);
    values.ka = Real((Wide(a) * Wide(frequency)) / Wide(kInchGHzPerRadian));
    return values;
}

}  // namespace pattern

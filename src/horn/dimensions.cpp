#include "horn/dimensions.hpp"

#include "horn/interpolate.hpp"
#include "horn/tables.hpp"
#include "horn/wavelength.hpp"

// The last grid point of GAINLOSS; a larger S is turned away unwritten.
static constexpr Real kLargestPhaseDeviation = 0.8f;

// dB to amplitude ratio: ka = 10^((G + loss) / 20).
static constexpr Real kDecibelsPerDecade = 20.0f;
static constexpr Real kDecade = 10.0f;

// Twice 11.80285: L = a^2 f / (S * 23.6057) is a^2 / (2 lambda S).
static constexpr Real kTwiceWavelengthInchGHz = 23.6057f;

void HCRGN(const Real& f, const Real& G, const Real& S, Real& a, Real& L) {
    // A NaN S is not greater and goes on (its loss, a and L are NaN).
    if (S > kLargestPhaseDeviation) return;
    const Real loss = interpolateAt(S, kGainLossRule, GAINLOSS);
    // t and ka stay Wide up to the store of the radius.
    const Wide t = (Wide(G) + Wide(loss)) / Wide(kDecibelsPerDecade);
    const Wide ka = wide::pow(Wide(kDecade), t);
    const Real radius = Real((ka * Wide(kInchGHzPerRadian)) / Wide(f));
    // From the stored radius; S = 0 gives an infinite slant length.
    const Real slant =
        Real(((Wide(radius) * Wide(radius)) * Wide(f)) / (Wide(S) * Wide(kTwiceWavelengthInchGHz)));
    a = radius;
    L = slant;
}

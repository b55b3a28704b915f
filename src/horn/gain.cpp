#include "horn/gain.hpp"

#include "horn/interpolate.hpp"
#include "horn/tables.hpp"
#include "horn/wavelength.hpp"

// 20 / ln 10: a natural logarithm of an amplitude ratio in dB.
static constexpr Real kDecibelsPerNeper = 8.685889f;

// The 2 of the doubled wavelength in S = a^2 / ((2 lambda) L).
static constexpr Real kTwo = 2.0f;

void CHNGN(const Real& f, const Real& a, const Real& L, Real& G) {
    const Real lambda = Real(Wide(kWavelengthInchGHz) / Wide(f));
    const Real S = Real((Wide(a) * Wide(a)) / ((Wide(kTwo) * Wide(lambda)) * Wide(L)));
    // Above S = 0.8 the loss is extrapolated from entries 39 to 41; with no
    // valid window start (L = 0, S below -0.002) it is NaN, and so is G.
    const Real loss = interpolateAt(S, kGainLossRule, GAINLOSS);
    // x87: the logarithm of zero, of a negative or of a NaN raises MathError.
    G = Real(Wide(kDecibelsPerNeper) * wide::log((Wide(a) * Wide(f)) / Wide(kInchGHzPerRadian)) -
             Wide(loss));
}

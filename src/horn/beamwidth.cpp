#include "horn/beamwidth.hpp"

#include "horn/interpolate.hpp"
#include "horn/tables.hpp"
#include "horn/wavelength.hpp"

// The 2 of the doubled slant length in S = a^2 / ((L 2) lambda), of the
// half angle theta / 2, and of E = 2 (2 - K / ln cos(theta / 2)).
static constexpr Real kTwo = 2.0f;
static constexpr Real kOne = 1.0f;

// Four times the degrees in a radian, 4 * 180 / pi: the full width 2 psi with
// cos(psi / 2) = c is 4 arccos(c).
static constexpr Real kFullWidthDegreesPerRadian = 229.1831f;

// One beamwidth: its pattern table, the level constant K and the power level
// B = e^(-2K) of the pattern cos^E(psi / 2).
struct PatternLevel {
    const Real* table;
    Real K;
    Real B;
};

// 3 dB: K = ln(2) / 2, B = 0.5. 10 dB: K = ln(10) / 2, B = 0.1.
static constexpr Real kLevel3dB = 0.3465736f;
static constexpr Real kPower3dB = 0.5f;
static constexpr Real kLevel10dB = 1.151293f;
static constexpr Real kPower10dB = 0.1f;

// In the order of the outputs: 3 dB E, 3 dB H, 10 dB E, 10 dB H.
static const PatternLevel kLevels[4] = {
    {U3DBE, kLevel3dB, kPower3dB},
    {U3DBH, kLevel3dB, kPower3dB},
    {U10DBE, kLevel10dB, kPower10dB},
    {U10DBH, kLevel10dB, kPower10dB},
};

// Beamwidth in degrees for the pattern value u. x, theta, E, c and the result
// are stored; each expression between them stays Wide. |x| > 1 (u above
// |ka|) or a NaN u gives a NaN in the vector build and MathError from the
// first square root in the x87 build. cos(theta / 2) = 1 gives E = -inf,
// c = 1 and a width of 0.
static Real beamwidth(const Real& u, const Wide& ka, const PatternLevel& level) {
    const Real x = Real(Wide(u) / ka);
    const Real theta = Real(wide::atan(Wide(x) / wide::sqrt(Wide(kOne) - Wide(x) * Wide(x))));
    const Real E = Real(
        Wide(kTwo) * (Wide(kTwo) - Wide(level.K) / wide::log(wide::cos(Wide(theta) / Wide(kTwo)))));
    const Real c = Real(wide::pow(Wide(level.B), Wide(kOne) / Wide(E)));
    return Real(wide::atan(wide::sqrt(Wide(kOne) - Wide(c) * Wide(c)) / Wide(c)) *
                Wide(kFullWidthDegreesPerRadian));
}

void HCWBW(const Real& f, const Real& a, const Real& L,
           Real& beam3E, Real& beam3H, Real& beam10E, Real& beam10H) {
    const Real lambda = Real(Wide(kWavelengthInchGHz) / Wide(f));
    const Real S = Real((Wide(a) * Wide(a)) / ((Wide(L) * Wide(kTwo)) * Wide(lambda)));
    // One window and one set of weights for the four tables; no valid start
    // (L = 0, S < 0) makes every u NaN.
    Window window;
    locateWindow(S, kPatternRule, window);
    // ka is not stored: x = u / ka divides by the Wide value.
    const Wide ka = (Wide(a) * Wide(f)) / Wide(kInchGHzPerRadian);
    Real width[4];
    for (int n = 0; n < 4; ++n)
        width[n] = beamwidth(interpolate(window, kLevels[n].table), ka, kLevels[n]);
    beam3E = width[0];
    beam3H = width[1];
    beam10E = width[2];
    beam10H = width[3];
}

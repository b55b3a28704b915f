#pragma once
// The horn's characteristics, tabulated against the phase deviation S.
//
// Entry k (from 1) belongs to the grid point S = (k - 1) * step. Each literal
// is the shortest decimal that rounds to the stored Real.

#include "horn/arithmetic.hpp"

// Gain loss in dB below 20 log10(2 pi a / lambda), S = 0 to 0.8.
inline constexpr int kGainLossEntries = 41;
inline constexpr Real kGainLossStep = 0.02f;
extern const Real GAINLOSS[kGainLossEntries];

// Pattern value u = ka sin(theta) at the 3 dB and 10 dB points of the E and
// H planes, S = 0 to 0.72.
inline constexpr int kPatternEntries = 19;
inline constexpr Real kPatternStep = 0.04f;
extern const Real U3DBE[kPatternEntries];
extern const Real U3DBH[kPatternEntries];
extern const Real U10DBE[kPatternEntries];
extern const Real U10DBH[kPatternEntries];

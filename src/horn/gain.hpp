#pragma once
#include "horn/arithmetic.hpp"

// CHNGN: on-axis gain G (dB) of a conical TE11 horn of aperture radius a and
// slant length L (inches) at frequency f (GHz): 20 log10(2 pi a / lambda)
// less the gain loss read from GAINLOSS at the horn's phase deviation S.
// Always writes G.
void CHNGN(const Real& f, const Real& a, const Real& L, Real& G);

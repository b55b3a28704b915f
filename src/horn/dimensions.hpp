#pragma once
#include "horn/arithmetic.hpp"

// HCRGN: aperture radius a and slant length L (inches) of the conical TE11
// horn that reaches gain G (dB) at frequency f (GHz) with phase deviation S.
// For S above 0.8 neither output is written.
void HCRGN(const Real& f, const Real& G, const Real& S, Real& a, Real& L);

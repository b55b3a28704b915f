#pragma once
#include "horn/arithmetic.hpp"

// HCWBW: the 3 dB and 10 dB beamwidths (degrees, full width) in the E and H
// planes of a conical TE11 horn of aperture radius a and slant length L
// (inches) at frequency f (GHz). Always writes all four outputs.
void HCWBW(const Real& f, const Real& a, const Real& L,
           Real& beam3E, Real& beam3H, Real& beam10E, Real& beam10H);

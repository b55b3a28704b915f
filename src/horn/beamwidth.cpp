#include "horn/beamwidth.hpp"
void HCWBW(const Real&, const Real&, const Real&, Real& b3e, Real& b3h, Real& b10e, Real& b10h) {
    b3e = b3h = b10e = b10h = 0;
}

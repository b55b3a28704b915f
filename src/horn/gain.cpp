#include "horn/gain.hpp"
void CHNGN(const Real&, const Real&, const Real&, Real& G) { G = 0; }

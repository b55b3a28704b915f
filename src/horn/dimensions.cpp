#include "horn/dimensions.hpp"
void HCRGN(const Real&, const Real&, const Real&, Real&, Real&) {}

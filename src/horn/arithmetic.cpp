#include "horn/arithmetic.hpp"

#include <xmmintrin.h>

#if VELMOR_X87

// x87 control word: all six exceptions masked (bits 0-5), precision control
// 10b = 53-bit significand (bits 8-9), rounding to nearest (bits 10-11 zero).
static constexpr unsigned short kX87Control53 = 0x027F;

void setArithmeticEnvironment() {
    unsigned short control = kX87Control53;
    asm volatile("fldcw %0" : : "m"(control));
}

namespace wide {
void raiseMathError(const char* function, const char* kind) {
    throw MathError{function, kind};
}
}  // namespace wide

#else

// MXCSR: bits 7-12 mask the six exceptions; bit 15 flushes results below the
// smallest normal Real to zero.
static constexpr unsigned kMxcsrExceptionMasks = 0x1F80;
static constexpr unsigned kMxcsrFlushToZero = 0x8000;

void setArithmeticEnvironment() {
    _mm_setcsr(_mm_getcsr() | kMxcsrExceptionMasks | kMxcsrFlushToZero);
}

#endif

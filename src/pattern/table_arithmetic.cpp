#include "pattern/table_arithmetic.hpp"

#include <xmmintrin.h>

#include "horn/arithmetic.hpp"

namespace pattern {

// Out of line on purpose: a call the compiler cannot see into keeps the
// model's float operations between the two register writes.
TableModelArithmetic::TableModelArithmetic() : saved_(_mm_getcsr()) { setArithmeticEnvironment(); }

TableModelArithmetic::~TableModelArithmetic() { _mm_setcsr(saved_); }

}  // namespace pattern

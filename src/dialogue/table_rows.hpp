#pragma once
// The rows of a design or analysis table: how many, and the value of each.

#include <cstdint>

#include "horn/arithmetic.hpp"

// Row count for start a, stop b, step h (h not zero): the integer part of
// (b - a) / h + 1.4, evaluated in Wide. The 1.4 counts k whole steps as
// k + 1 rows and adds a row for a remainder of 0.6 step or more. A count
// that is not finite, not positive or beyond the 32-bit range gives no rows.
std::int32_t tableRowCount(Real start, Real stop, Real step);

// Value of row i (from 1): (i - 1) * h + a, rounded to Real once it is
// stored. No running sum, so rows do not drift.
Real tableRowValue(std::int32_t row, Real start, Real step);

#include "dialogue/table_rows.hpp"

// One step in 0.6 still earns a row; the constant is single precision in
// both builds.
static constexpr Real kRowCountBias = 1.4f;

// 2^31: the first value whose integer part lies beyond the 32-bit range.
static constexpr Real kFirstBeyondInt32 = 2147483648.0f;

std::int32_t tableRowCount(Real start, Real stop, Real step) {
    const Wide count = (Wide(stop) - start) / step + kRowCountBias;
    // Written so that NaN fails the test; truncation is defined only inside
    // the range, and below 1 there are no rows either way.
    if (!(count >= 1 && count < kFirstBeyondInt32)) return 0;
    return static_cast<std::int32_t>(count);
}

Real tableRowValue(std::int32_t row, Real start, Real step) {
    return Real(Wide(row - 1) * step + start);
}

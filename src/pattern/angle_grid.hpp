#pragma once
// The angles of the pattern table: theta_k = k step, k = 0, 1, ..., K, for
// K the largest k with k step <= to.

#include <cstdint>

namespace pattern {

// The table's angles counted, K + 1, as a double (so that a step too small
// for any integer type is counted too). The comparison k step <= to allows
// a relative 1e-12 for the rounding of the two decimal arguments to double:
// --step 0.1 --to 90 ends at the row 90, although 900 * 0.1 > 90 in double.
// Contract: step and to finite and above zero.
double angleCount(double step, double to);

struct AngleGrid {
    double step;       // degrees
    double to;         // degrees
    std::int64_t last; // K
    int decimals;      // of the shortest decimal text of step

    // theta_k in degrees, never beyond `to`: a last angle above it by the
    // allowance is `to` itself.
    double angle(std::int64_t k) const {
        const double theta = static_cast<double>(k) * step;
        return theta < to ? theta : to;
    }
};

// The grid for --step and --to. Angles printed with `decimals` decimals
// show k step as the user would write it: 3 * 0.1 prints as 0.3.
// Contract: as angleCount, and angleCount(step, to) < 2^53.
AngleGrid angleGrid(double step, double to);

}  // namespace pattern

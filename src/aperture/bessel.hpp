#pragma once
// J0 and J2 of a real argument x >= 0, the two orders the TE11 field needs.
//
// J0 and J1 come from the C library's j0 and j1 (POSIX), a few tens of
// nanoseconds each and accurate to a few units in the last place; a
// general-order routine costs ten times as much. J2 follows from the
// recurrence J2 = 2 J1 / x - J0. Near x = 0 both terms tend to 1 and J2 to
// x^2 / 8, so the difference keeps an absolute error of about 1e-16 while
// its relative error grows; below kSeriesBelow the series is used instead,
// which also gives J2(0) = 0 exactly.

#include <math.h>

namespace aperture {

struct BesselJ0J2 {
    double j0;
    double j2;
};

// Below this the series x^2/8 - x^4/96 + x^6/3072 is exact to 1e-21.
inline constexpr double kSeriesBelow = 1e-2;

inline BesselJ0J2 besselJ0J2(double x) {
    const double j0 = ::j0(x);
    if (x < kSeriesBelow) {
        const double x2 = x * x;
        return {j0, x2 * (1.0 / 8 - x2 * (1.0 / 96 - x2 / 3072))};
    }
    return {j0, 2 * ::j1(x) / x - j0};
}

}  // namespace aperture

// velmor's table values: computed under the vector build's arithmetic, which
// is put back afterwards, with the pattern point named where a beamwidth is
// missing.

#include "pattern/table_model.hpp"

#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <cmath>

namespace pattern {
namespace {

constexpr unsigned kFlushToZero = 0x8000;

TEST(TableModelTest, RunsWithResultsFlushedToZero) {
    // a f = 1e-39 is below the smallest normal float: flushed, ka is 0 and
    // the gain's logarithm -inf, as in velmor. In plain IEEE it is finite.
    const Real radius = 1e-40f, slant = 8, frequency = 10;
    EXPECT_EQ(tableModelValues(radius, slant, frequency, LengthUnit::inch).gain, -INFINITY);
}

TEST(TableModelTest, PutsTheEnvironmentBack) {
    const unsigned before = _mm_getcsr();
    ASSERT_EQ(before & kFlushToZero, 0u);
    tableModelValues(2, 8, 10, LengthUnit::inch);
    EXPECT_EQ(_mm_getcsr(), before);
}

TEST(TableModelTest, ABeamwidthIsMissingOnlyWhereItsPointLiesBeyondKa) {
    // Radii from ka = 1.5 to 4.5 at S near 0, where the four points (1.6 to
    // 3.5) pass ka one by one.
    int missing = 0, present = 0;
    for (Real radius = 0.28f; radius < 0.85f; radius += 0.0005f) {
        const TableModelValues values = tableModelValues(radius, 1000, 10, LengthUnit::inch);
        for (int n = 0; n < 4; ++n) {
            if (std::isnan(values.beamwidth[n])) {
                ++missing;
                EXPECT_GT(values.patternPoint[n], values.ka) << radius;
            } else {
                ++present;
                EXPECT_LE(values.patternPoint[n], values.ka) << radius;
            }
        }
    }
    EXPECT_GT(missing, 0);
    EXPECT_GT(present, 0);
}

}  // namespace
}  // namespace pattern

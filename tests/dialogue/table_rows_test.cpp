// How many rows a table has, and their values, in each build's arithmetic.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "dialogue/table_rows.hpp"

namespace {

constexpr bool kX87 = kBuild == Build::x87;
constexpr Real kInf = std::numeric_limits<Real>::infinity();
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

std::vector<Real> rows(Real start, Real stop, Real step) {
    std::vector<Real> values;
    const std::int32_t count = tableRowCount(start, stop, step);
    for (std::int32_t i = 1; i <= count; ++i) values.push_back(tableRowValue(i, start, step));
    return values;
}

TEST(TableRows, CountsFollowTheBiasOfFourTenths) {
    struct Case {
        Real start, stop, step;
        std::int32_t count;
    };
    const Case cases[] = {
        // whole steps: both ends
        {0.1f, 0.5f, 0.1f, 5},
        {8, 12, 0.5f, 9},
        {0, 0.7f, 0.1f, 8},
        // a remainder of 0.6 step or more adds a row beyond the stop
        {0, 0.5f, 0.3f, 3},
        {0, 0.45f, 0.3f, 2},
        // downward
        {0.5f, 0.1f, -0.1f, 5},
        // a stop short of the start by less than 0.4 step: the start alone
        {0.5f, 0.48f, 0.1f, 1},
        {2, 1, 1, 0},
        // counts that are not finite or leave the 32-bit range: no rows
        {0, kInf, 1, 0},
        {0, 1, kNaN, 0},
        {0, 1e30f, 1e-9f, 0},
        {0, -1e30f, 1e-9f, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tableRowCount(c.start, c.stop, c.step), c.count) << c.start << " " << c.stop << " " << c.step;
}

TEST(TableRows, RoundingEachStepLiftsTheVectorCountOntoAWholeNumber) {
    // (0.65 - 0) / 0.25 + 1.4 is 4.0 once the quotient is rounded to single
    // precision, and just below 4 at a 53-bit significand.
    EXPECT_EQ(tableRowCount(0, 0.65f, 0.25f), kX87 ? 3 : 4);
}

TEST(TableRows, ValuesAreStartPlusWholeSteps) {
    EXPECT_EQ(rows(0, 0.5f, 0.3f), (std::vector<Real>{0, 0.3f, 0.6f}));
    const std::vector<Real> down = rows(0.5f, 0.1f, -0.1f);
    ASSERT_EQ(down.size(), 5u);
    EXPECT_FLOAT_EQ(down[0], 0.5f);
    EXPECT_FLOAT_EQ(down[4], 0.1f);
    // No running sum: row 1000 of steps of 0.1 is one product and one sum.
    EXPECT_EQ(tableRowValue(1000, 0, 0.1f), Real(Wide(999) * 0.1f));
}

TEST(TableRows, LargeRowIndicesConvertAsTheBuildDoes) {
    // 2^24 + 1 is not a Real: the vector build rounds it before the product,
    // the x87 build holds it exactly.
    const std::int32_t row = (1 << 24) + 2;
    const Real value = tableRowValue(row, 0, 1);
    EXPECT_EQ(value, kX87 ? Real(16777217.0) : 16777216.0f);
}

}  // namespace

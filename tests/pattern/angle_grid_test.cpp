// The pattern table's angles: how many, the last one, and how they print.

#include "pattern/angle_grid.hpp"

#include <gtest/gtest.h>

#include <string>

#include "pattern/decimal_text.hpp"

namespace pattern {
namespace {

struct Grid {
    double step;
    double to;
    double count;
    double lastAngle;
    int decimals;
};

void PrintTo(const Grid& grid, std::ostream* out) { *out << "--step " << grid.step << " --to " << grid.to; }

class AngleGridTest : public testing::TestWithParam<Grid> {};

TEST_P(AngleGridTest, CountsToTheLastAngleNotBeyondTo) {
    const Grid& g = GetParam();
    EXPECT_EQ(angleCount(g.step, g.to), g.count);
    const AngleGrid grid = angleGrid(g.step, g.to);
    EXPECT_EQ(grid.last + 1, g.count);
    EXPECT_EQ(grid.angle(grid.last), g.lastAngle);
    EXPECT_LE(grid.angle(grid.last), g.to);
    EXPECT_EQ(grid.decimals, g.decimals);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AngleGridTest,
    testing::Values(
        Grid{1, 90, 91, 90, 0},
        // 900 * 0.1 is 90.00000000000001 in double: the row is 90 all the same.
        Grid{0.1, 90, 901, 90, 1},
        // 300 * 0.3 is 90.00000000000001, 90 / 0.3 is 300.00000000000006.
        Grid{0.3, 90, 301, 90, 1},
        // 180 / 0.7 = 257.14...: the last row is the 257th step, short of --to.
        Grid{0.7, 180, 258, 257 * 0.7, 1},
        Grid{0.25, 1, 5, 1, 2},
        Grid{1e-5, 1e-4, 11, 1e-4, 5},
        // A step beyond --to: the axis alone.
        Grid{5, 2, 1, 0, 0},
        // Just short of a whole step stays short; within the allowance is the step.
        Grid{1, 89.999999, 90, 89, 0},
        Grid{1, 90 - 1e-13, 91, 90 - 1e-13, 0}));

TEST(AngleGridTest, AnglesPrintAsTheStepIsWritten) {
    const AngleGrid grid = angleGrid(0.1, 1);
    std::string printed;
    for (std::int64_t k = 0; k <= grid.last; ++k) {
        appendFixed(printed, grid.angle(k), grid.decimals);
        printed += ' ';
    }
    EXPECT_EQ(printed, "0.0 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1.0 ");
}

TEST(AngleGridTest, CountsBeyondAnyIntegerType) { EXPECT_EQ(angleCount(1e-300, 180), 180e300 * (1 + 1e-12) + 1); }

}  // namespace
}  // namespace pattern

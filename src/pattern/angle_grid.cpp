#include "pattern/angle_grid.hpp"

#include <charconv>
#include <cmath>
#include <string_view>

namespace pattern {

// The relative allowance for the rounding of step and to: each is within
// 2^-53 of its decimal value and their quotient adds one more rounding, so
// 1e-12 covers them with a wide margin and is far finer than any two angles
// a user would tell apart.
static constexpr double kRoundingAllowance = 1e-12;

double angleCount(double step, double to) { return std::floor(to / step * (1 + kRoundingAllowance)) + 1; }

// The digits after the point in the shortest fixed-point text that reads
// back as `step`: 1 for 0.1, 5 for 1e-5, 0 for 2.
static int shortestDecimals(double step) {
    char text[400];  // the longest shortest fixed text of a double, that of 5e-324, has 326 characters
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, step, std::chars_format::fixed);
    const std::string_view digits(text, result.ptr);
    const std::size_t point = digits.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(digits.size() - point - 1);
}

AngleGrid angleGrid(double step, double to) {
    return {step, to, static_cast<std::int64_t>(angleCount(step, to)) - 1, shortestDecimals(step)};
}

}  // namespace pattern

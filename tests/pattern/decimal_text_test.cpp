// Numbers as text: fixed decimals without a negative zero, the words for
// infinities and NaN, phases kept in (-180, 180], and the shortest forms.

#include "pattern/decimal_text.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace pattern {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Fixed {
    double value;
    int decimals;
    std::string_view text;
};

void PrintTo(const Fixed& fixed, std::ostream* out) { *out << fixed.value << " to " << fixed.decimals; }

class FixedTest : public testing::TestWithParam<Fixed> {};

TEST_P(FixedTest, Prints) {
    std::string out = "<";  // appended to, not replaced
    appendFixed(out, GetParam().value, GetParam().decimals);
    EXPECT_EQ(out.front(), '<');
    EXPECT_EQ(out.substr(1), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FixedTest,
    testing::Values(
        Fixed{1.5, 4, "1.5000"}, Fixed{-12.34567, 2, "-12.35"}, Fixed{90, 0, "90"},
        // A value that rounds to zero has no sign.
        Fixed{-0.0, 4, "0.0000"}, Fixed{-0.00004, 4, "0.0000"}, Fixed{-0.4, 0, "0"},
        Fixed{-0.00005000001, 4, "-0.0001"},
        // Ties of the exact binary value go to even; 0.125 and 2.5 are exact.
        Fixed{0.125, 2, "0.12"}, Fixed{2.5, 0, "2"}, Fixed{0.375, 2, "0.38"},
        // 0.3 * 3 is 0.8999999999999999.
        Fixed{0.3 * 3, 1, "0.9"},
        Fixed{-kInf, 4, "-inf"}, Fixed{kInf, 4, "inf"}, Fixed{kNaN, 4, "nan"}, Fixed{-kNaN, 3, "nan"}));

TEST(FixedTest, TheLongestTextFits) {
    std::string out;
    appendFixed(out, -std::numeric_limits<double>::max(), 340);
    EXPECT_EQ(out.size(), 1 + 309 + 1 + 340u);
    EXPECT_EQ(out.substr(0, 4), "-179");
}

struct Phase {
    double degrees;
    int decimals;
    std::string_view text;
};

void PrintTo(const Phase& phase, std::ostream* out) { *out << phase.degrees << " to " << phase.decimals; }

class PhaseTest : public testing::TestWithParam<Phase> {};

TEST_P(PhaseTest, StaysInTheHalfOpenInterval) {
    std::string out;
    appendPhase(out, GetParam().degrees, GetParam().decimals);
    EXPECT_EQ(out, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, PhaseTest,
                         testing::Values(Phase{180, 3, "180.000"}, Phase{-179.9996, 3, "180.000"},
                                         Phase{-179.9994, 3, "-179.999"}, Phase{-179.96, 1, "180.0"},
                                         Phase{-179.94, 1, "-179.9"}, Phase{-179.6, 0, "180"},
                                         Phase{179.9996, 3, "180.000"}, Phase{-0.0001, 3, "0.000"},
                                         Phase{kNaN, 3, "nan"}));

TEST(ShortestTest, ReadsBackAsTheSameNumber) {
    std::string out;
    appendShortest(out, 0.1);
    out += ' ';
    appendShortest(out, 0.1f);
    out += ' ';
    appendShortest(out, 17.707848f);
    out += ' ';
    appendShortest(out, 1e-5);
    out += ' ';
    appendShortest(out, 9000001.0);
    EXPECT_EQ(out, "0.1 0.1 17.707848 1e-05 9000001");
}

TEST(SignificantTest, FixedOrScientificAsTheValueNeeds) {
    std::string out;
    appendSignificant(out, 1597.0440315, 6);
    out += ' ';
    appendSignificant(out, 4.832751e77, 6);
    EXPECT_EQ(out, "1597.04 4.83275e+77");
}

}  // namespace
}  // namespace pattern

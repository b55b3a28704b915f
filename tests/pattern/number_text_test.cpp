// Numbers read whole: the form, finiteness and range, the float reading,
// and which arguments beginning with '-' are numbers.

#include "pattern/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace pattern {
namespace {

struct Reading {
    std::string_view text;
    NumberError error;
    double value = 0;  // when error is none
};

void PrintTo(const Reading& reading, std::ostream* out) { *out << "[" << reading.text << "]"; }

class ReadNumberTest : public testing::TestWithParam<Reading> {};

TEST_P(ReadNumberTest, ReadsWholeOrSaysWhy) {
    const NumberReading reading = readNumber(GetParam().text);
    EXPECT_EQ(reading.error, GetParam().error);
    if (GetParam().error == NumberError::none) {
        EXPECT_EQ(reading.value, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadNumberTest,
    testing::Values(
        // The forms.
        Reading{"10", NumberError::none, 10}, Reading{"-2.5", NumberError::none, -2.5},
        Reading{".5", NumberError::none, 0.5}, Reading{"5.", NumberError::none, 5},
        Reading{"1e3", NumberError::none, 1000}, Reading{"1E-3", NumberError::none, 0.001},
        Reading{"2.5e+1", NumberError::none, 25}, Reading{"1e-310", NumberError::none, 1e-310},
        // Not numbers: empty, blanks, a sign alone, '+', hexadecimal, trailing text.
        Reading{"", NumberError::notANumber}, Reading{" 1", NumberError::notANumber},
        Reading{"1 ", NumberError::notANumber}, Reading{"-", NumberError::notANumber},
        Reading{"+1", NumberError::notANumber}, Reading{"0x10", NumberError::notANumber},
        Reading{"1e", NumberError::notANumber}, Reading{"1e5x", NumberError::notANumber},
        Reading{"1.5D1", NumberError::notANumber}, Reading{"1..2", NumberError::notANumber},
        Reading{"1e400x", NumberError::notANumber},
        // Not finite.
        Reading{"inf", NumberError::notFinite}, Reading{"-infinity", NumberError::notFinite},
        Reading{"nan", NumberError::notFinite}, Reading{"nan(1)", NumberError::notFinite},
        // Beyond a double either way.
        Reading{"1e400", NumberError::outOfRange}, Reading{"-1e400", NumberError::outOfRange},
        Reading{"1e-400", NumberError::outOfRange}));

TEST(ReadRealTest, RoundsOnceFromTheDigits) {
    // Just above the midpoint 1 + 2^-24 of two floats: up, where the double
    // nearest the text (the midpoint itself) would round to even, down.
    EXPECT_EQ(readReal("1.00000005960464477539062501"), 1.00000011920928955078125f);
    EXPECT_EQ(readReal("0.1"), 0.1f);
    EXPECT_EQ(readReal("1e-40"), 1e-40f);  // a subnormal float, as velmor reads it
}

TEST(ReadRealTest, NothingBeyondSinglePrecision) {
    EXPECT_FALSE(readReal("1e39"));
    EXPECT_FALSE(readReal("3.4028236e38"));
    EXPECT_EQ(readReal("3.4028235e38"), 3.4028235e38f);
    EXPECT_FALSE(readReal("1e-46"));  // rounds to zero
}

TEST(NegativeNumberTest, OnlyNumbersBeginningWithAMinus) {
    for (const char* number : {"-1", "-0", "-.5", "-1e3", "-inf", "-nan", "-infinity", "-1x", "-9-"})
        EXPECT_TRUE(looksLikeNegativeNumber(number)) << number;
    for (const char* other : {"-", "--", "--1", "-x", "-step", "1", "", "-e5", "-i"})
        EXPECT_FALSE(looksLikeNegativeNumber(other)) << other;
}

}  // namespace
}  // namespace pattern

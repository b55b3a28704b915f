// READANSWER over canned console lines: which targets an answer fills, which
// it keeps, how many lines it takes, and how it fails.
#include "dialogue/answer_reader.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "dialogue/failure.hpp"

namespace {

// Console input over a list of lines, counting the lines handed out.
class CannedLines final : public LineSource {
public:
    explicit CannedLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    bool nextLine(std::string_view& line) override {
        if (read_ == lines_.size()) return false;
        line = lines_[read_++];
        return true;
    }
    std::size_t read() const { return read_; }

private:
    std::vector<std::string> lines_;
    std::size_t read_ = 0;
};

// Every target starts at a value no answer below writes, so a kept target
// shows: target k starts at Kk.
constexpr double K1 = 101, K2 = 102, K3 = 103;
constexpr double kStart[] = {K1, K2, K3};

struct ReadCase {
    const char* name;
    std::vector<std::string> lines;
    std::string targets;          // one letter per target: R a Real, I an integer
    std::vector<double> values;   // the targets afterwards, when it succeeds
    std::size_t linesRead;        // lines taken from the source, failing or not
    int failure = 0;              // 0, or the error number of the RunFailure
    std::string detail = {};      // the failure's detail
};

// Success and failure rows, written as briefly as the table allows.
ReadCase reads(const char* name, std::vector<std::string> lines, std::string targets,
               std::vector<double> values, std::size_t linesRead) {
    return {name, std::move(lines), std::move(targets), std::move(values), linesRead};
}
ReadCase fails(const char* name, std::vector<std::string> lines, std::string targets,
               std::size_t linesRead, int failure, std::string detail = {}) {
    return {name, std::move(lines), std::move(targets), {}, linesRead, failure, std::move(detail)};
}

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class AnswerReader : public testing::TestWithParam<ReadCase> {};

TEST_P(AnswerReader, FillsOrKeepsTargetsOrFails) {
    const ReadCase& c = GetParam();
    std::vector<Real> reals(c.targets.size());
    std::vector<std::int32_t> integers(c.targets.size());
    std::vector<AnswerTarget> targets;
    for (std::size_t k = 0; k < c.targets.size(); ++k) {
        reals[k] = static_cast<Real>(kStart[k]);
        integers[k] = static_cast<std::int32_t>(kStart[k]);
        if (c.targets[k] == 'I') {
            targets.emplace_back(&integers[k]);
        } else {
            targets.emplace_back(&reals[k]);
        }
    }
    CannedLines input(c.lines);
    try {
        READANSWER(input, targets);
        ASSERT_EQ(c.failure, 0) << "read without failure";
        for (std::size_t k = 0; k < c.targets.size(); ++k) {
            SCOPED_TRACE(k);
            if (c.targets[k] == 'I') {
                EXPECT_EQ(integers[k], c.values[k]);
            } else {
                // Bits, so that -0 and 0 differ.
                EXPECT_EQ(std::bit_cast<std::uint32_t>(reals[k]),
                          std::bit_cast<std::uint32_t>(static_cast<Real>(c.values[k])))
                    << reals[k] << " instead of " << c.values[k];
            }
        }
    } catch (const RunFailure& failure) {
        ASSERT_NE(c.failure, 0) << "failed: " << failure.number << " " << failure.detail;
        EXPECT_EQ(failure.number, c.failure);
        EXPECT_EQ(failure.unit, Unit::consoleInput);
        EXPECT_EQ(failure.detail, c.detail);
    }
    EXPECT_EQ(input.read(), c.linesRead);
}

std::string caseName(const testing::TestParamInfo<ReadCase>& info) { return info.param.name; }

constexpr int E59 = kBadValueError;
constexpr int E24 = kEndOfInputError;

// ---------------------------------------------------------------------------
// Separators: commas, blanks, tabs and mixtures of them

INSTANTIATE_TEST_SUITE_P(Separators, AnswerReader, testing::Values(
    reads("Commas", {"10,12,.5"}, "RRR", {10, 12, 0.5}, 1),
    reads("Blanks", {"10 12 0.5"}, "RRR", {10, 12, 0.5}, 1),
    reads("CommasWithBlanks", {"10 , 12 , 0.5"}, "RRR", {10, 12, 0.5}, 1),
    reads("Tabs", {"10\t12\t0.5"}, "RRR", {10, 12, 0.5}, 1),
    reads("CommaAmongTabsAndBlanks", {"10 \t,\t 12\t \t0.5"}, "RRR", {10, 12, 0.5}, 1),
    reads("LeadingBlanksAndTabs", {" \t  10 12 0.5"}, "RRR", {10, 12, 0.5}, 1),
    reads("TrailingComma", {"10,12,0.5,"}, "RRR", {10, 12, 0.5}, 1),
    reads("OneInteger", {"  2  "}, "I", {2}, 1),
    reads("NoTargetsReadNoLine", {"10"}, "", {}, 0)
), caseName);

// ---------------------------------------------------------------------------
// Continuation lines and skipped empty lines

INSTANTIATE_TEST_SUITE_P(Continuation, AnswerReader, testing::Values(
    reads("LineEndSeparates", {"10 12", "0.5"}, "RRR", {10, 12, 0.5}, 2),
    reads("OneValuePerLine", {"10", "12", "0.5"}, "RRR", {10, 12, 0.5}, 3),
    reads("EmptyLinesBeforeTheAnswer", {"", "   ", "\t", "10 12 0.5"}, "RRR", {10, 12, 0.5}, 4),
    reads("EmptyLinesWithinTheAnswer", {"10", "", " \t ", "12 0.5"}, "RRR", {10, 12, 0.5}, 4),
    reads("CommaAfterAValueEndsItsLine", {"10,", "12,0.5"}, "RRR", {10, 12, 0.5}, 2)
), caseName);

// ---------------------------------------------------------------------------
// Empty values, on one line and across line ends

INSTANTIATE_TEST_SUITE_P(EmptyValues, AnswerReader, testing::Values(
    reads("TwoLeadingCommas", {",,0.25"}, "RRR", {K1, K2, 0.25}, 1),
    reads("CommaBetweenCommas", {"10,,5"}, "RRR", {10, K2, 5}, 1),
    reads("BlanksBetweenCommas", {"10 , \t, 5"}, "RRR", {10, K2, 5}, 1),
    reads("LeadingCommaThenBlankSeparated", {", 5 6"}, "RRR", {K1, 5, 6}, 1),
    reads("OnlyCommas", {",,,"}, "RRR", {K1, K2, K3}, 1),
    reads("CommasPastTheLastTarget", {"10,,,,,"}, "RRR", {10, K2, K3}, 1),
    // a comma opening a continuation line: the separator of the value before it
    reads("ContinuationCommaAfterValue", {"10", ",12,0.5"}, "RRR", {10, 12, 0.5}, 2),
    reads("ContinuationCommaAfterValueAndBlanks", {"10 12  ", "  , 0.5"}, "RRR", {10, 12, 0.5}, 2),
    reads("ContinuationCommaAfterValueAcrossEmptyLine", {"10", "", ",5,6"}, "RRR", {10, 5, 6}, 3),
    // ... and an empty value when the line before ended with a comma
    reads("ContinuationCommaAfterComma", {"10,", ",0.5"}, "RRR", {10, K2, 0.5}, 2),
    reads("ContinuationCommaAfterCommaAndBlanks", {"10 , ", "  , 0.5"}, "RRR", {10, K2, 0.5}, 2),
    reads("ContinuationCommaAfterLeadingComma", {",", ",", "5"}, "RRR", {K1, K2, 5}, 3)
), caseName);

// ---------------------------------------------------------------------------
// Repeat counts

INSTANTIATE_TEST_SUITE_P(RepeatCounts, AnswerReader, testing::Values(
    reads("ThreeZeros", {"3*0"}, "RRR", {0, 0, 0}, 1),
    reads("RepeatThenValue", {"2*1.5 0.1"}, "RRR", {1.5, 1.5, 0.1}, 1),
    reads("ValueThenRepeat", {"1*5 2*6"}, "RRR", {5, 6, 6}, 1),
    reads("EmptyRepeatBeforeComma", {"2*,7"}, "RRR", {K1, K2, 7}, 1),
    reads("EmptyRepeatBeforeBlanksAndComma", {"2* , 7"}, "RRR", {K1, K2, 7}, 1),
    reads("EmptyRepeatAtLineEnd", {"2*", "7"}, "RRR", {K1, K2, 7}, 2),
    reads("EmptyRepeatAtLineEndThenComma", {"2*", ",7"}, "RRR", {K1, K2, 7}, 2),
    reads("CountBeyondTheTargets", {"5*2"}, "RRR", {2, 2, 2}, 1),
    reads("HugeCountFillsOnlyTheTargets", {"2000000000*1"}, "RRR", {1, 1, 1}, 1),
    reads("HugeEmptyCount", {"2147483647*"}, "RRR", {K1, K2, K3}, 1),
    reads("LargestCount", {"2147483647*4"}, "RRR", {4, 4, 4}, 1),
    reads("CountWithLeadingZero", {"02*1 3"}, "RRR", {1, 1, 3}, 1),
    reads("RepeatIntoMixedTargets", {"2*2.9"}, "IR", {2, 2.9}, 1),
    fails("ZeroCount", {"0*1"}, "RRR", 1, E59, "0*1"),
    fails("ZeroEmptyCount", {"0*,5"}, "RRR", 1, E59, "0*"),
    fails("CountBeyond32Bits", {"99999999999*1"}, "RRR", 1, E59, "99999999999*1"),
    fails("CountJustBeyond32Bits", {"2147483648*1"}, "RRR", 1, E59, "2147483648*1"),
    fails("SignedCount", {"+2*1"}, "RRR", 1, E59, "+2*1"),
    fails("FractionalCount", {"1.5*1"}, "RRR", 1, E59, "1.5*1"),
    fails("AsteriskWithoutCount", {"*5"}, "RRR", 1, E59, "*5"),
    fails("AsteriskAfterBlank", {"2 *5"}, "RRR", 1, E59, "*5"),
    fails("TwoAsterisks", {"2**3"}, "RRR", 1, E59, "2**3"),
    fails("RepeatOfRepeat", {"2*3*4"}, "RRR", 1, E59, "2*3*4"),
    fails("BadRepeatedValue", {"2*abc,5"}, "RRR", 1, E59, "2*abc")
), caseName);

// ---------------------------------------------------------------------------
// Slash: ends the answer, the rest keep their values

INSTANTIATE_TEST_SUITE_P(Slash, AnswerReader, testing::Values(
    reads("AfterOneValue", {"10 /"}, "RRR", {10, K2, K3}, 1),
    reads("Alone", {"/"}, "RRR", {K1, K2, K3}, 1),
    reads("AfterEmptyRepeat", {"2*/"}, "RRR", {K1, K2, K3}, 1),
    reads("AfterValueAndEmptyRepeat", {"3 1*/ 5"}, "RRR", {3, K2, K3}, 1),
    reads("DirectlyAfterAValue", {"10/"}, "RRR", {10, K2, K3}, 1),
    reads("AfterAComma", {"10,/ 5"}, "RRR", {10, K2, K3}, 1),
    reads("OnAContinuationLine", {"10", "  /"}, "RRR", {10, K2, K3}, 2),
    reads("AfterTheLastValue", {"1 2 3 /"}, "RRR", {1, 2, 3}, 1),
    reads("RestIsNotChecked", {"/ abc"}, "RRR", {K1, K2, K3}, 1)
), caseName);

// ---------------------------------------------------------------------------
// The rest of the line after a complete answer is discarded, unchecked

INSTANTIATE_TEST_SUITE_P(DiscardedRest, AnswerReader, testing::Values(
    reads("FurtherValue", {"10 12 0.5 99", "7"}, "RRR", {10, 12, 0.5}, 1),
    reads("FurtherBadValue", {"10 12 0.5 abc"}, "RRR", {10, 12, 0.5}, 1),
    reads("AfterTheLastSeparator", {"1,2,3,abc"}, "RRR", {1, 2, 3}, 1),
    reads("AfterARepeat", {"3*1 (1,2)"}, "RRR", {1, 1, 1}, 1),
    reads("OneIntegerOfMany", {"2 3 4"}, "I", {2}, 1)
), caseName);

// ---------------------------------------------------------------------------
// Integer targets

INSTANTIATE_TEST_SUITE_P(IntegerTargets, AnswerReader, testing::Values(
    reads("TruncatesFraction", {"2.9"}, "I", {2}, 1),
    reads("HalfIsZero", {"0.5"}, "I", {0}, 1),
    reads("NegativeHalfIsZero", {"-0.5"}, "I", {0}, 1),
    reads("NegativeTruncatesUp", {"-2.9"}, "I", {-2}, 1),
    reads("Largest", {"2147483647"}, "I", {2147483647}, 1),
    reads("Smallest", {"-2147483648"}, "I", {-2147483648.0}, 1),
    reads("Exponent", {"1e3"}, "I", {1000}, 1),
    reads("ExponentLetterD", {"1.5D1"}, "I", {15}, 1),
    fails("BeyondLargest", {"2147483648"}, "I", 1, E59, "2147483648"),
    fails("BelowSmallest", {"-2147483649"}, "I", 1, E59, "-2147483649"),
    fails("ExponentBeyond32Bits", {"1e10"}, "I", 1, E59, "1e10"),
    fails("RepeatBeyond32Bits", {"2*1e10"}, "I", 1, E59, "2*1e10")
), caseName);

// ---------------------------------------------------------------------------
// Value forms that are read

INSTANTIATE_TEST_SUITE_P(ValueForms, AnswerReader, testing::Values(
    reads("Integer", {"15"}, "R", {15}, 1),
    reads("SignAndTrailingPoint", {"+15."}, "R", {15}, 1),
    reads("ExponentE", {"1.5e1"}, "R", {15}, 1),
    reads("ExponentD", {"1.5D1"}, "R", {15}, 1),
    reads("NegativeExponent", {"150e-1"}, "R", {15}, 1),
    reads("ExponentQ", {"1.5q1"}, "R", {15}, 1),
    reads("LeadingPoint", {".5"}, "R", {0.5}, 1),
    reads("TrailingPoint", {"5."}, "R", {5}, 1),
    reads("NegativeZero", {"-0"}, "R", {-0.0}, 1),
    reads("UnderflowToZero", {"1e-50"}, "R", {0}, 1),
    reads("LargestReal", {"3.4028235e38"}, "R", {3.4028235e38}, 1)
), caseName);

// ---------------------------------------------------------------------------
// Value forms that end the run with error 59; the detail is the item as typed

INSTANTIATE_TEST_SUITE_P(BadValues, AnswerReader, testing::Values(
    fails("Word", {"abc"}, "R", 1, E59, "abc"),
    fails("TwoPoints", {"1..5"}, "R", 1, E59, "1..5"),
    fails("ExponentWithoutDigitBefore", {"e5"}, "R", 1, E59, "e5"),
    fails("TwoSigns", {"+-1"}, "R", 1, E59, "+-1"),
    fails("LoneSign", {"-"}, "R", 1, E59, "-"),
    fails("LonePoint", {"."}, "R", 1, E59, "."),
    fails("ExponentWithoutDigits", {"1.5e"}, "R", 1, E59, "1.5e"),
    fails("ExponentSignWithoutDigits", {"1.5e+"}, "R", 1, E59, "1.5e+"),
    fails("ExponentWithoutLetter", {"1.5+3"}, "R", 1, E59, "1.5+3"),
    fails("Quoted", {"'a'"}, "R", 1, E59, "'a'"),
    fails("Parenthesised", {"(1,2)"}, "R", 1, E59, "(1"),
    fails("LogicalT", {"T"}, "R", 1, E59, "T"),
    fails("LogicalDotTrue", {".TRUE."}, "R", 1, E59, ".TRUE."),
    fails("BeyondLargestReal", {"1e39"}, "R", 1, E59, "1e39"),
    fails("NulByte", {std::string{'1', '\0', '5'}}, "R", 1, E59, std::string{'1', '\0', '5'}),
    fails("ByteAbove127", {"1\xB5"}, "R", 1, E59, "1\xB5"),
    fails("CarriageReturnIsOrdinary", {"10\r 12 0.5"}, "RRR", 1, E59, "10\r"),
    fails("SecondValueBad", {"10 1..5 0.5"}, "RRR", 1, E59, "1..5"),
    fails("BadValueOnContinuationLine", {"10 12", "x"}, "RRR", 2, E59, "x")
), caseName);

// ---------------------------------------------------------------------------
// End of input: error 24

INSTANTIATE_TEST_SUITE_P(EndOfInput, AnswerReader, testing::Values(
    fails("NoLineAtAll", {}, "R", 0, E24),
    fails("OnlyEmptyLines", {"", " \t "}, "RRR", 2, E24),
    fails("AfterAComma", {"10,"}, "RRR", 1, E24),
    fails("AfterTwoValues", {"10 12"}, "RRR", 1, E24),
    fails("AfterAnEmptyRepeat", {"2*"}, "RRR", 1, E24),
    fails("IntegerAnswerMissing", {""}, "I", 1, E24)
), caseName);

// Two answers from one source: each starts at its own line, whatever the
// line before held after the values it used.
TEST(AnswerReaderSequence, EachAnswerStartsAtTheNextLine) {
    CannedLines input({"10 12 0.5 99", "7", ",", "8"});
    Real a = 1, b = 2, c = 3;
    const AnswerTarget three[] = {&a, &b, &c};
    READANSWER(input, three);
    std::int32_t unit = 0;
    const AnswerTarget one[] = {&unit};
    READANSWER(input, one);
    EXPECT_EQ(unit, 7);
    // A comma first in an answer is an empty value even though the answer
    // before it ended on a value.
    Real d = 4, e = 5;
    const AnswerTarget two[] = {&d, &e};
    READANSWER(input, two);
    EXPECT_EQ(d, 4.0f);
    EXPECT_EQ(e, 8.0f);
    EXPECT_EQ(input.read(), 4u);
}

// The expected values above pass through a double-to-Real conversion, which
// the vector build's flush-to-zero would empty for a subnormal; so this one
// is checked by its bits.
TEST(AnswerReaderSubnormal, SubnormalAnswerIsTheNearestReal) {
    CannedLines input({"1e-40 -1e-40"});
    Real a = 1, b = 2;
    const AnswerTarget two[] = {&a, &b};
    READANSWER(input, two);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(a), 0x000116C2u);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(b), 0x800116C2u);
}

}  // namespace

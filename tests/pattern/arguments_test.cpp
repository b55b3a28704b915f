// The command line taken apart: every bad input with its exact diagnostic,
// and the good forms a user writes.

#include "pattern/arguments.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "pattern/bad_arguments.hpp"

namespace pattern {
namespace {

Arguments parse(const std::vector<std::string>& arguments) {
    std::vector<const char*> argv{"velmor-pattern"};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    return parseArguments(static_cast<int>(argv.size()) - 1, argv.data());
}

// The request, or a failure naming what came back instead. Its texts view
// into `arguments`.
Request request(const std::vector<std::string>& arguments) {
    const Arguments parsed = parse(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) ADD_FAILURE() << error->line;
    EXPECT_TRUE(std::holds_alternative<Request>(parsed));
    return std::holds_alternative<Request>(parsed) ? std::get<Request>(parsed) : Request{};
}

class BadArgumentsTest : public testing::TestWithParam<BadArguments> {};

TEST_P(BadArgumentsTest, GiveTheirOneLine) {
    const Arguments parsed = parse(GetParam().arguments);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
    EXPECT_EQ(std::get<UsageError>(parsed).line, GetParam().diagnostic);
}

INSTANTIATE_TEST_SUITE_P(Table, BadArgumentsTest, testing::ValuesIn(kBadArguments));

TEST(ArgumentsTest, DefaultsAreInchesAReportAndOneDegreeTo90) {
    const std::vector<std::string> arguments = {"2", "8", "10"};
    const Request r = request(arguments);
    EXPECT_EQ(r.unit, LengthUnit::inch);
    EXPECT_EQ(r.format, OutputFormat::report);
    EXPECT_EQ(r.step.value, 1);
    EXPECT_EQ(r.to.value, 90);
    EXPECT_EQ(r.radius.text, "2");
    EXPECT_EQ(r.radius.value, 2);
    EXPECT_EQ(r.slant.value, 8);
    EXPECT_EQ(r.frequency.value, 10);
}

struct GoodForm {
    std::vector<std::string> arguments;
    double step;
    double to;
    LengthUnit unit;
    OutputFormat format;
};

void PrintTo(const GoodForm& form, std::ostream* out) { PrintTo(BadArguments{form.arguments, ""}, out); }

class GoodFormTest : public testing::TestWithParam<GoodForm> {};

TEST_P(GoodFormTest, ReadsAsMeant) {
    const Request r = request(GetParam().arguments);
    EXPECT_EQ(r.step.value, GetParam().step);
    EXPECT_EQ(r.to.value, GetParam().to);
    EXPECT_EQ(r.unit, GetParam().unit);
    EXPECT_EQ(r.format, GetParam().format);
    EXPECT_EQ(r.radius.value, 2);
    EXPECT_EQ(r.slant.value, 8);
    EXPECT_EQ(r.frequency.value, 10);
}

constexpr LengthUnit in = LengthUnit::inch, cm = LengthUnit::centimetre;
constexpr OutputFormat report = OutputFormat::report, csv = OutputFormat::csv, json = OutputFormat::json;

INSTANTIATE_TEST_SUITE_P(
    Table, GoodFormTest,
    testing::Values(
        // A value after '=' or as the next argument; shortened names.
        GoodForm{{"--step=0.5", "2", "8", "10"}, 0.5, 90, in, report},
        GoodForm{{"--step", "0.5", "2", "8", "10"}, 0.5, 90, in, report},
        GoodForm{{"--st", "0.5", "--t=45", "--u", "cm", "--c", "2", "8", "10"}, 0.5, 45, cm, csv},
        GoodForm{{"--unit=in", "--json", "2", "8", "10"}, 1, 90, in, json},
        // Options among and after the operands.
        GoodForm{{"2", "--step", "0.5", "8", "10"}, 0.5, 90, in, report},
        GoodForm{{"2", "8", "10", "--to", "180", "--csv"}, 1, 180, in, csv},
        // "--" ends the options.
        GoodForm{{"--json", "--", "2", "8", "10"}, 1, 90, in, json},
        GoodForm{{"2", "--", "8", "10"}, 1, 90, in, report},
        // Given twice, the last counts; --csv twice is --csv.
        GoodForm{{"--step", "2", "--step", "3", "--unit", "cm", "--unit", "in", "2", "8", "10"}, 3, 90, in, report},
        GoodForm{{"--csv", "--csv", "2", "8", "10"}, 1, 90, in, csv},
        // Exponents, points at either end, the edges of the ranges.
        GoodForm{{"--step", "1e-1", "--to", "180", "2.", "8e0", ".1e2"}, 0.1, 180, in, report},
        GoodForm{{"--step", "0.00009", "--to", "89.99991", "2", "8", "10"}, 0.00009, 89.99991, in, report},
        GoodForm{{"--step", "1000", "--to", "1e-300", "2", "8", "10"}, 1000, 1e-300, in, report}));

TEST(ArgumentsTest, HelpAndVersionEndTheReadingWhereTheyStand) {
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"--help"})));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"--he"})));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"2", "8", "10", "--help"})));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"--help", "--foo", "-1"})));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"x", "--help"})));
    EXPECT_TRUE(std::holds_alternative<ShowVersion>(parse({"--version"})));
    EXPECT_TRUE(std::holds_alternative<ShowVersion>(parse({"--version", "--help"})));
    EXPECT_TRUE(std::holds_alternative<ShowHelp>(parse({"--help", "--version"})));
    // After "--" it is an operand like any other.
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse({"--", "--help"})));
}

TEST(ArgumentsTest, OptionsAfterOperandsWhateverPosixlyCorrectSays) {
    ::setenv("POSIXLY_CORRECT", "1", 1);
    const Request r = request({"2", "8", "10", "--csv"});
    ::unsetenv("POSIXLY_CORRECT");
    EXPECT_EQ(r.format, OutputFormat::csv);
}

TEST(ArgumentsTest, EachParseStartsAfresh) {
    // A parse that stops inside an argument must not leave getopt there.
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse({"-xy", "2", "8", "10"})));
    EXPECT_EQ(request({"2", "8", "10"}).format, OutputFormat::report);
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse({"2", "8", "10", "--step"})));
    EXPECT_EQ(request({"--csv", "2", "8", "10"}).format, OutputFormat::csv);
}

TEST(ArgumentsTest, AProgramNameAloneOrNoneAtAllIsMissingEverything) {
    const char* nameOnly[] = {"velmor-pattern", nullptr};
    const char* none[] = {nullptr};
    for (const Arguments& parsed : {parseArguments(1, nameOnly), parseArguments(0, none)}) {
        ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
        EXPECT_EQ(std::get<UsageError>(parsed).line, "velmor-pattern: missing RADIUS, SLANT and FREQUENCY" + kSeeHelp);
    }
}

TEST(ArgumentsTest, TheTableModelGetsTheTextReadAsAFloat) {
    // 1 + 2^-24 is the midpoint between the floats 1 and 1 + 2^-23; this
    // text lies just above it. Read as a float it rounds up; read as a
    // double it is the midpoint itself, which then rounds to even, down.
    const Request r = request({"1.00000005960464477539062501", "8", "10"});
    EXPECT_EQ(r.radius.real, 1.00000011920928955078125f);
    EXPECT_EQ(static_cast<float>(r.radius.value), 1.0f);
    EXPECT_EQ(request({"2", "8", "0.1"}).frequency.real, 0.1f);
}

TEST(ArgumentsTest, TheLargestKaAndTheMostAnglesAreAllowed) {
    // ka = 1000 exactly is a radius of 1000 lambda / 2 pi.
    EXPECT_TRUE(std::holds_alternative<Request>(parse({"--unit", "cm", "477.13", "600", "10"})));  // ka 999.998
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse({"--unit", "cm", "477.14", "600", "10"})));  // ka 1000.02
    EXPECT_TRUE(std::holds_alternative<UsageError>(parse({"--step", "0.00018", "--to", "180", "2", "8", "10"})));
    EXPECT_TRUE(std::holds_alternative<Request>(parse({"--step", "0.00018", "--to", "179.99982", "2", "8", "10"})));
    // 1000001 and 1000000 angles.
}

}  // namespace
}  // namespace pattern

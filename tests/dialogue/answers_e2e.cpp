// Answers as a user types them, through the real binary: forms the prompts
// never ask for end the run with error 59 and the offending text; values
// beyond a Real's range or an integer's are errors, a Real that underflows
// is read as the nearest Real.

#include <gtest/gtest.h>

#include "support/run_binary.hpp"

namespace {

Outcome answerAtFrequencyPrompt(const std::string& answer) {
    TempDir work;
    Invocation request;
    request.input = "r.txt\n2\n" + answer + "\n";
    request.directory = work.path();
    return invoke(request);
}

TEST(Answers, FormsNoPromptAsksForAreBadValues) {
    struct Case {
        const char* answer;
        const char* quoted;  // the offending value as the diagnostic shows it
    };
    const Case cases[] = {
        // quoted text, parentheses, logical words
        {"'10' 20", "\"'10'\""},
        {"\"10\" 20", "\"\\\"10\\\"\""},
        {"(10,20)", "\"(10\""},
        {"T 20", "\"T\""},
        {".FALSE. 20", "\".FALSE.\""},
        // exponents without digits, or a sign without its letter
        {"1.5e 20", "\"1.5e\""},
        {"1.5E+ 20", "\"1.5E+\""},
        {"1.5+3 20", "\"1.5+3\""},
        // repeat counts of zero or beyond the 32-bit range
        {"0*10 20", "\"0*10\""},
        {"2147483648*10", "\"2147483648*10\""},
        // a Real beyond the largest finite Real
        {"1e39 20", "\"1e39\""},
        {"-3.5e38 20", "\"-3.5e38\""},
        // the usual mistakes
        {"abc", "\"abc\""},
        {"e5 1", "\"e5\""},
        {"+-1 1", "\"+-1\""},
        {"- 1", "\"-\""},
    };
    for (const Case& c : cases) {
        const Outcome outcome = answerAtFrequencyPrompt(c.answer);
        EXPECT_EQ(outcome.exitCode, 59) << c.answer;
        EXPECT_EQ(outcome.diagnostics,
                  std::string("velmor: error 59 on unit 5 (standard input): bad value ") + c.quoted + " in an answer\n")
            << c.answer;
    }
}

TEST(Answers, IntegerBeyondThirtyTwoBitsIsABadValueAtTheUnitPrompt) {
    for (const char* answer : {"2147483648", "-2147483649", "1e10", "99999999999999999999"}) {
        TempDir work;
        Invocation request;
        request.input = std::string("r.txt\n") + answer + "\n";
        request.directory = work.path();
        const Outcome outcome = invoke(request);
        EXPECT_EQ(outcome.exitCode, 59) << answer;
    }
}

TEST(Answers, RealThatUnderflowsIsReadAsZeroAndEndsTheRun) {
    // The nearest Real to 1e-50 is 0: frequency 0 ends the run normally.
    const Outcome outcome = answerAtFrequencyPrompt("1e-50 20");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.diagnostics, "");
}

TEST(Answers, LargestFiniteRealIsAccepted) {
    // Frequency 3.4028235e38 is a valid answer: the run goes on to the next
    // prompt, where input ends.
    const Outcome outcome = answerAtFrequencyPrompt("3.4028235e38 20");
    EXPECT_EQ(outcome.exitCode, 24);
}

}  // namespace

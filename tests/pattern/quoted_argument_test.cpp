// Arguments as a diagnostic shows them. The kinds of byte are in the table
// of bad arguments; here, the cut.

#include "pattern/quoted_argument.hpp"

#include <gtest/gtest.h>

namespace pattern {
namespace {

TEST(QuotedArgumentTest, CutOnlyBeyondTheLimit) {
    const std::string limit(kShownArgumentBytes, 'a');
    EXPECT_EQ(quoteArgument(limit), "'" + limit + "'");
    EXPECT_EQ(quoteArgument(limit + "b"), "'" + limit + "'...");
}

TEST(QuotedArgumentTest, TheCutCountsBytesBeforeEscaping) {
    const std::string newlines(kShownArgumentBytes + 1, '\n');
    std::string shown;
    for (std::size_t i = 0; i < kShownArgumentBytes; ++i) shown += "\\n";
    EXPECT_EQ(quoteArgument(newlines), "'" + shown + "'...");
}

TEST(QuotedArgumentTest, EmptyAndEveryByte) {
    EXPECT_EQ(quoteArgument(""), "''");
    EXPECT_EQ(quoteArgument(std::string_view("\0\x7f\xff", 3)), "'\\x00\\x7F\\xFF'");
    EXPECT_EQ(quoteArgument(" ~"), "' ~'");
}

}  // namespace
}  // namespace pattern

#pragma once
// An argument as a diagnostic shows it.

#include <string>
#include <string_view>

namespace pattern {

// The bytes of an argument shown, at most; a longer one is cut there.
inline constexpr std::size_t kShownArgumentBytes = 40;

// `text` in single quotes, safe on any terminal and on one line: every byte
// outside printable ASCII is written \xNN (\t, \n and \r by their letters),
// a quote \' and a backslash \\. An argument longer than
// kShownArgumentBytes shows its first kShownArgumentBytes bytes, then "...",
// after the closing quote.
std::string quoteArgument(std::string_view text);

}  // namespace pattern

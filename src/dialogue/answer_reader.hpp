#pragma once
// READANSWER: the free-form answer reader.

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "horn/arithmetic.hpp"

// Console input, one line at a time.
class LineSource {
public:
    // Sets `line` to the next line, without its line end, and returns true;
    // returns false at the end of input. The view stays valid until the next
    // call.
    virtual bool nextLine(std::string_view& line) = 0;

protected:
    ~LineSource() = default;
};

// One dialogue variable that an answer fills: a 32-bit integer or a Real.
using AnswerTarget = std::variant<std::int32_t*, Real*>;

// Reads one free-form answer into one to three targets, starting at the next
// line of `input`. A target that gets an empty value, or none before a slash,
// keeps its value. Throws RunFailure: badValue for a value not of the free
// form, endOfInput when input ends before the answer is complete. An empty
// list is complete at once and reads no line.
void READANSWER(LineSource& input, std::span<const AnswerTarget> targets);

#pragma once
// Runs the real velmor-pattern binary with arguments, as a script would.

#include <string>
#include <vector>

#include "support/run_binary.hpp"

inline Outcome runPattern(const std::vector<std::string>& arguments,
                          Invocation::Output output = Invocation::Output::captured) {
    Invocation request;
    request.binary = VELMOR_PATTERN_BINARY;
    request.arguments = arguments;
    request.output = output;
    return invoke(request);
}

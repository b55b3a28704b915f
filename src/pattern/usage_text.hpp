#pragma once
// What --help and --version print.

#include <string_view>

namespace pattern {

// The short usage: synopsis, options, exit statuses, the manual.
std::string_view helpText();

// "velmor-pattern VERSION\n", the version of the project.
std::string_view versionText();

}  // namespace pattern

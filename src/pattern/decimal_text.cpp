#include "pattern/decimal_text.hpp"

#include <charconv>
#include <cmath>
#include <string_view>

namespace pattern {

// A sign, the 309 digits of the largest double, the point and 340 decimals.
static constexpr int kLongestFixed = 1 + 309 + 1 + 340;

void appendFixed(std::string& out, double value, int decimals) {
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    char text[kLongestFixed];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string_view digits(text, result.ptr);
    if (digits.front() == '-' && digits.find_first_not_of("-0.") == std::string_view::npos) digits.remove_prefix(1);
    out += digits;
}

void appendPhase(std::string& out, double degrees, int decimals) {
    const std::size_t start = out.size();
    appendFixed(out, degrees, decimals);
    const std::string_view printed = std::string_view(out).substr(start);
    const bool minus180 = printed == "-180" ||
                          (printed.starts_with("-180.") && printed.find_first_not_of('0', 5) == std::string_view::npos);
    if (minus180) out.erase(start, 1);
}

// The longest shortest text of a double, -2.2250738585072014e-308, has 24
// characters.
static constexpr int kLongestShortest = 32;

void appendShortest(std::string& out, double value) {
    char text[kLongestShortest];
    out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

void appendShortest(std::string& out, float value) {
    char text[kLongestShortest];
    out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

void appendSignificant(std::string& out, double value, int digits) {
    char text[kLongestShortest];
    out.append(text, std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits).ptr);
}

}  // namespace pattern

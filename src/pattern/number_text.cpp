#include "pattern/number_text.hpp"

#include <charconv>
#include <cmath>
#include <system_error>

namespace pattern {

template <typename Number>
static std::from_chars_result readWhole(std::string_view text, Number& value) {
    std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc{} && result.ptr != text.data() + text.size()) result.ec = std::errc::invalid_argument;
    return result;
}

NumberReading readNumber(std::string_view text) {
    double value = 0;
    const std::from_chars_result result = readWhole(text, value);
    // libstdc++ reports overflow and underflow to zero alike as out of range;
    // the text then has the form and its digits were all consumed.
    if (result.ec == std::errc::result_out_of_range && result.ptr == text.data() + text.size())
        return {0, NumberError::outOfRange};
    if (result.ec != std::errc{}) return {0, NumberError::notANumber};
    if (!std::isfinite(value)) return {value, NumberError::notFinite};
    return {value, NumberError::none};
}

std::optional<Real> readReal(std::string_view text) {
    Real value = 0;
    if (readWhole(text, value).ec != std::errc{}) return std::nullopt;
    return value;
}

bool looksLikeNegativeNumber(std::string_view text) {
    if (text.size() < 2 || text[0] != '-') return false;
    const char next = text[1];
    return (next >= '0' && next <= '9') || next == '.' || readNumber(text).error != NumberError::notANumber;
}

}  // namespace pattern

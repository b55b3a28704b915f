#include "pattern/quoted_argument.hpp"

namespace pattern {

std::string quoteArgument(std::string_view text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    const std::string_view shown = text.substr(0, kShownArgumentBytes);
    std::string quoted = "'";
    for (const char c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\t': quoted += "\\t"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\'': quoted += "\\'"; break;
        case '\\': quoted += "\\\\"; break;
        default:
            if (byte >= 0x20 && byte < 0x7F) {
                quoted += c;
            } else {
                quoted += "\\x";
                quoted += kHexDigits[byte >> 4];
                quoted += kHexDigits[byte & 0xF];
            }
        }
    }
    quoted += '\'';
    if (shown.size() < text.size()) quoted += "...";
    return quoted;
}

}  // namespace pattern

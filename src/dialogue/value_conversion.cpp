#include "dialogue/value_conversion.hpp"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace {

// Every halfway point between two adjacent Reals, the overflow threshold
// 2^128 - 2^103 among them, has at most 113 significant decimal digits (the
// longest is (2m + 1) * 2^-150 = (2m + 1) * 5^150 / 10^150 with m near 2^24).
// So 113 digits and one nonzero digit standing for all the rest round like
// the full value: nothing that decides the rounding lies between the two.
constexpr std::size_t kDecisiveDigits = 113;

// Place value 10^39 of the leading digit: the value is at least 1e39, beyond
// the largest finite Real 3.4028235e38.
constexpr std::int64_t kOverflowPlace = 39;

// Place value 10^-47 or below: the value is under 1e-46, less than half the
// smallest subnormal Real (2^-150 = 7.0e-46), so it rounds to zero.
constexpr std::int64_t kZeroPlace = -47;

// 2^31 has 10 digits: an integer part with more nonzero-led digits is out.
constexpr std::int64_t kInt32Digits = 10;

// Buffer for the from_chars text: sign, the decisive digits, the digit for
// the rest, 'e', the exponent's sign and at most 3 digits (|exponent| < 200
// once the place value lies between kZeroPlace and kOverflowPlace).
constexpr std::size_t kRealTextSize = 1 + kDecisiveDigits + 1 + 1 + 1 + 3;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isExponentLetter(char c) {
    switch (c) {
    case 'E': case 'e': case 'D': case 'd': case 'Q': case 'q':
        return true;
    default:
        return false;
    }
}

// Advances `i` over a run of digits and returns the run.
std::string_view digitRun(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    return text.substr(start, i - start);
}

// The written digits, whole then fraction, as one sequence; the point lies
// after whole.size() of them, moved by the exponent.
class Digits {
public:
    explicit Digits(const ValueForm& form) : whole_(form.whole), fraction_(form.fraction) {}
    std::size_t size() const { return whole_.size() + fraction_.size(); }
    char operator[](std::size_t k) const {
        return k < whole_.size() ? whole_[k] : fraction_[k - whole_.size()];
    }
    // Index of the first digit other than 0 before `end`, or `end`.
    std::size_t firstNonzero(std::size_t end) const {
        std::size_t k = 0;
        while (k < end && (*this)[k] == '0') ++k;
        return k;
    }
    // One past the last digit other than 0; contract: one exists.
    std::size_t endOfNonzero() const {
        std::size_t k = size();
        while ((*this)[k - 1] == '0') --k;
        return k;
    }

private:
    std::string_view whole_;
    std::string_view fraction_;
};

Real signedZero(bool negative) { return negative ? -0.0f : 0.0f; }

}  // namespace

std::optional<ValueForm> parseValueForm(std::string_view text) {
    ValueForm form;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        form.negative = text[i] == '-';
        ++i;
    }
    form.whole = digitRun(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        form.fraction = digitRun(text, i);
    }
    if (form.whole.empty() && form.fraction.empty()) return std::nullopt;
    if (i < text.size() && isExponentLetter(text[i])) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::string_view digits = digitRun(text, i);
        if (digits.empty()) return std::nullopt;
        std::int64_t exponent = 0;
        for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), kExponentClamp);
        form.exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != text.size()) return std::nullopt;
    return form;
}

std::optional<Real> toReal(const ValueForm& form) {
    const Digits digits(form);
    const std::size_t first = digits.firstNonzero(digits.size());
    if (first == digits.size()) return signedZero(form.negative);
    const std::size_t end = digits.endOfNonzero();

    // The leading digit stands for d * 10^place.
    const std::int64_t place =
        static_cast<std::int64_t>(form.whole.size()) - 1 - static_cast<std::int64_t>(first) +
        form.exponent;
    if (place >= kOverflowPlace) return std::nullopt;
    if (place <= kZeroPlace) return signedZero(form.negative);

    // The significant digits as an integer with an exponent, for from_chars,
    // which rounds correctly but reads neither '+', 'D' nor 'Q'.
    char text[kRealTextSize];
    char* out = text;
    if (form.negative) *out++ = '-';
    const std::size_t kept = std::min(end - first, kDecisiveDigits);
    for (std::size_t k = first; k < first + kept; ++k) *out++ = digits[k];
    std::size_t written = kept;
    if (end - first > kept) {
        *out++ = '1';  // the dropped digits end in a nonzero one
        ++written;
    }
    *out++ = 'e';
    const std::int64_t exponent = place - static_cast<std::int64_t>(written - 1);
    out = std::to_chars(out, text + kRealTextSize, exponent).ptr;

    Real value;
    const auto [stop, error] = std::from_chars(text, out, value, std::chars_format::scientific);
    // libstdc++ reports both overflow and rounding to zero as out of range,
    // leaving `value` unset; the place value tells the two apart.
    if (error == std::errc::result_out_of_range) {
        if (place >= 0) return std::nullopt;
        return signedZero(form.negative);
    }
    return value;
}

std::optional<std::int32_t> toInteger(const ValueForm& form) {
    const Digits digits(form);
    // The integer part is the digits before the point, with zeros for the
    // places past the last written digit.
    const std::int64_t point = static_cast<std::int64_t>(form.whole.size()) + form.exponent;
    if (point <= 0) return 0;
    const std::size_t written = static_cast<std::size_t>(
        std::min(point, static_cast<std::int64_t>(digits.size())));
    const std::size_t first = digits.firstNonzero(written);
    if (first == written) return 0;
    if (point - static_cast<std::int64_t>(first) > kInt32Digits) return std::nullopt;

    std::int64_t magnitude = 0;
    for (std::int64_t k = static_cast<std::int64_t>(first); k < point; ++k) {
        const std::size_t index = static_cast<std::size_t>(k);
        magnitude = magnitude * 10 + (index < digits.size() ? digits[index] - '0' : 0);
    }
    const std::int64_t value = form.negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// libFuzzer target for READANSWER and the value converter.
//
// Input: the first byte picks the target list (one to three targets, each an
// integer or a Real); the rest is console input, split into lines at '\n'.
// Answers are read one after another until one fails. Every call must end
// with the targets filled or kept, or with RunFailure 59 or 24; anything else
// (another exception, a sanitizer report, a hang) is a finding.
//
// Checked besides: a Real target stays finite; a failure's detail is a piece
// of the line being read (59) or empty (24); 24 comes only when input is
// exhausted; every value that the scanner could meet converts to Real like
// glibc's strtof and truncates to an integer like a string-shifting oracle.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "dialogue/answer_reader.hpp"
#include "dialogue/failure.hpp"
#include "dialogue/value_conversion.hpp"

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "answer_reader_fuzz: %s\n", what);
    std::abort();
}

// Lines of the input. Each is copied into a buffer of exactly its size, freed
// at the next call: a read past a line's end or of a line already given up
// is a heap error that the address sanitizer reports.
class FuzzLines final : public LineSource {
public:
    explicit FuzzLines(std::string_view text) : rest_(text) {}

    bool nextLine(std::string_view& line) override {
        if (exhausted()) return false;
        const std::size_t end = rest_.find('\n');
        const std::string_view next = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        done_ = end == std::string_view::npos;
        copy_ = std::make_unique<char[]>(next.size());
        std::memcpy(copy_.get(), next.data(), next.size());
        line = current_ = std::string_view(copy_.get(), next.size());
        ++read_;
        return true;
    }

    bool exhausted() const { return done_; }
    std::size_t read() const { return read_; }
    std::string_view current() const { return current_; }

private:
    std::string_view rest_;
    bool done_ = false;
    std::unique_ptr<char[]> copy_;
    std::string_view current_;
    std::size_t read_ = 0;
};

// strtof of the value with its exponent letter made an 'e'; glibc's strtof
// rounds correctly and gives HUGE_VALF with ERANGE on overflow.
void checkRealAgainstStrtof(std::string_view text, const ValueForm& form) {
    std::string normal(text);
    for (char& c : normal) {
        if (c == 'd' || c == 'D' || c == 'q' || c == 'Q') c = 'e';
    }
    errno = 0;
    const float expected = std::strtof(normal.c_str(), nullptr);
    const std::optional<Real> value = toReal(form);
    if (std::isinf(expected)) {
        check(!value.has_value(), "a value beyond the largest Real was converted");
        return;
    }
    check(value.has_value(), "a value within range was refused");
    std::uint32_t got, want;
    std::memcpy(&got, &*value, sizeof got);
    std::memcpy(&want, &expected, sizeof want);
    check(got == want, "toReal differs from strtof");
}

// The integer part as a digit string: the digits shifted by the exponent,
// cut at the point, leading zeros dropped.
void checkIntegerAgainstShift(const ValueForm& form) {
    const std::string digits = std::string(form.whole) + std::string(form.fraction);
    const std::int64_t point = static_cast<std::int64_t>(form.whole.size()) + form.exponent;
    std::string part;
    for (std::int64_t k = 0; k < point && part.size() <= 11; ++k) {
        if (k >= static_cast<std::int64_t>(digits.size()) && part.empty()) break;  // all zeros
        const char d = k < static_cast<std::int64_t>(digits.size()) ? digits[k] : '0';
        if (part.empty() && d == '0') continue;
        part += d;
    }
    const std::string limit = form.negative ? "2147483648" : "2147483647";
    const bool fits = part.size() < limit.size() || (part.size() == limit.size() && part <= limit);
    const std::optional<std::int32_t> value = toInteger(form);
    check(value.has_value() == fits, "toInteger range differs from the digit oracle");
    if (!value) return;
    const long long magnitude = part.empty() ? 0 : std::stoll(part);
    check(*value == (form.negative ? -magnitude : magnitude), "toInteger differs from the digit oracle");
}

bool separates(char c) {
    switch (c) {
    case ' ': case '\t': case ',': case '/': case '*': case '\n':
        return true;
    default:
        return false;
    }
}

// Every run of characters between the scanner's separators, as the scanner
// would hand it to the converter.
void checkConverter(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t k = 0; k <= text.size(); ++k) {
        if (k < text.size() && !separates(text[k])) continue;
        const std::string_view run = text.substr(start, k - start);
        start = k + 1;
        const std::optional<ValueForm> form = parseValueForm(run);
        if (!form) continue;
        checkRealAgainstStrtof(run, *form);
        checkIntegerAgainstShift(*form);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setArithmeticEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // Byte 0: bits 0-1 the number of targets (0 counts as 3), bits 2-4 which
    // of them are integers.
    const unsigned choice = data[0];
    const std::size_t count = (choice & 3) == 0 ? 3 : (choice & 3);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    Real reals[3] = {1.25f, 1.25f, 1.25f};
    std::int32_t integers[3] = {7, 7, 7};
    AnswerTarget targets[3];
    for (std::size_t k = 0; k < count; ++k) {
        if (choice & (4u << k)) {
            targets[k] = &integers[k];
        } else {
            targets[k] = &reals[k];
        }
    }

    FuzzLines input(text);
    for (;;) {
        const std::size_t before = input.read();
        try {
            READANSWER(input, std::span<const AnswerTarget>(targets, count));
        } catch (const RunFailure& failure) {
            check(failure.unit == Unit::consoleInput, "failure on a unit other than 5");
            if (failure.number == kBadValueError) {
                check(failure.kind == RunFailure::Kind::badValue, "59 of the wrong kind");
                check(!failure.detail.empty(), "59 without the value");
                check(input.current().find(failure.detail) != std::string_view::npos,
                      "59 detail is not a piece of the line");
            } else {
                check(failure.number == kEndOfInputError, "failure neither 59 nor 24");
                check(failure.kind == RunFailure::Kind::endOfInput, "24 of the wrong kind");
                check(failure.detail.empty(), "24 with a detail");
                check(input.exhausted(), "24 before the input ended");
            }
            break;
        }
        check(input.read() > before, "an answer read no line");
        for (std::size_t k = 0; k < count; ++k) {
            check(std::isfinite(reals[k]), "a Real target is not finite");
        }
    }
    checkConverter(text);
    return 0;
}

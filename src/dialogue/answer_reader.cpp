#include "dialogue/answer_reader.hpp"

#include <algorithm>
#include <limits>
#include <optional>

#include "dialogue/failure.hpp"
#include "dialogue/value_conversion.hpp"

namespace {

// What the scanner yields. A repeat count is folded into `copies`: "3*0" is
// one value with three copies, "2*" two empty values.
struct Item {
    enum class Kind { value, empty, slash, lineEnd };
    Kind kind;
    std::uint32_t copies = 1;
    std::string_view value{};  // Kind::value: the value's text
    std::string_view typed{};  // Kind::value: the item as typed, for a failure
};

// Where a value ends; everything else belongs to it, right or wrong.
bool endsValue(char c) {
    switch (c) {
    case ' ': case '\t': case ',': case '/': case '*':
        return true;
    default:
        return false;
    }
}

// Where an item ends for a failure's detail: an asterisk belongs to it.
bool endsItem(char c) { return c != '*' && endsValue(c); }

// The largest repeat count: the signed 32-bit range.
constexpr std::uint32_t kMaxRepeat = std::numeric_limits<std::int32_t>::max();

// Scanner over the lines of one answer. Its one state that survives a line
// end is whether the last item was a value (or r*): then the next comma is
// that value's separator; after a separator, or at the start, a comma is an
// empty value. A blank run or a line end after a value is a separator too,
// but a comma may still follow it as part of the same separator.
class AnswerScanner {
public:
    explicit AnswerScanner(LineSource& input) : input_(input) {}

    Item next() {
        for (;;) {
            if (pos_ == line_.size()) return {Item::Kind::lineEnd};
            switch (line_[pos_]) {
            case ' ':
            case '\t':
                ++pos_;
                break;
            case ',':
                ++pos_;
                if (afterValue_) {
                    afterValue_ = false;
                    break;
                }
                return {Item::Kind::empty};
            case '/':
                ++pos_;
                return {Item::Kind::slash};
            default:
                afterValue_ = true;
                return valueItem();
            }
        }
    }

    // Moves to the next line; the state carries over. Throws endOfInput.
    void nextLine() {
        if (!input_.nextLine(line_)) throw endOfInput();
        pos_ = 0;
    }

private:
    // Advances over the run of characters that ends a value and returns it.
    std::string_view valueRun() {
        const std::size_t start = pos_;
        while (pos_ < line_.size() && !endsValue(line_[pos_])) ++pos_;
        return line_.substr(start, pos_ - start);
    }

    bool at(char c) const { return pos_ < line_.size() && line_[pos_] == c; }

    // A value, or r*v, or r* (r empty values).
    Item valueItem() {
        const std::size_t start = pos_;
        const std::string_view first = valueRun();
        if (!at('*')) return {Item::Kind::value, 1, first, first};
        ++pos_;
        const std::string_view repeated = valueRun();
        const std::uint32_t copies = repeatCount(first);
        if (copies == 0 || at('*')) throw badValue(typedFrom(start));
        if (repeated.empty()) return {Item::Kind::empty, copies};
        return {Item::Kind::value, copies, repeated, line_.substr(start, pos_ - start)};
    }

    // The unsigned integer r of r*, or 0 when it is not one in 1 to 2^31 - 1.
    static std::uint32_t repeatCount(std::string_view text) {
        if (text.empty()) return 0;
        std::uint64_t count = 0;
        for (char c : text) {
            if (c < '0' || c > '9') return 0;
            count = count * 10 + static_cast<std::uint64_t>(c - '0');
            if (count > kMaxRepeat) return 0;
        }
        return static_cast<std::uint32_t>(count);
    }

    // The item from `start` as typed, asterisks included, for a failure.
    std::string_view typedFrom(std::size_t start) const {
        std::size_t end = start;
        while (end < line_.size() && !endsItem(line_[end])) ++end;
        return line_.substr(start, end - start);
    }

    LineSource& input_;
    std::string_view line_;  // empty before the first line: the answer starts at the next line
    std::size_t pos_ = 0;
    bool afterValue_ = false;
};

void store(const AnswerTarget& target, const ValueForm& form, std::string_view typed) {
    if (std::int32_t* const* integer = std::get_if<std::int32_t*>(&target)) {
        const std::optional<std::int32_t> value = toInteger(form);
        if (!value) throw badValue(typed);
        **integer = *value;
    } else {
        const std::optional<Real> value = toReal(form);
        if (!value) throw badValue(typed);
        *std::get<Real*>(target) = *value;
    }
}

}  // namespace

void READANSWER(LineSource& input, std::span<const AnswerTarget> targets) {
    AnswerScanner scanner(input);
    std::size_t filled = 0;
    while (filled < targets.size()) {
        const Item item = scanner.next();
        // A repeat count may exceed what is left: only the rest is filled.
        const std::size_t copies = std::min<std::size_t>(item.copies, targets.size() - filled);
        switch (item.kind) {
        case Item::Kind::lineEnd:
            scanner.nextLine();
            break;
        case Item::Kind::slash:
            return;
        case Item::Kind::empty:
            filled += copies;
            break;
        case Item::Kind::value: {
            const std::optional<ValueForm> form = parseValueForm(item.value);
            if (!form) throw badValue(item.typed);
            for (std::size_t k = 0; k < copies; ++k) store(targets[filled++], *form, item.typed);
            break;
        }
        }
    }
}

#pragma once
// Where the renderers put their text: the program's buffered standard
// output, or a string in a test.

#include <string>
#include <string_view>

namespace pattern {

class TextSink {
public:
    virtual void put(std::string_view text) = 0;

protected:
    ~TextSink() = default;
};

class StringSink final : public TextSink {
public:
    void put(std::string_view text) override { text_ += text; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace pattern

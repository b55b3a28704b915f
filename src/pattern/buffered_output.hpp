#pragma once
// The program's one write path: text collected in a buffer and written to
// a file descriptor when the buffer fills and at the end.

#include <cstddef>
#include <memory>

#include "pattern/text_sink.hpp"

namespace pattern {

// A write failed: errno, for the program's entry to report. Thrown at the
// first failure, so that a run whose output is lost (a reader that has gone,
// a full disc) stops at once instead of computing the rest.
struct OutputFailure {
    int error;
};

class BufferedOutput final : public TextSink {
public:
    explicit BufferedOutput(int fd);

    // Throws OutputFailure when the buffer must go out and cannot.
    void put(std::string_view text) override;

    // Writes out what the buffer holds. Throws OutputFailure.
    void flush();

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    void writeOut(std::string_view bytes);

    int fd_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

}  // namespace pattern

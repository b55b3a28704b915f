#pragma once
// The program's one write path: text collected in a buffer and written to
// a file descriptor when the buffer fills and at the end.

#include <cstddef>
#include <memory>

#include "pattern/text_sink.hpp"

namespace pattern {

class BufferedOutput final : public TextSink {
public:
    explicit BufferedOutput(int fd);

    // After a write has failed, text is dropped: the run's output is lost
    // either way, and the first error is the one to report.
    void put(std::string_view text) override;

    // Writes what the buffer holds; false once any write has failed.
    bool flush();

    // The errno of the first failed write, or 0.
    int error() const { return error_; }

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    void writeOut(std::string_view bytes);

    int fd_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    int error_ = 0;
};

}  // namespace pattern

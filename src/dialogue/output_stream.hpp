#pragma once
// A buffered byte stream on a file descriptor. Whole records go into the
// buffer; the buffer goes to the operating system when it is full and
// whenever the program is about to wait for input or end, so a run stopped
// at a prompt has lost nothing it wrote before that prompt.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "dialogue/failure.hpp"

class OutputStream {
public:
    OutputStream(int fd, Unit unit);

    // Records are a few dozen bytes, far below the buffer's capacity.
    void append(std::string_view bytes) {
        if (bytes.size() > kCapacity - used_) flush();
        std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }

    // Writes the buffer out. Throws RunFailure (system, errno) on an error,
    // or interrupted if a signal stopped the write.
    void flush();

    // Drops what the buffer holds: after a failure nothing more is owed.
    void discard() { used_ = 0; }

    int fd() const { return fd_; }
    void setFd(int fd) { fd_ = fd; }

    // Bytes that reached the operating system, up to and including the last
    // line feed among them: the end of the last complete record out there.
    std::uint64_t completeLinesWritten() const { return lineEndWritten_; }

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    int fd_;
    Unit unit_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
    std::uint64_t lineEndWritten_ = 0;
};

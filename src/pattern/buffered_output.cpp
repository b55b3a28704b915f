#include "pattern/buffered_output.hpp"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace pattern {

BufferedOutput::BufferedOutput(int fd) : fd_(fd), buffer_(new char[kCapacity]) {}

void BufferedOutput::put(std::string_view text) {
    if (error_ != 0) return;
    if (text.size() > kCapacity - used_) {
        flush();
        if (text.size() >= kCapacity) return writeOut(text);
    }
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
}

bool BufferedOutput::flush() {
    if (used_ > 0) writeOut({buffer_.get(), used_});
    used_ = 0;
    return error_ == 0;
}

void BufferedOutput::writeOut(std::string_view bytes) {
    while (error_ == 0 && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (n < 0 && errno != EINTR) {
            error_ = errno;
        } else if (n == 0) {
            error_ = EIO;  // a write that moves nothing would never end
        }
    }
}

}  // namespace pattern
